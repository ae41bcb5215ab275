// The window in the user's language: the Language menu, the change of language while the window is
// open, and the explanation of every setting in its list's tooltip and What's This.
#include "form1.h"

#include "combochoicelist.h"
#include "languages.h"
#include "settingexplanations.h"
#include "settingkeys.h"
#include "translatable.h"
#include "windowtexts.h"

#include <QActionGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QWhatsThis>

namespace orvesc {

namespace {

const QString LanguageKey = QStringLiteral("language");

SettingKey defaultKey(SettingList which)
{
    for (int k = 0; k <= static_cast<int>(SettingKey::AccelerationDelay); ++k) {
        if (listOfKey(static_cast<SettingKey>(k)) == which)
            return static_cast<SettingKey>(k);
    }
    return SettingKey::Brake;
}

QString explained(const char *text)
{
    return text ? QCoreApplication::translate(ExplanationContext, text) : QString();
}

} // namespace

QString chosenLanguage()
{
    QString remembered = QSettings().value(LanguageKey).toString();
    if (shippedLanguages().contains(remembered))
        return remembered;
    return matchLanguage(QLocale::system().uiLanguages());
}

void Form1::buildLanguageMenu()
{
    mnuLanguage = mnuSettings->addMenu(QString());
    mnuLanguage->setObjectName(QStringLiteral("mnuLanguage"));
    auto *group = new QActionGroup(mnuLanguage);
    for (const QString &code : shippedLanguages()) {
        // Each language in its own name: a user lost in a language they cannot read finds theirs.
        QAction *action = mnuLanguage->addAction(nativeLanguageName(code));
        action->setObjectName(QStringLiteral("language_") + code);
        action->setCheckable(true);
        action->setData(code);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [code] {
            if (useLanguage(code))
                QSettings().setValue(LanguageKey, code);
        });
    }
    QAction *whatsThis = QWhatsThis::createAction(this);
    whatsThis->setObjectName(QStringLiteral("mnuWhatsThis"));
    mnuSettings->addAction(whatsThis);
}

void Form1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void Form1::retranslate()
{
    retranslateTexts(this);
    cmbCOM->setPlaceholderText(
        QCoreApplication::translate(WindowContext, cmbCOM->property("placeholderSource").toByteArray().constData()));
    QString language = QCoreApplication::translate("Window", "Language");
    // The way back to English stays findable in any language.
    if (currentLanguage() != QLatin1String("en"))
        language += QStringLiteral(" / Language");
    mnuLanguage->setTitle(language);
    for (QAction *action : mnuLanguage->actions())
        action->setChecked(action->data().toString() == currentLanguage());
    for (const auto &choices : m_lists)
        choices->retranslate();
    explainSettings();
    showTitle();
}

SettingKey Form1::keyShown(SettingList which) const
{
    return keyOfList(which, m_records.EscType).value_or(defaultKey(which));
}

QString Form1::entryExplanation(SettingList which, const std::string &entry) const
{
    return explained(orvesc::entryExplanation(keyShown(which), entry));
}

void Form1::explainSettings()
{
    for (int i = 0; i < SettingListCount; ++i) {
        const auto which = static_cast<SettingList>(i);
        QString text = explained(settingExplanation(keyShown(which)));
        for (QWidget *control : {static_cast<QWidget *>(m_combos[i]), static_cast<QWidget *>(m_labels[i])}) {
            control->setToolTip(text);
            control->setWhatsThis(text);
        }
        m_lists[i]->explainEntries();
    }
}

} // namespace orvesc
