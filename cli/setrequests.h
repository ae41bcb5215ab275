#pragma once

#include "settingsapply.h"

#include <QString>
#include <QStringList>

namespace orvesc::cli {

// Reads "KEY=ENTRY" into `requests` (a later one for the same setting wins). The key is the
// setting's file key or its caption (brake, "rpm control", soft_start, "AUTOCUT MODE"...), the
// entry is checked against every entry the setting has on any model. An error text otherwise.
QString addSetRequest(const QString &argument, SettingRequests &requests);

// The first --set argument naming a setting the model lacks: a message naming it as the user
// wrote it, with the settings the model has; an empty text when it has them all.
QString setsTheModelLacks(const QStringList &sets, int escType);

} // namespace orvesc::cli
