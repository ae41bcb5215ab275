#pragma once

#include "settingsdocument.h"

#include <QDateTime>
#include <QString>

namespace orvesc {

// Where a backup went: the file that holds the settings, written now or an earlier one that held
// the same; or why none could be written.
struct BackupOutcome
{
    QString file;
    QString error;
};

// The automatic backups of the settings each CONNECT reads: one settings file per read, named by
// its place in the order the tool wrote them, then time and model, so that names sort from oldest
// to newest even when the clock was set back; at most Limit files per model.
class BackupStore
{
public:
    static constexpr int Limit = 200;

    // "OrvESC/backups" in the user's data folder (~/.local/share, %APPDATA%).
    static QString defaultFolder();

    // An empty folder turns backups off.
    explicit BackupStore(QString folder = {});
    QString folder() const { return m_folder; }
    bool isOn() const { return !m_folder.isEmpty(); }

    // Saves the document unless the newest backup of its model, in write order, holds the same,
    // then removes that model's oldest backups past Limit, never one this process wrote; other
    // files of the folder are never touched. `now` only names the file. Nothing while backups
    // are off.
    BackupOutcome save(const SettingsDocument &document, const QDateTime &now);

private:
    void prune(const QString &model) const;

    QString m_folder;
};

} // namespace orvesc
