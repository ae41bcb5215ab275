#include "escbench.h"

#include "messagebox.h"

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>

using namespace orvesc;
using namespace orvesc::test;

// The main window without an ESC: start-up, the display procedures, the port list and the ways out.
class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void startsWithOnlyConnectAndCloseUsable()
    {
        EscBench bench;
        Form1 &form = bench.start();
        QCOMPARE(bench.state(), QStringLiteral("\"\""));
        QVERIFY(bench.widget("Connect")->isEnabled() && bench.widget("Close")->isEnabled());
        for (int k = 0; k < 9; ++k)
            QVERIFY(!bench.check(k)->isEnabled() && !bench.check(k)->isChecked());
        QCOMPARE(bench.listTexts(), FactoryLists);
        QStringList menu;
        for (QAction *action : form.menuBar()->actions())
            menu << action->objectName() + '=' + action->text();
        QCOMPARE(menu, (QStringList{"frm_Exit=Exit", "About=About", "mnuSettings=Settings"}));
        QCOMPARE(bench.messages.beeps, 0);
    }

    void displayProceduresSetTheirGroups()
    {
        EscBench bench;
        Form1 &form = bench.start();
        form.unlock_Checks();
        for (int k = 0; k < 9; ++k)
            bench.check(k)->setChecked(true);
        form.clear_Checks();
        QCOMPARE(bench.state(), QStringLiteral("esc \"\""));
        form.unlock_Checks();
        QCOMPARE(bench.checkedBoxes(), QStringList());
        for (int k = 0; k < 9; ++k)
            QVERIFY(bench.check(k)->isEnabled());

        form.unlock_Lists();
        form.lock_Lists();
        QCOMPARE(bench.state(), QStringLiteral("esc boxes \"\""));
        form.unlock_Lists();
        QCOMPARE(bench.state(), QStringLiteral("esc boxes lists \"\""));
        QCOMPARE(bench.listTexts(), FactoryLists);
    }

    void listsThePortsThatOpen()
    {
        EscBench bench;
        for (int com : {7, 1, 4, 23})
            bench.addSilentPort(com);
        bench.start();
        auto *ports = bench.widget<QComboBox>("cmbCOM");
        QStringList items;
        for (int i = 0; i < ports->count(); ++i)
            items << ports->itemText(i);
        QCOMPARE(items, (QStringList{"COM1", "COM4", "COM7"}));
        QCOMPARE(ports->currentIndex(), 0);
        QCOMPARE(bench.messages.beeps, 0);
        QVERIFY(!bench.port.portOpen());
    }

    void exitClosesAnOpenPortThenTheWindow()
    {
        EscBench bench;
        bench.addSilentPort(1);
        bench.start();
        bench.port.setCommPort(1);
        bench.port.setPortOpen(true);
        bench.exit();
        QVERIFY(!bench.port.portOpen());
        QVERIFY(!bench.form->isVisible());
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
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
