#include "app/app_delegate.h"

#include "platform/menu_item.h"
#include "platform/pasteboard.h"

namespace nimbrel {

void AppDelegate::clearClipboardMenuItem(const std::shared_ptr<MenuItem> &)
{
    m_pasteboard.clearContents();
    // Enabled again by the next tick that finds content on the clipboard.
    if (const auto clearItem = m_outlets.clearClipboardMenuItem.lock())
        clearItem->setEnabled(false);
}

} // namespace nimbrel
