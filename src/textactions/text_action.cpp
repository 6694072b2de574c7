#include "textactions/text_action.h"

#include "platform/menu_item.h"
#include "platform/text_translation.h"

namespace nimbrel {

const std::array<TextAction, 7> &textActions()
{
    // The titles are what scripts and key bindings name, English in every language; only the
    // pop-up list shows them translated.
    static const std::array<TextAction, 7> actions{{
        {translatable("TextAction", "Capitalize"), &AppDelegate::capitalize},
        {translatable("TextAction", "Lowercase"), &AppDelegate::lowercase},
        {translatable("TextAction", "Uppercase"), &AppDelegate::uppercase},
        {translatable("TextAction", "Snakecase"), &AppDelegate::snakecase},
        {translatable("TextAction", "Remove rich text formatting"), &AppDelegate::removeFormatting},
        {translatable("TextAction", "Remove multiple whitespace"), &AppDelegate::removeMultipleWhitespace},
        {translatable("TextAction", "Remove all whitespace"), &AppDelegate::removeAllWhitespace},
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

void AppDelegate::runTextAction(std::string_view title, TextActionDone done)
{
    if (m_textActionRunning) {
        if (m_waitingTextActions.size() < maximalWaitingTextActions)
            m_waitingTextActions.emplace_back(std::string(title), std::move(done));
        else if (done)
            done(false);
        return;
    }
    const auto *textAction = findTextAction(title);
    const auto item = hasItems() ? getFirstItem() : nullptr;
    if (!textAction || !item) {
        if (done)
            done(false);
        return;
    }
    m_textActionRunning = true;
    (this->*(textAction->action))(item, [this, done = std::move(done)](bool rewritten) {
        finishTextAction(rewritten, done);
    });
}

void AppDelegate::finishTextAction(bool rewritten, const TextActionDone &done)
{
    m_textActionRunning = false;
    if (done)
        done(rewritten);
    // An action that finds nothing to do ends at once; the next one starts then.
    while (!m_textActionRunning && !m_waitingTextActions.empty()) {
        auto [title, next] = std::move(m_waitingTextActions.front());
        m_waitingTextActions.pop_front();
        runTextAction(title, std::move(next));
    }
}

} // namespace nimbrel
