#include "clirig.h"
#include "clisetup.h"
#include "console.h"
#include "documentfile.h"
#include "settingkeys.h"
#include "systemserialport.h"
#include "simfolder.h"

#include <QBuffer>
#include <QtTest>

#include <csignal>
#include <map>
#include <optional>
#include <thread>

using namespace orvesc;
using orvesc::test::CliRig;
using orvesc::test::CliRun;
using orvesc::test::faults;

namespace {

// The bytes CONNECT and the settings read send: probe, identify, read.
const QString ConnectBytes = QStringLiteral("00 00 02");

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
#ifndef _WIN32 // a device path is a port only where devices have paths
        row("missing device", {38, good, "identify --port /dev/nonexist --trace -", 3, "",
                               "failure on /dev/nonexist (8002): /dev/nonexist cannot be opened: the device does not "
                               "exist. Check that the USB adapter is plugged in.\n/dev/nonexist: error 3: /dev/nonexist "
                               "cannot be opened", ""});
#endif
        row("read", {38, good, "read", 0, "RPM CONTROL         OFF*            144", "", ConnectBytes});
        row("read of a code without a name", {185, good, "read", 0, "RPM CONTROL         OFF*            144", "",
                                              ConnectBytes});
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
        row("answer without echo", {38, faults([](sim::Faults &f) { f.answerWithoutEcho = true; }), brakeOn, 4, "",
                                    "with 0x01 instead of its echo 0xA1", ConnectBytes + " a1"});
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
        // Typed without the suffix, the name means the settings file, as in the window.
        const QString typed = rig.path() + QStringLiteral("/mine");
        QVERIFY(rig.run(QStringLiteral("read -o ") + typed).err.endsWith(QStringLiteral("saved in ") + file + '\n'));
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadWrite));
        const QByteArray bytes = saved.readAll();
        QCOMPARE(rig.run(QStringLiteral("read --json")).out.toUtf8(), bytes);
        source.stop();
        saved.resize(0);
        saved.seek(0);
        saved.write(QByteArray(bytes).replace("\"settings\": {", "\"settings\": {\"brakes\": 1,"));
        saved.close();

        sim::EscSimulator &target = rig.addEsc(2, 45);
        const CliRun conflict = rig.run(QStringLiteral("write %1 --set \"rpm_control=ON RANGE 1\"").arg(file));
        QCOMPARE(conflict.exitCode, 1);
        QVERIFY2(conflict.err.contains(QStringLiteral("\"RPM Control Disabled with Brake\"")), qPrintable(conflict.err));
        QCOMPARE(receivedHex(target), QString());
        // A write over settings already backed up names that backup and keeps no second one.
        QCOMPARE(rig.run(QStringLiteral("write --set brake=off --no-verify")).exitCode, 0);
        const CliRun written = rig.run(QStringLiteral("write ") + file);
        QCOMPARE(written.exitCode, 0);
        QVERIFY2(written.err.contains(QStringLiteral("orvesc-cli: %1: unknown key \"brakes\" is ignored\n").arg(file)),
                 qPrintable(written.err));
        for (std::size_t i : {0, 1, 2, 4, 5, 6, 7, 8, 9})
            QCOMPARE(target.settings()[i], custom[i]);
        QCOMPARE(rig.run(QStringLiteral("verify ") + typed).exitCode, 0);
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

    // COM1's link moved to another device during a write: the job stays with the ESC's device and,
    // that being gone, stops; the other device gets nothing. Likewise when it moves during the read.
    void jobKeepsItsPort()
    {
#ifdef _WIN32
        QSKIP("Windows names a port by its number alone: there is no link to move");
#else
        for (const std::size_t moveAfter : {5, 2}) {
            CliRig rig;
            test::SimFolder elsewhere;
            sim::EscSimulator &esc = rig.addEsc(1);
            sim::EscSimulator &other = elsewhere.addEsc(1, 38, faults([](sim::Faults &f) { f.silent = true; }));
            // Replies late enough that the move lands inside an exchange.
            esc.setFaults(faults([](sim::Faults &f) { f.replyDelayMs = 150; }));
            std::thread mover([&] {
                esc.waitForReceived(moveAfter, std::chrono::seconds(10));
                QFile::remove(rig.comLink(1));
                QFile::link(QFile::symLinkTarget(elsewhere.comLink(1)), rig.comLink(1));
            });
            const CliRun run = rig.run(QStringLiteral("write --set brake=on"));
            mover.join();
            QVERIFY2(run.exitCode == 3, qPrintable(run.err));
            QVERIFY2(run.err.contains(QStringLiteral("The ESC's port COM1 (")), qPrintable(run.err));
            QVERIFY2(run.err.contains(QStringLiteral(") is gone")), qPrintable(run.err));
            QCOMPARE(receivedHex(other), QString());
        }
#endif
    }

    // Several ports: ESCs given as "<COM>[flags]", s silent, d replying after 0.6 s, r rejecting
    // command 2, h held open by another program; Ctrl+C pressed after each of `interrupts` ms.
    void ports_data()
    {
        QTest::addColumn<QString>("escs");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QList<int>>("interrupts");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");        // a pattern stderr must match
        QTest::addColumn<QString>("out");        // a pattern stdout must match
        QTest::addColumn<QString>("untouched");  // the ESCs that must receive nothing
        const auto row = [](const char *name, const char *escs, const char *arguments, QList<int> interrupts,
                            int code, const char *err, const char *out = "", const char *untouched = "") {
            QTest::newRow(name) << escs << arguments << interrupts << code << err << out << untouched;
        };
#ifndef _WIN32 // Wine lets a second handle open a port that one holds
        row("busy port named", "1h", "identify", {}, 3,
            "orvesc-cli: error 3: No listed port can be opened. COM1 \\(\\S+\\) is in use by another program", "", "1");
        row("busy port beside a silent one", "1s 2h", "identify", {}, 3,
            "No ESC answered on COM1 .* Not searched: COM2 \\(\\S+\\) is in use", "", "2");
#endif
        row("a search that finds nothing speaks for itself", "1s 2s", "identify", {}, 2,
            "^orvesc-cli: error 2: No ESC answered on any of the 2 listed ports");
        row("--all names the silent ports", "1 2 3s", "write --all --set brake=on --no-verify", {}, 0,
            "COM1: done.*\nCOM2: done.*\norvesc-cli: An ESC answered on 2 of the 3 listed ports; none on COM3 \\(");
        row("--expect more than answer", "1 2s", "identify --all --expect 2", {}, 2,
            "error 2: An ESC answered on 1 of the 2 listed ports, 2 expected \\(--expect 2\\); none on COM2");
        row("the worst code wins", "1 2r 3", "write --set reverse=on --all --json", {}, 5,
            "COM1: done.*\nCOM2: error 5.*\nCOM3: done",
            "\"from\": \"OFF\\*\".*\"setting\": \"MOTOR REVERSE\".*\"exit_code\": 0.*\"exit_code\": 5.*\"exit_code\": 0");
        row("results in port order", "1d 2 3", "identify --port 3 --port 1 --port 2 --json", {}, 0,
            "COM1: .* found\nCOM2: .* found\nCOM3: .* found", "\"COM1\".*\"COM2\".*\"COM3\"");
        row("Ctrl+C cuts a batch short", "1 2d", "write --set brake=on --no-verify --port 1 --port 2", {2500}, 130,
            "COM1: done.*\nCOM2: error 130: Cut short by Ctrl\\+C");
#ifndef _WIN32 // Wine lists every COM number it maps, and lets a held port open again
        row("station on the only port", "1", "write --station --set brake=on --no-verify", {1500}, 0,
            "Station: on COM1 \\(\\S+\\), the only port listed", "PASS 1  QUORL R5 3S  COM1");
        row("station among several ports", "1 2", "write --station --set brake=on", {}, 1,
            "2 ports are listed: COM1 \\(\\S+\\), COM2 \\(\\S+\\). Name the cable's with --port, e.g. --port COM1",
            "", "1 2");
        row("station on a busy port", "1h 2", "write --station --port 1 --set brake=on", {}, 3,
            "error 3: COM1 \\(\\S+\\) is in use by another program", "", "1 2");
        row("station with a record it cannot write", "1", "write --station --set brake=on --record /dev/null/r.csv", {},
            1, "^orvesc-cli: The record file /dev/null/r.csv cannot be written: .* Nothing was sent.", "", "1");
        row("second Ctrl+C cuts the station short", "1d", "write --station --set brake=on", {1500, 1800}, 130,
            "finishing the ESC being programmed.*COM1: cut short by Ctrl\\+C while programming");
#endif
    }
    void ports()
    {
        QFETCH(QString, escs);
        QFETCH(QString, arguments);
        QFETCH(QList<int>, interrupts);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QFETCH(QString, out);
        QFETCH(QString, untouched);
        CliRig rig;
        std::map<int, sim::EscSimulator *> added;
        std::vector<std::unique_ptr<SerialPort>> holders;
        for (const QString &esc : escs.split(QLatin1Char(' '))) {
            const int com = esc.left(1).toInt();
            added[com] = &rig.addEsc(com, 38, faults([&](sim::Faults &f) {
                f.silent = esc.contains(QLatin1Char('s'));
                f.replyDelayMs = esc.contains(QLatin1Char('d')) ? 600 : 0;
                f.rejectCommand = esc.contains(QLatin1Char('r')) ? 2 : 0;
            }));
            if (esc.contains(QLatin1Char('h'))) {
                holders.push_back(createSystemSerialPort(PortMap(rig.path(), {})));
                holders.back()->setCommPort(com);
                holders.back()->setPortOpen(true);
            }
        }
        std::vector<std::unique_ptr<QTimer>> presses;
        for (int ms : interrupts) {
            presses.push_back(std::make_unique<QTimer>());
            presses.back()->callOnTimeout([] { std::raise(SIGINT); });
            presses.back()->setSingleShot(true);
            presses.back()->start(ms);
        }
        const CliRun run = rig.run(arguments);
        QCOMPARE(run.exitCode, exitCode);
        const auto matches = [](const QString &pattern, const QString &text) {
            return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption).match(text).hasMatch();
        };
        QVERIFY2(matches(err, run.err), qPrintable(run.err));
        QVERIFY2(matches(out, run.out), qPrintable(run.out));
        for (const QString &com : untouched.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QCOMPARE(receivedHex(*added[com.toInt()]), QString());
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
