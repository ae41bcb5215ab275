#include "settingsdocument.h"

#include "commandcodes.h"
#include "escprotocol.h"
#include "modeltable.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <initializer_list>
#include <set>

namespace orvesc {

namespace {

using Json = nlohmann::json;

// Deeper than any settings file nests; deeper input is refused before it is built.
constexpr std::size_t DepthLimit = 16;

std::string quotedText(std::string_view text)
{
    // dump() escapes what a message must not carry raw (quotes, control characters).
    return Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

// First pass over the bytes: JSON syntax, keys repeated inside one object and nesting depth,
// which a parsed value can no longer tell.
class SyntaxCheck : public nlohmann::json_sax<Json>
{
public:
    explicit SyntaxCheck(std::string_view bytes)
        : m_bytes(bytes)
    {
    }

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t &) override { return true; }
    bool string(string_t &) override { return true; }
    bool binary(binary_t &) override { return true; }
    bool start_object(std::size_t) override
    {
        m_keys.emplace_back();
        return deepEnough();
    }
    bool key(string_t &name) override
    {
        if (m_keys.back().insert(name).second)
            return true;
        error = "the key " + quotedText(name) + " appears twice in one place";
        return false;
    }
    bool end_object() override
    {
        m_keys.pop_back();
        return true;
    }
    bool start_array(std::size_t) override
    {
        m_keys.emplace_back();
        return deepEnough();
    }
    bool end_array() override
    {
        m_keys.pop_back();
        return true;
    }
    bool parse_error(std::size_t position, const std::string &,
                     const nlohmann::detail::exception &) override
    {
        if (position >= m_bytes.size())
            error = "it ends before its JSON text does (the file is cut short)";
        else
            error = "it is not JSON text (error at " + place(position) + ")";
        return false;
    }

    std::string error;

private:
    // "line 3, column 14" of the character the parser stopped at (`position` counts the bytes it
    // read, that one included); an editor counts columns in characters, not UTF-8 bytes.
    std::string place(std::size_t position) const
    {
        const std::size_t at = position > 0 ? position - 1 : 0;
        const std::size_t newline = at == 0 ? std::string_view::npos : m_bytes.rfind('\n', at - 1);
        const std::size_t lineStart = newline == std::string_view::npos ? 0 : newline + 1;
        const auto line = std::count(m_bytes.begin(), m_bytes.begin() + std::ptrdiff_t(lineStart), '\n') + 1;
        const auto column = std::count_if(m_bytes.begin() + std::ptrdiff_t(lineStart),
                                          m_bytes.begin() + std::ptrdiff_t(at) + 1,
                                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
        return "line " + std::to_string(line) + ", column " + std::to_string(column);
    }

    bool deepEnough()
    {
        if (m_keys.size() <= DepthLimit)
            return true;
        error = "it nests values deeper than a settings file does";
        return false;
    }

    std::string_view m_bytes;
    std::vector<std::set<std::string>> m_keys;
};

DocumentResult failed(std::string error)
{
    return { std::nullopt, std::move(error), {} };
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

std::string unknownKey(const std::string &key, const std::string &where)
{
    return "unknown key " + quotedText(key) + where + " is ignored";
}

// Names the keys of an object the reader does not read; `where` follows the key in the warning.
void warnOfUnknownKeys(const Json &object, std::initializer_list<std::string_view> known,
                       const std::string &where, std::vector<std::string> &warnings)
{
    for (const auto &item : object.items()) {
        if (std::find(known.begin(), known.end(), item.key()) == known.end())
            warnings.push_back(unknownKey(item.key(), where));
    }
}

// Validates one setting of a file against the model's list for it; `nickel`: the cutoff list of
// a Ni battery, `family` says so in a refusal.
std::string readSetting(const Json &value, const std::string &key, SettingList which, int modelCode,
                        bool nickel, const std::string &family, DocumentSetting &out,
                        std::vector<std::string> &warnings)
{
    const std::string name = quotedText(key);
    if (!value.is_object())
        return "the setting " + name + " is not an object with \"code\" and \"text\"";
    warnOfUnknownKeys(value, { "code", "text" }, " in the setting " + name, warnings);
    const auto code = value.find("code");
    if (code == value.end())
        return "the setting " + name + " has no \"code\"";
    if (!code->is_number_integer() || code->get<std::int64_t>() < 0
        || code->get<std::int64_t>() > 255)
        return "the setting " + name + " has code " + code->dump()
            + ", not a whole number from 0 to 255";
    out.code = code->get<int>();
    const std::optional<std::string> entry = entryForCode(which, modelCode, nickel, out.code);
    if (!entry)
        return "the setting " + name + " has code " + std::to_string(out.code)
            + ", which is no " + settingCaption(which, modelCode) + " entry of "
            + modelLabel(modelCode) + (which == SettingList::LVC ? family : std::string());
    const auto text = value.find("text");
    if (text == value.end() || !text->is_string())
        return "the setting " + name + " has no \"text\"; its code " + std::to_string(out.code)
            + " stands for " + quotedText(*entry);
    const std::string typed = text->get<std::string>();
    if (entryForm(typed) != entryForm(*entry))
        return "the setting " + name + " has text " + quotedText(typed) + " but its code "
            + std::to_string(out.code) + " stands for " + quotedText(*entry)
            + "; correct the text or the code";
    out.text = *entry;
    return {};
}

// " with a Ni battery": which cutoff list a refused cutoff code was looked up in.
std::string familyText(const char *how, bool nickel)
{
    return std::string(" ") + how + (nickel ? " a Ni battery" : " a Li battery");
}

DocumentResult readDocument(const Json &root)
{
    std::vector<std::string> warnings;
    const std::string notOurs = "it is not an OrvESC settings file";
    if (!root.is_object())
        return failed(notOurs + " (its JSON text is no object)");
    const auto format = root.find("format");
    if (format == root.end() || !format->is_string())
        return failed(notOurs + " (it has no \"format\")");
    if (format->get<std::string>() != SettingsFormatName)
        return failed(notOurs + " (its format is " + quotedText(format->get<std::string>())
                      + ", not \"" + SettingsFormatName + "\")");
    const auto version = root.find("version");
    if (version == root.end() || !version->is_number_integer() || version->get<std::int64_t>() < 1)
        return failed("its \"version\" is missing or not a whole number from 1 up");
    if (version->get<std::int64_t>() > SettingsFormatVersion)
        return failed("it has format version " + version->dump() + ", newer than the version "
                      + std::to_string(SettingsFormatVersion)
                      + " this OrvESC reads; open it with a newer OrvESC");
    warnOfUnknownKeys(root, { "format", "version", "model", "settings" }, {}, warnings);

    const auto model = root.find("model");
    if (model == root.end() || !model->is_object())
        return failed("it names no \"model\"");
    const auto code = model->find("code");
    if (code == model->end() || !code->is_number_integer())
        return failed("its model has no whole-number \"code\"");
    const EscModel *known = code->get<std::int64_t>() >= 0 && code->get<std::int64_t>() <= 255
        ? findEscModel(code->get<int>())
        : nullptr;
    if (!known)
        return failed("its model code " + code->dump() + " is not a model this tool knows");
    warnOfUnknownKeys(*model, { "code", "name" }, " in \"model\"", warnings);

    SettingsDocument document;
    document.modelCode = known->code;
    document.modelName = known->name;
    const auto settings = root.find("settings");
    if (settings == root.end() || !settings->is_object())
        return failed("it has no \"settings\" object");
    const std::vector<SettingKey> keys = modelKeys(document.modelCode);
    for (const auto &item : settings->items()) {
        const auto key = settingKeyFromName(item.key());
        if (!key && item.key() != OtherCutoffKey)
            warnings.push_back(unknownKey(item.key(), {}));
        if (key && std::find(keys.begin(), keys.end(), *key) == keys.end())
            return failed("it holds the setting " + quotedText(item.key()) + ", which "
                          + modelLabel(document.modelCode) + " does not have");
    }
    int batteryCode = 0;
    for (SettingKey key : keys) {
        const auto value = settings->find(settingKeyName(key));
        if (value == settings->end())
            return failed("the setting " + quotedText(settingKeyName(key)) + " is missing");
        DocumentSetting setting{ key, 0, {} };
        const bool nickel = batteryCode == codebase::BatteryNickel;
        std::string error = readSetting(*value, settingKeyName(key), listOfKey(key),
                                        document.modelCode, nickel, familyText("with", nickel), setting,
                                        warnings);
        if (!error.empty())
            return failed(std::move(error));
        if (key == SettingKey::Battery)
            batteryCode = setting.code;
        document.settings.push_back(std::move(setting));
    }
    const auto other = settings->find(OtherCutoffKey);
    if (other != settings->end()) {
        if (!document.find(SettingKey::Cutoff))
            return failed("it holds the setting " + quotedText(OtherCutoffKey) + ", which "
                          + modelLabel(document.modelCode) + " does not have");
        // The family the battery does not use.
        const bool nickel = batteryCode != codebase::BatteryNickel;
        DocumentSetting setting{ SettingKey::Cutoff, 0, {} };
        std::string error = readSetting(*other, OtherCutoffKey, SettingList::LVC, document.modelCode,
                                        nickel, familyText("for", nickel), setting, warnings);
        if (!error.empty())
            return failed(std::move(error));
        document.otherCutoff = std::move(setting);
    }
    return { std::move(document), {}, std::move(warnings) };
}

// A document of a named model from one code per list; `codeOf` gives nullopt for a list
// without a selection.
template<typename CodeOf>
DocumentResult buildDocument(int escType, CodeOf codeOf, const std::string &unshowable)
{
    const EscModel *model = findEscModel(escType);
    if (!model)
        return failed("the model code " + std::to_string(escType)
                      + " is not one the tool knows by name, so no settings file can hold it");
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
            return failed(settingCaption(which, escType) + unshowable + std::to_string(*code));
        if (key == SettingKey::Battery)
            nickel = *code == codebase::BatteryNickel;
        document.settings.push_back({ key, *code, *entry });
    }
    if (!missing.empty()) {
        std::string names;
        for (const std::string &caption : missing)
            names += (names.empty() ? "" : ", ") + caption;
        return failed("no choice is selected for " + names);
    }
    return { std::move(document), {}, {} };
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
        return failed("it is larger than 64 KiB (" + std::to_string(bytes.size())
                      + " bytes), far too large for a settings file");
    SyntaxCheck check(bytes);
    if (!Json::sax_parse(bytes.begin(), bytes.end(), &check))
        return failed(check.error.empty() ? "it is not JSON text" : check.error);
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
        " shows an entry that stands for no code of this model: ");
}

DocumentResult documentFromReport(int escType, const std::array<std::int16_t, 12> &escConfig)
{
    // The reported record carries both cutoffs; the one of the reported battery counts.
    DocumentResult result = buildDocument(
        escType,
        [&escConfig](SettingList which, bool nickel) -> std::optional<int> {
            return escConfig[reportedElement(which, nickel)];
        },
        ": the ESC reported code ");
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
