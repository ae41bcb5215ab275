#include "cli.h"
#include "clisetup.h"
#include "console.h"
#include "documentfile.h"
#include "escbench.h"
#include "modeltable.h"
#include "settingsdialogs.h"
#include "settingsfiles.h"

#include <QBuffer>

using namespace orvesc;
using namespace orvesc::test;

namespace {

// Answers OK to the preview.
struct Yes : SettingsDialogs
{
    QString openPath(const QString &, const QString &, bool) override { return {}; }
    QString savePath(const QString &, const QString &) override { return {}; }
    bool confirm(const std::string &) override { return true; }
};

// A settings file of `fileModel` holding its factory settings with the given codes in place.
struct File
{
    int fileModel;
    std::map<std::size_t, std::int16_t> codes;
    int escModel;
};

// The command bytes an ESC received after CONNECT's identify, identify and read.
QList<int> commands(const sim::EscSimulator &esc)
{
    return received(esc).mid(3);
}

} // namespace

Q_DECLARE_METATYPE(File)

// One settings file on the same ESC through the window (Open Settings, PROGRAM) and through the
// command line (write): the same bytes reach the ESC, or neither sends any.
class TestSameBytes : public QObject
{
    Q_OBJECT

private slots:
    void fileProgramsTheSameBytesEverywhere_data()
    {
        QTest::addColumn<File>("file");
        for (const EscModel &model : escModels())
            QTest::newRow(model.name) << File{model.code, {{0, 161}, {8, 129}}, model.code};
        QTest::newRow("another model's file") << File{183, {{0, 162}, {1, 47}, {3, 131}}, 38};
        QTest::newRow("rules would change it") << File{38, {{0, 161}, {9, 145}}, 38};
        QTest::newRow("Ni battery and its cutoff") << File{38, {{1, 32}, {2, 50}}, 38};
    }
    void fileProgramsTheSameBytesEverywhere()
    {
        QFETCH(File, file);
        QTemporaryDir folder;
        std::array<std::int16_t, 12> report{};
        const auto factory = factoryCodes(file.fileModel);
        std::copy(factory.begin(), factory.end(), report.begin());
        for (const auto &[element, code] : file.codes)
            report[element] = code;
        const DocumentResult document = documentFromReport(file.fileModel, report);
        QVERIFY2(document.document, document.error.c_str());
        const QString path = folder.filePath(QStringLiteral("file.orvesc.json"));
        QCOMPARE(writeDocumentFile(path, *document.document), QString());

        EscBench bench;
        sim::EscSimulator &windowEsc = bench.sims.addEsc(1, file.escModel);
        bench.start();
        Yes yes;
        bench.form->setSettingsDialogs(yes);
        bench.form->Connect_Click();
        bench.form->settingsFiles().openFile(path, file.escModel);
        const bool refused = bench.messages.texts.join('|').contains(QLatin1String("Cannot use the settings file"));
        if (!refused)
            bench.form->Program_Click();

        sim::EscSimulator &cliEsc = bench.sims.addEsc(2, file.escModel);
        QBuffer out;
        QBuffer err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        cli::Console console(out, err);
        const int exitCode = cli::runCli({QStringLiteral("orvesc-cli"), QStringLiteral("write"), path,
                                          QStringLiteral("--port"), QStringLiteral("COM2"),
                                          QStringLiteral("--no-verify"), QStringLiteral("--allow-other-model")},
                                         cli::CliSetup{bench.sims.path(), QStringList(), QString()}, console);

        QCOMPARE(exitCode, refused ? 1 : 0);
        QCOMPARE(commands(cliEsc), commands(windowEsc));
        QCOMPARE(commands(windowEsc).isEmpty(), refused);
    }
};

QTEST_MAIN(TestSameBytes)
#include "tst_samebytes.moc"
