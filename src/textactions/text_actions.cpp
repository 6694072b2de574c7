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

bool AppDelegate::capitalize(const PasteboardItem &item)
{
    return rewriteItem(item, capitalizedString);
}

bool AppDelegate::lowercase(const PasteboardItem &item)
{
    return rewriteItem(item, lowercaseString);
}

bool AppDelegate::uppercase(const PasteboardItem &item)
{
    return rewriteItem(item, uppercaseString);
}

bool AppDelegate::snakecase(const PasteboardItem &item)
{
    return rewriteItem(item, snakeCase);
}

bool AppDelegate::removeFormatting(const PasteboardItem &item)
{
    // A plain-text item has no formatting to remove; leave the clipboard alone.
    if (getItemType(item) == PasteboardTypeString)
        return false;
    return rewritePlainText(item, unchanged);
}

bool AppDelegate::removeMultipleWhitespace(const PasteboardItem &item)
{
    return rewriteItem(item, collapseWhitespace);
}

bool AppDelegate::removeAllWhitespace(const PasteboardItem &item)
{
    return rewriteItem(item, removeAllSpaces);
}

} // namespace nimbrel
