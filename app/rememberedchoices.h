#pragma once

#include <QCoreApplication>
#include <QSettings>

namespace orvesc {

// Where the window remembers the user's choices. Qt's registry settings need an organization, which
// this tool has none of, so on Windows the choices go under HKEY_CURRENT_USER\Software\OrvESC\OrvESC;
// elsewhere QSettings' own place is kept.
inline QSettings rememberedChoices()
{
#ifdef Q_OS_WIN
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::applicationName(),
                     QCoreApplication::applicationName());
#else
    return QSettings();
#endif
}

} // namespace orvesc
