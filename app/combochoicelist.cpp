#include "combochoicelist.h"

#include "windowtexts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace orvesc {

ComboChoiceList::ComboChoiceList(QComboBox *combo)
    : m_combo(combo)
{
    Q_ASSERT(combo->isEditable());
    // Program changes run with the combo's signals blocked, so whatever arrives here is the user's.
    m_indexChanged = QObject::connect(combo, &QComboBox::currentIndexChanged, combo,
                                      [this](int index) { userSelected(index); });
    // Picking the entry that is still current after typing over it moves no index, but it is a
    // change of what the list names.
    m_activated = QObject::connect(combo, &QComboBox::activated, combo,
                                   [this](int index) { userSelected(index); });
    m_textEdited = QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo, [this](const QString &text) {
        raiseChange();
        // Typed text names an entry only when it matches it exactly.
        userSelected(m_combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    });
}

void ComboChoiceList::userSelected(int index)
{
    if (index == m_selected)
        return;
    m_selected = index;
    raiseClick();
}

ComboChoiceList::~ComboChoiceList()
{
    // The combo may outlive this adapter by a moment while the window tears its children down.
    QObject::disconnect(m_indexChanged);
    QObject::disconnect(m_activated);
    QObject::disconnect(m_textEdited);
}

void ComboChoiceList::clear()
{
    const QSignalBlocker blocker(m_combo);
    m_combo->clear();
    m_combo->setEditText(QString());
    m_selected = -1;
}

void ComboChoiceList::append(const std::string &entry)
{
    const QSignalBlocker blocker(m_combo);
    const bool wasEmpty = m_combo->count() == 0;
    const QString text = m_combo->currentText();
    m_combo->addItem(displayEntry(entry), QString::fromStdString(entry));
    if (m_explainer)
        m_combo->setItemData(m_combo->count() - 1, m_explainer(entry), Qt::ToolTipRole);
    if (wasEmpty) {
        // QComboBox makes the first item of an empty box current; a fill must not select anything.
        m_combo->setCurrentIndex(-1);
        m_combo->setEditText(text);
    }
}

int ComboChoiceList::count() const
{
    return m_combo->count();
}

std::string ComboChoiceList::entry(int index) const
{
    if (index < 0 || index >= m_combo->count())
        return {};
    return m_combo->itemData(index).toString().toStdString();
}

void ComboChoiceList::retranslate()
{
    const QSignalBlocker blocker(m_combo);
    for (int i = 0; i < m_combo->count(); ++i)
        m_combo->setItemText(i, displayEntry(entry(i)));
    // Text typed over the field stays; a selection shows in the new language.
    if (m_selected >= 0)
        m_combo->setEditText(m_combo->itemText(m_selected));
}

void ComboChoiceList::explainEntries()
{
    for (int i = 0; i < m_combo->count(); ++i)
        m_combo->setItemData(i, m_explainer ? m_explainer(entry(i)) : QString(), Qt::ToolTipRole);
}

int ComboChoiceList::selectedIndex() const
{
    // Kept by hand rather than read from the combo: an empty field would otherwise name an empty
    // entry, and typed text does not move the combo's current index.
    return m_selected;
}

bool ComboChoiceList::select(int index)
{
    if (index < -1 || index >= m_combo->count())
        return false;
    {
        const QSignalBlocker blocker(m_combo);
        m_combo->setCurrentIndex(index);
        // Also replaces text the user typed over an unchanged selection.
        m_combo->setEditText(index >= 0 ? m_combo->itemText(index) : QString());
    }
    m_selected = index;
    raiseClick();
    return true;
}

} // namespace orvesc
