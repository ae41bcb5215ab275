#include "modeltable.h"
#include "settingsbench.h"

#include <QtTest>

using namespace orvesc;
using orvesc::test::joined;
using orvesc::test::leading;
using orvesc::test::SettingsBench;

namespace {

const std::string B3 = "Ni,2S Li,3S Li*,4S Li,5S Li,6S Li,7S Li,8S Li,9S Li,10S Li,11S Li,12S Li";
const std::string B8 = "Ni,2S Li,3S Li,4S Li,5S Li,6S Li,7S Li,8S Li*,9S Li,10S Li,11S Li,12S Li";
const std::string Short = "2.7 V,2.8 V,2.9 V,3.0 V,3.1 V*";
const std::string Long = "2.0 V,2.1 V,2.2 V,2.3 V,2.4 V,2.5 V,2.6 V,2.7 V,2.8 V,2.9 V,3.0 V,3.1 V*,3.2 V";
const std::string Nickel = "0.6 V*,0.7 V,0.8 V,0.9 V";
const std::string Freq = "8 kHz*,16 kHz";
const std::string Warn = "AC +0.2*,AC +0.3";
const std::string RpmS = "OFF*,ON RANGE 1,ON RANGE 2,ON RANGE 3";
const std::string RpmL = RpmS + ",GASMODE";
const std::string T3 = "SOFT,HARD,AUTO*";
const std::string T6 = T3 + ",8 deg,15 deg,22 deg";
const std::string Levels = "LEVEL1,LEVEL2,LEVEL3,LEVEL4*,LEVEL5,LEVEL6,LEVEL7,LEVEL8,LEVEL9,LEVEL10";
const std::string Off = "Disabled";
const std::string None = "(none)";
const std::string FC = "FREQUENCY";
const std::string WC = "WARN VOLTAGE";

// Values an unnamed code must leave in EscConfig elements 1 and 7.
constexpr int ReadBattery = 39;
constexpr int ReadFrequency = 113;

// What a Connect of a model code builds, and what show_Type writes for it.
struct Fill
{
    int code;
    std::string battery, cutoff, caption, frequency, rpm, timing, accn, name;
    int batteryDefault = ReadBattery;
    int frequencyDefault = ReadFrequency;
};

} // namespace

Q_DECLARE_METATYPE(Fill)

// The lists per model, start-up fill, model names and factory codes.
class TestListFills : public QObject
{
    Q_OBJECT

private slots:
    void startUpOffersGeneralChoicesWithFactorySelections();
    void connectBuildsListsAndShowTypeWritesDefaults_data();
    void connectBuildsListsAndShowTypeWritesDefaults();
    void batteryChangeRebuildsCutoffList_data();
    void batteryChangeRebuildsCutoffList();
};

void TestListFills::startUpOffersGeneralChoicesWithFactorySelections()
{
    SettingsBench bench;
    std::vector<std::string> lists;
    std::vector<std::string> selected;
    for (int i = 0; i < SettingListCount; ++i) {
        lists.push_back(joined(bench.list(SettingList(i))));
        selected.push_back(bench.selectedText(SettingList(i)));
    }
    QCOMPARE(lists, (std::vector<std::string>{ "OFF*,ON,SOFT", B3, Short, "STOP MOTOR,REDUCE POWER*,NO CUT", "OFF,ON*",
                                               T3, Freq, "OFF*,ON", RpmS, Off }));
    QCOMPARE(selected, (std::vector<std::string>{ "OFF*", "3S Li*", "3.1 V*", "REDUCE POWER*", "ON*", "AUTO*",
                                                  "8 kHz*", "OFF*", "OFF*", Off }));
    QVERIFY(bench.messages().empty());
}

void TestListFills::connectBuildsListsAndShowTypeWritesDefaults_data()
{
    QTest::addColumn<Fill>("fill");
    // A named model's lists follow its name "QUORL R<family>[W] <cells>S": the battery list ends
    // at its cells, starred at 3S up to six cells and at 8S above; a W means warn voltage instead
    // of frequency; R5 and R6 have the short cutoff list; R9 has gas mode, and with ten cells or
    // more the acceleration delay; ten cells or more get all six timings.
    for (const EscModel &model : escModels()) {
        const std::string name = model.name;
        const int cells = std::stoi(name.substr(name.rfind(' ', name.size() - 2) + 1));
        const char family = name[7];
        const bool warn = name.find('W') != std::string::npos;
        QTest::addRow("%d", model.code)
                << Fill{ model.code, leading(cells <= 6 ? B3 : B8, cells), family <= '6' ? Short : Long,
                         warn ? WC : FC, warn ? Warn : Freq, family == '9' ? RpmL : RpmS, cells >= 10 ? T6 : T3,
                         family == '9' && cells >= 10 ? Levels : Off, name, cells <= 6 ? 38 : 43, warn ? 116 : 112 };
    }
    // Unnamed codes; every row follows a Connect of 182, so lists that a code leaves alone show 182's.
    const auto row = [](const Fill &fill) { QTest::addRow("%d", fill.code) << fill; };
    row({ 39, leading(B3, 4), Short, FC, Freq, RpmS, T3, Off, "" });
    row({ 42, leading(B8, 7), Short, FC, Freq, RpmS, T6, Off, "" });
    row({ 185, "", Long, WC, None, RpmL, None, Levels, "" });
    row({ 191, "", Long, WC, None, RpmL, T3, Levels, "" });
    row({ 224, "", Long, WC, None, RpmL, T3, Levels, "" });
}

void TestListFills::connectBuildsListsAndShowTypeWritesDefaults()
{
    QFETCH(Fill, fill);
    SettingsBench bench;
    bench.connect(182);
    bench.connect(fill.code);

    using L = SettingList;
    QCOMPARE((std::vector<std::string>{ joined(bench.list(L::Batt)), joined(bench.list(L::LVC)),
                                        bench.view.frequencyCaption(), joined(bench.list(L::Frequency)),
                                        joined(bench.list(L::RPM)), joined(bench.list(L::Timing)),
                                        joined(bench.list(L::ACCN)) }),
             (std::vector<std::string>{ fill.battery, fill.cutoff, fill.caption, fill.frequency, fill.rpm,
                                        fill.timing, fill.accn }));
    QCOMPARE((std::vector<std::string>{ bench.selectedText(L::Batt), bench.selectedText(L::LVC),
                                        bench.selectedText(L::Frequency), bench.selectedText(L::RPM),
                                        bench.selectedText(L::Timing), bench.selectedText(L::ACCN) }),
             (std::vector<std::string>{ "", "3.1 V*", fill.frequency == None ? "" : leading(fill.frequency, 1),
                                        "OFF*", fill.timing == None ? "" : "AUTO*",
                                        fill.accn == Levels ? "LEVEL5" : Off }));
    QCOMPARE(bench.index(L::Batt), -1);
    QVERIFY(bench.messages().empty());

    bench.records.EscConfig = { 1, ReadBattery, 3, 4, 5, 6, 7, ReadFrequency, 9, 10, 11, 12 };
    bench.form.show_Type();
    bench.form.show_Type();
    QCOMPARE(bench.view.modelName(), fill.name);
    const auto battery = std::int16_t(fill.batteryDefault);
    const auto frequency = std::int16_t(fill.frequencyDefault);
    QCOMPARE(bench.records.EscConfig,
             (std::array<std::int16_t, 12>{ 160, battery, 48, 56, 65, 81, 98, frequency, 128, 144, 192, 12 }));
    // The helper the simulator uses gives 0 where show_Type keeps what was read.
    const bool named = !fill.name.empty();
    const auto codes = factoryCodes(fill.code);
    QCOMPARE((std::pair<int, int>(codes[1], codes[7])),
             (std::pair<int, int>(named ? battery : 0, named ? frequency : 0)));
}

void TestListFills::batteryChangeRebuildsCutoffList_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("battery");
    QTest::addColumn<std::string>("cutoff");
    QTest::addColumn<std::string>("selected");

    // The cutoff list starts at its second entry; a rebuild must put it back to the preselection.
    QTest::newRow("nickel") << 177 << 0 << Nickel << std::string("0.8 V");
    QTest::newRow("long lithium") << 177 << 1 << Long << std::string("3.1 V*");
    QTest::newRow("short lithium") << 40 << 1 << Short << std::string("3.1 V*");
    QTest::newRow("no model, lithium") << 0 << 3 << Short << std::string("2.8 V");
}

void TestListFills::batteryChangeRebuildsCutoffList()
{
    QFETCH(int, code);
    QFETCH(int, battery);
    QFETCH(std::string, cutoff);
    QFETCH(std::string, selected);

    SettingsBench bench;
    if (code > 0)
        bench.connect(code);
    bench.list(SettingList::Batt).select(2);
    bench.list(SettingList::LVC).select(1);
    bench.list(SettingList::Batt).select(battery);

    QCOMPARE(joined(bench.list(SettingList::LVC)), cutoff);
    QCOMPARE(bench.selectedText(SettingList::LVC), selected);
    QVERIFY(bench.messages().empty());
}

QTEST_APPLESS_MAIN(TestListFills)
#include "tst_listfills.moc"
