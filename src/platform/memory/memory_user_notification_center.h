#pragma once

#include "platform/user_notification_center.h"

#include <vector>

namespace nimbrel {

// Records what is delivered and removed, and plays the user's clicks.
class MemoryUserNotificationCenter final : public UserNotificationCenter {
public:
    void setDelegate(UserNotificationCenterDelegate *delegate) override { m_delegate = delegate; }
    void deliverNotification(std::shared_ptr<const UserNotification> notification) override;
    void removeDeliveredNotification(const std::shared_ptr<const UserNotification> &notification) override;

    UserNotificationCenterDelegate *delegate() const { return m_delegate; }
    // Every notification ever delivered, in order.
    const std::vector<std::shared_ptr<const UserNotification>> &delivered() const { return m_delivered; }
    // The notifications on screen now.
    const std::vector<std::shared_ptr<const UserNotification>> &listed() const { return m_listed; }
    int removals() const { return m_removals; }

    // The user clicks the notification, or its other button; nothing happens without a delegate.
    void click(const UserNotification &notification);
    void pressOtherButton(const UserNotification &notification);

private:
    UserNotificationCenterDelegate *m_delegate = nullptr;
    std::vector<std::shared_ptr<const UserNotification>> m_delivered;
    std::vector<std::shared_ptr<const UserNotification>> m_listed;
    int m_removals = 0;
};

} // namespace nimbrel
