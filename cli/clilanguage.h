#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

namespace orvesc::cli {

// The command line's own texts, translated in the context "CommandLine": CommandLine::tr().
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// What --json prints stays English in every language: installed over the language's
// translators, this answers every text with its English source on a thread that holds an
// EnglishScope. Call it after useLanguage() has put a language other than English in place.
void keepJsonEnglish();

// While one lives, the texts translated on this thread come out in English.
class EnglishScope
{
public:
    EnglishScope();
    ~EnglishScope();
    EnglishScope(const EnglishScope &) = delete;
    EnglishScope &operator=(const EnglishScope &) = delete;

private:
    bool m_outer;
};

// A text worded twice: in the user's language for the terminal, in English for --json.
struct Wording
{
    QString shown;
    QString english;
};
Wording bothWordings(const std::function<QString()> &words);

// One of two English source texts marked with QT_TRANSLATE_N_NOOP in "CommandLine", by `count`,
// translated with %n set to it: English needs no translation file for its singular, and each text
// carries every plural form a language has.
QString counted(qsizetype count, const char *one, const char *many);

} // namespace orvesc::cli
