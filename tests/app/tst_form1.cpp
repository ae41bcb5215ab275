#include "escbench.h"
#include "serialerrortext.h"

#include "diagnostics.h"
#include "messagebox.h"
#include "portfollower.h"
#include "portholders.h"
#include "portwatcher.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

using namespace orvesc;
using namespace orvesc::test;

namespace {

// Ports at start-up, added and removed afterwards, the one selected first; the list and selection after.
struct Follow
{
    QList<int> ports, added, removed;
    QString selected, current;
    QStringList list;
};

} // namespace

Q_DECLARE_METATYPE(Follow)

// The main window around the runs: start-up, the port list following ESCs that come and go, messages, diagnostics.
class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    // Only the ports that open are listed, in order; nothing but CONNECT and CLOSE is usable, nor Compare.
    void startsWithThePortsThatOpenAndNothingElse()
    {
        EscBench bench;
        for (int com : {7, 1, 4, 23})
            bench.sims.addEsc(com, 38, Silent);
        bench.start();
        QCOMPARE(EscBench::items(bench.widget<QComboBox>("cmbCOM")), (QStringList{"COM1", "COM4", "COM7"}));
        QCOMPARE(bench.state(), QStringLiteral("\"\""));
        QVERIFY(bench.widget("Connect")->isEnabled() && bench.widget("Close")->isEnabled());
        QVERIFY(!bench.widget<QAction>("mnuCompare")->isEnabled());
        QCOMPARE(bench.listTexts(), FactoryLists);
        QVERIFY(bench.messages.texts.isEmpty());
        QVERIFY(!bench.port.portOpen());
    }

    void messageBoxShowsTextWithOnlyOk()
    {
        MessageBoxMessenger messenger;
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen << box->windowTitle() << box->text() << QString::number(box->icon())
                 << QString::number(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        });
        messenger.beepAndShow("Not Found!\r\r<b>Check</b>");
        QCOMPARE(seen, (QStringList{"OrvESC", "Not Found!\n\n<b>Check</b>", "0", "1"}));
    }

    // A save that fails says why; the file names the ports and decodes the traffic.
    void savesDiagnosticsOrSaysWhy()
    {
        QTemporaryDir out;
        QString path = out.filePath(QStringLiteral("missing/diagnostics.txt"));
        EscBench bench;
        sim::EscSimulator &esc = bench.connectedEsc();
        Diagnostics &diagnostics = bench.form->diagnostics();
        diagnostics.setPathChooser([&path] { return path; });
        diagnostics.setDeviceDescriber([](const QString &) { return QStringLiteral("USB 1a86:7523, QinHeng"); });
        bench.trigger("SaveDiagnostics");
        QCOMPARE(bench.messages.texts.size(), 1);
        QVERIFY(bench.messages.texts.front().startsWith("The diagnostics could not be written to " + QDir::toNativeSeparators(path) + ": "));

        path = out.filePath(QStringLiteral("diagnostics.txt"));
        bench.trigger("SaveDiagnostics");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString report = QString::fromUtf8(file.readAll());
#ifdef _WIN32
        Q_UNUSED(esc);
        const QString port = QStringLiteral("\n  COM1  COM1  USB 1a86:7523, QinHeng\n");
#else
        const QString port = QStringLiteral("\n  COM1  %1 (linked as %2)  USB 1a86:7523, QinHeng\n")
                                 .arg(QString::fromStdString(esc.devicePath()), QString::fromStdString(esc.linkPath()));
#endif
        for (const QString &expected : {port, QStringLiteral("  <- 0x26 model 38: QUORL R5 3S\n")})
            QVERIFY2(report.contains(expected), qPrintable(expected));
        QCOMPARE(bench.messages.texts.size(), 1);
    }

    void listFollowsThePortsBetweenRuns_data()
    {
        QTest::addColumn<Follow>("follow");
        QTest::newRow("plugged in after start-up") << Follow{{}, {1}, {}, "", "COM1", {"COM1"}};
        QTest::newRow("selection kept") << Follow{{1, 3}, {2}, {}, "COM3", "COM3", {"COM1", "COM2", "COM3"}};
        QTest::newRow("selected port gone") << Follow{{1, 3}, {}, {3}, "COM3", "COM1", {"COM1"}};
    }
    void listFollowsThePortsBetweenRuns()
    {
        QFETCH(Follow, follow);
        EscBench bench;
        for (int com : follow.ports)
            bench.sims.addEsc(com);
        Form1 &form = bench.start();
        auto *cmbCOM = bench.widget<QComboBox>("cmbCOM");
        cmbCOM->setCurrentIndex(cmbCOM->findText(follow.selected));
        PortWatcher watcher(bench.sims.path(), [&bench] { return bench.sims.plugged(); });
        form.followPorts(watcher);

        for (int com : follow.added)
            bench.sims.addEsc(com);
        for (int com : follow.removed)
            bench.sims.unplug(com);
        QTRY_COMPARE(EscBench::items(cmbCOM), follow.list);
        QCOMPARE(cmbCOM->currentText(), follow.current);

        bench.click("Connect");
        QCOMPARE(bench.widget<QLabel>("LESCType")->text(), QStringLiteral("QUORL R5 3S"));
    }

#ifndef _WIN32 // the access check is the Linux component's
    // A port this user may not open is left out of the list, and CONNECT that finds no ESC names it.
    void connectNamesThePortsItCouldNotOpen()
    {
        EscBench bench;
        bench.sims.addEsc(1, 38, Silent);
        bench.sims.addEsc(2);
        const QString refused = QFileInfo(bench.sims.comLink(2)).canonicalFilePath();
        bench.port.setAccessCheck([refused](const QString &device) { return device == refused ? EACCES : 0; });
        bench.start();
        QCOMPARE(EscBench::items(bench.widget<QComboBox>("cmbCOM")), QStringList{"COM1"});
        bench.click("Connect");
        QCOMPARE(bench.messages.texts.size(), 1);
        const QString text = bench.messages.texts.first();
        QVERIFY2(text.startsWith(QLatin1String("Orvantis Controller Not Found!")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("\r\rThese ports could not be opened, so no ESC was looked for there:\rCOM2 (")
                               + refused + QStringLiteral(") may not be opened by this user")), qPrintable(text));
    }
#endif

    // A port that appears while CONNECT waits for the ESC changes the list only after the run.
    void noScanDuringARun()
    {
        EscBench bench;
        sim::EscSimulator &esc = bench.sims.addEsc(1);
        EscBench::slowDown(esc, 300);
        Form1 &form = bench.start();
        PortWatcher watcher(bench.sims.path(), [&bench] { return bench.sims.plugged(); });
        form.followPorts(watcher);
        auto *cmbCOM = bench.widget<QComboBox>("cmbCOM");
        QStringList duringRun;
        bench.when(esc, 1, [&] {
            bench.sims.addEsc(2);
            watcher.look();
            duringRun = EscBench::items(cmbCOM);
        });
        bench.click("Connect");
        QCOMPARE(bench.widget<QLabel>("LESCType")->text(), QStringLiteral("QUORL R5 3S"));
        QCOMPARE(duringRun, QStringList{"COM1"});
        QTRY_COMPARE(EscBench::items(cmbCOM), (QStringList{"COM1", "COM2"}));
    }

    // A USB adapter that vanishes as soon as it appears gets the brltty hint once, if brltty is installed.
    void hintsAtBrlttyOnce()
    {
        EscBench bench;
        Form1 &form = bench.start();
        QStringList systemPorts;
        PortWatcher watcher(bench.sims.path(), [&systemPorts] { return systemPorts; });
        bool installed = false;
        form.followPorts(watcher).setBrlttyCheck([&installed] { return installed; });
        const QString usb = QStringLiteral("/dev/ttyUSB0");
        for (int round = 0; round < 3; ++round) {
            systemPorts = QStringList{usb};
            watcher.look();
            systemPorts.clear();
            watcher.look();
            QCOMPARE(bench.messages.texts, installed ? QStringList{vanishingAdapterText(usb)} : QStringList());
            installed = true;
        }
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
