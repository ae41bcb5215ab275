#include "verification.h"

#include "escexchanges.h"
#include "messenger.h"
#include "settingsform.h"
#include "rememberedchoices.h"
#include "settingsview.h"


namespace orvesc {

namespace {

const QString VerifyKey = QStringLiteral("verifyAfterProgram");

const char *const SameSettings = "The ESC holds the settings shown.";
const char *const ProgramNotTaken =
    "The ESC accepted every command, but reading its settings back shows differences:";

bool readsTwelveBytes(int escType)
{
    return escType >= 182 && escType <= 224;
}

} // namespace

Verification::Verification(EscExchanges &exchanges, Messenger &messenger, SettingsView &view,
                           const EscRecords &records)
    : m_exchanges(exchanges)
    , m_messenger(messenger)
    , m_view(view)
    , m_records(records)
{
}

bool Verification::verifyAfterProgram() const
{
    return rememberedChoices().value(VerifyKey, false).toBool();
}

void Verification::setVerifyAfterProgram(bool on)
{
    rememberedChoices().setValue(VerifyKey, on);
}

std::optional<std::vector<SettingDifference>>
Verification::readBack(const std::array<std::int16_t, 10> &expected)
{
    // A record of its own: the window's EscConfig keeps what CONNECT left in it.
    std::array<std::int16_t, 12> reported{};
    if (readsTwelveBytes(m_records.EscType))
        m_exchanges.read_Config2(reported);
    else
        m_exchanges.read_Config(reported);
    if (reported[0] <= 0)
        return std::nullopt;
    return compareSettings(m_records.EscType, expected, reported);
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
    const auto differences = readBack(shown.NewConfig);
    if (!differences)
        return;
    m_messenger.beepAndShow(differences->empty() ? std::string(SameSettings)
                                                 : describeDifferences(*differences));
}

bool Verification::verifyProgrammed(const std::array<std::int16_t, 10> &sent)
{
    const auto differences = readBack(sent);
    if (!differences)
        return false;
    if (differences->empty())
        return true;
    m_messenger.beepAndShow(std::string(ProgramNotTaken) + "\r" + describeDifferences(*differences));
    return false;
}

} // namespace orvesc
