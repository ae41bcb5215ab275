#include "translatabletext.h"

namespace orvesc {

CatalogueText::CatalogueText(std::string plain)
    : format(std::move(plain))
{
}

CatalogueText::CatalogueText(const char *plain)
    : format(plain)
{
}

CatalogueText::CatalogueText(const char *context, const char *format, std::vector<CatalogueText> arguments)
    : context(context)
    , format(format)
    , arguments(std::move(arguments))
{
}

std::string CatalogueText::english() const
{
    if (context.empty())
        return format;
    std::vector<std::string> texts;
    for (const CatalogueText &argument : arguments)
        texts.push_back(argument.english());
    return substituted(format, texts);
}

std::string substituted(const std::string &format, const std::vector<std::string> &arguments)
{
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const std::size_t number = format[i] == '%' && i + 1 < format.size() && format[i + 1] >= '1'
                && format[i + 1] <= '9'
            ? std::size_t(format[i + 1] - '0')
            : 0;
        if (number == 0 || number > arguments.size()) {
            out += format[i];
            continue;
        }
        out += arguments[number - 1];
        ++i;
    }
    return out;
}

} // namespace orvesc
