#pragma once

#include "settingkeys.h"
#include "settingsdocument.h"
#include "settingsview.h"
#include "translatabletext.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvesc {

// One setting asked for: from a settings file (its key, code and text), or by name (its key and
// an entry as the list shows it, star and case optional).
struct SettingRequest
{
    SettingKey key;
    std::optional<int> code;
    std::string entry;
};
// Later requests for the same key win.
using SettingRequests = std::vector<SettingRequest>;

// The requests a settings file makes: one per setting, by code.
SettingRequests requestsOf(const SettingsDocument &document);

// One list whose shown entry applying requests would change, as the user reads it.
struct SettingChange
{
    SettingList list;
    std::string caption;
    std::string from;
    std::string to;
};

// What applying requests to the lists of a connected model would do, worked out on a copy of the
// lists with the rules running. The window's Open Settings and the command line's write and
// verify all go through here, so the same file gives the same settings everywhere.
struct ApplyPlan
{
    // Why the requests cannot be applied, or empty. A setting asked for by name that the model
    // does not offer, an entry its list lacks, or a combination that the rules would change
    // (anything else than asked for ending up changed) is refused; applying then changes nothing.
    std::string refusal;
    // The refusal to translate; `refusal` is its English.
    CatalogueText refusalText;
    // Lists whose entry changes, in list order ("BRAKE", "OFF*", "ON").
    std::vector<SettingChange> changes;
    // Settings asked for that the rules would set otherwise: the requests contradict each other.
    std::vector<SettingList> undone;
    // The file's settings that the model does not offer ("BATTERY: 12S Li"); they keep their
    // choice.
    std::vector<std::string> notOffered;
};

// `view` shows the model's lists (after CONNECT, perhaps changed by the user since). `reported`,
// where known, is what the ESC reported: a new battery then keeps the ESC's cutoff of that family
// unless a cutoff is asked for.
ApplyPlan planApply(SettingsView &view, int escType, const SettingRequests &requests,
                    const std::array<std::int16_t, 12> *reported = nullptr);

// Selects what planApply worked out, through ChoiceList::select so the lists' handlers run, in an
// order in which no rule has anything to say about an allowed combination. Only lists whose
// entry changes are touched. Call it only for a plan without refusal.
void applyRequests(SettingsView &view, int escType, const SettingRequests &requests,
                   const std::array<std::int16_t, 12> *reported = nullptr);

// "BRAKE: OFF* -> ON", one per line (character 13 between lines).
std::string describeChanges(const std::vector<SettingChange> &changes);

// The model's name, "QUORL R9 12S", or "model code 185" for a code without one.
std::string modelName(int escType);
CatalogueText modelNameText(int escType);
// What a setting is called wherever it stands: "WARN VOLTAGE" for the warn voltage even on a
// model whose list offers the frequency.
std::string keyCaption(SettingKey key);
// The entry of a list that a typed text names: the same letters in any case, the star and spaces
// optional; -1 when none does.
int entryNamed(const ChoiceList &list, const std::string &text);

} // namespace orvesc
