// The rewrite shared by the text actions. A plain-text item is transformed and written back
// under the plain-text type. A rich item (RTF or HTML) is never transformed as markup, which
// would corrupt the document: its plain text is transformed and written back alone, and a rich
// item without plain text stays on the clipboard untouched.
#include "app/app_delegate.h"

#include "platform/pasteboard.h"
#include "platform/pasteboard_types.h"

namespace nimbrel {

void AppDelegate::rewriteItem(const PasteboardItem &item, TextTransformation transformation)
{
    // Whatever the primary type, the text that is safe to transform is the plain text.
    auto text = item.stringForType(PasteboardTypeString);
    if (!text)
        return;
    auto newItem = std::make_shared<StringPasteboardItem>();
    newItem->setStringForType(transformation(*text), PasteboardTypeString);
    writeItem(std::move(newItem));
}

void AppDelegate::writeItem(std::shared_ptr<const StringPasteboardItem> item)
{
    m_pasteboard.clearContents();
    m_pasteboard.writeObjects({std::move(item)});
}

} // namespace nimbrel
