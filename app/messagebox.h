#pragma once

#include "messenger.h"

#include <QPointer>
#include <QString>

class QWidget;

namespace orvesc {

// The tool's messages as the user meets them: the system beep, then a modal box with only OK,
// no icon, captioned with the application title.
class MessageBoxMessenger : public Messenger
{
public:
    explicit MessageBoxMessenger(QWidget *parent = nullptr);

    // The window the boxes are centred on and modal to.
    void setParentWidget(QWidget *parent);

    void beepAndShow(const std::string &text) override;

    // The text as the box shows it: character 13 breaks the line.
    static QString displayText(const std::string &text);

private:
    QPointer<QWidget> m_parent;
};

} // namespace orvesc
