// The rewrite shared by the text actions. A plain-text item is transformed and written back
// under the plain-text type. A rich item keeps its RTF and HTML: in each, only the document's
// text is transformed and every tag, control word and destination stays byte for byte, beside
// the transformed plain text, whose lines stay as the documents' blocks do. A document that
// cannot be parsed with confidence is never rewritten as markup: then the plain text alone is
// written, and a rich item without plain text stays on the clipboard untouched. A password
// manager's secret stays marked as one, so that nobody announces or records the rewritten text,
// and it expires as the password manager meant its copy to: a password manager clears the
// clipboard after a while, but only while it still owns it, and the rewrite has taken it over.
// Only an item whose first type is text is rewritten: a file manager's copy also offers its paths
// as text, and rewriting those would turn the copied files into a line of text. An empty result
// would empty the clipboard, so it counts as nothing to rewrite.
//
// The transformation runs as background work on the texts it was handed, shared and immutable;
// its result is written on the main thread, and only while the clipboard still holds what it was
// made from: anything newer (a copy, a clear) wins.
#include "app/app_delegate.h"

#include "platform/background_work.h"
#include "platform/pasteboard.h"
#include "platform/pasteboard_types.h"
#include "platform/timer.h"
#include "platform/utf8.h"
#include "textactions/rich_document.h"

namespace nimbrel {
namespace {

// The plain text is transformed this much at most between looks at the stop request.
constexpr std::size_t plainChunk = std::size_t{1} << 20;

struct RewriteSources {
    SharedText plain;
    std::optional<SharedText> rtf;
    std::optional<SharedText> html;
};

std::optional<std::string> transformedPlainText(std::string_view text, Transformation transformation,
                                                TextLayout layout, const std::stop_token &stop)
{
    std::string storage;
    const std::string_view valid = validUtf8View(text, storage);
    std::string result;
    result.reserve(valid.size() + valid.size() / 16);
    const auto transformer = makeTextTransformer(transformation, layout);
    for (std::size_t start = 0; start < valid.size();) {
        if (stop.stop_requested())
            return std::nullopt;
        std::size_t end = std::min(start + plainChunk, valid.size());
        while (end < valid.size() && (static_cast<unsigned char>(valid[end]) & 0xC0) == 0x80)
            --end;
        transformer->append(valid.substr(start, end - start), result);
        start = end;
    }
    transformer->endText(result);
    return result;
}

// The new item, or nullptr when there is nothing to write.
std::shared_ptr<StringPasteboardItem> rewrittenItem(const RewriteSources &sources, Transformation transformation,
                                                    const std::stop_token &stop)
{
    const bool rich = sources.rtf || sources.html;
    std::optional<std::string> plain =
        transformedPlainText(sources.plain, transformation, rich ? TextLayout::rich : TextLayout::plain, stop);
    if (!plain || plain->empty())
        return nullptr;
    auto item = std::make_shared<StringPasteboardItem>();
    for (const auto &[format, type, source] : {std::tuple{RichFormat::rtf, PasteboardTypeRTF, &sources.rtf},
                                               std::tuple{RichFormat::html, PasteboardTypeHTML, &sources.html}}) {
        if (!*source)
            continue;
        std::optional<std::string> document = rewriteDocument(format, **source, transformation, stop);
        if (stop.stop_requested())
            return nullptr;
        if (!document) {
            // Either document in doubt: the plain text alone, as it was before rich text was kept.
            item = std::make_shared<StringPasteboardItem>();
            break;
        }
        item->setStringForType(std::move(*document), type);
    }
    item->setStringForType(std::move(*plain), PasteboardTypeString);
    return item;
}

} // namespace

void AppDelegate::rewriteItem(const std::shared_ptr<const PasteboardItem> &item, Transformation transformation,
                              TextActionDone done)
{
    std::optional<SharedText> plain;
    if (item && firstItemIsSomeKindOfString(*item))
        plain = item->stringForType(PasteboardTypeString);
    if (!plain) {
        if (done)
            done(false);
        return;
    }
    RewriteSources sources{std::move(*plain), item->stringForType(PasteboardTypeRTF),
                           item->stringForType(PasteboardTypeHTML)};
    const bool concealed = itemIsConcealed(*item);
    const std::int64_t basis = m_pasteboard.changeCount();
    m_background.start([this, sources = std::move(sources), transformation, concealed, basis,
                        done = std::move(done)](std::stop_token stop) mutable -> BackgroundWork::Completion {
        auto newItem = rewrittenItem(sources, transformation, stop);
        return [this, newItem = std::move(newItem), concealed, basis, done = std::move(done)]() mutable {
            const bool current = m_pasteboard.changeCount() == basis;
            const bool rewritten = newItem && current && writeItem(concealed, std::move(newItem));
            if (done)
                done(rewritten);
        };
    });
}

bool AppDelegate::writeItem(bool concealed, std::shared_ptr<StringPasteboardItem> item)
{
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
