#include "serialerrortext.h"

#include "portmap.h"

#include <QCoreApplication>
#include <QStringList>

namespace orvesc {

namespace {

QString holdersText(const QStringList &details)
{
    QStringList named;
    for (int i = 0; i + 1 < details.size(); i += 2) {
        if (details[i].isEmpty())
            //: A program holding a serial port, known only by its process number %1.
            named << QCoreApplication::translate("SerialError", "process %1").arg(details[i + 1]);
        else
            //: A program holding a serial port: %1 its name, %2 its process number.
            named << QCoreApplication::translate("SerialError", "%1, process %2").arg(details[i], details[i + 1]);
    }
    //: Separates the programs of a list in parentheses: "(minicom, process 12; process 14)".
    return named.join(QCoreApplication::translate("SerialError", "; "));
}

QString servicesText(const QString &port, const QStringList &details)
{
    QString services;
    QStringList units;
    for (int i = 0; i + 1 < details.size(); i += 2) {
        if (services.isEmpty())
            services = details[i];
        else
            //: Joins the names of two system services, or of a list of them and one more: "ModemManager and
            //: gpsd".
            services = QCoreApplication::translate("SerialError", "%1 and %2").arg(services, details[i]);
        units << details[i + 1];
    }
    if (units.size() == 1)
        //: %1 is a port (COM3), %2 a system service's name, %3 its unit; "sudo systemctl stop" is a command
        //: and stays as it is.
        return QCoreApplication::translate("SerialError", "%1 is in use by another program; %2 is running and may "
                                                          "hold it. Stop it with: sudo systemctl stop %3, then try "
                                                          "again.")
                .arg(port, services, units.join(QLatin1Char(' ')));
    //: %1 is a port (COM3), %2 the names of two or more system services, %3 their units; "sudo systemctl
    //: stop" is a command and stays as it is.
    return QCoreApplication::translate("SerialError", "%1 is in use by another program; %2 are running and may hold "
                                                      "it. Stop them with: sudo systemctl stop %3, then try again.")
            .arg(port, services, units.join(QLatin1Char(' ')));
}

} // namespace

QString serialErrorText(const SerialError &error)
{
    const QString port = error.port();
    switch (error.cause()) {
    case SerialCause::NoNumber:
        //: %1 is a port name (COM12).
        return QCoreApplication::translate("SerialError", "There is no %1: no serial port or USB adapter has that "
                                                          "number. Check that the adapter is plugged in.")
                .arg(port);
    case SerialCause::OutOfRange:
        //: %1 is what the user gave as a port (COM12); COM%2 and COM%3 are port names and stay as they are.
        return QCoreApplication::translate("SerialError", "%1 is not a port number this tool can use: the numbers "
                                                          "run from COM%2 to COM%3.")
                .arg(port)
                .arg(PortMap::FirstNumber)
                .arg(PortMap::LastNumber);
    case SerialCause::NumberWhileOpen:
        //: %1 is a port name (COM3).
        return QCoreApplication::translate("SerialError", "%1 is open: the port number can only change while the "
                                                          "port is closed.")
                .arg(port);
    case SerialCause::BadLineSettings:
        //: %1 is the text given; "19200,N,8,1" is a setting as the port takes it and stays as it is.
        return QCoreApplication::translate("SerialError", "\"%1\" is not a line setting the serial port can take (it "
                                                          "should read like 19200,N,8,1).")
                .arg(error.detail(0));
    case SerialCause::BadReadLength:
        //: %1 is the number given.
        return QCoreApplication::translate("SerialError", "%1 is not a read length (0 reads everything waiting).")
                .arg(error.detail(0));
    case SerialCause::BadReadMode:
        //: %1 is the number given.
        return QCoreApplication::translate("SerialError", "%1 is not a read mode (0 text, 1 bytes).")
                .arg(error.detail(0));
    case SerialCause::SettingsRefused:
        if (error.detail(1).isEmpty())
            //: %1 is a port name (COM3), %2 the line settings (19200,N,8,1).
            return QCoreApplication::translate("SerialError", "%1 does not take the line settings %2.")
                    .arg(port, error.detail(0));
        //: %1 is a port name (COM3), %2 the line settings (19200,N,8,1), %3 the system's reason.
        return QCoreApplication::translate("SerialError", "%1 does not take the line settings %2: %3.")
                .arg(port, error.detail(0), error.detail(1));
    case SerialCause::AlreadyOpen:
        //: %1 is a port name (COM3).
        return QCoreApplication::translate("SerialError", "%1 is already open.").arg(port);
    case SerialCause::DeviceMissing:
        //: %1 is a port name (COM3).
        return QCoreApplication::translate("SerialError", "%1 cannot be opened: the device does not exist. Check "
                                                          "that the USB adapter is plugged in.")
                .arg(port);
    case SerialCause::NoAccess:
        //: %1 is a port name (COM3).
        return QCoreApplication::translate("SerialError", "%1 may not be opened by this user. Ask the administrator "
                                                          "of this computer for access to the device.")
                .arg(port);
    case SerialCause::NoAccessGroup:
        //: %1 is a port name (COM3), %2 a user group's name (dialout); "sudo usermod -aG %2 $USER" is a command
        //: and stays as it is.
        return QCoreApplication::translate("SerialError", "%1 may not be opened by this user: access is granted to "
                                                          "the group \"%2\". Join it with: sudo usermod -aG %2 $USER, "
                                                          "then log in again.")
                .arg(port, error.detail(0));
    case SerialCause::LockFileDenied:
        //: %1 is a port name (COM3); /var/lock and /tmp are folders.
        return QCoreApplication::translate("SerialError", "%1 cannot be opened: this user may not write the port's "
                                                          "lock file (in /var/lock or /tmp).")
                .arg(port);
    case SerialCause::InUse:
        if (error.details().isEmpty())
            //: %1 is a port name (COM3).
            return QCoreApplication::translate("SerialError", "%1 is in use by another program. Close that program, "
                                                              "or choose another port.")
                    .arg(port);
        //: %1 is a port name (COM3), %2 the programs holding it ("minicom, process 12").
        return QCoreApplication::translate("SerialError", "%1 is in use by another program (%2). Close that program, "
                                                          "or choose another port.")
                .arg(port, holdersText(error.details()));
    case SerialCause::InUseByServices:
        return servicesText(port, error.details());
    case SerialCause::NotSerial:
        //: %1 is a port name (COM3).
        return QCoreApplication::translate("SerialError", "%1 cannot be opened: it is not a serial port.").arg(port);
    case SerialCause::OpenFailed:
        if (error.detail(0).isEmpty())
            //: %1 is a port name (COM3).
            return QCoreApplication::translate("SerialError", "%1 cannot be opened: the system gave no reason.")
                    .arg(port);
        //: %1 is a port name (COM3), %2 the system's reason.
        return QCoreApplication::translate("SerialError", "%1 cannot be opened: %2.").arg(port, error.detail(0));
    case SerialCause::ConnectionLost:
        //: %1 is a port name (COM3).
        return QCoreApplication::translate("SerialError", "The connection to %1 was lost: the USB adapter may have "
                                                          "been unplugged.")
                .arg(port);
    case SerialCause::NotOpen:
        //: %1 is a port name (COM3).
        return QCoreApplication::translate("SerialError", "%1 is not open.").arg(port);
    case SerialCause::WriteFailed:
        if (error.detail(0).isEmpty())
            //: %1 is a port name (COM3).
            return QCoreApplication::translate("SerialError", "Sending to %1 failed.").arg(port);
        //: %1 is a port name (COM3), %2 the system's reason.
        return QCoreApplication::translate("SerialError", "Sending to %1 failed: %2.").arg(port, error.detail(0));
    case SerialCause::ReadFailed:
        //: %1 is a port name (COM3), %2 the system's reason.
        return QCoreApplication::translate("SerialError", "Reading from %1 failed: %2.").arg(port, error.detail(0));
    case SerialCause::Gone:
        //: %1 is a port name (COM3).
        return QCoreApplication::translate("SerialError", "The ESC's port %1 is gone.").arg(port);
    }
    return QString();
}

QString portToolTip(const PortMap &map, int number)
{
    QString device = map.device(number);
    const QString link = map.link(number);
    if (device.isEmpty() || link.isEmpty())
        return device;
    //: A port's tool tip: %1 the device (/dev/ttyUSB0), %2 the link that names it (/dev/orvesc).
    return QCoreApplication::translate("SerialError", "%1 (linked as %2)").arg(device, link);
}

QString vanishingAdapterText(const QString &device)
{
    //: %1 is the adapter's device (/dev/ttyUSB0); brltty is a program's name and "sudo apt remove brltty" a
    //: command: both stay as they are.
    return QCoreApplication::translate("SerialError", "The USB adapter %1 appeared and vanished again at once: "
                                                      "brltty, a braille-display service, may be taking it. If you "
                                                      "use no braille display, remove it with: sudo apt remove "
                                                      "brltty, then plug the adapter in again.")
            .arg(device);
}

} // namespace orvesc
