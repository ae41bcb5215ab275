#include "escbench.h"

#include <QAbstractItemView>

using namespace orvesc;

// The window's setting lists as the catalogue's rules rely on them.
class TestComboChoiceList : public QObject
{
    Q_OBJECT

    std::unique_ptr<QComboBox> m_combo;
    std::unique_ptr<ComboChoiceList> m_list;
    int m_clicks = 0;
    int m_changes = 0;

private slots:
    void init()
    {
        m_combo = std::make_unique<QComboBox>();
        m_combo->setEditable(true);
        m_combo->setCompleter(nullptr);
        m_combo->setEditText(QStringLiteral("Brake"));
        m_list = std::make_unique<ComboChoiceList>(m_combo.get());
        m_clicks = m_changes = 0;
        m_list->setClickHandler([this] { ++m_clicks; });
        m_list->setChangeHandler([this] { ++m_changes; });
        for (const char *entry : {"OFF*", "ON", "SOFT"})
            m_list->append(entry);
    }
    void cleanup() { m_list.reset(); }

    void fillingAndClearingSelectNothingAndRaiseNothing()
    {
        QCOMPARE(m_list->selectedIndex(), -1);
        QCOMPARE(m_combo->currentText(), QStringLiteral("Brake"));
        m_list->clear();
        QCOMPARE(m_combo->currentText(), QString());
        // An empty field must not name the empty battery entry of a nameless model ("Ni" would be sent).
        m_list->append("");
        QCOMPARE(m_list->selectedIndex(), -1);
        QCOMPARE(m_clicks + m_changes, 0);
    }

    void everyProgramSelectionRaisesClick_data()
    {
        QTest::addColumn<QList<int>>("selections");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("text");
        QTest::newRow("same index twice") << QList<int>{1, 1} << 2 << "ON";
        QTest::newRow("none") << QList<int>{0, -1} << 2 << "";
        QTest::newRow("outside the entries") << QList<int>{2, 3, -2} << 1 << "SOFT";
    }
    void everyProgramSelectionRaisesClick()
    {
        QFETCH(QList<int>, selections);
        QFETCH(int, clicks);
        QFETCH(QString, text);
        for (int index : selections)
            m_list->select(index);
        QCOMPARE(m_clicks, clicks);
        QCOMPARE(m_combo->currentText(), text);
        QCOMPARE(m_list->selectedIndex(), m_combo->findText(text));
    }

    // Picking the current entry again after typing over it moves no index, yet the rules must hear of it.
    void userPicksRaiseClickAlsoOfTheCurrentEntryAfterTyping()
    {
        m_list->select(0);
        QTest::keyClick(m_combo.get(), Qt::Key_Down);
        QCOMPARE(m_list->selectedIndex(), 1);
        QCOMPARE(m_clicks, 2);
        test::EscBench::typeOver(m_combo.get(), QStringLiteral("SOFT"));
        QCOMPARE(m_list->selectedIndex(), 2);
        const int clicks = m_clicks;
        m_combo->showPopup();
        QAbstractItemView *view = m_combo->view();
        view->setCurrentIndex(view->model()->index(1, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(m_combo->currentText(), QStringLiteral("ON"));
        QCOMPARE(m_list->selectedIndex(), 1);
        QCOMPARE(m_clicks, clicks + 1);
    }

    void typingRaisesChangeAndNamesOnlyExactEntries_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("selected");
        // Typing that leaves the named entry or reaches another one is a selection change.
        QTest::addColumn<int>("clicks");
        QTest::newRow("no entry") << "ONN" << -1 << 4;      // O: none, ON: entry 1, ONN: none
        QTest::newRow("another entry") << "SOFT" << 2 << 3; // S: none, SOFT: entry 2
        QTest::newRow("entry without its star") << "OFF" << -1 << 2;
        QTest::newRow("other case") << "soft" << -1 << 2;
    }
    void typingRaisesChangeAndNamesOnlyExactEntries()
    {
        QFETCH(QString, typed);
        QFETCH(int, selected);
        QFETCH(int, clicks);
        m_list->select(1);
        test::EscBench::typeOver(m_combo.get(), typed);
        QCOMPARE(m_changes, typed.size());
        QCOMPARE(m_clicks, clicks);
        QCOMPARE(m_list->selectedIndex(), selected);
        // A program selection puts the entry's text back over what was typed.
        m_list->select(1);
        QCOMPARE(m_combo->currentText(), QStringLiteral("ON"));
    }
};

QTEST_MAIN(TestComboChoiceList)
#include "tst_combochoicelist.moc"
