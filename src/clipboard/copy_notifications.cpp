#include "app/app_delegate.h"

#include "platform/text_translation.h"

namespace nimbrel {

void AppDelegate::postNotification(SharedText itemText)
{
    // At most one of our notifications is listed: the earlier one goes before the next arrives.
    if (m_notification)
        m_center.removeDeliveredNotification(m_notification);

    auto notification = std::make_shared<UserNotification>();
    //: The title of every notification
    notification->title = m_translation.translate("Notification", "Nimbrel!");
    notification->informativeText = std::move(itemText);
    notification->hasActionButton = false;
    //: The notification's button that turns rich text on the clipboard into plain text
    notification->otherButtonTitle = m_translation.translate("Notification", "Clear formatting");
    m_notification = notification;
    m_center.deliverNotification(std::move(notification));
}

bool AppDelegate::userNotificationCenterShouldPresentNotification(UserNotificationCenter &, const UserNotification &)
{
    return true;
}

void AppDelegate::userNotificationCenterDidActivateNotification(UserNotificationCenter &, const UserNotification &)
{
    if (hasItems())
        showPasteItemOptions();
}

void AppDelegate::userNotificationCenterDidPressOtherButton(UserNotificationCenter &, const UserNotification &)
{
    if (const auto item = getFirstItem())
        removeFormatting(item);
}

} // namespace nimbrel
