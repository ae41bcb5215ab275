#pragma once

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <functional>

namespace orvesc {

// Notices serial devices and comN port links coming and going, so that the window can scan
// again. It opens nothing: it asks the system for its list of serial devices about once a second
// and watches the port-link folder, so nothing is ever sent to a device.
class PortWatcher : public QObject
{
    Q_OBJECT

public:
    using SystemPortSource = std::function<QStringList()>;
    static constexpr std::chrono::milliseconds PollInterval{1000};
    // A USB adapter gone again this soon after it appeared was most likely taken by a service.
    static constexpr std::chrono::milliseconds FlickerWindow{5000};

    // Looks once at once, then keeps watching. Tests hand in a source of their own, so that no
    // real device is ever seen.
    PortWatcher(const QString &linkFolder, SystemPortSource systemPorts, QObject *parent = nullptr);

    // The system's serial devices as of the last look.
    QStringList systemPorts() const { return m_systemPorts; }
    // A further folder whose changes make the watcher look at once (the tool watches /dev, so a
    // device that lives for less than a poll is still seen).
    void watchAlso(const QString &folder);
    void setFlickerWindow(std::chrono::milliseconds window) { m_flickerWindow = window; }

    // Asks the system and reads the link folder now; emits what changed.
    void look();

signals:
    // A system device or a port link appeared, vanished or changed its target.
    void portsChanged();
    // A USB adapter vanished within the flicker window after it appeared.
    void adapterFlickered(const QString &device);

private:
    QStringList readLinks() const;
    void watchFolders();

    QString m_linkFolder;
    QStringList m_extraFolders;
    SystemPortSource m_source;
    QStringList m_systemPorts;
    QStringList m_links;
    QHash<QString, QElapsedTimer> m_appeared;
    std::chrono::milliseconds m_flickerWindow = FlickerWindow;
    QFileSystemWatcher m_folderWatcher;
    QTimer m_poll;
};

} // namespace orvesc
