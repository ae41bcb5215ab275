#include "portholders.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_LINUX
#include <dirent.h>
#include <unistd.h>
#endif

#include <algorithm>
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
    QStringList running;
#ifdef Q_OS_LINUX
    forEachProcess([&running](qint64 pid) {
        const QString program = programOf(pid);
        for (const PortService &service : PortServices) {
            if (program == QLatin1String(service.program) && !running.contains(program))
                running << program;
        }
    });
    // Always in the same order, whatever order the processes came in.
    std::sort(running.begin(), running.end());
#endif
    return running;
}

bool brlttyInstalled()
{
    static const QStringList folders = {QStringLiteral("/usr/bin"), QStringLiteral("/bin"),
                                        QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")};
    return !QStandardPaths::findExecutable(QStringLiteral("brltty"), folders).isEmpty();
}

QString portInUseMessage(const QString &port, const QString &device)
{
    const std::vector<HoldingProcess> holders = processesHolding(device);
    if (!holders.empty()) {
        QStringList named;
        for (const HoldingProcess &holder : holders) {
            named << (holder.program.isEmpty() ? QStringLiteral("process %1").arg(holder.pid)
                                               : QStringLiteral("%1, process %2").arg(holder.program).arg(holder.pid));
        }
        return QStringLiteral("%1 is in use by another program (%2). Close that program, or choose another port.")
                .arg(port, named.join(QStringLiteral("; ")));
    }
    const QStringList services = runningPortServices();
    if (services.isEmpty()) {
        return QStringLiteral("%1 is in use by another program. Close that program, or choose another port.")
                .arg(port);
    }
    QStringList units;
    for (const PortService &service : PortServices) {
        if (services.contains(QLatin1String(service.program)))
            units << QLatin1String(service.units);
    }
    return QStringLiteral("%1 is in use by another program; %2 %3 running and may hold it. Stop %4 with: sudo "
                          "systemctl stop %5, then try again.")
            .arg(port, services.join(QStringLiteral(" and ")),
                 services.size() == 1 ? QStringLiteral("is") : QStringLiteral("are"),
                 services.size() == 1 ? QStringLiteral("it") : QStringLiteral("them"), units.join(QLatin1Char(' ')));
}

QString vanishingAdapterMessage(const QString &device)
{
    return QStringLiteral("The USB adapter %1 appeared and vanished again at once: brltty, a braille-display "
                          "service, may be taking it. If you use no braille display, remove it with: sudo apt "
                          "remove brltty, then plug the adapter in again.")
            .arg(device);
}

} // namespace orvesc
