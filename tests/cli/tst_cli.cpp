#include "cli.h"
#include "clisetup.h"
#include "console.h"
#include "documentfile.h"
#include "simfolder.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

#include <optional>

using namespace orvesc;
using orvesc::test::faults;

namespace {

// The bytes CONNECT and the settings read send: probe, identify, read.
const QString ConnectBytes = QStringLiteral("00 00 02");

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The command line run in-process on the folder's simulated ESCs.
class CliRig : public test::SimFolder
{
public:
    QString backupFolder() const { return path() + QStringLiteral("/backups"); }

    CliRun run(const QString &arguments) const
    {
        QBuffer out;
        QBuffer err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        cli::Console console(out, err);
        const int code = cli::runCli(QStringList{QStringLiteral("orvesc-cli")} + QProcess::splitCommand(arguments),
                                     cli::CliSetup{path(), QStringList(), backupFolder()}, console);
        return {code, QString::fromUtf8(out.data()), QString::fromUtf8(err.data())};
    }
};

// The bytes an ESC received, as hex pairs: "00 00 02 a1 ...".
QString receivedHex(const sim::EscSimulator &esc)
{
    QStringList hex;
    for (int byte : test::received(esc))
        hex << QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0'));
    return hex.join(QLatin1Char(' '));
}

// One command line against one simulated ESC on COM1.
struct Command
{
    int model;
    sim::Faults faults;
    QString arguments;
    int exitCode;
    QString output;  // a line stdout must hold
    QString message; // text stderr must hold
    QString bytes;   // what the ESC received, from the start
    std::optional<sim::EscSettings> settings = std::nullopt;
};

} // namespace

Q_DECLARE_METATYPE(Command)

// orvesc-cli against simulated ESCs: what each command prints, its exit code and the bytes the ESC gets.
class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void command_data()
    {
        QTest::addColumn<Command>("row");
        const auto row = [](const char *name, const Command &command) { QTest::newRow(name) << command; };
        const sim::Faults good;
        const QString brakeOn = QStringLiteral("write --set brake=on");
        row("ports", {38, good, "ports", 0, "COM1\t", "", ""});
        row("identify", {183, good, "identify", 0, "\t183\tQUORL R9 12S", "COM1: QUORL R9 12S found", "00 00"});
        row("identify nothing", {38, faults([](sim::Faults &f) { f.silent = true; }), "identify", 2, "",
                                 "No ESC answered on COM1", "00 00"});
        row("missing port", {38, good, "identify --port COM255", 3, "", "COM255: error 3:", ""});
        row("missing device", {38, good, "identify --port /dev/nonexist --trace -", 3, "",
                               "failure on /dev/nonexist (8002): /dev/nonexist cannot be opened: the device does not "
                               "exist. Check that the USB adapter is plugged in.\n/dev/nonexist: error 3: /dev/nonexist "
                               "cannot be opened", ""});
        row("read", {38, good, "read", 0, "RPM CONTROL         OFF*            144", "", ConnectBytes});
        row("read, short reply", {38, faults([](sim::Faults &f) { f.settingsBytes = 5; }), "read", 4, "",
                                  "Communication Error", ConnectBytes});
        row("write set", {38, good, brakeOn + " --set \"motor reverse=ON*\"", 0, "",
                          "COM1: BRAKE: OFF* -> ON\nCOM1: MOTOR REVERSE: OFF* -> ON\n"
                          "COM1: done: QUORL R5 3S programmed and verified, 2 settings changed",
                          ConnectBytes + " a1 26 38 41 51 62 70 81 90 02"});
        row("write, no verify", {38, good, "write --set brake=soft --no-verify", 0, "", "not verified",
                                 ConnectBytes + " a2 26 38 41 51 62 70 80 90"});
        row("default on 183", {183, good, "default --no-verify", 0, "", "QUORL R9 12S programmed",
                                "00 00 02 a0 2b 38 41 51 62 70 80 90 c0"});
        row("dry run", {38, good, brakeOn + " --dry-run", 0, "COM1  0xA1  BRAKE  ON  (the ESC has OFF*)\nCOM1  0x26  BATTERY  3S Li*\n",
                        "(1 setting would change), nothing sent", ConnectBytes});
        row("rejected", {38, faults([](sim::Faults &f) { f.rejectCommand = 3; }), brakeOn, 5, "",
                         "The ESC rejected CUTOFF V/CELL 3.1 V* (command 3 of 9, 0x38): it answered 0x00 instead of "
                         "0x01; the settings before it were programmed, the ones after it were not.",
                         ConnectBytes + " a1 26 38"});
        row("no answer", {38, faults([](sim::Faults &f) { f.echoWithoutAnswer = true; }), brakeOn, 4, "",
                          "Communication Error", ConnectBytes + " a1"});
        // Refused before any port is opened.
        row("unknown key", {38, good, "write --set brakes=on", 1, "", "\"brakes\" is not a setting", ""});
        row("unknown entry", {38, good, "write --set \"Brake =hard\"", 1, "",
                              "--set Brake: \"hard\" is not an entry of BRAKE. Entries: OFF, ON, SOFT", ""});
        row("rpm with brake", {38, good, brakeOn + " --set \"rpm control=on range 2\"", 1, "",
                               "\"RPM Control Disabled with Brake\"", ""});
        row("missing file", {38, good, "verify nothing.orvesc.json", 1, "",
                             "nothing.orvesc.json cannot be used: it does not exist.\n", ""});
        row("-o with --all", {38, good, "read --all -o x.json", 1, "", "give one --port", ""});
        row("COM256", {38, good, "identify --port COM256", 1, "", "\"COM256\" is not a port", ""});
        row("--port with --all", {38, good, "identify --all --port 1", 1, "", "give either --port or --all", ""});
        row("file to read", {38, good, "read x.orvesc.json", 1, "", "unexpected argument \"x.orvesc.json\"", ""});
        row("dry run, no verify", {38, good, brakeOn + " --dry-run --no-verify", 1, "", "drop --no-verify", ""});
        // Refused once the model and its settings are known: nothing but CONNECT's bytes.
        row("entry the model lacks", {38, good, "write --set \"battery=12S Li\"", 1, "",
                                      "Its entries: Ni, 2S Li, 3S Li*", ConnectBytes});
        row("rpm with hard cut", {38, good, "write --set \"rpm control=ON RANGE 1\" --set cutoff=2.7v", 1, "",
                                  "\"RPM Control Disabled with Hard Cut LVC\"", ConnectBytes});
        row("warn voltage on 38", {38, good, "write --set \"Warn Voltage=AC +0.2\"", 1, "",
                                   "--set Warn Voltage: the QUORL R5 3S has no WARN VOLTAGE setting. Its settings: brake, "
                                   "battery, cutoff, cutoff_action, soft_start, timing, frequency, reverse, rpm_control.",
                                   ConnectBytes});
        row("acceleration on 38", {38, good, "write --set acceleration_delay=level2", 1, "",
                                   "has no ACCELERATION DELAY setting", ConnectBytes});
        // The ESC reports RPM control on; the brake asked for would switch it off, which was not asked for.
        row("rules would change the ESC", {38, good, "write --set brake=soft", 1, "",
                                           "\"RPM Control Disabled with Brake\": the setting rules would change "
                                           "RPM CONTROL: ON RANGE 1 -> OFF*", ConnectBytes,
                                           sim::EscSettings{160, 38, 48, 53, 65, 81, 98, 112, 128, 145, 1}});
        row("no cut", {38, good, "write --set \"cutoff action=no cut\" --no-verify", 0, "", "programmed",
                       ConnectBytes + " a0 26 38 42 51 62 70 80 90"});
        // Brake code 163 stands for no entry: no settings document holds the report.
        const sim::EscSettings oddBrake{163, 38, 48, 56, 65, 81, 98, 112, 128, 144, 1};
        row("read --json, odd code", {38, good, "read --json", 0, "\"codes\": [\n        163,\n        38,",
                                      "so the JSON holds the codes the ESC reported", ConnectBytes, oddBrake});
        row("write over an odd code", {38, good, brakeOn + " --no-verify", 0, "",
                                       "note the codes the ESC reported: 0xA3 0x26 0x30 0x38 0x41 0x51 0x62 0x70 0x80 0x90\n",
                                       ConnectBytes + " a1 26 38 41 51 62 70 80 90", oddBrake});
        row("write beside an odd code", {38, good, "write --set reverse=on", 1, "",
                                         "BRAKE: the ESC reported code 0xA3, for which the list has no entry; give one",
                                         ConnectBytes, oddBrake});
        row("read-back differs", {38, faults([](sim::Faults &f) { f.ignoreCommand = 1; }), brakeOn, 6,
                                  "COM1: BRAKE: the ESC has OFF*, it was programmed with ON", "The read-back differs in 1 setting\n",
                                  ConnectBytes + " a1 26 38 41 51 62 70 80 90 02"});
        row("trace", {38, good, brakeOn + " --no-verify --trace -", 0, "", "-> 0xA1 BRAKE: ON",
                      ConnectBytes + " a1 26 38 41 51 62 70 80 90"});
    }
    void command()
    {
        QFETCH(Command, row);
        CliRig rig;
        sim::EscSimulator &esc = rig.addEsc(1, row.model, row.faults, row.settings);
        const CliRun run = rig.run(row.arguments);
        QCOMPARE(run.exitCode, row.exitCode);
        QVERIFY2(run.out.contains(row.output), qPrintable(run.out));
        QVERIFY2(run.err.contains(row.message), qPrintable(run.err));
        QCOMPARE(receivedHex(esc), row.bytes);
    }

    // read -o then write of that file puts one ESC's settings on another, keeping a backup; verify
    // agrees, and a file of another model is used only when asked for.
    void roundTrip()
    {
        CliRig rig;
        const QString file = rig.path() + QStringLiteral("/mine.orvesc.json");
        const sim::EscSettings custom{162, 32, 50, 53, 64, 81, 97, 113, 129, 144, 1};
        sim::EscSimulator &source = rig.addEsc(1, 45, {}, custom);
        QCOMPARE(rig.run(QStringLiteral("read -o ") + file).exitCode, 0);
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(rig.run(QStringLiteral("read --json")).out.toUtf8(), saved.readAll());
        source.stop();

        sim::EscSimulator &target = rig.addEsc(2, 45);
        const CliRun conflict = rig.run(QStringLiteral("write %1 --set \"rpm_control=ON RANGE 1\"").arg(file));
        QCOMPARE(conflict.exitCode, 1);
        QVERIFY2(conflict.err.contains(QStringLiteral("\"RPM Control Disabled with Brake\"")), qPrintable(conflict.err));
        QCOMPARE(receivedHex(target), QString());
        const CliRun written = rig.run(QStringLiteral("write ") + file);
        QCOMPARE(written.exitCode, 0);
        for (std::size_t i : {0, 1, 2, 4, 5, 6, 7, 8, 9})
            QCOMPARE(target.settings()[i], custom[i]);
        QCOMPARE(rig.run(QStringLiteral("verify ") + file).exitCode, 0);
        target.stop();
        const QDir backups(rig.backupFolder());
        const QStringList kept = backups.entryList({QStringLiteral("*.orvesc.json")}, QDir::Files);
        QCOMPARE(kept.size(), 1);
        QVERIFY2(written.err.contains(QStringLiteral("COM2: the settings before the write are kept in ")
                                      + QDir::toNativeSeparators(backups.filePath(kept.first())) + QLatin1Char('\n')),
                 qPrintable(written.err));
        const DocumentResult backup = readDocumentFile(backups.filePath(kept.first()));
        QVERIFY(backup.document);
        QCOMPARE(backup.document->find(SettingKey::Brake)->code, 160);

        sim::EscSimulator &other = rig.addEsc(3, 38);
        const CliRun refused = rig.run(QStringLiteral("write ") + file);
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains(QStringLiteral("QUORL R5 10S (model code 45), but the ESC is a QUORL R5 3S")), qPrintable(refused.err));
        QCOMPARE(receivedHex(other), ConnectBytes);
        const CliRun otherModel = rig.run(QStringLiteral("write %1 --allow-other-model").arg(file));
        QCOMPARE(otherModel.exitCode, 0);
        QVERIFY2(otherModel.err.contains(QStringLiteral("COM3: BATTERY: 3S Li* -> Ni\n")), qPrintable(otherModel.err));
        QCOMPARE(other.settings()[0], 162);

        // verify names the file's settings it could not compare on a model that lacks them.
        rig.addEsc(4, 182);
        const QString wide = rig.path() + QStringLiteral("/wide.orvesc.json");
        QCOMPARE(rig.run(QStringLiteral("read --port COM4 -o ") + wide).exitCode, 0);
        const CliRun narrow = rig.run(QStringLiteral("verify %1 --allow-other-model --port COM3").arg(wide));
        QVERIFY2(narrow.err.contains(QStringLiteral("COM3: the QUORL R5 3S does not offer BATTERY: 8S Li*, CUTOFF V/CELL: "
                                                    "3.1 V*, WARN VOLTAGE: AC +0.2*, ACCELERATION DELAY: LEVEL1; they "
                                                    "were not compared\nCOM3: error 6: 4 settings differ from")),
                 qPrintable(narrow.err));
    }

    // Three ports, the second rejecting a command: the others are programmed, and the worst code wins.
    void threePortsOneFailing()
    {
        CliRig rig;
        sim::EscSimulator &first = rig.addEsc(1);
        rig.addEsc(2, 38, faults([](sim::Faults &f) { f.rejectCommand = 2; }));
        sim::EscSimulator &third = rig.addEsc(3, 42);
        const CliRun run = rig.run(QStringLiteral("write --set reverse=on --all --json"));
        QCOMPARE(run.exitCode, 5);
        QCOMPARE(first.settings()[8], 129);
        QCOMPARE(third.settings()[8], 129);
        for (const char *line : {"COM1: done", "COM2: error 5", "COM3: done"})
            QVERIFY2(run.err.contains(QLatin1String(line)), qPrintable(run.err));
        const QJsonArray results = QJsonDocument::fromJson(run.out.toUtf8()).array();
        QCOMPARE(results.size(), 3);
        QCOMPARE(results.at(1)[QStringLiteral("exit_code")].toInt(), 5);
        QCOMPARE(results.at(0)[QStringLiteral("changes")],
                 QJsonValue(QJsonArray{QJsonObject{{"setting", "MOTOR REVERSE"}, {"from", "OFF*"}, {"to", "ON"}}}));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
