#include "escsession.h"
#include "languages.h"
#include "stationprogramming.h"
#include "failuretext.h"
#include "escsimulator.h"
#include "portmap.h"
#include "serialport.h"
#include "waiter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>

using namespace orvesc;
using Kind = EscFailure::Kind;
using Bytes = std::vector<std::uint8_t>;

namespace orvesc::test {

// An ESC on a cable in memory that answers at once, and a waiter whose limits pass at once: whole
// operations of the session run in microseconds, with no port and no real time.
class MemoryEsc : public SerialPort
{
public:
    int model = 38;
    sim::EscSettings settings = sim::factorySettings(38);
    sim::Faults faults;
    // Takes every command byte (a model code the model table does not name).
    bool acceptsEvery = false;
    // Opening fails with this error number.
    std::optional<int> openFails;
    std::vector<std::uint8_t> written;

    void setCommPort(int number) override { m_number = number; }
    int commPort() const override { return m_number; }
    void setSettings(const QString &) override {}
    void setInputLen(int length) override { m_inputLen = length; }
    void setInputMode(int) override {}
    bool portOpen() const override { return m_open; }
    void setPortOpen(bool open) override
    {
        if (open && openFails)
            throw SerialError(*openFails, SerialCause::InUse, QStringLiteral("COM%1").arg(m_number));
        m_open = open;
        if (!open)
            m_buffer.clear();
    }
    void output(const QByteArray &bytes) override
    {
        for (const char c : bytes)
            answer(std::uint8_t(c));
    }
    QByteArray input() override
    {
        QByteArray bytes;
        while (!m_buffer.empty() && (m_inputLen != 1 || bytes.isEmpty())) {
            bytes.append(char(m_buffer.front()));
            m_buffer.pop_front();
        }
        return bytes;
    }
    int inBufferCount() const override { return int(m_buffer.size()); }

private:
    void answer(std::uint8_t byte)
    {
        written.push_back(byte);
        if (faults.silent)
            return;
        if (byte == 0x00) {
            m_buffer.push_back(faults.identifyByte.value_or(std::uint8_t(model)));
        } else if (byte == 0x02) {
            const int length = sim::settingsReplyLength(model);
            for (int i = 0; i + 1 < length && i < faults.settingsBytes.value_or(length); ++i)
                m_buffer.push_back(settings[std::size_t(i)]);
            if (faults.settingsBytes.value_or(length) >= length)
                m_buffer.push_back(faults.closingByte.value_or(1));
        } else {
            const int element = sim::settingIndex(model, byte);
            const bool accepted = (element >= 0 || acceptsEvery) && ++m_commands != faults.rejectCommand;
            if (accepted && element >= 0 && m_commands != faults.ignoreCommand)
                settings[std::size_t(element)] = byte;
            if (!faults.answerWithoutEcho)
                m_buffer.push_back(byte);
            if (!faults.echoWithoutAnswer)
                m_buffer.push_back(accepted ? 1 : 0);
        }
    }

    int m_number = 0;
    int m_inputLen = 0;
    int m_commands = 0;
    bool m_open = false;
    std::deque<std::uint8_t> m_buffer;
};

// Every limit passes at once; a cancel may be set to strike at the n-th wait.
class InstantWaiter : public Waiter
{
public:
    int cancelAtWait = -1;

    std::chrono::nanoseconds wait(const std::function<bool()> &ready, std::chrono::milliseconds limit) override
    {
        if (m_waits++ == cancelAtWait)
            m_cancelled = true;
        return m_cancelled || ready() ? std::chrono::nanoseconds(0) : std::chrono::nanoseconds(limit);
    }
    void cancel() override { m_cancelled = true; }
    bool cancelled() const override { return m_cancelled; }

private:
    int m_waits = 0;
    bool m_cancelled = false;
};

} // namespace orvesc::test

namespace {

// What an ESC of a model does wrong, and what CONNECT or PROGRAM then sends and returns.
struct Row
{
    int model = 38;
    std::function<void(test::MemoryEsc &)> setUp;
    Kind kind = Kind::None;
    Bytes sent;
    int element = -1;  // the command that failed, or the count when none did
    bool fails() const { return kind != Kind::None; }
};

// The command codes of every setting at its factory entry, as the lists would send them.
std::array<std::int16_t, 10> factoryCommands(int model)
{
    const sim::EscSettings settings = sim::factorySettings(model);
    std::array<std::int16_t, 10> codes{};
    for (std::size_t k = 0; k < codes.size(); ++k)
        codes[k] = settings[k < 2 ? k : k + 1];  // NewConfig skips the nickel cutoff
    return codes;
}

} // namespace

Q_DECLARE_METATYPE(Row)
Q_DECLARE_METATYPE(EscFailure)

// The engine on an ESC in memory: every failure kind and every model-range edge, judged by the
// bytes sent and the value returned.
class TestEscSession : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    test::MemoryEsc m_esc;
    test::InstantWaiter m_waiter;
    std::unique_ptr<PortMap> m_map;
    std::unique_ptr<EscSession> m_session;

    void plug(const Row &row)
    {
        m_esc.model = row.model;
        m_esc.settings = sim::factorySettings(row.model);
        if (row.setUp)
            row.setUp(m_esc);
    }

private slots:
    void init()
    {
        // COM1 and COM2 are links to "devices" that exist, as a port-link folder holds them.
        for (const char *name : {"com1", "com2"}) {
            QFile(m_folder.filePath(QStringLiteral("dev-%1").arg(QLatin1String(name)))).open(QIODevice::WriteOnly);
            QFile::link(m_folder.filePath(QStringLiteral("dev-%1").arg(QLatin1String(name))),
                        m_folder.filePath(QLatin1String(name)));
        }
        m_esc = test::MemoryEsc();
        m_waiter = test::InstantWaiter();
        m_map = std::make_unique<PortMap>(m_folder.path(), QStringList());
        m_session = std::make_unique<EscSession>(m_esc, *m_map, m_waiter);
    }

    void connect_data()
    {
        QTest::addColumn<Row>("row");
        const Bytes found{0x00, 0x00, 0x02};
        for (int model : {37, 47, 177, 181, 182, 224, 225, 227})
            QTest::addRow("model %d", model) << Row{model, {}, Kind::None, found};
        for (int code : {0, 36, 48, 176, 228})
            QTest::addRow("code %d is no model", code) << Row{code, {}, Kind::NotFound, {0x00, 0x00}};
        QTest::newRow("silent") << Row{38, [](auto &e) { e.faults.silent = true; }, Kind::NotFound, {0x00, 0x00}};
        QTest::newRow("busy") << Row{38, [](auto &e) { e.openFails = serialerror::PortInUse; }, Kind::PortUnavailable, {}};
        QTest::newRow("reply cut short") << Row{38, [](auto &e) { e.faults.settingsBytes = 7; }, Kind::TimedOut, found};
        QTest::newRow("closing byte 0") << Row{182, [](auto &e) { e.faults.closingByte = 0; }, Kind::BadReply, found};
        QTest::newRow("model element 0") << Row{38, [](auto &e) { e.settings[0] = 0; }, Kind::EmptyReport, found};
        QTest::newRow("cancelled in the probe") << Row{38, [](auto &) {}, Kind::Cancelled, {0x00}};
    }
    void connect()
    {
        QFETCH(Row, row);
        plug(row);
        if (row.kind == Kind::Cancelled)
            m_waiter.cancelAtWait = 0;
        const EscSession::Connection found = m_session->connect({1}, {});
        QCOMPARE(m_esc.written, row.sent);
        QCOMPARE(found.failure.kind, row.kind);
        const bool identified = row.kind == Kind::None || row.sent.size() == 3;
        QCOMPARE(found.model, identified ? row.model : 0);
        QCOMPARE(m_session->portNumber(), identified ? 1 : 0);
        if (!row.fails())
            QCOMPARE(found.report[std::size_t(sim::settingsReplyLength(row.model) - 1)], 1);
        QVERIFY(!m_esc.portOpen());
    }

    void program_data()
    {
        QTest::addColumn<Row>("row");
        for (int model : {38, 181, 182, 223, 224}) {
            const int count = model > 181 && model < 224 ? 10 : 9;
            QTest::addRow("model %d: %d commands", model, count)
                    << Row{model, [](auto &e) { e.acceptsEvery = true; }, Kind::None, {}, count};
        }
        QTest::newRow("brake taken, not stored") << Row{38, [](auto &e) { e.faults.ignoreCommand = 1; }, Kind::None, {}, 9};
        QTest::newRow("rejected") << Row{38, [](auto &e) { e.faults.rejectCommand = 3; }, Kind::Rejected, {}, 2};
        QTest::newRow("no echo") << Row{38, [](auto &e) { e.faults.answerWithoutEcho = true; }, Kind::BadReply, {}, 0};
        QTest::newRow("no answer") << Row{38, [](auto &e) { e.faults.echoWithoutAnswer = true; }, Kind::TimedOut, {}, 0};
        QTest::newRow("port gone") << Row{38, {}, Kind::PortGone, {}, -1};
    }
    void program()
    {
        QFETCH(Row, row);
        plug(row);
        QVERIFY(m_session->connect({1}, {}).ok());
        m_esc.written.clear();
        if (row.kind == Kind::PortGone) {
#ifdef _WIN32
            QSKIP("a COM number on Windows names no file to remove");
#endif
            QVERIFY(QFile::remove(m_folder.filePath(QStringLiteral("dev-com1"))));
            m_session->portsChanged();
        }
        std::array<std::int16_t, 10> codes = factoryCommands(row.model);
        codes[0] = 161;  // brake on
        std::vector<int> ticked;
        EscSession::ProgramOptions options;
        options.readBack = true;
        options.accepted = [&](int element) { ticked.push_back(element); };
        const EscSession::Programming run = m_session->program(codes, options);

        const int sent = row.fails() ? row.element + 1 : row.element;
        Bytes expected(codes.begin(), codes.begin() + std::max(sent, 0));
        if (!row.fails())
            expected.push_back(0x02);
        QCOMPARE(m_esc.written, expected);
        QCOMPARE(run.failure.kind, row.kind);
        QCOMPARE(run.failure.element, row.fails() ? row.element : -1);
        QCOMPARE(int(ticked.size()), row.fails() ? std::max(row.element, 0) : row.element);
        QCOMPARE(run.ok(), !row.fails());
        if (!m_esc.acceptsEvery)
            QCOMPARE(run.differences.size(), std::size_t(m_esc.faults.ignoreCommand == 1));
    }

    // The kinds no front-end test reaches, and those the window leaves to its unticked box.
    void wording_data()
    {
        QTest::addColumn<EscFailure>("failure");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("commandLine");
        const auto failure = [](Kind kind, int element = -1) {
            EscFailure f = EscFailure::of(kind);
            f.element = element;
            f.sent = 300;
            return f;
        };
        const QString tooBig = QStringLiteral("The setting code 300 cannot be sent: a command is one byte, 0 to 255. "
                                              "Nothing was sent to the ESC.");
        QTest::newRow("out of range") << failure(Kind::OutOfRange) << tooBig << tooBig;
        QTest::newRow("bad settings reply") << failure(Kind::BadReply) << "Communication Error" << "Communication Error";
        QTest::newRow("command answered without its echo") << failure(Kind::BadReply, 2) << "" << "";
        QTest::newRow("rejected") << failure(Kind::Rejected, 2) << "" << "";
        QTest::newRow("model element 0") << failure(Kind::EmptyReport) << "" << "the reply began with 0x00.";
    }
    void wording()
    {
        QFETCH(EscFailure, failure);
        QTEST(failureText(failure, FrontEnd::Window), "window");
        QTEST(failureText(failure, FrontEnd::CommandLine), "commandLine");
    }

    // A run's reason is shown in the user's language and kept in English for its record.
    void runReasonKeptInEnglish()
    {
        plug(Row{183});
        const EscSession::Connection esc = m_session->connect({1}, {});
        QVERIFY(useLanguage(QStringLiteral("de")));
        const StationOutcome outcome = programChosen(*m_session, ChosenSettings{38, true, {}}, esc);
        useLanguage(QStringLiteral("en"));
        QVERIFY2(outcome.reason.startsWith(QLatin1String("Abgelehnt")), qPrintable(outcome.reason));
        QCOMPARE(outcome.englishReason, QStringLiteral("Refused: this is a QUORL R9 12S, the settings are for a QUORL R5 "
                                                       "3S. Nothing was written."));
    }
};

QTEST_GUILESS_MAIN(TestEscSession)
#include "tst_escsession.moc"
