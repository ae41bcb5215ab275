#pragma once

namespace orvesc {

// The entries of the setting lists that are words rather than numbers with a unit, as the lists
// show them without the factory star, ended by nullptr. The lists hand out these English texts;
// the front ends translate them in EntryContext for display.
const char *const *entryWords();

} // namespace orvesc
