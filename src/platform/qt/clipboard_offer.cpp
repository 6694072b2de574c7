#include "platform/qt/clipboard_offer.h"

#include "platform/pasteboard_types.h"
#include "platform/qt/target_names.h"

#include <algorithm>
#include <array>

namespace nimbrel {
namespace {

// The names plain text is asked for by: MIME readers, then X11's own.
constexpr std::array<std::string_view, 4> plainTextNames{"text/plain;charset=utf-8", "text/plain", "UTF8_STRING",
                                                         "TEXT"};
// TEXT leaves the encoding to the owner, who names it in the answer's type.
constexpr std::string_view textTarget = "TEXT";
constexpr std::string_view utf8Target = "UTF8_STRING";

} // namespace

const SharedText *ClipboardOffer::find(std::string_view name) const
{
    const auto found = std::find_if(formats.begin(), formats.end(), [name](const auto &format) { return format.first == name; });
    return found == formats.end() ? nullptr : &found->second;
}

ClipboardOffer offerOf(const std::vector<std::shared_ptr<const StringPasteboardItem>> &items)
{
    ClipboardOffer offer;
    offer.answerTypes.emplace(textTarget, utf8Target);
    const auto add = [&offer](std::string_view name, const SharedText &bytes) {
        if (!offer.find(name))
            offer.formats.emplace_back(std::string(name), bytes);
    };
    for (const auto &item : items) {
        if (!item)
            continue;
        for (const auto &[type, text] : item->entries()) {
            if (type == PasteboardTypeString) {
                for (const std::string_view name : plainTextNames)
                    add(name, text);
            } else if (type == PasteboardTypeConcealed) {
                add(targets::passwordManagerHint, SharedText(std::string(targets::passwordManagerSecret)));
            } else {
                add(type, text);
            }
        }
    }
    return offer;
}

} // namespace nimbrel
