#pragma once

#include "translatabletext.h"

#include <nlohmann/json.hpp>

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace orvesc::settingsfile {

// A reason the settings file reader gives, in its translation context.
CatalogueText fileText(const char *format, std::vector<CatalogueText> arguments = {});

// A text as JSON writes it, in quotes: what a message must not carry raw is escaped.
std::string quotedText(std::string_view text);

// First pass over the bytes: JSON syntax, keys repeated inside one object and nesting depth,
// which a parsed value can no longer tell.
class SyntaxCheck : public nlohmann::json_sax<nlohmann::json>
{
public:
    explicit SyntaxCheck(std::string_view bytes)
        : m_bytes(bytes)
    {
    }

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t &) override { return true; }
    bool string(string_t &) override { return true; }
    bool binary(binary_t &) override { return true; }
    bool start_object(std::size_t) override { return opened(); }
    bool key(string_t &name) override;
    bool end_object() override { return closed(); }
    bool start_array(std::size_t) override { return opened(); }
    bool end_array() override { return closed(); }
    bool parse_error(std::size_t position, const std::string &, const nlohmann::detail::exception &) override;

    CatalogueText error;

private:
    CatalogueText place(std::size_t position) const;
    bool opened();
    bool closed();

    std::string_view m_bytes;
    std::vector<std::set<std::string>> m_keys;
};

} // namespace orvesc::settingsfile
