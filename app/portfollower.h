#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

namespace orvesc {

class Form1;
class Messenger;
class PortWatcher;

// Keeps the window's port list in step with the ports that exist: a change seen while no run is
// under way scans again at once, one seen during a run as soon as the run has ended, so a run
// never meets a list that changed under it. It also passes on the hint for a USB adapter that a
// braille service takes away.
class PortFollower : public QObject
{
    Q_OBJECT

public:
    PortFollower(Form1 &form, PortWatcher &watcher, Messenger &messenger);

    // Tests decide whether brltty counts as installed.
    void setBrlttyCheck(std::function<bool()> installed) { m_brlttyInstalled = std::move(installed); }

private:
    void portsChanged();
    void adapterFlickered(const QString &device);
    void catchUp();

    Form1 &m_form;
    Messenger &m_messenger;
    std::function<bool()> m_brlttyInstalled;
    bool m_rescanPending = false;
    // The adapter to name in the hint once the window is free; the hint is given once.
    QString m_flickered;
    bool m_hinted = false;
};

} // namespace orvesc
