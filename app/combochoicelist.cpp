#include "combochoicelist.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace orvesc {

ComboChoiceList::ComboChoiceList(QComboBox *combo)
    : m_combo(combo)
{
    Q_ASSERT(combo->isEditable());
    // Program changes run with the combo's signals blocked, so whatever arrives here is the user's.
    m_indexChanged = QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [this] {
        m_reported = selectedIndex();
        raiseClick();
    });
    m_textEdited = QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo, [this] {
        raiseChange();
        const int named = selectedIndex();
        if (named != m_reported) {
            m_reported = named;
            raiseClick();
        }
    });
}

ComboChoiceList::~ComboChoiceList()
{
    // The combo may outlive this adapter by a moment while the window tears its children down.
    QObject::disconnect(m_indexChanged);
    QObject::disconnect(m_textEdited);
}

void ComboChoiceList::clear()
{
    const QSignalBlocker blocker(m_combo);
    m_combo->clear();
    m_combo->setEditText(QString());
    m_reported = -1;
}

void ComboChoiceList::append(const std::string &entry)
{
    const QSignalBlocker blocker(m_combo);
    const bool wasEmpty = m_combo->count() == 0;
    const QString text = m_combo->currentText();
    m_combo->addItem(QString::fromStdString(entry));
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
    return m_combo->itemText(index).toStdString();
}

int ComboChoiceList::selectedIndex() const
{
    const QString text = m_combo->currentText();
    const int current = m_combo->currentIndex();
    if (current >= 0 && m_combo->itemText(current) == text)
        return current;
    // Typed text names an entry only when it matches it exactly.
    return m_combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
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
    m_reported = index;
    raiseClick();
    return true;
}

} // namespace orvesc
