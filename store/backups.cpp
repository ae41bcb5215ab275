#include "backups.h"

#include "documentfile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace orvesc {

namespace {

const QString Suffix = QString::fromLatin1(SettingsFileSuffix);

// "QUORL R8 W 6S " becomes "QUORL-R8-W-6S": no spaces at an end or inside a file name.
QString modelPart(const SettingsDocument &document)
{
    return QString::fromStdString(document.modelName).trimmed().replace(QLatin1Char(' '),
                                                                         QLatin1Char('-'));
}

QStringList backupNames(const QDir &dir, const QString &pattern)
{
    return dir.entryList({ pattern }, QDir::Files, QDir::Name);
}

} // namespace

QString BackupStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/backups");
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

QString BackupStore::save(const SettingsDocument &document, const QDateTime &now)
{
    if (!isOn())
        return {};
    QDir dir(m_folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return QStringLiteral("the folder cannot be created");

    const QStringList sameModel =
        backupNames(dir, QStringLiteral("*_") + modelPart(document) + Suffix);
    if (!sameModel.isEmpty()) {
        QFile newest(dir.filePath(sameModel.constLast()));
        const std::string text = writeSettingsDocument(document);
        if (newest.open(QIODevice::ReadOnly)
            && newest.readAll() == QByteArray::fromStdString(text))
            return {};
    }

    QString path = dir.filePath(fileName(document, now));
    // Two reads within one millisecond still get a file each.
    for (int n = 2; QFile::exists(path); ++n)
        path = dir.filePath(fileName(document, now).replace(Suffix, QStringLiteral("-%1").arg(n) + Suffix));
    QString error = writeDocumentFile(path, document);
    if (!error.isEmpty())
        return error;
    prune();
    return {};
}

void BackupStore::prune() const
{
    const QDir dir(m_folder);
    const QStringList names = backupNames(dir, QStringLiteral("*") + Suffix);
    for (int i = 0; i < names.size() - Limit; ++i)
        QFile::remove(dir.filePath(names.at(i)));
}

} // namespace orvesc
