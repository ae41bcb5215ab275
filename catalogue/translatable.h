#pragma once

// Marks a text of the catalogue for translation without making the catalogue depend on Qt: Qt's
// lupdate finds the texts by this macro's name, and the front ends translate them at run time
// with QCoreApplication::translate(context, text).
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace orvesc {

// The translation contexts of the catalogue's texts.
inline constexpr const char *ExplanationContext = "Explanation";
inline constexpr const char *EntryContext = "Entry";
inline constexpr const char *CaptionContext = "Caption";
inline constexpr const char *MessageContext = "Message";

//: What a list names when none of its entries is chosen.
inline constexpr const char *NoChoice = QT_TRANSLATE_NOOP("Entry", "(no choice)");

} // namespace orvesc
