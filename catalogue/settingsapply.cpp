#include "settingsapply.h"

#include "commandcodes.h"
#include "escprotocol.h"
#include "memorysettingsview.h"
#include "modeltable.h"
#include "settingsform.h"
#include "translatable.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace orvesc {

namespace {

constexpr char LineBreak = '\r';
constexpr int RpmOff = 0;

std::string shownText(const ChoiceList &list)
{
    const int index = list.selectedIndex();
    return index < 0 ? std::string(NoChoice) : list.entry(index);
}

std::string folded(const std::string &text)
{
    std::string out;
    for (const char c : text) {
        if (c != '*' && !std::isspace(static_cast<unsigned char>(c)))
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

bool nickelShown(SettingsView &view)
{
    return view.list(SettingList::Batt).selectedIndex() == 0;
}

std::optional<int> shownCode(SettingsView &view, SettingList which, int escType)
{
    const int index = view.list(which).selectedIndex();
    if (index < 0)
        return std::nullopt;
    return commandCode(which, escType, nickelShown(view), index);
}

// The index that shows `code` in the list as it is now, or -1.
int indexOfCode(SettingsView &view, SettingList which, int escType, int code)
{
    const bool nickel = nickelShown(view);
    const std::optional<int> index = listIndexOf(which, escType, nickel, code);
    const bool shows = index && *index >= 0 && *index < view.list(which).count()
        && commandCode(which, escType, nickel, *index) == code;
    return shows ? *index : -1;
}

// The last request for each list the model offers for its key; what the model does not offer
// goes to `notOffered` (by name: a refusal).
struct Sorted
{
    std::map<SettingList, const SettingRequest *> byList;
    std::vector<std::pair<SettingList, std::string>> notOffered;
    CatalogueText refusal;
};

CatalogueText applyText(const char *format, std::vector<CatalogueText> arguments = {})
{
    return CatalogueText(SettingsApplyContext, format, std::move(arguments));
}

Sorted sortRequests(int escType, const SettingRequests &requests)
{
    Sorted sorted;
    std::map<SettingKey, const SettingRequest *> last;
    for (const SettingRequest &request : requests)
        last[request.key] = &request;
    for (const SettingRequest &request : requests) {
        if (last[request.key] != &request)
            continue;
        const SettingList which = listOfKey(request.key);
        if (keyOfList(which, escType) == request.key) {
            sorted.byList[which] = &request;
        } else if (request.code) {
            sorted.notOffered.push_back({which, keyCaption(request.key) + ": " + request.entry});
        } else if (sorted.refusal.empty()) {
            //: %1 is the ESC's model, %2 a setting's caption ("BRAKE").
            sorted.refusal = applyText(QT_TRANSLATE_NOOP("SettingsApply", "the %1 has no %2 setting"),
                                       { modelNameText(escType), keyCaption(request.key) });
        }
    }
    return sorted;
}

// Selects the requested entry of one list; false when the list lacks it (by code: noted as not
// offered; by name: a refusal).
bool selectRequested(SettingsView &view, SettingList which, int escType, const SettingRequest &request,
                     Sorted &sorted)
{
    ChoiceList &list = view.list(which);
    const int index = request.code ? indexOfCode(view, which, escType, *request.code)
                                   : entryNamed(list, request.entry);
    if (index < 0) {
        if (request.code) {
            sorted.notOffered.push_back({which, keyCaption(request.key) + ": " + request.entry});
        } else if (sorted.refusal.empty()) {
            std::string entries;
            for (int i = 0; i < list.count(); ++i)
                entries += (i ? ", " : "") + list.entry(i);
            //: %1 is a setting's caption, %2 the ESC's model, %3 the entry asked for, %4 the list's entries.
            sorted.refusal = applyText(QT_TRANSLATE_NOOP("SettingsApply",
                                                         "%1: the %2 has no entry \"%3\". Its entries: %4"),
                                       { keyCaption(request.key), modelNameText(escType), request.entry, entries });
        }
        return false;
    }
    if (list.selectedIndex() != index)
        list.select(index);
    return true;
}

// The procedure both planApply and applyRequests run. RPM control switched off goes first, so
// that no later rule speaks. Switched on, it comes right after a brake asked to be off (the one
// setting it would otherwise complain about) and before everything else, so that a rule refusing
// the combination fires on the setting that conflicts with it. The battery comes before the
// cutoff, whose list it rebuilds.
Sorted apply(SettingsView &view, int escType, const SettingRequests &requests,
             const std::array<std::int16_t, 12> *reported)
{
    Sorted sorted = sortRequests(escType, requests);
    std::map<SettingList, bool> done;
    const auto select = [&](SettingList which) {
        const auto it = sorted.byList.find(which);
        if (it != sorted.byList.end() && !done[which]) {
            done[which] = true;
            selectRequested(view, which, escType, *it->second, sorted);
        }
    };
    const auto requestedIndex = [&](SettingList which) {
        const auto it = sorted.byList.find(which);
        if (it == sorted.byList.end())
            return -1;
        const SettingRequest &request = *it->second;
        return request.code ? indexOfCode(view, which, escType, *request.code)
                            : entryNamed(view.list(which), request.entry);
    };

    if (requestedIndex(SettingList::RPM) > RpmOff && requestedIndex(SettingList::Brake) == 0)
        select(SettingList::Brake);
    select(SettingList::RPM);
    const bool nickelBefore = nickelShown(view);
    select(SettingList::Batt);
    if (sorted.byList.count(SettingList::LVC)) {
        select(SettingList::LVC);
    } else if (reported && nickelShown(view) != nickelBefore) {
        const int code = (*reported)[reportedElement(SettingList::LVC, nickelShown(view))];
        if (const int index = indexOfCode(view, SettingList::LVC, escType, code); index >= 0)
            view.list(SettingList::LVC).select(index);
    }
    for (const SettingList which : {SettingList::Brake, SettingList::LVCAction, SettingList::SoftStart,
                                    SettingList::Timing, SettingList::Frequency, SettingList::Reverse,
                                    SettingList::ACCN})
        select(which);
    return sorted;
}

} // namespace

SettingRequests requestsOf(const SettingsDocument &document)
{
    SettingRequests requests;
    for (const DocumentSetting &setting : document.settings)
        requests.push_back({setting.key, setting.code, setting.text});
    return requests;
}

ApplyPlan planApply(SettingsView &view, int escType, const SettingRequests &requests,
                    const std::array<std::int16_t, 12> *reported)
{
    // A copy of the lists with the rules wired as in the window; its messages are noted.
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
    copy.setFrequencyCaption(view.listCaption(SettingList::Frequency));
    rules.connectHandlers();

    std::array<std::optional<int>, SettingListCount> before;
    for (int i = 0; i < SettingListCount; ++i)
        before[std::size_t(i)] = shownCode(view, static_cast<SettingList>(i), escType);
    const bool nickelBefore = nickelShown(view);

    ApplyPlan plan;
    Sorted sorted = apply(copy, escType, requests, reported);
    std::stable_sort(sorted.notOffered.begin(), sorted.notOffered.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &setting : sorted.notOffered)
        plan.notOffered.push_back(setting.second);
    plan.refusalText = sorted.refusal;
    std::vector<std::string> unasked;
    for (int i = 0; i < SettingListCount; ++i) {
        const auto which = static_cast<SettingList>(i);
        const std::string from = shownText(view.list(which));
        const std::string to = shownText(copy.list(which));
        if (from != to)
            plan.changes.push_back({which, view.listCaption(which), from, to});
        // What the list should show now: the entry asked for where the list has it, otherwise
        // what it showed before (for a cutoff whose family changed, the ESC's cutoff of the new
        // family where it is known).
        const std::optional<int> now = shownCode(copy, which, escType);
        std::optional<int> wanted = before[std::size_t(i)];
        std::string wantedText = from;
        bool asked = false;
        if (const auto it = sorted.byList.find(which); it != sorted.byList.end()) {
            const SettingRequest &request = *it->second;
            const int index = request.code ? indexOfCode(copy, which, escType, *request.code)
                                           : entryNamed(copy.list(which), request.entry);
            if (index >= 0) {
                asked = true;
                wanted = commandCode(which, escType, nickelShown(copy), index);
                wantedText = copy.list(which).entry(index);
            }
        } else if (which == SettingList::LVC && nickelShown(copy) != nickelBefore) {
            wanted = reported ? std::optional<int>((*reported)[reportedElement(which, nickelShown(copy))]) : now;
            wantedText = to;
        }
        if (now == wanted)
            continue;
        std::string change = view.listCaption(which);
        change += ": ";
        change += wantedText;
        change += " -> ";
        change += to;
        unasked.push_back(change);
        if (asked)
            plan.undone.push_back(which);
    }
    if (plan.refusalText.empty() && !unasked.empty()) {
        // What the rules said, quoted, then what they would change.
        std::string said;
        for (const std::string &text : copy.recorder().texts()) {
            said += said.empty() ? "\"" : ", \"";
            said += text;
            said += '"';
        }
        std::string changes;
        for (std::size_t i = 0; i < unasked.size(); ++i)
            changes += (i ? ", " : "") + unasked[i];
        plan.refusalText = said.empty()
            //: %1 lists the changes, "RPM CONTROL: GASMODE -> OFF*, BRAKE: ON -> OFF*".
            ? applyText(QT_TRANSLATE_NOOP("SettingsApply", "the setting rules would change %1. Ask for a combination "
                                                           "the rules allow"), { changes })
            //: %1 quotes what the rules said, %2 lists the changes, "RPM CONTROL: GASMODE -> OFF*".
            : applyText(QT_TRANSLATE_NOOP("SettingsApply", "%1: the setting rules would change %2. Ask for a "
                                                           "combination the rules allow"), { said, changes });
    }
    plan.refusal = plan.refusalText.english();
    return plan;
}

void applyRequests(SettingsView &view, int escType, const SettingRequests &requests,
                   const std::array<std::int16_t, 12> *reported)
{
    apply(view, escType, requests, reported);
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

std::string modelName(int escType)
{
    return modelNameText(escType).english();
}

CatalogueText modelNameText(int escType)
{
    if (const EscModel *row = findEscModel(escType)) {
        std::string name = row->name;
        name.erase(name.find_last_not_of(' ') + 1);
        return name;
    }
    //: A model of ESC the tool has no name for; %1 is its code.
    return applyText(QT_TRANSLATE_NOOP("SettingsApply", "model code %1"), { std::to_string(escType) });
}

std::string keyCaption(SettingKey key)
{
    if (key == SettingKey::WarnVoltage)
        return WarnVoltageCaption;
    return settingCaption(listOfKey(key), 0);
}

int entryNamed(const ChoiceList &list, const std::string &text)
{
    const std::string wanted = folded(text);
    for (int i = 0; i < list.count() && !wanted.empty(); ++i) {
        if (folded(list.entry(i)) == wanted)
            return i;
    }
    return -1;
}

} // namespace orvesc
