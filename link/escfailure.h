#pragma once

#include "serialport.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace orvesc {

// Why an exchange with the ESC, or a whole run, did not end as it should: a value with what the
// wording needs, never the words themselves (the session words every kind in one table).
struct EscFailure
{
    enum class Kind {
        None,
        NoPortListed,    // a search with no port to search at all
        NoPortSelected,  // the list position has no recorded port number
        NotFound,        // no accepted model code within the second
        PortUnavailable, // the serial component failed: missing, busy, not permitted, setup
        PortGone,        // the ESC's device vanished, before or during the exchange
        OutOfRange,      // a setting code that does not fit in one byte; nothing was sent
        TimedOut,        // no reply, or not all of it, in time
        BadReply,        // a settings reply not ending in 1, or a command answered by something other than its echo
        EmptyReport,     // a settings reply whose model element is 0
        Rejected,        // a command answered with something other than 1
        Cancelled,       // the run was cancelled (the window closing, Ctrl+C)
    };

    Kind kind = Kind::None;
    // The COM number and device the exchange used; 0 and empty where it never reached a port.
    int port = 0;
    QString device;
    // The component's error where it failed.
    std::optional<SerialError> serial;
    // A command's failure: the NewConfig element, the code sent and what came instead of the echo
    // or of 1 (-1: nothing came).
    int element = -1;
    int sent = -1;
    int reply = -1;
    // A search: the ports it searched, and those it could not open (not searched).
    int searched = 0;
    std::vector<SerialError> unopened;

    explicit operator bool() const { return kind != Kind::None; }
    bool is(Kind k) const { return kind == k; }

    static EscFailure of(Kind kind)
    {
        EscFailure failure;
        failure.kind = kind;
        return failure;
    }
    // A failure of the component, sorted into the port being unavailable, gone, or a code that
    // could not be sent.
    static EscFailure fromSerial(const SerialError &error)
    {
        EscFailure failure;
        switch (error.number()) {
        case serialerror::PortGone:
        case serialerror::ConnectionLost:
            failure.kind = Kind::PortGone;
            break;
        case serialerror::CommandOutOfRange:
            failure.kind = Kind::OutOfRange;
            break;
        default:
            failure.kind = Kind::PortUnavailable;
        }
        failure.serial = error;
        return failure;
    }
};

} // namespace orvesc
