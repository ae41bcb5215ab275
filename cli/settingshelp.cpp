#include "settingshelp.h"

#include "clihelp.h"
#include "clilanguage.h"
#include "modeltable.h"
#include "settingexplanations.h"
#include "settingsapply.h"
#include "settingkeys.h"
#include "translatable.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace orvesc::cli {

namespace {

constexpr int Indent = 4;

using Entries = std::vector<std::string>;

// The entries of `key` grouped by the models that offer exactly them, in the model table's order.
std::vector<std::pair<QStringList, Entries>> entriesByModel(SettingKey key, bool nickel)
{
    std::vector<std::pair<QStringList, Entries>> groups;
    for (const EscModel &model : escModels()) {
        const std::vector<SettingKey> keys = modelKeys(model.code);
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
            continue;
        const Entries entries = offeredEntries(listOfKey(key), model.code, nickel);
        auto group = std::find_if(groups.begin(), groups.end(), [&](const auto &g) { return g.second == entries; });
        if (group == groups.end())
            group = groups.insert(groups.end(), {QStringList(), entries});
        group->first << QString::fromStdString(modelName(model.code));
    }
    return groups;
}

// Names and entries hold spaces ("8 kHz*", "QUORL R5 3S"): each is kept on one line when wrapped.
const QChar Unbreakable(0x00A0);

QString unbroken(QStringList items)
{
    items.replaceInStrings(QStringLiteral(" "), QString(Unbreakable));
    return items.join(QStringLiteral(", "));
}

QString entriesText(const Entries &entries)
{
    QStringList texts;
    for (const std::string &entry : entries)
        texts << QString::fromStdString(entry);
    return unbroken(texts);
}

QString explained(const char *text)
{
    return QString(Indent, QLatin1Char(' ')) + wrap(QCoreApplication::translate(ExplanationContext, text), Indent, Indent);
}

} // namespace

QString settingsHelp()
{
    QString out = CommandLine::tr("The settings by their key for --set and settings files, "
                                                          "with their caption; the entries each model offers (* marks "
                                                          "the factory setting); what they do.");
    out = wrap(out, 0);
    const qsizetype modelCount = qsizetype(escModels().size());
    for (int k = int(SettingKey::Brake); k <= int(SettingKey::AccelerationDelay); ++k) {
        const auto key = SettingKey(k);
        out += QStringLiteral("\n%1 (%2)\n").arg(QString::fromLatin1(settingKeyName(key)),
                                                QString::fromStdString(keyCaption(key)));
        QStringList shownEntries;
        // The nickel cutoff list is the same on every model; the lithium one follows the model.
        for (const bool nickel : key == SettingKey::Cutoff ? std::vector<bool>{false, true} : std::vector<bool>{false}) {
            for (const auto &[models, entries] : entriesByModel(key, nickel)) {
                const QString who = models.size() == modelCount
                        //: Stands before a setting's entries where every model offers them, in place of the models' names.
                        ? (nickel ? CommandLine::tr("every model, battery Ni")
                                  //: Stands before a setting's entries where every model offers them, in place of the models' names.
                                  : CommandLine::tr("every model"))
                        : unbroken(models);
                out += QStringLiteral("  ")
                        + wrap(QStringLiteral("%1: %2").arg(who, entriesText(entries)), Indent, 2).replace(Unbreakable, QLatin1Char(' '));
                for (const std::string &entry : entries)
                    shownEntries << QString::fromStdString(entry);
            }
        }
        out += explained(settingExplanation(key));
        QStringList told;
        for (const QString &entry : std::as_const(shownEntries)) {
            const std::string bare = QString(entry).remove(QLatin1Char('*')).toStdString();
            const char *text = entryExplanation(key, bare);
            if (!text || told.contains(QString::fromStdString(bare)))
                continue;
            told << QString::fromStdString(bare);
            out += QString(Indent, QLatin1Char(' '))
                    + wrap(QStringLiteral("%1: %2").arg(QString::fromStdString(bare),
                                                        QCoreApplication::translate(ExplanationContext, text)),
                           Indent + 2, Indent);
        }
    }
    return out;
}

} // namespace orvesc::cli
