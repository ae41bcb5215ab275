#include "messagetexts.h"
#include "settingsform.h"

namespace orvesc {

namespace {

// Indices of the entries the rules test and set.
constexpr int BrakeOff = 0;
constexpr int BatteryNickel = 0;
constexpr int FirstCutoffVoltage = 0;
constexpr int CutoffStopMotor = 0;
constexpr int CutoffReducePower = 1;
constexpr int CutoffNone = 2;
constexpr int SoftStartOff = 0;
constexpr int SoftStartOn = 1;
constexpr int RpmOff = 0;

} // namespace

SettingsForm::SettingsForm(SettingsView &view, EscRecords &records)
    : m_view(view)
    , m_records(records)
{
}

void SettingsForm::connectHandlers()
{
    list(SettingList::Brake).setClickHandler([this] { cmbBrake_Click(); });
    list(SettingList::Batt).setClickHandler([this] { cmbBatt_Click(); });
    list(SettingList::LVC).setClickHandler([this] { cmbLVC_Click(); });
    list(SettingList::LVCAction).setClickHandler([this] { cmbLVCAction_Click(); });
    list(SettingList::SoftStart).setClickHandler([this] { cmbSoftStart_Click(); });
    list(SettingList::RPM).setClickHandler([this] { cmbRPM_Click(); });
    list(SettingList::Frequency).setChangeHandler([this] { cmbFrequency_Change(); });
    list(SettingList::Reverse).setChangeHandler([this] { cmbReverse_Change(); });
    list(SettingList::Timing).setChangeHandler([this] { cmbTiming_Change(); });
}

void SettingsForm::switchRpmOff(const char *message)
{
    // The box is modal: RPM control changes only once the user has read why.
    if (list(SettingList::RPM).selectedIndex() > RpmOff)
        m_view.messenger().beepAndShow(message);
    list(SettingList::RPM).select(RpmOff);
}

void SettingsForm::cmbBrake_Click()
{
    m_view.clearChecks();
    if (list(SettingList::Brake).selectedIndex() > BrakeOff)
        switchRpmOff(messagetext::RpmOffWithBrake);
}

void SettingsForm::cmbBatt_Click()
{
    m_view.clearChecks();
    if (list(SettingList::Batt).selectedIndex() == BatteryNickel)
        lvc_Ni();
    else
        list_LVC();
}

void SettingsForm::cmbLVC_Click()
{
    m_view.clearChecks();
    if (list(SettingList::LVC).selectedIndex() == FirstCutoffVoltage)
        switchRpmOff(messagetext::RpmOffWithHardCut);
}

void SettingsForm::cmbLVCAction_Click()
{
    m_view.clearChecks();
    if (list(SettingList::LVCAction).selectedIndex() == CutoffNone)
        switchRpmOff(messagetext::RpmOffWithoutCutoff);
}

void SettingsForm::cmbSoftStart_Click()
{
    m_view.clearChecks();
    if (list(SettingList::SoftStart).selectedIndex() == SoftStartOff)
        switchRpmOff(messagetext::RpmOffWithoutSoftStart);
}

void SettingsForm::cmbRPM_Click()
{
    m_view.clearChecks();
    if (list(SettingList::RPM).selectedIndex() <= RpmOff)
        return;
    if (list(SettingList::Brake).selectedIndex() > BrakeOff)
        m_view.messenger().beepAndShow(messagetext::BrakeOffForRpm);
    list(SettingList::Brake).select(BrakeOff);
    list(SettingList::SoftStart).select(SoftStartOn);
    if (list(SettingList::LVCAction).selectedIndex() == CutoffStopMotor)
        list(SettingList::LVCAction).select(CutoffReducePower);
}

void SettingsForm::cmbFrequency_Change()
{
    m_view.clearChecks();
}

void SettingsForm::cmbReverse_Change()
{
    m_view.clearChecks();
}

void SettingsForm::cmbTiming_Change()
{
    m_view.clearChecks();
}

} // namespace orvesc
