#include "clisetup.h"

#include "backups.h"
#include "clilanguage.h"

#include <QFileInfo>
#include <QMap>
#include <QMutex>
#include <QMutexLocker>

namespace orvesc::cli {

namespace {

QString sameDevice(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

// The devices the user named by path with --port: they are called so wherever a port is named,
// since the COM number they get is this tool's own and means nothing to the user.
struct NamedDevices
{
    struct Name
    {
        // cppcheck-suppress unusedStructMember ; read through the map's iterators
        QString device;  // as the map names it
        // cppcheck-suppress unusedStructMember ; read through the map's iterators
        QString given;
    };
    QMutex mutex;
    QMap<int, Name> byNumber;  // the number lent to each
};

NamedDevices &namedDevices()
{
    static NamedDevices named;
    return named;
}

} // namespace

CliSetup CliSetup::fromEnvironment()
{
    CliSetup setup;
    setup.linkFolder = qEnvironmentVariable("ORVESC_PORT_LINKS");
    if (setup.linkFolder.isEmpty())
        setup.linkFolder = PortMap::defaultFolder();
    setup.backupFolder = qEnvironmentVariable("ORVESC_BACKUPS");
    if (setup.backupFolder.isEmpty())
        setup.backupFolder = BackupStore::defaultFolder();
    if (qEnvironmentVariableIsSet("ORVESC_SYSTEM_PORTS")) {
        setup.systemPorts = qEnvironmentVariable("ORVESC_SYSTEM_PORTS")
                                    .split(QLatin1Char(':'), Qt::SkipEmptyParts);
    }
    return setup;
}

PortMap CliSetup::portMap(const QStringList &extraDevices) const
{
    if (!systemPorts && extraDevices.isEmpty())
        return PortMap(linkFolder);
    const QStringList system = systemPorts ? *systemPorts : PortMap(linkFolder).systemPorts();
    return PortMap(linkFolder, system + extraDevices);
}

void forgetPortNames()
{
    NamedDevices &named = namedDevices();
    const QMutexLocker lock(&named.mutex);
    named.byNumber.clear();
}

QString portName(int number)
{
    NamedDevices &named = namedDevices();
    const QMutexLocker lock(&named.mutex);
    const auto it = named.byNumber.constFind(number);
    return it == named.byNumber.cend() ? QStringLiteral("COM%1").arg(number) : it->given;
}

PortTarget portTarget(const PortMap &map, int number)
{
    const QString device = map.device(number);
    NamedDevices &named = namedDevices();
    const QMutexLocker lock(&named.mutex);
    const auto it = named.byNumber.constFind(number);
    const bool byPath = it != named.byNumber.cend() && !device.isEmpty() && it->device == device;
    return PortTarget{number, byPath ? it->given : QStringLiteral("COM%1").arg(number), device};
}

ResolvedPorts resolvePorts(const CliSetup &setup, const QList<PortArgument> &ports)
{
    QStringList devices;
    for (const PortArgument &port : ports) {
        if (!port.device.isEmpty())
            devices << port.device;
    }
    forgetPortNames();
    NamedDevices &named = namedDevices();
    ResolvedPorts resolved{setup.portMap(devices), {}, QString()};
    for (const PortArgument &port : ports) {
        int number = port.number;
        if (number == 0) {
            const QString wanted = sameDevice(port.device);
            for (int n = PortMap::FirstNumber; n <= PortMap::LastNumber && number == 0; ++n) {
                const QString device = resolved.map.device(n);
                if (!device.isEmpty() && sameDevice(device) == wanted)
                    number = n;
            }
        }
        if (number == 0) {
            //: %1 is a device path given with --port.
            resolved.error = CommandLine::tr("%1 gets no COM number: all numbers are taken.").arg(port.text);
            return resolved;
        }
        if (port.number == 0) {
            const QMutexLocker lock(&named.mutex);
            named.byNumber.insert(number, {resolved.map.device(number), port.device});
        }
        bool twice = false;
        for (const PortTarget &target : resolved.targets)
            twice = twice || target.number == number;
        if (!twice)
            resolved.targets.push_back(portTarget(resolved.map, number));
    }
    return resolved;
}

} // namespace orvesc::cli
