// Every operation of the controller by its selector name: the interface, the scripting bus
// and tests reach the controller through this one table. An argument of the wrong kind is
// refused (nullopt) rather than guessed at.
#include "app/app_delegate.h"

#include "platform/pasteboard_item.h"
#include "platform/user_notification.h"

#include <array>

namespace nimbrel {
namespace {

using Handler = std::optional<MessageResult> (*)(AppDelegate &, const MessageArgument &);

struct Selector {
    std::string_view name;
    Handler handler;
};

template <typename T>
std::shared_ptr<T> senderOf(const MessageArgument &argument)
{
    if (const auto *sender = std::get_if<std::shared_ptr<T>>(&argument))
        return *sender;
    return nullptr;
}

const PasteboardItem *itemOf(const MessageArgument &argument)
{
    const auto *item = std::get_if<std::shared_ptr<const PasteboardItem>>(&argument);
    return item ? item->get() : nullptr;
}

std::shared_ptr<const PasteboardItem> sharedItemOf(const MessageArgument &argument)
{
    const auto *item = std::get_if<std::shared_ptr<const PasteboardItem>>(&argument);
    return item ? *item : nullptr;
}

// An operation without a result that takes no argument or ignores it.
template <void (AppDelegate::*operation)()>
std::optional<MessageResult> plain(AppDelegate &delegate, const MessageArgument &)
{
    (delegate.*operation)();
    return MessageResult{};
}

// An operation that takes no argument, or ignores it, and answers whether it did its work.
template <bool (AppDelegate::*operation)()>
std::optional<MessageResult> answering(AppDelegate &delegate, const MessageArgument &)
{
    return MessageResult{(delegate.*operation)()};
}

// An action whose sender may be of any kind, or none; it is not used.
template <typename Sender, void (AppDelegate::*action)(const std::shared_ptr<Sender> &)>
std::optional<MessageResult> ignoringSender(AppDelegate &delegate, const MessageArgument &argument)
{
    (delegate.*action)(senderOf<Sender>(argument));
    return MessageResult{};
}

// An action that reads its sender, which must be of its kind.
template <typename Sender, void (AppDelegate::*action)(const std::shared_ptr<Sender> &)>
std::optional<MessageResult> withSender(AppDelegate &delegate, const MessageArgument &argument)
{
    const auto sender = senderOf<Sender>(argument);
    if (!sender)
        return std::nullopt;
    (delegate.*action)(sender);
    return MessageResult{};
}

// A text action: it starts on the item, and what it did is seen on the clipboard.
template <void (AppDelegate::*action)(const std::shared_ptr<const PasteboardItem> &, TextActionDone)>
std::optional<MessageResult> onItem(AppDelegate &delegate, const MessageArgument &argument)
{
    auto item = sharedItemOf(argument);
    if (!item)
        return std::nullopt;
    (delegate.*action)(item, {});
    return MessageResult{};
}

template <bool (AppDelegate::*query)(const PasteboardItem &) const>
std::optional<MessageResult> itemQuery(AppDelegate &delegate, const MessageArgument &argument)
{
    const auto *item = itemOf(argument);
    if (!item)
        return std::nullopt;
    return MessageResult{(delegate.*query)(*item)};
}

std::optional<MessageResult> itemType(AppDelegate &delegate, const MessageArgument &argument)
{
    const auto *item = itemOf(argument);
    if (!item)
        return std::nullopt;
    return MessageResult{delegate.getItemType(*item)};
}

std::optional<MessageResult> launch(AppDelegate &delegate, const MessageArgument &)
{
    delegate.applicationDidFinishLaunching();
    return MessageResult{};
}

std::optional<MessageResult> setViewValue(AppDelegate &delegate, const MessageArgument &argument)
{
    const auto *value = std::get_if<std::string>(&argument);
    if (!value)
        return std::nullopt;
    delegate.setCurrentTextItemViewValue(*value);
    return MessageResult{};
}

template <typename Callback>
std::optional<MessageResult> withNotification(const MessageArgument &argument, Callback callback)
{
    const auto *notification = std::get_if<std::shared_ptr<const UserNotification>>(&argument);
    if (!notification || !*notification)
        return std::nullopt;
    return callback(**notification);
}

std::optional<MessageResult> shouldPresent(AppDelegate &delegate, const MessageArgument &argument)
{
    return withNotification(argument, [&delegate](const UserNotification &notification) {
        return MessageResult{delegate.userNotificationCenterShouldPresentNotification(delegate.center(), notification)};
    });
}

std::optional<MessageResult> didActivate(AppDelegate &delegate, const MessageArgument &argument)
{
    return withNotification(argument, [&delegate](const UserNotification &notification) {
        delegate.userNotificationCenterDidActivateNotification(delegate.center(), notification);
        return MessageResult{};
    });
}

std::optional<MessageResult> didPressOtherButton(AppDelegate &delegate, const MessageArgument &argument)
{
    return withNotification(argument, [&delegate](const UserNotification &notification) {
        delegate.userNotificationCenterDidPressOtherButton(delegate.center(), notification);
        return MessageResult{};
    });
}

std::optional<MessageResult> setActiveEntry(AppDelegate &delegate, const MessageArgument &argument)
{
    auto entry = senderOf<MenuItem>(argument);
    if (!entry)
        return std::nullopt;
    delegate.setActivePopupRunMenuItem(std::move(entry));
    return MessageResult{};
}

std::optional<MessageResult> firstItem(AppDelegate &delegate, const MessageArgument &)
{
    return MessageResult{delegate.getFirstItem()};
}

std::optional<MessageResult> hasItems(AppDelegate &delegate, const MessageArgument &)
{
    return MessageResult{delegate.hasItems()};
}

std::optional<MessageResult> runByTitle(AppDelegate &delegate, const MessageArgument &argument)
{
    const auto *title = std::get_if<std::string>(&argument);
    if (!title)
        return std::nullopt;
    delegate.runTextAction(*title);
    return MessageResult{};
}

constexpr std::array selectorTable{
    Selector{"applicationDidFinishLaunching:", launch},
    Selector{"applicationWillTerminate:", plain<&AppDelegate::applicationWillTerminate>},
    Selector{"setTextActionsMenuItemEnabledState", plain<&AppDelegate::setTextActionsMenuItemEnabledState>},
    Selector{"pollPasteboardForChanges", plain<&AppDelegate::pollPasteboardForChanges>},
    Selector{"setCurrentTextItemViewValue:", setViewValue},
    Selector{"userNotificationCenter:shouldPresentNotification:", shouldPresent},
    Selector{"userNotificationCenter:didActivateNotification:", didActivate},
    Selector{"showSettings", plain<&AppDelegate::showSettings>},
    Selector{"textActionsMenuItem:", ignoringSender<MenuItem, &AppDelegate::textActionsMenuItem>},
    Selector{"showPasteItemOptions", answering<&AppDelegate::showPasteItemOptions>},
    Selector{"closePasteItemOptions", plain<&AppDelegate::closePasteItemOptions>},
    Selector{"textNotificationButton:", withSender<Button, &AppDelegate::textNotificationButton>},
    Selector{"filesAndDirectoriesNotificationButton:",
             withSender<Button, &AppDelegate::filesAndDirectoriesNotificationButton>},
    Selector{"keepClipboardButton:", withSender<Button, &AppDelegate::keepClipboardButton>},
    Selector{"startAtLoginButton:", withSender<Button, &AppDelegate::startAtLoginButton>},
    Selector{"clearClipboardMenuItem:", ignoringSender<MenuItem, &AppDelegate::clearClipboardMenuItem>},
    Selector{"openSettings:", ignoringSender<MenuItem, &AppDelegate::openSettings>},
    Selector{"run:", ignoringSender<Button, &AppDelegate::run>},
    Selector{"activePopupRunItem:", withSender<MenuItem, &AppDelegate::activePopupRunItem>},
    Selector{"setActivePopupRunMenuItem:", setActiveEntry},
    Selector{"getFirstItem", firstItem},
    Selector{"isTextItem:", itemQuery<&AppDelegate::isTextItem>},
    Selector{"isHTMLItem:", itemQuery<&AppDelegate::isHTMLItem>},
    Selector{"isRTFItem:", itemQuery<&AppDelegate::isRTFItem>},
    Selector{"getItemType:", itemType},
    Selector{"hasItems", hasItems},
    Selector{"firstItemIsSomeKindOfString:", itemQuery<&AppDelegate::firstItemIsSomeKindOfString>},
    Selector{"capitalize:", onItem<&AppDelegate::capitalize>},
    Selector{"lowercase:", onItem<&AppDelegate::lowercase>},
    Selector{"uppercase:", onItem<&AppDelegate::uppercase>},
    Selector{"snakecase:", onItem<&AppDelegate::snakecase>},
    Selector{"removeFormatting:", onItem<&AppDelegate::removeFormatting>},
    Selector{"removeMultipleWhitespace:", onItem<&AppDelegate::removeMultipleWhitespace>},
    Selector{"removeAllWhitespace:", onItem<&AppDelegate::removeAllWhitespace>},
    Selector{"userNotificationCenter:didPressOtherButton:", didPressOtherButton},
    Selector{"runTextAction:", runByTitle},
};

} // namespace

std::optional<MessageResult> AppDelegate::perform(std::string_view selector, const MessageArgument &argument)
{
    for (const auto &entry : selectorTable) {
        if (entry.name == selector)
            return entry.handler(*this, argument);
    }
    return std::nullopt;
}

std::vector<std::string_view> AppDelegate::selectors()
{
    std::vector<std::string_view> names;
    for (const auto &entry : selectorTable)
        names.push_back(entry.name);
    return names;
}

} // namespace nimbrel
