#pragma once

#include "escfailure.h"
#include "settingsplan.h"

#include <QJsonArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace orvesc::cli {

// What write, default and verify tell about the ESC's settings: what a run changes, where the
// settings before it were kept, and which command went wrong.

// A byte as --trace and --dry-run show it: "0x38".
QString hexByte(int code);
// The model's name as the model table gives it.

// "BRAKE: OFF* -> ON", one line per change, as the window's preview words it.
QStringList changeLines(const std::vector<SettingChange> &changes);
QJsonArray changesJson(const std::vector<SettingChange> &changes);

// The --dry-run line of one command; one that changes the ESC says what the ESC has now.
QString plannedLine(const QString &port, const PlannedCommand &command,
                    const std::vector<SettingChange> &changes);

// Why no backup can hold the report (a code no entry stands for), with the raw codes to note; an
// empty text when one can.
QString unkeptReport(int escType, const std::array<std::int16_t, 12> &report);

// A command of the run that the ESC rejected or answered with something else than its echo.
QString commandFailure(const WritePlan &plan, const EscFailure &failure, int count);

} // namespace orvesc::cli
