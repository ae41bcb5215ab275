#include "settingslocation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace orvesc;

// The remembered choices move out of "Unknown Organization" once, without losing or overriding one.
class TestSettingsLocation : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

    QString file(const char *organisation) const
    {
        return m_config.filePath(QLatin1String(organisation) + QStringLiteral("/OrvESC.conf"));
    }

private slots:
    void initTestCase()
    {
        // Before the first QSettings, which keeps the folder it finds.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        QCoreApplication::setApplicationName(QStringLiteral("OrvESC"));
    }

    void carriesOldChoicesOverOnce_data()
    {
        QTest::addColumn<QVariant>("newer");
        QTest::addColumn<bool>("expected");
        QTest::newRow("only in the old place") << QVariant() << true;
        QTest::newRow("changed since in the new place") << QVariant(false) << false;
    }
    void carriesOldChoicesOverOnce()
    {
        QFETCH(QVariant, newer);
        QFETCH(bool, expected);
        QFile::remove(file("Orvantis"));
        QCoreApplication::setOrganizationName(QString());
        QCoreApplication::setOrganizationDomain(QString());
        {
            QSettings old; // as a version without an organisation name wrote it
            old.setValue(QStringLiteral("verifyAfterProgram"), true);
            old.setValue(QStringLiteral("settingsFiles/lastFolder"), QStringLiteral("/old/folder"));
        }
        QVERIFY(QFileInfo::exists(file("Unknown Organization")));
        if (newer.isValid())
            QSettings(file("Orvantis"), QSettings::IniFormat).setValue(QStringLiteral("verifyAfterProgram"), newer);

        settleSettingsLocation();
        settleSettingsLocation();
        QCOMPARE(QCoreApplication::organizationDomain(), QStringLiteral("orvantis.example"));
        QVERIFY(!QFileInfo::exists(file("Unknown Organization")));
        QSettings settings(file("Orvantis"), QSettings::IniFormat);
        QCOMPARE(settings.value(QStringLiteral("verifyAfterProgram")).toBool(), expected);
        QCOMPARE(settings.value(QStringLiteral("settingsFiles/lastFolder")).toString(), QStringLiteral("/old/folder"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "tst_settingslocation.moc"
