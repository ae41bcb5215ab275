#include "form1.h"

#include "translatable.h"
#include "windowtexts.h"

#include <QLabel>

// The window's side of the ten setting lists: the SettingsView the catalogue's procedures work on,
// and the list handlers, whose rules live in the catalogue's SettingsForm.
namespace orvesc {

ChoiceList &Form1::list(SettingList which)
{
    return *m_lists[static_cast<int>(which)];
}

void Form1::setFrequencyCaption(const std::string &caption)
{
    // The catalogue names the caption in English; which of its settings the list holds changes its
    // explanation too.
    setSourceText(labFrequency, CaptionContext, QString::fromStdString(caption));
    explainSettings();
}

void Form1::setModelName(const std::string &name)
{
    LESCType->setText(QString::fromStdString(name));
}

void Form1::clearChecks()
{
    clear_Checks();
}

Messenger &Form1::messenger()
{
    return m_messenger;
}

std::string Form1::listCaption(SettingList which) const
{
    return m_labels[static_cast<int>(which)]->text().toStdString();
}

void Form1::cmbBrake_Click()
{
    m_settings.cmbBrake_Click();
}

void Form1::cmbBatt_Click()
{
    m_settings.cmbBatt_Click();
}

void Form1::cmbLVC_Click()
{
    m_settings.cmbLVC_Click();
}

void Form1::cmbLVCAction_Click()
{
    m_settings.cmbLVCAction_Click();
}

void Form1::cmbSoftStart_Click()
{
    m_settings.cmbSoftStart_Click();
}

void Form1::cmbRPM_Click()
{
    m_settings.cmbRPM_Click();
}

void Form1::cmbFrequency_Change()
{
    m_settings.cmbFrequency_Change();
}

void Form1::cmbReverse_Change()
{
    m_settings.cmbReverse_Change();
}

void Form1::cmbTiming_Change()
{
    m_settings.cmbTiming_Change();
}

} // namespace orvesc
