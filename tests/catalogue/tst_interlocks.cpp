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
    void typingClearsChecksOfTextLists_data();
    void typingClearsChecksOfTextLists();
};

void TestInterlocks::choiceIsCorrectedAfterTheMessage_data()
{
    QTest::addColumn<State>("before");
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<State>("after");

    using L = SettingList;
    const QString noBrake = "RPM Control Disabled with Brake";
    const QString noHardCut = "RPM Control Disabled with Hard Cut LVC";
    const QString noSoftStart = "RPM Control Disabled without SoftStart";
    const QString noCutoff = "RPM Control Disabled without LVC";
    const QString brakeOff = "Brake Disabled  / Softstart enabled with RPM Control";

    // States: brake, soft start, cutoff action, cutoff voltage, RPM control (list indices).
    QTest::newRow("brake ON stops RPM range 2")
        << State{ 0, 1, 1, 11, 2 } << int(L::Brake) << 1 << QStringList{ noBrake } << State{ 1, 1, 1, 11, 0 };
    QTest::newRow("brake SOFT with RPM off")
        << State{ 0, 1, 1, 11, 0 } << int(L::Brake) << 2 << QStringList{} << State{ 2, 1, 1, 11, 0 };
    QTest::newRow("RPM on raises soft start and STOP MOTOR quietly")
        << State{ 0, 0, 0, 11, 0 } << int(L::RPM) << 1 << QStringList{} << State{ 0, 1, 1, 11, 1 };
    QTest::newRow("gas mode switches brake SOFT off")
        << State{ 2, 1, 1, 11, 0 } << int(L::RPM) << 4 << QStringList{ brakeOff } << State{ 0, 1, 1, 11, 4 };
    QTest::newRow("RPM on keeps NO CUT")
        << State{ 0, 1, 2, 11, 0 } << int(L::RPM) << 1 << QStringList{} << State{ 0, 1, 2, 11, 1 };
    QTest::newRow("RPM OFF changes nothing")
        << State{ 1, 0, 0, 0, 0 } << int(L::RPM) << 0 << QStringList{} << State{ 1, 0, 0, 0, 0 };
    QTest::newRow("NO CUT stops RPM")
        << State{ 0, 1, 1, 11, 1 } << int(L::LVCAction) << 2 << QStringList{ noCutoff } << State{ 0, 1, 2, 11, 0 };
    QTest::newRow("STOP MOTOR leaves RPM on")
        << State{ 0, 1, 1, 11, 1 } << int(L::LVCAction) << 0 << QStringList{} << State{ 0, 1, 0, 11, 1 };
    QTest::newRow("first cutoff voltage stops RPM")
        << State{ 0, 1, 1, 11, 3 } << int(L::LVC) << 0 << QStringList{ noHardCut } << State{ 0, 1, 1, 0, 0 };
    QTest::newRow("other cutoff voltage leaves RPM on")
        << State{ 0, 1, 1, 11, 3 } << int(L::LVC) << 5 << QStringList{} << State{ 0, 1, 1, 5, 3 };
    QTest::newRow("first cutoff voltage with RPM off")
        << State{ 0, 1, 1, 11, 0 } << int(L::LVC) << 0 << QStringList{} << State{ 0, 1, 1, 0, 0 };
    QTest::newRow("soft start OFF stops RPM")
        << State{ 0, 1, 1, 11, 2 } << int(L::SoftStart) << 0 << QStringList{ noSoftStart } << State{ 0, 0, 1, 11, 0 };
}

void TestInterlocks::choiceIsCorrectedAfterTheMessage()
{
    QFETCH(State, before);
    QFETCH(int, list);
    QFETCH(int, choice);
    QFETCH(QStringList, messages);
    QFETCH(State, after);

    SettingsBench bench;
    bench.connect(183);
    for (int i = 0; i < before.size(); ++i)
        bench.preset(RuleLists[i], before[i]);
    QCOMPARE(stateOf(bench), before);

    // While the box is open nothing is corrected yet, and the ticks are already cleared.
    State whileShown = before;
    whileShown[int(std::find(std::begin(RuleLists), std::end(RuleLists), SettingList(list)) - std::begin(RuleLists))] = choice;
    const int clearsBefore = bench.view.clearChecksCount();
    bench.view.recorder().setOnShow([&](const std::string &) {
        QCOMPARE(stateOf(bench), whileShown);
        QVERIFY(bench.view.clearChecksCount() > clearsBefore);
    });

    bench.list(SettingList(list)).select(choice);

    QStringList shown;
    for (const std::string &text : bench.messages())
        shown << QString::fromStdString(text);
    QCOMPARE(shown, messages);
    QCOMPARE(stateOf(bench), after);
    QVERIFY(bench.view.clearChecksCount() > clearsBefore);
}

void TestInterlocks::typingClearsChecksOfTextLists_data()
{
    QTest::addColumn<int>("list");
    QTest::newRow("frequency") << int(SettingList::Frequency);
    QTest::newRow("reverse") << int(SettingList::Reverse);
    QTest::newRow("timing") << int(SettingList::Timing);
}

void TestInterlocks::typingClearsChecksOfTextLists()
{
    QFETCH(int, list);
    SettingsBench bench;
    bench.connect(183);
    MemoryChoiceList &target = bench.list(SettingList(list));

    const int clears = bench.view.clearChecksCount();
    target.select(1);
    QCOMPARE(bench.view.clearChecksCount(), clears);
    target.typeText("1");
    QCOMPARE(bench.view.clearChecksCount(), clears + 1);
    QVERIFY(bench.messages().empty());
}

QTEST_APPLESS_MAIN(TestInterlocks)
#include "tst_interlocks.moc"
