#include "escbench.h"

#include "backups.h"
#include "documentfile.h"
#include "modeltable.h"
#include "settingsdialogs.h"
#include "settingsdocument.h"
#include "settingsfiles.h"
#include "settingslocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include <map>

using namespace orvesc;
using namespace orvesc::test;

namespace {

// Answers the Settings menu's questions from a script and notes what it was asked.
struct ScriptedDialogs : SettingsDialogs
{
    QString openPath(const QString &, const QString &folder, bool newestFirst) override
    {
        openedIn << folder + (newestFirst ? " newest first" : "");
        return path;
    }
    QString savePath(const QString &, const QString &) override { return path; }
    bool confirm(const std::string &text) override
    {
        questions << QString::fromStdString(text);
        return ok;
    }
    QString path;
    bool ok = true;
    QStringList openedIn;
    QStringList questions;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray document(int model, std::array<std::int16_t, 12> report)
{
    return QByteArray::fromStdString(writeSettingsDocument(*documentFromReport(model, report).document));
}

// A backup of the QUORL R5 3S as the store names it: its place in the write order (none in older names), then time.
QString r5(int place, const QString &time)
{
    return (place ? QString::asprintf("n%06d_", place) : QString()) + time + "_QUORL-R5-3S.orvesc.json";
}

} // namespace

// Settings files and backups in the window: save, open and restore, with what each refuses.
class TestSettingsFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;

    sim::EscSimulator &connected(EscBench &bench, std::optional<sim::EscSettings> settings = {})
    {
        sim::EscSimulator &esc = bench.sims.addEsc(1, 38, {}, settings);
        bench.start();
        bench.form->setSettingsDialogs(m_dialogs);
        bench.form->setBackupFolder(m_dir.filePath(QStringLiteral("backups")));
        bench.connectAndClear();
        m_dialogs = ScriptedDialogs();
        return esc;
    }
    QStringList backups() const
    {
        return QDir(m_dir.filePath(QStringLiteral("backups"))).entryList(QDir::Files, QDir::Name);
    }

private slots:
    void init()
    {
        QStandardPaths::setTestModeEnabled(true);
        settleSettingsLocation();
        QDir(m_dir.filePath(QStringLiteral("backups"))).removeRecursively();
    }

    // Save, change three lists, open the file: the changes are listed and applied. "saved" is written as
    // saved.orvesc.json, which the dialog did not ask about, so an existing one is replaced only after an OK.
    void savedFileBringsTheChoicesBack()
    {
        EscBench bench;
        sim::EscSimulator &esc = connected(bench);
        const QStringList saved = bench.listTexts();
        m_dialogs.path = m_dir.filePath(QStringLiteral("saved"));
        QFile file(m_dialogs.path + ".orvesc.json");
        writeFile(file.fileName(), "the user's own");
        m_dialogs.ok = false;
        bench.trigger("mnuSaveSettings");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "the user's own");
        file.close(); // Windows replaces no file that is open
        m_dialogs.ok = true;
        bench.trigger("mnuSaveSettings");
        QCOMPARE(m_dialogs.questions,
                 QStringList(2, "The file\r" + QDir::toNativeSeparators(file.fileName()) + "\ralready exists. Replace it?"));
        m_dialogs.questions.clear();

        EscBench::typeOver(bench.widget<QComboBox>("cmbBrake"), QStringLiteral("ON"));
        EscBench::typeOver(bench.widget<QComboBox>("cmbReverse"), QStringLiteral("ON"));
        EscBench::typeOver(bench.widget<QComboBox>("cmbTiming"), QStringLiteral("SOFT"));
        m_dialogs.path = file.fileName();
        bench.trigger("mnuOpenSettings");

        QCOMPARE(m_dialogs.questions.size(), 1);
        QCOMPARE(bench.listTexts(), saved);
        QCOMPARE(bench.messages.texts, QStringList());
        bench.click("Program");
        QCOMPARE(received(esc), Factory38);
    }

    // Another model's file names both models and a key the reader ignores before anything changes, and
    // Cancel changes nothing; what this model does not offer keeps its choice and is named afterwards.
    void otherModelsFileAsksFirst()
    {
        const QString path = m_dir.filePath(QStringLiteral("r9.orvesc.json"));
        writeFile(path, document(183, {161, 47, 48, 56, 65, 81, 98, 113, 128, 144, 199, 1})
                            .replace("\"settings\": {", "\"settings\": {\"brakes\": 1,"));
        EscBench bench;
        connected(bench);
        m_dialogs.path = path;
        QStringList lists = bench.listTexts();
        for (bool ok : {false, true}) {
            m_dialogs.ok = ok;
            bench.trigger("mnuOpenSettings");
            QCOMPARE(bench.listTexts(), lists);
            QVERIFY(bench.messages.texts.isEmpty() == !ok);
            lists[0] = QStringLiteral("ON");
            lists[6] = QStringLiteral("16 kHz");
        }
        QCOMPARE(m_dialogs.questions, QStringList(2,
            "This file holds the settings of a QUORL R9 12S (183), the connected ESC is a QUORL R5 3S (38). "
            "Settings it does not offer keep their choice.\r\rCheck the file for typos: unknown key \"brakes\" is "
            "ignored.\r\rThese settings will change:\rBRAKE: OFF* -> ON\r"
            "FREQUENCY: 8 kHz* -> 16 kHz\r\rPress PROGRAM afterwards to write them into the ESC."));
        QCOMPARE(bench.messages.texts, QStringList{"These settings of the file are not offered by the connected "
                                                   "QUORL R5 3S (38) and keep their choice:\rBATTERY: 12S Li\r"
                                                   "ACCELERATION DELAY: LEVEL8"});
    }

    // A file named at start-up waits in the title for the first CONNECT that reads settings, once; a
    // file that cannot be used gets one message naming it and why, and changes nothing.
    void startupFileOpensAfterFirstConnect_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::newRow("settings file") << "";
        QTest::newRow("vanished") << "it does not exist";
        QTest::newRow("folder") << "it is a folder, not a file";
    }
    void startupFileOpensAfterFirstConnect()
    {
        QFETCH(QString, reason);
        m_dialogs = ScriptedDialogs();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("r5.orvesc.json"));
        if (reason.isEmpty())
            writeFile(path, document(38, {161, 38, 48, 56, 65, 81, 98, 112, 128, 144, 0, 0}));
        else if (reason.contains(QLatin1String("folder")))
            QDir().mkpath(path);
        EscBench bench;
        bench.start();
        bench.form->setSettingsDialogs(m_dialogs);
        bench.form->openAfterConnect(path);
        QVERIFY(bench.form->windowTitle().endsWith(QLatin1String(" - \"r5.orvesc.json\" will be opened after CONNECT")));
        bench.connectAndClear();
        bench.sims.addEsc(1);
        bench.form->rescan_COM();
        QVERIFY(m_dialogs.questions.isEmpty());

        bench.click("Connect");
        QCOMPARE(m_dialogs.questions.size(), reason.isEmpty() ? 1 : 0);
        QCOMPARE(bench.listTexts().constFirst(), reason.isEmpty() ? "ON" : "OFF*");
        QCOMPARE(bench.messages.texts, reason.isEmpty() ? QStringList() : QStringList{"Cannot use the settings file\r"
                                       + QDir::toNativeSeparators(path) + '\r' + reason + ".\rThe lists are unchanged."});
        QCOMPARE(bench.form->windowTitle(), QStringLiteral("Orvantis ESC PC Interface"));

        bench.click("Connect");
        QCOMPARE(m_dialogs.questions.size() + bench.messages.texts.size(), 1);
    }

    // Each new read is backed up once; Restore Backup undoes DEFAULT. During the run no entry that opens a
    // dialog or starts a run is available: a modal dialog would stall the run's wait until it ran out.
    void connectBacksUpAndRestoreUndoesDefault()
    {
        const QString folder = m_dir.filePath(QStringLiteral("backups"));
        EscBench bench;
        sim::EscSettings changed{162, 37, 49, 54, 64, 80, 96, 113, 129, 144, 192};
        sim::EscSimulator &esc = connected(bench, changed);
        const QStringList before = bench.listTexts();
        bench.connectAndClear();

        const auto available = [&bench] {
            QStringList names;
            for (auto *name : {"mnuOpenSettings", "mnuSaveSettings", "mnuRestoreBackup", "mnuCompare", "SaveDiagnostics"})
                names << (bench.widget<QAction>(name)->isEnabled() ? name : "-");
            return names.join(' ');
        };
        QString during;
        EscBench::slowDown(esc, 50);
        bench.when(esc, 1, [&] { during = available(); });
        bench.click("CmdReset");
        QCOMPARE(during, QStringLiteral("- - - - -"));
        QCOMPARE(available(), QStringLiteral("mnuOpenSettings mnuSaveSettings mnuRestoreBackup mnuCompare SaveDiagnostics"));
        bench.connectAndClear();
        QCOMPARE(backups().size(), 2);

        m_dialogs.path = folder + '/' + backups().constFirst();
        bench.trigger("mnuRestoreBackup");
        QCOMPARE(m_dialogs.openedIn, QStringList{folder + " newest first"});
        QCOMPARE(bench.listTexts(), before);
    }

    // Backups keep the order the tool wrote them in, whatever the clock said: pruning (past 200 of a model its
    // oldest go, never one this run wrote; other models and the user's names stay), the same-as-newest check and
    // Restore Backup's list follow it. A step "NAME=X" is a file another run left, "X@TIME" a read of settings X
    // saved at that clock time (UTC); `saved`: what each save names, `shown`: the top of Restore Backup's list.
    void backupsKeepTheWriteOrder_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("saved");
        QTest::addColumn<QStringList>("pruned");
        QTest::addColumn<QStringList>("shown");
        QStringList earlier{"mine.orvesc.json=-", "20000101-000000-000_QUORL-R5-3S-copy.orvesc.json=-"}, alongside;
        for (int i = 1; i <= BackupStore::Limit; ++i) {
            earlier << r5(i, "20261207-101500-000") + "=A" << QString::asprintf("20200101-000000-%03d_QUORL-R9-12S.orvesc.json=-", i);
            alongside << r5(i + 1, "20261207-101600-000") + "=A"; // another run's, while this one runs
        }
        const QString x1 = r5(201, "19700101-000001-000"), x2 = r5(202, "19700101-000002-000");
        QTest::newRow("clock set back: the backup after DEFAULT costs not the one before, nor other files")
            << earlier + QStringList{"B@1970-01-01T00:00:01", "C@1970-01-01T00:00:02"} << QStringList{x1, x2}
            << QStringList{r5(1, "20261207-101500-000"), r5(2, "20261207-101500-000")}
            << QStringList{x2, x1, r5(200, "20261207-101500-000")};
        const QString ahead = r5(0, "20300101-000000-000"), a7 = r5(7, "20261207-101500-000"), b8 = r5(8, "20261208-090001-000");
        QTest::newRow("the newest is the last written, not the latest time")
            << QStringList{ahead + "=B", a7 + "=A", "A@2026-12-08T09:00:00", "B@2026-12-08T09:00:01"}
            << QStringList{a7, b8} << QStringList() << QStringList{b8, a7, ahead};
        const QString r9 = "n000041_20261207-101500-000_QUORL-R9-12S.orvesc.json", a42 = r5(42, "19700101-000000-000");
        const QString first = r5(0, "20250101-000000-000"), same = r5(0, "20261207-101500-000"),
                      second = QString(same).replace("3S.", "3S-2.");
        QTest::newRow("names by time alone come first; places count across models")
            << QStringList{second + "=B", same + "=A", first + "=C", r9 + "=-", "A@1970-01-01T00:00:00"} << QStringList{a42}
            << QStringList() << QStringList{a42, r9};
        const QString mine = r5(1, "20261207-101500-000"), last = r5(202, "20261207-101700-000");
        QTest::newRow("this run's backup outlives the limit")
            << QStringList{"B@2026-12-07T10:15:00"} + alongside + QStringList{"C@2026-12-07T10:17:00"} << QStringList{mine, last}
            << QStringList{r5(2, "20261207-101600-000"), r5(3, "20261207-101600-000")} << QStringList{last};
    }
    void backupsKeepTheWriteOrder()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, saved);
        QFETCH(QStringList, pruned);
        QFETCH(QStringList, shown);
        const std::map<QString, std::array<std::int16_t, 12>> reads{{"A", {160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 0, 0}},
            {"B", {161, 38, 48, 56, 65, 81, 98, 112, 128, 144, 0, 0}}, {"C", {162, 37, 49, 54, 64, 80, 96, 113, 129, 144, 192, 0}}};
        QTemporaryDir dir;
        QStringList written, kept;
        for (const QString &step : steps) {
            const QStringList parts = step.split(QRegularExpression("[=@]"));
            if (step.contains('@')) {
                const BackupOutcome outcome = BackupStore(dir.path()).save(
                    *documentFromReport(38, reads.at(parts[0])).document, QDateTime::fromString(parts[1] + 'Z', Qt::ISODate));
                written << QFileInfo(outcome.file).fileName();
            } else {
                writeFile(dir.filePath(parts[0]), reads.count(parts[1]) ? document(38, reads.at(parts[1])) : "{}");
                kept << parts[0];
            }
        }
        QCOMPARE(written, saved);
        kept += saved;
        kept.removeDuplicates();
        for (const QString &name : pruned)
            QVERIFY(kept.removeOne(name));
        kept.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), kept);
        // Restore Backup lists the folder by name, newest first.
        std::sort(kept.begin(), kept.end(), std::greater<>());
        QCOMPARE(kept.mid(0, shown.size()), shown);
    }

    // The remembered choices leave "Unknown Organization" once; a value set since in the new place stays.
    void choicesMoveToTheOrganisationOnce()
    {
#ifdef _WIN32
        QSKIP("Windows keeps no choices without an organisation: there is nothing to carry over");
#endif
        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QFile::remove(config + "/Orvantis/tst_settingsfiles.conf");
        QCoreApplication::setOrganizationName({});
        QCoreApplication::setOrganizationDomain({});
        QSettings().setValue(QStringLiteral("settingsFiles/lastFolder"), QStringLiteral("/old"));
        QSettings().setValue(QStringLiteral("verifyAfterProgram"), true);
        QSettings(config + "/Orvantis/tst_settingsfiles.conf", QSettings::IniFormat).setValue("verifyAfterProgram", false);
        settleSettingsLocation();
        settleSettingsLocation();
        QVERIFY(!QFile::exists(config + "/Unknown Organization/tst_settingsfiles.conf"));
        QCOMPARE(QSettings().value(QStringLiteral("settingsFiles/lastFolder")).toString(), QStringLiteral("/old"));
        QCOMPARE(QSettings().value(QStringLiteral("verifyAfterProgram")).toBool(), false);
    }

    // Every file the tool writes validates against the JSON Schema in docs/: backups of each model with either
    // battery, and what Save Settings As writes; a reported byte no other cutoff entry stands for is left out.
    void filesMatchTheSchema()
    {
        QTemporaryDir dir;
        for (const EscModel &model : escModels()) {
            std::array<std::int16_t, 12> report{};
            std::copy_n(factoryCodes(model.code).begin(), 11, report.begin());
            for (const auto &[battery, nickelCutoff] : {std::pair<int, int>{report[1], 48}, {32, 49}, {report[1], 255}}) {
                report[1] = std::int16_t(battery);
                report[2] = std::int16_t(nickelCutoff);
                SettingsDocument backup = *documentFromReport(model.code, report).document;
                QCOMPARE(backup.otherCutoff.has_value(), nickelCutoff != 255);
                QCOMPARE(BackupStore(dir.path()).save(backup, QDateTime::currentDateTimeUtc()).error, QString());
                backup.otherCutoff.reset();
                writeDocumentFile(dir.filePath(QString::asprintf("saved-%d-%d.orvesc.json", model.code, battery)), backup);
            }
        }
#ifdef _WIN32
        QSKIP("The schema check runs in the Linux build: the same writer gives the same bytes here");
#endif
        QCOMPARE(QProcess::execute(QStringLiteral("python3"), {ORVESC_SETTINGS_SCHEMA_CHECK, dir.path()}), 0);
    }

    // An unwritable backup folder is told once and never stops CONNECT; a failed save says why.
    void writesThatFailSayWhyAndBlockNothing()
    {
        const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
        writeFile(blocker, "a file where the folder would be");
        EscBench bench;
        bench.sims.addEsc(1);
        bench.start();
        bench.form->setSettingsDialogs(m_dialogs);
        bench.form->setBackupFolder(blocker + QStringLiteral("/backups"));
        auto *save = bench.widget<QAction>("mnuSaveSettings");
        QVERIFY(!save->isEnabled());
        bench.click("Connect");
        bench.click("Connect");
        QCOMPARE(bench.state(), Connected38);
        QCOMPARE(bench.messages.texts.size(), 1);
        QVERIFY(bench.messages.texts.constFirst().startsWith(QLatin1String("Backups are off until OrvESC is started again")));

        m_dialogs.path = blocker + QStringLiteral("/x.orvesc.json");
        save->trigger();
#ifdef _WIN32
        const QString reason = QStringLiteral("Path not found."); // the system's own words
#else
        const QString reason = QStringLiteral("Not a directory");
#endif
        QCOMPARE(bench.messages.texts.constLast(), "The settings could not be saved to\r"
                 + QDir::toNativeSeparators(m_dialogs.path) + "\r(" + reason + "). Choose another place.");
    }
};

QTEST_MAIN(TestSettingsFiles)
#include "tst_settingsfiles.moc"
