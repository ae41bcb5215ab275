#include "portholders.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_LINUX
#include <dirent.h>
#include <unistd.h>
#endif

#include <array>
#include <functional>

namespace orvesc {

namespace {

// A service that takes serial devices, and the systemd units that stop it.
struct PortService
{
    const char *program;
    const char *units;
};

constexpr std::array<PortService, 2> PortServices{{
    {"ModemManager", "ModemManager"},
    {"brltty", "brltty-udev brltty"},
}};

#ifdef Q_OS_LINUX
// Calls visit for each process directory's number in /proc.
void forEachProcess(const std::function<void(qint64 pid)> &visit)
{
    DIR *proc = ::opendir("/proc");
    if (!proc)
        return;
    while (const dirent *entry = ::readdir(proc)) {
        bool number = false;
        const qint64 pid = QByteArray(entry->d_name).toLongLong(&number);
        if (number && pid > 0)
            visit(pid);
    }
    ::closedir(proc);
}

QString programOf(qint64 pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

bool holds(qint64 pid, const QByteArray &device)
{
    const QByteArray folder = "/proc/" + QByteArray::number(pid) + "/fd";
    DIR *fds = ::opendir(folder.constData());
    if (!fds)
        return false;
    bool found = false;
    std::array<char, 4096> target{};
    while (const dirent *entry = ::readdir(fds)) {
        const QByteArray path = folder + '/' + entry->d_name;
        const ssize_t length = ::readlink(path.constData(), target.data(), target.size());
        if (length > 0 && QByteArray(target.data(), int(length)) == device) {
            found = true;
            break;
        }
    }
    ::closedir(fds);
    return found;
}
#endif

} // namespace

std::vector<HoldingProcess> processesHolding(const QString &device)
{
    std::vector<HoldingProcess> holders;
#ifdef Q_OS_LINUX
    const QString canonical = QFileInfo(device).canonicalFilePath();
    if (canonical.isEmpty())
        return holders;
    const QByteArray wanted = QFile::encodeName(canonical);
    const qint64 self = QCoreApplication::applicationPid();
    forEachProcess([&](qint64 pid) {
        if (pid != self && holds(pid, wanted))
            holders.push_back({pid, programOf(pid)});
    });
#else
    Q_UNUSED(device);
#endif
    return holders;
}

QStringList runningPortServices()
{
    QStringList programs;
#ifdef Q_OS_LINUX
    forEachProcess([&programs](qint64 pid) { programs << programOf(pid); });
#endif
    QStringList running;
    for (const PortService &service : PortServices) {
        if (programs.contains(QLatin1String(service.program)))
            running << QLatin1String(service.program);
    }
    return running;
}

bool brlttyInstalled()
{
    static const QStringList folders = {QStringLiteral("/usr/bin"), QStringLiteral("/bin"),
                                        QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")};
    return !QStandardPaths::findExecutable(QStringLiteral("brltty"), folders).isEmpty();
}

SerialError portInUse(const QString &port, const QString &device)
{
    QStringList details;
    for (const HoldingProcess &holder : processesHolding(device))
        details << holder.program << QString::number(holder.pid);
    if (!details.isEmpty())
        return SerialError(serialerror::PortInUse, SerialCause::InUse, port, details);
    const QStringList services = runningPortServices();
    for (const PortService &service : PortServices) {
        if (services.contains(QLatin1String(service.program)))
            details << QLatin1String(service.program) << QLatin1String(service.units);
    }
    return SerialError(serialerror::PortInUse, details.isEmpty() ? SerialCause::InUse : SerialCause::InUseByServices,
                       port, details);
}

} // namespace orvesc
