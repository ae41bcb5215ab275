#pragma once

#include "settingsplan.h"

#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

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

// The settings an ESC reported as a settings document: JSON text, and the same as a JSON value.
QByteArray settingsDocument(int model, const std::array<std::int16_t, 12> &escConfig);
QJsonValue settingsDocumentValue(int model, const std::array<std::int16_t, 12> &escConfig);

// Writes a document safely (a temporary file renamed over the old one); an error text with the
// path and the system's reason.
QString saveSettingsDocument(const QString &path, const QByteArray &document);

// Saves the settings the ESC reported as a backup, as the window's CONNECT does; an empty text,
// or why backups are off.
QString backUpSettings(int model, const std::array<std::int16_t, 12> &escConfig);

// One setting where the ESC differs from what was programmed or from a file.
struct SettingDifference
{
    QString caption;
    QString expected;
    QString reported;
};
std::vector<SettingDifference> compareWithEsc(int model, const std::array<std::int16_t, 10> &newConfig,
                                              const std::array<std::int16_t, 12> &escConfig);

} // namespace orvesc::cli
