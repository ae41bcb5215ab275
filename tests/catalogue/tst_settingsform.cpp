#include "entrycodes.h"
#include "escprotocol.h"
#include "modeltable.h"
#include "settingsapply.h"
#include "settingsbench.h"
#include "settingsdocument.h"

#include <QtTest>

using namespace orvesc;
using orvesc::test::joined;
using orvesc::test::SettingsBench;
using L = SettingList;

namespace {

const std::string B3 = "Ni,2S Li,3S Li*,4S Li,5S Li,6S Li,7S Li,8S Li,9S Li,10S Li,11S Li,12S Li";
const std::string B8 = "Ni,2S Li,3S Li,4S Li,5S Li,6S Li,7S Li,8S Li*,9S Li,10S Li,11S Li,12S Li";
const std::string Short = "2.7 V,2.8 V,2.9 V,3.0 V,3.1 V*";
const std::string Long = "2.0 V,2.1 V,2.2 V,2.3 V,2.4 V,2.5 V,2.6 V,2.7 V,2.8 V,2.9 V,3.0 V,3.1 V*,3.2 V";
const std::string Freq = "8 kHz*,16 kHz";
const std::string Warn = "AC +0.2*,AC +0.3";
const std::string RpmS = "OFF*,ON RANGE 1,ON RANGE 2,ON RANGE 3";
const std::string RpmL = RpmS + ",GASMODE";
const std::string T3 = "SOFT,HARD,AUTO*";
const std::string T6 = T3 + ",8 deg,15 deg,22 deg";
const std::string Levels = "LEVEL1,LEVEL2,LEVEL3,LEVEL4*,LEVEL5,LEVEL6,LEVEL7,LEVEL8,LEVEL9,LEVEL10";
const std::string Off = "Disabled";
const std::string None = "(none)";
const std::string CannotShow = "The ESC reported settings that this tool cannot show (their lists are left empty):";
const std::string NoBackup = "\rNo backup can keep these codes: note them before PROGRAM or DEFAULT overwrites them.";
constexpr std::int16_t Untouched = -7; // NewConfig elements get_Config must leave alone

// The first `count` entries of a comma-separated text.
std::string leading(const std::string &text, int count)
{
    std::size_t end = 0;
    for (int i = 0; i < count && end != std::string::npos; ++i)
        end = text.find(',', i == 0 ? 0 : end + 1);
    return text.substr(0, end);
}

std::string entriesOf(SettingsBench &bench, SettingList which)
{
    return joined(bench.list(which).entries());
}

// The list that shows an EscConfig element; both cutoff elements go to the one cutoff list.
SettingList listOf(int element)
{
    return SettingList(element <= 2 ? element : element - 1);
}

// A reply whose every setting the lists of model `code` can show.
std::array<std::int16_t, 12> showable(int code, std::int16_t battery)
{
    const EscModel *model = findEscModel(code);
    const bool warn = model && std::string(model->name).find('W') != std::string::npos;
    return { 160, battery, 48, 56, 65, 81, 98, std::int16_t(warn ? 116 : 112), 128, 144, 192, 1 };
}

// A bench connected to `code` and showing its factory settings, which trigger no rule.
void showFactory(SettingsBench &bench, int code)
{
    bench.connect(code);
    bench.form.show_Type();
    bench.form.show_Config();
    bench.records.NewConfig.fill(Untouched);
}

// What a Connect of a model code builds, and what show_Type writes for it.
struct Fill
{
    int code;
    std::string battery, cutoff, caption, frequency, rpm, timing, accn, name;
    int batteryDefault = 39; // what an unnamed code leaves of the reply read
    int frequencyDefault = 113;
};

// A reply with one setting its list cannot show, after a Connect of `before` and then `code`.
struct Unshown
{
    int code, element, value;
    std::string line;
    int before = 0;
};

using State = QList<int>; // brake, soft start, cutoff action, cutoff voltage, RPM control
const SettingList RuleLists[] = { L::Brake, L::SoftStart, L::LVCAction, L::LVC, L::RPM };

State stateOf(SettingsBench &bench)
{
    State state;
    for (SettingList which : RuleLists)
        state << bench.index(which);
    return state;
}

} // namespace

Q_DECLARE_METATYPE(Fill)
Q_DECLARE_METATYPE(Unshown)

// The lists per model, showing reported codes, collecting command codes and the RPM control rules.
class TestSettingsForm : public QObject
{
    Q_OBJECT

private slots:
    void startUpOffersGeneralChoicesWithFactorySelections()
    {
        SettingsBench bench;
        std::vector<std::string> lists;
        for (int i = 0; i < SettingListCount; ++i)
            lists.push_back(entriesOf(bench, SettingList(i)));
        QCOMPARE(lists, (std::vector<std::string>{ "OFF*,ON,SOFT", B3, Short, "STOP MOTOR,REDUCE POWER*,NO CUT", "OFF,ON*",
                                                   T3, Freq, "OFF*,ON", RpmS, Off }));
        QVERIFY(bench.messages().empty());
    }

    void connectBuildsListsAndShowTypeWritesDefaults_data()
    {
        QTest::addColumn<Fill>("fill");
        // A named model's lists follow its name "QUORL R<family>[W] <cells>S": the battery list ends at its cells,
        // starred at 3S up to six cells and at 8S above; W: warn voltage for frequency; R5 and R6: the short cutoff
        // list; R9: gas mode, and from ten cells the acceleration delay; from ten cells all six timings.
        for (const EscModel &model : escModels()) {
            const std::string name = model.name;
            const int cells = std::stoi(name.substr(name.rfind(' ', name.size() - 2) + 1));
            const char family = name[7];
            const bool warn = name.find('W') != std::string::npos;
            QTest::addRow("%d", model.code)
                    << Fill{ model.code, leading(cells <= 6 ? B3 : B8, cells), family <= '6' ? Short : Long,
                             warn ? "WARN VOLTAGE" : "FREQUENCY", warn ? Warn : Freq, family == '9' ? RpmL : RpmS,
                             cells >= 10 ? T6 : T3, family == '9' && cells >= 10 ? Levels : Off, name, cells <= 6 ? 38 : 43,
                             warn ? 116 : 112 };
        }
        // Unnamed codes; every row follows a Connect of 182, so lists that a code leaves alone show 182's.
        for (const Fill &fill : { Fill{ 39, leading(B3, 4), Short, "FREQUENCY", Freq, RpmS, T3, Off, "" },
                                  Fill{ 42, leading(B8, 7), Short, "FREQUENCY", Freq, RpmS, T6, Off, "" },
                                  Fill{ 185, "", Long, "WARN VOLTAGE", None, RpmL, None, Levels, "" },
                                  Fill{ 191, "", Long, "WARN VOLTAGE", None, RpmL, T3, Levels, "" },
                                  Fill{ 224, "", Long, "WARN VOLTAGE", None, RpmL, T3, Levels, "" } })
            QTest::addRow("%d", fill.code) << fill;
    }

    void connectBuildsListsAndShowTypeWritesDefaults()
    {
        QFETCH(Fill, fill);
        SettingsBench bench;
        bench.connect(182);
        bench.connect(fill.code);
        QCOMPARE((std::vector<std::string>{ entriesOf(bench, L::Batt), entriesOf(bench, L::LVC), bench.view.frequencyCaption(),
                                            entriesOf(bench, L::Frequency), entriesOf(bench, L::RPM),
                                            entriesOf(bench, L::Timing), entriesOf(bench, L::ACCN) }),
                 (std::vector<std::string>{ fill.battery, fill.cutoff, fill.caption, fill.frequency, fill.rpm, fill.timing,
                                            fill.accn }));
        QCOMPARE((std::vector<std::string>{ bench.selectedText(L::Batt), bench.selectedText(L::LVC),
                                            bench.selectedText(L::Frequency), bench.selectedText(L::RPM),
                                            bench.selectedText(L::Timing), bench.selectedText(L::ACCN) }),
                 (std::vector<std::string>{ "", "3.1 V*", fill.frequency == None ? "" : leading(fill.frequency, 1), "OFF*",
                                            fill.timing == None ? "" : "AUTO*", fill.accn == Levels ? "LEVEL5" : Off }));
        QCOMPARE(bench.index(L::Batt), -1);
        QVERIFY(bench.messages().empty());

        bench.records.EscConfig = { 1, 39, 3, 4, 5, 6, 7, 113, 9, 10, 11, 12 };
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
        QCOMPARE((std::pair<int, int>(codes[1], codes[7])), (std::pair<int, int>(named ? battery : 0, named ? frequency : 0)));
    }

    void batteryChangeRebuildsCutoffList_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("battery");
        QTest::addColumn<std::string>("cutoff");
        QTest::addColumn<std::string>("selected");
        // The cutoff list starts at its second entry; a rebuild must put it back to the preselection.
        QTest::newRow("nickel") << 177 << 0 << std::string("0.6 V*,0.7 V,0.8 V,0.9 V") << std::string("0.8 V");
        QTest::newRow("long lithium") << 177 << 1 << Long << std::string("3.1 V*");
        QTest::newRow("short lithium") << 40 << 1 << Short << std::string("3.1 V*");
        QTest::newRow("no model, lithium") << 0 << 3 << Short << std::string("2.8 V");
    }

    void batteryChangeRebuildsCutoffList()
    {
        QFETCH(int, code);
        QFETCH(int, battery);
        SettingsBench bench;
        if (code > 0)
            bench.connect(code);
        bench.list(L::Batt).select(2);
        bench.list(L::LVC).select(1);
        bench.list(L::Batt).select(battery);
        QTEST(entriesOf(bench, L::LVC), "cutoff");
        QTEST(bench.selectedText(L::LVC), "selected");
        QVERIFY(bench.messages().empty());
    }

    void everyEntryIsShownAndCollectedAsItsCode_data()
    {
        QTest::addColumn<int>("code");
        for (const EscModel &model : escModels())
            QTest::addRow("%d", model.code) << model.code;
    }

    void everyEntryIsShownAndCollectedAsItsCode()
    {
        QFETCH(int, code);
        const bool hasDelay = code >= 182 && code <= 184;
        SettingsBench bench;

        // Factory settings show starred (the delay's is LEVEL1); DEFAULT sends them with the lithium cutoff.
        showFactory(bench, code);
        for (int i = 0; i < SettingListCount - 1; ++i)
            QVERIFY2(bench.selectedText(SettingList(i)).back() == '*', bench.selectedText(SettingList(i)).c_str());
        QCOMPARE(bench.selectedText(L::ACCN), std::string(hasDelay ? "LEVEL1" : "Disabled"));
        QVERIFY(bench.form.get_Config().complete());
        const auto &f = bench.records.EscConfig;
        QCOMPARE(bench.records.NewConfig, (std::array<std::int16_t, 10>{ f[0], f[1], f[3], f[4], f[5], f[6], f[7], f[8],
                                                                         f[9], hasDelay ? f[10] : Untouched }));

        // Every entry, reported as its code in the ESC's table, shows and goes out as that code (nickel after "Ni").
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

        // The last entries now shown survive a settings file: saved, read back and applied to the factory lists.
        const DocumentResult saved = documentFromView(bench.view, code);
        QVERIFY2(saved.document, saved.error.c_str());
        const DocumentResult read = readSettingsDocument(writeSettingsDocument(*saved.document));
        QVERIFY2(read.document, read.error.c_str());
        SettingsBench loaded;
        showFactory(loaded, code);
        applyRequests(loaded.view, code, requestsOf(*read.document));
        QVERIFY(loaded.form.get_Config().complete());
        QCOMPARE(loaded.records.NewConfig, bench.records.NewConfig);
    }

    void reportedRpmControlOverridesReportedBrake()
    {
        SettingsBench bench;
        bench.connect(183);
        bench.records.EscConfig = { 161, 43, 48, 56, 64, 80, 98, 112, 128, 145, 195, 1 };
        const auto reported = bench.records.EscConfig;
        bench.form.show_Config();
        QCOMPARE(bench.messages(), std::vector<std::string>{ "Brake Disabled  / Softstart enabled with RPM Control" });
        QCOMPARE((std::vector<std::string>{ bench.selectedText(L::Brake), bench.selectedText(L::SoftStart),
                                            bench.selectedText(L::LVCAction), bench.selectedText(L::RPM) }),
                 (std::vector<std::string>{ "OFF*", "ON*", "REDUCE POWER*", "ON RANGE 1" }));
        QCOMPARE(bench.records.EscConfig, reported);
        bench.form.get_Config();
        QCOMPARE(bench.records.NewConfig, (std::array<std::int16_t, 10>{ 160, 43, 56, 65, 81, 98, 112, 128, 145, 195 }));
    }

    void codeOutsideListLeavesItEmptyAndIsReported_data()
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
        // A code without a list of its own keeps the caption of the model before it, as the user reads it.
        row("frequency, label left by a warn-voltage model", { 200, 7, 112, "WARN VOLTAGE: code 112", 179 });
        row("gas mode on a short RPM list", { 45, 9, 148, "RPM CONTROL: code 148" });
        row("acceleration delay below LEVEL1", { 183, 10, 191, "ACCELERATION DELAY: code 191" });
        row("lowest 16-bit brake", { 45, 0, -32768, "BRAKE: code -32768" });
        row("highest 16-bit reverse", { 45, 8, 32767, "MOTOR REVERSE: code 32767" });
    }

    void codeOutsideListLeavesItEmptyAndIsReported()
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
        QCOMPARE(bench.messages(), std::vector<std::string>{ CannotShow + "\r" + row.line + NoBackup });
        QCOMPARE(bench.index(list), -1);
        QCOMPARE(bench.form.get_Config().unselected, std::vector<SettingList>{ list });
        QCOMPARE(bench.records.NewConfig[std::size_t(list)], Untouched);

        // Several unshowable codes make one message; with the battery unknown the cutoff follows the lithium code.
        if (row.code == 183 && row.element == 3) {
            bench.view.recorder().clear();
            bench.records.EscConfig = { 170, 50, 48, 56, 65, 81, 98, 112, 128, 150, 195, 1 };
            bench.form.show_Config();
            QCOMPARE(bench.messages(), std::vector<std::string>{ CannotShow
                                                                 + "\rBRAKE: code 170\rBATTERY: code 50\rRPM CONTROL: code 150" + NoBackup });
            QCOMPARE(bench.selectedText(L::LVC), std::string("3.1 V*"));
        }
    }

    // The model ranges of the wire, on both sides of each edge: the reply length and the tenth
    // command, and which identify replies are model codes.
    void protocolRangesEndWhereTheEscFamilyDoes()
    {
        const int edges[][4] = { { 181, 11, 9, 1 }, { 182, 12, 10, 1 }, { 223, 12, 10, 1 }, { 224, 12, 9, 1 },
                                 { 225, 11, 9, 1 }, { 36, 11, 9, 0 }, { 37, 11, 9, 1 }, { 47, 11, 9, 1 },
                                 { 48, 11, 9, 0 }, { 176, 11, 9, 0 }, { 177, 11, 9, 1 }, { 227, 11, 9, 1 },
                                 { 228, 11, 9, 0 } };
        for (const auto &[code, length, commands, accepted] : edges) {
            QCOMPARE(settingsReplyLength(code), length);
            QCOMPARE(programmedCommandCount(code), commands);
            QCOMPARE(int(isAcceptedModelCode(code)), accepted);
        }
    }

    void cutoffAndDelayAreCollectedOnlyWhereTheModelHasCodes()
    {
        // Codes just outside the ranges with a lithium cutoff (48, 176) or an acceleration delay.
        for (int code : { 48, 176, 181, 185 }) {
            SettingsBench bench;
            bench.records.EscType = std::int16_t(code);
            bench.records.NewConfig.fill(Untouched);
            QVERIFY(bench.form.get_Config().complete());
            QCOMPARE(bench.records.NewConfig[code < 177 ? 2 : 9], Untouched);
            // The nickel cutoff has codes on every model.
            bench.list(L::Batt).select(0);
            QVERIFY(bench.form.get_Config().complete());
            QCOMPARE(int(bench.records.NewConfig[2]), 50);
        }
    }

    void choiceIsCorrectedAfterTheMessage_data()
    {
        QTest::addColumn<State>("before");
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("choice");
        QTest::addColumn<std::vector<std::string>>("messages");
        QTest::addColumn<State>("after");
        const std::string brakeOff = "Brake Disabled  / Softstart enabled with RPM Control";
        const auto row = [](const char *name, State before, L list, int choice, std::vector<std::string> messages,
                            State after) { QTest::newRow(name) << before << int(list) << choice << messages << after; };
        row("brake ON stops RPM range 2", { 0, 1, 1, 11, 2 }, L::Brake, 1, { "RPM Control Disabled with Brake" },
            { 1, 1, 1, 11, 0 });
        row("brake SOFT with RPM off", { 0, 1, 1, 11, 0 }, L::Brake, 2, {}, { 2, 1, 1, 11, 0 });
        row("RPM on raises soft start and STOP MOTOR quietly", { 0, 0, 0, 11, 0 }, L::RPM, 1, {}, { 0, 1, 1, 11, 1 });
        row("gas mode switches brake SOFT off", { 2, 1, 1, 11, 0 }, L::RPM, 4, { brakeOff }, { 0, 1, 1, 11, 4 });
        row("RPM on keeps NO CUT", { 0, 1, 2, 11, 0 }, L::RPM, 1, {}, { 0, 1, 2, 11, 1 });
        row("RPM OFF changes nothing", { 1, 0, 0, 0, 0 }, L::RPM, 0, {}, { 1, 0, 0, 0, 0 });
        row("NO CUT stops RPM", { 0, 1, 1, 11, 1 }, L::LVCAction, 2, { "RPM Control Disabled without LVC" },
            { 0, 1, 2, 11, 0 });
        row("STOP MOTOR leaves RPM on", { 0, 1, 1, 11, 1 }, L::LVCAction, 0, {}, { 0, 1, 0, 11, 1 });
        row("first cutoff voltage stops RPM", { 0, 1, 1, 11, 3 }, L::LVC, 0, { "RPM Control Disabled with Hard Cut LVC" },
            { 0, 1, 1, 0, 0 });
        row("other cutoff voltage leaves RPM on", { 0, 1, 1, 11, 3 }, L::LVC, 5, {}, { 0, 1, 1, 5, 3 });
        row("soft start OFF stops RPM", { 0, 1, 1, 11, 2 }, L::SoftStart, 0, { "RPM Control Disabled without SoftStart" },
            { 0, 0, 1, 11, 0 });
    }

    void choiceIsCorrectedAfterTheMessage()
    {
        QFETCH(State, before);
        QFETCH(int, list);
        QFETCH(int, choice);
        SettingsBench bench;
        bench.connect(183);
        for (int i = 0; i < before.size(); ++i)
            bench.preset(RuleLists[i], before[i]);
        QCOMPARE(stateOf(bench), before);

        // While the box is open nothing is corrected yet, and the ticks are already cleared.
        State whileShown = before;
        whileShown[int(std::find(std::begin(RuleLists), std::end(RuleLists), SettingList(list)) - RuleLists)] = choice;
        const int clearsBefore = bench.view.clearChecksCount();
        bench.view.recorder().setOnShow([&](const std::string &) {
            QCOMPARE(stateOf(bench), whileShown);
            QVERIFY(bench.view.clearChecksCount() > clearsBefore);
        });
        bench.list(SettingList(list)).select(choice);
        QTEST(bench.messages(), "messages");
        QTEST(stateOf(bench), "after");
        QVERIFY(bench.view.clearChecksCount() > clearsBefore);
    }

    void typingClearsChecksOfTextLists()
    {
        SettingsBench bench;
        bench.connect(183);
        for (SettingList which : { L::Frequency, L::Reverse, L::Timing }) {
            const int clears = bench.view.clearChecksCount();
            bench.list(which).select(1);
            QCOMPARE(bench.view.clearChecksCount(), clears);
            bench.list(which).typeText("1");
            QCOMPARE(bench.view.clearChecksCount(), clears + 1);
        }
        QVERIFY(bench.messages().empty());
    }
};

QTEST_APPLESS_MAIN(TestSettingsForm)
#include "tst_settingsform.moc"
