// Drives the catalogue's procedures as the main window does, with the model code, the reported
// settings and the user's choices taken from the fuzz input, and checks after every step that
// nothing could make PROGRAM send a code that the lists do not show.
//
// Input: a Connect (model code byte, twelve settings bytes), then operations until the input
// ends, each an opcode byte and its operands:
//   0 Connect        code, 12 settings bytes
//   1 user choice    list, index
//   2 user typing    list, choice (an entry's text, or a text no entry has)
//   3 PROGRAM        (get_Config)
//   4 DEFAULT        (show_Type, show_Config, get_Config)

#include "fuzzcheck.h"
#include "memorysettingsview.h"
#include "settingsform.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

using namespace orvesc;
using orvesc::fuzz::ByteReader;

namespace {

using CodeTable = std::map<std::string, int>;

// What each entry text stands for on the wire, written out from the ESC's code table rather than
// computed, so the catalogue's own code arithmetic is checked, not repeated.
const std::array<CodeTable, SettingListCount> &entryCodes()
{
    static const std::array<CodeTable, SettingListCount> tables{ {
        { { "OFF*", 160 }, { "ON", 161 }, { "SOFT", 162 } },
        // The single empty entry of models without a battery list stands where "Ni" stands.
        { { "Ni", 32 }, { "", 32 }, { "2S Li", 37 }, { "3S Li", 38 }, { "3S Li*", 38 },
          { "4S Li", 39 }, { "5S Li", 40 }, { "6S Li", 41 }, { "7S Li", 42 }, { "8S Li", 43 },
          { "8S Li*", 43 }, { "9S Li", 44 }, { "10S Li", 45 }, { "11S Li", 46 },
          { "12S Li", 47 } },
        { { "0.6 V*", 48 }, { "0.7 V", 49 }, { "0.8 V", 50 }, { "0.9 V", 51 }, { "2.0 V", 131 },
          { "2.1 V", 132 }, { "2.2 V", 133 }, { "2.3 V", 134 }, { "2.4 V", 135 },
          { "2.5 V", 136 }, { "2.6 V", 137 }, { "2.7 V", 52 }, { "2.8 V", 53 }, { "2.9 V", 54 },
          { "3.0 V", 55 }, { "3.1 V*", 56 }, { "3.2 V", 57 } },
        { { "STOP MOTOR", 64 }, { "REDUCE POWER*", 65 }, { "NO CUT", 66 } },
        { { "OFF", 80 }, { "ON*", 81 } },
        { { "SOFT", 96 }, { "HARD", 97 }, { "AUTO*", 98 }, { "8 deg", 99 }, { "15 deg", 100 },
          { "22 deg", 101 } },
        { { "8 kHz*", 112 }, { "16 kHz", 113 }, { "AC +0.2*", 116 }, { "AC +0.3", 117 } },
        { { "OFF*", 128 }, { "ON", 129 } },
        { { "OFF*", 144 }, { "ON RANGE 1", 145 }, { "ON RANGE 2", 146 }, { "ON RANGE 3", 147 },
          { "GASMODE", 148 } },
        { { "LEVEL1", 192 }, { "LEVEL2", 193 }, { "LEVEL3", 194 }, { "LEVEL4*", 195 },
          { "LEVEL5", 196 }, { "LEVEL6", 197 }, { "LEVEL7", 198 }, { "LEVEL8", 199 },
          { "LEVEL9", 200 }, { "LEVEL10", 201 } },
    } };
    return tables;
}

std::optional<int> codeOfEntry(SettingList which, const std::string &text)
{
    const CodeTable &table = entryCodes()[static_cast<std::size_t>(which)];
    const auto found = table.find(text);
    if (found == table.end())
        return std::nullopt;
    return found->second;
}

const char *listName(SettingList which)
{
    static const char *const names[SettingListCount] = {
        "cmbBrake",  "cmbBatt",      "cmbLVC",     "cmbLVCAction", "cmbSoftStart",
        "cmbTiming", "cmbFrequency", "cmbReverse", "cmbRPM",       "cmbACCN"
    };
    return names[static_cast<int>(which)];
}

// The model codes identification accepts, and the sixteen named ones.
bool accepted(int code) { return (code >= 37 && code <= 47) || (code >= 177 && code <= 227); }
bool named(int code)
{
    static constexpr std::array<int, 16> codes{ 38,  40,  41,  45,  47,  177, 178, 179,
                                                180, 181, 182, 183, 184, 225, 226, 227 };
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// Whether the ESC has a command for a list on this model at all.
bool hasCode(SettingList which, int escType, bool nickel)
{
    if (which == SettingList::LVC)
        return nickel || escType < 48 || escType > 176;
    if (which == SettingList::ACCN)
        return escType >= 182 && escType <= 184;
    return true;
}

constexpr std::int16_t Untouched = -1000;

// The main window's state as far as the catalogue sees it, plus which of its controls are enabled.
class Session
{
public:
    Session()
    {
        m_form.connectHandlers();
        m_form.ini_Lists();
    }

    void run(ByteReader &input)
    {
        connect(input);
        while (!input.atEnd()) {
            switch (input.next() % 5) {
            case 0: connect(input); break;
            case 1: userChoice(input); break;
            case 2: userTyping(input); break;
            case 3: program(); break;
            default: restoreDefaults(); break;
            }
            checkInterlocks();
        }
        program();
    }

private:
    ChoiceList &list(SettingList which) { return m_view.list(which); }
    int index(SettingList which) { return list(which).selectedIndex(); }
    bool nickel() { return index(SettingList::Batt) == 0; }
    std::size_t messageCount() { return m_view.recorder().texts().size(); }

    void connect(ByteReader &input)
    {
        const int code = input.next();
        std::array<std::int16_t, 12> reply{};
        for (auto &byte : reply)
            byte = input.next();

        m_programEnabled = false;
        m_records.EscType = 0;
        // An answer outside the accepted codes is no identification: the lists stay as they are.
        if (!accepted(code))
            return;
        m_records.EscType = static_cast<std::int16_t>(code);
        m_view.setModelName({});
        m_form.list_Batt();
        m_form.list_LVC();
        m_form.list_Freq();
        m_form.list_RPM();
        m_form.list_Timing();
        m_form.list_ACCN();

        // A reply the read accepts ends in 1; the 11-byte read leaves element 11 alone.
        const std::size_t length = code >= 182 && code <= 224 ? 12 : 11;
        reply[length - 1] = 1;
        std::copy_n(reply.begin(), length, m_records.EscConfig.begin());

        m_listsEnabled = m_records.EscConfig[0] > 0;
        if (m_listsEnabled) {
            const std::size_t before = messageCount();
            m_form.show_Config();
            checkShown(before);
            m_programEnabled = true;
        }
        m_form.show_Type();
    }

    // Every list with a selection shows the code the ESC reported, unless a setting rule had to
    // overrule it; a list left without one was reported to the user.
    void checkShown(std::size_t messagesBefore)
    {
        const auto &config = m_records.EscConfig;
        const bool rpmOn = index(SettingList::RPM) > 0;
        bool anyUnshown = false;
        for (int i = 0; i < SettingListCount; ++i) {
            const auto which = static_cast<SettingList>(i);
            if (!hasCode(which, m_records.EscType, nickel()))
                continue;
            if (rpmOn
                && (which == SettingList::Brake || which == SettingList::SoftStart
                    || which == SettingList::LVCAction))
                continue;
            std::size_t element = static_cast<std::size_t>(i);
            if (which == SettingList::LVC)
                element = nickel() ? 2 : 3;
            else if (i > 2)
                element = static_cast<std::size_t>(i) + 1;
            const int selected = index(which);
            if (selected < 0) {
                anyUnshown = true;
                continue;
            }
            const std::string text = list(which).entry(selected);
            const std::optional<int> shown = codeOfEntry(which, text);
            FUZZ_CHECK(shown && *shown == config[element],
                       "model %d: %s shows \"%s\" for reported code %d", m_records.EscType,
                       listName(which), text.c_str(), config[element]);
        }
        if (anyUnshown)
            FUZZ_CHECK(messageCount() > messagesBefore,
                       "model %d: a reported setting was left unshown without a word",
                       m_records.EscType);
    }

    void userChoice(ByteReader &input)
    {
        const auto which = static_cast<SettingList>(input.next() % SettingListCount);
        const int choice = input.next();
        if (!m_listsEnabled || list(which).count() == 0)
            return;
        list(which).select(choice % list(which).count());
    }

    void userTyping(ByteReader &input)
    {
        const auto which = static_cast<SettingList>(input.next() % SettingListCount);
        const int choice = input.next();
        if (!m_listsEnabled)
            return;
        MemoryChoiceList &target = m_view.memoryList(which);
        std::string text = target.entry((choice >> 1) % (target.count() + 1));
        if (choice & 1)
            text += '?';
        target.typeText(text);
    }

    // get_Config under the eyes of PROGRAM: what it would send stands for what the lists show,
    // and a list without a selection sends nothing and is named.
    CollectResult program()
    {
        if (!m_programEnabled)
            return {};
        m_records.NewConfig.fill(Untouched);
        CollectResult result = m_form.get_Config();
        const int escType = m_records.EscType;
        for (int i = 0; i < SettingListCount; ++i) {
            const auto which = static_cast<SettingList>(i);
            const std::int16_t sent = m_records.NewConfig[static_cast<std::size_t>(i)];
            const bool reported =
                std::find(result.unselected.begin(), result.unselected.end(), which)
                != result.unselected.end();
            const int selected = index(which);
            if (!hasCode(which, escType, nickel())) {
                FUZZ_CHECK(sent == Untouched && !reported, "model %d: %s has no command, got %d",
                           escType, listName(which), sent);
            } else if (selected < 0) {
                FUZZ_CHECK(sent == Untouched && reported,
                           "model %d: %s has no selection, got %d (reported: %d)", escType,
                           listName(which), sent, reported);
            } else {
                const std::string text = list(which).entry(selected);
                const std::optional<int> expected = codeOfEntry(which, text);
                FUZZ_CHECK(!reported && expected && sent == *expected,
                           "model %d: %s shows \"%s\" but would send %d", escType,
                           listName(which), text.c_str(), sent);
            }
        }
        return result;
    }

    // DEFAULT shows the factory codes that show_Type wrote and PROGRAM sends them unchanged.
    void restoreDefaults()
    {
        if (!m_programEnabled)
            return;
        const std::size_t before = messageCount();
        m_form.show_Type();
        m_form.show_Config();
        const CollectResult result = program();
        if (!named(m_records.EscType))
            return;
        FUZZ_CHECK(messageCount() == before && result.complete(),
                   "model %d: its factory settings do not show cleanly", m_records.EscType);
        const auto &factory = m_records.EscConfig;
        const auto &sent = m_records.NewConfig;
        const bool accelerationDelay = hasCode(SettingList::ACCN, m_records.EscType, false);
        for (std::size_t i = 0; i < sent.size(); ++i) {
            if (i == 9 && !accelerationDelay)
                continue;
            // NewConfig has one cutoff element; the factory battery is lithium.
            const std::size_t element = i < 2 ? i : i + 1;
            FUZZ_CHECK(sent[i] == factory[element], "model %d: DEFAULT sends %d for factory %d",
                       m_records.EscType, sent[i], factory[element]);
        }
    }

    void checkInterlocks()
    {
        if (index(SettingList::RPM) <= 0)
            return;
        // A list left without a selection is never sent, so only a selected brake or soft start
        // could contradict RPM control.
        FUZZ_CHECK(index(SettingList::Brake) <= 0 && index(SettingList::SoftStart) != 0,
                   "RPM control \"%s\" with brake \"%s\" and soft start \"%s\"",
                   list(SettingList::RPM).entry(index(SettingList::RPM)).c_str(),
                   list(SettingList::Brake).entry(index(SettingList::Brake)).c_str(),
                   list(SettingList::SoftStart).entry(index(SettingList::SoftStart)).c_str());
    }

    MemorySettingsView m_view;
    EscRecords m_records;
    SettingsForm m_form{ m_view, m_records };
    bool m_listsEnabled = false;
    bool m_programEnabled = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ByteReader input(data, size);
    Session session;
    session.run(input);
    return 0;
}
