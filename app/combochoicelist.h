#pragma once

#include "choicelist.h"

#include <QMetaObject>
#include <QString>

#include <functional>

class QComboBox;

namespace orvesc {

// One setting list of the window for the catalogue: an editable combo box whose selection changes
// by the user raise the click notification and whose typing raises the change notification.
// Typing that names another entry (or none) is a selection change too, so the rules see it before
// PROGRAM collects the list. Changes made through this interface raise only what ChoiceList promises.
class ComboChoiceList : public ChoiceList
{
public:
    explicit ComboChoiceList(QComboBox *combo);
    ~ComboChoiceList() override;
    ComboChoiceList(const ComboChoiceList &) = delete;
    ComboChoiceList &operator=(const ComboChoiceList &) = delete;

    void clear() override;
    void append(const std::string &entry) override;
    int count() const override;
    std::string entry(int index) const override;
    int selectedIndex() const override;
    bool select(int index) override;

    QComboBox *combo() const { return m_combo; }

    // The entries are kept in English (what the catalogue and files name) and shown in the
    // current language; this shows them again after a change of language.
    void retranslate();
    // Each entry's tooltip: what the explainer says of it (nothing for an empty text).
    void setExplainer(std::function<QString(const std::string &)> explainer) { m_explainer = std::move(explainer); }
    void explainEntries();

private:
    // A choice of the user's (a pick, or typed text naming an entry or none): a click when it
    // changes what the list names.
    void userSelected(int index);

    QComboBox *m_combo;
    std::function<QString(const std::string &)> m_explainer;
    QMetaObject::Connection m_indexChanged;
    QMetaObject::Connection m_activated;
    QMetaObject::Connection m_textEdited;
    // The entry the list names: -1 for none, also after typed text that matches no entry.
    int m_selected = -1;
};

} // namespace orvesc
