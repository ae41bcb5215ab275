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

template<>
inline char *QTest::toString(const std::vector<std::string> &texts)
{
    QStringList list;
    for (const std::string &text : texts)
        list << QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return QTest::toString(list.join(QLatin1String(" | ")));
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
        form.list_Batt();
        form.list_LVC();
        form.list_Freq();
        form.list_RPM();
        form.list_Timing();
        form.list_ACCN();
    }

    // Selections made without running any rule, to set up a state the rules would not allow.
    void preset(SettingList which, int index)
    {
        list(which).setClickHandler({});
        list(which).select(index);
        form.connectHandlers();
    }
};

// The entries of a list, comma-separated as an option list is written; "(none)" for no entries.
inline std::string joined(const MemoryChoiceList &list)
{
    std::string text;
    for (int i = 0; i < list.count(); ++i)
        text += (i > 0 ? "," : "") + list.entry(i);
    return list.count() == 0 ? "(none)" : text;
}

// The first `count` entries of a comma-separated text.
inline std::string leading(const std::string &text, int count)
{
    std::size_t end = 0;
    for (int i = 0; i < count && end != std::string::npos; ++i)
        end = text.find(',', i == 0 ? 0 : end + 1);
    return text.substr(0, end);
}

} // namespace orvesc::test
