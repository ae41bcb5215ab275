#include "settingsdocument.h"

#include "commandcodes.h"
#include "escprotocol.h"
#include "modeltable.h"
#include "settingsfilesyntax.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <initializer_list>

namespace orvesc {

namespace {

using Json = nlohmann::json;
using settingsfile::fileText;
using settingsfile::quotedText;

DocumentResult failed(CatalogueText error)
{
    std::string english = error.english();
    return { std::nullopt, std::move(english), {}, std::move(error), {} };
}

DocumentResult succeeded(SettingsDocument document, std::vector<CatalogueText> warnings = {})
{
    std::vector<std::string> english;
    english.reserve(warnings.size());
    for (const CatalogueText &warning : warnings)
        english.push_back(warning.english());
    return { std::move(document), {}, std::move(english), {}, std::move(warnings) };
}

// A text as people type an entry by hand: the star of the factory choice left out, case and
// runs of spaces not counted. No list holds two entries that differ only in these.
std::string entryForm(std::string_view text)
{
    std::string form;
    for (const char c : text) {
        const bool space = c == ' ' || c == '\t';
        if (space && (form.empty() || form.back() == ' '))
            continue;
        form += space ? ' ' : (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    }
    for (const char end : { ' ', '*', ' ' }) {
        if (!form.empty() && form.back() == end)
            form.pop_back();
    }
    return form;
}

// Where an unknown key stands; `setting` names the setting it is in.
enum class KeyPlace { File, Model, Setting };

CatalogueText unknownKey(const std::string &key, KeyPlace place, const std::string &setting = {})
{
    if (place == KeyPlace::File)
        //: %1 is a JSON key in quotes.
        return fileText(QT_TRANSLATE_NOOP("SettingsFile", "unknown key %1 is ignored"), { quotedText(key) });
    if (place == KeyPlace::Model)
        return fileText(QT_TRANSLATE_NOOP("SettingsFile", "unknown key %1 in \"model\" is ignored"),
                        { quotedText(key) });
    //: %1 is a JSON key in quotes, %2 the setting's key in quotes ("brake").
    return fileText(QT_TRANSLATE_NOOP("SettingsFile", "unknown key %1 in the setting %2 is ignored"),
                    { quotedText(key), quotedText(setting) });
}

// Names the keys of an object the reader does not read.
void warnOfUnknownKeys(const Json &object, std::initializer_list<std::string_view> known, KeyPlace place,
                       const std::string &setting, std::vector<CatalogueText> &warnings)
{
    for (const auto &item : object.items()) {
        if (std::find(known.begin(), known.end(), item.key()) == known.end())
            warnings.push_back(unknownKey(item.key(), place, setting));
    }
}

// The model's name and code, or "model (185)" for a code without a name.
CatalogueText modelLabelText(int escType)
{
    if (findEscModel(escType))
        return modelLabel(escType);
    //: A model of ESC the tool has no name for; %1 is its code.
    return fileText(QT_TRANSLATE_NOOP("SettingsFile", "model (%1)"), { std::to_string(escType) });
}

// Which cutoff list a file's cutoff code is looked up in: none for other lists, the battery's
// family for the cutoff, the other family for the other cutoff.
enum class Family { None, WithBattery, ForOther };

// "the setting "cutoff" has code 49, which is no CUTOFF V/CELL entry of QUORL R9 12S (183) with a
// Li battery".
CatalogueText noEntry(const std::string &name, int code, SettingList which, int modelCode, Family family,
                      bool nickel)
{
    std::vector<CatalogueText> arguments{ name, std::to_string(code), settingCaption(which, modelCode),
                                          modelLabelText(modelCode), nickel ? "Ni" : "Li" };
    if (family == Family::None || which != SettingList::LVC)
        //: %1 is the setting's key in quotes, %2 a number, %3 the setting's caption, %4 the model.
        return fileText(QT_TRANSLATE_NOOP("SettingsFile", "the setting %1 has code %2, which is no %3 entry of %4"),
                        std::move(arguments));
    if (family == Family::WithBattery)
        //: %5 is the battery's chemistry, Li or Ni.
        return fileText(QT_TRANSLATE_NOOP("SettingsFile",
                                          "the setting %1 has code %2, which is no %3 entry of %4 with a %5 battery"),
                        std::move(arguments));
    //: The cutoff kept for the battery family not in use; %5 is that family's chemistry, Li or Ni.
    return fileText(QT_TRANSLATE_NOOP("SettingsFile",
                                      "the setting %1 has code %2, which is no %3 entry of %4 for a %5 battery"),
                    std::move(arguments));
}

// Validates one setting of a file against the model's list for it; `nickel`: the cutoff list of
// a Ni battery, `family` says which in a refusal.
CatalogueText readSetting(const Json &value, const std::string &key, SettingList which, int modelCode,
                          bool nickel, Family family, DocumentSetting &out, std::vector<CatalogueText> &warnings)
{
    const std::string name = quotedText(key);
    if (!value.is_object())
        //: %1 is the setting's key in quotes; "code" and "text" are the file's keys.
        return fileText(QT_TRANSLATE_NOOP("SettingsFile", "the setting %1 is not an object with \"code\" and \"text\""),
                        { name });
    warnOfUnknownKeys(value, { "code", "text" }, KeyPlace::Setting, key, warnings);
    const auto code = value.find("code");
    if (code == value.end())
        return fileText(QT_TRANSLATE_NOOP("SettingsFile", "the setting %1 has no \"code\""), { name });
    if (!code->is_number_integer() || code->get<std::int64_t>() < 0
        || code->get<std::int64_t>() > 255)
        //: %2 is the code as the file holds it.
        return fileText(QT_TRANSLATE_NOOP("SettingsFile",
                                          "the setting %1 has code %2, not a whole number from 0 to 255"),
                        { name, code->dump() });
    out.code = code->get<int>();
    const std::optional<std::string> entry = entryForCode(which, modelCode, nickel, out.code);
    if (!entry)
        return noEntry(name, out.code, which, modelCode, family, nickel);
    const auto text = value.find("text");
    if (text == value.end() || !text->is_string())
        //: %2 is a number, %3 the list's entry in quotes.
        return fileText(QT_TRANSLATE_NOOP("SettingsFile", "the setting %1 has no \"text\"; its code %2 stands for %3"),
                        { name, std::to_string(out.code), quotedText(*entry) });
    const std::string typed = text->get<std::string>();
    if (entryForm(typed) != entryForm(*entry))
        //: %2 is the text the file holds, %3 a number, %4 the list's entry; both texts in quotes.
        return fileText(QT_TRANSLATE_NOOP("SettingsFile", "the setting %1 has text %2 but its code %3 stands for %4; "
                                                          "correct the text or the code"),
                        { name, quotedText(typed), std::to_string(out.code), quotedText(*entry) });
    out.text = *entry;
    return {};
}

// "it holds the setting "acceleration_delay", which QUORL R5 3S (38) does not have".
CatalogueText settingNotOfModel(const std::string &key, int modelCode)
{
    //: %1 is the setting's key in quotes, %2 the model.
    return fileText(QT_TRANSLATE_NOOP("SettingsFile", "it holds the setting %1, which %2 does not have"),
                    { quotedText(key), modelLabelText(modelCode) });
}

DocumentResult readDocument(const Json &root)
{
    std::vector<CatalogueText> warnings;
    if (!root.is_object())
        return failed(fileText(QT_TRANSLATE_NOOP("SettingsFile",
                                                 "it is not an OrvESC settings file (its JSON text is no object)")));
    const auto format = root.find("format");
    if (format == root.end() || !format->is_string())
        return failed(fileText(QT_TRANSLATE_NOOP("SettingsFile",
                                                 "it is not an OrvESC settings file (it has no \"format\")")));
    if (format->get<std::string>() != SettingsFormatName)
        //: %1 is the format the file names, %2 the one OrvESC writes, both in quotes.
        return failed(fileText(QT_TRANSLATE_NOOP("SettingsFile",
                                                 "it is not an OrvESC settings file (its format is %1, not %2)"),
                               { quotedText(format->get<std::string>()), quotedText(SettingsFormatName) }));
    const auto version = root.find("version");
    if (version == root.end() || !version->is_number_integer() || version->get<std::int64_t>() < 1)
        return failed(fileText(QT_TRANSLATE_NOOP("SettingsFile",
                                                 "its \"version\" is missing or not a whole number from 1 up")));
    if (version->get<std::int64_t>() > SettingsFormatVersion)
        //: %1 is the file's format version, %2 the newest this OrvESC reads.
        return failed(fileText(QT_TRANSLATE_NOOP("SettingsFile", "it has format version %1, newer than the version %2 "
                                                                 "this OrvESC reads; open it with a newer OrvESC"),
                               { version->dump(), std::to_string(SettingsFormatVersion) }));
    warnOfUnknownKeys(root, { "format", "version", "model", "settings" }, KeyPlace::File, {}, warnings);

    const auto model = root.find("model");
    if (model == root.end() || !model->is_object())
        return failed(fileText(QT_TRANSLATE_NOOP("SettingsFile", "it names no \"model\"")));
    const auto code = model->find("code");
    if (code == model->end() || !code->is_number_integer())
        return failed(fileText(QT_TRANSLATE_NOOP("SettingsFile", "its model has no whole-number \"code\"")));
    const EscModel *known = code->get<std::int64_t>() >= 0 && code->get<std::int64_t>() <= 255
        ? findEscModel(code->get<int>())
        : nullptr;
    if (!known)
        //: %1 is the model code the file holds.
        return failed(fileText(QT_TRANSLATE_NOOP("SettingsFile", "its model code %1 is not a model this tool knows"),
                               { code->dump() }));
    warnOfUnknownKeys(*model, { "code", "name" }, KeyPlace::Model, {}, warnings);

    SettingsDocument document;
    document.modelCode = known->code;
    document.modelName = known->name;
    const auto settings = root.find("settings");
    if (settings == root.end() || !settings->is_object())
        return failed(fileText(QT_TRANSLATE_NOOP("SettingsFile", "it has no \"settings\" object")));
    const std::vector<SettingKey> keys = modelKeys(document.modelCode);
    for (const auto &item : settings->items()) {
        const auto key = settingKeyFromName(item.key());
        if (!key && item.key() != OtherCutoffKey)
            warnings.push_back(unknownKey(item.key(), KeyPlace::File));
        if (key && std::find(keys.begin(), keys.end(), *key) == keys.end())
            return failed(settingNotOfModel(item.key(), document.modelCode));
    }
    int batteryCode = 0;
    for (SettingKey key : keys) {
        const auto value = settings->find(settingKeyName(key));
        if (value == settings->end())
            //: %1 is the setting's key in quotes.
            return failed(fileText(QT_TRANSLATE_NOOP("SettingsFile", "the setting %1 is missing"),
                                   { quotedText(settingKeyName(key)) }));
        DocumentSetting setting{ key, 0, {} };
        const bool nickel = batteryCode == codebase::BatteryNickel;
        CatalogueText error = readSetting(*value, settingKeyName(key), listOfKey(key), document.modelCode, nickel,
                                          Family::WithBattery, setting, warnings);
        if (!error.empty())
            return failed(std::move(error));
        if (key == SettingKey::Battery)
            batteryCode = setting.code;
        document.settings.push_back(std::move(setting));
    }
    const auto other = settings->find(OtherCutoffKey);
    if (other != settings->end()) {
        if (!document.find(SettingKey::Cutoff))
            return failed(settingNotOfModel(OtherCutoffKey, document.modelCode));
        // The family the battery does not use.
        const bool nickel = batteryCode != codebase::BatteryNickel;
        DocumentSetting setting{ SettingKey::Cutoff, 0, {} };
        CatalogueText error = readSetting(*other, OtherCutoffKey, SettingList::LVC, document.modelCode, nickel,
                                          Family::ForOther, setting, warnings);
        if (!error.empty())
            return failed(std::move(error));
        document.otherCutoff = std::move(setting);
    }
    return succeeded(std::move(document), std::move(warnings));
}

// A document of a named model from one code per list; `codeOf` gives nullopt for a list
// without a selection. `unshowable` says that a list's code (%2) has no entry (%1 the caption).
template<typename CodeOf>
DocumentResult buildDocument(int escType, CodeOf codeOf, const char *unshowable)
{
    const EscModel *model = findEscModel(escType);
    if (!model)
        return failed(fileText(QT_TRANSLATE_NOOP("SettingsFile", "the model code %1 is not one the tool knows by "
                                                                 "name, so no settings file can hold it"),
                               { std::to_string(escType) }));
    SettingsDocument document;
    document.modelCode = model->code;
    document.modelName = model->name;
    bool nickel = false;
    std::vector<std::string> missing;
    for (SettingKey key : modelKeys(escType)) {
        const SettingList which = listOfKey(key);
        const std::optional<int> code = codeOf(which, nickel);
        if (!code) {
            missing.push_back(settingCaption(which, escType));
            continue;
        }
        const std::optional<std::string> entry = entryForCode(which, escType, nickel, *code);
        if (!entry)
            return failed(fileText(unshowable, { settingCaption(which, escType), std::to_string(*code) }));
        if (key == SettingKey::Battery)
            nickel = *code == codebase::BatteryNickel;
        document.settings.push_back({ key, *code, *entry });
    }
    if (!missing.empty()) {
        std::string names;
        for (const std::string &caption : missing)
            names += (names.empty() ? "" : ", ") + caption;
        //: %1 lists the captions of the settings, "BRAKE, TIMING MODE".
        return failed(fileText(QT_TRANSLATE_NOOP("SettingsFile", "no choice is selected for %1"), { names }));
    }
    return succeeded(std::move(document));
}

} // namespace

std::string modelLabel(int escType)
{
    const EscModel *model = findEscModel(escType);
    return std::string(model ? model->name : "model") + " (" + std::to_string(escType) + ")";
}

const DocumentSetting *SettingsDocument::find(SettingKey key) const
{
    for (const DocumentSetting &setting : settings) {
        if (setting.key == key)
            return &setting;
    }
    return nullptr;
}

std::string writeSettingsDocument(const SettingsDocument &document)
{
    nlohmann::ordered_json settings = nlohmann::ordered_json::object();
    for (const DocumentSetting &setting : document.settings) {
        settings[settingKeyName(setting.key)] = { { "code", setting.code }, { "text", setting.text } };
        if (setting.key == SettingKey::Cutoff && document.otherCutoff)
            settings[OtherCutoffKey] = { { "code", document.otherCutoff->code },
                                         { "text", document.otherCutoff->text } };
    }
    const nlohmann::ordered_json root = {
        { "format", SettingsFormatName },
        { "version", SettingsFormatVersion },
        { "model", { { "code", document.modelCode }, { "name", document.modelName } } },
        { "settings", settings },
    };
    return root.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

DocumentResult readSettingsDocument(std::string_view bytes)
{
    if (bytes.size() > SettingsFileSizeLimit)
        //: %1 is the file's size in bytes.
        return failed(fileText(QT_TRANSLATE_NOOP("SettingsFile", "it is larger than 64 KiB (%1 bytes), far too "
                                                                 "large for a settings file"),
                               { std::to_string(bytes.size()) }));
    settingsfile::SyntaxCheck check(bytes);
    if (!Json::sax_parse(bytes.begin(), bytes.end(), &check))
        return failed(check.error.empty() ? fileText(QT_TRANSLATE_NOOP("SettingsFile", "it is not JSON text"))
                                          : check.error);
    return readDocument(Json::parse(bytes.begin(), bytes.end()));
}

DocumentResult documentFromView(SettingsView &view, int escType)
{
    return buildDocument(
        escType,
        [&view, escType](SettingList which, bool nickel) -> std::optional<int> {
            const int index = view.list(which).selectedIndex();
            if (index < 0)
                return std::nullopt;
            return commandCode(which, escType, nickel, index);
        },
        //: %1 is a setting's caption, %2 a number.
        QT_TRANSLATE_NOOP("SettingsFile", "%1 shows an entry that stands for no code of this model: %2"));
}

DocumentResult documentFromReport(int escType, const std::array<std::int16_t, 12> &escConfig)
{
    // The reported record carries both cutoffs; the one of the reported battery counts.
    DocumentResult result = buildDocument(
        escType,
        [&escConfig](SettingList which, bool nickel) -> std::optional<int> {
            return escConfig[reportedElement(which, nickel)];
        },
        //: %1 is a setting's caption, %2 a number.
        QT_TRANSLATE_NOOP("SettingsFile", "%1: the ESC reported code %2"));
    if (!result.document || !result.document->find(SettingKey::Cutoff))
        return result;
    // An ESC that never used the other family may hold any byte there; the settings still count.
    const DocumentSetting *battery = result.document->find(SettingKey::Battery);
    const bool otherNickel = !battery || battery->code != codebase::BatteryNickel;
    const int code = escConfig[reportedElement(SettingList::LVC, otherNickel)];
    if (const auto entry = entryForCode(SettingList::LVC, escType, otherNickel, code))
        result.document->otherCutoff = DocumentSetting{ SettingKey::Cutoff, code, *entry };
    return result;
}

} // namespace orvesc
