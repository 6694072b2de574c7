#include "app/app_delegate.h"

#include "platform/pasteboard_item.h"
#include "platform/pasteboard_types.h"
#include "textactions/text_transformer.h"

namespace nimbrel {

void AppDelegate::capitalize(const std::shared_ptr<const PasteboardItem> &item, TextActionDone done)
{
    rewriteItem(item, Transformation::capitalize, std::move(done));
}

void AppDelegate::lowercase(const std::shared_ptr<const PasteboardItem> &item, TextActionDone done)
{
    rewriteItem(item, Transformation::lowercase, std::move(done));
}

void AppDelegate::uppercase(const std::shared_ptr<const PasteboardItem> &item, TextActionDone done)
{
    rewriteItem(item, Transformation::uppercase, std::move(done));
}

void AppDelegate::snakecase(const std::shared_ptr<const PasteboardItem> &item, TextActionDone done)
{
    rewriteItem(item, Transformation::snakeCase, std::move(done));
}

// The plain text as it is, alone: nothing to transform, so it is written at once.
void AppDelegate::removeFormatting(const std::shared_ptr<const PasteboardItem> &item, TextActionDone done)
{
    std::optional<SharedText> text;
    // A plain-text item has no formatting to remove; leave the clipboard alone.
    if (item && getItemType(*item) != PasteboardTypeString && firstItemIsSomeKindOfString(*item))
        text = item->stringForType(PasteboardTypeString);
    bool rewritten = false;
    if (text && !text->empty()) {
        auto newItem = std::make_shared<StringPasteboardItem>();
        newItem->setStringForType(std::move(*text), PasteboardTypeString);
        rewritten = writeItem(itemIsConcealed(*item), std::move(newItem));
    }
    if (done)
        done(rewritten);
}

void AppDelegate::removeMultipleWhitespace(const std::shared_ptr<const PasteboardItem> &item, TextActionDone done)
{
    rewriteItem(item, Transformation::collapseWhitespace, std::move(done));
}

void AppDelegate::removeAllWhitespace(const std::shared_ptr<const PasteboardItem> &item, TextActionDone done)
{
    rewriteItem(item, Transformation::removeAllSpaces, std::move(done));
}

} // namespace nimbrel
