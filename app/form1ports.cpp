#include "form1.h"

#include "escsession.h"
#include "lamp.h"
#include "portfollower.h"
#include "portmap.h"
#include "portscan.h"
#include "systemportinfo.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

// The window's port list and CONNECT's search over it: the scan, the probes and the
// identification that pins the ESC's port.

namespace orvesc {

void Form1::notePortsChanged()
{
    PinnedPort &pin = m_session->pinnedPort();
    if (pin.isPinned() && pin.currentNumber() == 0)
        pin.markGone();
}

PortFollower &Form1::followPorts(PortWatcher &watcher)
{
    m_follower = std::make_unique<PortFollower>(*this, watcher, m_messenger);
    return *m_follower;
}

void Form1::scan_COM()
{
    m_refusedPorts.clear();
    const std::vector<int> found = scanPorts(m_port, &m_refusedPorts);
    std::size_t recorded = 0;
    for (int number : found) {
        cmbCOM->addItem(QStringLiteral("COM%1").arg(number));
        const QString tip = withAdapterName(m_portMap.toolTip(number), m_portMap.device(number));
        if (!tip.isEmpty())
            cmbCOM->setItemData(cmbCOM->count() - 1, tip, Qt::ToolTipRole);
        // Only the first ten ports get a number; a later entry can be listed but never probed.
        if (recorded < ComPorts.size())
            ComPorts[recorded++] = static_cast<std::int16_t>(number);
    }
    if (cmbCOM->count() > 0)
        cmbCOM->setCurrentIndex(0);
}

void Form1::rescan_COM()
{
    const QString selected = cmbCOM->currentText();
    cmbCOM->clear();
    ComPorts.fill(0);
    scan_COM();
    if (const int kept = selected.isEmpty() ? -1 : cmbCOM->findText(selected); kept >= 0)
        cmbCOM->setCurrentIndex(kept);
}

std::int16_t Form1::Chk_ESC(std::int16_t List)
{
    if (List < 0 || List >= cmbCOM->count())
        return 0;
    cmbCOM->setCurrentIndex(List);
    return identified(m_session->probe(selectedPortNumber()));
}

std::int16_t Form1::ini_COM()
{
    return identified(m_session->identify(selectedPortNumber()));
}

int Form1::selectedPortNumber() const
{
    // Only the first ten entries have a recorded number; 0 makes the exchange fail as "no port".
    const int position = cmbCOM->currentIndex();
    return position >= 0 && position < static_cast<int>(ComPorts.size()) ? ComPorts[position] : 0;
}

std::int16_t Form1::identified(const EscExchanges::Identification &found)
{
    if (found.outcome == EscExchanges::Outcome::NotFound)
        showNotFoundState();
    return found.outcome == EscExchanges::Outcome::Identified ? found.code : std::int16_t{0};
}

void Form1::showNotFoundState()
{
    chkDetected->hide();
    LblDetected->setEnabled(false);
    Frame3->setEnabled(false);
    clear_Checks();
    Frame4->setEnabled(false);
}

// Ports that exist but could not be opened were never searched: "not found" says so.
std::string Form1::refusedPortsNote() const
{
    std::string note;
    for (const SerialError &refused : m_refusedPorts)
        note += (note.empty() ? "These ports could not be opened, so no ESC was looked for there:" : "")
            + std::string("\r") + refused.description().toStdString();
    return note;
}

} // namespace orvesc
