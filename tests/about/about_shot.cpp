#include "frmabout.h"
#include "orvescversion.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(ORVESC_APP_NAME));
    QApplication::setApplicationVersion(QStringLiteral(ORVESC_VERSION_STRING));
    if (argc < 2) {
        std::fprintf(stderr, "usage: about_shot <file.png>\n");
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);

    auto *dialog = new orvesc::frmAbout;
    dialog->show();
    int result = 1;
    // Let the window map and paint before grabbing it.
    QTimer::singleShot(500, &app, [&] {
        result = dialog->grab().save(file) ? 0 : 1;
        dialog->close();
    });
    app.exec();
    return result;
}
