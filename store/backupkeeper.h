#pragma once

#include "backups.h"

#include <QMutex>
#include <QString>

#include <array>
#include <cstdint>

namespace orvesc {

// The backup step that every session of the program shares, on any thread: the settings an ESC
// reported, saved before anything can change them. Once a save fails backups are off for the rest
// of the run, so the failure is told once and never stops CONNECT or a write.
class BackupKeeper
{
public:
    explicit BackupKeeper(const QString &folder = {});

    // A new folder turns backups on again; an empty one turns them off.
    void setFolder(const QString &folder);
    QString folder() const;

    // Saves the report of a model: the file that holds it, whether written now or the newest
    // backup found equal, so a caller names it without searching the folder (another thread may
    // have saved since). The error, the folder's problem as the store words it, comes the first
    // time only; later calls give neither. Reports that no settings document can hold (an unnamed
    // model, a code no entry stands for) are left to the caller, which names them.
    BackupOutcome keep(int escType, const std::array<std::int16_t, 12> &report);

private:
    mutable QMutex m_mutex;
    BackupStore m_store;
    bool m_off = false;
};

} // namespace orvesc
