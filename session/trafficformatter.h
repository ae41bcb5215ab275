#pragma once

#include "trafficrecorder.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace orvesc {

// Turns recorded serial events into lines a maintainer can read without the tool: one line per
// byte with its meaning where the catalogue knows it, e.g. "-> 0x91 RPM CONTROL: ON RANGE 1" or
// "<- 0x01 accepted". It follows the exchanges, so a byte read is taken as the answer to the
// request written before it; feed it the events in the order they happened.
class TrafficFormatter
{
public:
    // Time stamps are printed in seconds since origin.
    explicit TrafficFormatter(TrafficEvent::Clock::time_point origin);

    // The lines of one event (several for several bytes), each headed by its time stamp.
    QStringList format(const TrafficEvent &event);

    // All events, oldest first. A run of three or more numbers that no device has (a port scan)
    // shows as the first failure and one line naming the rest.
    static QStringList formatAll(const std::vector<TrafficEvent> &events,
                                 TrafficEvent::Clock::time_point origin);

    // What a command code or a byte of the settings reply sets ("BRAKE: SOFT"), or an empty text
    // for a byte that names no setting.
    static QString settingMeaning(std::uint8_t code);

private:
    enum class Awaiting { Nothing, ModelCode, Settings, Echo, Answer };

    QString written(std::uint8_t byte);
    QString read(std::uint8_t byte);

    TrafficEvent::Clock::time_point m_origin;
    Awaiting m_awaiting = Awaiting::Nothing;
    std::uint8_t m_command = 0;
    int m_port = 0;
    // The port whose last identify request a model code answered.
    int m_identifiedPort = 0;
};

} // namespace orvesc
