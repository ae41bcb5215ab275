#include "clilanguage.h"

#include <QCoreApplication>
#include <QTranslator>

namespace orvesc::cli {

namespace {

thread_local bool g_english = false;

// Searched before the language's own translators, since it is installed after them.
class EnglishOverride : public QTranslator
{
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        Q_UNUSED(context)
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        return g_english ? QString::fromUtf8(sourceText) : QString();
    }
};

} // namespace

void keepJsonEnglish()
{
    QCoreApplication::installTranslator(new EnglishOverride(QCoreApplication::instance()));
}

EnglishScope::EnglishScope()
    : m_outer(!g_english)
{
    g_english = true;
}

EnglishScope::~EnglishScope()
{
    if (m_outer)
        g_english = false;
}

Wording bothWordings(const std::function<QString()> &words)
{
    Wording wording;
    wording.shown = words();
    const EnglishScope english;
    wording.english = words();
    return wording;
}

QString counted(qsizetype count, const char *one, const char *many)
{
    return CommandLine::tr(count == 1 ? one : many, nullptr, int(count));
}

} // namespace orvesc::cli
