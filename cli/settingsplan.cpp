#include "settingsplan.h"

#include "commandcodes.h"
#include "memorysettingsview.h"
#include "messagetexts.h"
#include "modeltable.h"
#include "optionlists.h"
#include "settingsform.h"
#include "settingkeys.h"

#include <QRegularExpression>

namespace orvesc::cli {

namespace {

// Every entry a setting has on any model, for checking --set before a model is known.
struct KeySpec
{
    SettingKey key;
    std::string_view entries;
    std::string_view moreEntries;
};

constexpr KeySpec Keys[] = {
    {SettingKey::Brake, optionlist::Brake, {}},
    {SettingKey::Battery, optionlist::Battery3S, {}},
    {SettingKey::Cutoff, optionlist::LithiumCutoffLong, optionlist::NickelCutoff},
    {SettingKey::CutoffAction, optionlist::CutoffAction, {}},
    {SettingKey::SoftStart, optionlist::SoftStart, {}},
    {SettingKey::Timing, optionlist::Timing, {}},
    {SettingKey::Frequency, optionlist::Frequency, {}},
    {SettingKey::WarnVoltage, optionlist::WarnVoltage, {}},
    {SettingKey::Reverse, optionlist::Reverse, {}},
    {SettingKey::RpmControl, optionlist::RpmLong, {}},
    {SettingKey::AccelerationDelay, optionlist::AccelerationDelay, {}},
};

// The order a user of the window would choose in: RPM control first, so that a rule refusing
// the combination fires with its own message on the setting that conflicts with it.
constexpr SettingList ApplyOrder[] = {SettingList::RPM,       SettingList::Batt,
                                      SettingList::LVC,       SettingList::Brake,
                                      SettingList::LVCAction, SettingList::SoftStart,
                                      SettingList::Timing,    SettingList::Frequency,
                                      SettingList::Reverse,   SettingList::ACCN};

QString normalKey(const QString &key)
{
    static const QRegularExpression separators(QStringLiteral("[\\s_-]+"));
    return key.trimmed().toLower().replace(separators, QStringLiteral("_"));
}

QString normalEntry(const QString &entry)
{
    QString text = entry.toLower();
    text.remove(QLatin1Char('*'));
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

QStringList entriesOf(std::string_view list)
{
    QStringList entries;
    // An empty option list splits into one empty entry, which names nothing here.
    for (const std::string &entry : splitOptionList(list))
        if (!entry.empty())
            entries << QString::fromStdString(entry);
    return entries;
}

// A setting named by its file key or by its caption, in any case, with spaces, dashes or
// underscores between the words.
const KeySpec *findKey(const QString &key)
{
    const QString wanted = normalKey(key);
    for (const KeySpec &keyInfo : Keys) {
        // The warn voltage shares the frequency's list; its caption is the one of a warn model.
        const int model = keyInfo.key == SettingKey::WarnVoltage ? 179 : 0;
        if (wanted == QLatin1String(settingKeyName(keyInfo.key))
            || wanted == normalKey(QString::fromStdString(settingCaption(listOfKey(keyInfo.key), model))))
            return &keyInfo;
    }
    return nullptr;
}

QString caption(SettingList list, int model)
{
    return QString::fromStdString(settingCaption(list, model));
}

// EscConfig element of each list; the cutoff's depends on the battery.
std::size_t reportedElement(SettingList list, bool nickel)
{
    constexpr std::size_t Elements[] = {0, 1, 3, 4, 5, 6, 7, 8, 9, 10};
    if (list == SettingList::LVC && nickel)
        return 2;
    return Elements[static_cast<std::size_t>(list)];
}

// The model's lists in memory with the window's handlers and fills, as after CONNECT's rebuild.
class ModelLists
{
public:
    ModelLists(int model, const std::array<std::int16_t, 12> &escConfig)
        : m_form(m_view, m_records)
    {
        m_records.EscType = std::int16_t(model);
        m_records.EscConfig = escConfig;
        m_form.connectHandlers();
        m_form.ini_Lists();
        m_form.fillModelLists();
    }
    ModelLists(const ModelLists &) = delete;
    ModelLists &operator=(const ModelLists &) = delete;

    int model() const { return m_records.EscType; }
    ChoiceList &list(SettingList which) { return m_view.list(which); }
    SettingsForm &form() { return m_form; }
    EscRecords &records() { return m_records; }
    RecordingMessenger &messages() { return m_view.recorder(); }
    bool nickel() { return list(SettingList::Batt).selectedIndex() == 0; }
    bool offered(SettingList which) { return commandCode(which, model(), nickel(), 0).has_value(); }

    std::optional<int> selectedCode(SettingList which)
    {
        const int index = list(which).selectedIndex();
        if (index < 0)
            return std::nullopt;
        return commandCode(which, model(), nickel(), index);
    }
    // The index of the entry that stands for `code` in the list as it is now, or -1.
    int indexOf(SettingList which, int code)
    {
        const std::optional<int> index = listIndexOf(which, model(), nickel(), code);
        const bool shows = index && *index >= 0 && *index < list(which).count()
                && commandCode(which, model(), nickel(), *index) == code;
        return shows ? *index : -1;
    }
    QString entryFor(SettingList which, int code)
    {
        const int index = indexOf(which, code);
        return index >= 0 ? QString::fromStdString(list(which).entry(index))
                          : QStringLiteral("code %1").arg(code);
    }
    QStringList entries(SettingList which)
    {
        QStringList all;
        for (int i = 0; i < list(which).count(); ++i)
            all << QString::fromStdString(list(which).entry(i));
        return all;
    }

private:
    EscRecords m_records;
    MemorySettingsView m_view;
    SettingsForm m_form;
};

void collect(ModelLists &lists, WritePlan &plan)
{
    const CollectResult collected = lists.form().get_Config();
    if (!collected.complete()) {
        plan.refusal = QStringLiteral("No entry is selected for %1; nothing was sent.")
                               .arg(caption(collected.unselected.front(), lists.model()));
        return;
    }
    plan.newConfig = lists.records().NewConfig;
    for (int k = 0; k < programmedCount(lists.model()); ++k) {
        const auto which = static_cast<SettingList>(k);
        const int index = lists.list(which).selectedIndex();
        const bool coded = lists.selectedCode(which).has_value();
        plan.commands.push_back(PlannedCommand{
                plan.newConfig[std::size_t(k)], caption(which, lists.model()),
                coded && index >= 0 ? QString::fromStdString(lists.list(which).entry(index))
                                    : QString()});
    }
}

} // namespace

int programmedCount(int model)
{
    return model > 181 && model < 224 ? 10 : 9;
}

QString modelName(int model)
{
    if (const EscModel *row = findEscModel(model))
        return QString::fromLatin1(row->name).trimmed();
    return QStringLiteral("model code %1").arg(model);
}

QString addSetRequest(const QString &argument, SettingRequests &requests)
{
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals <= 0) {
        return QStringLiteral("--set \"%1\" is not KEY=ENTRY (for example --set brake=on).")
                .arg(argument);
    }
    const QString key = argument.left(equals);
    const QString entry = argument.mid(equals + 1).trimmed();
    const KeySpec *keyInfo = findKey(key);
    if (!keyInfo) {
        QStringList keys;
        for (const KeySpec &known : Keys)
            keys << QString::fromLatin1(settingKeyName(known.key));
        return QStringLiteral("--set: \"%1\" is not a setting. Settings: %2.")
                .arg(key, keys.join(QStringLiteral(", ")));
    }
    const QStringList entries = entriesOf(keyInfo->entries) + entriesOf(keyInfo->moreEntries);
    bool known = false;
    for (const QString &candidate : entries)
        known = known || normalEntry(candidate) == normalEntry(entry);
    if (!known || entry.isEmpty()) {
        QStringList shown = entries;
        shown.replaceInStrings(QStringLiteral("*"), QString());
        return QStringLiteral("--set %1: \"%2\" is not an entry of that setting. Entries: %3.")
                .arg(QString::fromLatin1(settingKeyName(keyInfo->key)), entry, shown.join(QStringLiteral(", ")));
    }
    requests[listOfKey(keyInfo->key)] = SettingRequest{std::nullopt, entry};
    return QString();
}

QString requestedConflict(const SettingRequests &requests)
{
    const auto entry = [&](SettingList which) {
        const auto it = requests.find(which);
        return it == requests.end() || it->second.code ? QString() : normalEntry(it->second.entry);
    };
    const QString rpm = entry(SettingList::RPM);
    if (rpm.isEmpty() || rpm == QLatin1String("off"))
        return QString();
    const char *rule = nullptr;
    SettingList other = SettingList::Brake;
    if (!entry(SettingList::Brake).isEmpty() && entry(SettingList::Brake) != QLatin1String("off")) {
        rule = messagetext::RpmOffWithBrake;
    } else if (entry(SettingList::SoftStart) == QLatin1String("off")) {
        rule = messagetext::RpmOffWithoutSoftStart;
        other = SettingList::SoftStart;
    } else if (entry(SettingList::LVCAction) == QLatin1String("nocut")) {
        rule = messagetext::RpmOffWithoutCutoff;
        other = SettingList::LVCAction;
    } else if (entry(SettingList::LVC) == QLatin1String("2.0v")
               || entry(SettingList::LVC) == QLatin1String("0.6v")) {
        rule = messagetext::RpmOffWithHardCut;
        other = SettingList::LVC;
    }
    if (!rule)
        return QString();
    return QStringLiteral("Refused, nothing was sent: \"%1\". RPM CONTROL %2 cannot be set "
                          "together with %3 %4.")
            .arg(QString::fromLatin1(rule), requests.at(SettingList::RPM).entry, caption(other, 0),
                 requests.at(other).entry);
}

WritePlan planWrite(int model, const std::array<std::int16_t, 12> &reported,
                    const SettingRequests &requests, bool skipNotOffered)
{
    WritePlan plan;
    ModelLists lists(model, reported);
    // The lists as CONNECT leaves them; what the rules say from here on concerns the request.
    lists.form().show_Config();
    lists.messages().clear();

    std::map<SettingList, int> wanted;
    const QString name = modelName(model);
    const auto apply = [&](SettingList which, const SettingRequest &request) {
        const QString title = caption(which, model);
        if (!lists.offered(which)) {
            if (skipNotOffered) {
                plan.notOffered << title;
                return true;
            }
            plan.refusal = QStringLiteral("The %1 has no %2 setting; nothing was sent.").arg(name, title);
            return false;
        }
        int index = -1;
        if (request.code) {
            index = lists.indexOf(which, *request.code);
        } else {
            for (int i = 0; i < lists.list(which).count() && index < 0; ++i) {
                if (normalEntry(QString::fromStdString(lists.list(which).entry(i)))
                    == normalEntry(request.entry))
                    index = i;
            }
        }
        if (index < 0 && request.code && skipNotOffered) {
            plan.notOffered << QStringLiteral("%1 (code %2)").arg(title).arg(*request.code);
            return true;
        }
        if (index < 0) {
            plan.refusal = request.code
                    ? QStringLiteral("%1: code %2 is not in the %3's list; nothing was sent.")
                              .arg(title).arg(*request.code).arg(name)
                    : QStringLiteral("%1: the %2 has no entry \"%3\"; nothing was sent. Its "
                                     "entries: %4.")
                              .arg(title, name, request.entry,
                                   lists.entries(which).join(QStringLiteral(", ")));
            return false;
        }
        wanted[which] = *commandCode(which, model, lists.nickel(), index);
        lists.list(which).select(index);
        return true;
    };

    for (const SettingList which : ApplyOrder) {
        const auto it = requests.find(which);
        if (it != requests.end() && !apply(which, it->second))
            return plan;
        // A new battery rebuilds the cutoff list; the ESC's cutoff of that family stays.
        if (which == SettingList::Batt && it != requests.end() && !requests.count(SettingList::LVC)) {
            const int code = reported[reportedElement(SettingList::LVC, lists.nickel())];
            if (const int index = lists.indexOf(SettingList::LVC, code); index >= 0)
                lists.list(SettingList::LVC).select(index);
        }
    }

    QStringList changes;
    for (int i = 0; i < SettingListCount; ++i) {
        const auto which = static_cast<SettingList>(i);
        if (!lists.offered(which))
            continue;
        const auto asked = wanted.find(which);
        const int expected = asked != wanted.end()
                ? asked->second
                : reported[reportedElement(which, lists.nickel())];
        const std::optional<int> actual = lists.selectedCode(which);
        if (!actual) {
            plan.refusal = QStringLiteral("%1: the ESC reported code %2, for which the list has "
                                          "no entry; give one with --set. Nothing was sent.")
                                   .arg(caption(which, model)).arg(expected);
            return plan;
        }
        if (*actual != expected) {
            changes << QStringLiteral("%1: %2 -> %3")
                               .arg(caption(which, model), lists.entryFor(which, expected),
                                    lists.entryFor(which, *actual));
        }
    }
    if (!changes.isEmpty()) {
        QStringList rules;
        for (const std::string &text : lists.messages().texts())
            rules << QStringLiteral("\"%1\"").arg(QString::fromStdString(text));
        plan.refusal = QStringLiteral("Refused, nothing was sent: %1the setting rules would "
                                      "change %2. Ask for a combination the rules allow.")
                               .arg(rules.isEmpty() ? QString() : rules.join(QStringLiteral(", ")) + QStringLiteral(": "),
                                    changes.join(QStringLiteral(", ")));
        return plan;
    }
    collect(lists, plan);
    return plan;
}

WritePlan planDefault(int model, const std::array<std::int16_t, 12> &reported)
{
    WritePlan plan;
    ModelLists lists(model, reported);
    lists.form().show_Type();
    lists.form().show_Config();
    collect(lists, plan);
    return plan;
}

std::vector<ReportedSetting> reportedSettings(int model, const std::array<std::int16_t, 12> &escConfig)
{
    const bool nickel = escConfig[1] == codebase::BatteryNickel;
    std::vector<ReportedSetting> rows;
    for (const SettingKey key : modelKeys(model)) {
        const SettingList which = listOfKey(key);
        const int code = escConfig[reportedElement(which, nickel)];
        rows.push_back(ReportedSetting{
                which, caption(which, model),
                QString::fromStdString(entryForCode(which, model, nickel, code).value_or(std::string())), code});
    }
    return rows;
}

} // namespace orvesc::cli
