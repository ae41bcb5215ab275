#include "entrycodes.h"
#include "line.h"
#include "memorysettingsview.h"
#include "modeltable.h"
#include "replytiming.h"
#include "settingsform.h"
#include "simfolder.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <filesystem>
#include <map>

using namespace orvesc;
using namespace orvesc::sim;
using namespace std::chrono_literals;
using orvesc::test::faults;

namespace {

QByteArray bytes(const char *hex) { return QByteArray::fromHex(hex); }

// A simulated model with faults, the requests sent and the replies expected, the brake stored afterwards.
struct Reply
{
    int model;
    Faults faults;
    QByteArray requests, replies;
    int brake;
};

// The EscSettings element of each code the tool's lists offer a model, by entry text.
std::map<int, int> offeredCodes(int code)
{
    MemorySettingsView view;
    EscRecords records;
    records.EscType = std::int16_t(code);
    SettingsForm form(view, records);
    form.ini_Lists();
    form.fillModelLists();
    std::map<int, int> offered;
    const auto add = [&](SettingList which, int element) {
        for (const std::string &text : view.memoryList(which).entries())
            if (const auto entry = test::entryCode(which, text))
                offered[*entry] = element;
    };
    for (int i = 0; i < SettingListCount; ++i)
        add(SettingList(i), i < 2 ? i : i + 1);
    form.lvc_Ni();
    add(SettingList::LVC, 2);
    return offered;
}

// Starts the command on a port-link folder; true once it reports the link com<com>.
bool launch(QProcess &sim, const QString &arguments, const QString &folder, int com)
{
    sim.start(QStringLiteral(ORVESC_SIM_EXECUTABLE), arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                                             << QStringLiteral("--com") << QString::number(com)
                                                             << QStringLiteral("--folder") << folder);
    QByteArray out;
    while (!out.contains("com" + QByteArray::number(com)) && sim.waitForReadyRead(5000))
        out += sim.readAllStandardOutput();
    return out.contains("com" + QByteArray::number(com));
}

} // namespace

Q_DECLARE_METATYPE(Reply)

// The simulated ESC through its pseudo-terminal, in this process and as the orvesc-esc-sim command.
class TestEscSimulator : public QObject
{
    Q_OBJECT

private slots:
    // Every named model stores exactly the codes the lists offer it (nickel cutoffs after battery "Ni").
    void acceptsExactlyTheCodesTheListsOffer()
    {
        for (const EscModel &esc : escModels()) {
            const std::map<int, int> offered = offeredCodes(esc.code);
            for (int code = 1; code < 256; ++code) {
                const auto found = offered.find(code);
                QVERIFY2(settingIndex(esc.code, std::uint8_t(code)) == (found == offered.end() ? -1 : found->second),
                         qPrintable(QStringLiteral("model %1, code %2").arg(esc.code).arg(code)));
            }
        }
    }

    // Each model's code and factory settings, eleven or twelve bytes; then the faults on model 38.
    void repliesAsModelAndFaultsSay_data()
    {
        QTest::addColumn<Reply>("row");
        const auto row = [](const char *name, int model, const Faults &f, const char *requests, const char *replies,
                            int brake = 160) {
            QTest::newRow(name) << Reply{model, f, bytes(requests), bytes(replies), brake};
        };
        row("181: eleven bytes", 181, {}, "00 02", "b5 a02b3038415162708090 01");
        row("182: twelve, warn voltage, delay", 182, {}, "00 02", "b6 a02b3038415162748090c0 01");
        row("224 unnamed: twelve, 3S, 8 kHz", 224, {}, "00 02", "e0 a0263038415162708090c0 01");
        row("225: eleven bytes", 225, {}, "00 02", "e1 a0263038415162748090 01");
        row("brake stored, 255 refused", 38, {}, "a1ff", "a101 ff00", 161);
        row("second identify byte", 38, faults([](Faults &f) { f.extraBytes = {0x26}; }), "00", "2626");
        row("twelfth settings byte", 38, faults([](Faults &f) { f.extraBytes = {0x99}; }), "02",
            "a0263038415162708090 01 99");
        row("echo without answer", 38, faults([](Faults &f) { f.echoWithoutAnswer = true; }), "a1", "a1", 161);
        row("answer without echo", 38, faults([](Faults &f) { f.answerWithoutEcho = true; }), "a1", "01", 161);
        row("third command refused", 38, faults([](Faults &f) { f.rejectCommand = 3; }), "00a1a240",
            "26 a101 a201 4000", 162);
        row("command accepted, not stored", 38, faults([](Faults &f) { f.ignoreCommand = 1; }), "a1", "a101");
    }
    void repliesAsModelAndFaultsSay()
    {
        QFETCH(Reply, row);
        const auto &[model, faults, requests, replies, brake] = row;
        test::SimFolder folder;
        EscSimulator &sim = folder.addEsc(1, model, faults);
        Line line(sim.linkPath());
        QCOMPARE(line.exchange(requests, replies.size()), replies);
        QVERIFY(sim.waitForReceived(requests.size(), 1s));
        QByteArray logged;
        for (const ReceivedByte &received : sim.receivedBytes())
            logged += char(received.value);
        QCOMPARE(logged, requests);
        QCOMPARE(int(sim.settings()[0]), brake);
    }

    // A latency timer hands over on its ticks what reached the adapter since the last one.
    void deliversRepliesOnTheLatencyTimersTicks_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<bool>("paced");
        QTest::addColumn<int>("timerMs");
        QTest::addColumn<qint64>("readyNs");
        QTest::addColumn<QString>("deliveries");  // "nanoseconds after the first tick x bytes"
        QTest::newRow("at once") << 3 << false << 0 << 5000000LL << "5000000x3";
        QTest::newRow("paced") << 2 << true << 0 << 0LL << "520833x1 1041666x1";
        QTest::newRow("one byte waits for the tick") << 1 << false << 16 << 3000000LL << "16000000x1";
        QTest::newRow("twelve paced bytes in one tick") << 12 << true << 16 << 3000000LL << "16000000x12";
        QTest::newRow("reply across a tick") << 12 << true << 16 << 12000000LL << "16000000x7 32000000x5";
        QTest::newRow("ready on a tick") << 1 << false << 16 << 32000000LL << "32000000x1";
    }
    void deliversRepliesOnTheLatencyTimersTicks()
    {
        QFETCH(int, bytes);
        QFETCH(bool, paced);
        QFETCH(int, timerMs);
        QFETCH(qint64, readyNs);
        const std::chrono::steady_clock::time_point ticksFrom{};
        QStringList got;
        for (const Delivery &d : replyDeliveries(std::size_t(bytes), ticksFrom + std::chrono::nanoseconds(readyNs),
                                                 paced, std::chrono::milliseconds(timerMs), ticksFrom))
            got << QStringLiteral("%1x%2").arg((d.at - ticksFrom).count()).arg(d.count);
        QTEST(got.join(QLatin1Char(' ')), "deliveries");
    }

    void replyDelayHoldsTheAnswerWithoutBlockingStop()
    {
        test::SimFolder folder;
        EscSimulator &sim = folder.addEsc(1, 38, faults([](Faults &f) { f.replyDelayMs = 300; }));
        Line line(sim.linkPath());
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(line.exchange(bytes("02"), 11), bytes("a0263038415162708090 01"));
        QVERIFY(timer.elapsed() >= 300);

        sim.setFaults(faults([](Faults &f) { f.replyDelayMs = 20000; }));
        line.send(bytes("00"));
        QVERIFY(sim.waitForReceived(2, 1s));
        timer.restart();
        sim.stop();
        QVERIFY(timer.elapsed() < 2000);
    }

    void droppedLineTakesDeviceAndLinkAway()
    {
        test::SimFolder folder;
        EscSimulator &sim = folder.addEsc(1, 38, faults([](Faults &f) { f.dropAfterBytes = 2; }));
        const std::string device = sim.devicePath();
        Line line(sim.linkPath());
        QCOMPARE(line.exchange(bytes("00"), 1), bytes("26"));
        QCOMPARE(line.exchange(bytes("00"), 1), QByteArray());
        QVERIFY(line.hungUp());
        QVERIFY(sim.lineDropped());
        QVERIFY(!std::filesystem::exists(std::filesystem::symlink_status(sim.linkPath())));
        QVERIFY(!Line(device).isOpen());
    }

    // A stale link is replaced, a live one kept, and the link goes with the simulator.
    void linksTheDeviceAndServesGivenSettings()
    {
        namespace fs = std::filesystem;
        test::SimFolder folder;
        const std::string link = folder.comLink(7).toStdString();
        fs::create_symlink("/dev/pts/orvesc-gone", link);
        EscSimulator &sim = folder.addEsc(7, 38, {}, EscSettings{161, 32, 50, 57, 64, 80, 97, 113, 129, 145, 192});
        QCOMPARE(fs::read_symlink(link).string(), sim.devicePath());
        EscSimulator rival;
        std::string error;
        QVERIFY(!rival.start(folder.path().toStdString(), 7, &error) && !error.empty());
        QCOMPARE(fs::read_symlink(link).string(), sim.devicePath());
        QCOMPARE(Line(link).exchange(bytes("02 a2"), 13), bytes("a1203239405061718191 01 a201"));
        sim.stop();
        QVERIFY(!fs::exists(fs::symlink_status(link)));
        sim.stop();
    }

    // Options, byte log, clean stop on a signal, and settings kept in the state file for that model only.
    void servesLogsAndKeepsStateAcrossRestarts()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("ports"));
        const QString logPath = dir.filePath(QStringLiteral("bytes.log"));
        const QString state = QStringLiteral(" --state ") + dir.filePath(QStringLiteral("esc.settings"));
        const auto run = [&](const QString &options, const QByteArray &requests, int count) {
            QProcess sim;
            if (!launch(sim, options + state, folder, 4))
                return QByteArray("not started");
            const QByteArray reply = Line((folder + QStringLiteral("/com4")).toStdString())
                                             .exchange(QByteArray::fromHex(requests), count);
            // Give the simulator a moment to keep what it stored before it is stopped.
            QTest::qWait(300);
            ::kill(static_cast<pid_t>(sim.processId()), SIGTERM);
            const bool clean = sim.waitForFinished(5000) && sim.exitStatus() == QProcess::NormalExit && sim.exitCode() == 0;
            return clean && !QFileInfo(folder + QStringLiteral("/com4")).isSymLink() ? reply : QByteArray("unclean stop");
        };
        QCOMPARE(run(QStringLiteral("--model 179 --reject-command 2 --settings 161,32,50,57,64,80,97,117,129,145 --log ")
                     + logPath, "00 02 a0 74", 16), QByteArray::fromHex("b3 a1203239405061758191 01 a001 7400"));
        QFile log(logPath);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(log.readAll());
        const QRegularExpression expected(QStringLiteral("^%1 0x00\n%1 0x02\n%1 0xA0\n%1 0x74\n$").arg(QStringLiteral("\\d+\\.\\d{6}")));
        QVERIFY2(expected.match(text).hasMatch(), qPrintable(text));
        QCOMPARE(run(QStringLiteral("--model 179 --pace --latency-timer 16"), "02", 11), QByteArray::fromHex("a0203239405061758191 01"));
        QCOMPARE(run(QStringLiteral("--model 45"), "02", 11), QByteArray::fromHex("a02b3038415162708090 01"));
    }

    void refusesBadOptions_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::newRow("model beyond a byte") << QStringLiteral("--model 300");
        QTest::newRow("nine settings") << QStringLiteral("--settings 1,2,3,4,5,6,7,8,9");
        QTest::newRow("reject command 0") << QStringLiteral("--reject-command 0");
        QTest::newRow("latency timer beyond FTDI's 255 ms") << QStringLiteral("--latency-timer 256");
    }
    void refusesBadOptions()
    {
        QFETCH(QString, arguments);
        QTemporaryDir dir;
        QProcess sim;
        QVERIFY(!launch(sim, arguments, dir.path(), 1));
        sim.waitForFinished(5000);
        QCOMPARE(sim.exitCode(), 2);
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEscSimulator)
#include "tst_escsimulator.moc"
