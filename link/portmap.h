#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace orvesc {

// Which device each COM number names on this machine. On Windows COMn is the system's port COMn.
// Elsewhere a link named comN in the port-link folder takes number N; the numbers no link takes
// go, lowest first, to the serial ports the system reports: USB adapters (ttyUSB*, ttyACM*) first,
// then the others, each group in natural order of the device name.
class PortMap
{
public:
    static constexpr int FirstNumber = 1;
    static constexpr int LastNumber = 255;

    // The user's port-link folder and the serial ports the system reports now.
    PortMap();
    // A given port-link folder and the serial ports the system reports now.
    explicit PortMap(const QString &folder);
    // A given port-link folder and a given list of system ports (device paths such as
    // /dev/ttyUSB0). Tests pass an empty list, so that no real device is ever reached.
    PortMap(const QString &folder, const QStringList &systemPorts);
    // A given port-link folder and a source asked on every lookup for the system ports, so that
    // the map follows devices that come and go (the tool hands in its port watcher's list).
    static PortMap following(const QString &folder, std::function<QStringList()> systemPorts);

    // The serial ports Qt Serial Port reports now (device paths).
    static QStringList reportedSystemPorts();

    // <runtime folder>/orvesc/ports, the runtime folder being $XDG_RUNTIME_DIR.
    static QString defaultFolder();
    QString folder() const;
    QStringList systemPorts() const;

    // The device COMn names, as its link or the system names it (it may no longer exist), or
    // an empty text when n lies outside 1..255 or nothing has that number.
    QString device(int number) const;
    // Whether the device COMn names is there now, found without opening it: on Windows the system
    // lists COMn, elsewhere the device (or the link's target) exists.
    bool present(int number) const;
    // The link that gives COMn its number, or an empty text when the system's list does.
    QString link(int number) const;

private:
    struct Entry
    {
        QString device;
        QString link;
    };
    Entry resolve(int number) const;

    QString m_folder;
    std::function<QStringList()> m_systemPorts;
};

} // namespace orvesc
