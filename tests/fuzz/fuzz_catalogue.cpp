// Drives the catalogue as the main window does, with the model, the reported settings and the user's choices
// from the fuzz input; no step may let PROGRAM send a code that the lists do not show.
// Input: a Connect, then opcodes until the input ends: 0 Connect (code, 12 settings bytes),
// 1 user choice (list, index), 2 user typing (list, choice), 3 PROGRAM, 4 DEFAULT.

#include "entrycodes.h"
#include "escprotocol.h"
#include "fuzzcheck.h"
#include "memorysettingsview.h"
#include "modeltable.h"
#include "settingsform.h"

#include <algorithm>
#include <array>
#include <cstdint>

using namespace orvesc;
using orvesc::fuzz::acceptedModel;
using orvesc::fuzz::ByteReader;
using orvesc::test::entryCode;

namespace {

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
            case 1: userChoice(input, false); break;
            case 2: userChoice(input, true); break;
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
    std::string shown(SettingList which) { return list(which).entry(index(which)); }
    bool nickel() { return index(SettingList::Batt) == 0; }
    std::size_t messageCount() { return m_view.recorder().texts().size(); }

    void connect(ByteReader &input)
    {
        const int code = input.next();
        std::array<std::int16_t, 12> reply{};
        for (auto &byte : reply)
            byte = input.next();

        m_programEnabled = false;
        // An answer outside the accepted codes is no identification: the lists stay as they are.
        m_records.EscType = static_cast<std::int16_t>(acceptedModel(code) ? code : 0);
        if (m_records.EscType == 0)
            return;
        m_view.setModelName({});
        m_form.fillModelLists();

        // A reply the read accepts ends in 1; the 11-byte read leaves element 11 alone.
        const std::size_t length = std::size_t(settingsReplyLength(code));
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
        const bool rpmOn = index(SettingList::RPM) > 0;
        bool anyUnshown = false;
        for (int i = 0; i < SettingListCount; ++i) {
            const auto which = static_cast<SettingList>(i);
            if (!hasCode(which, m_records.EscType, nickel())
                || (rpmOn
                    && (which == SettingList::Brake || which == SettingList::SoftStart
                        || which == SettingList::LVCAction)))
                continue;
            // EscConfig holds both cutoffs, nickel at 2 and lithium at 3, so later lists sit one further.
            const auto element = static_cast<std::size_t>(which == SettingList::LVC ? (nickel() ? 2 : 3) : i > 2 ? i + 1 : i);
            if (index(which) < 0) {
                anyUnshown = true;
                continue;
            }
            FUZZ_CHECK(entryCode(which, shown(which)) == m_records.EscConfig[element], "model %d: list %d shows \"%s\" for %d",
                       m_records.EscType, i, shown(which).c_str(), m_records.EscConfig[element]);
        }
        FUZZ_CHECK(!anyUnshown || messageCount() > messagesBefore,
                   "model %d: a reported setting was left unshown without a word", m_records.EscType);
    }

    // The user picks an entry, or types an entry's text or (odd choices) a text no entry has.
    void userChoice(ByteReader &input, bool typing)
    {
        MemoryChoiceList &target = m_view.memoryList(static_cast<SettingList>(input.next() % SettingListCount));
        const int choice = input.next();
        if (m_listsEnabled && typing)
            target.typeText(target.entry((choice >> 1) % (target.count() + 1)) + ((choice & 1) ? "?" : ""));
        else if (m_listsEnabled && target.count() > 0)
            target.select(choice % target.count());
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
            const bool named = std::count(result.unselected.begin(), result.unselected.end(), which) > 0;
            if (!hasCode(which, escType, nickel()))
                FUZZ_CHECK(sent == Untouched && !named, "model %d: list %d has no command, got %d", escType, i, sent);
            else if (index(which) < 0)
                FUZZ_CHECK(sent == Untouched && named, "model %d: list %d has no selection, got %d (named: %d)",
                           escType, i, sent, named);
            else
                FUZZ_CHECK(!named && entryCode(which, shown(which)) == sent,
                           "model %d: list %d shows \"%s\" but would send %d", escType, i, shown(which).c_str(),
                           sent);
        }
        return result;
    }

    // DEFAULT of a named model shows the factory codes show_Type wrote, and PROGRAM sends them unchanged.
    void restoreDefaults()
    {
        if (!m_programEnabled)
            return;
        const std::size_t before = messageCount();
        m_form.show_Type();
        m_form.show_Config();
        const CollectResult result = program();
        if (!findEscModel(m_records.EscType))
            return;
        FUZZ_CHECK(messageCount() == before && result.complete(), "model %d: its factory settings do not show cleanly",
                   m_records.EscType);
        const std::size_t count = hasCode(SettingList::ACCN, m_records.EscType, false) ? 10 : 9;
        for (std::size_t i = 0; i < count; ++i) {
            // NewConfig has one cutoff element; the factory battery is lithium.
            const std::int16_t sent = m_records.NewConfig[i], factory = m_records.EscConfig[i < 2 ? i : i + 1];
            FUZZ_CHECK(sent == factory, "model %d: DEFAULT sends %d for factory %d", m_records.EscType, sent, factory);
        }
    }

    // An unselected list is never sent: only a selected brake or soft start could contradict RPM control.
    void checkInterlocks()
    {
        FUZZ_CHECK(index(SettingList::RPM) <= 0
                       || (index(SettingList::Brake) <= 0 && index(SettingList::SoftStart) != 0),
                   "RPM control \"%s\" with brake \"%s\" and soft start \"%s\"", shown(SettingList::RPM).c_str(),
                   shown(SettingList::Brake).c_str(), shown(SettingList::SoftStart).c_str());
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
    Session().run(input);
    return 0;
}
