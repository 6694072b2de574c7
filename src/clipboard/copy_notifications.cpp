#include "app/app_delegate.h"

namespace nimbrel {
namespace {

constexpr auto notificationTitle = "Nimbrel!";
constexpr auto otherButtonTitle = "Clear formatting";

} // namespace

void AppDelegate::postNotification(SharedText itemText)
{
    // At most one of our notifications is listed: the earlier one goes before the next arrives.
    if (m_notification)
        m_center.removeDeliveredNotification(m_notification);

    auto notification = std::make_shared<UserNotification>();
    notification->title = notificationTitle;
    notification->informativeText = std::move(itemText);
    notification->hasActionButton = false;
    notification->otherButtonTitle = otherButtonTitle;
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
