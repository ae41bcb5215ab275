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

// Every text the dialog shows: caption, then its labels and buttons by name.
QStringList textsOf(QWidget *dialog)
{
    QStringList texts{ dialog->windowTitle() };
    for (const char *name : { "lblTitle", "lblVersion", "lblDescription", "lblDisclaimer", "cmdOK", "cmdSysInfo" }) {
        QWidget *widget = dialog->findChild<QWidget *>(QLatin1String(name));
        texts << (widget ? widget->property("text").toString() : QStringLiteral("<missing>"));
    }
    return texts;
}

void click(QWidget *dialog, const char *name)
{
    auto *button = dialog->findChild<QPushButton *>(QLatin1String(name));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Stand-in system information programs that leave proof they ran, alone on the PATH.
void install(const QTemporaryDir &dir, const QStringList &names, const QByteArray &interpreter)
{
    for (const QString &name : names) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!" + interpreter + "\necho started > '" + QFile::encodeName(dir.filePath("ran-" + name)) + "'\n");
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    qputenv("PATH", names.isEmpty() ? QByteArray() : QFile::encodeName(dir.path()));
}

} // namespace

// What the About dialog shows and what its buttons do.
class TestFrmAbout : public QObject
{
    Q_OBJECT

    QByteArray m_path;
    QStringList m_notices;

private slots:
    void init()
    {
        QCoreApplication::setApplicationName(QStringLiteral(ORVESC_APP_NAME));
        QCoreApplication::setApplicationVersion(QStringLiteral(ORVESC_VERSION_STRING));
        m_path = qgetenv("PATH");
        m_notices.clear();
        AboutNotice::setHook([this](const QString &text) { m_notices << text; });
    }
    void cleanup()
    {
        qputenv("PATH", m_path);
        AboutNotice::setHook({});
        qDeleteAll(QApplication::topLevelWidgets());
    }

    // Set ABOUT_SHOT to a .png path to keep a picture of the dialog for a look by eye.
    void showsTheApplicationAndOkUnloads()
    {
        QList<QStringList> seen;
        for (int opening = 0; opening < 2; ++opening) {
            QPointer<frmAbout> dialog = new frmAbout;
            dialog->show();
            QVERIFY(!dialog->isModal());
            QVERIFY(!dialog->findChild<QLabel *>(QStringLiteral("picIcon"))->pixmap().isNull());
            seen << textsOf(dialog);
            if (const QString shot = qEnvironmentVariable("ABOUT_SHOT"); !shot.isEmpty() && opening == 0)
                QVERIFY(dialog->grab().save(shot));
            click(dialog, "cmdOK");
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(dialog.isNull(), "OK must unload the dialog");
        }
        QCOMPARE(seen[0].mid(0, 3), (QStringList{ "About OrvESC", "Orvantis ESC PC interface", "Version 1.3.1" }));
        QVERIFY(seen[0][3].endsWith("\nFor news and updates visit www.orvantis.example"));
        QVERIFY(seen[0][4].startsWith("Warning:"));
        QCOMPARE(seen[0].mid(5), (QStringList{ "OK", "&System Info..." }));
        QCOMPARE(seen[1], seen[0]);

        // Caption and version come from the application, the version without leading zeros.
        QCoreApplication::setApplicationName("Bench");
        QCoreApplication::setApplicationVersion("2.010.0007");
        frmAbout other;
        QCOMPARE(textsOf(&other).mid(0, 3), (QStringList{ "About Bench", "Orvantis ESC PC interface", "Version 2.10.7" }));
    }

    void sysInfoStartsFirstKnownProgramOrSaysItCannot_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QByteArray>("interpreter");
        QTest::addColumn<QString>("started");
        QTest::newRow("first known program on the PATH")
                << QStringList{ "gnome-system-monitor", "hardinfo", "kinfocenter" } << QByteArray("/bin/sh") << "hardinfo";
        QTest::newRow("empty PATH") << QStringList{} << QByteArray() << QString();
        QTest::newRow("program that cannot start") << QStringList{ "hardinfo2" } << QByteArray("/nonexistent/sh") << QString();
    }
    void sysInfoStartsFirstKnownProgramOrSaysItCannot()
    {
#ifdef _WIN32
        QSKIP("Windows finds the program through the registry");
#endif
        QFETCH(QStringList, installed);
        QFETCH(QByteArray, interpreter);
        QFETCH(QString, started);
        QTemporaryDir dir;
        install(dir, installed, interpreter);

        QPointer<frmAbout> dialog = new frmAbout;
        dialog->show();
        click(dialog, "cmdSysInfo");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        if (!started.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("ran-" + started)), 10000);
        QCOMPARE(m_notices, started.isEmpty() ? QStringList{ Unavailable } : QStringList{});
        QVERIFY(dialog && dialog->isVisible());
        for (const QString &name : installed)
            QVERIFY2(name == started || !QFile::exists(dir.filePath("ran-" + name)), qPrintable(name));
    }

    void messageBoxHasOnlyOkNoIconAndApplicationTitle()
    {
        AboutNotice::setHook({});
        QStringList seen;
        QTimer::singleShot(0, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen << box->windowTitle() << box->text() << QString::number(box->icon())
                     << QString::number(box->standardButtons().toInt());
                box->button(QMessageBox::Ok)->click();
            }
        });
        AboutNotice::show(nullptr, Unavailable);
        QCOMPARE(seen, (QStringList{ "OrvESC", Unavailable, QString::number(QMessageBox::NoIcon),
                                     QString::number(QMessageBox::Ok) }));
    }
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
