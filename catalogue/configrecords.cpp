#include "commandcodes.h"
#include "escprotocol.h"
#include "messagetexts.h"
#include "modeltable.h"
#include "settingsform.h"

namespace orvesc {

namespace {

constexpr char LineBreak = '\r';

} // namespace

void SettingsForm::show_Type()
{
    const std::array<std::int16_t, 11> factory = factoryCodes(m_records.EscType);
    const EscModel *model = findEscModel(m_records.EscType);
    for (std::size_t i = 0; i < factory.size(); ++i) {
        // An unnamed code has no battery or freq/warn default; the values read stay.
        if (!model && (i == 1 || i == 7))
            continue;
        m_records.EscConfig[i] = factory[i];
    }
    if (model)
        m_view.setModelName(model->name);
}

void SettingsForm::showCode(SettingList which, int code, bool nickel,
                            std::vector<UnshownSetting> &unshown)
{
    const std::optional<int> index = listIndexOf(which, m_records.EscType, nickel, code);
    if (!index)
        return;
    ChoiceList &target = list(which);
    // The index must name an entry that stands for exactly this code; otherwise showing it would
    // put a different setting on screen, and PROGRAM would send that one back to the ESC.
    const bool shows = *index >= 0 && *index < target.count()
        && commandCode(which, m_records.EscType, nickel, *index) == code;
    if (shows) {
        target.select(*index);
    } else {
        target.select(-1);
        unshown.push_back({ which, code });
    }
}

void SettingsForm::show_Config()
{
    const auto &config = m_records.EscConfig;
    std::vector<UnshownSetting> unshown;
    // Each selection runs its list's rules before the next one is made: the battery rebuilds the
    // cutoff list before the cutoff is shown, and RPM control, shown late, has the last word.
    for (int i = 0; i < SettingListCount; ++i) {
        const auto which = static_cast<SettingList>(i);
        // "Ni" is shown only for code 32, so this follows the reported battery; it also keeps the
        // cutoff in the family of the list that the battery rule has just built.
        const bool nickel = list(SettingList::Batt).selectedIndex() == 0;
        showCode(which, config[reportedElement(which, nickel)], nickel, unshown);
    }
    if (unshown.empty())
        return;
    std::string text = messagetext::UnshowableSettings;
    for (const UnshownSetting &setting : unshown) {
        text += LineBreak;
        text += m_view.listCaption(setting.list) + ": code "
            + std::to_string(setting.code);
    }
    text += LineBreak;
    text += messagetext::UnshowableNotBackedUp;
    m_view.messenger().beepAndShow(text);
}

CollectResult SettingsForm::get_Config()
{
    CollectResult result;
    const bool nickel = list(SettingList::Batt).selectedIndex() == 0;
    for (int i = 0; i < SettingListCount; ++i) {
        const auto which = static_cast<SettingList>(i);
        // Lists the model has no code for are not sent, and their element keeps its value.
        if (!commandCode(which, m_records.EscType, nickel, 0))
            continue;
        const int index = list(which).selectedIndex();
        if (index < 0) {
            result.unselected.push_back(which);
            continue;
        }
        m_records.NewConfig[static_cast<std::size_t>(i)] =
            static_cast<std::int16_t>(*commandCode(which, m_records.EscType, nickel, index));
    }
    return result;
}

} // namespace orvesc
