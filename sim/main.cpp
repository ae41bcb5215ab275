#include "escsimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <optional>
#include <thread>

#include <pthread.h>

using orvesc::sim::EscSimulator;
using orvesc::sim::SimOptions;

namespace {

// A byte given as decimal or as 0x.. hexadecimal.
bool parseByte(const QString &text, std::uint8_t &value)
{
    bool ok = false;
    const uint v = text.trimmed().toUInt(&ok, 0);
    if (!ok || v > 255)
        return false;
    value = static_cast<std::uint8_t>(v);
    return true;
}

bool parseBytes(const QString &text, std::vector<std::uint8_t> &bytes)
{
    bytes.clear();
    for (const QString &part : text.split(QLatin1Char(','))) {
        std::uint8_t b = 0;
        if (!parseByte(part, b))
            return false;
        bytes.push_back(b);
    }
    return true;
}

bool parseCount(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= 0;
}

// The settings kept in a state file: one line "MODEL:CODES" with 11 codes separated by commas.
// Settings kept for another model are not taken: its lists would not fit them.
std::optional<orvesc::sim::EscSettings> readState(const QString &path, int modelCode)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString line = QString::fromLatin1(file.readLine()).trimmed();
    std::vector<std::uint8_t> codes;
    if (line.section(QLatin1Char(':'), 0, 0) != QString::number(modelCode)
        || !parseBytes(line.section(QLatin1Char(':'), 1), codes) || codes.size() != 11)
        return std::nullopt;
    orvesc::sim::EscSettings settings{};
    std::copy(codes.begin(), codes.end(), settings.begin());
    return settings;
}

void writeState(const QString &path, int modelCode, const orvesc::sim::EscSettings &settings)
{
    QStringList codes;
    for (const std::uint8_t code : settings)
        codes << QString::number(code);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QString::number(modelCode).toLatin1() + ':' + codes.join(QLatin1Char(',')).toLatin1() + '\n');
}

int usageError(const QString &text)
{
    std::fprintf(stderr, "orvesc-esc-sim: %s (see --help)\n", qPrintable(text));
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvesc-esc-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulated ESC on a pseudo-terminal, linked as com<N> in a port-link folder.\n"
        "Bytes are given as decimal or 0x.. hexadecimal."));
    parser.addHelpOption();
    const QString defaultFolder =
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/orvesc/ports");
    const QCommandLineOption model(QStringLiteral("model"), QStringLiteral("Model code reported (default 38)."),
                                   QStringLiteral("CODE"), QStringLiteral("38"));
    const QCommandLineOption com(QStringLiteral("com"), QStringLiteral("Port number N of the link com<N> (default 1)."),
                                 QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption folder(QStringLiteral("folder"),
                                    QStringLiteral("Port-link folder (default %1).").arg(defaultFolder),
                                    QStringLiteral("DIR"), defaultFolder);
    const QCommandLineOption settings(QStringLiteral("settings"),
                                      QStringLiteral("Start settings: 10 or 11 codes, brake to acceleration delay "
                                                     "(default: the model's factory codes)."),
                                      QStringLiteral("CODES"));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("Write every received byte to FILE as \"seconds.micro 0xNN\"."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption state(QStringLiteral("state"),
                                   QStringLiteral("Start from the settings kept in FILE for this model (unless "
                                                  "--settings is given) and keep every stored setting there."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption silent(QStringLiteral("silent"), QStringLiteral("Answer nothing."));
    const QCommandLineOption identifyByte(QStringLiteral("identify-byte"),
                                          QStringLiteral("Answer the identify request with BYTE."),
                                          QStringLiteral("BYTE"));
    const QCommandLineOption replyDelay(QStringLiteral("reply-delay"), QStringLiteral("Wait MS before each reply."),
                                        QStringLiteral("MS"));
    const QCommandLineOption settingsBytes(QStringLiteral("settings-bytes"),
                                           QStringLiteral("Send only the first N bytes of the settings reply."),
                                           QStringLiteral("N"));
    const QCommandLineOption closingByte(QStringLiteral("closing-byte"),
                                         QStringLiteral("Close the settings reply with BYTE instead of 1."),
                                         QStringLiteral("BYTE"));
    const QCommandLineOption rejectCommand(QStringLiteral("reject-command"),
                                           QStringLiteral("Answer 0 to the K-th command byte and do not store it."),
                                           QStringLiteral("K"));
    const QCommandLineOption ignoreCommand(QStringLiteral("ignore-command"),
                                           QStringLiteral("Answer 1 to the K-th command byte but keep the old value."),
                                           QStringLiteral("K"));
    const QCommandLineOption extraBytes(QStringLiteral("extra-bytes"),
                                        QStringLiteral("Send these bytes after every reply."),
                                        QStringLiteral("BYTES"));
    const QCommandLineOption dropAfter(QStringLiteral("drop-after"),
                                       QStringLiteral("Drop the line (the device vanishes) after N received bytes."),
                                       QStringLiteral("N"));
    const QCommandLineOption echoOnly(QStringLiteral("echo-only"),
                                      QStringLiteral("Echo commands without answering them."));
    const QCommandLineOption answerOnly(QStringLiteral("answer-only"),
                                        QStringLiteral("Answer commands without echoing them."));
    const QCommandLineOption pace(QStringLiteral("pace"),
                                  QStringLiteral("Write replies at the real line rate (19200 baud)."));
    const QCommandLineOption latencyTimer(QStringLiteral("latency-timer"),
                                          QStringLiteral("Hand replies over every MS milliseconds (1 to 255), as a USB "
                                                         "adapter with a latency timer does (FTDI's default: 16)."),
                                          QStringLiteral("MS"));
    parser.addOptions({ model, com, folder, settings, state, log, silent, identifyByte, replyDelay, settingsBytes,
                        closingByte, rejectCommand, ignoreCommand, extraBytes, dropAfter, echoOnly, answerOnly, pace,
                        latencyTimer });
    parser.process(app);

    SimOptions options;
    std::uint8_t byte = 0;
    if (!parseByte(parser.value(model), byte))
        return usageError(QStringLiteral("--model takes a code from 0 to 255"));
    options.modelCode = byte;
    int comNumber = 0;
    if (!parseCount(parser.value(com), comNumber) || comNumber < 1)
        return usageError(QStringLiteral("--com takes a port number from 1"));
    if (parser.isSet(settings)) {
        std::vector<std::uint8_t> codes;
        if (!parseBytes(parser.value(settings), codes) || (codes.size() != 10 && codes.size() != 11))
            return usageError(QStringLiteral("--settings takes 10 or 11 codes from 0 to 255"));
        orvesc::sim::EscSettings start = orvesc::sim::factorySettings(options.modelCode);
        std::copy(codes.begin(), codes.end(), start.begin());
        options.settings = start;
    } else if (parser.isSet(state)) {
        options.settings = readState(parser.value(state), options.modelCode);
    }

    orvesc::sim::Faults &faults = options.faults;
    faults.silent = parser.isSet(silent);
    faults.echoWithoutAnswer = parser.isSet(echoOnly);
    faults.answerWithoutEcho = parser.isSet(answerOnly);
    options.lineRatePacing = parser.isSet(pace);
    if (parser.isSet(latencyTimer)
        && (!parseCount(parser.value(latencyTimer), options.latencyTimerMs) || options.latencyTimerMs < 1
            || options.latencyTimerMs > 255))
        return usageError(QStringLiteral("--latency-timer takes milliseconds from 1 to 255"));
    if (parser.isSet(identifyByte)) {
        if (!parseByte(parser.value(identifyByte), byte))
            return usageError(QStringLiteral("--identify-byte takes a byte"));
        faults.identifyByte = byte;
    }
    if (parser.isSet(closingByte)) {
        if (!parseByte(parser.value(closingByte), byte))
            return usageError(QStringLiteral("--closing-byte takes a byte"));
        faults.closingByte = byte;
    }
    if (parser.isSet(replyDelay) && !parseCount(parser.value(replyDelay), faults.replyDelayMs))
        return usageError(QStringLiteral("--reply-delay takes milliseconds"));
    if (parser.isSet(settingsBytes)) {
        int n = 0;
        if (!parseCount(parser.value(settingsBytes), n))
            return usageError(QStringLiteral("--settings-bytes takes a count"));
        faults.settingsBytes = n;
    }
    if (parser.isSet(rejectCommand)
        && (!parseCount(parser.value(rejectCommand), faults.rejectCommand) || faults.rejectCommand < 1))
        return usageError(QStringLiteral("--reject-command takes a command number from 1"));
    if (parser.isSet(ignoreCommand)
        && (!parseCount(parser.value(ignoreCommand), faults.ignoreCommand) || faults.ignoreCommand < 1))
        return usageError(QStringLiteral("--ignore-command takes a command number from 1"));
    if (parser.isSet(extraBytes) && !parseBytes(parser.value(extraBytes), faults.extraBytes))
        return usageError(QStringLiteral("--extra-bytes takes bytes separated by commas"));
    if (parser.isSet(dropAfter)
        && (!parseCount(parser.value(dropAfter), faults.dropAfterBytes) || faults.dropAfterBytes < 1))
        return usageError(QStringLiteral("--drop-after takes a count from 1"));

    std::FILE *logFile = nullptr;
    if (parser.isSet(log)) {
        logFile = std::fopen(QFile::encodeName(parser.value(log)).constData(), "w");
        if (!logFile)
            return usageError(QStringLiteral("cannot write the log file %1").arg(parser.value(log)));
        std::setvbuf(logFile, nullptr, _IOLBF, 0);
        const auto origin = std::chrono::steady_clock::now();
        options.onReceived = [logFile, origin](const orvesc::sim::ReceivedByte &b) {
            const auto us = std::chrono::duration_cast<std::chrono::microseconds>(b.at - origin).count();
            std::fprintf(logFile, "%lld.%06lld 0x%02X\n", static_cast<long long>(us / 1000000),
                         static_cast<long long>(us % 1000000), b.value);
        };
    }

    // Blocked before the serving thread starts, so that it inherits the mask and the signals
    // stay pending until the loop below sees them and removes the link cleanly.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    EscSimulator simulator(options);
    std::string error;
    if (!simulator.start(parser.value(folder).toStdString(), comNumber, &error)) {
        std::fprintf(stderr, "orvesc-esc-sim: %s\n", error.c_str());
        if (logFile)
            std::fclose(logFile);
        return 1;
    }
    std::printf("Simulated ESC, model %d, on %s linked as %s\n", options.modelCode, simulator.devicePath().c_str(),
                simulator.linkPath().c_str());
    std::fflush(stdout);

    // The signals stay blocked, so a stop request waits as pending until this loop sees it.
    orvesc::sim::EscSettings kept = simulator.settings();
    if (parser.isSet(state))
        writeState(parser.value(state), options.modelCode, kept);
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (parser.isSet(state) && simulator.settings() != kept) {
            kept = simulator.settings();
            writeState(parser.value(state), options.modelCode, kept);
        }
        sigset_t pending;
        sigpending(&pending);
        if (simulator.lineDropped() || sigismember(&pending, SIGINT) == 1 || sigismember(&pending, SIGTERM) == 1
            || sigismember(&pending, SIGHUP) == 1)
            break;
    }
    const bool dropped = simulator.lineDropped();
    simulator.stop();
    if (logFile)
        std::fclose(logFile);
    if (dropped)
        std::printf("Line dropped after %d received bytes\n", faults.dropAfterBytes);
    return 0;
}
