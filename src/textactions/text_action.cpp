#include "textactions/text_action.h"

#include "app/app_delegate.h"
#include "platform/menu_item.h"

namespace nimbrel {

const std::array<TextAction, 7> &textActions()
{
    static const std::array<TextAction, 7> actions{{
        {"Capitalize", &AppDelegate::capitalize},
        {"Lowercase", &AppDelegate::lowercase},
        {"Uppercase", &AppDelegate::uppercase},
        {"Snakecase", &AppDelegate::snakecase},
        {"Remove rich text formatting", &AppDelegate::removeFormatting},
        {"Remove multiple whitespace", &AppDelegate::removeMultipleWhitespace},
        {"Remove all whitespace", &AppDelegate::removeAllWhitespace},
    }};
    return actions;
}

std::vector<std::string_view> textActionTitles()
{
    std::vector<std::string_view> titles;
    for (const auto &action : textActions())
        titles.push_back(action.title);
    return titles;
}

const TextAction *findTextAction(std::string_view title)
{
    for (const auto &action : textActions()) {
        if (action.title == title)
            return &action;
    }
    return nullptr;
}

void AppDelegate::activePopupRunItem(const std::shared_ptr<MenuItem> &sender)
{
    setActivePopupRunMenuItem(sender);
}

void AppDelegate::setActivePopupRunMenuItem(std::shared_ptr<MenuItem> item)
{
    m_activePopupRunItem = std::move(item);
}

void AppDelegate::run(const std::shared_ptr<Button> &)
{
    if (!m_activePopupRunItem)
        return;
    runTextAction(m_activePopupRunItem->title());
}

bool AppDelegate::runTextAction(std::string_view title)
{
    if (!hasItems())
        return false;
    const auto item = getFirstItem();
    if (!item)
        return false;
    const auto *textAction = findTextAction(title);
    return textAction && (this->*(textAction->action))(*item);
}

} // namespace nimbrel
