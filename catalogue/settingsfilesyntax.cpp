#include "settingsfilesyntax.h"

#include <algorithm>

namespace orvesc::settingsfile {

namespace {

// Deeper than any settings file nests; deeper input is refused before it is built.
constexpr std::size_t DepthLimit = 16;

} // namespace

CatalogueText fileText(const char *format, std::vector<CatalogueText> arguments)
{
    return CatalogueText(SettingsFileContext, format, std::move(arguments));
}

std::string quotedText(std::string_view text)
{
    using Json = nlohmann::json;
    return Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

bool SyntaxCheck::key(string_t &name)
{
    if (m_keys.back().insert(name).second)
        return true;
    //: %1 is a JSON key in quotes.
    error = fileText(QT_TRANSLATE_NOOP("SettingsFile", "the key %1 appears twice in one place"), { quotedText(name) });
    return false;
}

bool SyntaxCheck::parse_error(std::size_t position, const std::string &, const nlohmann::detail::exception &)
{
    if (position >= m_bytes.size())
        error = fileText(
            QT_TRANSLATE_NOOP("SettingsFile", "it ends before its JSON text does (the file is cut short)"));
    else
        //: %1 is a place in the file, "line 3, column 14".
        error = fileText(QT_TRANSLATE_NOOP("SettingsFile", "it is not JSON text (error at %1)"), { place(position) });
    return false;
}

// "line 3, column 14" of the character the parser stopped at (`position` counts the bytes it
// read, that one included); an editor counts columns in characters, not UTF-8 bytes.
CatalogueText SyntaxCheck::place(std::size_t position) const
{
    const std::size_t at = position > 0 ? position - 1 : 0;
    const std::size_t newline = at == 0 ? std::string_view::npos : m_bytes.rfind('\n', at - 1);
    const std::size_t lineStart = newline == std::string_view::npos ? 0 : newline + 1;
    const auto line = std::count(m_bytes.begin(), m_bytes.begin() + std::ptrdiff_t(lineStart), '\n') + 1;
    const auto column = std::count_if(m_bytes.begin() + std::ptrdiff_t(lineStart),
                                      m_bytes.begin() + std::ptrdiff_t(at) + 1,
                                      [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    return fileText(QT_TRANSLATE_NOOP("SettingsFile", "line %1, column %2"),
                    { std::to_string(line), std::to_string(column) });
}

bool SyntaxCheck::opened()
{
    m_keys.emplace_back();
    if (m_keys.size() <= DepthLimit)
        return true;
    error = fileText(QT_TRANSLATE_NOOP("SettingsFile", "it nests values deeper than a settings file does"));
    return false;
}

bool SyntaxCheck::closed()
{
    m_keys.pop_back();
    return true;
}

} // namespace orvesc::settingsfile
