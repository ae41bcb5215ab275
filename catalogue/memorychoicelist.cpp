#include "memorychoicelist.h"

#include <algorithm>

namespace orvesc {

void MemoryChoiceList::clear()
{
    m_entries.clear();
    m_selected = -1;
    m_typed.clear();
}

void MemoryChoiceList::append(const std::string &entry)
{
    m_entries.push_back(entry);
}

int MemoryChoiceList::count() const
{
    return static_cast<int>(m_entries.size());
}

std::string MemoryChoiceList::entry(int index) const
{
    if (index < 0 || index >= count())
        return {};
    return m_entries[static_cast<std::size_t>(index)];
}

int MemoryChoiceList::selectedIndex() const
{
    return m_selected;
}

bool MemoryChoiceList::select(int index)
{
    if (index < -1 || index >= count())
        return false;
    m_selected = index;
    m_typed.clear();
    raiseClick();
    return true;
}

std::string MemoryChoiceList::text() const
{
    return m_selected >= 0 ? entry(m_selected) : m_typed;
}

void MemoryChoiceList::typeText(const std::string &text)
{
    const int before = m_selected;
    const auto it = std::find(m_entries.begin(), m_entries.end(), text);
    m_selected = it == m_entries.end() ? -1 : static_cast<int>(it - m_entries.begin());
    m_typed = text;
    raiseChange();
    if (m_selected != before)
        raiseClick();
}

} // namespace orvesc
