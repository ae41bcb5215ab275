#include "backups.h"

#include "documentfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QSet>
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

const QString TimePattern = QStringLiteral("\\d{8}-\\d{6}-\\d{3}");

// Exactly the names save() gives a model's backups: the place in the write order (absent in the
// names of versions that named backups by time alone), time, model, and a number when two reads
// share a millisecond. Anything else in the folder is the user's and stays untouched.
QRegularExpression namePattern(const QString &model)
{
    return QRegularExpression(QStringLiteral("^(?:n(\\d+)_)?(") + TimePattern + QStringLiteral(")_")
                              + QRegularExpression::escape(model)
                              + QStringLiteral("(?:-(\\d+))?")
                              + QRegularExpression::escape(Suffix) + QLatin1Char('$'));
}

// The model's backups, oldest first. The write order decides, not the clock, which may have been
// set back since; names without a place in it come first, by time, then by the number of a
// second read within the same millisecond ("-2" would sort before the suffix as plain text).
QStringList backupNames(const QDir &dir, const QString &model)
{
    const QRegularExpression pattern = namePattern(model);
    struct Named
    {
        qulonglong place;
        QString time;
        int number;
        QString name;
    };
    std::vector<Named> found;
    for (const QString &name : dir.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (match.hasMatch())
            found.push_back({ match.captured(1).toULongLong(), match.captured(2),
                              match.captured(3).toInt(), name });
    }
    std::sort(found.begin(), found.end(), [](const Named &a, const Named &b) {
        return std::tie(a.place, a.time, a.number) < std::tie(b.place, b.time, b.number);
    });
    QStringList names;
    for (const Named &item : found)
        names << item.name;
    return names;
}

// The place after every backup in the folder, of any model, so that the names of all of them
// sort in the order they were written.
qulonglong nextPlace(const QDir &dir)
{
    static const QRegularExpression placed(QStringLiteral("^n(\\d+)_") + TimePattern + QLatin1Char('_'));
    qulonglong last = 0;
    for (const QString &name : dir.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = placed.match(name);
        if (match.hasMatch() && name.endsWith(Suffix))
            last = std::max(last, match.captured(1).toULongLong());
    }
    return last + 1;
}

// The backups this process wrote, by path: pruning leaves them whatever order other runs or
// their clocks gave the folder, so a run never loses a backup it has told the user about.
struct WrittenHere
{
    QMutex mutex;
    QSet<QString> paths;
};

WrittenHere &writtenHere()
{
    static WrittenHere written;
    return written;
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

BackupOutcome BackupStore::save(const SettingsDocument &document, const QDateTime &now)
{
    if (!isOn())
        return {};
    QDir dir(m_folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        //: Why backups cannot be saved, shown in parentheses after the backup folder's name.
        QString problem = QCoreApplication::translate("Store", "the folder cannot be created");
        return { {}, problem };
    }

    const QStringList sameModel = backupNames(dir, modelPart(document));
    if (!sameModel.isEmpty()) {
        QFile newest(dir.filePath(sameModel.constLast()));
        const std::string text = writeSettingsDocument(document);
        if (newest.open(QIODevice::ReadOnly)
            && newest.readAll() == QByteArray::fromStdString(text))
            return { newest.fileName(), {} };
    }

    // The place leads the name, so the folder's names sort in write order whatever the clock says.
    const QString stem = QStringLiteral("n%1_").arg(nextPlace(dir), 6, 10, QLatin1Char('0'))
        + now.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) + QLatin1Char('_')
        + modelPart(document);
    QString name = stem + Suffix;
    // Another process may have taken the same place within the same millisecond.
    for (int n = 2; dir.exists(name); ++n)
        name = stem + QStringLiteral("-%1").arg(n) + Suffix;
    const QString path = dir.filePath(name);
    QString error = writeDocumentFile(path, document);
    if (!error.isEmpty())
        return { {}, error };
    {
        WrittenHere &written = writtenHere();
        const QMutexLocker lock(&written.mutex);
        written.paths.insert(path);
    }
    prune(modelPart(document));
    return { path, {} };
}

void BackupStore::prune(const QString &model) const
{
    const QDir dir(m_folder);
    const QStringList names = backupNames(dir, model);
    WrittenHere &written = writtenHere();
    const QMutexLocker lock(&written.mutex);
    qsizetype excess = names.size() - Limit;
    for (const QString &name : names) {
        if (excess <= 0)
            break;
        const QString path = dir.filePath(name);
        if (!written.paths.contains(path)) {
            QFile::remove(path);
            --excess;
        }
    }
}

} // namespace orvesc
