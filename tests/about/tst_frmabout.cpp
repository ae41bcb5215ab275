#include "aboutnotice.h"
#include "frmabout.h"
#include "orvescversion.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace orvesc;

namespace {

const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

QString labelText(QWidget *dialog, const char *name)
{
    auto *label = dialog->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

void click(QWidget *dialog, const char *name)
{
    auto *button = dialog->findChild<QPushButton *>(QLatin1String(name));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// A stand-in system information program that leaves proof it ran.
void writeProgram(const QString &dir, const QString &name, const QByteArray &interpreter = "/bin/sh")
{
    QFile file(dir + QLatin1Char('/') + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!" + interpreter + "\necho started > '" + QFile::encodeName(dir) + "/ran-" + name.toUtf8()
               + "'\n");
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

} // namespace

// What the About dialog shows and what its buttons do.
class TestFrmAbout : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void captionAndVersionReadFromApplication_data();
    void captionAndVersionReadFromApplication();
    void showsItsFixedTexts_data();
    void showsItsFixedTexts();
    void okUnloadsAndReopeningShowsSameTexts();
    void sysInfoStartsFirstKnownProgramOnPath_data();
    void sysInfoStartsFirstKnownProgramOnPath();
    void sysInfoUnavailableShowsMessageAndStaysOpen_data();
    void sysInfoUnavailableShowsMessageAndStaysOpen();
    void messageBoxHasOnlyOkNoIconAndApplicationTitle();

private:
    QByteArray m_path;
    QStringList m_notices;
};

void TestFrmAbout::init()
{
    QCoreApplication::setApplicationName(QStringLiteral(ORVESC_APP_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVESC_VERSION_STRING));
    m_path = qgetenv("PATH");
    m_notices.clear();
    AboutNotice::setHook([this](const QString &text) { m_notices << text; });
}

void TestFrmAbout::cleanup()
{
    qputenv("PATH", m_path);
    AboutNotice::setHook({});
    for (QWidget *widget : QApplication::topLevelWidgets())
        delete widget;
}

void TestFrmAbout::captionAndVersionReadFromApplication_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("versionText");

    QTest::newRow("the program's own") << QStringLiteral(ORVESC_APP_NAME) << QStringLiteral(ORVESC_VERSION_STRING)
                                       << "About OrvESC" << "Version 1.3.1";
    QTest::newRow("another name and version") << "Bench" << "2.10.7" << "About Bench" << "Version 2.10.7";
    QTest::newRow("leading zeros dropped") << "OrvESC" << "1.03.0001" << "About OrvESC" << "Version 1.3.1";
}

void TestFrmAbout::captionAndVersionReadFromApplication()
{
    QFETCH(QString, name);
    QFETCH(QString, version);
    QFETCH(QString, caption);
    QFETCH(QString, versionText);
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(version);

    frmAbout dialog;
    QCOMPARE(dialog.windowTitle(), caption);
    QCOMPARE(labelText(&dialog, "lblVersion"), versionText);
}

void TestFrmAbout::showsItsFixedTexts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("startsWith");

    QTest::newRow("title") << "lblTitle" << "Orvantis ESC PC interface";
    QTest::newRow("description, web site on its own line")
        << "lblDescription"
        << "This software will enable programming of a Orvantis ESC when used in conjunction with a Orvantis PC "
           "Interface Cable and a PC.\n";
    QTest::newRow("disclaimer") << "lblDisclaimer" << "Warning:";
    QTest::newRow("OK") << "cmdOK" << "OK";
    QTest::newRow("System Info, S as access key") << "cmdSysInfo" << "&System Info...";
}

void TestFrmAbout::showsItsFixedTexts()
{
    QFETCH(QString, control);
    QFETCH(QString, startsWith);

    frmAbout dialog;
    QWidget *widget = dialog.findChild<QWidget *>(control);
    QVERIFY(widget);
    const QString text = widget->property("text").toString();
    QVERIFY2(text.startsWith(startsWith), qPrintable(text));
    if (control == QLatin1String("lblDescription"))
        QVERIFY(text.section(QLatin1Char('\n'), -1).contains(QLatin1String("www.orvantis.example")));
    if (control == QLatin1String("lblTitle")) {
        auto *icon = dialog.findChild<QLabel *>(QStringLiteral("picIcon"));
        QVERIFY(icon && !icon->pixmap().isNull());
        QVERIFY(dialog.findChild<QWidget *>(QStringLiteral("Line1")));
    }
}

void TestFrmAbout::okUnloadsAndReopeningShowsSameTexts()
{
    QStringList seen;
    for (int opening = 0; opening < 2; ++opening) {
        QPointer<frmAbout> dialog = new frmAbout;
        dialog->show();
        QVERIFY(!dialog->isModal());
        seen << dialog->windowTitle() + QLatin1Char('|') + labelText(dialog, "lblVersion");

        click(dialog, "cmdOK");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(dialog.isNull(), "OK must unload the dialog");
    }
    QCOMPARE(seen.at(0), QStringLiteral("About OrvESC|Version 1.3.1"));
    QCOMPARE(seen.at(1), seen.at(0));
}

void TestFrmAbout::sysInfoStartsFirstKnownProgramOnPath_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("hardinfo2 alone") << QStringList{"hardinfo2"} << "hardinfo2";
    QTest::newRow("hardinfo before system monitors")
        << QStringList{"gnome-system-monitor", "hardinfo", "kinfocenter"} << "hardinfo";
    QTest::newRow("a system monitor as last resort") << QStringList{"gnome-system-monitor"}
                                                     << "gnome-system-monitor";
}

void TestFrmAbout::sysInfoStartsFirstKnownProgramOnPath()
{
#ifdef _WIN32
    QSKIP("Windows finds the program through the registry");
#endif
    QFETCH(QStringList, installed);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &name : installed)
        writeProgram(dir.path(), name);
    qputenv("PATH", QFile::encodeName(dir.path()));

    auto *dialog = new frmAbout;
    dialog->show();
    click(dialog, "cmdSysInfo");

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("ran-" + expected)), 10000);
    QCOMPARE(m_notices, QStringList());
    QVERIFY(dialog->isVisible());
    for (const QString &name : installed) {
        if (name != expected)
            QVERIFY2(!QFile::exists(dir.filePath("ran-" + name)), qPrintable(name));
    }
}

void TestFrmAbout::sysInfoUnavailableShowsMessageAndStaysOpen_data()
{
    QTest::addColumn<bool>("emptyPath");

    QTest::newRow("empty PATH") << true;
    QTest::newRow("program that cannot start") << false;
}

void TestFrmAbout::sysInfoUnavailableShowsMessageAndStaysOpen()
{
#ifdef _WIN32
    QSKIP("Windows finds the program through the registry");
#endif
    QFETCH(bool, emptyPath);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (emptyPath) {
        qputenv("PATH", "");
    } else {
        writeProgram(dir.path(), QStringLiteral("hardinfo2"), "/nonexistent/interpreter");
        qputenv("PATH", QFile::encodeName(dir.path()));
    }

    QPointer<frmAbout> dialog = new frmAbout;
    dialog->show();
    click(dialog, "cmdSysInfo");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(m_notices, QStringList{Unavailable});
    QVERIFY(dialog && dialog->isVisible());
}

void TestFrmAbout::messageBoxHasOnlyOkNoIconAndApplicationTitle()
{
    AboutNotice::setHook({});
    QString title;
    QString text;
    int icon = -1;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });

    AboutNotice::show(nullptr, Unavailable);

    QCOMPARE(title, QStringLiteral("OrvESC"));
    QCOMPARE(text, Unavailable);
    QCOMPARE(icon, int(QMessageBox::NoIcon));
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
