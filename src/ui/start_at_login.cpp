#include "app/app_delegate.h"

#include "platform/button.h"
#include "platform/login_item.h"

namespace nimbrel {

void AppDelegate::showWhetherStartingAtLogin()
{
    // The user may have changed it outside the program since the window was last shown.
    if (const auto checkBox = m_outlets.startAtLoginButton.lock())
        checkBox->setState(m_loginItem.isEnabled() ? 1 : 0);
}

void AppDelegate::startAtLoginButton(const std::shared_ptr<Button> &sender)
{
    if (!sender)
        return;
    // A change that could not be made leaves the box showing what is so, not what was asked for.
    if (!m_loginItem.setEnabled(sender->state() != 0))
        sender->setState(m_loginItem.isEnabled() ? 1 : 0);
}

} // namespace nimbrel
