#include "failuretext.h"

#include "serialerrortext.h"

#include <QDir>
#include <QStringList>

namespace orvesc {

namespace {

constexpr QChar CR(u'\r');

// A box breaks lines with CR; a terminal line does not.
QString oneLine(const QString &text)
{
    return QString(text).replace(CR, QLatin1Char(' ')).simplified();
}

// The ports a search could not open, so never searched.
QString unopenedNote(const EscFailure &failure)
{
    if (failure.unopened.empty())
        return QString();
    QString note = QStringLiteral("These ports could not be opened, so no ESC was looked for there:");
    for (const SerialError &refused : failure.unopened)
        note += CR + serialErrorText(refused);
    return QString(2, CR) + note;
}

QString goneText(const EscFailure &failure, FrontEnd frontEnd)
{
    return QStringLiteral("The ESC's port COM%1 (%2) is gone: %3")
            .arg(failure.port)
            .arg(failure.device,
                 frontEnd == FrontEnd::Window ? QStringLiteral("plug the cable in again and press CONNECT.")
                                              : QStringLiteral("plug the cable in again and run the command again."));
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
        return QStringLiteral("The setting code %1 cannot be sent: a command is one byte, 0 to 255. "
                              "Nothing was sent to the ESC.")
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

QString notFoundText()
{
    return QStringLiteral("Orvantis Controller Not Found!\r\r"
                          "\u2022 Check the PC Cable Adapter's connector orientation at your ESC\r\r"
                          "\u2022 Check Windows Device Manager to insure that device drivers for\r"
                          "  your USB Adapter cable are properly loaded, and that a Serial Port\r"
                          "  has been created by the USB adapter");
}

QString communicationErrorText()
{
    return QStringLiteral("Communication Error");
}

QString noPortText()
{
    return QStringLiteral("No COM port is selected: the port list is empty, or the selected entry has no port "
                          "number (only the first ten listed ports can be used).");
}

QString failureText(const EscFailure &failure, FrontEnd frontEnd)
{
    using Kind = EscFailure::Kind;
    if (frontEnd == FrontEnd::Window)
        return windowText(failure);
    switch (failure.kind) {
    case Kind::NoPortListed:
        return QStringLiteral("No serial port is listed: plug in the PC interface cable.");
    case Kind::NotFound:
        return failure.searched > 1
                ? QStringLiteral("No ESC answered on any of the %1 listed ports. Check the cable's connector "
                                 "orientation at the ESC and that the ESC is powered.")
                          .arg(failure.searched)
                : QStringLiteral("No ESC answered on COM%1 (%2). Check the cable's connector orientation at "
                                 "the ESC and that the ESC is powered.")
                          .arg(failure.port)
                          .arg(failure.device);
    case Kind::PortGone:
        if (!failure.serial || failure.serial->number() == serialerror::PortGone)
            return goneText(failure, frontEnd);
        break;
    case Kind::EmptyReport:
        return QStringLiteral("the reply began with 0x00.");
    case Kind::Cancelled:
        return QStringLiteral("the run was cut short.");
    default:
        break;
    }
    return oneLine(windowText(failure));
}

QString backupsOffText(const QString &folder, const QString &problem, FrontEnd frontEnd)
{
    const QString shown = QDir::toNativeSeparators(folder);
    if (frontEnd == FrontEnd::Window)
        return QStringLiteral("Backups are off until OrvESC is started again: the settings cannot be saved in\r%1\r"
                              "(%2). CONNECT, PROGRAM and DEFAULT work as before; make the folder writable to have "
                              "backups.")
                .arg(shown, problem);
    return QStringLiteral("backups are off for this run: the settings cannot be saved in %1 (%2); the write goes "
                          "on. Make the folder writable to have backups.")
            .arg(shown, problem);
}

} // namespace orvesc
