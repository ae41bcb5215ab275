#include "runrecord.h"

#include "settingkeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <cstdlib>

namespace orvesc {

namespace {

const char *const Columns[] = {"time", "port", "model_code", "model_name", "result", "reason", "backup"};

// RFC 4180: a field with a comma, a quote or a line break is quoted, its quotes doubled.
QString field(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    for (QChar c : text) {
        if (special.contains(c))
            return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    }
    return text;
}

QStringList keyNames()
{
    QStringList names;
    for (int key = int(SettingKey::Brake); key <= int(SettingKey::AccelerationDelay); ++key)
        names << QString::fromLatin1(settingKeyName(SettingKey(key)));
    return names;
}


} // namespace

std::vector<std::pair<QString, QString>> writtenSettings(int escType, const std::vector<PlannedCommand> &commands)
{
    std::vector<std::pair<QString, QString>> settings;
    for (std::size_t i = 0; i < commands.size() && i < std::size_t(SettingListCount); ++i) {
        if (const auto key = keyOfList(SettingList(i), escType))
            settings.emplace_back(QString::fromLatin1(settingKeyName(*key)), QString::fromStdString(commands[i].entry));
    }
    return settings;
}

QString RunRecord::defaultFile(const QString &backupFolder)
{
    if (backupFolder.isEmpty())
        return QString();
    return QDir(backupFolder).filePath(QStringLiteral("station-record.csv"));
}

QString RunRecord::header()
{
    QStringList names;
    for (const char *column : Columns)
        names << QString::fromLatin1(column);
    return (names + keyNames()).join(QLatin1Char(','));
}

QString RunRecord::line(const RecordLine &line)
{
    // The offset keeps a line's time unambiguous across a change to or from summer time; Qt
    // writes "Z" for an offset of 0, which some spreadsheets do not read.
    const int offset = line.time.offsetFromUtc();
    const QString time = line.time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
            + QStringLiteral("%1%2:%3")
                      .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                      .arg(std::abs(offset) / 3600, 2, 10, QLatin1Char('0'))
                      .arg(std::abs(offset) % 3600 / 60, 2, 10, QLatin1Char('0'));
    QStringList fields{time, line.port, QString::number(line.modelCode), line.modelName,
                       line.pass ? QStringLiteral("PASS") : QStringLiteral("FAIL"), line.reason,
                       QDir::toNativeSeparators(line.backup)};
    for (const QString &key : keyNames()) {
        QString entry;
        for (const auto &[name, text] : line.settings) {
            if (name == key)
                entry = text;
        }
        fields << entry;
    }
    for (QString &text : fields)
        text = field(text);
    return fields.join(QLatin1Char(','));
}

RunRecord::RunRecord(QString file)
    : m_file(std::move(file))
{
}

QString RunRecord::start()
{
    if (m_file.isEmpty())
        return tr("No record file is named: name one.");
    if (QFileInfo(m_file).isDir())
        return tr("The record file %1 is a folder: name a file.").arg(QDir::toNativeSeparators(m_file));
    if (!QFileInfo::exists(m_file)) {
        QDir().mkpath(QFileInfo(m_file).absolutePath());
        return write({});
    }
    QFile record(m_file);
    if (!record.open(QIODevice::ReadOnly))
        return tr("The record file %1 cannot be read: %2.").arg(QDir::toNativeSeparators(m_file), record.errorString());
    if (record.readLine().trimmed() != header().toUtf8()) {
        return tr("%1 is not a record of OrvESC's runs (its first line differs): name another file.")
                .arg(QDir::toNativeSeparators(m_file));
    }
    // A file that will not take a line now would stop the run only after the first ESC.
    return write({});
}

QString RunRecord::append(const RecordLine &line)
{
    return write((RunRecord::line(line) + QStringLiteral("\r\n")).toUtf8());
}

// Every addition rewrites the whole file through QSaveFile: the new file replaces the old only
// once it is complete on disk, so a crash, a pulled cable or a full disk leaves the file as it
// was, every earlier line whole. Appending in place could leave a torn last line to repair; a
// record grows by one short line an ESC, so the rewrite costs little beside programming.
QString RunRecord::write(const QByteArray &tail)
{
    QByteArray content;
    QFile old(m_file);
    if (old.exists()) {
        if (!old.open(QIODevice::ReadOnly))
            return tr("The record file %1 cannot be read: %2.").arg(QDir::toNativeSeparators(m_file), old.errorString());
        content = old.readAll();
    } else {
        content = (header() + QStringLiteral("\r\n")).toUtf8();
    }
    QSaveFile saved(m_file);
    if (!saved.open(QIODevice::WriteOnly) || saved.write(content + tail) != content.size() + tail.size()
        || !saved.commit()) {
        return tr("The record file %1 cannot be written: %2.").arg(QDir::toNativeSeparators(m_file), saved.errorString());
    }
    return QString();
}

} // namespace orvesc
