#include "app/app_delegate.h"

#include "platform/pasteboard_types.h"
#include "platform/string_operations.h"
#include "textactions/transformations.h"

namespace nimbrel {
namespace {

std::string unchanged(std::string_view text)
{
    return std::string(text);
}

} // namespace

void AppDelegate::capitalize(const PasteboardItem &item)
{
    rewriteItem(item, capitalizedString);
}

void AppDelegate::lowercase(const PasteboardItem &item)
{
    rewriteItem(item, lowercaseString);
}

void AppDelegate::uppercase(const PasteboardItem &item)
{
    rewriteItem(item, uppercaseString);
}

void AppDelegate::snakecase(const PasteboardItem &item)
{
    rewriteItem(item, snakeCase);
}

void AppDelegate::removeFormatting(const PasteboardItem &item)
{
    // A plain-text item has no formatting to remove; leave the clipboard alone.
    if (getItemType(item) == PasteboardTypeString)
        return;
    rewriteItem(item, unchanged);
}

void AppDelegate::removeMultipleWhitespace(const PasteboardItem &item)
{
    rewriteItem(item, collapseWhitespace);
}

void AppDelegate::removeAllWhitespace(const PasteboardItem &item)
{
    rewriteItem(item, removeAllSpaces);
}

} // namespace nimbrel
