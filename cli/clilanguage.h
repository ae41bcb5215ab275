#pragma once

#include "languages.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

namespace orvesc::cli {

// The command line's own texts, translated in the context "CommandLine": CommandLine::tr().
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// EnglishScope, Wording and bothWordings, which keep --json English, live with the languages.
using orvesc::bothWordings;
using orvesc::EnglishScope;
using orvesc::Wording;

// One of two English source texts marked with QT_TRANSLATE_N_NOOP in "CommandLine", by `count`,
// translated with %n set to it: English needs no translation file for its singular, and each text
// carries every plural form a language has.
QString counted(qsizetype count, const char *one, const char *many);

} // namespace orvesc::cli
