#pragma once

#include <QString>

class QWidget;

namespace orvesc {

// The About dialog's message box: OK only, no icon, no beep, captioned with the application title.
class AboutNotice
{
public:
    static void show(QWidget *parent, const QString &text);
};

} // namespace orvesc
