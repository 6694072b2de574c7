#pragma once

#include "platform/user_notification.h"

#include <memory>

namespace nimbrel {

class UserNotificationCenter;

// Receives what the user does with delivered notifications.
class UserNotificationCenterDelegate {
public:
    UserNotificationCenterDelegate() = default;
    virtual ~UserNotificationCenterDelegate() = default;
    UserNotificationCenterDelegate(const UserNotificationCenterDelegate &) = delete;
    UserNotificationCenterDelegate &operator=(const UserNotificationCenterDelegate &) = delete;

    // Whether the centre shows the notification at all.
    virtual bool userNotificationCenterShouldPresentNotification(UserNotificationCenter &center,
                                                                 const UserNotification &notification) = 0;
    // The user clicked the notification itself.
    virtual void userNotificationCenterDidActivateNotification(UserNotificationCenter &center,
                                                               const UserNotification &notification) = 0;
    // The user pressed the notification's other button.
    virtual void userNotificationCenterDidPressOtherButton(UserNotificationCenter &center,
                                                           const UserNotification &notification) = 0;
};

// Shows desktop notifications. A centre without a notification service drops them quietly.
class UserNotificationCenter {
public:
    UserNotificationCenter() = default;
    virtual ~UserNotificationCenter() = default;
    UserNotificationCenter(const UserNotificationCenter &) = delete;
    UserNotificationCenter &operator=(const UserNotificationCenter &) = delete;

    // The delegate is not owned; nullptr detaches it.
    virtual void setDelegate(UserNotificationCenterDelegate *delegate) = 0;
    // Shows the notification; the centre keeps it so that it can be removed later.
    virtual void deliverNotification(std::shared_ptr<const UserNotification> notification) = 0;
    // Takes the notification off the screen; nothing happens for one already gone.
    virtual void removeDeliveredNotification(const std::shared_ptr<const UserNotification> &notification) = 0;
};

} // namespace nimbrel
