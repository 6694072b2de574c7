#include "ui/preferences.h"

#include "app/app_delegate.h"
#include "platform/button.h"

namespace nimbrel {

std::optional<bool> readAsBoolean(const std::optional<DefaultsValue> &value)
{
    if (!value)
        return std::nullopt;
    if (const auto *number = std::get_if<double>(&*value))
        return *number != 0;
    return std::nullopt;
}

bool keepsClipboard(const UserDefaults &defaults)
{
    return readAsBoolean(defaults.objectForKey(keepClipboardKey)).value_or(true);
}

bool AppDelegate::preferenceIsOn(std::string_view key) const
{
    return readAsBoolean(m_userDefaults.objectForKey(key)).value_or(false);
}

void AppDelegate::storeCheckBoxState(std::string_view key, const Button &checkBox)
{
    m_userDefaults.setValueForKey(static_cast<double>(checkBox.state()), key);
}

void AppDelegate::reconcilePreference(std::string_view key, const std::weak_ptr<Button> &checkBox)
{
    const auto button = checkBox.lock();
    if (!button)
        return;
    // The check box always shows the stored preference; a missing or unreadable value is
    // replaced by what the check box shows.
    const auto stored = readAsBoolean(m_userDefaults.objectForKey(key));
    if (stored)
        button->setState(*stored ? 1 : 0);
    else
        storeCheckBoxState(key, *button);
}

void AppDelegate::textNotificationButton(const std::shared_ptr<Button> &sender)
{
    if (sender)
        storeCheckBoxState(notifyTextKey, *sender);
}

void AppDelegate::filesAndDirectoriesNotificationButton(const std::shared_ptr<Button> &sender)
{
    if (sender)
        storeCheckBoxState(notifyFilesAndDirectoriesKey, *sender);
}

void AppDelegate::keepClipboardButton(const std::shared_ptr<Button> &sender)
{
    if (sender)
        storeCheckBoxState(keepClipboardKey, *sender);
}

} // namespace nimbrel
