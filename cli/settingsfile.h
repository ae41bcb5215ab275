#pragma once

#include "settingsplan.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

namespace orvesc::cli {

// A settings document read from a file: its model and one request per setting.
struct SettingsFile
{
    int modelCode = 0;
    QString modelName;
    SettingRequests requests;
};

// Reads and checks a settings document; an error text naming the file and what is wrong.
QString readSettingsFile(const QString &path, SettingsFile &file);

// The settings an ESC reported as a settings document's JSON text in `document`; an error text
// where no document can hold them (a model without a name, a code no entry stands for).
QString settingsDocument(int model, const std::array<std::int16_t, 12> &escConfig, QByteArray &document);

// Writes a document safely (a temporary file renamed over the old one); an error text with the
// path and the system's reason.
QString saveSettingsDocument(const QString &path, const QByteArray &document);

} // namespace orvesc::cli
