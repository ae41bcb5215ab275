#include "settingsplan.h"

#include "commandcodes.h"
#include "escprotocol.h"
#include "memorysettingsview.h"
#include "modeltable.h"
#include "settingsform.h"
#include "translatable.h"

#include <cstdio>

namespace orvesc {

namespace {

// The model's lists in memory with the window's handlers and fills, showing the reported
// settings as after CONNECT.
class ModelLists
{
public:
    ModelLists(int escType, const std::array<std::int16_t, 12> &escConfig)
        : m_form(m_view, m_records)
    {
        m_records.EscType = std::int16_t(escType);
        m_records.EscConfig = escConfig;
        m_form.connectHandlers();
        m_form.ini_Lists();
        m_form.fillModelLists();
    }
    ModelLists(const ModelLists &) = delete;
    ModelLists &operator=(const ModelLists &) = delete;

    SettingsForm &form() { return m_form; }
    MemorySettingsView &view() { return m_view; }
    EscRecords &records() { return m_records; }

private:
    EscRecords m_records;
    MemorySettingsView m_view;
    SettingsForm m_form;
};

void collect(ModelLists &lists, const std::array<std::int16_t, 12> &reported, WritePlan &plan)
{
    const int escType = lists.records().EscType;
    const CollectResult collected = lists.form().get_Config();
    if (!collected.complete()) {
        const SettingList which = collected.unselected.front();
        const bool nickel = lists.view().list(SettingList::Batt).selectedIndex() == 0;
        char code[8];
        std::snprintf(code, sizeof code, "0x%02X", unsigned(reported[reportedElement(which, nickel)]) & 0xFFu);
        //: %1 is a setting's caption, %2 a code such as 0x9F.
        plan.refusalText = CatalogueText(SettingsApplyContext,
                                         QT_TRANSLATE_NOOP("SettingsApply", "%1: the ESC reported code %2, for "
                                                                            "which the list has no entry; give one"),
                                         { settingCaption(which, escType), std::string(code) });
        plan.refusal = plan.refusalText.english();
        return;
    }
    plan.newConfig = lists.records().NewConfig;
    const bool nickel = plan.newConfig[1] == codebase::BatteryNickel;
    for (int k = 0; k < programmedCommandCount(escType); ++k) {
        const auto which = static_cast<SettingList>(k);
        const std::int16_t code = plan.newConfig[std::size_t(k)];
        const ChoiceList &list = lists.view().list(which);
        const bool coded = commandCode(which, escType, nickel, 0).has_value();
        plan.commands.push_back(PlannedCommand{
                code, settingCaption(which, escType),
                coded && list.selectedIndex() >= 0 ? list.entry(list.selectedIndex()) : std::string(),
                coded && reported[reportedElement(which, nickel)] != code});
    }
}

} // namespace

WritePlan planWrite(int escType, const std::array<std::int16_t, 12> &reported, const SettingRequests &requests)
{
    WritePlan plan;
    ModelLists lists(escType, reported);
    lists.form().show_Config();
    const ApplyPlan applied = planApply(lists.view(), escType, requests, &reported);
    plan.changes = applied.changes;
    plan.notOffered = applied.notOffered;
    plan.refusal = applied.refusal;
    plan.refusalText = applied.refusalText;
    if (!plan.refusal.empty())
        return plan;
    applyRequests(lists.view(), escType, requests, &reported);
    collect(lists, reported, plan);
    return plan;
}

WritePlan planDefault(int escType, const std::array<std::int16_t, 12> &reported)
{
    WritePlan plan;
    ModelLists shown(escType, reported);
    shown.form().show_Config();
    ModelLists lists(escType, reported);
    lists.form().show_Type();
    lists.form().show_Config();
    for (int i = 0; i < SettingListCount; ++i) {
        const auto which = static_cast<SettingList>(i);
        const ChoiceList &from = shown.view().list(which);
        const ChoiceList &to = lists.view().list(which);
        const auto text = [](const ChoiceList &list) {
            return list.selectedIndex() < 0 ? std::string(NoChoice) : list.entry(list.selectedIndex());
        };
        if (text(from) != text(to))
            plan.changes.push_back({which, settingCaption(which, escType), text(from), text(to)});
    }
    collect(lists, reported, plan);
    return plan;
}

CatalogueText requestsConflict(const SettingRequests &requests)
{
    CatalogueText refusal;
    for (const EscModel &model : escModels()) {
        std::array<std::int16_t, 12> factory{};
        const auto codes = factoryCodes(model.code);
        std::copy(codes.begin(), codes.end(), factory.begin());
        ModelLists lists(model.code, factory);
        lists.form().show_Config();
        const ApplyPlan plan = planApply(lists.view(), model.code, requests, &factory);
        // A model that lacks an entry asked for says nothing about the combination.
        if (!plan.refusal.empty() && plan.undone.empty())
            continue;
        if (plan.undone.empty())
            return {};
        refusal = plan.refusalText;
    }
    return refusal;
}

std::vector<ReportedSetting> reportedSettings(int escType, const std::array<std::int16_t, 12> &escConfig)
{
    const bool nickel = escConfig[1] == codebase::BatteryNickel;
    std::vector<ReportedSetting> rows;
    for (const SettingKey key : modelKeys(escType)) {
        const SettingList which = listOfKey(key);
        const int code = escConfig[reportedElement(which, nickel)];
        rows.push_back(ReportedSetting{which, settingCaption(which, escType),
                                       entryForCode(which, escType, nickel, code).value_or(std::string()), code});
    }
    return rows;
}

} // namespace orvesc
