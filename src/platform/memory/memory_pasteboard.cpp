#include "platform/memory/memory_pasteboard.h"

#include "platform/pasteboard_types.h"

#include <utility>

namespace nimbrel {
namespace {

class MemoryItem final : public PasteboardItem {
public:
    explicit MemoryItem(std::vector<std::pair<std::string, std::optional<std::string>>> entries)
        : m_entries(std::move(entries))
    {
    }

    std::vector<std::string> types() const override
    {
        std::vector<std::string> result;
        for (const auto &entry : m_entries)
            result.push_back(entry.first);
        return result;
    }

    std::optional<SharedText> stringForType(std::string_view type) const override
    {
        for (const auto &entry : m_entries) {
            if (entry.first == type)
                return entry.second ? std::optional<SharedText>(*entry.second) : std::nullopt;
        }
        return std::nullopt;
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_entries;
};

} // namespace

std::shared_ptr<const PasteboardItem> makeItem(std::vector<std::pair<std::string, std::optional<std::string>>> entries)
{
    return std::make_shared<MemoryItem>(std::move(entries));
}

std::int64_t MemoryPasteboard::changeCount() const
{
    ++m_changeCountReads;
    return m_changeCount;
}

std::vector<std::shared_ptr<const PasteboardItem>> MemoryPasteboard::pasteboardItems() const
{
    ++m_otherReads;
    return m_contents.items;
}

std::optional<std::vector<std::string>> MemoryPasteboard::propertyListForType(std::string_view type) const
{
    ++m_otherReads;
    if (type != FilenamesPboardType)
        return std::nullopt;
    return m_contents.fileNames;
}

void MemoryPasteboard::clearContents()
{
    ++m_writes;
    m_clearedContents = std::exchange(m_contents, {});
    ++m_changeCount;
}

bool MemoryPasteboard::writeObjects(std::vector<std::shared_ptr<const StringPasteboardItem>> items)
{
    ++m_writes;
    std::optional<Contents> cleared = std::exchange(m_clearedContents, std::nullopt);
    if (m_refuseWrites) {
        if (cleared)
            m_contents = std::move(*cleared);
        return false;
    }
    m_contents.items.assign(items.begin(), items.end());
    ++m_changeCount;
    return true;
}

void MemoryPasteboard::copy(std::vector<std::shared_ptr<const PasteboardItem>> items,
                            std::optional<std::vector<std::string>> fileNames)
{
    m_clearedContents.reset();
    m_contents = {std::move(items), std::move(fileNames)};
    ++m_changeCount;
}

} // namespace nimbrel
