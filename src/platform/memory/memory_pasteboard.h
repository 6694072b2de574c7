#pragma once

#include "platform/pasteboard.h"

#include <map>

namespace nimbrel {

// A clipboard held in memory. Tests put content on it as another application would, and can
// count how often the program asks for it.
class MemoryPasteboard final : public Pasteboard {
public:
    std::int64_t changeCount() const override;
    std::vector<std::shared_ptr<const PasteboardItem>> pasteboardItems() const override;
    std::optional<std::vector<std::string>> propertyListForType(std::string_view type) const override;
    void clearContents() override;
    bool writeObjects(std::vector<std::shared_ptr<const StringPasteboardItem>> items) override;
    void handOverContents() override { ++m_handOvers; }

    // Replaces the content as another application would: items and, optionally, file names.
    void copy(std::vector<std::shared_ptr<const PasteboardItem>> items,
              std::optional<std::vector<std::string>> fileNames = std::nullopt);
    // Makes writes fail as a desktop clipboard does when newer contents arrived meanwhile. As
    // there, a refused write leaves the contents as they were before the clear that came with it.
    void refuseWrites(bool refuse) { m_refuseWrites = refuse; }
    // The items as last written, for checking what the program put on the clipboard.
    const std::vector<std::shared_ptr<const PasteboardItem>> &items() const { return m_contents.items; }

    // How often each query was made; the change count reads included.
    int changeCountReads() const { return m_changeCountReads; }
    int otherReads() const { return m_otherReads; }
    int writes() const { return m_writes; }
    // How often the contents were handed over to a clipboard manager.
    int handOvers() const { return m_handOvers; }

private:
    struct Contents {
        std::vector<std::shared_ptr<const PasteboardItem>> items;
        std::optional<std::vector<std::string>> fileNames;
    };

    Contents m_contents;
    // What the last clear took, until the next write or copy: the desktop carries a clear out only
    // after a write in the same turn had its chance to replace it, and a refused write cancels it.
    std::optional<Contents> m_clearedContents;
    std::int64_t m_changeCount = 0;
    mutable int m_changeCountReads = 0;
    mutable int m_otherReads = 0;
    int m_writes = 0;
    int m_handOvers = 0;
    bool m_refuseWrites = false;
};

// An item built from (type, text) pairs; a type given without text is listed but yields none.
std::shared_ptr<const PasteboardItem> makeItem(std::vector<std::pair<std::string, std::optional<std::string>>> entries);

} // namespace nimbrel
