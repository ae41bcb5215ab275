#include "escbench.h"
#include "portfollower.h"
#include "portholders.h"
#include "portwatcher.h"

#include <QFileInfo>

using namespace orvesc;
using namespace orvesc::test;

namespace {

QStringList items(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

// The bench keeps its link folder to itself; a simulator started and stopped again tells where
// it is and leaves it empty.
QString linkFolder(EscBench &bench)
{
    sim::EscSimulator &scout = bench.addEsc(21, 38);
    const QString folder = QFileInfo(QString::fromStdString(scout.linkPath())).path();
    scout.stop();
    return folder;
}

} // namespace

// The port list follows simulated ESCs that appear and vanish after start-up; the system's list
// stays empty, so no real device is ever seen.
class TestPortFollow : public QObject
{
    Q_OBJECT

private slots:
    void listFollowsThePortsBetweenRuns_data()
    {
        QTest::addColumn<QList<int>>("ports");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QList<int>>("added");
        QTest::addColumn<QList<int>>("removed");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("current");
        QTest::newRow("plugged in after start-up") << QList<int>{} << "" << QList<int>{1} << QList<int>{}
                                                   << QStringList{"COM1"} << "COM1";
        QTest::newRow("unplugged") << QList<int>{1, 2} << "" << QList<int>{} << QList<int>{1} << QStringList{"COM2"}
                                   << "COM2";
        QTest::newRow("selection kept") << QList<int>{1, 3} << "COM3" << QList<int>{2} << QList<int>{}
                                        << QStringList{"COM1", "COM2", "COM3"} << "COM3";
        QTest::newRow("selected port gone") << QList<int>{1, 3} << "COM3" << QList<int>{} << QList<int>{3}
                                            << QStringList{"COM1"} << "COM1";
    }
    void listFollowsThePortsBetweenRuns()
    {
        QFETCH(QList<int>, ports);
        QFETCH(QString, selected);
        QFETCH(QList<int>, added);
        QFETCH(QList<int>, removed);
        QFETCH(QStringList, list);
        QFETCH(QString, current);
        EscBench bench;
        const QString folder = linkFolder(bench);
        std::map<int, sim::EscSimulator *> escs;
        for (int com : ports)
            escs[com] = &bench.addEsc(com, 38);
        Form1 &form = bench.start();
        auto *cmbCOM = bench.widget<QComboBox>("cmbCOM");
        if (!selected.isEmpty())
            cmbCOM->setCurrentIndex(cmbCOM->findText(selected));
        PortWatcher watcher(folder, [] { return QStringList(); });
        form.followPorts(watcher);

        for (int com : added)
            escs[com] = &bench.addEsc(com, 38);
        for (int com : removed)
            QVERIFY(QFile::remove(QString::fromStdString(escs[com]->linkPath())));
        QTRY_COMPARE(items(cmbCOM), list);
        QCOMPARE(cmbCOM->currentText(), current);

        bench.click("Connect");
        QCOMPARE(bench.widget<QLabel>("LESCType")->text(), QStringLiteral("QUORL R5 3S"));
        for (int com : removed)
            QCOMPARE(EscBench::received(*escs[com]), QList<int>());
    }

    // A port that appears while CONNECT waits for the ESC changes the list only after the run.
    void noScanDuringARun()
    {
        EscBench bench;
        const QString folder = linkFolder(bench);
        sim::EscSimulator &esc = bench.addEsc(1, 38);
        EscBench::slowDown(esc, 300);
        Form1 &form = bench.start();
        PortWatcher watcher(folder, [] { return QStringList(); });
        form.followPorts(watcher);
        auto *cmbCOM = bench.widget<QComboBox>("cmbCOM");
        int changesDuringRun = 0;
        bool listChangedDuringRun = false;
        connect(&watcher, &PortWatcher::portsChanged, this, [&] { changesDuringRun += form.isBusy(); });
        connect(cmbCOM->model(), &QAbstractItemModel::rowsInserted, this,
                [&] { listChangedDuringRun = listChangedDuringRun || form.isBusy(); });

        bench.when(esc, 1, [&bench] { bench.addEsc(2, 38); });
        bench.click("Connect");
        QCOMPARE(bench.widget<QLabel>("LESCType")->text(), QStringLiteral("QUORL R5 3S"));
        QVERIFY(changesDuringRun > 0);
        QVERIFY(!listChangedDuringRun);
        QTRY_COMPARE(items(cmbCOM), (QStringList{"COM1", "COM2"}));
    }

    // A USB adapter that vanishes as soon as it appears gets the brltty hint once, where brltty is
    // installed.
    void hintsAtBrlttyOnce_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QStringList>("texts");
        const QString usb = QStringLiteral("/dev/ttyUSB0");
        QTest::newRow("brltty installed") << true << QStringList{vanishingAdapterMessage(usb)};
        QTest::newRow("no brltty") << false << QStringList();
    }
    void hintsAtBrlttyOnce()
    {
        QFETCH(bool, installed);
        QFETCH(QStringList, texts);
        EscBench bench;
        const QString folder = linkFolder(bench);
        Form1 &form = bench.start();
        QStringList systemPorts;
        PortWatcher watcher(folder, [&systemPorts] { return systemPorts; });
        form.followPorts(watcher).setBrlttyCheck([installed] { return installed; });
        for (int round = 0; round < 2; ++round) {
            systemPorts = QStringList{QStringLiteral("/dev/ttyUSB0")};
            watcher.look();
            systemPorts.clear();
            watcher.look();
        }
        QCOMPARE(bench.messages.texts, texts);
    }
};

QTEST_MAIN(TestPortFollow)
#include "tst_portfollow.moc"
