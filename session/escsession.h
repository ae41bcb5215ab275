#pragma once

#include "backups.h"
#include "escexchanges.h"
#include "escfailure.h"
#include "settingscompare.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace orvesc {

class BackupKeeper;
class PinnedPort;
class PortMap;
class SerialPort;
class Waiter;

// One ESC at a time, for the window and the command line alike. Each call runs a whole
// operation (CONNECT, the read, PROGRAM or DEFAULT with its read-back, Compare) and returns its
// outcome as a value; failures are EscFailure values, worded by failureText(). CONNECT pins the
// port it found, so every later operation talks to that device or, once it is gone, to none,
// until the next CONNECT. Every rule that depends on the model (reply length, command count) is
// asked of the catalogue here; front ends only show and ask.
class EscSession
{
public:
    // `holdOpen`: the port stays open between exchanges (a station that polls one port all day);
    // otherwise every exchange opens and closes it, as the window does. The port, map and waiter
    // must outlive the session.
    EscSession(SerialPort &port, const PortMap &map, Waiter &waiter, bool holdOpen = false);
    ~EscSession();

    // Where CONNECT keeps what the ESC reported before anything can change it; none by default.
    void setBackupKeeper(BackupKeeper *keeper) { m_keeper = keeper; }

    struct Connection
    {
        std::int16_t model = 0;
        // What the ESC reported (element 0 is 0 unless the read succeeded).
        std::array<std::int16_t, 12> report{};
        // The backup of the report, when asked for and a keeper is set.
        BackupOutcome backup;
        // The candidate position the identification went to: where an ESC answered or, when
        // none did, the last probed; -1 when there was none.
        int position = -1;
        EscFailure failure;
        bool identified() const { return model > 0; }
        bool ok() const { return !failure; }
    };
    struct ConnectOptions
    {
        // Read the settings once identified (identifying alone is the command line's identify).
        bool read = true;
        // Keep a backup of the report once it is read.
        bool backUp = false;
        // The search was made already (a station's probe just answered on the one candidate):
        // go straight to the identification.
        bool searched = false;
        // Each position as it is probed (the window selects the list entry).
        std::function<void(std::size_t position)> probing;
        // Ports that could not be opened, so were never searched: a search that finds nothing
        // names them.
        std::vector<SerialError> unopened;
    };
    // CONNECT: the silent probes in the candidates' order, stopping at the first that answers;
    // the identification on the port found (or, when none answered, on the last, so the user
    // hears why); the settings read; the backup when asked. A candidate of 0 is a list position
    // with no port number.
    Connection connect(const std::vector<int> &candidates, const ConnectOptions &options);

    // One silent probe, as the search makes it: true when an ESC answers. Forgets the connection.
    bool probe(int number);

    struct Report
    {
        std::array<std::int16_t, 12> codes{};
        EscFailure failure;
    };
    // The settings read alone, of the connected model.
    Report read();

    // The backup of a report of the connected model, for a front end that decides only after
    // CONNECT whether it will write (the command line backs up just before a write).
    BackupOutcome backUp(const std::array<std::int16_t, 12> &report);

    struct Programming
    {
        // The commands the model takes.
        int count = 0;
        // Every command accepted and the pause in which the ESC stores them over.
        bool programmed = false;
        // With the read-back: what the ESC reports now, and how it differs from what was sent.
        std::array<std::int16_t, 12> readBack{};
        std::vector<SettingDifference> differences;
        // A command's failure names its element, code and reply; after `programmed` the failure
        // is the read-back's.
        EscFailure failure;
        bool ok() const { return programmed && !failure; }
    };
    struct ProgramOptions
    {
        // Read the settings back and compare them with what was sent.
        bool readBack = false;
        // Each command the ESC accepted, by its NewConfig element (the window ticks its box).
        std::function<void(int element)> accepted;
        // The pause is over and the settings are stored, before the read-back.
        std::function<void()> stored;
    };
    // PROGRAM and DEFAULT: the flush, NewConfig elements 0 to 8 (and 9 where the model takes it),
    // stopping at the first not answered with 1; then the one-second pause in which the ESC
    // stores the settings; then, when asked, the read-back.
    Programming program(const std::array<std::int16_t, 10> &newConfig, const ProgramOptions &options);

    struct Comparison
    {
        std::array<std::int16_t, 12> report{};
        std::vector<SettingDifference> differences;
        EscFailure failure;
    };
    // Compare: reads the settings and names each that differs from `expected` (NewConfig as the
    // lists or a file would send it).
    Comparison compare(const std::array<std::int16_t, 10> &expected);

    // The port watcher saw ports come or go: a pinned device that has vanished stays gone, even
    // if a device of that name comes back (it may be another adapter).
    void portsChanged();
    // What COMn is now: the link that gives it the number, else the device the system lists as
    // it; empty when nothing has the number. A run bound to one port probes only while this stays
    // what it was, so a number that passed to another device is never sent a byte.
    QString portIdentity(int number) const;
    // Closes a port held open for real (a no-op otherwise).
    void releasePort();
    // Whether the device COMn names is there now, found without opening it.
    bool portPresent(int number) const;

    std::int16_t model() const { return m_model; }
    // The connected port as CONNECT found it.
    int portNumber() const;
    QString portDevice() const;

private:
    EscFailure located(EscFailure failure) const;
    EscFailure readInto(std::array<std::int16_t, 12> &codes);

    const PortMap &m_map;
    std::unique_ptr<SerialPort> m_held;
    std::unique_ptr<PinnedPort> m_pin;
    Waiter &m_waiter;
    std::unique_ptr<EscExchanges> m_exchanges;
    BackupKeeper *m_keeper = nullptr;
    std::int16_t m_model = 0;
};

} // namespace orvesc
