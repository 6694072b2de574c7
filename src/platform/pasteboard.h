#pragma once

#include "platform/pasteboard_item.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nimbrel {

// The system clipboard as the program sees it. Every query answers at once from what the
// platform already holds; none of them waits for another application.
class Pasteboard {
public:
    Pasteboard() = default;
    virtual ~Pasteboard() = default;
    Pasteboard(const Pasteboard &) = delete;
    Pasteboard &operator=(const Pasteboard &) = delete;

    // Raised on every change of the contents, the program's own writes and clears included.
    virtual std::int64_t changeCount() const = 0;
    // The items in order, the first being the one that counts; empty for an empty clipboard.
    virtual std::vector<std::shared_ptr<const PasteboardItem>> pasteboardItems() const = 0;
    // The list of file paths for FilenamesPboardType; nullopt when the clipboard holds none.
    virtual std::optional<std::vector<std::string>> propertyListForType(std::string_view type) const = 0;
    // Empties the clipboard and raises the change count.
    virtual void clearContents() = 0;
    // Puts the items on the clipboard in the order given and raises the change count. False, with
    // nothing changed, when the clipboard could not be taken, for instance because newer contents
    // than those the program has seen arrived meanwhile.
    virtual bool writeObjects(std::vector<std::shared_ptr<const StringPasteboardItem>> items) = 0;
    // Leaves what the program wrote to the desktop's clipboard manager, where one runs, so that it
    // outlives the program; nothing happens while another program's contents are on the clipboard.
    // Returns once the manager has them or has had its time, which is bounded.
    virtual void handOverContents() = 0;
};

} // namespace nimbrel
