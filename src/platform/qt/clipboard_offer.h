#pragma once

#include "platform/pasteboard_item.h"
#include "platform/shared_text.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace nimbrel {

// What the program puts on the clipboard: each format's name, as both X11 targets and Wayland MIME
// types spell it, with its bytes, in the order offered. The bytes are shared with the items they
// came from, so offering one text under several names costs nothing.
struct ClipboardOffer {
    std::vector<std::pair<std::string, SharedText>> formats;
    // Names whose bytes are answered under a type of another name, as their owner answered them
    // (X11's TEXT in the encoding the owner picked); the others are answered under their own.
    std::map<std::string, std::string, std::less<>> answerTypes{};

    // The bytes offered under the name; nullptr when there are none.
    const SharedText *find(std::string_view name) const;
};

// The offer for the items the program writes: plain text under the names other programs ask for
// it by, the other types under their own MIME names, and the concealed marker as the hint that
// password managers set. Where two items hold the same type, the first wins.
ClipboardOffer offerOf(const std::vector<std::shared_ptr<const StringPasteboardItem>> &items);

} // namespace nimbrel
