#pragma once

#include "memorysettingsview.h"
#include "settingsform.h"

#include <QTest>

#include <string>
#include <vector>

// Failure reports show the texts compared, as the user would read them.
template<>
inline char *QTest::toString(const std::string &text)
{
    return QTest::toString(QString::fromStdString(text));
}

namespace orvesc::test {

// The catalogue's procedures over in-memory lists, wired as the main window wires them.
struct SettingsBench
{
    MemorySettingsView view;
    EscRecords records;
    SettingsForm form{ view, records };

    SettingsBench()
    {
        form.connectHandlers();
        form.ini_Lists();
    }

    MemoryChoiceList &list(SettingList which) { return view.memoryList(which); }
    int index(SettingList which) { return list(which).selectedIndex(); }
    std::string selectedText(SettingList which) { return list(which).text(); }
    const std::vector<std::string> &messages() { return view.recorder().texts(); }

    // The list rebuilds of a Connect that identified `code`.
    void connect(int code)
    {
        records.EscType = static_cast<std::int16_t>(code);
        form.fillModelLists();
    }

    // Selections made without running any rule, to set up a state the rules would not allow.
    void preset(SettingList which, int index)
    {
        list(which).setClickHandler({});
        list(which).select(index);
        form.connectHandlers();
    }

    // Every list's selected text, in list order.
    std::vector<std::string> selections()
    {
        std::vector<std::string> texts;
        for (int i = 0; i < SettingListCount; ++i)
            texts.push_back(selectedText(SettingList(i)));
        return texts;
    }
};

// Texts joined with `separator`; "(none)" for none.
inline std::string joined(const std::vector<std::string> &texts, const char *separator = ",")
{
    std::string text;
    for (std::size_t i = 0; i < texts.size(); ++i)
        text += (i > 0 ? separator : "") + texts[i];
    return texts.empty() ? "(none)" : text;
}

} // namespace orvesc::test
