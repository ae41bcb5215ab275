#include "portfollower.h"

#include "form1.h"
#include "messenger.h"
#include "portholders.h"
#include "serialerrortext.h"
#include "portwatcher.h"

#include <QTimer>

namespace orvesc {

PortFollower::PortFollower(Form1 &form, PortWatcher &watcher, Messenger &messenger)
    : m_form(form), m_messenger(messenger), m_brlttyInstalled(brlttyInstalled)
{
    connect(&watcher, &PortWatcher::portsChanged, this, &PortFollower::portsChanged);
    connect(&watcher, &PortWatcher::adapterFlickered, this, &PortFollower::adapterFlickered);
    // Queued, so that the run has unwound and a pending close of the window has happened first.
    connect(&form, &Form1::runEnded, this, &PortFollower::catchUp, Qt::QueuedConnection);
}

void PortFollower::portsChanged()
{
    m_form.notePortsChanged();
    m_rescanPending = true;
    catchUp();
}

void PortFollower::adapterFlickered(const QString &device)
{
    if (m_hinted || !m_brlttyInstalled())
        return;
    m_flickered = device;
    catchUp();
}

void PortFollower::catchUp()
{
    if (m_form.isBusy() || !m_form.isVisible())
        return;
    if (m_rescanPending) {
        m_rescanPending = false;
        m_form.rescan_COM();
    }
    if (!m_flickered.isEmpty() && !m_hinted) {
        // The box waits for the user; while it is open a further flicker must not show another.
        m_hinted = true;
        m_messenger.beepAndShow(vanishingAdapterText(m_flickered).toStdString());
        m_flickered.clear();
    }
}

} // namespace orvesc
