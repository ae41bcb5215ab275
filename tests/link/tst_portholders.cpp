#include "linkfixture.h"
#include "portholders.h"

using namespace orvesc;
using namespace orvesc::test;

// Naming the program that holds a port open without a lock file: a child of the test holds the
// simulator's pseudo-terminal as its standard input, as a terminal program would without locking.
class TestPortHolders : public QObject
{
    Q_OBJECT

private slots:
    void namesTheHoldingProgram_data()
    {
        QTest::addColumn<bool>("held");
        QTest::newRow("held by a child") << true;
        QTest::newRow("held by nobody else") << false;
    }
    void namesTheHoldingProgram()
    {
        QFETCH(bool, held);
        Rig rig;
        QProcess child;
        if (held) {
            child.setStandardInputFile(rig.device());
            child.start(QStringLiteral("sleep"), {QStringLiteral("60")});
            QVERIFY(child.waitForStarted());
        }
        const QString port = QStringLiteral("COM1 (%1)").arg(rig.device());
        const std::vector<HoldingProcess> holders = processesHolding(rig.device());
        if (held) {
            QCOMPARE(holders.size(), std::size_t(1));
            QCOMPARE(holders.front().pid, child.processId());
            QCOMPARE(portInUseMessage(port, rig.device()),
                     QStringLiteral("%1 is in use by another program (sleep, process %2). Close that program, "
                                    "or choose another port.")
                             .arg(port)
                             .arg(child.processId()));
            child.kill();
            child.waitForFinished();
        } else {
            // The simulator inside this process holds the terminal too: the tool never names itself.
            QVERIFY(holders.empty());
        }
    }
};

QTEST_GUILESS_MAIN(TestPortHolders)
#include "tst_portholders.moc"
