#include "app/app_delegate.h"

#include "platform/status_item.h"
#include "platform/timer.h"

namespace nimbrel {

AppDelegate::AppDelegate(PlatformServices services)
    : m_center(services.center)
    , m_pasteboard(services.pasteboard)
    , m_statusItem(services.statusBar.statusItemWithVariableLength())
    , m_userDefaults(services.userDefaults)
    , m_timers(services.timers)
    , m_images(services.images)
    , m_application(services.application)
    , m_background(services.background)
    , m_loginItem(services.loginItem)
    , m_translation(services.translation)
{
}

AppDelegate::~AppDelegate()
{
    // The centre may outlive the controller; it must not call back into a destroyed one.
    m_center.setDelegate(nullptr);
}

} // namespace nimbrel
