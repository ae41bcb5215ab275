#include "form1.h"

#include "orvescversion.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(ORVESC_APP_NAME));
    QApplication::setApplicationVersion(QStringLiteral(ORVESC_VERSION_STRING));
    // Lets Wayland desktops match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(ORVESC_APP_ID));

    orvesc::Form1 window;
    // The About window and the message boxes show the same icon as the main window.
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    return app.exec();
}
