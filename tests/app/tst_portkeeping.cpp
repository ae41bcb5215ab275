#include "escbench.h"

#include <QFile>
#include <QTemporaryDir>

using namespace orvesc;
using namespace orvesc::test;

namespace {

// What happens to the ports after CONNECT found the ESC on the USB adapter ttyUSB1, and when.
struct Change
{
    QString what;
    int afterBytes;  // -1: before PROGRAM is pressed; n: once the ESC has received n command bytes
    QList<int> escTraffic;
    QString message;
};

} // namespace

Q_DECLARE_METATYPE(Change)

// A run keeps the port CONNECT found: adapters coming and going, rescans and renumbering never
// send PROGRAM's bytes to another device, and an ESC whose adapter is gone is said so.
class TestPortKeeping : public QObject
{
    Q_OBJECT

private slots:
    void programStaysOnTheEscsDevice_data()
    {
        QTest::addColumn<Change>("change");
        const QList<int> all{160, 38, 56, 65, 81, 98, 112, 128, 144};
        const QString done = QStringLiteral("Quorl ESC programmed");
        QTest::newRow("adapter added, list rescanned") << Change{"add", -1, all, done};
        QTest::newRow("adapter added ahead during PROGRAM") << Change{"add", 3, all, done};
        QTest::newRow("adapter ahead removed during PROGRAM") << Change{"remove", 3, all, done};
        // A replacement adapter keeps the /dev name: only the watcher having seen the ESC's go tells them apart.
        QTest::newRow("ESC's adapter out and in again") << Change{"replug", -1, {},
            "The ESC's port COM1 (%1) is gone: plug the cable in again and press CONNECT."};
    }
    void programStaysOnTheEscsDevice()
    {
        QFETCH(Change, change);
#ifdef _WIN32
        // Windows gives each adapter a number of its own and keeps it: only a rescan, which leaves the
        // component on another number, can lead PROGRAM astray there.
        if (change.what == QLatin1String("replug"))
            QSKIP("Windows names a port by its number alone: an adapter back under the ESC's number is not told apart");
        if (change.afterBytes >= 0)
            QSKIP("nothing renumbers the ESC's port during a run on Windows");
        EscBench bench;
        sim::EscSimulator &esc = bench.sims.addEsc(1);
        sim::EscSimulator *other = nullptr;
        bench.start();
        bench.form->Connect_Click();
        QVERIFY(bench.widget("Program")->isEnabled());
        esc.clearLog();
        bench.messages.texts.clear();
        const auto act = [&] { other = &bench.sims.addEsc(2, 38, Silent); };
        const QString escDevice = QStringLiteral("COM1");
#else
        // Devices named like USB adapters, leading to simulated ESCs that have no COM link of their own.
        QTemporaryDir dev;
        SimFolder hidden;
        sim::EscSimulator &esc = hidden.addEsc(5);
        sim::EscSimulator *other = &hidden.addEsc(6, 38, Silent);
        const QString escDevice = dev.filePath(QStringLiteral("ttyUSB1"));
        const QString otherDevice = dev.filePath(QStringLiteral("ttyUSB0"));
        QVERIFY(QFile::link(QFile::symLinkTarget(hidden.comLink(5)), escDevice));
        QVERIFY(QFile::link(QFile::symLinkTarget(hidden.comLink(6)), otherDevice));

        EscBench bench;
        bench.systemPorts = change.what == QLatin1String("remove") ? QStringList{otherDevice, escDevice}
                                                                   : QStringList{escDevice};
        bench.start();
        bench.form->Connect_Click();
        QVERIFY(bench.widget("Program")->isEnabled());
        esc.clearLog();
        other->clearLog();
        bench.messages.texts.clear();

        const auto act = [&] {
            if (change.what == QLatin1String("add")) {
                bench.systemPorts = {otherDevice, escDevice};
            } else if (change.what == QLatin1String("remove")) {
                bench.systemPorts = {escDevice};
            } else {
                const QString target = QFile::symLinkTarget(escDevice);
                QFile::remove(escDevice);
                bench.systemPorts = {};
                bench.form->notePortsChanged();  // as the port follower does when the watcher reports
                QFile::link(target, escDevice);
                bench.systemPorts = {escDevice};
            }
        };
#endif
        // Between runs the port follower scans again, which leaves the serial component on the last
        // number it tried; during a run the map changes under it.
        if (change.afterBytes < 0) {
            act();
            bench.form->rescan_COM();
        } else
            bench.when(esc, std::size_t(change.afterBytes), act);
        bench.form->Program_Click();

        QCOMPARE(received(esc), change.escTraffic);
        QCOMPARE(received(*other), QList<int>());
        QCOMPARE(bench.messages.texts, QStringList{change.message.arg(escDevice)});
    }
};

QTEST_MAIN(TestPortKeeping)
#include "tst_portkeeping.moc"
