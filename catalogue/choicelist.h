#pragma once

#include <functional>
#include <string>

namespace orvesc {

// One setting drop-down as the catalogue's procedures see it: entries, the selected index and the
// two notifications of the window's lists. The window wraps a real combo box in it; tests and
// fuzzers use MemoryChoiceList.
class ChoiceList
{
public:
    virtual ~ChoiceList() = default;

    // Removes every entry and the selection. Raises nothing.
    virtual void clear() = 0;
    // Appends one entry at the end; the selection stays as it was. Raises nothing.
    virtual void append(const std::string &entry) = 0;
    virtual int count() const = 0;
    virtual std::string entry(int index) const = 0;
    // The selected entry, or -1 when there is none: also when the text typed into the list's
    // field matches none of its entries.
    virtual int selectedIndex() const = 0;
    // Selects an entry, or none with -1, and raises the click notification, as a program's
    // assignment of the selection does, also when the index does not change. Any other index
    // outside the entries changes nothing, raises nothing and returns false.
    virtual bool select(int index) = 0;

    // Raised on every change of the selection, by the user or by select().
    void setClickHandler(std::function<void()> handler) { m_click = std::move(handler); }
    // Raised when the user types into the list's text field.
    void setChangeHandler(std::function<void()> handler) { m_change = std::move(handler); }

protected:
    void raiseClick() const
    {
        if (m_click)
            m_click();
    }
    void raiseChange() const
    {
        if (m_change)
            m_change();
    }

private:
    std::function<void()> m_click;
    std::function<void()> m_change;
};

} // namespace orvesc
