#include "backups.h"

#include "documentfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <tuple>
#include <vector>

namespace orvesc {

namespace {

const QString Suffix = QString::fromLatin1(SettingsFileSuffix);

// "QUORL R8 W 6S " becomes "QUORL-R8-W-6S": no spaces at an end or inside a file name.
QString modelPart(const SettingsDocument &document)
{
    return QString::fromStdString(document.modelName).trimmed().replace(QLatin1Char(' '),
                                                                         QLatin1Char('-'));
}

// Exactly the names save() gives a model's backups: time, model, and a number when two reads
// share a millisecond. Anything else in the folder is the user's and stays untouched.
QRegularExpression namePattern(const QString &model)
{
    return QRegularExpression(QStringLiteral("^(\\d{8}-\\d{6}-\\d{3})_")
                              + QRegularExpression::escape(model)
                              + QStringLiteral("(?:-(\\d+))?")
                              + QRegularExpression::escape(Suffix) + QLatin1Char('$'));
}

// The model's backups, oldest first: by time, then by the number of a second read within the
// same millisecond ("-2" would sort before the suffix as plain text).
QStringList backupNames(const QDir &dir, const QString &model)
{
    const QRegularExpression pattern = namePattern(model);
    struct Named
    {
        QString time;
        int number;
        QString name;
    };
    std::vector<Named> found;
    for (const QString &name : dir.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (match.hasMatch())
            found.push_back({ match.captured(1), match.captured(2).toInt(), name });
    }
    std::sort(found.begin(), found.end(), [](const Named &a, const Named &b) {
        return std::tie(a.time, a.number) < std::tie(b.time, b.number);
    });
    QStringList names;
    for (const Named &item : found)
        names << item.name;
    return names;
}

} // namespace

QString BackupStore::defaultFolder()
{
    // Pinned where backups have always been: AppDataLocation moves under the organisation's name
    // once one is set, and the command line sets none.
#ifdef Q_OS_WIN
    const QString data = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
#else
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
    return data + QLatin1Char('/') + QCoreApplication::applicationName() + QStringLiteral("/backups");
}

BackupStore::BackupStore(QString folder)
    : m_folder(std::move(folder))
{
}

QString BackupStore::fileName(const SettingsDocument &document, const QDateTime &now)
{
    return now.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) + QLatin1Char('_')
        + modelPart(document) + Suffix;
}

BackupOutcome BackupStore::save(const SettingsDocument &document, const QDateTime &now)
{
    if (!isOn())
        return {};
    QDir dir(m_folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return { {}, QStringLiteral("the folder cannot be created") };

    const QStringList sameModel = backupNames(dir, modelPart(document));
    if (!sameModel.isEmpty()) {
        QFile newest(dir.filePath(sameModel.constLast()));
        const std::string text = writeSettingsDocument(document);
        if (newest.open(QIODevice::ReadOnly)
            && newest.readAll() == QByteArray::fromStdString(text))
            return { newest.fileName(), {} };
    }

    QString name = fileName(document, now);
    // Two reads within one millisecond still get a file each.
    for (int n = 2; dir.exists(name); ++n)
        name = fileName(document, now).replace(Suffix, QStringLiteral("-%1").arg(n) + Suffix);
    QString error = writeDocumentFile(dir.filePath(name), document);
    if (!error.isEmpty())
        return { {}, error };
    prune(modelPart(document), name);
    return { dir.filePath(name), {} };
}

void BackupStore::prune(const QString &model, const QString &written) const
{
    const QDir dir(m_folder);
    QStringList names = backupNames(dir, model);
    // A clock set back names the new file as the oldest; it is still the one this read is about.
    names.removeOne(written);
    for (int i = 0; i < names.size() - (Limit - 1); ++i)
        QFile::remove(dir.filePath(names.at(i)));
}

} // namespace orvesc
