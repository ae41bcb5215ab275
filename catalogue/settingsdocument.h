#pragma once

#include "escrecords.h"
#include "settingkeys.h"
#include "settingsview.h"
#include "translatabletext.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvesc {

// What identifies a settings file; a reader refuses other names and newer versions.
inline constexpr const char *SettingsFormatName = "orvesc-settings";
inline constexpr int SettingsFormatVersion = 1;
// A settings file is about one kilobyte; anything this large is not one.
inline constexpr std::size_t SettingsFileSizeLimit = std::size_t{ 64 } * 1024;
inline constexpr const char *SettingsFileSuffix = ".orvesc.json";
// The key of SettingsDocument::otherCutoff beside the settings; readers before it ignore it.
inline constexpr const char *OtherCutoffKey = "other_cutoff";

// One setting of a document: the command code counts, the text is for people reading the file.
struct DocumentSetting
{
    SettingKey key;
    int code;
    std::string text;
};

// The settings of one ESC model, as a settings file holds them: one entry per key of the model,
// in the order of the lists.
struct SettingsDocument
{
    int modelCode = 0;
    std::string modelName;
    std::vector<DocumentSetting> settings;
    // The cutoff of the battery family not in use (key Cutoff), as the ESC reported it: the ESC
    // keeps both, the lists show one, so backups carry it and applying a document leaves it out.
    std::optional<DocumentSetting> otherCutoff;

    const DocumentSetting *find(SettingKey key) const;
};

// A document, or why there is none: a phrase such as "the setting \"brake\" is missing" that a
// caller puts after the file's name. A document read from a file may come with warnings, phrases
// such as "unknown key \"brakes\" is ignored": a hand-made typo would otherwise pass unseen.
// `error` and `warnings` are the English of `errorText` and `warningTexts`.
struct DocumentResult
{
    std::optional<SettingsDocument> document;
    std::string error;
    std::vector<std::string> warnings;
    CatalogueText errorText{};
    std::vector<CatalogueText> warningTexts{};

    // The error to translate; one composed outside the catalogue (a file that cannot be read)
    // has no errorText and stands as it is.
    CatalogueText reason() const { return errorText.empty() ? CatalogueText(error) : errorText; }
};

// The model's name and code, "QUORL R9 12S (183)"; "model (185)" for a code without a name.
std::string modelLabel(int escType);

// The document as UTF-8 JSON text, ending in a line break.
std::string writeSettingsDocument(const SettingsDocument &document);

// Reads and validates a settings file's bytes: a document every code of which stands for an
// entry of its model's lists, with texts naming the entries of their codes, or an error. A text
// may leave out the star or differ in case and spacing ("on" for "ON", "OFF" for "OFF*"); the
// document holds the entry's own text. Unknown keys are ignored and named in the warnings.
DocumentResult readSettingsDocument(std::string_view bytes);

// What the lists show for a connected model. Refuses a model the catalogue does not name (no
// reader would take its file) and lists without a selection (named by their captions).
DocumentResult documentFromView(SettingsView &view, int escType);

// The settings an ESC reported (EscConfig as the settings read filled it): the cutoff of the
// reported battery's family, the acceleration delay where the model has one, and the other
// family's cutoff where an entry stands for its code. Refuses an unnamed model and settings
// codes no entry stands for.
DocumentResult documentFromReport(int escType, const std::array<std::int16_t, 12> &escConfig);

} // namespace orvesc
