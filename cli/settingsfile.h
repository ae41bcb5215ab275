#pragma once

#include "settingsapply.h"

#include <QString>
#include <QStringList>

namespace orvesc::cli {

// A settings document read from a file: its model and one request per setting.
struct SettingsFile
{
    int modelCode = 0;
    QString modelName;
    SettingRequests requests;
    // What the reader ignored, each phrase ready to follow the file's name.
    QStringList warnings;
};

// Reads and checks a settings document; an error text naming the file and what is wrong.
QString readSettingsFile(const QString &path, SettingsFile &file);

} // namespace orvesc::cli
