#include "modeltable.h"
#include "settingsbench.h"

#include <QtTest>

using namespace orvesc;
using orvesc::test::joined;
using orvesc::test::leading;
using orvesc::test::SettingsBench;

namespace {

const std::string Battery3S = "Ni,2S Li,3S Li*,4S Li,5S Li,6S Li,7S Li,8S Li,9S Li,10S Li,11S Li,12S Li";
const std::string Battery8S = "Ni,2S Li,3S Li,4S Li,5S Li,6S Li,7S Li,8S Li*,9S Li,10S Li,11S Li,12S Li";
const std::string CutoffShort = "2.7 V,2.8 V,2.9 V,3.0 V,3.1 V*";
const std::string CutoffLong = "2.0 V,2.1 V,2.2 V,2.3 V,2.4 V,2.5 V,2.6 V,2.7 V,2.8 V,2.9 V,3.0 V,3.1 V*,3.2 V";
const std::string Frequency = "8 kHz*,16 kHz";
const std::string Warn = "AC +0.2*,AC +0.3";
const std::string RpmShort = "OFF*,ON RANGE 1,ON RANGE 2,ON RANGE 3";
const std::string RpmLong = "OFF*,ON RANGE 1,ON RANGE 2,ON RANGE 3,GASMODE";
const std::string Timing3 = "SOFT,HARD,AUTO*";
const std::string Timing6 = "SOFT,HARD,AUTO*,8 deg,15 deg,22 deg";
const std::string Levels = "LEVEL1,LEVEL2,LEVEL3,LEVEL4*,LEVEL5,LEVEL6,LEVEL7,LEVEL8,LEVEL9,LEVEL10";
const std::string None = "(none)";

// Values an unnamed code must leave in EscConfig elements 1 and 7.
constexpr std::int16_t ReadBattery = 39;
constexpr std::int16_t ReadFrequency = 113;

} // namespace

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
    const std::vector<std::pair<SettingList, std::string>> expected{
        { SettingList::Brake, "OFF*,ON,SOFT" },   { SettingList::Batt, Battery3S },
        { SettingList::LVC, CutoffShort },        { SettingList::LVCAction, "STOP MOTOR,REDUCE POWER*,NO CUT" },
        { SettingList::SoftStart, "OFF,ON*" },    { SettingList::Timing, Timing3 },
        { SettingList::Frequency, Frequency },    { SettingList::Reverse, "OFF*,ON" },
        { SettingList::RPM, RpmShort },           { SettingList::ACCN, "Disabled" },
    };
    for (const auto &[which, entries] : expected) {
        QCOMPARE(joined(bench.list(which)), entries);
        const std::string selected = bench.selectedText(which);
        QVERIFY2(selected.back() == '*' || selected == "Disabled", selected.c_str());
    }
    QVERIFY(bench.messages().empty());
}

void TestListFills::connectBuildsListsAndShowTypeWritesDefaults_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<std::string>("battery");
    QTest::addColumn<std::string>("cutoff");
    QTest::addColumn<std::string>("caption");
    QTest::addColumn<std::string>("frequency");
    QTest::addColumn<std::string>("rpm");
    QTest::addColumn<std::string>("timing");
    QTest::addColumn<std::string>("accn");
    QTest::addColumn<std::string>("name");
    QTest::addColumn<int>("batteryDefault");
    QTest::addColumn<int>("frequencyDefault");

    // Every row follows a Connect of 182, so lists that a code leaves alone show 182's.
    auto row = [](int code, const std::string &battery, const std::string &cutoff,
                  const char *caption, const std::string &frequency, const std::string &rpm,
                  const std::string &timing, const std::string &accn, const char *name = "",
                  int batteryDefault = ReadBattery, int frequencyDefault = ReadFrequency) {
        QTest::addRow("%d", code) << code << battery << cutoff << std::string(caption) << frequency
                                  << rpm << timing << accn << std::string(name) << batteryDefault
                                  << frequencyDefault;
    };
    row(38, leading(Battery3S, 3), CutoffShort, "FREQUENCY", Frequency, RpmShort, Timing3, "Disabled",
        "QUORL R5 3S", 38, 112);
    row(39, leading(Battery3S, 4), CutoffShort, "FREQUENCY", Frequency, RpmShort, Timing3, "Disabled");
    row(40, leading(Battery3S, 5), CutoffShort, "FREQUENCY", Frequency, RpmShort, Timing3, "Disabled",
        "QUORL R5 5S", 38, 112);
    row(41, leading(Battery3S, 6), CutoffShort, "FREQUENCY", Frequency, RpmShort, Timing3, "Disabled",
        "QUORL R6 6S", 38, 112);
    row(42, leading(Battery8S, 7), CutoffShort, "FREQUENCY", Frequency, RpmShort, Timing6, "Disabled");
    row(45, leading(Battery8S, 10), CutoffShort, "FREQUENCY", Frequency, RpmShort, Timing6, "Disabled",
        "QUORL R5 10S", 43, 112);
    row(46, leading(Battery8S, 11), CutoffShort, "FREQUENCY", Frequency, RpmShort, Timing6, "Disabled");
    row(47, Battery8S, CutoffShort, "FREQUENCY", Frequency, RpmShort, Timing6, "Disabled",
        "QUORL R6 12S", 43, 112);
    row(177, leading(Battery3S, 3), CutoffLong, "FREQUENCY", Frequency, RpmShort, Timing3, "Disabled",
        "QUORL R8 3S", 38, 112);
    row(178, leading(Battery3S, 6), CutoffLong, "FREQUENCY", Frequency, RpmShort, Timing3, "Disabled",
        "QUORL R8 6S", 38, 112);
    row(179, leading(Battery3S, 6), CutoffLong, "WARN VOLTAGE", Warn, RpmShort, Timing3, "Disabled",
        "QUORL R8 W 6S ", 38, 116);
    row(180, Battery8S, CutoffLong, "WARN VOLTAGE", Warn, RpmShort, Timing6, "Disabled",
        "QUORL R8 W 12S", 43, 116);
    row(181, Battery8S, CutoffLong, "FREQUENCY", Frequency, RpmShort, Timing6, "Disabled",
        "QUORL R8 12S", 43, 112);
    row(182, Battery8S, CutoffLong, "WARN VOLTAGE", Warn, RpmLong, Timing6, Levels,
        "QUORL R9W 12S", 43, 116);
    row(183, Battery8S, CutoffLong, "FREQUENCY", Frequency, RpmLong, Timing6, Levels,
        "QUORL R9 12S", 43, 112);
    row(184, leading(Battery8S, 10), CutoffLong, "FREQUENCY", Frequency, RpmLong, Timing6, Levels,
        "QUORL R9 10S", 43, 112);
    row(185, "", CutoffLong, "WARN VOLTAGE", None, RpmLong, None, Levels);
    row(186, "", CutoffLong, "WARN VOLTAGE", None, RpmLong, None, Levels);
    row(200, "", CutoffLong, "WARN VOLTAGE", None, RpmLong, Timing3, Levels);
    row(224, "", CutoffLong, "WARN VOLTAGE", None, RpmLong, Timing3, Levels);
    row(225, leading(Battery3S, 3), CutoffLong, "WARN VOLTAGE", Warn, RpmLong, Timing3, "Disabled",
        "QUORL R9W 3S", 38, 116);
    row(226, leading(Battery3S, 3), CutoffLong, "FREQUENCY", Frequency, RpmLong, Timing3, "Disabled",
        "QUORL R9 3S", 38, 112);
    row(227, leading(Battery3S, 6), CutoffLong, "WARN VOLTAGE", Warn, RpmLong, Timing3, "Disabled",
        "QUORL R9W 6S", 38, 116);
}

void TestListFills::connectBuildsListsAndShowTypeWritesDefaults()
{
    QFETCH(int, code);
    QFETCH(std::string, battery);
    QFETCH(std::string, cutoff);
    QFETCH(std::string, caption);
    QFETCH(std::string, frequency);
    QFETCH(std::string, rpm);
    QFETCH(std::string, timing);
    QFETCH(std::string, accn);
    QFETCH(std::string, name);
    QFETCH(int, batteryDefault);
    QFETCH(int, frequencyDefault);

    SettingsBench bench;
    bench.connect(182);
    bench.connect(code);

    QCOMPARE(joined(bench.list(SettingList::Batt)), battery);
    QCOMPARE(bench.index(SettingList::Batt), -1);
    QCOMPARE(joined(bench.list(SettingList::LVC)), cutoff);
    QCOMPARE(bench.selectedText(SettingList::LVC), std::string("3.1 V*"));
    QCOMPARE(bench.view.frequencyCaption(), caption);
    QCOMPARE(joined(bench.list(SettingList::Frequency)), frequency);
    QCOMPARE(bench.index(SettingList::Frequency), frequency == None ? -1 : 0);
    QCOMPARE(joined(bench.list(SettingList::RPM)), rpm);
    QCOMPARE(bench.selectedText(SettingList::RPM), std::string("OFF*"));
    QCOMPARE(joined(bench.list(SettingList::Timing)), timing);
    QCOMPARE(bench.selectedText(SettingList::Timing), std::string(timing == None ? "" : "AUTO*"));
    QCOMPARE(joined(bench.list(SettingList::ACCN)), accn);
    QCOMPARE(bench.selectedText(SettingList::ACCN), std::string(accn == Levels ? "LEVEL5" : "Disabled"));
    QVERIFY(bench.messages().empty());

    bench.records.EscConfig = { 1, ReadBattery, 3, 4, 5, 6, 7, ReadFrequency, 9, 10, 11, 12 };
    bench.form.show_Type();
    bench.form.show_Type();
    QCOMPARE(bench.view.modelName(), name);
    const std::array<std::int16_t, 12> factory{ 160, std::int16_t(batteryDefault), 48, 56, 65, 81, 98,
                                                std::int16_t(frequencyDefault), 128, 144, 192, 12 };
    QCOMPARE(bench.records.EscConfig, factory);
    // The helper the simulator uses gives 0 where show_Type keeps what was read.
    const bool named = !name.empty();
    QCOMPARE(findEscModel(code) != nullptr, named);
    const auto codes = factoryCodes(code);
    QCOMPARE(std::vector<int>(codes.begin(), codes.end()),
             (std::vector<int>{ 160, named ? batteryDefault : 0, 48, 56, 65, 81, 98,
                                named ? frequencyDefault : 0, 128, 144, 192 }));
}

void TestListFills::batteryChangeRebuildsCutoffList_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("battery");
    QTest::addColumn<std::string>("cutoff");
    QTest::addColumn<std::string>("selected");

    // The cutoff list starts at its second entry; a rebuild must put it back to the preselection.
    QTest::newRow("nickel") << 177 << 0 << std::string("0.6 V*,0.7 V,0.8 V,0.9 V") << std::string("0.8 V");
    QTest::newRow("long lithium") << 177 << 1 << CutoffLong << std::string("3.1 V*");
    QTest::newRow("short lithium") << 40 << 1 << CutoffShort << std::string("3.1 V*");
    QTest::newRow("no model, lithium") << 0 << 3 << CutoffShort << std::string("2.8 V");
    QTest::newRow("no model, nickel") << 0 << 0 << std::string("0.6 V*,0.7 V,0.8 V,0.9 V") << std::string("0.8 V");
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
