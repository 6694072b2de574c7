#pragma once

#include "platform/pasteboard_item.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace nimbrel {

// The clipboard's contents as read once after a change. Never modified after it is built, so
// the GUI thread can hand out its items while the reader builds the next one.
struct ClipboardSnapshot {
    std::vector<std::shared_ptr<const PasteboardItem>> items;
    std::optional<std::vector<std::string>> fileNames;
};

} // namespace nimbrel
