#include "optionlists.h"

namespace orvesc {

std::vector<std::string> splitOptionList(std::string_view text)
{
    std::vector<std::string> entries;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) {
            entries.emplace_back(text.substr(start));
            return entries;
        }
        entries.emplace_back(text.substr(start, comma - start));
        start = comma + 1;
    }
}

} // namespace orvesc
