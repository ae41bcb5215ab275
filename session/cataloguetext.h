#pragma once

#include "translatabletext.h"

#include <QString>

namespace orvesc {

// A text of the catalogue in the language in place: its format translated in its context, the
// arguments put where the translation has them, nested texts translated too. Plain texts (keys,
// entries, numbers, names) stand as they are.
QString translated(const CatalogueText &text);

// A model's name as the tool shows it, or its code where the tool knows no name for it.
QString modelText(int model);

} // namespace orvesc
