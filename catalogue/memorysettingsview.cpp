#include "memorysettingsview.h"

namespace orvesc {

void RecordingMessenger::beepAndShow(const std::string &text)
{
    m_texts.push_back(text);
    if (m_onShow)
        m_onShow(text);
}

} // namespace orvesc
