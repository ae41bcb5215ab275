#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace orvesc {

// The About dialog's message box: OK only, no icon, no beep, captioned with the application title.
// Tests divert it to a hook so they read the text and never block on a modal box.
class AboutNotice
{
public:
    using Hook = std::function<void(const QString &text)>;

    static void show(QWidget *parent, const QString &text);
    // An empty hook restores the real box.
    static void setHook(Hook hook);
};

} // namespace orvesc
