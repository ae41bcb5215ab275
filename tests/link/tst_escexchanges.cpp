#include "linkfixture.h"


using namespace orvesc;
using test::faults;
using Kind = EscFailure::Kind;
using Bytes = QList<int>;
using Config = QList<int>;

namespace {

const QString Lost = QStringLiteral("The connection to COM1 (%1) was lost: the USB adapter may have been unplugged.");
constexpr int Untouched = 77;

// An identification and its failure: the kind and, for the component's, its words (%1 the device,
// %2 the holder).
struct Identify
{
    sim::Faults escFaults;
    Kind kind;
    int code = 0;
    QString message{};
    int minMs = 0;
    int portNumber = 1;
    bool held = false;  // by another program
};

// A read of eleven bytes (model 38) or twelve (183), the first `value`; model 0: send_Command(value).
struct Exchange
{
    int model;
    int value;
    sim::Faults escFaults;
    Config expected;
    Kind kind = Kind::None;
    QString message{};  // the component's words, %1 the device
};

// The settings as read, each element not received left as it was.
Config upTo(Config received)
{
    return received << Config(12 - received.size(), Untouched);
}

} // namespace

Q_DECLARE_METATYPE(Identify)
Q_DECLARE_METATYPE(Exchange)

#define QVERIFY_MS(clock, minMs, spanMs)                                                               \
    QVERIFY2((clock).elapsed() >= (minMs) && (clock).elapsed() < (minMs) + (spanMs),                  \
             qPrintable(QString::number((clock).elapsed()) + " ms"))

// Identification, settings reads and commands, judged by what the ESC received and the failure returned.
class TestEscExchanges : public QObject
{
    Q_OBJECT

private slots:
    void identificationsEndAsTheEscAnswers_data()
    {
        QTest::addColumn<Identify>("row");
        const auto replying = [](int code) { return faults([&](auto &f) { f.identifyByte = std::uint8_t(code); }); };
        QTest::newRow("227 accepted") << Identify{replying(227), Kind::None, 227};
        QTest::newRow("228 refused") << Identify{replying(228), Kind::NotFound};
        QTest::newRow("no reply") << Identify{faults([](auto &f) { f.silent = true; }), Kind::NotFound, 0, {}, 1000};
        QTest::newRow("held by another program") << Identify{{}, Kind::PortUnavailable, 0,
                QStringLiteral("COM1 (%1) is in use by another program (orvesc-test-portholder, process %2). "
                               "Close that program, or choose another port."), 0, 1, true};
        QTest::newRow("negative port number") << Identify{{}, Kind::NoPortSelected, 0, {}, 0, -1};
        QTest::newRow("line dropped during the exchange")
                << Identify{faults([](auto &f) { f.dropAfterBytes = 1; }), Kind::PortGone, 0, Lost};
    }
    void identificationsEndAsTheEscAnswers()
    {
        QFETCH(Identify, row);
        SKIP_ON_WINDOWS_IF(row.held || row.escFaults.dropAfterBytes > 0, "no named holder, no lost pseudo-terminal");
        test::Rig rig(row.escFaults);
        const auto holder = row.held ? std::make_unique<test::PortHolder>(rig.device()) : nullptr;
        QVERIFY(!holder || holder->held());
        QElapsedTimer clock;
        clock.start();
        const auto result = rig.exchanges.identify(row.portNumber);
        QVERIFY_MS(clock, row.minMs, 900);
        QCOMPARE(result.code, row.code);
        QCOMPARE(result.failure.kind, row.kind);
        QVERIFY(!rig.port.portOpen());
        QCOMPARE(test::received(rig.esc), row.portNumber == 1 && !row.held ? Bytes{0x00} : Bytes{});
        // Exact: the tool never names itself, though its simulator holds the terminal too.
        const QString expected = QString(row.message).replace(QLatin1String("%1"), rig.device())
                .replace(QLatin1String("%2"), QString::number(row.held ? holder->pid() : 0));
        QCOMPARE(result.failure.serial ? serialErrorText(*result.failure.serial) : QString(), expected);
    }

    void readsAndCommandsEndAsTheEscAnswers_data()
    {
        QTest::addColumn<Exchange>("row");
        const Config eleven = upTo({160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 1});
        const Config twelve{160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 192, 1};
        QTest::newRow("eleven bytes") << Exchange{38, 160, {}, eleven};
        QTest::newRow("twelve bytes") << Exchange{183, 160, {}, twelve};
        QTest::newRow("thirteen bytes for twelve")
                << Exchange{183, 160, faults([](auto &f) { f.extraBytes = {9}; }), twelve};
        QTest::newRow("first byte 0") << Exchange{38, 0, {}, upTo({0, 38, 48, 56, 65, 81, 98, 112, 128, 144, 1}),
                                                  Kind::EmptyReport};
        QTest::newRow("read, line dropped")
                << Exchange{38, 160, faults([](auto &f) { f.dropAfterBytes = 1; }), upTo({0}), Kind::PortGone, Lost};

        QTest::newRow("161 echoed and accepted") << Exchange{0, 161, {}, {1}};
        QTest::newRow("0 without echo ends at once")
                << Exchange{0, 161, faults([](auto &f) { f.answerWithoutEcho = true, f.rejectCommand = 1; }), {0},
                            Kind::BadReply};
        // The identify request draws one byte, not an echo: that byte is the result.
        QTest::newRow("5 instead of the echo") << Exchange{0, 0, faults([](auto &f) { f.identifyByte = 5; }), {5},
                                                          Kind::BadReply};
        QTest::newRow("300 is no byte") << Exchange{0, 300, {}, {0}, Kind::OutOfRange};
        QTest::newRow("-1 is no byte") << Exchange{0, -1, {}, {0}, Kind::OutOfRange};
    }
    void readsAndCommandsEndAsTheEscAnswers()
    {
        QFETCH(Exchange, row);
        SKIP_ON_WINDOWS_IF(row.escFaults.dropAfterBytes > 0, "Wine reports no lost pseudo-terminal");
        const bool command = row.model == 0;
        const sim::EscSettings stored{std::uint8_t(row.value), 38, 48, 56, 65, 81, 98, 112, 128, 144, 192};
        test::Rig rig(row.escFaults, command ? 38 : row.model, command ? std::nullopt : std::optional(stored));
        std::array<std::int16_t, 12> escConfig;
        escConfig.fill(Untouched);
        QElapsedTimer clock;
        clock.start();
        EscFailure failure;
        if (command) {
            const auto answer = rig.exchanges.send_Command(std::int16_t(row.value));
            escConfig[0] = answer.reply;
            failure = answer.failure;
        } else {
            failure = row.model == 183 ? rig.exchanges.read_Config2(escConfig) : rig.exchanges.read_Config(escConfig);
        }
        QVERIFY_MS(clock, 0, 900);

        QCOMPARE(Config(escConfig.begin(), escConfig.begin() + (command ? 1 : 12)), row.expected);
        QCOMPARE(failure.kind, row.kind);
        QCOMPARE(failure.serial ? serialErrorText(*failure.serial) : QString(),
                 QString(row.message).replace(QLatin1String("%1"), rig.device()));
        QVERIFY(!rig.port.portOpen());
        QTest::qWait(20);
        const bool sent = !command || (row.value >= 0 && row.value <= 255);
        QCOMPARE(test::received(rig.esc), !sent ? Bytes{} : Bytes{command ? row.value : 0x02});
    }

    void staleBytesNeverAnswerTheNextExchange()
    {
        // A model code after its second, with another byte behind it, lands while the port is closed.
        test::Rig rig(faults([](auto &f) {
            f.replyDelayMs = 1080;
            f.extraBytes = {38};
        }));
        QCOMPARE(rig.exchanges.identify(1).failure.kind, Kind::NotFound);
        QTest::qWait(300);
        rig.esc.setFaults(faults([](auto &f) { f.identifyByte = 85; }));
        QCOMPARE(rig.exchanges.identify(1).failure.kind, Kind::NotFound);

        // Commands follow one another with no flush of their own between them.
        rig.esc.setFaults(faults([](auto &f) { f.replyDelayMs = 1080; }));
        QCOMPARE(rig.exchanges.send_Command(161).failure.kind, Kind::TimedOut);
        QTest::qWait(300);
        rig.esc.setFaults({});
        const auto answer = rig.exchanges.send_Command(160);
        QCOMPARE(answer.reply, std::int16_t(1));
        QVERIFY(!answer.failure);
        QCOMPARE(test::received(rig.esc), (Bytes{0x00, 0x00, 161, 160}));
    }
};

QTEST_GUILESS_MAIN(TestEscExchanges)
#include "tst_escexchanges.moc"
