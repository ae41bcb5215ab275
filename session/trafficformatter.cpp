#include "trafficformatter.h"

#include "serialerrortext.h"

#include "commandcodes.h"
#include "escprotocol.h"
#include "escexchanges.h"
#include "modeltable.h"
#include "optionlists.h"

#include <map>
#include <string>

namespace orvesc {

namespace {

constexpr std::uint8_t Accepted = 1;
// The settings reply ends in this byte, which no setting code uses.
constexpr std::uint8_t SettingsEnd = 1;

// Every setting code names one choice whatever the model, so one table serves all models. The
// model code picks the caption and code range where the models differ.
// The settings reply holds both cutoffs, so their caption says which family each one is.
struct ListSource
{
    SettingList which;
    std::string_view options;
    int escType;
    bool nickel;
    const char *family = "";
};

constexpr ListSource Sources[] = {
    {SettingList::Brake, optionlist::Brake, 0, false},
    {SettingList::Batt, optionlist::Battery8S, 0, false},
    {SettingList::LVC, optionlist::NickelCutoff, 0, true, " (Ni)"},
    {SettingList::LVC, optionlist::LithiumCutoffLong, 177, false, " (Li)"},
    {SettingList::LVCAction, optionlist::CutoffAction, 0, false},
    {SettingList::SoftStart, optionlist::SoftStart, 0, false},
    {SettingList::Timing, optionlist::Timing, 0, false},
    {SettingList::Frequency, optionlist::Frequency, 0, false},
    {SettingList::Frequency, optionlist::WarnVoltage, 179, false},
    {SettingList::Reverse, optionlist::Reverse, 0, false},
    {SettingList::RPM, optionlist::RpmLong, 0, false},
    {SettingList::ACCN, optionlist::AccelerationDelay, 182, false},
};

const std::map<int, QString> &settingCodes()
{
    static const std::map<int, QString> codes = [] {
        std::map<int, QString> table;
        for (const ListSource &source : Sources) {
            const std::vector<std::string> entries = splitOptionList(source.options);
            const QString caption = QString::fromStdString(settingCaption(source.which, source.escType))
                    + QLatin1String(source.family);
            for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
                const std::optional<int> code = commandCode(source.which, source.escType, source.nickel, i);
                if (!code)
                    continue;
                // The star marks the factory choice in the lists; a meaning needs no marker.
                QString entry = QString::fromStdString(entries[static_cast<std::size_t>(i)]);
                if (entry.endsWith(QLatin1Char('*')))
                    entry.chop(1);
                table.emplace(*code, caption + QStringLiteral(": ") + entry);
            }
        }
        return table;
    }();
    return codes;
}

QString hex(std::uint8_t byte)
{
    return QStringLiteral("0x") + QString::number(byte, 16).rightJustified(2, QLatin1Char('0')).toUpper();
}

QString stampOf(TrafficEvent::Clock::time_point origin, TrafficEvent::Clock::time_point time)
{
    const double seconds = std::chrono::duration<double>(time - origin).count();
    return QStringLiteral("%1  ").arg(seconds, 10, 'f', 4);
}

QString orUnknown(const QString &meaning, const char *unknown)
{
    return meaning.isEmpty() ? QLatin1String(unknown) : meaning;
}

} // namespace

TrafficFormatter::TrafficFormatter(TrafficEvent::Clock::time_point origin)
    : m_origin(origin)
{
}

QString TrafficFormatter::settingMeaning(std::uint8_t code)
{
    const auto &codes = settingCodes();
    const auto it = codes.find(code);
    return it == codes.end() ? QString() : it->second;
}

QString TrafficFormatter::written(std::uint8_t byte)
{
    switch (byte) {
    case EscExchanges::IdentifyRequest:
        m_awaiting = Awaiting::ModelCode;
        // CONNECT's search identifies each port, then identifies the port found once more.
        return m_identifiedPort == m_port ? QStringLiteral("identify request (again, on the port found)")
                                          : QStringLiteral("identify request");
    case EscExchanges::SettingsRequest:
        m_awaiting = Awaiting::Settings;
        return QStringLiteral("settings request");
    default:
        m_awaiting = Awaiting::Echo;
        m_command = byte;
        return orUnknown(settingMeaning(byte), "not a setting code");
    }
}

QString TrafficFormatter::read(std::uint8_t byte)
{
    switch (m_awaiting) {
    case Awaiting::ModelCode: {
        m_awaiting = Awaiting::Nothing;
        m_identifiedPort = isAcceptedModelCode(byte) ? m_port : 0;
        if (!isAcceptedModelCode(byte))
            return QStringLiteral("not a model code");
        if (const EscModel *model = findEscModel(byte))
            return QStringLiteral("model %1: %2").arg(byte).arg(QLatin1String(model->name));
        return QStringLiteral("model %1 (not in the model table)").arg(byte);
    }
    case Awaiting::Settings:
        if (byte == SettingsEnd) {
            m_awaiting = Awaiting::Nothing;
            return QStringLiteral("end of the settings");
        }
        return orUnknown(settingMeaning(byte), "not a setting code");
    case Awaiting::Echo:
        if (byte == m_command) {
            m_awaiting = Awaiting::Answer;
            return QStringLiteral("echo");
        }
        [[fallthrough]];
    case Awaiting::Answer:
        m_awaiting = Awaiting::Nothing;
        return byte == Accepted ? QStringLiteral("accepted") : QStringLiteral("not accepted");
    case Awaiting::Nothing:
        break;
    }
    return QStringLiteral("unasked");
}

QStringList TrafficFormatter::format(const TrafficEvent &event)
{
    const QString stamp = stampOf(m_origin, event.time);
    const QString port = QStringLiteral("COM%1").arg(event.port);
    m_port = event.port;
    QStringList lines;
    switch (event.kind) {
    case TrafficEvent::Kind::Open:
        m_awaiting = Awaiting::Nothing;
        lines << stamp + QStringLiteral("open ") + port;
        break;
    case TrafficEvent::Kind::Close:
        lines << stamp + QStringLiteral("close ") + port;
        break;
    case TrafficEvent::Kind::Written:
        for (const char c : event.bytes) {
            const auto byte = static_cast<std::uint8_t>(c);
            lines << stamp + QStringLiteral("-> ") + hex(byte) + QLatin1Char(' ') + written(byte);
        }
        break;
    case TrafficEvent::Kind::Read:
        for (const char c : event.bytes) {
            const auto byte = static_cast<std::uint8_t>(c);
            lines << stamp + QStringLiteral("<- ") + hex(byte) + QLatin1Char(' ') + read(byte);
        }
        break;
    case TrafficEvent::Kind::Failure:
        lines << stamp
                        + QStringLiteral("failure on %1 (%2): %3")
                                  .arg(port, QString::number(event.error->number()), serialErrorText(*event.error));
        break;
    }
    return lines;
}

QStringList TrafficFormatter::formatAll(const std::vector<TrafficEvent> &events,
                                        TrafficEvent::Clock::time_point origin)
{
    // A port scan tries every number: the numbers no device has would fill a screen per scan, so
    // a run of them shows as its first line and one line naming the rest.
    const auto missing = [](const TrafficEvent &event) {
        return event.kind == TrafficEvent::Kind::Failure && event.error->number() == serialerror::NoSuchPort;
    };
    TrafficFormatter formatter(origin);
    QStringList lines;
    for (std::size_t i = 0; i < events.size(); ++i) {
        lines << formatter.format(events[i]);
        std::size_t last = i;
        while (missing(events[i]) && last + 1 < events.size() && missing(events[last + 1])
               && events[last + 1].port == events[last].port + 1)
            ++last;
        if (last < i + 2)
            continue;
        lines << stampOf(origin, events[last].time)
                        + QStringLiteral("failure on COM%1 to COM%2 (%3): no device has these numbers either.")
                                  .arg(events[i + 1].port)
                                  .arg(events[last].port)
                                  .arg(serialerror::NoSuchPort);
        i = last;
    }
    return lines;
}

} // namespace orvesc
