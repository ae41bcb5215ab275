#include "escbench.h"

#include "backups.h"
#include "settingsdialogs.h"
#include "settingsdocument.h"
#include "settingsfiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>
#include <QTimeZone>

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
        bench.form->settingsFiles().setBackupFolder(m_dir.filePath(QStringLiteral("backups")));
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
        QDir(m_dir.filePath(QStringLiteral("backups"))).removeRecursively();
    }

    // Save, change three lists, open the file: the changes are listed and applied.
    void savedFileBringsTheChoicesBack()
    {
        EscBench bench;
        sim::EscSimulator &esc = connected(bench);
        const QStringList saved = bench.listTexts();
        m_dialogs.path = m_dir.filePath(QStringLiteral("saved"));
        bench.trigger("mnuSaveSettings");

        EscBench::typeOver(bench.widget<QComboBox>("cmbBrake"), QStringLiteral("ON"));
        EscBench::typeOver(bench.widget<QComboBox>("cmbReverse"), QStringLiteral("ON"));
        EscBench::typeOver(bench.widget<QComboBox>("cmbTiming"), QStringLiteral("SOFT"));
        m_dialogs.path += ".orvesc.json"; // added by the save
        bench.trigger("mnuOpenSettings");

        QCOMPARE(m_dialogs.questions.size(), 1);
        QCOMPARE(bench.listTexts(), saved);
        QCOMPARE(bench.messages.texts, QStringList());
        bench.click("Program");
        QCOMPARE(received(esc), Factory38);
    }

    // A name given without the suffix gets it; a file of that name is replaced only when the user says so,
    // and Qt's own dialog adds the suffix before it asks about replacing.
    void saveAsksBeforeReplacingTheSuffixedFile_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("replace") << true;
        QTest::newRow("keep") << false;
    }
    void saveAsksBeforeReplacingTheSuffixedFile()
    {
        QFETCH(bool, ok);
        const QString path = m_dir.filePath(QStringLiteral("mine.orvesc.json"));
        writeFile(path, "the user's own");
        EscBench bench;
        connected(bench);
        m_dialogs.path = m_dir.filePath(QStringLiteral("mine"));
        m_dialogs.ok = ok;
        bench.trigger("mnuSaveSettings");
        QCOMPARE(m_dialogs.questions, QStringList{"The file\r" + QDir::toNativeSeparators(path)
                                                  + "\ralready exists. Replace it?"});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().startsWith("{"), ok);

        QString suffix;
        QTimer::singleShot(0, bench.form.get(), [&suffix] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                suffix = dialog->defaultSuffix();
                dialog->reject();
            }
        });
        QCOMPARE(QtSettingsDialogs(bench.form.get()).savePath(QStringLiteral("Save"), path), QString());
        QCOMPARE(suffix, QStringLiteral("orvesc.json"));
    }

    // Another model's file names both models before anything changes, and Cancel changes nothing; what
    // this model does not offer keeps its choice and is named afterwards.
    void otherModelsFileAsksFirst()
    {
        const QString path = m_dir.filePath(QStringLiteral("r9.orvesc.json"));
        writeFile(path, document(183, {161, 47, 48, 56, 65, 81, 98, 113, 128, 144, 199, 1}));
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
            "Settings it does not offer keep their choice.\r\rThese settings will change:\rBRAKE: OFF* -> ON\r"
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
                                       + path + '\r' + reason + ".\rThe lists are unchanged."});
        QCOMPARE(bench.form->windowTitle(), QStringLiteral("Orvantis ESC PC Interface"));

        bench.click("Connect");
        QCOMPARE(m_dialogs.questions.size() + bench.messages.texts.size(), 1);
    }

    // Each new read is backed up once; Restore Backup undoes DEFAULT.
    void connectBacksUpAndRestoreUndoesDefault()
    {
        const QString folder = m_dir.filePath(QStringLiteral("backups"));
        EscBench bench;
        sim::EscSettings changed{162, 37, 49, 54, 64, 80, 96, 113, 129, 144, 192};
        connected(bench, changed);
        const QStringList before = bench.listTexts();
        bench.connectAndClear();
        QCOMPARE(backups().size(), 1);

        bench.click("CmdReset");
        bench.connectAndClear();
        QCOMPARE(backups().size(), 2);

        m_dialogs.path = folder + '/' + backups().constFirst();
        bench.trigger("mnuRestoreBackup");
        QCOMPARE(m_dialogs.openedIn, QStringList{folder + " newest first"});
        QCOMPARE(bench.listTexts(), before);
    }

    // Past 200 backups of one model its oldest go, however the clock stands; other models' backups and
    // files the store did not name stay.
    void pruningTakesOnlyTheModelsOldestBackups_data()
    {
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("written");
        QTest::newRow("clock right") << "20261206-160501-123" << "20261206-160501-123_QUORL-R5-3S.orvesc.json";
        QTest::newRow("clock behind") << "19700101-000001-000" << "19700101-000001-000_QUORL-R5-3S.orvesc.json";
        QTest::newRow("same millisecond") << "20200101-000000-199" << "20200101-000000-199_QUORL-R5-3S-2.orvesc.json";
    }
    void pruningTakesOnlyTheModelsOldestBackups()
    {
        QFETCH(QString, now);
        QFETCH(QString, written);
        const QString folder = m_dir.filePath(QStringLiteral("backups"));
        QDir().mkpath(folder);
        const QStringList foreign{"mine.orvesc.json", "20000101-000000-000_QUORL-R5-3S.orvesc.json.old",
                                  "20000101-000000-000_QUORL-R5-3S-copy.orvesc.json"};
        for (const QString &name : foreign)
            writeFile(folder + '/' + name, "{}");
        for (const char *model : {"QUORL-R5-3S", "QUORL-R9-12S"}) {
            for (int i = 0; i < BackupStore::Limit; ++i)
                writeFile(folder + QStringLiteral("/20200101-000000-%1_%2.orvesc.json").arg(i, 3, 10, QLatin1Char('0')).arg(model), "{}");
        }
        const QDateTime time = QDateTime::fromString(now, QStringLiteral("yyyyMMdd-HHmmss-zzz"));
        const SettingsDocument r5 = *documentFromReport(38, {160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 0, 0}).document;
        QCOMPARE(BackupStore(folder).save(r5, QDateTime(time.date(), time.time(), QTimeZone::utc())), QString());

        const QStringList left = backups();
        QCOMPARE(left.size(), 2 * BackupStore::Limit + foreign.size());
        QVERIFY(left.contains(written));
        QVERIFY(!left.contains("20200101-000000-000_QUORL-R5-3S.orvesc.json"));
        for (const QString &name : foreign)
            QVERIFY(left.contains(name));
    }

    // During a run no entry that opens a dialog or starts a run is available: a modal dialog would stall
    // the run's wait until it ran out.
    void menuWaitsForTheRun_data()
    {
        QTest::addColumn<QString>("button");
        for (const char *button : {"Connect", "Program", "CmdReset"})
            QTest::newRow(button) << button;
    }
    void menuWaitsForTheRun()
    {
        QFETCH(QString, button);
        EscBench bench;
        sim::EscSimulator &esc = connected(bench);
        const auto available = [&bench] {
            QStringList names;
            for (const char *name : {"mnuOpenSettings", "mnuSaveSettings", "mnuRestoreBackup", "mnuCompare",
                                     "SaveDiagnostics"}) {
                if (bench.widget<QAction>(name)->isEnabled())
                    names << QLatin1String(name);
            }
            return names.join(' ');
        };
        const QString before = available();
        QCOMPARE(before, "mnuOpenSettings mnuSaveSettings mnuRestoreBackup mnuCompare SaveDiagnostics");
        EscBench::slowDown(esc, 100);
        QString during = QStringLiteral("never asked");
        bench.when(esc, 1, [&] { during = available(); });
        bench.click(button.toLatin1().constData());
        QCOMPARE(during, QString());
        QCOMPARE(available(), before);
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
        bench.form->settingsFiles().setBackupFolder(blocker + QStringLiteral("/backups"));
        auto *save = bench.widget<QAction>("mnuSaveSettings");
        QVERIFY(!save->isEnabled());
        bench.click("Connect");
        bench.click("Connect");
        QCOMPARE(bench.state(), Connected38);
        QCOMPARE(bench.messages.texts.size(), 1);
        QVERIFY(bench.messages.texts.constFirst().startsWith(QLatin1String("Backups are off until OrvESC is started again")));

        m_dialogs.path = blocker + QStringLiteral("/x.orvesc.json");
        save->trigger();
        QCOMPARE(bench.messages.texts.constLast(), "The settings could not be saved to\r" + m_dialogs.path
                                                       + "\r(Not a directory). Choose another place.");
    }
};

QTEST_MAIN(TestSettingsFiles)
#include "tst_settingsfiles.moc"
