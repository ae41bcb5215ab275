#include "escbench.h"

#include "frmabout.h"
#include "lamp.h"
#include "messagebox.h"
#include "qserialportcomponent.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace orvesc;
using namespace orvesc::test;

// The main window without an ESC: its controls, start-up, display procedures, port list and the
// two ways out.
class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void startsWithOnlyConnectAndCloseUsable()
    {
        EscBench bench;
        Form1 &form = bench.start();

        QCOMPARE(form.windowTitle(), QStringLiteral("Orvantis ESC PC Interface"));
        QVERIFY(bench.widget<QPushButton>("Connect")->isEnabled());
        QVERIFY(bench.widget<QPushButton>("Close")->isEnabled());
        QVERIFY(!bench.widget<QPushButton>("Program")->isEnabled());
        QVERIFY(!bench.widget<QPushButton>("CmdReset")->isEnabled());
        QVERIFY(bench.widget<Lamp>("chkDetected")->isHidden());
        QVERIFY(!bench.widget<QLabel>("LblDetected")->isEnabled());
        QVERIFY(!bench.widget<QGroupBox>("Frame3")->isEnabled());
        QVERIFY(!bench.widget<QGroupBox>("Frame4")->isEnabled());
        QVERIFY(bench.widget<QComboBox>("cmbCOM")->isHidden());
        QCOMPARE(bench.widget<QLabel>("LESCType")->text(), QString());
        for (int k = 0; k < 9; ++k) {
            QVERIFY(!bench.check(k)->isEnabled());
            QVERIFY(!bench.check(k)->isChecked());
        }
        for (int i = 0; i < SettingListCount; ++i)
            QVERIFY(!bench.combo(SettingList(i))->isEnabled());
        // The general choices with their factory entries selected; the stars stay visible.
        QCOMPARE(bench.listTexts(),
                 (QStringList{"OFF*", "3S Li*", "3.1 V*", "REDUCE POWER*", "ON*", "AUTO*", "8 kHz*",
                              "OFF*", "OFF*", "Disabled"}));
        QCOMPARE(bench.combo(SettingList::Timing)->count(), 3);
        QCOMPARE(bench.widget<QLabel>("labFrequency")->text(), QStringLiteral("FREQUENCY"));
        QCOMPARE(form.records().EscType, std::int16_t(0));
        QCOMPARE(bench.messages.beeps, 0);

        QStringList menu;
        for (QAction *action : form.menuBar()->actions())
            menu << action->objectName() + '=' + action->text();
        QCOMPARE(menu, (QStringList{"frm_Exit=Exit", "About=About"}));
        QCOMPARE(form.windowIcon().availableSizes().value(0), QSize(32, 32));
        QCOMPARE(bench.widget<QLabel>("Picture1")->pixmap().size(), QSize(160, 89));
    }

    void controlsCarryTheirCaptionsAndPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QRect>("twips");
        auto row = [](const char *name, const char *caption, const char *frame, QRect twips) {
            QTest::newRow(name) << name << caption << frame << twips;
        };
        row("Connect", "CONNECT", "Frame5", QRect(120, 240, 1215, 495));
        row("Program", "PROGRAM", "Frame5", QRect(1680, 240, 1215, 495));
        row("CmdReset", "DEFAULT", "Frame7", QRect(120, 240, 1095, 375));
        row("Close", "CLOSE", "Frame6", QRect(440, 240, 975, 375));
        row("Frame3", "ESC", "client", QRect(4080, 1440, 1815, 975));
        row("Frame4", "Programming", "client", QRect(4080, 2520, 1815, 3495));
        row("LblDetected", "ESC Detected", "Frame3", QRect(480, 255, 1095, 255));
        row("labBrake", "BRAKE", "Frame1", QRect(120, 240, 1740, 255));
        row("labSoftStart", "SOFT START", "Frame1", QRect(1920, 240, 1875, 255));
        row("labBattery", "BATTERY", "frBattery", QRect(120, 240, 1740, 255));
        row("labLVC", "CUTOFF V/CELL", "frBattery", QRect(120, 960, 1740, 255));
        row("labLVCAction", "AUTOCUT MODE", "frBattery", QRect(1920, 960, 1875, 255));
        row("labTiming", "TIMING MODE", "Frame2", QRect(120, 240, 1740, 255));
        row("labReverse", "MOTOR REVERSE", "Frame2", QRect(120, 960, 1740, 255));
        row("labRPM", "RPM CONTROL", "Frame2", QRect(1920, 960, 1875, 255));
        row("labACCN", "ACCELERATION DELAY", "frACCN", QRect(120, 240, 2235, 255));
        row("chkBrake", "BRAKE", "Frame4", QRect(120, 240, 1335, 315));
        row("chkLVCAction", "AUTOCUT", "Frame4", QRect(120, 1320, 1335, 315));
        row("chkReverse", "MOTOR", "Frame4", QRect(120, 2760, 1335, 315));
        row("chkRPM", "RPM CONTROL", "Frame4", QRect(120, 3120, 1575, 315));
    }
    void controlsCarryTheirCaptionsAndPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, frame);
        QFETCH(QRect, twips);
        EscBench bench;
        bench.start();
        QWidget *control = bench.widget<QWidget>(name.toLatin1().constData());
        QString shown;
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            shown = button->text();
        else if (auto *label = qobject_cast<QLabel *>(control))
            shown = label->text();
        else if (auto *box = qobject_cast<QGroupBox *>(control))
            shown = box->title();
        QCOMPARE(shown, caption);
        QCOMPARE(control->parentWidget()->objectName(), frame);
        const QRect pixels(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
        QCOMPARE(control->geometry(), pixels);
    }

    void settingLabelsAreBoldAndCaptionsBrown()
    {
        EscBench bench;
        bench.start();
        for (const char *name : {"labBrake", "labACCN", "LESCType"})
            QVERIFY2(bench.widget<QLabel>(name)->font().bold(), name);
        QVERIFY(!bench.widget<QLabel>("LblDetected")->font().bold());
        const QColor brown(77, 43, 24);
        auto colour = [&](const char *name, QPalette::ColorRole role) {
            return bench.widget<QWidget>(name)->palette().color(QPalette::Active, role);
        };
        QCOMPARE(colour("Frame4", QPalette::WindowText), brown);
        QCOMPARE(colour("chkRPM", QPalette::WindowText), brown);
        QCOMPARE(colour("LblDetected", QPalette::WindowText), brown);
        QCOMPARE(colour("cmbBatt", QPalette::Text), brown);
        QVERIFY(colour("labBrake", QPalette::WindowText) != brown);
        QCOMPARE(bench.widget<Lamp>("chkDetected")->colour(), QColor(0, 192, 0));
    }

    void tabsThroughTheControlsInWorkingOrder()
    {
        EscBench bench;
        Form1 &form = bench.start();
        const QStringList expected{"Connect", "Program", "cmbBrake", "cmbSoftStart", "cmbBatt",
                                   "cmbLVC", "cmbLVCAction", "cmbTiming", "cmbFrequency",
                                   "cmbReverse", "cmbRPM", "CmdReset", "Close", "cmbCOM",
                                   "chkBrake", "chkBatt", "chkLVC", "chkLVCAction", "chkSoftStart",
                                   "chkTiming", "chkFrequency", "chkReverse", "chkRPM", "cmbACCN"};
        QStringList order;
        QWidget *widget = bench.widget<QWidget>("Connect");
        do {
            if (expected.contains(widget->objectName()) && !order.contains(widget->objectName()))
                order << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != &form && order.size() < expected.size());
        QCOMPARE(order, expected);
    }

    void clearingChecksUnticksAndDisablesThemAndUnlockingEnablesWithoutTicks()
    {
        EscBench bench;
        Form1 &form = bench.start();
        form.unlock_Checks();
        for (int k = 0; k < 9; ++k)
            bench.check(k)->setChecked(true);

        form.clear_Checks();
        QCOMPARE(bench.checkedBoxes(), QStringList());
        for (int k = 0; k < 9; ++k)
            QVERIFY(!bench.check(k)->isEnabled());
        QVERIFY(!bench.widget<QGroupBox>("Frame4")->isEnabled());

        form.unlock_Checks();
        QVERIFY(bench.widget<QGroupBox>("Frame4")->isEnabled());
        QVERIFY(bench.widget<QGroupBox>("Frame3")->isEnabled());
        for (int k = 0; k < 9; ++k)
            QVERIFY(bench.check(k)->isEnabled());
        QCOMPARE(bench.checkedBoxes(), QStringList());
    }

    void lockingAndUnlockingListsKeepsTheirSelections()
    {
        EscBench bench;
        Form1 &form = bench.start();
        const QStringList before = bench.listTexts();
        form.unlock_Lists();
        for (int i = 0; i < SettingListCount; ++i)
            QVERIFY(bench.combo(SettingList(i))->isEnabled());
        form.lock_Lists();
        form.unlock_Lists();
        QCOMPARE(bench.listTexts(), before);
        for (int i = 0; i < SettingListCount; ++i)
            QVERIFY(bench.combo(SettingList(i))->isEnabled());
    }

    void listsThePortsThatOpen()
    {
        EscBench bench;
        for (int com : {7, 1, 4})
            bench.addSilentPort(com);
        // Only COM1 to COM21 are tried.
        bench.addSilentPort(23);
        Form1 &form = bench.start();
        auto *ports = bench.widget<QComboBox>("cmbCOM");
        QStringList items;
        for (int i = 0; i < ports->count(); ++i)
            items << ports->itemText(i);
        QCOMPARE(items, (QStringList{"COM1", "COM4", "COM7"}));
        QCOMPARE(ports->currentIndex(), 0);
        QCOMPARE(form.comPorts(), (std::array<std::int16_t, 10>{1, 4, 7, 0, 0, 0, 0, 0, 0, 0}));
        QVERIFY(ports->itemData(1, Qt::ToolTipRole).toString().contains(QLatin1String("/dev/")));
        QCOMPARE(bench.messages.beeps, 0);
        QVERIFY(!bench.port().portOpen());
    }

    void recordsNoNumberBeyondTheTenthPort()
    {
        EscBench bench;
        for (int com = 1; com <= 12; ++com)
            bench.addSilentPort(com);
        Form1 &form = bench.start();
        QCOMPARE(bench.widget<QComboBox>("cmbCOM")->count(), 12);
        QCOMPARE(form.comPorts(), (std::array<std::int16_t, 10>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        // The eleventh entry has no number to probe: it fails at once, with no byte sent.
        QCOMPARE(form.Chk_ESC(10), std::int16_t(0));
        QCOMPARE(bench.messages.beeps, 0);
    }

    void aboutOpensOneModelessWindow()
    {
        EscBench bench;
        Form1 &form = bench.start();
        auto aboutWindows = [] {
            QList<frmAbout *> found;
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *about = qobject_cast<frmAbout *>(w))
                    found << about;
            }
            return found;
        };
        QAction *about = form.findChild<QAction *>(QStringLiteral("About"));
        about->trigger();
        QCOMPARE(aboutWindows().size(), 1);
        frmAbout *dialog = aboutWindows().first();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowModality(), Qt::NonModal);
        about->trigger();
        QCOMPARE(aboutWindows(), QList<frmAbout *>{dialog});
        QVERIFY(dialog->isVisible());
    }

    void exitClosesAnOpenPortBeforeTheWindowGoes()
    {
        EscBench bench;
        bench.addSilentPort(1);
        Form1 &form = bench.start();
        bench.port().setCommPort(1);
        bench.port().setPortOpen(true);
        form.findChild<QAction *>(QStringLiteral("frm_Exit"))->trigger();
        QVERIFY(!bench.port().portOpen());
        QVERIFY(!form.isVisible());
    }

    void closeButtonClosesTheWindow()
    {
        EscBench bench;
        Form1 &form = bench.start();
        bench.click("Close");
        QVERIFY(!form.isVisible());
    }

    void messageBoxBeepsOnceAndShowsTextWithOnlyOk()
    {
        MessageBoxMessenger messenger;
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::Warning;
        int buttons = 0;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            box->button(QMessageBox::Ok)->click();
        });
        messenger.beepAndShow("Orvantis Controller Not Found!\r\r<b>Check</b>");
        QCOMPARE(title, QStringLiteral("OrvESC"));
        QCOMPARE(text, QStringLiteral("Orvantis Controller Not Found!\n\n<b>Check</b>"));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, 1);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
