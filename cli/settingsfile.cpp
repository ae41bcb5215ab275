#include "settingsfile.h"

#include "cataloguetext.h"
#include "clilanguage.h"
#include "documentfile.h"
#include "settingsdocument.h"

namespace orvesc::cli {

QString readSettingsFile(const QString &path, SettingsFile &file)
{
    const DocumentResult result = readDocumentFile(path);
    if (!result.document) {
        //: %1 is the file, %2 what is wrong with it.
        return CommandLine::tr("%1 cannot be used: %2.")
                .arg(path, translated(result.reason()));
    }
    file.modelCode = result.document->modelCode;
    file.modelName = QString::fromStdString(result.document->modelName).trimmed();
    file.requests = requestsOf(*result.document);
    for (const std::string &warning : result.warnings)
        file.warnings << QString::fromStdString(warning);
    return QString();
}

} // namespace orvesc::cli
