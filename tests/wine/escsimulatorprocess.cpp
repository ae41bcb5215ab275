// The ESC simulator of the tests, as the Windows build of the tests has it: the Linux simulator runs as
// a process of its own on a pseudo-terminal, linked as com<N> in the folder to which Wine maps COM<N>;
// its log and state files tell what it received and keeps. Same class, same use as on Linux.
#include "escsimulator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <qt_windows.h>

#include <atomic>
#include <mutex>

namespace orvesc::sim {

namespace {

// Unix paths, as the simulator sees them; Wine shows them on drive Z:.
QString windowsPath(const QString &unixPath)
{
    return QStringLiteral("Z:") + unixPath;
}

QStringList faultArguments(const Faults &f)
{
    QStringList extra;
    for (const std::uint8_t b : f.extraBytes)
        extra << QString::number(b);
    const std::pair<bool, QStringList> options[] = {
        {f.silent, {"--silent"}},
        {bool(f.identifyByte), {"--identify-byte", QString::number(f.identifyByte.value_or(0))}},
        {f.replyDelayMs > 0, {"--reply-delay", QString::number(f.replyDelayMs)}},
        {bool(f.settingsBytes), {"--settings-bytes", QString::number(f.settingsBytes.value_or(0))}},
        {bool(f.closingByte), {"--closing-byte", QString::number(f.closingByte.value_or(0))}},
        {f.rejectCommand > 0, {"--reject-command", QString::number(f.rejectCommand)}},
        {f.ignoreCommand > 0, {"--ignore-command", QString::number(f.ignoreCommand)}},
        {!extra.isEmpty(), {"--extra-bytes", extra.join(QLatin1Char(','))}},
        {f.dropAfterBytes > 0, {"--drop-after", QString::number(f.dropAfterBytes)}},
        {f.echoWithoutAnswer, {"--echo-only"}},
        {f.answerWithoutEcho, {"--answer-only"}},
    };
    QStringList args;
    for (const auto &[set, words] : options) {
        if (set)
            args << words;
    }
    return args;
}

bool waitUntil(const std::function<bool()> &done, int limitMs)
{
    for (int waited = 0; waited < limitMs; waited += 5) {
        if (done())
            return true;
        QThread::msleep(5);
    }
    return done();
}

// Whether this process opens COM<com> as a serial port. Wine resolves a COM number to its link in its
// own time: a number looked up while its link was missing may open for a while as a port that takes no
// line settings ("Invalid function"), even once the link is there.
bool opensAsSerialPort(int com)
{
    const std::wstring path = L"\\\\.\\COM" + std::to_wstring(com);
    const HANDLE port = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (port == INVALID_HANDLE_VALUE)
        return false;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    const bool serial = ::GetCommState(port, &dcb);
    ::CloseHandle(port);
    return serial;
}

// The tests run one at a time, so a lease of another test program is one that program left behind
// when it crashed or was ended on a time-out: its simulator would keep the COM number. Ended once.
void endLeftoversOfOtherPrograms(const QString &runFolder, const QString &ownPrefix)
{
    const QDir run(windowsPath(runFolder));
    for (const QString &lease : run.entryList({QStringLiteral("*.lease")}, QDir::Files)) {
        if (!lease.startsWith(ownPrefix))
            QFile::remove(run.filePath(lease));
    }
    waitUntil([&] { return run.entryList({QStringLiteral("*.lease.pid")}, QDir::Files).isEmpty(); }, 5000);
}

} // namespace

struct EscSimulator::State
{
    SimOptions options;
    Faults faults;
    int com = 0;
    QString folder;
    QString stem;
    int generation = 0;
    bool running = false;
    // Log files of the processes so far (a fault change starts a new one), and how many of their
    // bytes clearLog() put aside.
    QStringList logs;
    std::size_t cleared = 0;
    std::chrono::steady_clock::time_point started;

    QString out() const { return stem + QStringLiteral("-%1.out").arg(generation); }
    QString lease() const { return stem + QStringLiteral("-%1.lease").arg(generation); }
    QString statePath() const { return stem + QStringLiteral(".state"); }
    QString link() const { return folder + QStringLiteral("/com%1").arg(com); }
    QString outText() const
    {
        QFile file(windowsPath(out()));
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
    }
    bool launch(std::string *error);
    void end();
};

bool EscSimulator::State::launch(std::string *error)
{
    ++generation;
    const QString log = stem + QStringLiteral("-%1.log").arg(generation);
    logs << log;
    QFile(windowsPath(lease())).open(QIODevice::WriteOnly);
    QStringList args{QStringLiteral("/bin/sh"), QStringLiteral(ORVESC_WINE_SIM_BRIDGE), lease(), out(),
                     QStringLiteral(ORVESC_HOST_SIMULATOR), QStringLiteral("--folder"), folder,
                     QStringLiteral("--com"), QString::number(com), QStringLiteral("--model"),
                     QString::number(options.modelCode), QStringLiteral("--log"), log,
                     QStringLiteral("--state"), statePath()};
    if (options.lineRatePacing)
        args << QStringLiteral("--pace");
    args << faultArguments(faults);
    QStringList quoted;
    for (const QString &arg : std::as_const(args))
        quoted << QLatin1Char('"') + arg + QLatin1Char('"');
    std::wstring commandLine = quoted.join(QLatin1Char(' ')).toStdWString();

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const bool started = ::CreateProcessW(L"Z:\\bin\\sh", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                          nullptr, &startup, &process);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    if (started && waitUntil([this] { return outText().contains(QLatin1String("linked as")); }, 10000)
        && waitUntil([this] { return opensAsSerialPort(com); }, 5000)) {
        running = true;
        return true;
    }
    if (error)
        *error = ((outText().contains(QLatin1String("linked as"))
                           ? QStringLiteral("COM%1 does not open as a serial port under Wine: ").arg(com)
                           : QStringLiteral("the Linux simulator did not start: "))
                  + outText()).toStdString();
    end();
    return false;
}

void EscSimulator::State::end()
{
    if (QFile::remove(windowsPath(lease()))) {
        // The simulator removes its link as it stops; the next one may take the number then.
        waitUntil([this] { return !QFileInfo::exists(windowsPath(link())); }, 5000);
        waitUntil([this] { return !QFileInfo::exists(windowsPath(lease() + QStringLiteral(".pid"))); }, 5000);
    }
    running = false;
}

EscSimulator::EscSimulator(SimOptions options)
    : m_state(std::make_unique<State>())
{
    m_state->options = std::move(options);
    m_state->faults = m_state->options.faults;
}

EscSimulator::~EscSimulator()
{
    stop();
}

bool EscSimulator::start(const std::string &, int comNumber, std::string *error)
{
    // Wine maps COM<N> to the fixed folder (dev/windows sets that up), whatever folder the test made.
    static std::atomic<int> instances{0};
    State &s = *m_state;
    s.com = comNumber;
    s.folder = QStringLiteral(ORVESC_WINE_PORT_FOLDER);
    const QString ownPrefix = QStringLiteral("sim-%1-").arg(::GetCurrentProcessId());
    s.stem = s.folder + QStringLiteral("/run/") + ownPrefix + QString::number(++instances);
    QDir().mkpath(windowsPath(s.folder + QStringLiteral("/run")));
    static std::once_flag leftoversEnded;
    std::call_once(leftoversEnded, endLeftoversOfOtherPrograms, s.folder + QStringLiteral("/run"), ownPrefix);
    QFile::remove(windowsPath(s.statePath()));
    if (s.options.settings) {
        QStringList codes;
        for (const std::uint8_t code : *s.options.settings)
            codes << QString::number(code);
        QFile state(windowsPath(s.statePath()));
        if (state.open(QIODevice::WriteOnly))
            state.write(QString::number(s.options.modelCode).toLatin1() + ':' + codes.join(QLatin1Char(',')).toLatin1() + '\n');
    }
    s.started = std::chrono::steady_clock::now();
    return s.launch(error);
}

void EscSimulator::stop()
{
    m_state->end();
}

bool EscSimulator::isRunning() const
{
    return m_state->running && !lineDropped();
}

bool EscSimulator::lineDropped() const
{
    return m_state->outText().contains(QLatin1String("Line dropped"));
}

std::string EscSimulator::devicePath() const
{
    const QString text = m_state->outText();
    const int on = text.indexOf(QLatin1String(" on "));
    const int linked = text.indexOf(QLatin1String(" linked as"));
    return on < 0 || linked < on ? std::string() : text.mid(on + 4, linked - on - 4).toStdString();
}

std::string EscSimulator::linkPath() const
{
    return m_state->running ? m_state->link().toStdString() : std::string();
}

int EscSimulator::modelCode() const
{
    return m_state->options.modelCode;
}

EscSettings EscSimulator::settings() const
{
    EscSettings settings = factorySettings(m_state->options.modelCode);
    QFile file(windowsPath(m_state->statePath()));
    if (!file.open(QIODevice::ReadOnly))
        return settings;
    const QStringList codes = QString::fromLatin1(file.readLine()).trimmed().section(QLatin1Char(':'), 1).split(QLatin1Char(','));
    if (codes.size() == int(settings.size())) {
        for (int i = 0; i < codes.size(); ++i)
            settings[std::size_t(i)] = std::uint8_t(codes.at(i).toInt());
    }
    return settings;
}

void EscSimulator::setFaults(const Faults &faults)
{
    // The simulator takes its faults on its command line: the next one serves the same settings.
    State &s = *m_state;
    s.faults = faults;
    if (!s.running)
        return;
    // The state file follows a change within a tenth of a second.
    QThread::msleep(150);
    s.end();
    s.launch(nullptr);
}

Faults EscSimulator::faults() const
{
    return m_state->faults;
}

std::vector<ReceivedByte> EscSimulator::receivedBytes() const
{
    std::vector<ReceivedByte> bytes;
    for (const QString &log : std::as_const(m_state->logs)) {
        QFile file(windowsPath(log));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        while (!file.atEnd()) {
            const QList<QByteArray> fields = file.readLine().trimmed().split(' ');
            if (fields.size() != 2)
                continue;
            ReceivedByte byte;
            byte.value = std::uint8_t(fields.at(1).toUInt(nullptr, 0));
            byte.at = m_state->started
                    + std::chrono::microseconds(qint64(fields.at(0).toDouble() * 1e6));
            bytes.push_back(byte);
        }
    }
    bytes.erase(bytes.begin(), bytes.begin() + std::ptrdiff_t(std::min(m_state->cleared, bytes.size())));
    return bytes;
}

void EscSimulator::clearLog()
{
    m_state->cleared += receivedBytes().size();
}

bool EscSimulator::waitForReceived(std::size_t count, std::chrono::milliseconds timeout) const
{
    return waitUntil([&] { return receivedBytes().size() >= count; }, int(timeout.count()));
}

int EscSimulator::commandsReceived() const
{
    return 0; // no test under Wine asks for it
}

} // namespace orvesc::sim
