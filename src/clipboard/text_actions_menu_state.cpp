#include "app/app_delegate.h"

#include "platform/menu_item.h"

namespace nimbrel {

void AppDelegate::setTextActionsMenuItemEnabledState()
{
    const auto menuItem = m_outlets.textActionsMenuItem.lock();
    if (!menuItem)
        return;
    // Both calls happen in one pass on the main thread, so the momentary disabling is never seen.
    menuItem->setEnabled(false);
    if (!hasItems())
        return;
    const auto item = getFirstItem();
    if (item && firstItemIsSomeKindOfString(*item))
        menuItem->setEnabled(true);
}

} // namespace nimbrel
