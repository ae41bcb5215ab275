#pragma once

#include "choicelist.h"

#include <string>
#include <vector>

namespace orvesc {

// A setting list held in memory, for tests and fuzzers: behaves like the window's lists,
// including the user typing into the list's text field.
class MemoryChoiceList : public ChoiceList
{
public:
    void clear() override;
    void append(const std::string &entry) override;
    int count() const override;
    std::string entry(int index) const override;
    int selectedIndex() const override;
    bool select(int index) override;

    const std::vector<std::string> &entries() const { return m_entries; }
    // What the text field shows: the selected entry or the text typed last.
    std::string text() const;
    // The user types `text` into the field: it selects the entry with exactly that text, or none.
    // Raises the change notification, then the click notification if the selected index changed
    // (a selection change by the user, as the lists' contract says).
    void typeText(const std::string &text);

private:
    std::vector<std::string> m_entries;
    int m_selected = -1;
    std::string m_typed;
};

} // namespace orvesc
