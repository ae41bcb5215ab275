#include "linkfixture.h"

#include <QTimer>

using namespace orvesc;
using test::faults;
using Outcome = EscExchanges::Outcome;

Q_DECLARE_METATYPE(orvesc::EscExchanges::Outcome)

namespace {

// The not-found message as the ESC family's users know it, character for character.
const std::string NotFound = "Orvantis Controller Not Found!\r\r"
                             "\xE2\x80\xA2 Check the PC Cable Adapter's connector orientation at your ESC\r\r"
                             "\xE2\x80\xA2 Check Windows Device Manager to insure that device drivers for\r"
                             "  your USB Adapter cable are properly loaded, and that a Serial Port\r"
                             "  has been created by the USB adapter";
const std::string CommunicationError = "Communication Error";

// Sees the byte, but only as the limit has run out.
class LateWaiter : public Waiter
{
public:
    explicit LateWaiter(Waiter &inner) : m_inner(inner) {}
    std::chrono::nanoseconds wait(const std::function<bool()> &ready, std::chrono::milliseconds limit) override
    {
        m_inner.wait(ready, limit);
        return limit;
    }
    void cancel() override { m_inner.cancel(); }
    bool cancelled() const override { return m_inner.cancelled(); }

private:
    Waiter &m_inner;
};

} // namespace

// Identification and command exchanges, judged by what the ESC received and the user was shown.
class TestEscExchanges : public QObject
{
    Q_OBJECT

private slots:
    void identifyAcceptsOnlyModelCodes_data();
    void identifyAcceptsOnlyModelCodes();
    void noAnswerWithinTheSecondIsNotFound_data();
    void noAnswerWithinTheSecondIsNotFound();
    void replyAsTheLimitRunsOutIsNoReply();
    void portFailuresAreSilentOnlyWhenProbing_data();
    void portFailuresAreSilentOnlyWhenProbing();
    void staleBytesNeverAnswerTheNextExchange();
    void commandsTakeEchoThenAnswer_data();
    void commandsTakeEchoThenAnswer();
    void cancelledExchangesCloseAndStaySilent();
};

void TestEscExchanges::identifyAcceptsOnlyModelCodes_data()
{
    QTest::addColumn<int>("reply");
    QTest::addColumn<int>("code");
    for (int accepted : {37, 38, 47, 177, 227})
        QTest::addRow("%d accepted", accepted) << accepted << accepted;
    for (int refused : {0, 36, 48, 85, 176, 228})
        QTest::addRow("%d refused", refused) << refused << 0;
}

void TestEscExchanges::identifyAcceptsOnlyModelCodes()
{
    QFETCH(int, reply);
    QFETCH(int, code);

    sim::SimOptions options;
    options.faults.identifyByte = std::uint8_t(reply);
    test::Rig rig(options);
    const Outcome outcome = code ? Outcome::Identified : Outcome::NotFound;

    const auto probed = rig.exchanges.probe(1);
    QCOMPARE(probed.code, code);
    QCOMPARE(probed.outcome, outcome);
    QVERIFY(rig.messages.texts.empty());
    const auto identified = rig.exchanges.identify(1);
    QCOMPARE(identified.code, code);
    QCOMPARE(identified.outcome, outcome);
    QCOMPARE(rig.messages.texts, code ? std::vector<std::string>{} : std::vector<std::string>{NotFound});
    QCOMPARE(test::received(rig.esc), (std::vector<int>{0x00, 0x00}));
    QVERIFY(!rig.port.portOpen());
}

void TestEscExchanges::noAnswerWithinTheSecondIsNotFound_data()
{
    QTest::addColumn<sim::Faults>("escFaults");
    QTest::addColumn<bool>("report");
    QTest::newRow("no reply, probe") << faults([](auto &f) { f.silent = true; }) << false;
    QTest::newRow("no reply, identify") << faults([](auto &f) { f.silent = true; }) << true;
    QTest::newRow("model code just after the second") << faults([](auto &f) { f.replyDelayMs = 1080; }) << true;
}

void TestEscExchanges::noAnswerWithinTheSecondIsNotFound()
{
    QFETCH(sim::Faults, escFaults);
    QFETCH(bool, report);

    sim::SimOptions options;
    options.faults = escFaults;
    test::Rig rig(options);
    QElapsedTimer clock;
    clock.start();
    const auto result = report ? rig.exchanges.identify(1) : rig.exchanges.probe(1);
    const double ms = test::msSince(clock);

    QCOMPARE(result.code, 0);
    QCOMPARE(result.outcome, Outcome::NotFound);
    QVERIFY2(ms >= 1000 && ms < 1900, qPrintable(QString::number(ms)));
    QCOMPARE(rig.messages.texts, report ? std::vector<std::string>{NotFound} : std::vector<std::string>{});
    QCOMPARE(test::received(rig.esc), std::vector<int>{0x00});
    QVERIFY(!rig.port.portOpen());
}

void TestEscExchanges::replyAsTheLimitRunsOutIsNoReply()
{
    test::Rig rig;
    LateWaiter late(rig.waiter);
    EscExchanges exchanges(rig.port, late, rig.messages);
    QCOMPARE(exchanges.identify(1).outcome, Outcome::NotFound);
    rig.prepare();
    QCOMPARE(exchanges.send_Command(161), std::int16_t(0));
    QCOMPARE(rig.messages.texts, (std::vector<std::string>{NotFound, CommunicationError}));
    QVERIFY(!rig.port.portOpen());
}

void TestEscExchanges::portFailuresAreSilentOnlyWhenProbing_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("portNumber");
    QTest::addColumn<QString>("description");  // the start of what identify shows; %1 the device

    const QString noPort = QString::fromStdString(EscExchanges::noPortMessage());
    QTest::newRow("held by another program") << "held" << 1
            << "COM1 (%1) is in use by another program (orvesc-test-portholder, process ";
    QTest::newRow("list position without a port") << "" << 0 << noPort;
    QTest::newRow("negative port number") << "" << -1 << noPort;
    QTest::newRow("line dropped during the exchange") << "drop" << 1
            << "The connection to COM1 (%1) was lost: the USB adapter may have been unplugged.";
}

void TestEscExchanges::portFailuresAreSilentOnlyWhenProbing()
{
    QFETCH(QString, failure);
    QFETCH(int, portNumber);
    QFETCH(QString, description);

    for (const bool report : {false, true}) {
        sim::SimOptions options;
        options.faults.dropAfterBytes = failure == QLatin1String("drop") ? 1 : 0;
        test::Rig rig(options);
        std::unique_ptr<test::PortHolder> holder;
        if (failure == QLatin1String("held")) {
            holder = std::make_unique<test::PortHolder>(rig.device());
            QVERIFY(holder->held());
        }
        QElapsedTimer clock;
        clock.start();
        const auto result = report ? rig.exchanges.identify(portNumber) : rig.exchanges.probe(portNumber);
        QVERIFY(test::msSince(clock) < 900);
        QCOMPARE(result.code, 0);
        QCOMPARE(result.outcome, Outcome::PortError);
        QVERIFY(!rig.port.portOpen());
        QCOMPARE(test::received(rig.esc), failure == QLatin1String("drop") ? std::vector<int>{0x00} : std::vector<int>{});
        QCOMPARE(rig.messages.texts.size(), std::size_t(report ? 1 : 0));
        if (report) {
            const QString shown = QString::fromStdString(rig.messages.texts.front());
            QVERIFY2(shown.startsWith(description.contains(QLatin1String("%1")) ? description.arg(rig.device()) : description),
                     qPrintable(shown));
        }
    }
}

void TestEscExchanges::staleBytesNeverAnswerTheNextExchange()
{
    // A model code after its second, with another byte behind it, lands while the port is closed.
    sim::SimOptions options;
    options.faults = faults([](auto &f) {
        f.replyDelayMs = 1080;
        f.extraBytes = {38};
    });
    test::Rig rig(options);
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

    QCOMPARE(rig.messages.texts, std::vector<std::string>{CommunicationError});
    QCOMPARE(test::received(rig.esc), (std::vector<int>{0x00, 0x00, 161, 160}));
}

void TestEscExchanges::commandsTakeEchoThenAnswer_data()
{
    QTest::addColumn<sim::Faults>("escFaults");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QList<int>>("sent");
    QTest::addColumn<int>("minMs");

    const QString error = QString::fromStdString(CommunicationError);
    const auto tooBig = [](int v) {
        return QStringLiteral("The setting code %1 cannot be sent: a command is one byte, 0 to 255. "
                              "Nothing was sent to the ESC.").arg(v);
    };
    QTest::newRow("161 echoed and accepted") << sim::Faults{} << 161 << 1 << QString() << QList<int>{161} << 0;
    QTest::newRow("161 echoed and refused") << faults([](auto &f) { f.rejectCommand = 1; })
                                            << 161 << 0 << QString() << QList<int>{161} << 0;
    QTest::newRow("1 without echo") << faults([](auto &f) { f.answerWithoutEcho = true; })
                                    << 161 << 1 << QString() << QList<int>{161} << 0;
    QTest::newRow("0 without echo ends at once")
            << faults([](auto &f) { f.answerWithoutEcho = true, f.rejectCommand = 1; })
            << 161 << 0 << QString() << QList<int>{161} << 0;
    // The identify request draws one byte, not an echo: that byte is the result.
    QTest::newRow("5 instead of the echo") << faults([](auto &f) { f.identifyByte = 5; })
                                           << 0 << 5 << QString() << QList<int>{0} << 0;
    QTest::newRow("no reply") << faults([](auto &f) { f.silent = true; })
                              << 161 << 0 << error << QList<int>{161} << 1000;
    QTest::newRow("echo without answer") << faults([](auto &f) { f.echoWithoutAnswer = true; })
                                         << 161 << 0 << error << QList<int>{161} << 1000;
    QTest::newRow("300 is no byte") << sim::Faults{} << 300 << 0 << tooBig(300) << QList<int>{} << 0;
    QTest::newRow("-1 is no byte") << sim::Faults{} << -1 << 0 << tooBig(-1) << QList<int>{} << 0;
}

void TestEscExchanges::commandsTakeEchoThenAnswer()
{
    QFETCH(sim::Faults, escFaults);
    QFETCH(int, value);
    QFETCH(int, result);
    QFETCH(QString, message);
    QFETCH(QList<int>, sent);
    QFETCH(int, minMs);

    sim::SimOptions options;
    options.faults = escFaults;
    test::Rig rig(options);
    rig.prepare();
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(rig.exchanges.send_Command(std::int16_t(value)), std::int16_t(result));
    const double ms = test::msSince(clock);
    QVERIFY2(ms >= minMs && ms < minMs + 900, qPrintable(QString::number(ms)));
    QCOMPARE(rig.messages.texts, test::shown(message));
    QVERIFY(!rig.port.portOpen());
    QTest::qWait(20);
    QCOMPARE(test::received(rig.esc), std::vector<int>(sent.begin(), sent.end()));
}

void TestEscExchanges::cancelledExchangesCloseAndStaySilent()
{
    sim::SimOptions options;
    options.faults.silent = true;
    test::Rig rig(options);
    QTimer::singleShot(100, this, [&] { rig.waiter.cancel(); });
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(rig.exchanges.identify(1).outcome, Outcome::Cancelled);
    QVERIFY(test::msSince(clock) < 800);
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
    QCOMPARE(test::received(rig.esc), std::vector<int>{0x00});
}

QTEST_GUILESS_MAIN(TestEscExchanges)
#include "tst_escexchanges.moc"
