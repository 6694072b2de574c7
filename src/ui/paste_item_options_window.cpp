#include "app/app_delegate.h"

#include "platform/text_view.h"
#include "platform/window.h"

namespace nimbrel {

void AppDelegate::textActionsMenuItem(const std::shared_ptr<MenuItem> &)
{
    showPasteItemOptions();
}

bool AppDelegate::showPasteItemOptions()
{
    if (!hasItems())
        return false;
    const auto item = getFirstItem();
    if (!item || !firstItemIsSomeKindOfString(*item))
        return false;
    presentWindow(m_outlets.pasteItemOptionsWindow);
    return true;
}

void AppDelegate::closePasteItemOptions()
{
    if (const auto window = m_outlets.pasteItemOptionsWindow.lock())
        window->orderOut();
}

void AppDelegate::setCurrentTextItemViewValue(std::string_view value)
{
    if (m_outlets.currentItemTextView)
        m_outlets.currentItemTextView->setString(value);
}

} // namespace nimbrel
