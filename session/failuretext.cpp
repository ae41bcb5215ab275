#include "failuretext.h"

#include "serialerrortext.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace orvesc {

namespace {

constexpr QChar CR(u'\r');

// The ports a search could not open, so never searched.
QString unopenedNote(const EscFailure &failure)
{
    if (failure.unopened.empty())
        return QString();
    //: Followed by one line per port saying why it could not be opened.
    QString note = QCoreApplication::translate("Failure", "These ports could not be opened, so no ESC was looked for "
                                                          "there:");
    for (const SerialError &refused : failure.unopened)
        note += CR + serialErrorText(refused);
    return QString(2, CR) + note;
}

QString goneText(const EscFailure &failure, FrontEnd frontEnd)
{
    // The device goes in last: a "%" in its name is then never taken for a place holder.
    if (frontEnd == FrontEnd::Window)
        //: COM%1 is a port name and stays as it is; %2 is the device behind it (/dev/ttyUSB0).
        //: CONNECT is a button: use its translated name.
        return QCoreApplication::translate("Failure", "The ESC's port COM%1 (%2) is gone: plug the cable in again "
                                                      "and press CONNECT.")
                .arg(failure.port)
                .arg(failure.device);
    //: "COM%1 (%2)" stays as it is, together: the command line puts the name the user gave in its place. COM%1
    //: is a port name; %2 is the device behind it (/dev/ttyUSB0).
    return QCoreApplication::translate("Failure", "The ESC's port COM%1 (%2) is gone: plug the cable in again and "
                                                  "run the command again.")
            .arg(failure.port)
            .arg(failure.device);
}

QString windowText(const EscFailure &failure)
{
    using Kind = EscFailure::Kind;
    switch (failure.kind) {
    case Kind::NoPortListed:
    case Kind::NoPortSelected:
        return noPortText() + unopenedNote(failure);
    case Kind::NotFound:
        return notFoundText() + unopenedNote(failure);
    case Kind::PortUnavailable:
        return failure.serial ? serialErrorText(*failure.serial) : QString();
    case Kind::PortGone:
        return failure.serial && failure.serial->number() != serialerror::PortGone
                ? serialErrorText(*failure.serial)
                : goneText(failure, FrontEnd::Window);
    case Kind::OutOfRange:
        //: %1 is the number that was to be sent.
        return QCoreApplication::translate("Failure", "The setting code %1 cannot be sent: a command is one byte, "
                                                      "0 to 255. Nothing was sent to the ESC.")
                .arg(failure.sent);
    case Kind::TimedOut:
        return communicationErrorText();
    case Kind::BadReply:
        // A command answered by another byte than its echo shows as the box left unticked.
        return failure.element >= 0 ? QString() : communicationErrorText();
    case Kind::None:
    case Kind::EmptyReport:
    case Kind::Rejected:
    case Kind::Cancelled:
        break;
    }
    return QString();
}

} // namespace

QString oneLine(const QString &text)
{
    return QString(text).replace(CR, QLatin1Char(' ')).simplified();
}

QString notFoundText()
{
    //: A message box that keeps these line breaks; the lines after a bullet start with two spaces. Orvantis is a
    //: maker's name; Device Manager is the name of the Windows program.
    return QCoreApplication::translate("Failure", "Orvantis Controller Not Found!\r\r"
                                                  "• Check the PC Cable Adapter's connector orientation at your ESC\r\r"
                                                  "• Check Windows Device Manager to insure that device drivers for\r"
                                                  "  your USB Adapter cable are properly loaded, and that a Serial Port\r"
                                                  "  has been created by the USB adapter");
}

QString communicationErrorText()
{
    return QCoreApplication::translate("Failure", "Communication Error");
}

QString noPortText()
{
    //: COM port: a serial port as the port list names it (COM1, COM2...).
    return QCoreApplication::translate("Failure", "No COM port is selected: the port list is empty, or the selected "
                                                  "entry has no port number (only the first ten listed ports can be "
                                                  "used).");
}

QString failureText(const EscFailure &failure, FrontEnd frontEnd)
{
    using Kind = EscFailure::Kind;
    if (frontEnd == FrontEnd::Window)
        return windowText(failure);
    switch (failure.kind) {
    case Kind::NoPortListed:
        return QCoreApplication::translate("Failure", "No serial port is listed: plug in the PC interface cable.");
    case Kind::NotFound:
        if (failure.searched > 1)
            //: %n is the number of ports searched, always 2 or more.
            return QCoreApplication::translate("Failure", "No ESC answered on any of the %n listed ports. Check the "
                                                          "cable's connector orientation at the ESC and that the ESC "
                                                          "is powered.",
                                               nullptr, failure.searched);
        //: "COM%1 (%2)" stays as it is, together: the command line puts the name the user gave in its place.
        //: COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).
        return QCoreApplication::translate("Failure", "No ESC answered on COM%1 (%2). Check the cable's connector "
                                                      "orientation at the ESC and that the ESC is powered.")
                .arg(failure.port)
                .arg(failure.device);
    case Kind::PortGone:
        if (!failure.serial || failure.serial->number() == serialerror::PortGone)
            return goneText(failure, frontEnd);
        break;
    case Kind::EmptyReport:
        //: The command line's reason why a read failed, after its own "...: "; stays lower case.
        return QCoreApplication::translate("Failure", "the reply began with 0x00.");
    case Kind::Cancelled:
        //: The command line's reason why a run ended, after its own "...: "; stays lower case.
        return QCoreApplication::translate("Failure", "the run was cut short.");
    default:
        break;
    }
    return oneLine(windowText(failure));
}

QString backupsOffText(const QString &folder, const QString &problem, FrontEnd frontEnd)
{
    const QString shown = QDir::toNativeSeparators(folder);
    if (frontEnd == FrontEnd::Window)
        //: A message box that keeps these line breaks. %1 is the backup folder, %2 why it cannot be written ("the
        //: folder cannot be created"). CONNECT, PROGRAM and DEFAULT are buttons: use their translated names.
        return QCoreApplication::translate("Failure", "Backups are off until OrvESC is started again: the settings "
                                                      "cannot be saved in\r%1\r(%2). CONNECT, PROGRAM and DEFAULT "
                                                      "work as before; make the folder writable to have backups.")
                .arg(shown, problem);
    //: A command-line note after the port's name and a colon, so it starts lower case. %1 is the backup folder, %2 why it
    //: cannot be written ("the folder cannot be created").
    return QCoreApplication::translate("Failure", "backups are off for this run: the settings cannot be saved in %1 "
                                                  "(%2); the write goes on. Make the folder writable to have "
                                                  "backups.")
            .arg(shown, problem);
}

} // namespace orvesc
