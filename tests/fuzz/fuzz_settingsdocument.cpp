// Reads any bytes as a settings file. The reader must give either an error or a document whose
// every setting is one of its model's, in the model's order, with the text of the entry its code
// stands for; such a document must survive writing and reading back unchanged, without warnings.

#include "fuzzcheck.h"
#include "settingsdocument.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace orvesc;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const DocumentResult result = readSettingsDocument(std::string_view(reinterpret_cast<const char *>(data), size));
    FUZZ_CHECK(result.document.has_value() == result.error.empty(), "error \"%s\"", result.error.c_str());
    if (!result.document)
        return 0;

    const SettingsDocument &document = *result.document;
    const std::vector<SettingKey> keys = modelKeys(document.modelCode);
    FUZZ_CHECK(document.settings.size() == keys.size(), "%zu settings for model %d", document.settings.size(),
               document.modelCode);
    bool nickel = false;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const DocumentSetting &setting = document.settings[i];
        FUZZ_CHECK(setting.key == keys[i], "setting %zu is %s", i, settingKeyName(setting.key));
        const auto entry = entryForCode(listOfKey(setting.key), document.modelCode, nickel, setting.code);
        FUZZ_CHECK(entry && *entry == setting.text, "%s code %d text \"%s\" on model %d", settingKeyName(setting.key),
                   setting.code, setting.text.c_str(), document.modelCode);
        if (setting.key == SettingKey::Battery)
            nickel = setting.code == 32;
    }

    const DocumentResult again = readSettingsDocument(writeSettingsDocument(document));
    const auto same = [](const DocumentSetting &a, const DocumentSetting &b) {
        return a.key == b.key && a.code == b.code && a.text == b.text;
    };
    FUZZ_CHECK(again.document && again.warnings.empty() && again.document->modelCode == document.modelCode
                   && std::equal(document.settings.begin(), document.settings.end(), again.document->settings.begin(),
                                 again.document->settings.end(), same),
               "written back: %s", again.error.c_str());
    return 0;
}
