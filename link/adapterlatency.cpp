#include "adapterlatency.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#ifndef Q_OS_WIN
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace orvesc {

std::optional<int> ftdiRegistryLatencyMs(QSettings &ftdibus, const QString &portName)
{
    const QStringList devices = ftdibus.childGroups();
    for (const QString &device : devices) {
        ftdibus.beginGroup(device);
        const QStringList instances = ftdibus.childGroups();
        for (const QString &instance : instances) {
            const QString parameters = instance + QStringLiteral("/Device Parameters/");
            if (ftdibus.value(parameters + QStringLiteral("PortName")).toString().compare(portName, Qt::CaseInsensitive)
                != 0)
                continue;
            bool ok = false;
            const int ms = ftdibus.value(parameters + QStringLiteral("LatencyTimer")).toInt(&ok);
            ftdibus.endGroup();
            return ok ? std::optional<int>(ms) : std::nullopt;
        }
        ftdibus.endGroup();
    }
    return std::nullopt;
}

#ifdef Q_OS_WIN

void requestLowLatency(int) {}

std::optional<int> adapterLatencyMs(const QString &device, const QString &)
{
    QSettings ftdibus(QStringLiteral("HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\FTDIBUS"),
                      QSettings::NativeFormat);
    return ftdiRegistryLatencyMs(ftdibus, device);
}

#else

void requestLowLatency(int fd)
{
    serial_struct serial{};
    if (::ioctl(fd, TIOCGSERIAL, &serial) != 0 || (serial.flags & ASYNC_LOW_LATENCY) != 0)
        return;
    serial.flags |= ASYNC_LOW_LATENCY;
    // Refused (no such driver call, or not allowed): the port works as before, only slower.
    static_cast<void>(::ioctl(fd, TIOCSSERIAL, &serial));
}

std::optional<int> adapterLatencyMs(const QString &device, const QString &sysfsDevices)
{
    const QString name = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
    if (name.isEmpty())
        return std::nullopt;
    QFile file(sysfsDevices + QLatin1Char('/') + name + QStringLiteral("/latency_timer"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool ok = false;
    const int ms = file.readAll().trimmed().toInt(&ok);
    return ok ? std::optional<int>(ms) : std::nullopt;
}

#endif

} // namespace orvesc
