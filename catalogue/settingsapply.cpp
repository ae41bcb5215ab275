#include "settingsapply.h"

#include "commandcodes.h"
#include "memorysettingsview.h"
#include "settingsform.h"

namespace orvesc {

namespace {

constexpr char LineBreak = '\r';

std::string shownText(const ChoiceList &list)
{
    const int index = list.selectedIndex();
    return index < 0 ? std::string("(no choice)") : list.entry(index);
}

// The list that carries a document's setting on this model, or nullopt where the model has no
// such setting (a warn voltage on a frequency model, an acceleration delay where none exists).
std::optional<SettingList> listOnModel(SettingKey key, int escType)
{
    const SettingList which = listOfKey(key);
    if (keyOfList(which, escType) != key)
        return std::nullopt;
    return which;
}

} // namespace

std::vector<std::string> applyDocument(SettingsView &view, int escType,
                                       const SettingsDocument &document)
{
    std::vector<std::string> notOffered;
    for (const DocumentSetting &setting : document.settings) {
        const std::optional<SettingList> which = listOnModel(setting.key, escType);
        ChoiceList &target = view.list(listOfKey(setting.key));
        // The battery is selected before the cutoff, so the cutoff family follows the list that
        // the battery rule has just built, as in show_Config.
        const bool nickel = view.list(SettingList::Batt).selectedIndex() == 0;
        std::optional<int> index;
        if (which)
            index = listIndexOf(*which, escType, nickel, setting.code);
        const bool offered = index && *index >= 0 && *index < target.count()
            && commandCode(*which, escType, nickel, *index) == setting.code;
        if (!offered) {
            notOffered.push_back(settingCaption(listOfKey(setting.key), document.modelCode) + ": "
                                 + setting.text);
            continue;
        }
        if (target.selectedIndex() != *index)
            target.select(*index);
    }
    return notOffered;
}

ApplyPlan planApply(SettingsView &view, int escType, const SettingsDocument &document)
{
    // A copy of the lists with the rules wired as in the window; its messages go nowhere.
    MemorySettingsView copy;
    EscRecords records;
    records.EscType = static_cast<std::int16_t>(escType);
    SettingsForm rules(copy, records);
    for (int i = 0; i < SettingListCount; ++i) {
        const auto which = static_cast<SettingList>(i);
        const ChoiceList &source = view.list(which);
        MemoryChoiceList &target = copy.memoryList(which);
        for (int e = 0; e < source.count(); ++e)
            target.append(source.entry(e));
        target.select(source.selectedIndex());
    }
    rules.connectHandlers();

    ApplyPlan plan;
    plan.fileModel = document.modelCode;
    plan.escType = escType;
    plan.notOffered = applyDocument(copy, escType, document);
    for (int i = 0; i < SettingListCount; ++i) {
        const auto which = static_cast<SettingList>(i);
        const std::string from = shownText(view.list(which));
        const std::string to = shownText(copy.list(which));
        if (from != to)
            plan.changes.push_back({ which, view.listCaption(which), from, to });
    }
    return plan;
}

std::string describeChanges(const std::vector<SettingChange> &changes)
{
    std::string text;
    for (const SettingChange &change : changes) {
        if (!text.empty())
            text += LineBreak;
        text += change.caption + ": " + change.from + " -> " + change.to;
    }
    return text;
}

} // namespace orvesc
