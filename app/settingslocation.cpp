#include "settingslocation.h"

#include "orvescversion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include <algorithm>

namespace orvesc {

namespace {

// What QSettings used while no organisation name was set.
const QString OldOrganisation = QStringLiteral("Unknown Organization");

// "example.orvantis.OrvESC" names the domain "orvantis.example".
QString domainOfApplicationId()
{
    QStringList parts = QStringLiteral(ORVESC_APP_ID).split(QLatin1Char('.'));
    parts.removeLast();
    std::reverse(parts.begin(), parts.end());
    return parts.join(QLatin1Char('.'));
}

} // namespace

void settleSettingsLocation()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Orvantis"));
    QCoreApplication::setOrganizationDomain(domainOfApplicationId());

    QSettings old(QSettings::NativeFormat, QSettings::UserScope, OldOrganisation,
                  QCoreApplication::applicationName());
    const QStringList keys = old.allKeys();
    if (keys.isEmpty())
        return;
    QSettings settings;
    // A value set since in the new place is the newer choice.
    for (const QString &key : keys) {
        if (!settings.contains(key))
            settings.setValue(key, old.value(key));
    }
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return;
    old.clear();
    old.sync();
    const QFileInfo file(old.fileName());
    if (file.isFile() && QFile::remove(file.filePath()))
        QDir().rmdir(file.path());
}

} // namespace orvesc
