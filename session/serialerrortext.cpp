#include "serialerrortext.h"

#include "portmap.h"

#include <QStringList>

namespace orvesc {

namespace {

// "." or ": reason." after a sentence, as the system gave it.
QString reasonTail(const QString &reason)
{
    return reason.isEmpty() ? QStringLiteral(".") : QStringLiteral(": %1.").arg(reason);
}

QString holdersText(const QStringList &details)
{
    QStringList named;
    for (int i = 0; i + 1 < details.size(); i += 2) {
        named << (details[i].isEmpty() ? QStringLiteral("process %1").arg(details[i + 1])
                                       : QStringLiteral("%1, process %2").arg(details[i], details[i + 1]));
    }
    return named.join(QStringLiteral("; "));
}

QString servicesText(const QString &port, const QStringList &details)
{
    QStringList services;
    QStringList units;
    for (int i = 0; i + 1 < details.size(); i += 2) {
        services << details[i];
        units << details[i + 1];
    }
    const bool one = services.size() == 1;
    return QStringLiteral("%1 is in use by another program; %2 %3 running and may hold it. Stop %4 with: sudo "
                          "systemctl stop %5, then try again.")
            .arg(port, services.join(QStringLiteral(" and ")), one ? QStringLiteral("is") : QStringLiteral("are"),
                 one ? QStringLiteral("it") : QStringLiteral("them"), units.join(QLatin1Char(' ')));
}

} // namespace

QString serialErrorText(const SerialError &error)
{
    const QString port = error.port();
    switch (error.cause()) {
    case SerialCause::NoNumber:
        return QStringLiteral("There is no %1: no serial port or USB adapter has that number. Check that the "
                              "adapter is plugged in.")
                .arg(port);
    case SerialCause::OutOfRange:
        return QStringLiteral("%1 is not a port number this tool can use: the numbers run from COM%2 to COM%3.")
                .arg(port)
                .arg(PortMap::FirstNumber)
                .arg(PortMap::LastNumber);
    case SerialCause::NumberWhileOpen:
        return QStringLiteral("%1 is open: the port number can only change while the port is closed.").arg(port);
    case SerialCause::BadLineSettings:
        return QStringLiteral("\"%1\" is not a line setting the serial port can take (it should read like "
                              "19200,N,8,1).")
                .arg(error.detail(0));
    case SerialCause::BadReadLength:
        return QStringLiteral("%1 is not a read length (0 reads everything waiting).").arg(error.detail(0));
    case SerialCause::BadReadMode:
        return QStringLiteral("%1 is not a read mode (0 text, 1 bytes).").arg(error.detail(0));
    case SerialCause::SettingsRefused:
        return QStringLiteral("%1 does not take the line settings %2%3")
                .arg(port, error.detail(0), reasonTail(error.detail(1)));
    case SerialCause::AlreadyOpen:
        return QStringLiteral("%1 is already open.").arg(port);
    case SerialCause::DeviceMissing:
        return QStringLiteral("%1 cannot be opened: the device does not exist. Check that the USB adapter is "
                              "plugged in.")
                .arg(port);
    case SerialCause::NoAccess:
        return QStringLiteral("%1 may not be opened by this user. Ask the administrator of this computer for "
                              "access to the device.")
                .arg(port);
    case SerialCause::NoAccessGroup:
        return QStringLiteral("%1 may not be opened by this user: access is granted to the group \"%2\". Join it "
                              "with: sudo usermod -aG %2 $USER, then log in again.")
                .arg(port, error.detail(0));
    case SerialCause::LockFileDenied:
        return QStringLiteral("%1 cannot be opened: this user may not write the port's lock file (in /var/lock "
                              "or /tmp).")
                .arg(port);
    case SerialCause::InUse:
        return error.details().isEmpty()
                ? QStringLiteral("%1 is in use by another program. Close that program, or choose another port.")
                          .arg(port)
                : QStringLiteral("%1 is in use by another program (%2). Close that program, or choose another "
                                 "port.")
                          .arg(port, holdersText(error.details()));
    case SerialCause::InUseByServices:
        return servicesText(port, error.details());
    case SerialCause::NotSerial:
        return QStringLiteral("%1 cannot be opened: it is not a serial port.").arg(port);
    case SerialCause::OpenFailed:
        return QStringLiteral("%1 cannot be opened: %2.")
                .arg(port, error.detail(0).isEmpty() ? QStringLiteral("the system gave no reason") : error.detail(0));
    case SerialCause::ConnectionLost:
        return QStringLiteral("The connection to %1 was lost: the USB adapter may have been unplugged.").arg(port);
    case SerialCause::NotOpen:
        return QStringLiteral("%1 is not open.").arg(port);
    case SerialCause::WriteFailed:
        return QStringLiteral("Sending to %1 failed%2").arg(port, reasonTail(error.detail(0)));
    case SerialCause::ReadFailed:
        return QStringLiteral("Reading from %1 failed: %2.").arg(port, error.detail(0));
    case SerialCause::Gone:
        return QStringLiteral("The ESC's port %1 is gone.").arg(port);
    }
    return QString();
}

QString portToolTip(const PortMap &map, int number)
{
    QString device = map.device(number);
    const QString link = map.link(number);
    if (device.isEmpty() || link.isEmpty())
        return device;
    return QStringLiteral("%1 (linked as %2)").arg(device, link);
}

QString vanishingAdapterText(const QString &device)
{
    return QStringLiteral("The USB adapter %1 appeared and vanished again at once: brltty, a braille-display "
                          "service, may be taking it. If you use no braille display, remove it with: sudo apt "
                          "remove brltty, then plug the adapter in again.")
            .arg(device);
}

} // namespace orvesc
