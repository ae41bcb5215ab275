#pragma once

#include <QString>

#include <string>

class QAction;
class QObject;
class QWidget;

namespace orvesc {

// The window's fixed texts are kept as their English source and context on the control itself, so
// that a change of language sets each one again without a second list of captions to keep in step.
inline constexpr const char *WindowContext = "Window";

// Shows `source` translated in `context` as the control's caption (a label's or button's text, a
// frame's title, an action's text) and keeps the source for retranslateTexts().
void setSourceText(QObject *control, const char *context, const QString &source);
void setSourceText(QObject *control, const char *source);

// The English source of a control's caption, empty when it has none.
QString sourceText(const QObject *control);

// Sets every kept caption under `root` (its children and their actions) in the current language.
void retranslateTexts(QObject *root);

// A list entry as the window shows it: words translated, numbers and units as they are, the
// factory star kept at its place.
QString displayEntry(const std::string &entry);

} // namespace orvesc
