#include "documentfile.h"
#include "form1.h"
#include "languages.h"
#include "settingslocation.h"

#include "orvescversion.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// The settings file named on the command line (empty for none), or nothing when the command line
// is wrong; --help and --version print and end the program here.
std::optional<QString> settingsFileArgument(const QApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads and programs the settings of ESCs over a USB-to-serial cable."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("A settings file (.orvesc.json, which may be left out), opened once CONNECT has read the ESC's "
                       "settings. Nothing is sent to the ESC until you press PROGRAM."),
        QStringLiteral("[file]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "%s: %s\n", ORVESC_APP_NAME,
                     qPrintable(QStringLiteral("give one settings file at most, not %1. See %2 --help.")
                                    .arg(files.size())
                                    .arg(QFileInfo(QCoreApplication::arguments().constFirst()).fileName())));
        return std::nullopt;
    }
    if (files.isEmpty() || files.constFirst().isEmpty())
        return QString();
    return QFileInfo(orvesc::settingsFileToRead(files.constFirst())).absoluteFilePath();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(ORVESC_APP_NAME));
    QApplication::setApplicationVersion(QStringLiteral(ORVESC_VERSION_STRING));
    orvesc::settleSettingsLocation();
    // Lets Wayland desktops match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(ORVESC_APP_ID));
    const std::optional<QString> file = settingsFileArgument(app);
    if (!file)
        return EXIT_FAILURE;

    orvesc::useLanguage(orvesc::chosenLanguage());
    orvesc::Form1 window;
    // The About window and the message boxes show the same icon as the main window.
    QApplication::setWindowIcon(window.windowIcon());
    if (!file->isEmpty())
        window.openAfterConnect(*file);
    window.show();
    return app.exec();
}
