#include "cataloguetext.h"

#include "settingsapply.h"

#include <QCoreApplication>

namespace orvesc {

QString translated(const CatalogueText &text)
{
    if (text.context.empty())
        return QString::fromStdString(text.format);
    std::vector<std::string> arguments;
    for (const CatalogueText &argument : text.arguments)
        arguments.push_back(translated(argument).toStdString());
    // One pass, not QString::arg per argument: an argument holding "%2" (a key typed into a file)
    // would be taken for the next placeholder.
    const QString format = QCoreApplication::translate(text.context.c_str(), text.format.c_str());
    return QString::fromStdString(substituted(format.toStdString(), arguments));
}

QString modelText(int model)
{
    return translated(modelNameText(model));
}

} // namespace orvesc
