#include "form1.h"

#include "escsession.h"
#include "lamp.h"
#include "portfollower.h"
#include "portmap.h"
#include "portlist.h"
#include "serialerrortext.h"
#include "systemportinfo.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

// The window's port list and CONNECT's search over it: the scan, the probes and the
// identification that pins the ESC's port.

namespace orvesc {

void Form1::notePortsChanged()
{
    m_session->portsChanged();
}

PortFollower &Form1::followPorts(PortWatcher &watcher)
{
    m_follower = std::make_unique<PortFollower>(*this, watcher, m_messenger);
    return *m_follower;
}

void Form1::scan_COM()
{
    PortScan scan = scanPorts(m_port, m_portMap);
    m_refusedPorts = std::move(scan.refused);
    const std::vector<int> &found = scan.usable;
    std::size_t recorded = 0;
    for (int number : found) {
        cmbCOM->addItem(QStringLiteral("COM%1").arg(number));
        const QString tip = withAdapterName(portToolTip(m_portMap, number), m_portMap.device(number));
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

void Form1::Chk_ESC(std::int16_t List)
{
    if (List >= 0 && List < cmbCOM->count())
        cmbCOM->setCurrentIndex(List);
}

std::int16_t Form1::ini_COM(const EscSession::Connection &found)
{
    // The identification went to the entry found or, when none answered, the last searched.
    cmbCOM->setVisible(!found.identified());
    cmbCOM->setCurrentIndex(found.position);
    if (found.identified())
        return found.model;
    showFailure(found.failure);
    if (found.failure.is(EscFailure::Kind::NotFound))
        showNotFoundState();
    return 0;
}

void Form1::showNotFoundState()
{
    chkDetected->hide();
    LblDetected->setEnabled(false);
    Frame3->setEnabled(false);
    clear_Checks();
    Frame4->setEnabled(false);
}

} // namespace orvesc
