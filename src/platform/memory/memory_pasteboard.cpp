#include "platform/memory/memory_pasteboard.h"

#include "platform/pasteboard_types.h"

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
    return m_items;
}

std::optional<std::vector<std::string>> MemoryPasteboard::propertyListForType(std::string_view type) const
{
    ++m_otherReads;
    if (type != FilenamesPboardType)
        return std::nullopt;
    return m_fileNames;
}

void MemoryPasteboard::clearContents()
{
    ++m_writes;
    m_items.clear();
    m_fileNames.reset();
    ++m_changeCount;
}

bool MemoryPasteboard::writeObjects(std::vector<std::shared_ptr<const StringPasteboardItem>> items)
{
    ++m_writes;
    if (m_refuseWrites)
        return false;
    m_items.assign(items.begin(), items.end());
    ++m_changeCount;
    return true;
}

void MemoryPasteboard::copy(std::vector<std::shared_ptr<const PasteboardItem>> items,
                            std::optional<std::vector<std::string>> fileNames)
{
    m_items = std::move(items);
    m_fileNames = std::move(fileNames);
    ++m_changeCount;
}

} // namespace nimbrel
