#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace orvesc {

// The languages OrvESC ships, as locale names ("de", "pt_BR"...), English first: English needs no
// translation file and is always there.
QStringList shippedLanguages();

// A language's own name for itself ("Deutsch", "日本語"), for the Language menu.
QString nativeLanguageName(const QString &language);

// The shipped language that best matches a list of UI languages in order of preference
// ("de-DE", "pt-BR"...), or "en" when none matches.
QString matchLanguage(const QStringList &uiLanguages);

// The language a command-line tool follows: LC_ALL, else LC_MESSAGES, else LANG, as gettext
// does; "C", "POSIX" and unset mean English.
QString commandLineLanguage();

// Replaces the translators of the running application with those of `language` (OrvESC's own
// texts and Qt's standard buttons); "en" removes them. Widgets receive a LanguageChange event.
// Returns false, and leaves English in place, when the language's translation cannot be loaded.
bool useLanguage(const QString &language);

// The language last put in place by useLanguage().
QString currentLanguage();

// While one lives, every text translated on this thread comes out in English: what is written to
// files and --json never depends on the language.
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

// A text worded twice: in the user's language to show, in English to keep.
struct Wording
{
    QString shown;
    QString english;
};
Wording bothWordings(const std::function<QString()> &words);

} // namespace orvesc
