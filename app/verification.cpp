#include "verification.h"

#include "escsession.h"
#include "messenger.h"
#include "settingsform.h"
#include "settingsview.h"

#include <QSettings>

namespace orvesc {

namespace {

const QString VerifyKey = QStringLiteral("verifyAfterProgram");

const char *const SameSettings = "The ESC holds the settings shown.";
const char *const ProgramNotTaken =
    "The ESC accepted every command, but reading its settings back shows differences:";

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
        m_messenger.beepAndShow("Nothing was compared: no choice is selected for " + captions + ".");
        return;
    }
    const auto differences = m_session.readBack(shown.NewConfig);
    if (!differences)
        return;
    m_messenger.beepAndShow(differences->empty() ? std::string(SameSettings)
                                                 : describeDifferences(*differences));
}

bool Verification::verifyProgrammed(const std::array<std::int16_t, 10> &sent)
{
    const auto differences = m_session.readBack(sent);
    if (!differences)
        return false;
    if (differences->empty())
        return true;
    m_messenger.beepAndShow(std::string(ProgramNotTaken) + "\r" + describeDifferences(*differences));
    return false;
}

} // namespace orvesc
