#pragma once

#include <string>

namespace orvesc {

// The one way the tool tells the user something: a system beep, then a modal box with only an
// OK button, no icon, captioned with the application title. The call returns once the user has
// confirmed the box. Texts are UTF-8; the character 13 breaks a line.
class Messenger
{
public:
    virtual ~Messenger() = default;
    virtual void beepAndShow(const std::string &text) = 0;
};

} // namespace orvesc
