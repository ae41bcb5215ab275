#pragma once

#include "settingsplan.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <utility>
#include <vector>

namespace orvesc {

// One ESC of a station's run, as its record line holds it.
struct RecordLine
{
    QDateTime time = QDateTime::currentDateTime();
    QString port;
    int modelCode = 0;
    QString modelName;
    bool pass = false;
    QString reason;  // why it failed; empty for a pass
    QString backup;  // the file that keeps what the ESC held before, or empty
    // The settings written, by file key ("brake", "OFF*"); empty when nothing was sent.
    std::vector<std::pair<QString, QString>> settings;
};

// The settings a list of commands writes, by the model's file keys.
std::vector<std::pair<QString, QString>> writtenSettings(int escType, const std::vector<PlannedCommand> &commands);

// The record of a station's runs: a CSV file, one line per ESC, that spreadsheets open. Lines are
// only ever added; the file is never left with half a line.
class RunRecord
{
    Q_DECLARE_TR_FUNCTIONS(RunRecord)

public:
    // "station-record.csv" in the backups' folder.
    static QString defaultFile(const QString &backupFolder);
    // The header line, without its line end.
    static QString header();
    // One line, without its line end.
    static QString line(const RecordLine &line);

    explicit RunRecord(QString file);
    QString file() const { return m_file; }

    // Makes sure lines can be added before the first ESC: creates the file with its header, or
    // checks that an existing one is a record. The problem in words, or empty.
    QString start();
    // Adds one line; the problem in words (the file keeps every earlier line), or empty.
    QString append(const RecordLine &line);

private:
    QString write(const QByteArray &tail);

    QString m_file;
};

} // namespace orvesc
