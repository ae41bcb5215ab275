#include "completion.h"

#include "commandtable.h"
#include "modeltable.h"
#include "portmap.h"
#include "portlist.h"
#include "settingkeys.h"

namespace orvesc::cli {

namespace {

const QString SettingsFiles = QStringLiteral(":files *.orvesc.json");
const QString AnyFile = QStringLiteral(":files *");

// An option as typed, "--port", "-p" or "--port=COM3"; nullptr for anything else.
const OptionInfo *typedOption(const QString &word)
{
    if (!word.startsWith(QLatin1Char('-')))
        return nullptr;
    QString name = word.mid(word.startsWith(QLatin1String("--")) ? 2 : 1);
    return findOption(name.left(name.indexOf(QLatin1Char('='))));
}

// Every key with the entries any model offers for it, star dropped, in the lists' order.
QStringList settingCandidates(const QString &typed)
{
    const int equals = int(typed.indexOf(QLatin1Char('=')));
    QStringList candidates;
    for (int k = int(SettingKey::Brake); k <= int(SettingKey::AccelerationDelay); ++k) {
        const auto key = SettingKey(k);
        const QString name = QString::fromLatin1(settingKeyName(key));
        if (equals < 0) {
            candidates << name + QLatin1Char('=');
            continue;
        }
        if (name.compare(typed.left(equals), Qt::CaseInsensitive) != 0)
            continue;
        for (const EscModel &model : escModels()) {
            for (SettingKey offered : modelKeys(model.code)) {
                if (offered != key)
                    continue;
                for (bool nickel : {false, true}) {
                    for (const std::string &entry : offeredEntries(listOfKey(key), model.code, nickel)) {
                        QString candidate = typed.left(equals + 1) + QString::fromStdString(entry);
                        if (candidate.endsWith(QLatin1Char('*')))
                            candidate.chop(1);
                        if (!candidates.contains(candidate))
                            candidates << candidate;
                    }
                }
            }
        }
    }
    return candidates;
}

QStringList valueCandidates(const OptionInfo &option, const QString &typed, const PortMap &map)
{
    switch (option.values) {
    case OptionInfo::Values::Ports: {
        QStringList ports;
        for (const ListedPort &port : listedPorts(map))
            ports << QStringLiteral("COM%1").arg(port.number);
        return ports;
    }
    case OptionInfo::Values::Settings:
        return settingCandidates(typed);
    case OptionInfo::Values::SettingsFiles:
        return {SettingsFiles};
    case OptionInfo::Values::Number:
        return {};
    case OptionInfo::Values::Files:
        break;
    }
    return {AnyFile};
}

QStringList matching(const QStringList &candidates, const QString &typed)
{
    if (candidates.size() == 1 && candidates.first().startsWith(QLatin1Char(':')))
        return candidates;
    QStringList kept;
    for (const QString &candidate : candidates) {
        if (candidate.startsWith(typed, Qt::CaseInsensitive))
            kept << candidate;
    }
    return kept;
}

} // namespace

QStringList completionCandidates(const QStringList &words, const PortMap &map)
{
    const QString typed = words.isEmpty() ? QString() : words.last();
    const CommandInfo *command = nullptr;
    bool help = false;
    bool file = false;
    QStringList given;
    const OptionInfo *wantsValue = nullptr;
    for (int i = 0; i + 1 < words.size(); ++i) {
        const QString &word = words[i];
        if (wantsValue) {
            wantsValue = nullptr;
        } else if (const OptionInfo *option = typedOption(word)) {
            given << option->longName();
            if (!option->valueName.isEmpty() && !word.contains(QLatin1Char('=')))
                wantsValue = option;
        } else if (!command && !help && word == QLatin1String("help")) {
            help = true;
        } else if (!command) {
            command = findCommand(word);
            if (!command)
                return {};
        } else {
            file = true;
        }
    }

    if (wantsValue)
        return matching(valueCandidates(*wantsValue, typed, map), typed);
    if (typed.startsWith(QLatin1Char('-'))) {
        const int equals = int(typed.indexOf(QLatin1Char('=')));
        if (const OptionInfo *option = typedOption(typed); option && equals > 0) {
            QStringList values = valueCandidates(*option, typed.mid(equals + 1), map);
            if (values.size() == 1 && values.first().startsWith(QLatin1Char(':')))
                return values;
            for (QString &value : values)
                value.prepend(typed.left(equals + 1));
            return matching(values, typed);
        }
        QStringList options;
        for (const OptionInfo &option : optionTable()) {
            const bool fits = command ? option.appliesTo(command->command) || option.longName() == QLatin1String("--help")
                                      : option.commands == 0;
            if (fits && (option.repeatable || !given.contains(option.longName())))
                options << option.longName();
        }
        return matching(options, typed);
    }
    if (!command) {
        QStringList names;
        for (const CommandInfo &info : commandTable())
            names << info.name;
        names << (help ? QStringLiteral("settings") : QStringLiteral("help"));
        return matching(names, typed);
    }
    const bool takesFile = command->command == Command::Write || command->command == Command::Verify;
    return takesFile && !file && !help ? QStringList{SettingsFiles} : QStringList();
}

} // namespace orvesc::cli
