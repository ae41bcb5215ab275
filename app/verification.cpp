#include "verification.h"

#include "cataloguetext.h"
#include "escsession.h"
#include "failuretext.h"
#include "messenger.h"
#include "settingsform.h"
#include "settingsview.h"
#include "windowtexts.h"

#include <QSettings>

namespace orvesc {

namespace {

const QString VerifyKey = QStringLiteral("verifyAfterProgram");

// An entry as the lists show it, or the code no entry stands for.
QString shownValue(const CatalogueText &code, const std::string &entry)
{
    return code.empty() ? displayEntry(entry) : translated(code);
}

// One line per difference, each in the current language and named by the list's caption.
std::string differencesText(const SettingsView &view, const std::vector<SettingDifference> &differences)
{
    QStringList lines;
    for (const SettingDifference &difference : differences) {
        lines << QCoreApplication::translate("SettingsCompare", "%1: the ESC has %2, the list shows %3")
                         .arg(QString::fromStdString(view.listCaption(difference.list)),
                              shownValue(difference.reportedText, difference.reported),
                              shownValue(difference.expectedText, difference.expected));
    }
    return lines.join(QLatin1Char('\r')).toStdString();
}

} // namespace

Verification::Verification(EscSession &session, Messenger &messenger, SettingsView &view,
                           const EscRecords &records)
    : m_session(session)
    , m_messenger(messenger)
    , m_view(view)
    , m_records(records)
{
}

bool Verification::verifyAfterProgram() const
{
    return QSettings().value(VerifyKey, false).toBool();
}

void Verification::setVerifyAfterProgram(bool on)
{
    QSettings().setValue(VerifyKey, on);
}

void Verification::compareWithEsc()
{
    // get_Config on a copy of the records: what PROGRAM would send, without touching NewConfig.
    EscRecords shown = m_records;
    SettingsForm collector(m_view, shown);
    const CollectResult collected = collector.get_Config();
    if (!collected.complete()) {
        std::string captions;
        for (SettingList which : collected.unselected)
            captions += (captions.empty() ? "" : ", ") + m_view.listCaption(which);
        //: %1 lists the captions of the settings without a choice.
        m_messenger.beepAndShow(tr("Nothing was compared: no choice is selected for %1.")
                                    .arg(QString::fromStdString(captions))
                                    .toStdString());
        return;
    }
    const EscSession::Comparison compared = m_session.compare(shown.NewConfig);
    if (compared.failure) {
        tell(compared.failure);
        return;
    }
    m_messenger.beepAndShow(compared.differences.empty() ? tr("The ESC holds the settings shown.").toStdString()
                                                         : differencesText(m_view, compared.differences));
}

void Verification::tell(const EscFailure &failure)
{
    if (const QString text = failureText(failure, FrontEnd::Window); !text.isEmpty())
        m_messenger.beepAndShow(text.toStdString());
}

bool Verification::tellReadBack(const EscSession::Programming &run)
{
    if (run.failure) {
        tell(run.failure);
        return false;
    }
    if (run.differences.empty())
        return true;
    m_messenger.beepAndShow(
        tr("The ESC accepted every command, but reading its settings back shows differences:").toStdString()
        + "\r" + differencesText(m_view, run.differences));
    return false;
}

} // namespace orvesc
