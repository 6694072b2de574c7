#include "app/app_delegate.h"

#include "platform/application.h"
#include "platform/window.h"

namespace nimbrel {

void AppDelegate::openSettings(const std::shared_ptr<MenuItem> &)
{
    showSettings();
}

void AppDelegate::showSettings()
{
    showWhetherStartingAtLogin();
    presentWindow(m_outlets.window);
}

void AppDelegate::presentWindow(const std::weak_ptr<Window> &outlet)
{
    const auto window = outlet.lock();
    if (!window)
        return;
    // Centred anew every time, in front even while another application is active.
    window->center();
    window->orderFrontRegardless();
    m_application.activateIgnoringOtherApps(true);
}

} // namespace nimbrel
