#pragma once

#include <QString>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace orvesc {

class Messenger;
class PortMap;
class TrafficRecorder;

// The "Save Diagnostics..." entry of the window's menu: a text file a maintainer can read
// without the tool, headed by the versions, the system and the ports, then the recorded traffic
// with each byte's meaning.
class Diagnostics
{
public:
    // The file to write, or an empty text when the user cancelled.
    using PathChooser = std::function<QString()>;
    // What the file says about a device beyond its path (USB ids, maker, product).
    using DeviceDescriber = std::function<QString(const QString &device)>;

    Diagnostics(const TrafficRecorder &recorder, const PortMap &portMap, Messenger &messenger, QWidget *window);

    QAction *addTo(QMenu *menu);
    // The menu entry, once added; the window disables it during a run, whose wait a modal dialog
    // would stall.
    QAction *action() const { return m_action; }
    // Tests choose the path without a dialog and describe devices without asking the system.
    void setPathChooser(PathChooser chooser) { m_choosePath = std::move(chooser); }
    void setDeviceDescriber(DeviceDescriber describer) { m_describe = std::move(describer); }

    QString report() const;
    // Writes the report whole or not at all; a failure is shown with the path and the reason.
    bool save(const QString &path);
    void SaveDiagnostics_Click();

    // USB ids, the adapter's name, serial number and latency timer as the system reports them for a device.
    static QString describeSystemDevice(const QString &device);

private:
    QString choosePathInDialog() const;

    const TrafficRecorder &m_recorder;
    const PortMap &m_portMap;
    Messenger &m_messenger;
    QWidget *m_window;
    PathChooser m_choosePath;
    DeviceDescriber m_describe;
    QAction *m_action = nullptr;
};

} // namespace orvesc
