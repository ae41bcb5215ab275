#pragma once

#include "commandcodes.h"
#include "memorychoicelist.h"
#include "settingsview.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace orvesc {

// A Messenger that notes every text instead of beeping and showing a box; one text per beep.
class RecordingMessenger : public Messenger
{
public:
    void beepAndShow(const std::string &text) override;

    const std::vector<std::string> &texts() const { return m_texts; }
    void clear() { m_texts.clear(); }
    // Runs while the "box" is open, e.g. to look at the lists before the handler goes on.
    void setOnShow(std::function<void(const std::string &)> onShow) { m_onShow = std::move(onShow); }

private:
    std::vector<std::string> m_texts;
    std::function<void(const std::string &)> m_onShow;
};

// The main window's setting lists and captions held in memory, for tests and fuzzers, in the
// state right after start-up's first steps: empty lists, caption "FREQUENCY", no model name.
class MemorySettingsView : public SettingsView
{
public:
    ChoiceList &list(SettingList which) override { return memoryList(which); }
    MemoryChoiceList &memoryList(SettingList which)
    {
        return m_lists[static_cast<std::size_t>(which)];
    }
    void setFrequencyCaption(const std::string &caption) override { m_frequencyCaption = caption; }
    std::string listCaption(SettingList which) const override
    {
        return which == SettingList::Frequency ? m_frequencyCaption : settingCaption(which, 0);
    }
    void setModelName(const std::string &name) override { m_modelName = name; }
    void clearChecks() override { ++m_clearChecksCount; }
    Messenger &messenger() override { return m_recorder; }

    const std::string &frequencyCaption() const { return m_frequencyCaption; }
    const std::string &modelName() const { return m_modelName; }
    int clearChecksCount() const { return m_clearChecksCount; }
    RecordingMessenger &recorder() { return m_recorder; }

private:
    std::array<MemoryChoiceList, SettingListCount> m_lists;
    std::string m_frequencyCaption = FrequencyCaption;
    std::string m_modelName;
    int m_clearChecksCount = 0;
    RecordingMessenger m_recorder;
};

} // namespace orvesc
