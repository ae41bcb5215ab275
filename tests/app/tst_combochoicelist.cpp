#include "combochoicelist.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace orvesc;

// The window's setting lists as the catalogue's rules rely on them.
class TestComboChoiceList : public QObject
{
    Q_OBJECT

private:
    struct Probe
    {
        QComboBox combo;
        std::unique_ptr<ComboChoiceList> list;
        int clicks = 0;
        int changes = 0;

        explicit Probe(const QStringList &entries = {})
        {
            combo.setEditable(true);
            combo.setInsertPolicy(QComboBox::NoInsert);
            combo.setCompleter(nullptr);
            list = std::make_unique<ComboChoiceList>(&combo);
            list->setClickHandler([this] { ++clicks; });
            list->setChangeHandler([this] { ++changes; });
            for (const QString &entry : entries)
                list->append(entry.toStdString());
        }
    };

private slots:
    void fillingSelectsNothingAndRaisesNothing()
    {
        Probe probe;
        probe.combo.setEditText(QStringLiteral("Brake"));
        probe.list->append("OFF*");
        probe.list->append("ON");
        QCOMPARE(probe.list->count(), 2);
        QCOMPARE(probe.list->selectedIndex(), -1);
        QCOMPARE(probe.combo.currentIndex(), -1);
        // The caption typed in before the fill stays until a choice is made.
        QCOMPARE(probe.combo.currentText(), QStringLiteral("Brake"));
        QCOMPARE(probe.clicks, 0);

        QVERIFY(probe.list->select(1));
        probe.list->clear();
        QCOMPARE(probe.list->count(), 0);
        QCOMPARE(probe.list->selectedIndex(), -1);
        QCOMPARE(probe.combo.currentText(), QString());
        QCOMPARE(probe.clicks, 1);
    }

    void programSelectionRaisesClickEveryTime_data()
    {
        QTest::addColumn<QList<int>>("selections");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("text");
        QTest::newRow("new index") << QList<int>{2} << 1 << 2 << QStringLiteral("SOFT");
        QTest::newRow("same index again") << QList<int>{1, 1} << 2 << 1 << QStringLiteral("ON");
        QTest::newRow("none") << QList<int>{0, -1} << 2 << -1 << QString();
        QTest::newRow("beyond the entries") << QList<int>{0, 3} << 1 << 0 << QStringLiteral("OFF*");
        QTest::newRow("below none") << QList<int>{-2} << 0 << -1 << QString();
    }
    void programSelectionRaisesClickEveryTime()
    {
        QFETCH(QList<int>, selections);
        QFETCH(int, clicks);
        QFETCH(int, selected);
        QFETCH(QString, text);
        Probe probe({QStringLiteral("OFF*"), QStringLiteral("ON"), QStringLiteral("SOFT")});
        for (int index : selections)
            probe.list->select(index);
        QCOMPARE(probe.clicks, clicks);
        QCOMPARE(probe.list->selectedIndex(), selected);
        QCOMPARE(probe.combo.currentText(), text);
        QCOMPARE(probe.changes, 0);
    }

    void userChoiceRaisesClick()
    {
        Probe probe({QStringLiteral("OFF*"), QStringLiteral("ON"), QStringLiteral("SOFT")});
        probe.list->select(0);
        probe.clicks = 0;
        QTest::keyClick(&probe.combo, Qt::Key_Down);
        QCOMPARE(probe.list->selectedIndex(), 1);
        QCOMPARE(probe.clicks, 1);
        QCOMPARE(probe.changes, 0);
    }

    void typingRaisesChangeAndNamesOnlyExactEntries_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("selected");
        QTest::newRow("no entry") << QStringLiteral("ONN") << -1;
        QTest::newRow("another entry exactly") << QStringLiteral("SOFT") << 2;
        QTest::newRow("an entry without its star") << QStringLiteral("OFF") << -1;
        QTest::newRow("other case") << QStringLiteral("soft") << -1;
    }
    void typingRaisesChangeAndNamesOnlyExactEntries()
    {
        QFETCH(QString, typed);
        QFETCH(int, selected);
        Probe probe({QStringLiteral("OFF*"), QStringLiteral("ON"), QStringLiteral("SOFT")});
        probe.list->select(1);
        probe.clicks = 0;
        QLineEdit *field = probe.combo.lineEdit();
        field->selectAll();
        QTest::keyClicks(field, typed);
        QCOMPARE(probe.combo.currentText(), typed);
        QCOMPARE(probe.changes, typed.size());
        QCOMPARE(probe.clicks, 0);
        QCOMPARE(probe.list->selectedIndex(), selected);

        // A program selection puts the entry's text back over what was typed.
        probe.list->select(1);
        QCOMPARE(probe.combo.currentText(), QStringLiteral("ON"));
        QCOMPARE(probe.list->selectedIndex(), 1);
    }
};

QTEST_MAIN(TestComboChoiceList)
#include "tst_combochoicelist.moc"
