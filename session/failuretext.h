#pragma once

#include "escfailure.h"

#include <QString>

namespace orvesc {

// Who shows a failure: the window in a box (character 13 breaks its lines), or the command line
// on one line of its own.
enum class FrontEnd { Window, CommandLine };

// The one table that words every failure. Empty where that front end says nothing of it: the
// window is silent about a command the ESC did not take (the unticked box says it), about a
// report whose model element is 0, and about a cancel; the command line words those in context.
QString failureText(const EscFailure &failure, FrontEnd frontEnd);

// Why backups stopped, told once: the folder and the store's words for its problem.
QString backupsOffText(const QString &folder, const QString &problem, FrontEnd frontEnd);

// The texts the window shows as they stand, for callers and tests that name them.
QString notFoundText();
QString communicationErrorText();
QString noPortText();

// A box breaks lines with CR; a terminal line, or a run's line, does not.
QString oneLine(const QString &text);

} // namespace orvesc
