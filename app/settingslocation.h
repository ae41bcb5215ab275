#pragma once

namespace orvesc {

// Where the window keeps its remembered choices (QSettings()): under the maker's name and the
// domain of the application id, then the values a version without an organisation name left in
// "Unknown Organization", carried over once. Call after the application's name is set.
void settleSettingsLocation();

} // namespace orvesc
