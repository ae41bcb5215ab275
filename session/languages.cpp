#include "languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <array>
#include <memory>

namespace orvesc {

namespace {

struct Language
{
    const char *code;
    const char *nativeName;
};

// The order of the Language menu: English, then the others by code.
const std::array<Language, 11> Languages{{
    {"en", "English"},
    {"cs", "Čeština"},
    {"de", "Deutsch"},
    {"es", "Español"},
    {"fr", "Français"},
    {"it", "Italiano"},
    {"ja", "日本語"},
    {"pl", "Polski"},
    {"pt_BR", "Português (Brasil)"},
    {"ru", "Русский"},
    {"zh_CN", "简体中文"},
}};

QString g_current = QStringLiteral("en");
thread_local bool g_english = false;

// Steps aside inside an EnglishScope, so that the source text, English, comes through.
class ScopedTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        return g_english ? QString() : QTranslator::translate(context, sourceText, disambiguation, n);
    }
};

std::unique_ptr<QTranslator> g_own;
std::unique_ptr<QTranslator> g_qt;

// "pt-BR", "pt_BR.UTF-8", "de_DE@euro" -> "pt_BR", "pt_BR", "de_DE"
QString normalised(QString name)
{
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    const qsizetype cut = name.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    return cut < 0 ? name : name.left(cut);
}

} // namespace

QStringList shippedLanguages()
{
    QStringList codes;
    for (const Language &language : Languages)
        codes << QLatin1String(language.code);
    return codes;
}

QString nativeLanguageName(const QString &language)
{
    for (const Language &known : Languages) {
        if (language == QLatin1String(known.code))
            return QString::fromUtf8(known.nativeName);
    }
    return language;
}

QString matchLanguage(const QStringList &uiLanguages)
{
    const QStringList shipped = shippedLanguages();
    for (const QString &wanted : uiLanguages) {
        QString name = normalised(wanted);
        if (shipped.contains(name))
            return name;
        // "de_AT" takes German; "pt_PT" and "zh_TW" take nothing rather than a neighbour's script
        // or spelling they did not ask for.
        QString base = name.section(QLatin1Char('_'), 0, 0);
        if (shipped.contains(base))
            return base;
    }
    return QStringLiteral("en");
}

QString commandLineLanguage()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (value.isEmpty())
            continue;
        if (value == QLatin1String("C") || value.startsWith(QLatin1String("C."))
            || value == QLatin1String("POSIX"))
            return QStringLiteral("en");
        return matchLanguage({value});
    }
    return QStringLiteral("en");
}

bool useLanguage(const QString &language)
{
    std::unique_ptr<QTranslator> own = std::make_unique<ScopedTranslator>();
    std::unique_ptr<QTranslator> qt = std::make_unique<ScopedTranslator>();
    if (language != QLatin1String("en")) {
        if (!own->load(QStringLiteral(":/i18n/orvesc_%1.qm").arg(language))) {
            useLanguage(QStringLiteral("en"));
            return false;
        }
        // Qt's own texts (the standard buttons' OK, Cancel...): from the program's resources, where
        // the build put them, else from the system's Qt.
        if (!qt->load(QStringLiteral(":/i18n/qtbase_%1.qm").arg(language)))
            qt->load(QStringLiteral("qtbase_%1").arg(language), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    for (std::unique_ptr<QTranslator> *old : {&g_own, &g_qt}) {
        if (*old)
            QCoreApplication::removeTranslator(old->get());
    }
    g_own.reset();
    g_qt.reset();
    if (language != QLatin1String("en")) {
        if (!qt->isEmpty())
            QCoreApplication::installTranslator(qt.get());
        QCoreApplication::installTranslator(own.get());
        g_own = std::move(own);
        g_qt = std::move(qt);
    }
    g_current = language;
    return true;
}

QString currentLanguage()
{
    return g_current;
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

} // namespace orvesc
