#include "linkfixture.h"
#include "trafficformatter.h"
#include "trafficrecorder.h"

using namespace orvesc;
using namespace orvesc::test;

// The recorder around the real component on a simulated ESC, as diagnostics files and live traces show it.
class TestTrafficRecorder : public QObject
{
    Q_OBJECT

private slots:
    void bytesAndMeaningsInOrder_data()
    {
        QTest::addColumn<sim::Faults>("escFaults");
        QTest::addColumn<QString>("exchange");
        QTest::addColumn<QStringList>("lines");
        const QStringList reopen{"open COM1", "close COM1", "open COM1"};
        // CONNECT identifies twice on the port it finds; only a model code makes the second one "again".
        QTest::newRow("identify") << sim::Faults() << "identify"
                                  << reopen + QStringList{"-> 0x00 identify request", "<- 0x26 model 38: QUORL R5 3S", "close COM1"}
                                          + reopen + QStringList{"-> 0x00 identify request (again, on the port found)",
                                                                 "<- 0x26 model 38: QUORL R5 3S", "close COM1"};
        const QStringList notModel = reopen + QStringList{"-> 0x00 identify request", "<- 0x55 not a model code", "close COM1"};
        QTest::newRow("not a model") << faults([](auto &f) { f.identifyByte = 85; }) << "identify" << notModel + notModel;
        QTest::newRow("settings of 182") << sim::Faults() << "settings"
                                  << reopen + QStringList{"-> 0x02 settings request", "<- 0xA0 BRAKE: OFF", "<- 0x2B BATTERY: 8S Li",
                                                          "<- 0x30 CUTOFF V/CELL (Ni): 0.6 V", "<- 0x38 CUTOFF V/CELL (Li): 3.1 V",
                                                          "<- 0x41 AUTOCUT MODE: REDUCE POWER", "<- 0x51 SOFT START: ON",
                                                          "<- 0x62 TIMING MODE: AUTO", "<- 0x74 WARN VOLTAGE: AC +0.2",
                                                          "<- 0x80 MOTOR REVERSE: OFF", "<- 0x90 RPM CONTROL: OFF",
                                                          "<- 0xC0 ACCELERATION DELAY: LEVEL1", "<- 0x01 end of the settings", "close COM1"};
        QTest::newRow("command accepted") << sim::Faults() << "command"
                                          << QStringList{"open COM1", "-> 0x91 RPM CONTROL: ON RANGE 1", "<- 0x91 echo",
                                                         "<- 0x01 accepted", "close COM1"};
        QTest::newRow("command refused") << faults([](auto &f) { f.rejectCommand = 1; }) << "command"
                                         << QStringList{"open COM1", "-> 0x91 RPM CONTROL: ON RANGE 1", "<- 0x91 echo",
                                                        "<- 0x00 not accepted", "close COM1"};
        const auto noCom = [](int n) {
            return QStringLiteral("failure on COM%1 (8002): There is no COM%1: no serial port or USB adapter has that number. "
                                  "Check that the adapter is plugged in.").arg(n);
        };
        // A run of three or more missing numbers shortens to two lines; a pair does not.
        QTest::newRow("missing ports") << sim::Faults() << "missing"
                << QStringList{noCom(2), "failure on COM3 to COM5 (8002): no device has these numbers either.", noCom(7), noCom(8)};
    }
    void bytesAndMeaningsInOrder()
    {
        QFETCH(sim::Faults, escFaults);
        QFETCH(QString, exchange);
        QFETCH(QStringList, lines);
        SKIP_ON_WINDOWS_IF(exchange == QLatin1String("missing"), "Windows tells a missing COM number only on opening");
        const int model = exchange == QLatin1String("settings") ? 182 : 38;
        Rig rig(escFaults, model);
        TrafficRecorder recorder(rig.port);
        EscExchanges exchanges(recorder, rig.waiter);
        if (exchange == QLatin1String("missing")) {
            for (int number : {2, 3, 4, 5, 7, 8})
                QVERIFY_THROWS_EXCEPTION(SerialError, recorder.setCommPort(number));
        } else {
            QCOMPARE(exchanges.identify(1).code, escFaults.identifyByte ? 0 : model);
            recorder.clear();
            if (exchange == QLatin1String("identify")) {
                exchanges.identify(1);
                exchanges.identify(1);
            } else if (exchange == QLatin1String("settings")) {
                std::array<std::int16_t, 12> config{};
                exchanges.read_Config2(config);
            } else {
                exchanges.send_Command(145);
            }
        }
        static const QRegularExpression stamp(QStringLiteral("^ +\\d+\\.\\d{4}  "));
        QStringList shown = TrafficFormatter::formatAll(recorder.events(), recorder.started());
        for (QString &line : shown) {
            QVERIFY2(stamp.match(line).hasMatch(), qPrintable(line));
            line.remove(stamp);
        }
        QCOMPARE(shown, lines);
    }

    // The ring keeps the newest events and counts the rest; the sink sees every one as it happens.
    void ringKeepsTheNewest()
    {
        Rig rig;
        TrafficRecorder recorder(rig.port, 4);
        std::vector<TrafficEvent> sunk;
        recorder.setSink([&sunk](const TrafficEvent &event) { sunk.push_back(event); });
        recorder.setCommPort(1);
        recorder.setPortOpen(false);  // closing a closed port and reading nothing are no events
        recorder.setPortOpen(true);
        recorder.input();
        for (char byte : QByteArray("\x90\x91\x92\x93\x94"))
            recorder.output(QByteArray(1, byte));
        recorder.setPortOpen(false);

        QCOMPARE(sunk.size(), std::size_t(7));
        QCOMPARE(recorder.dropped(), std::size_t(3));
        QByteArray kept;
        for (const TrafficEvent &event : recorder.events())
            kept += event.kind == TrafficEvent::Kind::Close ? QByteArray("C") : event.bytes;
        QCOMPARE(kept, QByteArray("\x92\x93\x94" "C"));
        QVERIFY(rig.esc.waitForReceived(5, std::chrono::seconds(5)));
        QVERIFY(sunk.front().time <= sunk.back().time);
        QCOMPARE(received(rig.esc), (QList<int>{0x90, 0x91, 0x92, 0x93, 0x94}));
    }
};

QTEST_GUILESS_MAIN(TestTrafficRecorder)
#include "tst_trafficrecorder.moc"
