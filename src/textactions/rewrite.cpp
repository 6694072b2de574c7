// The rewrite shared by the text actions. A plain-text item is transformed and written back
// under the plain-text type. A rich item (RTF or HTML) is never transformed as markup, which
// would corrupt the document: its plain text is transformed and written back alone, and a rich
// item without plain text stays on the clipboard untouched. A password manager's secret stays
// marked as one, so that nobody announces or records the rewritten text. Only an item whose first
// type is text is rewritten: a file manager's copy also offers its paths as text, and rewriting
// those would turn the copied files into a line of text. An empty result would empty the clipboard,
// so it counts as nothing to rewrite.
#include "app/app_delegate.h"

#include "platform/pasteboard.h"
#include "platform/pasteboard_types.h"

namespace nimbrel {

bool AppDelegate::rewriteItem(const PasteboardItem &item, TextTransformation transformation)
{
    if (!firstItemIsSomeKindOfString(item))
        return false;
    // Whatever the primary type, the text that is safe to transform is the plain text.
    const auto text = item.stringForType(PasteboardTypeString);
    if (!text)
        return false;
    std::string result = transformation(*text);
    if (result.empty())
        return false;
    auto newItem = std::make_shared<StringPasteboardItem>();
    newItem->setStringForType(std::move(result), PasteboardTypeString);
    return writeItem(item, std::move(newItem));
}

bool AppDelegate::writeItem(const PasteboardItem &source, std::shared_ptr<StringPasteboardItem> item)
{
    if (itemIsConcealed(source))
        item->setStringForType(SharedText(), PasteboardTypeConcealed);
    m_pasteboard.clearContents();
    return m_pasteboard.writeObjects({std::move(item)});
}

} // namespace nimbrel
