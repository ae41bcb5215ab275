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

// The file a name typed without its suffix means, as the window's file dialogs have it: a name that
// does not end in ".json" gets ".orvesc.json". To read, a file of exactly the name typed comes first.
QString settingsFileToWrite(const QString &typed);
QString settingsFileToRead(const QString &typed);

} // namespace orvesc
