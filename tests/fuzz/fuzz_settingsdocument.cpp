// Reads any bytes as a settings file. The reader must give either an error or a document whose
// every setting is one of its model's, in the model's order, with the text of the entry its code
// stands for; such a document must survive writing and reading back unchanged.

#include "fuzzcheck.h"
#include "settingsdocument.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace orvesc;

namespace {

bool sameSettings(const SettingsDocument &a, const SettingsDocument &b)
{
    if (a.modelCode != b.modelCode || a.settings.size() != b.settings.size())
        return false;
    for (std::size_t i = 0; i < a.settings.size(); ++i) {
        if (a.settings[i].key != b.settings[i].key || a.settings[i].code != b.settings[i].code
            || a.settings[i].text != b.settings[i].text)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const DocumentResult result = readSettingsDocument(bytes);
    FUZZ_CHECK(result.document.has_value() == result.error.empty(), "error \"%s\"",
               result.error.c_str());
    if (!result.document)
        return 0;

    const SettingsDocument &document = *result.document;
    const std::vector<SettingKey> keys = modelKeys(document.modelCode);
    FUZZ_CHECK(document.settings.size() == keys.size(), "%zu settings for model %d",
               document.settings.size(), document.modelCode);
    bool nickel = false;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const DocumentSetting &setting = document.settings[i];
        FUZZ_CHECK(setting.key == keys[i], "setting %zu is %s", i, settingKeyName(setting.key));
        const auto entry = entryForCode(listOfKey(setting.key), document.modelCode, nickel,
                                        setting.code);
        FUZZ_CHECK(entry && *entry == setting.text, "%s code %d text \"%s\" on model %d",
                   settingKeyName(setting.key), setting.code, setting.text.c_str(),
                   document.modelCode);
        if (setting.key == SettingKey::Battery)
            nickel = setting.code == 32;
    }

    const DocumentResult again = readSettingsDocument(writeSettingsDocument(document));
    FUZZ_CHECK(again.document && sameSettings(document, *again.document), "written back: %s",
               again.error.c_str());
    return 0;
}
