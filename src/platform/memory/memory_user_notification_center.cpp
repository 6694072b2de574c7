#include "platform/memory/memory_user_notification_center.h"

#include <algorithm>

namespace nimbrel {

void MemoryUserNotificationCenter::deliverNotification(std::shared_ptr<const UserNotification> notification)
{
    if (m_delegate && !m_delegate->userNotificationCenterShouldPresentNotification(*this, *notification))
        return;
    m_delivered.push_back(notification);
    m_listed.push_back(std::move(notification));
}

void MemoryUserNotificationCenter::removeDeliveredNotification(const std::shared_ptr<const UserNotification> &notification)
{
    ++m_removals;
    std::erase(m_listed, notification);
}

void MemoryUserNotificationCenter::click(const UserNotification &notification)
{
    if (m_delegate)
        m_delegate->userNotificationCenterDidActivateNotification(*this, notification);
}

void MemoryUserNotificationCenter::pressOtherButton(const UserNotification &notification)
{
    if (m_delegate)
        m_delegate->userNotificationCenterDidPressOtherButton(*this, notification);
}

} // namespace nimbrel
