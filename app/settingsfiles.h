#pragma once

#include "backups.h"
#include "escrecords.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <cstdint>
#include <string>

namespace orvesc {

class Messenger;
class SettingsDialogs;
class SettingsView;

// The Settings menu's file actions on the window's lists: open a settings file or a backup and
// apply it once the user has confirmed the changes, and save what the lists show. Nothing here
// sends a byte to the ESC.
class SettingsFiles
{
    Q_DECLARE_TR_FUNCTIONS(SettingsFiles)

public:
    SettingsFiles(SettingsView &view, Messenger &messenger, SettingsDialogs &dialogs);

    void setDialogs(SettingsDialogs &dialogs) { m_dialogs = &dialogs; }
    BackupStore &backups() { return m_backups; }
    void setBackupFolder(const QString &folder);

    // The menu's actions for the connected model; the window calls them only while the lists
    // show that model's settings.
    void open(int escType);
    void save(int escType);
    void restoreBackup(int escType);
    // Opens one file as Open Settings... does after its dialog.
    void openFile(const QString &path, int escType);
    // A file named on the command line waits for the first CONNECT that reads an ESC's settings,
    // because it applies to the lists of the model that is connected.
    void setPendingFile(const QString &path) { m_pendingFile = path; }
    const QString &pendingFile() const { return m_pendingFile; }
    // Opens the pending file as Open Settings... does, once; nothing when there is none.
    void openPendingFile(int escType);

private:
    static std::string cannotUse(const QString &path, const QString &reason);
    QString lastFolder() const;
    void rememberFolder(const QString &path) const;

    SettingsView &m_view;
    Messenger &m_messenger;
    SettingsDialogs *m_dialogs;
    BackupStore m_backups;
    QString m_pendingFile;
};

} // namespace orvesc
