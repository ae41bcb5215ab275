#pragma once

#include "backups.h"
#include "escexchanges.h"
#include "pinnedport.h"
#include "settingscompare.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace orvesc {

class BackupKeeper;
class Messenger;
class PortMap;
class SerialPort;
class Waiter;

// One ESC at a time, for the window and the command line alike: CONNECT's search and
// identification, the settings read, PROGRAM's run, the read-back and the backup of what the ESC
// reported. The identification pins the port it found, so every later run of the session talks
// to that device or, when it is gone, to none. Every protocol rule that depends on the model
// (reply length, command count) is asked of the catalogue here; front ends only show and ask.
// Messages go through the messenger exactly as the exchanges show them.
class EscSession
{
public:
    using Identification = EscExchanges::Identification;

    // The port, map, waiter and messenger must outlive the session.
    EscSession(SerialPort &port, const PortMap &map, Waiter &waiter, Messenger &messenger);

    // CONNECT step by step, for a front end that shows the search. A new search, and every
    // probe, forgets the model and the pinned port; probe() is the silent probe of one port
    // (Chk_ESC); identify()
    // the identification that ends the search (ini_COM), which on success records the model and
    // pins the port.
    void beginConnect();
    Identification probe(int number);
    Identification identify(int number);
    // CONNECT's search order: `probeAt(i)` probes position i of `count` and says whether an ESC
    // answered; the search stops at the first that did, or at a cancel. Returns the position the
    // identification goes to: the one that answered or, when none did, the last (so the user hears
    // why); -1 when there is no position at all.
    int search(std::size_t count, const std::function<bool(std::size_t)> &probeAt);
    // All of it over port numbers: the search with probe(), then identify() at the position found.
    // `probing` hears each position.
    Identification connect(const std::vector<int> &candidates,
                           const std::function<void(std::size_t)> &probing = {});

    std::int16_t model() const { return m_model; }
    // The pinned port as CONNECT found it.
    int portNumber() const { return m_pin.pinnedNumber(); }
    QString portDevice() const { return m_pin.pinnedDevice(); }
    PinnedPort &pinnedPort() { return m_pin; }
    EscExchanges &exchanges() { return m_exchanges; }
    const EscExchanges &exchanges() const { return m_exchanges; }
    Waiter &waiter() { return m_waiter; }

    // The settings read of the connected model, 11 or 12 bytes, into `escConfig`. False on any
    // failure (element 0 is then 0), told by the messenger.
    bool readSettings(std::array<std::int16_t, 12> &escConfig);

    struct ProgramResult
    {
        enum class Outcome { Done, Rejected, Failed, Cancelled };
        Outcome outcome = Outcome::Done;
        // The commands the model takes, and the NewConfig element that did not go through (-1:
        // the flush before the first command failed, or none failed).
        int count = 0;
        int failedElement = -1;
        // The ESC's answer to the failed command: what came instead of the echo or of 1.
        std::int16_t reply = 0;
        bool done() const { return outcome == Outcome::Done; }
    };
    // PROGRAM's run: the flush, then NewConfig elements 0 to 8, and 9 where the model takes it,
    // stopping at the first command not answered with 1; `accepted` hears each accepted element.
    // Ends with the one-second pause in which the ESC stores the settings. A failure of the port or
    // a time-out is Failed (told by the messenger); an answer other than 1 after the echo is
    // Rejected, told by nobody: the front end words it.
    ProgramResult program(const std::array<std::int16_t, 10> &newConfig,
                          const std::function<void(int element)> &accepted = {});

    // Reads the settings again and compares them with `expected` (NewConfig as sent, or as the
    // lists show it). Nullopt when the read failed (the messenger said so) or was cancelled;
    // `report`, when given, receives what was read.
    std::optional<std::vector<SettingDifference>>
    readBack(const std::array<std::int16_t, 10> &expected,
             std::array<std::int16_t, 12> *report = nullptr);

    // The backup step: the report of the connected model, kept before anything can change it.
    // Returns the file that holds it, or why backups stopped, once (see BackupKeeper); nothing
    // without a keeper.
    void setBackupKeeper(BackupKeeper *keeper) { m_keeper = keeper; }
    BackupOutcome backUp(const std::array<std::int16_t, 12> &report);

private:
    PinnedPort m_pin;
    Waiter &m_waiter;
    EscExchanges m_exchanges;
    BackupKeeper *m_keeper = nullptr;
    std::int16_t m_model = 0;
};

} // namespace orvesc
