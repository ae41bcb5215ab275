#pragma once

#include <QString>

namespace orvesc::cli {

// `orvesc-cli help settings`: every setting key with its caption, the entries each model offers
// (models that offer the same entries on one line, the factory star kept) and what the setting
// and some of its entries do, in the user's language.
QString settingsHelp();

} // namespace orvesc::cli
