// The rewrite shared by the text actions. A plain-text item is transformed and written back
// under the plain-text type. A rich item (RTF or HTML) is never transformed as markup, which
// would corrupt the document: its plain text is transformed and written back alone, and a rich
// item without plain text stays on the clipboard untouched. A password manager's secret stays
// marked as one, so that nobody announces or records the rewritten text, and it expires as the
// password manager meant its copy to: a password manager clears the clipboard after a while, but
// only while it still owns it, and the rewrite has taken it over.
#include "app/app_delegate.h"

#include "platform/pasteboard.h"
#include "platform/pasteboard_types.h"
#include "platform/timer.h"

namespace nimbrel {

bool AppDelegate::rewriteItem(const PasteboardItem &item, TextTransformation transformation)
{
    // Whatever the primary type, the text that is safe to transform is the plain text.
    const auto text = item.stringForType(PasteboardTypeString);
    if (!text)
        return false;
    auto newItem = std::make_shared<StringPasteboardItem>();
    newItem->setStringForType(transformation(*text), PasteboardTypeString);
    return writeItem(item, std::move(newItem));
}

bool AppDelegate::writeItem(const PasteboardItem &source, std::shared_ptr<StringPasteboardItem> item)
{
    const bool concealed = itemIsConcealed(source);
    if (concealed)
        item->setStringForType(SharedText(), PasteboardTypeConcealed);
    m_pasteboard.clearContents();
    if (!m_pasteboard.writeObjects({std::move(item)}))
        return false;
    if (concealed) {
        // Any change since, a copy or a clear, the program's own included, is newer than the secret.
        const std::int64_t written = m_pasteboard.changeCount();
        m_concealedExpiryTimer = m_timers.scheduledTimer(concealedItemLifetime, [this, written] {
            m_concealedExpiryTimer.reset();
            if (m_pasteboard.changeCount() == written)
                m_pasteboard.clearContents();
        });
    }
    return true;
}

} // namespace nimbrel
