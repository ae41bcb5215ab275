#pragma once

#include "translatable.h"

#include <string>
#include <vector>

namespace orvesc {

// The contexts of the catalogue's reasons (Qt's lupdate needs them spelled out in each
// QT_TRANSLATE_NOOP; these name the same contexts for the code that builds the texts).
inline constexpr const char *SettingsFileContext = "SettingsFile";
inline constexpr const char *SettingsApplyContext = "SettingsApply";
inline constexpr const char *SettingsCompareContext = "SettingsCompare";

// A text a person reads, kept apart from its arguments until it is shown, so that a front end can
// translate the whole clause (QCoreApplication::translate(context, format)) and put the arguments
// where the translation wants them. A text without context is plain: a key, an entry, a number or
// a name, shown as it stands; a format's arguments are texts too, so a clause can hold another.
struct CatalogueText
{
    std::string context;
    // "%1".."%9" stand for the arguments in any order.
    std::string format;
    std::vector<CatalogueText> arguments;

    CatalogueText() = default;
    // A plain text: never translated, "%1" in it is no placeholder. Implicit, so that plain
    // arguments stand in a format's braced list as they are.
    // cppcheck-suppress noExplicitConstructor
    CatalogueText(std::string plain);
    // cppcheck-suppress noExplicitConstructor
    CatalogueText(const char *plain);
    // `format` as QT_TRANSLATE_NOOP marks it, with its arguments.
    CatalogueText(const char *context, const char *format, std::vector<CatalogueText> arguments = {});

    bool empty() const { return context.empty() && format.empty(); }
    // The text in English, arguments in place.
    std::string english() const;
};

// Puts arguments into a format in one pass, so that an argument holding "%2" (a key typed into a
// file) stays as it is. UTF-8 in and out; session/ runs translations through it too.
std::string substituted(const std::string &format, const std::vector<std::string> &arguments);

} // namespace orvesc
