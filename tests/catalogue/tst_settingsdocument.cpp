#include "modeltable.h"
#include "settingsapply.h"
#include "settingsbench.h"
#include "settingscompare.h"
#include "settingsdocument.h"

#include <QtTest>

using namespace orvesc;
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
        report[static_cast<std::size_t>(element)] = static_cast<std::int16_t>(value);
    return *documentFromReport(code, report).document;
}

std::string replaced(std::string text, const std::string &from, const std::string &to)
{
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::vector<std::string> selections(SettingsBench &bench)
{
    std::vector<std::string> texts;
    for (int i = 0; i < SettingListCount; ++i)
        texts.push_back(bench.selectedText(SettingList(i)));
    return texts;
}

std::string joinedLines(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += (text.empty() ? "" : "|") + line;
    return text;
}

// Streams plain literals into a data row as std::string, the columns' type.
struct Row
{
    QTestData &data;
    template<typename T>
    Row &operator<<(const T &value)
    {
        if constexpr (std::is_convertible_v<T, std::string>)
            data << std::string(value);
        else
            data << value;
        return *this;
    }
};

Row row(const char *name)
{
    return { QTest::newRow(name) };
}

} // namespace

Q_DECLARE_METATYPE(SettingsDocument)

// Documents of the catalogue: the file format, applying a file to the lists, and comparing an
// ESC's report with what was programmed.
class tst_SettingsDocument : public QObject
{
    Q_OBJECT
private slots:
    void roundTripKeepsEveryCode_data();
    void roundTripKeepsEveryCode();
    void badFileIsRefused_data();
    void badFileIsRefused();
    void planMatchesApply_data();
    void planMatchesApply();
    void compareNamesDifferences_data();
    void compareNamesDifferences();
};

void tst_SettingsDocument::roundTripKeepsEveryCode_data()
{
    QTest::addColumn<int>("code");
    for (const EscModel &model : escModels())
        QTest::addRow("%d", model.code) << model.code;
}

void tst_SettingsDocument::roundTripKeepsEveryCode()
{
    QFETCH(int, code);
    SettingsBench saved;
    saved.connect(code);
    saved.records.EscConfig = factoryReport(code);
    saved.form.show_Config();
    // Away from the factory choices: the last entry of every list, rules running as they go.
    for (int i = 0; i < SettingListCount; ++i)
        saved.list(SettingList(i)).select(saved.list(SettingList(i)).count() - 1);
    const DocumentResult written = documentFromView(saved.view, code);
    QVERIFY2(written.document, written.error.c_str());
    const DocumentResult read = readSettingsDocument(writeSettingsDocument(*written.document));
    QVERIFY2(read.document, read.error.c_str());

    SettingsBench loaded;
    loaded.connect(code);
    loaded.records.EscConfig = factoryReport(code);
    loaded.form.show_Config();
    applyDocument(loaded.view, code, *read.document);
    QVERIFY(saved.form.get_Config().complete());
    QVERIFY(loaded.form.get_Config().complete());
    QCOMPARE(loaded.records.NewConfig, saved.records.NewConfig);
}

void tst_SettingsDocument::badFileIsRefused_data()
{
    QTest::addColumn<std::string>("bytes");
    QTest::addColumn<std::string>("error");
    const std::string good = writeSettingsDocument(documentOf(38));
    const std::string r9 = writeSettingsDocument(documentOf(183));
    const std::string brake = "\"brake\": {\n      \"code\": 160,\n      \"text\": \"OFF*\"\n    }";

    row("not json") << std::string("settings") << "it is not JSON text (error at byte 1)";
    row("truncated") << good.substr(0, good.size() / 2)
                               << "it ends before its JSON text does (the file is cut short)";
    row("other format") << replaced(good, "orvesc-settings", "tuner")
                                  << "it is not an OrvESC settings file (its format is \"tuner\", "
                                     "not \"orvesc-settings\")";
    row("newer version")
        << replaced(good, "\"version\": 1", "\"version\": 2")
        << "it has format version 2, newer than the version 1 this OrvESC reads; open it with a "
           "newer OrvESC";
    row("missing setting") << replaced(good, brake + ",", "")
                                     << "the setting \"brake\" is missing";
    row("duplicated setting") << replaced(good, brake, brake + ",\n" + brake)
                                        << "the key \"brake\" appears twice in one place";
    row("code as text") << replaced(good, "\"code\": 160", "\"code\": \"160\"")
                                  << "the setting \"brake\" has code \"160\", not a whole number "
                                     "from 0 to 255";
    row("code above a byte") << replaced(good, "\"code\": 160", "\"code\": 416")
                                       << "the setting \"brake\" has code 416, not a whole number "
                                          "from 0 to 255";
    row("code of no entry") << replaced(good, "\"code\": 160", "\"code\": 163")
                                      << "the setting \"brake\" has code 163, which is no BRAKE "
                                         "entry of QUORL R5 3S (38)";
    row("text against code")
        << replaced(good, "\"code\": 160", "\"code\": 161")
        << "the setting \"brake\" has text \"OFF*\" but its code 161 stands for \"ON\"; correct "
           "the text or the code";
    row("nickel cutoff on lithium")
        << replaced(r9, "\"code\": 56", "\"code\": 49")
        << "the setting \"cutoff\" has code 49, which is no CUTOFF V/CELL entry of QUORL R9 12S "
           "(183) with a Li battery";
    row("setting of another model")
        << replaced(good, brake, brake + ",\n\"acceleration_delay\": {\"code\": 195}")
        << "it holds the setting \"acceleration_delay\", which QUORL R5 3S (38) does not have";
    row("unknown model") << replaced(good, "\"code\": 38", "\"code\": 99")
                                   << "its model code 99 is not a model this tool knows";
    row("over 64 KiB") << good + std::string(64 * 1024, ' ')
                                 << "it is larger than 64 KiB (" + std::to_string(good.size() + 65536)
            + " bytes), far too large for a settings file";
    row("unknown keys ignored")
        << replaced(good, "\"version\": 1", "\"version\": 1, \"saved_by\": {\"tool\": [1, 2]}")
        << std::string();
}

void tst_SettingsDocument::badFileIsRefused()
{
    QFETCH(std::string, bytes);
    QFETCH(std::string, error);
    const DocumentResult result = readSettingsDocument(bytes);
    QCOMPARE(result.error, error);
    QCOMPARE(result.document.has_value(), error.empty());
}

void tst_SettingsDocument::planMatchesApply_data()
{
    QTest::addColumn<SettingsDocument>("document");
    QTest::addColumn<int>("connected");
    QTest::addColumn<std::string>("changes");
    QTest::addColumn<std::string>("notOffered");

    row("same model, three changes")
        << documentOf(183, { { 0, 161 }, { 8, 129 }, { 10, 200 } }) << 183
        << "BRAKE: OFF* -> ON\rMOTOR REVERSE: OFF* -> ON\rACCELERATION DELAY: LEVEL1 -> LEVEL9"
        << "";
    row("12S file on a 3S model")
        << documentOf(183, { { 1, 47 }, { 3, 131 } }) << 38 << "" << "BATTERY: 12S Li|CUTOFF V/CELL: 2.0 V|ACCELERATION DELAY: LEVEL1";
    row("nickel file on a lithium model")
        << documentOf(38, { { 1, 32 }, { 2, 51 } }) << 183
        << "BATTERY: 8S Li* -> Ni\rCUTOFF V/CELL: 3.1 V* -> 0.9 V" << "";
    row("warn voltage file on a frequency model")
        << documentOf(182, { { 7, 117 } }) << 183 << "" << "WARN VOLTAGE: AC +0.3";
    row("RPM control over a brake")
        << documentOf(226, { { 0, 161 }, { 9, 148 } }) << 226
        << "RPM CONTROL: OFF* -> GASMODE" << "";
}

void tst_SettingsDocument::planMatchesApply()
{
    QFETCH(SettingsDocument, document);
    QFETCH(int, connected);
    QFETCH(std::string, changes);
    QFETCH(std::string, notOffered);
    SettingsBench bench;
    bench.connect(connected);
    bench.records.EscConfig = factoryReport(connected);
    bench.form.show_Config();

    const std::vector<std::string> before = selections(bench);
    const ApplyPlan plan = planApply(bench.view, connected, document);
    QCOMPARE(selections(bench), before);
    QCOMPARE(describeChanges(plan.changes), changes);
    QCOMPARE(joinedLines(plan.notOffered), notOffered);
    QCOMPARE(plan.otherModel(), document.modelCode != connected);

    QCOMPARE(joinedLines(applyDocument(bench.view, connected, document)), notOffered);
    std::vector<std::string> expected = before;
    for (const SettingChange &change : plan.changes)
        expected[static_cast<std::size_t>(change.list)] = change.to;
    QCOMPARE(selections(bench), expected);
}

void tst_SettingsDocument::compareNamesDifferences_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("programmed");
    QTest::addColumn<int>("reportedElement");
    QTest::addColumn<int>("reported");
    QTest::addColumn<std::string>("differences");

    row("equal") << 38 << 0 << 160 << 0 << 160 << "";
    row("brake") << 38 << 0 << 160 << 0 << 161
                           << "BRAKE: the ESC has ON, the list shows OFF*";
    row("long cutoff") << 183 << 2 << 131 << 3 << 52
                                 << "CUTOFF V/CELL: the ESC has 2.7 V, the list shows 2.0 V";
    row("other cutoff family ignored") << 183 << 2 << 56 << 2 << 50 << "";
    row("acceleration delay") << 183 << 9 << 195 << 10 << 196
                                        << "ACCELERATION DELAY: the ESC has LEVEL5, the list shows "
                                           "LEVEL4*";
    row("no acceleration delay on 181") << 181 << 9 << 195 << 10 << 1 << "";
    row("warn voltage") << 182 << 6 << 116 << 7 << 117
                                  << "WARN VOLTAGE: the ESC has AC +0.3, the list shows AC +0.2*";
    row("code no entry stands for") << 38 << 5 << 98 << 6 << 105
                                              << "TIMING MODE: the ESC has code 105, the list "
                                                 "shows AUTO*";
}

void tst_SettingsDocument::compareNamesDifferences()
{
    QFETCH(int, code);
    QFETCH(int, element);
    QFETCH(int, programmed);
    QFETCH(int, reportedElement);
    QFETCH(int, reported);
    QFETCH(std::string, differences);
    Report report = factoryReport(code);
    // What PROGRAM sends for the factory report: its lithium cutoff, the rest one element on.
    std::array<std::int16_t, 10> newConfig{ report[0], report[1], report[3], report[4], report[5],
                                            report[6], report[7], report[8], report[9], report[10] };
    newConfig[static_cast<std::size_t>(element)] = static_cast<std::int16_t>(programmed);
    report[static_cast<std::size_t>(reportedElement)] = static_cast<std::int16_t>(reported);
    QCOMPARE(describeDifferences(compareSettings(code, newConfig, report)), differences);
}

QTEST_GUILESS_MAIN(tst_SettingsDocument)
#include "tst_settingsdocument.moc"
