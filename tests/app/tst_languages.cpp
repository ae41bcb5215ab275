// Every text of the window, the About box and the run of several ESCs whole on screen in every shipped language, every text a
// person reads passing through translation, and a change of language that keeps the lists as they are.
#include "escbench.h"
#include "frmabout.h"
#include "severalescsdialog.h"
#include "languages.h"
#include "modeltable.h"
#include "settingkeys.h"
#include "windowtexts.h"

#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QStyleOptionComboBox>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace orvesc;
using namespace orvesc::test;

namespace {

const QChar Open(0x27E6), Close(0x27E7);

// Every text lupdate found, 40 % longer and with accents, between brackets: a text on screen without
// the brackets never went through translation, or lupdate cannot see it.
class PseudoTranslator : public QTranslator
{
public:
    PseudoTranslator()
    {
        QFile file(QStringLiteral(ORVESC_TS_FILE));
        file.open(QIODevice::ReadOnly);
        QXmlStreamReader xml(&file);
        QString context;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.isStartElement() && xml.name() == QLatin1String("source"))
                m_known.insert(context + QLatin1Char('\n') + source(xml));
        }
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QString text = QString::fromUtf8(source);
        if (!m_known.contains(QString::fromUtf8(context) + QLatin1Char('\n') + text))
            return QString();
        static const QString plain = QStringLiteral("aceinorsuyACEINORSUY");
        static const QString accented = QStringLiteral("àçéîñöŕšüýÀÇÉÎÑÖŔŠÜÝ");
        QString shown;
        for (int i = 0; i < text.size(); ++i) {
            // Keeps %1 and the line breaks intact.
            const bool argument = i > 0 && text[i - 1] == QLatin1Char('%');
            const qsizetype at = argument ? -1 : plain.indexOf(text[i]);
            shown += at < 0 ? text[i] : accented[at];
        }
        return Open + shown + QString(qMax<qsizetype>(1, text.size() * 2 / 5), QLatin1Char('~')) + Close;
    }
    int count() const { return int(m_known.size()); }

private:
    // A source text, with the control characters lupdate writes as <byte value="xd"/>.
    static QString source(QXmlStreamReader &xml)
    {
        QString text;
        while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != QLatin1String("source")) {
            if (xml.isCharacters())
                text += xml.text();
            else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
                text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUShort(nullptr, 16));
            else if (xml.atEnd())
                break;
        }
        return text;
    }

    QSet<QString> m_known;
};

// Texts that are no words: model names, ports, numbers and units, the language names.
bool needsNoTranslation(const QString &text)
{
    static const QRegularExpression plain(QStringLiteral(
        R"(^(|COM\d+|[\d.]+ (V|kHz|deg)\*?|\d+S Li\*?|AC \+[\d.]+\*?|QUORL .*|Orvantis|[^\x00-\x7f].*|English|Deutsch|Español|Français|Italiano|Polski|Português \(Brasil\))$)"));
    return plain.match(text).hasMatch();
}

struct Shown
{
    QWidget *control;
    QString text;
    int needed; // pixels the text takes
    int room;   // pixels the control gives it
};

QString captionOf(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->pixmap().isNull() ? label->text() : QString();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    if (auto *frame = qobject_cast<QGroupBox *>(w))
        return frame->title();
    return {};
}

// What each visible caption needs against what its control gives it, with the style's own margins.
QList<Shown> captions(QWidget *root)
{
    QList<Shown> shown;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        // "&&" shows one ampersand, a single one underlines the next letter and takes no room.
        const QString text = QString(captionOf(w)).replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
        if (!w->isVisibleTo(root) || text.isEmpty())
            continue;
        const QFontMetrics metrics = w->fontMetrics();
        if (auto *label = qobject_cast<QLabel *>(w)) {
            const QRect room = label->contentsRect();
            const QRect needed = metrics.boundingRect(room, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), text);
            shown.append({w, text, qMax(needed.width() - room.width(), needed.height() - room.height()) + room.width(), room.width()});
        } else if (qobject_cast<QGroupBox *>(w)) {
            shown.append({w, text, metrics.horizontalAdvance(text) + 16, w->width()});
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QSize size = button->style()->sizeFromContents(
                QStyle::CT_PushButton, &option, QSize(metrics.horizontalAdvance(text), metrics.height()), button);
            shown.append({w, text, size.width(), w->width()});
        } else {
            shown.append({w, text, w->sizeHint().width(), w->width()});
        }
    }
    return shown;
}

// Every entry any model shows in a list, as the list shows it, against the list's text field.
QList<Shown> entries(const QList<QComboBox *> &lists)
{
    QList<Shown> shown;
    for (int i = 0; i < SettingListCount; ++i) {
        QComboBox *list = lists[i];
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = true;
        const int room = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width() - 4;
        QSet<QString> seen;
        for (const EscModel &model : escModels()) {
            for (bool nickel : {false, true}) {
                for (const std::string &entry : offeredEntries(static_cast<SettingList>(i), model.code, nickel)) {
                    const QString text = displayEntry(entry);
                    if (!seen.contains(text))
                        shown.append({list, text, list->fontMetrics().horizontalAdvance(text), room});
                    seen.insert(text);
                }
            }
        }
    }
    return shown;
}

// Where a control's text lands, in its parent: a label's text can sit in part of the label only.
QRect inked(QWidget *w)
{
    auto *label = qobject_cast<QLabel *>(w);
    if (!label || label->text().isEmpty())
        return w->geometry();
    const QRect room = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return label->fontMetrics().boundingRect(room, flags, label->text()).translated(label->pos());
}

// Texts that run into another control of the same parent.
QStringList overlaps(QWidget *root)
{
    QStringList found;
    QList<QWidget *> parents = root->findChildren<QWidget *>();
    parents << root;
    for (QWidget *parent : parents) {
        QList<QWidget *> placed;
        for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisibleTo(root) && !child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1String("qt_"))
                && (!captionOf(child).isEmpty() || qobject_cast<QComboBox *>(child)))
                placed << child;
        }
        for (QWidget *a : placed) {
            for (QWidget *b : placed) {
                if (a != b && !captionOf(a).isEmpty() && inked(a).intersects(inked(b)))
                    found << a->objectName() + QLatin1Char('/') + b->objectName();
            }
        }
    }
    return found;
}

} // namespace

class tst_languages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { useLanguage(QStringLiteral("en")); }

    void everyTextFits_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : shippedLanguages())
            QTest::newRow(qPrintable(language)) << language;
        QTest::newRow("pseudo: 40 % longer, accented") << QString();
    }
    void everyTextFits()
    {
        QFETCH(QString, language);
        PseudoTranslator pseudo;
        if (language.isEmpty()) {
            QVERIFY2(pseudo.count() > 50, "the translation file names too few texts");
            QCoreApplication::installTranslator(&pseudo);
        } else {
            QVERIFY2(useLanguage(language), "the language's translation is not built in");
        }
#ifdef _WIN32
        const bool measured = false; // Wine's fonts are not Windows' own: their widths prove nothing.
#else
        const bool measured = !language.isEmpty();
        // Without a face for the script, the widths would be those of boxes standing in for glyphs.
        const QFontDatabase::WritingSystem script = language == QLatin1String("ja") ? QFontDatabase::Japanese
            : language == QLatin1String("zh_CN") ? QFontDatabase::SimplifiedChinese : QFontDatabase::Latin;
        QVERIFY2(!QFontDatabase::families(script).isEmpty(), "no font for the language's script: dev/install-deps installs one");
#endif
        EscBench bench;
        Form1 &window = bench.start();
        frmAbout about(&window);
        about.show();
        bench.trigger("mnuSeveral");
        auto *several = window.findChild<SeveralEscsDialog *>();
        QVERIFY(several);
        QList<QComboBox *> lists;
        for (const char *name : ListNames)
            lists << bench.widget<QComboBox>(name);

        QStringList problems;
        const QList<Shown> shown = captions(&window) + captions(&about) + captions(several) + entries(lists);
        for (const Shown &text : shown) {
            // The pseudo-language proves coverage; its lengths are no language's, so only real ones must fit.
            if (measured && text.needed > text.room)
                problems << QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(text.control->objectName(), text.text).arg(text.needed).arg(text.room);
            if (language.isEmpty() && !text.text.contains(Open) && !needsNoTranslation(text.text))
                problems << QStringLiteral("%1 \"%2\" is not translated").arg(text.control->objectName(), text.text);
        }
        if (language.isEmpty()) {
            for (QAction *action : window.findChildren<QAction *>()) {
                // What's This? is Qt's own action, worded by Qt's catalogue.
                if (!action->text().isEmpty() && !action->isSeparator() && !action->text().contains(Open)
                    && !needsNoTranslation(action->text()) && action->objectName() != QLatin1String("mnuWhatsThis"))
                    problems << QStringLiteral("menu entry \"%1\" is not translated").arg(action->text());
            }
        }
        for (const QString &pair : measured ? overlaps(&window) + overlaps(&about) + overlaps(several) : QStringList())
            problems << pair + QStringLiteral(" overlap");
        QCoreApplication::removeTranslator(&pseudo);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // From the menu, with an ESC's settings on screen: every text changes, the lists keep their
    // entries and choices, and English comes back byte for byte.
    void switchingKeepsTheLists()
    {
        EscBench bench;
        bench.connectedEsc(183);
        Form1 &window = *bench.form;
        EscBench::typeOver(bench.widget<QComboBox>("cmbBrake"), QStringLiteral("ON"));
        const QStringList english = bench.listTexts();
        const QString caption = bench.widget<QLabel>("labBrake")->text();
        const auto choices = [&bench] {
            QStringList all;
            for (int i = 0; i < SettingListCount; ++i) {
                ChoiceList &list = bench.form->list(static_cast<SettingList>(i));
                all << QString::number(list.selectedIndex()) + QLatin1Char(':') + QString::number(list.count());
            }
            return all;
        };
        const QStringList before = choices();

        bench.trigger("language_de");
        QTRY_VERIFY(bench.widget<QLabel>("labBrake")->text() != caption);
        QCOMPARE(bench.widget<QComboBox>("cmbLVCAction")->currentText().contains(QLatin1String("REDUCE")), false);
        QCOMPARE(choices(), before);
        QCOMPARE(bench.form->list(SettingList::Brake).entry(1), std::string("ON"));

        bench.trigger("language_en");
        QTRY_COMPARE(bench.listTexts(), english);
        QCOMPARE(bench.widget<QLabel>("labBrake")->text(), caption);
        QCOMPARE(window.findChild<QAction *>(QStringLiteral("language_en"))->isChecked(), true);
    }
};

QTEST_MAIN(tst_languages)
#include "tst_languages.moc"
