#include "setrequests.h"

#include "clilanguage.h"
#include "commandcodes.h"
#include "optionlists.h"
#include "settingkeys.h"

#include <QRegularExpression>
#include <QStringList>

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
        if (wanted == QLatin1String(settingKeyName(keyInfo.key))
            || wanted == normalKey(QString::fromStdString(keyCaption(keyInfo.key))))
            return &keyInfo;
    }
    return nullptr;
}

} // namespace

QString addSetRequest(const QString &argument, SettingRequests &requests)
{
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals <= 0) {
        return CommandLine::tr("--set \"%1\" is not KEY=ENTRY (for example --set brake=on).")
                .arg(argument);
    }
    const QString key = argument.left(equals);
    const QString entry = argument.mid(equals + 1).trimmed();
    const KeySpec *keyInfo = findKey(key);
    if (!keyInfo) {
        QStringList keys;
        for (const KeySpec &known : Keys)
            keys << QString::fromLatin1(settingKeyName(known.key));
        //: %1 as typed, %2 the setting keys.
        return CommandLine::tr("--set: \"%1\" is not a setting. Settings: %2.")
                .arg(key, keys.join(QStringLiteral(", ")));
    }
    const QStringList entries = entriesOf(keyInfo->entries) + entriesOf(keyInfo->moreEntries);
    bool known = false;
    for (const QString &candidate : entries)
        known = known || normalEntry(candidate) == normalEntry(entry);
    if (!known || entry.isEmpty()) {
        QStringList shown = entries;
        shown.replaceInStrings(QStringLiteral("*"), QString());
        //: %1 the key as typed, %2 the entry as typed, %3 the setting's caption, %4 its entries.
        return CommandLine::tr("--set %1: \"%2\" is not an entry of %3. Entries: %4.")
                .arg(key.trimmed(), entry, QString::fromStdString(keyCaption(keyInfo->key)),
                     shown.join(QStringLiteral(", ")));
    }
    requests.push_back(SettingRequest{keyInfo->key, std::nullopt, entry.toStdString()});
    return QString();
}

QString setsTheModelLacks(const QStringList &sets, int escType)
{
    for (const QString &set : sets) {
        const QString key = set.left(set.indexOf(QLatin1Char('='))).trimmed();
        const KeySpec *keyInfo = findKey(key);
        if (!keyInfo || keyOfList(listOfKey(keyInfo->key), escType) == keyInfo->key)
            continue;
        QStringList keys;
        for (const SettingKey known : modelKeys(escType))
            keys << QString::fromLatin1(settingKeyName(known));
        //: %1 the key as typed, %2 the model's name, %3 the setting's caption, %4 the model's setting keys.
        return CommandLine::tr("--set %1: the %2 has no %3 setting. Its settings: %4.")
                .arg(key, QString::fromStdString(modelName(escType)), QString::fromStdString(keyCaption(keyInfo->key)),
                     keys.join(QStringLiteral(", ")));
    }
    return QString();
}

} // namespace orvesc::cli
