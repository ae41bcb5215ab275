#include "linkfixture.h"

#include <QTimer>

using namespace orvesc;
using test::faults;
using test::Texts;
using Outcome = EscExchanges::Outcome;
using Bytes = std::vector<int>;
using Config = QList<int>;

Q_DECLARE_METATYPE(orvesc::EscExchanges::Outcome)

namespace {

// The not-found message as the ESC family's users know it, character for character.
const std::string NotFound = "Orvantis Controller Not Found!\r\r"
                             "\xE2\x80\xA2 Check the PC Cable Adapter's connector orientation at your ESC\r\r"
                             "\xE2\x80\xA2 Check Windows Device Manager to insure that device drivers for\r"
                             "  your USB Adapter cable are properly loaded, and that a Serial Port\r"
                             "  has been created by the USB adapter";
const QString CommunicationError = QStringLiteral("Communication Error");
const QString Lost = QStringLiteral("The connection to COM1 (%1) was lost: the USB adapter may have been unplugged.");
constexpr int Untouched = 77;

// Sees the byte, but only as the limit has run out.
struct LateWaiter : EventLoopWaiter
{
    std::chrono::nanoseconds wait(const std::function<bool()> &ready, std::chrono::milliseconds limit) override
    {
        EventLoopWaiter::wait(ready, limit);
        return limit;
    }
};

// The settings as read, each element not received left as it was.
Config upTo(Config received)
{
    return received << Config(12 - received.size(), Untouched);
}

} // namespace

#define QVERIFY_MS(clock, minMs, spanMs)                                                               \
    QVERIFY2((clock).elapsed() >= (minMs) && (clock).elapsed() < (minMs) + (spanMs),                  \
             qPrintable(QString::number((clock).elapsed()) + " ms"))

// Identification, settings reads and commands, judged by what the ESC received and the user was shown.
class TestEscExchanges : public QObject
{
    Q_OBJECT

private slots:
    void identifyIsSilentOnlyWhenProbing_data()
    {
        QTest::addColumn<sim::Faults>("escFaults");
        QTest::addColumn<int>("portNumber");
        QTest::addColumn<bool>("held");  // by another program
        QTest::addColumn<int>("code");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("minMs");
        QTest::addColumn<QString>("message");  // what identify shows; %1 the device, %2 the holder

        const QString notFound = QString::fromStdString(NotFound);
        const QString noPort = QString::fromStdString(EscExchanges::noPortMessage());
        const auto replying = [](int code) { return faults([&](auto &f) { f.identifyByte = std::uint8_t(code); }); };
        for (int code : {37, 47, 177, 227})
            QTest::addRow("%d accepted", code) << replying(code) << 1 << false << code << Outcome::Identified << 0 << QString();
        for (int code : {0, 36, 48, 85, 176, 228})
            QTest::addRow("%d refused", code) << replying(code) << 1 << false << 0 << Outcome::NotFound << 0 << notFound;
        QTest::newRow("no reply") << faults([](auto &f) { f.silent = true; }) << 1 << false << 0 << Outcome::NotFound
                                  << 1000 << notFound;
        QTest::newRow("model code just after the second") << faults([](auto &f) { f.replyDelayMs = 1080; }) << 1
                                                          << false << 0 << Outcome::NotFound << 1000 << notFound;
        QTest::newRow("held by another program") << sim::Faults{} << 1 << true << 0 << Outcome::PortError << 0
                << "COM1 (%1) is in use by another program (orvesc-test-portholder, process %2). "
                   "Close that program, or choose another port.";
        QTest::newRow("list position without a port") << sim::Faults{} << 0 << false << 0 << Outcome::PortError << 0 << noPort;
        QTest::newRow("negative port number") << sim::Faults{} << -1 << false << 0 << Outcome::PortError << 0 << noPort;
        QTest::newRow("line dropped during the exchange") << faults([](auto &f) { f.dropAfterBytes = 1; }) << 1 << false
                                                         << 0 << Outcome::PortError << 0 << Lost;
    }
    void identifyIsSilentOnlyWhenProbing()
    {
        QFETCH(sim::Faults, escFaults);
        QFETCH(int, portNumber);
        QFETCH(bool, held);
        QFETCH(int, code);
        QFETCH(Outcome, outcome);
        QFETCH(int, minMs);
        QFETCH(QString, message);

        for (const bool report : {false, true}) {
            test::Rig rig(escFaults);
            std::unique_ptr<test::PortHolder> holder;
            if (held) {
                holder = std::make_unique<test::PortHolder>(rig.device());
                QVERIFY(holder->held());
            }
            QElapsedTimer clock;
            clock.start();
            const auto result = report ? rig.exchanges.identify(portNumber) : rig.exchanges.probe(portNumber);
            QVERIFY_MS(clock, minMs, 900);
            QCOMPARE(result.code, code);
            QCOMPARE(result.outcome, outcome);
            QVERIFY(!rig.port.portOpen());
            QCOMPARE(rig.received(), portNumber == 1 && !held ? Bytes{0x00} : Bytes{});
            // Exact: the tool never names itself, though its simulator holds the terminal too.
            const QString expected = QString(message).replace(QLatin1String("%1"), rig.device())
                    .replace(QLatin1String("%2"), QString::number(held ? holder->pid() : 0));
            QCOMPARE(rig.messages.texts, report ? test::shown(expected) : Texts{});
        }
    }

    void replyAsTheLimitRunsOutIsNoReply()
    {
        test::Rig rig;
        LateWaiter late;
        EscExchanges exchanges(rig.port, late, rig.messages);
        QCOMPARE(exchanges.identify(1).outcome, Outcome::NotFound);
        rig.prepare();
        QCOMPARE(exchanges.send_Command(161), std::int16_t(0));
        QCOMPARE(rig.messages.texts, (Texts{NotFound, CommunicationError.toStdString()}));
        QVERIFY(!rig.port.portOpen());
    }

    // Settings reads (model 38 answers eleven bytes to read_Config, 183 twelve to read_Config2,
    // the first being `value`) and commands (model 0: send_Command(value), the result its answer).
    void readsAndCommandsEndAsTheEscAnswers_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("value");
        QTest::addColumn<sim::Faults>("escFaults");
        QTest::addColumn<Config>("expected");
        QTest::addColumn<QString>("message");  // %1 the device
        QTest::addColumn<int>("minMs");

        const Config eleven = upTo({160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 1});
        const Config twelve{160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 192, 1};
        QTest::newRow("eleven bytes") << 38 << 160 << sim::Faults{} << eleven << QString() << 0;
        QTest::newRow("twelve bytes") << 183 << 160 << sim::Faults{} << twelve << QString() << 0;
        QTest::newRow("thirteen bytes for twelve") << 183 << 160 << faults([](auto &f) { f.extraBytes = {9}; })
                                                   << twelve << QString() << 0;
        QTest::newRow("closing byte 0") << 38 << 160 << faults([](auto &f) { f.closingByte = 0; })
                << upTo({0, 38, 48, 56, 65, 81, 98, 112, 128, 144, 0}) << CommunicationError << 0;
        // No message here: the caller sees element 0 at 0 and takes the read as failed.
        QTest::newRow("first byte 0") << 38 << 0 << sim::Faults{}
                << upTo({0, 38, 48, 56, 65, 81, 98, 112, 128, 144, 1}) << QString() << 0;
        QTest::newRow("seven bytes then time-out") << 38 << 160 << faults([](auto &f) { f.settingsBytes = 7; })
                                                   << upTo({0, 38, 48, 56, 65, 81, 98}) << CommunicationError << 5000;
        QTest::newRow("read, line dropped") << 38 << 160 << faults([](auto &f) { f.dropAfterBytes = 1; }) << upTo({0})
                                            << Lost << 0;

        const auto tooBig = [](int v) {
            return QStringLiteral("The setting code %1 cannot be sent: a command is one byte, 0 to 255. "
                                  "Nothing was sent to the ESC.").arg(v);
        };
        QTest::newRow("161 echoed and accepted") << 0 << 161 << sim::Faults{} << Config{1} << QString() << 0;
        QTest::newRow("161 echoed and refused") << 0 << 161 << faults([](auto &f) { f.rejectCommand = 1; }) << Config{0}
                                                << QString() << 0;
        QTest::newRow("1 without echo") << 0 << 161 << faults([](auto &f) { f.answerWithoutEcho = true; }) << Config{1}
                                        << QString() << 0;
        QTest::newRow("0 without echo ends at once") << 0 << 161
                << faults([](auto &f) { f.answerWithoutEcho = true, f.rejectCommand = 1; }) << Config{0} << QString() << 0;
        // The identify request draws one byte, not an echo: that byte is the result.
        QTest::newRow("5 instead of the echo") << 0 << 0 << faults([](auto &f) { f.identifyByte = 5; }) << Config{5}
                                               << QString() << 0;
        QTest::newRow("command, no reply") << 0 << 161 << faults([](auto &f) { f.silent = true; }) << Config{0}
                                           << CommunicationError << 1000;
        QTest::newRow("echo without answer") << 0 << 161 << faults([](auto &f) { f.echoWithoutAnswer = true; })
                                             << Config{0} << CommunicationError << 1000;
        QTest::newRow("300 is no byte") << 0 << 300 << sim::Faults{} << Config{0} << tooBig(300) << 0;
        QTest::newRow("-1 is no byte") << 0 << -1 << sim::Faults{} << Config{0} << tooBig(-1) << 0;
    }
    void readsAndCommandsEndAsTheEscAnswers()
    {
        QFETCH(int, model);
        QFETCH(int, value);
        QFETCH(sim::Faults, escFaults);
        QFETCH(Config, expected);
        QFETCH(QString, message);
        QFETCH(int, minMs);

        const bool command = model == 0;
        const sim::EscSettings stored{std::uint8_t(value), 38, 48, 56, 65, 81, 98, 112, 128, 144, 192};
        test::Rig rig(test::escOptions(escFaults, command ? 38 : model, command ? std::nullopt : std::optional(stored)));
        rig.prepare();
        std::array<std::int16_t, 12> escConfig;
        escConfig.fill(Untouched);
        QElapsedTimer clock;
        clock.start();
        if (command)
            escConfig[0] = rig.exchanges.send_Command(std::int16_t(value));
        else if (model == 183)
            rig.exchanges.read_Config2(escConfig);
        else
            rig.exchanges.read_Config(escConfig);
        QVERIFY_MS(clock, minMs, minMs < 5000 ? 900 : 1500);

        QCOMPARE(Config(escConfig.begin(), escConfig.begin() + (command ? 1 : 12)), expected);
        QCOMPARE(rig.messages.texts, test::shown(QString(message).replace(QLatin1String("%1"), rig.device())));
        QVERIFY(!rig.port.portOpen());
        QTest::qWait(20);
        QCOMPARE(rig.received(), !command ? Bytes{0x02} : value >= 0 && value <= 255 ? Bytes{value} : Bytes{});
    }

    void staleBytesNeverAnswerTheNextExchange()
    {
        // A model code after its second, with another byte behind it, lands while the port is closed.
        test::Rig rig(faults([](auto &f) {
            f.replyDelayMs = 1080;
            f.extraBytes = {38};
        }));
        QCOMPARE(rig.exchanges.probe(1).outcome, Outcome::NotFound);
        QTest::qWait(300);
        rig.esc.setFaults(faults([](auto &f) { f.identifyByte = 85; }));
        QCOMPARE(rig.exchanges.probe(1).outcome, Outcome::NotFound);

        // Commands follow one another with no flush of their own between them.
        rig.prepare();
        rig.esc.setFaults(faults([](auto &f) { f.replyDelayMs = 1080; }));
        QCOMPARE(rig.exchanges.send_Command(161), std::int16_t(0));
        QTest::qWait(300);
        rig.esc.setFaults({});
        QCOMPARE(rig.exchanges.send_Command(160), std::int16_t(1));

        QCOMPARE(rig.messages.texts, Texts{CommunicationError.toStdString()});
        QCOMPARE(rig.received(), (Bytes{0x00, 0x00, 161, 160}));
    }

    void cancelledExchangesCloseAndStaySilent()
    {
        test::Rig rig(faults([](auto &f) { f.silent = true; }));
        QTimer::singleShot(100, this, [&] { rig.waiter.cancel(); });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(rig.exchanges.identify(1).outcome, Outcome::Cancelled);
        QVERIFY_MS(clock, 0, 800);
        QVERIFY(!rig.port.portOpen());

        std::array<std::int16_t, 12> escConfig;
        escConfig.fill(7);
        rig.exchanges.read_Config(escConfig);
        QCOMPARE(escConfig[0], std::int16_t(0));
        QCOMPARE(rig.exchanges.send_Command(161), std::int16_t(0));
        QCOMPARE(rig.exchanges.probe(1).outcome, Outcome::Cancelled);
        QVERIFY(!rig.port.portOpen());
        QVERIFY(rig.messages.texts.empty());
        QTest::qWait(20);
        QCOMPARE(rig.received(), Bytes{0x00});
    }
};

QTEST_GUILESS_MAIN(TestEscExchanges)
#include "tst_escexchanges.moc"
