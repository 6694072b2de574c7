// The rewrite shared by the text actions. A plain-text item is transformed and written back
// under the plain-text type. A rich item keeps its RTF and HTML: in each, only the document's
// text is transformed and every tag, control word and destination stays byte for byte, beside
// the transformed plain text. A document that cannot be parsed with confidence is never
// rewritten as markup: then the plain text alone is written, and a rich item without plain text
// stays on the clipboard untouched. A password manager's secret stays marked as one, so that
// nobody announces or records the rewritten text, and it expires as the password manager meant
// its copy to: a password manager clears the clipboard after a while, but only while it still
// owns it, and the rewrite has taken it over.
// Only an item whose first type is text is rewritten: a file manager's copy also offers its paths
// as text, and rewriting those would turn the copied files into a line of text. An empty result
// would empty the clipboard, so it counts as nothing to rewrite.
#include "app/app_delegate.h"

#include "platform/pasteboard.h"
#include "platform/pasteboard_types.h"
#include "platform/timer.h"
#include "textactions/marked_up_text.h"

namespace nimbrel {
namespace {

struct RichFormat {
    std::string_view type;
    DocumentPieces (*parse)(std::string_view source);
    TextEncoder encode = nullptr;
};

} // namespace

bool AppDelegate::rewriteItem(const PasteboardItem &item, TextTransformation transformation)
{
    auto plainResult = transformedPlainText(item, transformation);
    if (!plainResult)
        return false;
    auto newItem = std::make_shared<StringPasteboardItem>();
    for (const RichFormat format : {RichFormat{PasteboardTypeRTF, rtfPieces, appendRtfText},
                                    RichFormat{PasteboardTypeHTML, htmlPieces, appendHtmlText}}) {
        const auto source = item.stringForType(format.type);
        if (!source)
            continue;
        const DocumentPieces pieces = format.parse(*source);
        if (!pieces) {
            // Either document in doubt: the plain text alone, as it was before rich text was kept.
            newItem = std::make_shared<StringPasteboardItem>();
            break;
        }
        newItem->setStringForType(rewriteDocument(*source, *pieces, transformation, format.encode), format.type);
    }
    newItem->setStringForType(std::move(*plainResult), PasteboardTypeString);
    return writeItem(item, std::move(newItem));
}

bool AppDelegate::rewritePlainText(const PasteboardItem &item, TextTransformation transformation)
{
    auto result = transformedPlainText(item, transformation);
    if (!result)
        return false;
    auto newItem = std::make_shared<StringPasteboardItem>();
    newItem->setStringForType(std::move(*result), PasteboardTypeString);
    return writeItem(item, std::move(newItem));
}

std::optional<std::string> AppDelegate::transformedPlainText(const PasteboardItem &item,
                                                             TextTransformation transformation) const
{
    if (!firstItemIsSomeKindOfString(item))
        return std::nullopt;
    // Whatever the primary type, the text that is safe to transform whole is the plain text.
    const auto text = item.stringForType(PasteboardTypeString);
    if (!text)
        return std::nullopt;
    std::string result = transformation(*text);
    if (result.empty())
        return std::nullopt;
    return result;
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
