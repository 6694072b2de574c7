#include "app/app_delegate.h"

#include "platform/pasteboard.h"
#include "platform/pasteboard_types.h"

#include <algorithm>

namespace nimbrel {
namespace {

bool itemCarriesType(const PasteboardItem &item, std::string_view type)
{
    const auto types = item.types();
    return std::find(types.begin(), types.end(), type) != types.end();
}

} // namespace

bool AppDelegate::hasItems() const
{
    return !m_pasteboard.pasteboardItems().empty();
}

std::shared_ptr<const PasteboardItem> AppDelegate::getFirstItem() const
{
    const auto items = m_pasteboard.pasteboardItems();
    if (items.empty())
        return nullptr;
    return items.front();
}

bool AppDelegate::isTextItem(const PasteboardItem &item) const
{
    return itemCarriesType(item, PasteboardTypeString);
}

bool AppDelegate::isHTMLItem(const PasteboardItem &item) const
{
    return itemCarriesType(item, PasteboardTypeHTML);
}

bool AppDelegate::isRTFItem(const PasteboardItem &item) const
{
    return itemCarriesType(item, PasteboardTypeRTF);
}

bool AppDelegate::itemIsConcealed(const PasteboardItem &item) const
{
    return itemCarriesType(item, PasteboardTypeConcealed);
}

ClipboardItemType AppDelegate::getItemType(const PasteboardItem &item) const
{
    // Where the types stand in the list plays no part: RTF wins over HTML over plain text.
    if (isRTFItem(item))
        return ClipboardItemType(PasteboardTypeRTF);
    if (isHTMLItem(item))
        return ClipboardItemType(PasteboardTypeHTML);
    return ClipboardItemType(PasteboardTypeString);
}

bool AppDelegate::firstItemIsSomeKindOfString(const PasteboardItem &item) const
{
    const auto types = item.types();
    if (types.empty())
        return false;
    const auto &first = types.front();
    return first == PasteboardTypeString || first == PasteboardTypeRTF || first == PasteboardTypeHTML;
}

} // namespace nimbrel
