#include "entrycodes.h"
#include "modeltable.h"
#include "settingsbench.h"

#include <QtTest>

using namespace orvesc;
using orvesc::test::SettingsBench;

namespace {

const std::string CannotShow =
    "The ESC reported settings that this tool cannot show (their lists are left empty):";

// Marks NewConfig elements that get_Config must leave alone.
constexpr std::int16_t Untouched = -7;

// The list that shows an EscConfig element (both cutoff elements go to the one cutoff list), which is
// also the NewConfig element it is collected into.
SettingList listOf(int element)
{
    return SettingList(element <= 2 ? element : element - 1);
}

// The models named with a W have a warn voltage where the others have the frequency.
bool warnVoltage(int code)
{
    const EscModel *model = findEscModel(code);
    return model && std::string(model->name).find('W') != std::string::npos;
}

// A reply whose every setting the lists of model `code` can show.
std::array<std::int16_t, 12> showable(int code, std::int16_t battery)
{
    return { 160, battery, 48, 56, 65, 81, 98, std::int16_t(warnVoltage(code) ? 116 : 112), 128, 144, 192, 1 };
}

// A bench connected to `code` and showing its factory settings, which trigger no rule.
void showFactory(SettingsBench &bench, int code)
{
    bench.connect(code);
    bench.form.show_Type();
    bench.form.show_Config();
    bench.records.NewConfig.fill(Untouched);
}

// A reply with one setting its list cannot show, after a Connect of `before` and then `code`.
struct Unshown
{
    int code, element, value;
    std::string line;
    int before = 0;
};

// Text typed into a list, what get_Config then finds unselected and what it leaves in `element`.
struct Typed
{
    int code;
    SettingList list;
    std::string typed;
    std::vector<SettingList> unselected;
    int element;
    int value = Untouched;
};

} // namespace

Q_DECLARE_METATYPE(Unshown)
Q_DECLARE_METATYPE(Typed)

// Showing reported codes as selections and collecting selections as command codes.
class TestConfigRecords : public QObject
{
    Q_OBJECT

private slots:
    void everyEntryIsShownAndCollectedAsItsCode_data();
    void everyEntryIsShownAndCollectedAsItsCode();
    void reportedRpmControlOverridesReportedBrake();
    void codeOutsideListLeavesItEmptyAndIsReported_data();
    void codeOutsideListLeavesItEmptyAndIsReported();
    void unshowableCodesAreReportedInOneMessage();
    void listsWithoutSelectionAreNotCollected_data();
    void listsWithoutSelectionAreNotCollected();
    void cutoffAndDelayAreCollectedOnlyWhereTheModelHasCodes();
};

void TestConfigRecords::everyEntryIsShownAndCollectedAsItsCode_data()
{
    QTest::addColumn<int>("code");
    for (const EscModel &model : escModels())
        QTest::addRow("%d", model.code) << model.code;
}

void TestConfigRecords::everyEntryIsShownAndCollectedAsItsCode()
{
    QFETCH(int, code);
    const bool hasDelay = code >= 182 && code <= 184;
    SettingsBench bench;

    // The factory settings show as the starred entries, but the delay's factory code is LEVEL1, and
    // DEFAULT programs them as they are, with the lithium cutoff.
    showFactory(bench, code);
    for (int i = 0; i < SettingListCount - 1; ++i)
        QVERIFY2(bench.selectedText(SettingList(i)).back() == '*', bench.selectedText(SettingList(i)).c_str());
    QCOMPARE(bench.selectedText(SettingList::ACCN), std::string(hasDelay ? "LEVEL1" : "Disabled"));
    QVERIFY(bench.form.get_Config().complete());
    const auto &f = bench.records.EscConfig;
    QCOMPARE(bench.records.NewConfig, (std::array<std::int16_t, 10>{ f[0], f[1], f[3], f[4], f[5], f[6], f[7], f[8],
                                                                     f[9], hasDelay ? f[10] : Untouched }));

    // Every entry of every list, reported as the code the ESC's table gives its text, shows as
    // that entry and goes back out as that code; the nickel cutoff list after battery "Ni".
    for (int element = 0; element < (hasDelay ? 11 : 10); ++element) {
        const SettingList list = listOf(element);
        bench.records.EscConfig = showable(code, element == 2 ? 32 : 38);
        bench.form.show_Config();
        for (int i = 0; i < bench.list(list).count(); ++i) {
            const std::optional<int> reported = test::entryCode(list, bench.list(list).entry(i));
            const QByteArray where = QByteArray::number(element) + ": " + bench.list(list).entry(i).c_str();
            QVERIFY2(reported, where);
            bench.records.EscConfig[std::size_t(element)] = std::int16_t(*reported);
            bench.form.show_Config();
            QVERIFY2(bench.index(list) == i, where);
            QVERIFY2(bench.form.get_Config().complete(), where);
            QVERIFY2(bench.records.NewConfig[std::size_t(list)] == *reported, where);
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

    QCOMPARE(bench.messages(), std::vector<std::string>{ "Brake Disabled  / Softstart enabled with RPM Control" });
    using L = SettingList;
    QCOMPARE((std::vector<std::string>{ bench.selectedText(L::Brake), bench.selectedText(L::SoftStart),
                                        bench.selectedText(L::LVCAction), bench.selectedText(L::RPM) }),
             (std::vector<std::string>{ "OFF*", "ON*", "REDUCE POWER*", "ON RANGE 1" }));
    QCOMPARE(bench.records.EscConfig, reported);
    bench.form.get_Config();
    QCOMPARE(bench.records.NewConfig, (std::array<std::int16_t, 10>{ 160, 43, 56, 65, 81, 98, 112, 128, 145, 195 }));
}

void TestConfigRecords::codeOutsideListLeavesItEmptyAndIsReported_data()
{
    QTest::addColumn<Unshown>("row");
    const auto row = [](const char *name, const Unshown &row) { QTest::newRow(name) << row; };
    row("battery beyond the model's cells", { 40, 1, 45, "BATTERY: code 45" });
    row("battery code below 2S Li", { 40, 1, 36, "BATTERY: code 36" });
    row("lithium cutoff between the blocks", { 183, 3, 100, "CUTOFF V/CELL: code 100" });
    row("lithium cutoff above 2.6 V block", { 183, 3, 140, "CUTOFF V/CELL: code 140" });
    row("3.2 V on a short-list model", { 38, 3, 57, "CUTOFF V/CELL: code 57" });
    row("frequency on a warn-voltage model", { 179, 7, 112, "WARN VOLTAGE: code 112" });
    row("frequency on a model without the list", { 200, 7, 112, "FREQUENCY: code 112" });
    // A code without a list of its own keeps the label of the model before it: the message names
    // the setting as the user reads it above the list.
    row("frequency, label left by a warn-voltage model", { 200, 7, 112, "WARN VOLTAGE: code 112", 179 });
    row("gas mode on a short RPM list", { 45, 9, 148, "RPM CONTROL: code 148" });
    row("acceleration delay below LEVEL1", { 183, 10, 191, "ACCELERATION DELAY: code 191" });
    row("lowest 16-bit brake", { 45, 0, -32768, "BRAKE: code -32768" });
    row("highest 16-bit reverse", { 45, 8, 32767, "MOTOR REVERSE: code 32767" });
}

void TestConfigRecords::codeOutsideListLeavesItEmptyAndIsReported()
{
    QFETCH(Unshown, row);
    SettingsBench bench;
    if (row.before)
        bench.connect(row.before);
    showFactory(bench, row.code);
    bench.view.recorder().clear();
    // "Ni" is on every model's battery list, even the unnamed ones' single empty entry.
    const bool lithium = row.element == 1 || row.element == 3;
    bench.records.EscConfig = showable(row.code, lithium ? 38 : 32);
    bench.records.EscConfig[std::size_t(row.element)] = std::int16_t(row.value);
    bench.form.show_Config();

    const SettingList list = listOf(row.element);
    QCOMPARE(bench.messages(), std::vector<std::string>{ CannotShow + "\r" + row.line });
    QCOMPARE(bench.index(list), -1);
    QCOMPARE(bench.form.get_Config().unselected, std::vector<SettingList>{ list });
    QCOMPARE(bench.records.NewConfig[std::size_t(list)], Untouched);
}

void TestConfigRecords::unshowableCodesAreReportedInOneMessage()
{
    SettingsBench bench;
    bench.connect(183);
    bench.records.EscConfig = { 170, 50, 48, 56, 65, 81, 98, 112, 128, 150, 195, 1 };
    bench.form.show_Config();

    QCOMPARE(bench.messages(),
             std::vector<std::string>{ CannotShow + "\rBRAKE: code 170\rBATTERY: code 50\rRPM CONTROL: code 150" });
    // With the battery unknown the cutoff still follows the lithium code reported.
    QCOMPARE(bench.selectedText(SettingList::LVC), std::string("3.1 V*"));
}

void TestConfigRecords::listsWithoutSelectionAreNotCollected_data()
{
    using L = SettingList;
    QTest::addColumn<Typed>("row");
    const auto row = [](const char *name, const Typed &row) { QTest::newRow(name) << row; };
    row("timing typed freely", { 183, L::Timing, "FAST", { L::Timing }, 5 });
    row("battery typed freely", { 183, L::Batt, "13S Li", { L::Batt }, 1 });
    row("delay typed freely", { 183, L::ACCN, "LEVEL11", { L::ACCN }, 9 });
    row("delay not sent for 181", { 181, L::ACCN, "LEVEL11", {}, 9 });
    row("frequency typed as entry", { 181, L::Frequency, "16 kHz", {}, 6, 113 });
    row("nickel typed as entry", { 183, L::Batt, "Ni", {}, 2, 50 });
}

void TestConfigRecords::listsWithoutSelectionAreNotCollected()
{
    QFETCH(Typed, row);
    SettingsBench bench;
    showFactory(bench, row.code);
    bench.list(row.list).typeText(row.typed);
    QCOMPARE(bench.form.get_Config().unselected, row.unselected);
    QCOMPARE(int(bench.records.NewConfig[std::size_t(row.element)]), row.value);
    for (std::size_t i = 0; i < 9; ++i)
        QVERIFY(i == std::size_t(row.element) || bench.records.NewConfig[i] != Untouched);
}

void TestConfigRecords::cutoffAndDelayAreCollectedOnlyWhereTheModelHasCodes()
{
    // Codes just outside the ranges with a lithium cutoff (48, 176) or an acceleration delay.
    for (int code : { 48, 176, 181, 185 }) {
        SettingsBench bench;
        bench.records.EscType = std::int16_t(code);
        bench.records.NewConfig.fill(Untouched);
        QVERIFY(bench.form.get_Config().complete());
        QCOMPARE(bench.records.NewConfig[code < 177 ? 2 : 9], Untouched);
        // The nickel cutoff has codes on every model.
        bench.list(SettingList::Batt).select(0);
        QVERIFY(bench.form.get_Config().complete());
        QCOMPARE(int(bench.records.NewConfig[2]), 50);
    }
}

QTEST_APPLESS_MAIN(TestConfigRecords)
#include "tst_configrecords.moc"
