#pragma once

#include "settingsdocument.h"

#include <QString>

namespace orvesc {

// Reads a settings file from disk: the document, or an error phrase that says what is wrong with
// the file (a folder, unreadable, too large, or what the document reader found).
DocumentResult readDocumentFile(const QString &path);

// Writes a document through QSaveFile, so the old file stays whole until the new one is complete.
// Returns the system's reason on failure, an empty text on success.
QString writeDocumentFile(const QString &path, const SettingsDocument &document);

} // namespace orvesc
