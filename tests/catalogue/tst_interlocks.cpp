#include "settingsbench.h"

#include <QtTest>

using namespace orvesc;
using orvesc::test::SettingsBench;

namespace {

// The lists the rules read and set, in the order of a state below.
const SettingList RuleLists[] = { SettingList::Brake, SettingList::SoftStart, SettingList::LVCAction,
                                  SettingList::LVC, SettingList::RPM };
using State = QList<int>;

State stateOf(SettingsBench &bench)
{
    State state;
    for (SettingList which : RuleLists)
        state << bench.index(which);
    return state;
}

} // namespace

// The rules that keep RPM control apart from brake, soft start off and hard cutoffs.
class TestInterlocks : public QObject
{
    Q_OBJECT

private slots:
    void choiceIsCorrectedAfterTheMessage_data();
    void choiceIsCorrectedAfterTheMessage();
    void typingClearsChecksOfTextLists();
};

void TestInterlocks::choiceIsCorrectedAfterTheMessage_data()
{
    QTest::addColumn<State>("before");
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("choice");
    QTest::addColumn<std::vector<std::string>>("messages");
    QTest::addColumn<State>("after");

    using L = SettingList;
    const char *const noBrake = "RPM Control Disabled with Brake";
    const char *const noHardCut = "RPM Control Disabled with Hard Cut LVC";
    const char *const noSoftStart = "RPM Control Disabled without SoftStart";
    const char *const noCutoff = "RPM Control Disabled without LVC";
    const char *const brakeOff = "Brake Disabled  / Softstart enabled with RPM Control";

    const auto row = [](const char *name, State before, L list, int choice, std::vector<std::string> messages, State after) {
        QTest::newRow(name) << before << int(list) << choice << messages << after;
    };
    // States: brake, soft start, cutoff action, cutoff voltage, RPM control (list indices).
    row("brake ON stops RPM range 2", { 0, 1, 1, 11, 2 }, L::Brake, 1, { noBrake }, { 1, 1, 1, 11, 0 });
    row("brake SOFT with RPM off", { 0, 1, 1, 11, 0 }, L::Brake, 2, {}, { 2, 1, 1, 11, 0 });
    row("RPM on raises soft start and STOP MOTOR quietly", { 0, 0, 0, 11, 0 }, L::RPM, 1, {}, { 0, 1, 1, 11, 1 });
    row("gas mode switches brake SOFT off", { 2, 1, 1, 11, 0 }, L::RPM, 4, { brakeOff }, { 0, 1, 1, 11, 4 });
    row("RPM on keeps NO CUT", { 0, 1, 2, 11, 0 }, L::RPM, 1, {}, { 0, 1, 2, 11, 1 });
    row("RPM OFF changes nothing", { 1, 0, 0, 0, 0 }, L::RPM, 0, {}, { 1, 0, 0, 0, 0 });
    row("NO CUT stops RPM", { 0, 1, 1, 11, 1 }, L::LVCAction, 2, { noCutoff }, { 0, 1, 2, 11, 0 });
    row("STOP MOTOR leaves RPM on", { 0, 1, 1, 11, 1 }, L::LVCAction, 0, {}, { 0, 1, 0, 11, 1 });
    row("first cutoff voltage stops RPM", { 0, 1, 1, 11, 3 }, L::LVC, 0, { noHardCut }, { 0, 1, 1, 0, 0 });
    row("other cutoff voltage leaves RPM on", { 0, 1, 1, 11, 3 }, L::LVC, 5, {}, { 0, 1, 1, 5, 3 });
    row("soft start OFF stops RPM", { 0, 1, 1, 11, 2 }, L::SoftStart, 0, { noSoftStart }, { 0, 0, 1, 11, 0 });
}

void TestInterlocks::choiceIsCorrectedAfterTheMessage()
{
    QFETCH(State, before);
    QFETCH(int, list);
    QFETCH(int, choice);
    QFETCH(std::vector<std::string>, messages);
    QFETCH(State, after);

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

    QCOMPARE(bench.messages(), messages);
    QCOMPARE(stateOf(bench), after);
    QVERIFY(bench.view.clearChecksCount() > clearsBefore);
}

void TestInterlocks::typingClearsChecksOfTextLists()
{
    SettingsBench bench;
    bench.connect(183);
    for (SettingList which : { SettingList::Frequency, SettingList::Reverse, SettingList::Timing }) {
        const int clears = bench.view.clearChecksCount();
        bench.list(which).select(1);
        QCOMPARE(bench.view.clearChecksCount(), clears);
        bench.list(which).typeText("1");
        QCOMPARE(bench.view.clearChecksCount(), clears + 1);
    }
    QVERIFY(bench.messages().empty());
}

QTEST_APPLESS_MAIN(TestInterlocks)
#include "tst_interlocks.moc"
