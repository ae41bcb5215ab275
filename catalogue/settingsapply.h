#pragma once

#include "settingsdocument.h"
#include "settingsview.h"

#include <string>
#include <vector>

namespace orvesc {

// One list whose shown entry a document would change, as the user reads it.
struct SettingChange
{
    SettingList list;
    std::string caption;
    std::string from;
    std::string to;
};

// What applying a document to the lists of a connected model would do, worked out on a copy of
// the lists with the interlock rules running, so it includes what the rules change in turn.
struct ApplyPlan
{
    int fileModel = 0;
    int escType = 0;
    std::vector<SettingChange> changes;
    // The file's settings the model's lists do not offer, "BATTERY: 12S Li", in list order.
    std::vector<std::string> notOffered;

    bool otherModel() const { return fileModel != escType; }
};

ApplyPlan planApply(SettingsView &view, int escType, const SettingsDocument &document);

// Selects the document's settings in the view, in the order of show_Config, through
// ChoiceList::select so the lists' handlers and their rules run; only lists whose entry changes
// are touched, and what the model does not offer keeps its selection. Returns the settings not
// offered, as planApply names them.
std::vector<std::string> applyDocument(SettingsView &view, int escType,
                                       const SettingsDocument &document);

// "BRAKE: OFF* -> ON", one per line (character 13 between lines).
std::string describeChanges(const std::vector<SettingChange> &changes);

} // namespace orvesc
