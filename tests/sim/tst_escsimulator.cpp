#include "escsimulator.h"
#include "line.h"

#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace orvesc::sim;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(Faults)

namespace {

QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

// Options or faults as set by set, the rest at their defaults.
template <typename T, typename Set>
T with(Set set)
{
    T value;
    set(value);
    return value;
}

} // namespace

// The simulated ESC as the PC sees it through the pseudo-terminal: replies, kept settings, faults,
// byte log and port link.
class TestEscSimulator : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    std::string folder() const { return m_dir->path().toStdString() + "/ports"; }

    std::unique_ptr<EscSimulator> started(SimOptions options, int com = 1)
    {
        auto sim = std::make_unique<EscSimulator>(std::move(options));
        std::string error;
        if (!sim->start(folder(), com, &error))
            qWarning("start failed: %s", error.c_str());
        return sim;
    }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void answersIdentifyAndSettings_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QByteArray>("identify");
        QTest::addColumn<QByteArray>("settings");
        QTest::newRow("38: eleven bytes") << 38 << bytes("26") << bytes("a0263038415162708090 01");
        QTest::newRow("181: eleven bytes") << 181 << bytes("b5") << bytes("a02b3038415162708090 01");
        QTest::newRow("182: twelve, warn voltage, delay") << 182 << bytes("b6") << bytes("a02b3038415162748090c0 01");
        QTest::newRow("224 unnamed: twelve, 3S, 8 kHz") << 224 << bytes("e0") << bytes("a0263038415162708090c0 01");
        QTest::newRow("225: eleven bytes") << 225 << bytes("e1") << bytes("a0263038415162748090 01");
    }
    void answersIdentifyAndSettings()
    {
        QFETCH(int, model);
        QFETCH(QByteArray, identify);
        QFETCH(QByteArray, settings);
        auto sim = started(with<SimOptions>([&](SimOptions &o) { o.modelCode = model; }));
        Line line(sim->linkPath());
        QVERIFY(line.isOpen());
        QCOMPARE(line.exchange(bytes("00"), 1), identify);
        QCOMPARE(line.exchange(bytes("02"), settings.size()), settings);
    }

    void commandsAreStoredOrRefused_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("element");
        QTest::newRow("nickel on any model") << 38 << 32 << 1;
        QTest::newRow("3S on a 3-cell model") << 38 << 38 << 1;
        QTest::newRow("4S beyond a 3-cell model") << 38 << 39 << -1;
        QTest::newRow("11S beyond 184") << 184 << 46 << -1;
        QTest::newRow("3.2 V not on short cutoff") << 38 << 57 << -1;
        QTest::newRow("3.2 V on long cutoff") << 177 << 57 << 3;
        QTest::newRow("2.6 V on long cutoff") << 227 << 137 << 3;
        QTest::newRow("8 deg only with six timings") << 38 << 99 << -1;
        QTest::newRow("22 deg on 45") << 45 << 101 << 6;
        QTest::newRow("warn voltage refused by 38") << 38 << 116 << -1;
        QTest::newRow("warn voltage on 179") << 179 << 116 << 7;
        QTest::newRow("frequency refused by 179") << 179 << 113 << -1;
        QTest::newRow("gas mode refused by 181") << 181 << 148 << -1;
        QTest::newRow("gas mode on 183") << 183 << 148 << 9;
        QTest::newRow("delay level 10 on 184") << 184 << 201 << 10;
        QTest::newRow("delay refused by 181") << 181 << 192 << -1;
        QTest::newRow("no setting at 255") << 38 << 255 << -1;
    }
    void commandsAreStoredOrRefused()
    {
        QFETCH(int, model);
        QFETCH(int, code);
        QFETCH(int, element);
        auto sim = started(with<SimOptions>([&](SimOptions &o) { o.modelCode = model; }));
        EscSettings expected = sim->settings();
        if (element >= 0)
            expected[element] = static_cast<std::uint8_t>(code);
        Line line(sim->linkPath());
        const char command = static_cast<char>(code);
        const QByteArray answer = element >= 0 ? bytes("01") : bytes("00");
        QCOMPARE(line.exchange(QByteArray(1, command), 2), QByteArray(1, command) + answer);
        QCOMPARE(sim->settings(), expected);
    }

    void faultsShapeTheReplies_data()
    {
        QTest::addColumn<Faults>("faults");
        QTest::addColumn<QByteArray>("requests");
        QTest::addColumn<QByteArray>("replies");
        QTest::newRow("silent") << with<Faults>([](Faults &f) { f.silent = true; }) << bytes("0002a1") << QByteArray();
        QTest::newRow("identify byte 85") << with<Faults>([](Faults &f) { f.identifyByte = 85; }) << bytes("00") << bytes("55");
        QTest::newRow("seven settings bytes") << with<Faults>([](Faults &f) { f.settingsBytes = 7; }) << bytes("02")
                                              << bytes("a0263038415162");
        QTest::newRow("closing byte 0") << with<Faults>([](Faults &f) { f.closingByte = 0; }) << bytes("02")
                                        << bytes("a0263038415162708090 00");
        QTest::newRow("second identify byte") << with<Faults>([](Faults &f) { f.extraBytes = {0x26}; }) << bytes("00") << bytes("2626");
        QTest::newRow("twelfth settings byte") << with<Faults>([](Faults &f) { f.extraBytes = {0x99}; }) << bytes("02")
                                               << bytes("a0263038415162708090 01 99");
        QTest::newRow("echo without answer") << with<Faults>([](Faults &f) { f.echoWithoutAnswer = true; }) << bytes("a1") << bytes("a1");
        QTest::newRow("answer without echo") << with<Faults>([](Faults &f) { f.answerWithoutEcho = true; }) << bytes("a1") << bytes("01");
        QTest::newRow("third command refused") << with<Faults>([](Faults &f) { f.rejectCommand = 3; }) << bytes("00a12640")
                                               << bytes("26 a101 2601 4000");
    }
    void faultsShapeTheReplies()
    {
        QFETCH(Faults, faults);
        QFETCH(QByteArray, requests);
        QFETCH(QByteArray, replies);
        auto sim = started(with<SimOptions>([&](SimOptions &o) { o.faults = faults; }));
        Line line(sim->linkPath());
        QCOMPARE(line.exchange(requests, replies.size()), replies);
        QVERIFY(sim->waitForReceived(requests.size(), 1s));
    }

    void faultsChangeWhileRunningAndRestartTheCount()
    {
        auto sim = started({});
        Line line(sim->linkPath());
        QCOMPARE(line.exchange(bytes("a1"), 2), bytes("a101"));
        sim->setFaults(with<Faults>([](Faults &f) { f.silent = true; }));
        QCOMPARE(line.exchange(bytes("00"), 1), QByteArray());
        sim->setFaults(with<Faults>([](Faults &f) { f.rejectCommand = 1; }));
        QCOMPARE(line.exchange(bytes("a2"), 2), bytes("a200"));
        QCOMPARE(sim->settings()[0], 161);
        QCOMPARE(line.exchange(bytes("a2"), 2), bytes("a201"));
        sim->setFaults(with<Faults>([](Faults &f) { f.ignoreCommand = 1; }));
        QCOMPARE(line.exchange(bytes("a0"), 2), bytes("a001"));
        QCOMPARE(sim->settings()[0], 162);
    }

    void replyDelayHoldsTheAnswerWithoutBlockingStop()
    {
        auto sim = started(with<SimOptions>([&](SimOptions &o) { o.faults.replyDelayMs = 300; }));
        Line line(sim->linkPath());
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(line.exchange(bytes("00"), 1), bytes("26"));
        QVERIFY(timer.elapsed() >= 250);

        sim->setFaults(with<Faults>([](Faults &f) { f.replyDelayMs = 20000; }));
        line.send(bytes("00"));
        QVERIFY(sim->waitForReceived(2, 1s));
        timer.restart();
        sim->stop();
        QVERIFY(timer.elapsed() < 2000);
    }

    void pacingSpreadsTheReplyOverTheLineTime()
    {
        auto sim = started(with<SimOptions>([&](SimOptions &o) { o.lineRatePacing = true; }));
        Line line(sim->linkPath());
        QElapsedTimer timer;
        timer.start();
        line.send(bytes("02"));
        QCOMPARE(line.read(11, 2000ms, 0ms).size(), 11);
        // Eleven bytes of ten bits at 19200 baud take 5.7 ms on the wire.
        QVERIFY(timer.nsecsElapsed() >= 5'000'000);
    }

    void droppedLineTakesDeviceAndLinkAway()
    {
        auto sim = started(with<SimOptions>([&](SimOptions &o) { o.faults.dropAfterBytes = 2; }));
        const std::string device = sim->devicePath();
        Line line(sim->linkPath());
        QCOMPARE(line.exchange(bytes("00"), 1), bytes("26"));
        QCOMPARE(line.exchange(bytes("00"), 1), QByteArray());
        QVERIFY(line.hungUp());
        QVERIFY(sim->lineDropped());
        QVERIFY(!std::filesystem::exists(std::filesystem::symlink_status(sim->linkPath())));
        QVERIFY(!Line(device).isOpen());
    }

    void logsEveryReceivedByteInOrder()
    {
        auto sim = started({});
        Line line(sim->linkPath());
        const auto before = std::chrono::steady_clock::now();
        line.exchange(bytes("00"), 1);
        line.exchange(bytes("02"), 11);
        line.exchange(bytes("a1"), 2);
        const auto after = std::chrono::steady_clock::now();
        const auto log = sim->receivedBytes();
        QCOMPARE(log.size(), std::size_t(3));
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(int(log[i].value), bytes("0002a1").at(int(i)) & 0xff);
            QVERIFY(log[i].at >= (i ? log[i - 1].at : before) && log[i].at <= after);
        }
        sim->clearLog();
        QVERIFY(sim->receivedBytes().empty());
        QVERIFY(!sim->waitForReceived(1, 50ms));
    }

    void linksTheDeviceAndRemovesTheLinkOnStop()
    {
        namespace fs = std::filesystem;
        const std::string link = folder() + "/com7";
        fs::create_directories(folder());
        fs::create_symlink("/dev/pts/orvesc-gone", link);
        auto sim = started({}, 7);
        QVERIFY(sim->isRunning());
        QCOMPARE(sim->linkPath(), link);
        QCOMPARE(fs::read_symlink(link).string(), sim->devicePath());

        EscSimulator rival;
        std::string error;
        QVERIFY(!rival.start(folder(), 7, &error));
        QVERIFY(!error.empty());
        QCOMPARE(fs::read_symlink(link).string(), sim->devicePath());

        sim->stop();
        QVERIFY(!fs::exists(fs::symlink_status(link)));
        sim->stop();
    }

    void restartsFromGivenAndKeptSettings()
    {
        auto sim = started(with<SimOptions>(
                [](SimOptions &o) { o.settings = EscSettings{ 161, 32, 50, 57, 64, 80, 97, 113, 129, 145, 192 }; }));
        {
            Line line(sim->linkPath());
            QCOMPARE(line.exchange(bytes("02"), 11), bytes("a1203239405061718191 01"));
            QCOMPARE(line.exchange(bytes("a2"), 2), bytes("a201"));
        }
        sim->stop();
        std::string error;
        QVERIFY2(sim->start(folder(), 1, &error), error.c_str());
        Line line(sim->linkPath());
        QCOMPARE(line.exchange(bytes("02"), 11), bytes("a2203239405061718191 01"));
    }
};

QTEST_GUILESS_MAIN(TestEscSimulator)
#include "tst_escsimulator.moc"
