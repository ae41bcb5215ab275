#include "modeltable.h"
#include "settingsbench.h"

#include <QtTest>

#include <set>

using namespace orvesc;
using orvesc::test::SettingsBench;

namespace {

using CodeTable = std::vector<std::pair<int, std::string>>;

// A run of consecutive codes from `first`, one per entry text (without its star).
CodeTable run(int first, std::initializer_list<const char *> texts)
{
    CodeTable table;
    for (const char *text : texts)
        table.emplace_back(first++, text);
    return table;
}

CodeTable operator+(CodeTable head, const CodeTable &tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// The code space, written out.
const CodeTable BatteryCodes = run(32, { "Ni" })
    + run(37, { "2S Li", "3S Li", "4S Li", "5S Li", "6S Li", "7S Li", "8S Li", "9S Li", "10S Li", "11S Li", "12S Li" });
const CodeTable ShortCutoffCodes = run(52, { "2.7 V", "2.8 V", "2.9 V", "3.0 V", "3.1 V" });
const CodeTable LongCutoffCodes = run(131, { "2.0 V", "2.1 V", "2.2 V", "2.3 V", "2.4 V", "2.5 V", "2.6 V" })
    + run(52, { "2.7 V", "2.8 V", "2.9 V", "3.0 V", "3.1 V", "3.2 V" });

const std::set<int> WarnModels{ 179, 180, 182, 225, 227 };
const std::set<int> AccelerationModels{ 182, 183, 184 };

const char *const BrakeOffForRpm = "Brake Disabled  / Softstart enabled with RPM Control";
const char *const CannotShow =
    "The ESC reported settings that this tool cannot show (their lists are left empty):";

// Marks NewConfig elements that get_Config must leave alone.
constexpr std::int16_t Untouched = -7;

std::string withoutStar(std::string text)
{
    if (!text.empty() && text.back() == '*')
        text.pop_back();
    return text;
}

void addNamedModels()
{
    QTest::addColumn<int>("code");
    for (const EscModel &model : escModels())
        QTest::addRow("%d", model.code) << model.code;
}

// A bench connected to `code` and showing its factory settings, which trigger no rule.
void showFactory(SettingsBench &bench, int code)
{
    bench.connect(code);
    bench.form.show_Type();
    bench.form.show_Config();
    bench.records.NewConfig.fill(Untouched);
}

} // namespace

// Showing reported codes as selections and collecting selections as command codes.
class TestConfigRecords : public QObject
{
    Q_OBJECT

private slots:
    void factorySettingsSelectStarredEntries_data() { addNamedModels(); }
    void factorySettingsSelectStarredEntries();
    void everyEntryIsShownAndCollectedAsItsCode_data() { addNamedModels(); }
    void everyEntryIsShownAndCollectedAsItsCode();
    void reportedRpmControlOverridesReportedBrake();
    void codeOutsideListLeavesItEmptyAndIsReported_data();
    void codeOutsideListLeavesItEmptyAndIsReported();
    void unshowableCodesAreReportedInOneMessage();
    void unshowableSettingIsNamedAsItsLabelReads();
    void anyReplyIsShownWithoutHarm();
    void listsWithoutSelectionAreNotCollected_data();
    void listsWithoutSelectionAreNotCollected();
    void cutoffIsCollectedOnlyWhereTheModelHasCodes();
};

void TestConfigRecords::factorySettingsSelectStarredEntries()
{
    QFETCH(int, code);
    SettingsBench bench;
    showFactory(bench, code);

    const bool hasDelay = AccelerationModels.count(code);
    for (int i = 0; i < SettingListCount - 1; ++i)
        QVERIFY2(bench.selectedText(SettingList(i)).back() == '*', bench.selectedText(SettingList(i)).c_str());
    QCOMPARE(bench.selectedText(SettingList::ACCN), std::string(hasDelay ? "LEVEL1" : "Disabled"));
    // What DEFAULT programs: the factory codes, with the lithium cutoff for the cutoff.
    QVERIFY(bench.form.get_Config().complete());
    const auto &f = bench.records.EscConfig;
    QCOMPARE(bench.records.NewConfig, (std::array<std::int16_t, 10>{ f[0], f[1], f[3], f[4], f[5], f[6], f[7], f[8],
                                                                     f[9], hasDelay ? f[10] : Untouched }));
    QVERIFY(bench.messages().empty());
}

void TestConfigRecords::everyEntryIsShownAndCollectedAsItsCode()
{
    QFETCH(int, code);
    struct Setting
    {
        SettingList list;
        std::size_t element;
        std::size_t newElement;
        CodeTable codes;
    };
    std::vector<Setting> settings{
        { SettingList::Brake, 0, 0, run(160, { "OFF", "ON", "SOFT" }) },
        { SettingList::Batt, 1, 1, BatteryCodes },
        { SettingList::LVC, 2, 2, run(48, { "0.6 V", "0.7 V", "0.8 V", "0.9 V" }) },
        { SettingList::LVC, 3, 2, code < 48 ? ShortCutoffCodes : LongCutoffCodes },
        { SettingList::LVCAction, 4, 3, run(64, { "STOP MOTOR", "REDUCE POWER", "NO CUT" }) },
        { SettingList::SoftStart, 5, 4, run(80, { "OFF", "ON" }) },
        { SettingList::Timing, 6, 5, run(96, { "SOFT", "HARD", "AUTO", "8 deg", "15 deg", "22 deg" }) },
        { SettingList::Frequency, 7, 6,
          WarnModels.count(code) ? run(116, { "AC +0.2", "AC +0.3" }) : run(112, { "8 kHz", "16 kHz" }) },
        { SettingList::Reverse, 8, 7, run(128, { "OFF", "ON" }) },
        { SettingList::RPM, 9, 8, run(144, { "OFF", "ON RANGE 1", "ON RANGE 2", "ON RANGE 3", "GASMODE" }) },
    };
    if (AccelerationModels.count(code))
        settings.push_back({ SettingList::ACCN, 10, 9,
                             run(192, { "LEVEL1", "LEVEL2", "LEVEL3", "LEVEL4", "LEVEL5", "LEVEL6",
                                        "LEVEL7", "LEVEL8", "LEVEL9", "LEVEL10" }) });

    SettingsBench bench;
    bench.connect(code);
    for (const Setting &setting : settings) {
        // Entries beyond the model's list are the out-of-list cases, tested on their own.
        const auto offered = std::min<std::size_t>(setting.codes.size(),
                                                   std::size_t(bench.list(setting.list).count()));
        for (std::size_t i = 0; i < offered; ++i) {
            const auto &[reported, text] = setting.codes[i];
            const QByteArray where = QByteArray::number(setting.element) + ": code " + QByteArray::number(reported);
            bench.records.EscConfig = { 160, 38, 48, 56, 65, 81, 98, 0, 128, 144, 192, 1 };
            bench.records.EscConfig[7] = WarnModels.count(code) ? 116 : 112;
            if (setting.element == 2)
                bench.records.EscConfig[1] = 32;
            bench.records.EscConfig[setting.element] = std::int16_t(reported);
            bench.records.NewConfig.fill(Untouched);

            bench.form.show_Config();
            QVERIFY2(withoutStar(bench.selectedText(setting.list)) == text, where);
            QVERIFY2(bench.form.get_Config().complete(), where);
            QVERIFY2(bench.records.NewConfig[setting.newElement] == reported, where);
        }
    }
    QVERIFY(bench.messages().empty());
}

void TestConfigRecords::reportedRpmControlOverridesReportedBrake()
{
    SettingsBench bench;
    bench.connect(183);
    bench.records.EscConfig = { 161, 43, 48, 56, 64, 80, 98, 112, 128, 145, 195, 1 };
    const auto reported = bench.records.EscConfig;
    bench.form.show_Config();

    QCOMPARE(bench.messages(), std::vector<std::string>{ BrakeOffForRpm });
    QCOMPARE(bench.selectedText(SettingList::Brake), std::string("OFF*"));
    QCOMPARE(bench.selectedText(SettingList::SoftStart), std::string("ON*"));
    QCOMPARE(bench.selectedText(SettingList::LVCAction), std::string("REDUCE POWER*"));
    QCOMPARE(bench.selectedText(SettingList::RPM), std::string("ON RANGE 1"));
    QCOMPARE(bench.records.EscConfig, reported);
    bench.form.get_Config();
    QCOMPARE(bench.records.NewConfig,
             (std::array<std::int16_t, 10>{ 160, 43, 56, 65, 81, 98, 112, 128, 145, 195 }));
}

void TestConfigRecords::codeOutsideListLeavesItEmptyAndIsReported_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("list");
    QTest::addColumn<std::string>("line");

    auto row = [](const char *name, int code, int element, int value, SettingList list, const char *line) {
        QTest::newRow(name) << code << element << value << int(list) << std::string(line);
    };
    row("battery beyond the model's cells", 40, 1, 45, SettingList::Batt, "BATTERY: code 45");
    row("battery code below 2S Li", 40, 1, 36, SettingList::Batt, "BATTERY: code 36");
    row("lithium cutoff between the blocks", 183, 3, 100, SettingList::LVC, "CUTOFF V/CELL: code 100");
    row("lithium cutoff above 2.6 V block", 183, 3, 140, SettingList::LVC, "CUTOFF V/CELL: code 140");
    row("3.2 V on a short-list model", 38, 3, 57, SettingList::LVC, "CUTOFF V/CELL: code 57");
    row("frequency on a warn-voltage model", 179, 7, 112, SettingList::Frequency, "WARN VOLTAGE: code 112");
    row("frequency on a model without the list", 200, 7, 112, SettingList::Frequency, "FREQUENCY: code 112");
    row("fourth timing on a three-timing model", 41, 6, 99, SettingList::Timing, "TIMING MODE: code 99");
    row("gas mode on a short RPM list", 45, 9, 148, SettingList::RPM, "RPM CONTROL: code 148");
    row("acceleration delay below LEVEL1", 183, 10, 191, SettingList::ACCN, "ACCELERATION DELAY: code 191");
    row("lowest 16-bit brake", 45, 0, -32768, SettingList::Brake, "BRAKE: code -32768");
    row("highest 16-bit reverse", 45, 8, 32767, SettingList::Reverse, "MOTOR REVERSE: code 32767");
    row("soft start one past the list", 226, 5, 82, SettingList::SoftStart, "SOFT START: code 82");
    row("cutoff action zero", 180, 4, 0, SettingList::LVCAction, "AUTOCUT MODE: code 0");
}

void TestConfigRecords::codeOutsideListLeavesItEmptyAndIsReported()
{
    QFETCH(int, code);
    QFETCH(int, element);
    QFETCH(int, value);
    QFETCH(int, list);
    QFETCH(std::string, line);

    SettingsBench bench;
    showFactory(bench, code);
    bench.view.recorder().clear();
    // "Ni" is on every model's battery list, even the unnamed ones' single empty entry.
    const bool lithium = element == 1 || element == 3;
    bench.records.EscConfig = { 160, std::int16_t(lithium ? 38 : 32), 48, 56, 65, 81, 98, 112, 128, 144, 192, 1 };
    if (WarnModels.count(code))
        bench.records.EscConfig[7] = 116;
    bench.records.EscConfig[std::size_t(element)] = std::int16_t(value);
    bench.form.show_Config();

    QCOMPARE(bench.messages(), std::vector<std::string>{ std::string(CannotShow) + "\r" + line });
    QCOMPARE(bench.index(SettingList(list)), -1);
    const CollectResult collected = bench.form.get_Config();
    QCOMPARE(collected.unselected, std::vector<SettingList>{ SettingList(list) });
    QCOMPARE(bench.records.NewConfig[std::size_t(list)], Untouched);
}

void TestConfigRecords::unshowableCodesAreReportedInOneMessage()
{
    SettingsBench bench;
    bench.connect(183);
    bench.records.EscConfig = { 170, 50, 48, 56, 65, 81, 98, 112, 128, 150, 195, 1 };
    bench.form.show_Config();

    QCOMPARE(bench.messages(),
             std::vector<std::string>{ std::string(CannotShow)
                                       + "\rBRAKE: code 170\rBATTERY: code 50\rRPM CONTROL: code 150" });
    // With the battery unknown the cutoff still follows the lithium code reported.
    QCOMPARE(bench.selectedText(SettingList::LVC), std::string("3.1 V*"));
}

// A code without a list of its own keeps the frequency label of the model before it; the message
// names the setting as the user reads it above the list.
void TestConfigRecords::unshowableSettingIsNamedAsItsLabelReads()
{
    SettingsBench bench;
    bench.connect(179);
    bench.connect(200);
    bench.records.EscConfig = { 160, 32, 48, 56, 65, 81, 98, 112, 128, 144, 192, 1 };
    bench.form.show_Config();

    QCOMPARE(bench.messages(), std::vector<std::string>{ std::string(CannotShow) + "\rWARN VOLTAGE: code 112" });
}

void TestConfigRecords::anyReplyIsShownWithoutHarm()
{
    const int codes[] = { 0, 38, 41, 45, 100, 179, 182, 184, 185, 200, 227, 255 };
    const int values[] = { -32768, -1, 0, 31, 32, 36, 51, 58, 130, 138, 255, 256, 32767 };
    for (int code : codes) {
        SettingsBench bench;
        bench.connect(code);
        for (std::size_t element = 0; element < 12; ++element) {
            for (int value : values) {
                bench.view.recorder().clear();
                bench.records.EscConfig.fill(std::int16_t(value));
                bench.records.EscConfig[element] = std::int16_t(value);
                bench.form.show_Config();
                QVERIFY(bench.messages().size() <= 1);
                for (int i = 0; i < SettingListCount; ++i) {
                    const int index = bench.index(SettingList(i));
                    QVERIFY(index >= -1 && index < bench.list(SettingList(i)).count());
                }
                bench.form.get_Config();
                for (std::int16_t sent : bench.records.NewConfig)
                    QVERIFY2(sent >= 0 && sent <= 255, QByteArray::number(sent));
            }
        }
    }
}

void TestConfigRecords::listsWithoutSelectionAreNotCollected_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("list");
    QTest::addColumn<std::string>("typed");
    QTest::addColumn<std::vector<SettingList>>("unselected");
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("value");

    using L = SettingList;
    QTest::newRow("timing typed freely") << 183 << int(L::Timing) << std::string("FAST")
                                         << std::vector<L>{ L::Timing } << 5 << int(Untouched);
    QTest::newRow("battery typed freely") << 183 << int(L::Batt) << std::string("13S Li")
                                          << std::vector<L>{ L::Batt } << 1 << int(Untouched);
    QTest::newRow("delay typed freely") << 183 << int(L::ACCN) << std::string("LEVEL11")
                                        << std::vector<L>{ L::ACCN } << 9 << int(Untouched);
    QTest::newRow("delay not sent for 181") << 181 << int(L::ACCN) << std::string("LEVEL11")
                                            << std::vector<L>{} << 9 << int(Untouched);
    QTest::newRow("frequency typed as entry") << 181 << int(L::Frequency) << std::string("16 kHz")
                                              << std::vector<L>{} << 6 << 113;
    QTest::newRow("nickel typed as entry") << 183 << int(L::Batt) << std::string("Ni")
                                           << std::vector<L>{} << 2 << 50;
}

void TestConfigRecords::listsWithoutSelectionAreNotCollected()
{
    QFETCH(int, code);
    QFETCH(int, list);
    QFETCH(std::string, typed);
    QFETCH(std::vector<SettingList>, unselected);
    QFETCH(int, element);
    QFETCH(int, value);

    SettingsBench bench;
    showFactory(bench, code);
    bench.list(SettingList(list)).typeText(typed);
    QCOMPARE(bench.form.get_Config().unselected, unselected);
    QCOMPARE(int(bench.records.NewConfig[std::size_t(element)]), value);
    for (std::size_t i = 0; i < 9; ++i)
        QVERIFY(i == std::size_t(element) || bench.records.NewConfig[i] != Untouched);
}

void TestConfigRecords::cutoffIsCollectedOnlyWhereTheModelHasCodes()
{
    SettingsBench bench;
    bench.records.EscType = 100;
    bench.records.NewConfig.fill(Untouched);
    QVERIFY(bench.form.get_Config().complete());
    QCOMPARE(bench.records.NewConfig[2], Untouched);

    bench.list(SettingList::Batt).select(0);
    QVERIFY(bench.form.get_Config().complete());
    QCOMPARE(int(bench.records.NewConfig[2]), 50);
}

QTEST_APPLESS_MAIN(TestConfigRecords)
#include "tst_configrecords.moc"
