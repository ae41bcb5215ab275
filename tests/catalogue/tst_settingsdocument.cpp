#include "cataloguetext.h"
#include "modeltable.h"
#include "settingsapply.h"
#include "settingsbench.h"
#include "settingscompare.h"
#include "settingsdocument.h"

#include <QtTest>

using namespace orvesc;
using namespace std::string_literals;
using orvesc::test::joined;
using orvesc::test::SettingsBench;

namespace {

using Report = std::array<std::int16_t, 12>;

// The factory report of a model, with the closing byte where the model reads it.
Report factoryReport(int code)
{
    Report report{};
    const auto factory = factoryCodes(code);
    std::copy(factory.begin(), factory.end(), report.begin());
    report[hasAccelerationDelay(code) ? 11 : 10] = 1;
    return report;
}

SettingsDocument documentOf(int code, std::vector<std::pair<int, int>> changes = {})
{
    Report report = factoryReport(code);
    for (const auto &[element, value] : changes)
        report[std::size_t(element)] = std::int16_t(value);
    return *documentFromReport(code, report).document;
}

std::string replaced(std::string text, const std::string &from, const std::string &to)
{
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// A translation that swaps the first two arguments of every catalogue format, in «»: a format
// glued from pieces or a context lupdate does not know would show.
class SwappingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (!QByteArray(context).startsWith("Settings"))
            return {};
        QString text = QString::fromUtf8(source);
        if (text.contains(QLatin1String("%2")))
            text.replace(QLatin1String("%1"), QLatin1String("%#")).replace(QLatin1String("%2"), QLatin1String("%1"))
                .replace(QLatin1String("%#"), QLatin1String("%2"));
        return QStringLiteral("«%1»").arg(text);
    }
    bool isEmpty() const override { return false; }
};

// One setting programmed as `programmed` and reported back as `reported`.
struct Difference
{
    int code, element, programmed, reportedElement, reported;
    std::string differences;
};

} // namespace

Q_DECLARE_METATYPE(SettingsDocument)
Q_DECLARE_METATYPE(Difference)
Q_DECLARE_METATYPE(CatalogueText)

// Settings files: the format, applying a file to the lists, and comparing a report with what was programmed.
class tst_SettingsDocument : public QObject
{
    Q_OBJECT
private slots:
    void badFileIsRefused_data()
    {
        QTest::addColumn<std::string>("bytes");
        QTest::addColumn<std::string>("error");
        QTest::addColumn<std::string>("warnings");
        const std::string good = writeSettingsDocument(documentOf(38));
        const std::string r9 = writeSettingsDocument(documentOf(183));
        const std::string brake = "\"brake\": {\n      \"code\": 160,\n      \"text\": \"OFF*\"\n    }";
        const auto row = [](const char *name, const std::string &bytes, const std::string &error,
                            const std::string &warnings = "(none)") {
            QTest::newRow(name) << bytes << error << warnings;
        };
        row("not json", "settings", "it is not JSON text (error at line 1, column 1)");
        row("syntax error after a non-ASCII key", replaced(good, "\"version\": 1", "\"versi\xc3\xb3n\": 1 1"),
            "it is not JSON text (error at line 3, column 16)");
        row("truncated", good.substr(0, good.size() / 2), "it ends before its JSON text does (the file is cut short)");
        row("other format", replaced(good, "orvesc-settings", "tuner"),
            "it is not an OrvESC settings file (its format is \"tuner\", not \"orvesc-settings\")");
        row("newer version", replaced(good, "\"version\": 1", "\"version\": 2"),
            "it has format version 2, newer than the version 1 this OrvESC reads; open it with a newer OrvESC");
        row("missing setting", replaced(good, brake + ",", ""), "the setting \"brake\" is missing");
        row("duplicated setting", replaced(good, brake, brake + ",\n" + brake), "the key \"brake\" appears twice in one place");
        row("code as text", replaced(good, "\"code\": 160", "\"code\": \"160\""),
            "the setting \"brake\" has code \"160\", not a whole number from 0 to 255");
        row("code above a byte", replaced(good, "\"code\": 160", "\"code\": 416"),
            "the setting \"brake\" has code 416, not a whole number from 0 to 255");
        row("code of no entry", replaced(good, "\"code\": 160", "\"code\": 163"),
            "the setting \"brake\" has code 163, which is no BRAKE entry of QUORL R5 3S (38)");
        row("text against code", replaced(good, "\"code\": 160", "\"code\": 161"),
            "the setting \"brake\" has text \"OFF*\" but its code 161 stands for \"ON\"; correct the text or the code");
        row("text of another entry without its star", replaced(good, "\"OFF*\"", "\"ON\""),
            "the setting \"brake\" has text \"ON\" but its code 160 stands for \"OFF*\"; correct the text or the code");
        row("text typed without star, in lower case", replaced(good, "\"OFF*\"", "\"off\""), "");
        row("text typed with extra spaces", replaced(good, "\"3.1 V*\"", "\" 3.1  v \""), "");
        row("nickel cutoff on lithium", replaced(r9, "\"code\": 56", "\"code\": 49"),
            "the setting \"cutoff\" has code 49, which is no CUTOFF V/CELL entry of QUORL R9 12S (183) with a Li battery");
        row("setting of another model", replaced(good, brake, brake + ",\n\"acceleration_delay\": {\"code\": 195}"),
            "it holds the setting \"acceleration_delay\", which QUORL R5 3S (38) does not have");
        row("unknown model", replaced(good, "\"code\": 38", "\"code\": 99"), "its model code 99 is not a model this tool knows");
        row("over 64 KiB", good + std::string(64 * 1024, ' '),
            "it is larger than 64 KiB (" + std::to_string(good.size() + 65536) + " bytes), far too large for a settings file");
        const std::string other = "\"other_cutoff\": {\n      \"code\": 48,\n      \"text\": \"0.6 V*\"\n    }";
        row("other cutoff of the family in use", replaced(good, other, replaced(other, "48", "56")),
            "the setting \"other_cutoff\" has code 56, which is no CUTOFF V/CELL entry of QUORL R5 3S (38) for a Ni battery");
        row("version 1 file without the other cutoff", replaced(good, other + ",", ""), "");
        row("unknown keys ignored", replaced(good, "\"version\": 1", "\"version\": 1, \"saved_by\": {\"tool\": [1, 2]}"), "",
            "unknown key \"saved_by\" is ignored");
        row("typos named wherever they are",
            replaced(replaced(replaced(good, "\"name\"", "\"nmae\""), brake, brake + ",\n\"brakes\": {\"code\": 161}"),
                     "\"text\": \"OFF*\"", "\"txt\": \"ON\", \"text\": \"OFF*\""),
            "", "unknown key \"nmae\" in \"model\" is ignored; unknown key \"brakes\" is ignored; "
                "unknown key \"txt\" in the setting \"brake\" is ignored");
    }

    void badFileIsRefused()
    {
        QFETCH(std::string, bytes);
        QFETCH(std::string, error);
        QFETCH(std::string, warnings);
        const DocumentResult result = readSettingsDocument(bytes);
        QCOMPARE(result.error, error);
        QCOMPARE(joined(result.warnings, "; "), warnings);
        QCOMPARE(result.document.has_value(), error.empty());
    }

    void reasonTranslatesWhole_data()
    {
        QTest::addColumn<CatalogueText>("reason");
        QTest::addColumn<QString>("translation");
        const std::string good = writeSettingsDocument(documentOf(38));
        const auto row = [](const char *name, const std::string &bytes, const char *translation) {
            QTest::newRow(name) << readSettingsDocument(bytes).errorText << QString::fromUtf8(translation);
        };
        row("nested place", replaced(good, "\"version\": 1", "\"versi\xc3\xb3n\": 1 1"),
            "«it is not JSON text (error at «line 16, column 3»)»");
        row("code of no entry", replaced(good, "\"code\": 160", "\"code\": 163"),
            "«the setting 163 has code \"brake\", which is no BRAKE entry of QUORL R5 3S (38)»");
        row("typed placeholder stays", replaced(good, "\"OFF*\"", "\"%3\""),
            "«the setting \"%3\" has text \"brake\" but its code 160 stands for \"OFF*\"; correct the text or the code»");
        SettingsBench bench;
        bench.connect(38);
        const SettingRequests byName{ { SettingKey::AccelerationDelay, {}, "LEVEL1" } };
        QTest::newRow("refusal") << planApply(bench.view, 38, byName).refusalText
                                 << QStringLiteral("«the ACCELERATION DELAY has no QUORL R5 3S setting»");
        QTest::newRow("reason composed elsewhere") << DocumentResult{ std::nullopt, "it does not exist", {} }.reason()
                                                   << QStringLiteral("it does not exist");
    }

    void reasonTranslatesWhole()
    {
        QFETCH(CatalogueText, reason);
        SwappingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        const QString translation = translated(reason);
        QCoreApplication::removeTranslator(&translator);
        QTEST(translation, "translation");
    }

    void planMatchesApply_data()
    {
        QTest::addColumn<SettingsDocument>("document");
        QTest::addColumn<int>("connected");
        QTest::addColumn<std::string>("changes");
        QTest::addColumn<std::string>("notOffered");
        QTest::newRow("same model, three changes")
                << documentOf(183, { { 0, 161 }, { 8, 129 }, { 10, 200 } }) << 183
                << "BRAKE: OFF* -> ON\rMOTOR REVERSE: OFF* -> ON\rACCELERATION DELAY: LEVEL1 -> LEVEL9"s << "(none)"s;
        QTest::newRow("12S file on a 3S model") << documentOf(183, { { 1, 47 }, { 3, 131 } }) << 38 << ""s
                                                << "BATTERY: 12S Li|CUTOFF V/CELL: 2.0 V|ACCELERATION DELAY: LEVEL1"s;
        QTest::newRow("nickel file on a lithium model") << documentOf(38, { { 1, 32 }, { 2, 51 } }) << 183
                                                        << "BATTERY: 8S Li* -> Ni\rCUTOFF V/CELL: 3.1 V* -> 0.9 V"s << "(none)"s;
        QTest::newRow("warn voltage file on a frequency model")
                << documentOf(182, { { 7, 117 } }) << 183 << ""s << "WARN VOLTAGE: AC +0.3"s;
        // Contradicting settings are refused whole: no rule gets to pick a winner.
        QTest::newRow("RPM control with a brake") << documentOf(226, { { 0, 161 }, { 9, 148 } }) << 226
                << "BRAKE: OFF* -> ON"s << "refused: \"RPM Control Disabled with Brake\": the setting rules would "
                   "change RPM CONTROL: GASMODE -> OFF*. Ask for a combination the rules allow"s;
        QTest::newRow("RPM control with a stopping cutoff") << documentOf(226, { { 4, 64 }, { 9, 148 } }) << 226
                << "AUTOCUT MODE: REDUCE POWER* -> STOP MOTOR\rRPM CONTROL: OFF* -> GASMODE"s << "(none)"s;
    }

    void planMatchesApply()
    {
        QFETCH(SettingsDocument, document);
        QFETCH(int, connected);
        QFETCH(std::string, notOffered);
        SettingsBench bench;
        bench.connect(connected);
        bench.records.EscConfig = factoryReport(connected);
        bench.form.show_Config();

        const std::vector<std::string> before = bench.selections();
        const ApplyPlan plan = planApply(bench.view, connected, requestsOf(document));
        QCOMPARE(bench.selections(), before);
        QTEST(describeChanges(plan.changes), "changes");
        if (!plan.refusal.empty()) {
            QCOMPARE("refused: " + plan.refusal, notOffered);
            return;
        }
        QCOMPARE(joined(plan.notOffered, "|"), notOffered);
        applyRequests(bench.view, connected, requestsOf(document));
        std::vector<std::string> expected = before;
        for (const SettingChange &change : plan.changes)
            expected[std::size_t(change.list)] = change.to;
        QCOMPARE(bench.selections(), expected);
    }

    void compareNamesDifferences_data()
    {
        QTest::addColumn<Difference>("row");
        const auto row = [](const char *name, const Difference &difference) { QTest::newRow(name) << difference; };
        row("equal", { 38, 0, 160, 0, 160, "" });
        row("brake", { 38, 0, 160, 0, 161, "BRAKE: the ESC has ON, the list shows OFF*" });
        row("long cutoff", { 183, 2, 131, 3, 52, "CUTOFF V/CELL: the ESC has 2.7 V, the list shows 2.0 V" });
        row("other cutoff family ignored", { 183, 2, 56, 2, 50, "" });
        row("acceleration delay",
            { 183, 9, 195, 10, 196, "ACCELERATION DELAY: the ESC has LEVEL5, the list shows LEVEL4*" });
        row("nickel cutoff from its own element", { 38, 1, 32, 1, 38, "BATTERY: the ESC has 3S Li*, the list shows Ni\r"
                                                    "CUTOFF V/CELL: the ESC has 0.6 V*, the list shows code 56" });
        row("no acceleration delay on 181", { 181, 9, 195, 10, 1, "" });
        row("warn voltage", { 182, 6, 116, 7, 117, "WARN VOLTAGE: the ESC has AC +0.3, the list shows AC +0.2*" });
        row("code no entry stands for",
            { 38, 5, 98, 6, 105, "TIMING MODE: the ESC has code 105, the list shows AUTO*" });
    }

    void compareNamesDifferences()
    {
        QFETCH(Difference, row);
        Report report = factoryReport(row.code);
        // What PROGRAM sends for the factory report: its lithium cutoff, the rest one element on.
        std::array<std::int16_t, 10> newConfig{ report[0], report[1], report[3], report[4], report[5],
                                                report[6], report[7], report[8], report[9], report[10] };
        newConfig[std::size_t(row.element)] = std::int16_t(row.programmed);
        report[std::size_t(row.reportedElement)] = std::int16_t(row.reported);
        QCOMPARE(describeDifferences(compareSettings(row.code, newConfig, report)), row.differences);
    }
};

QTEST_GUILESS_MAIN(tst_SettingsDocument)
#include "tst_settingsdocument.moc"
