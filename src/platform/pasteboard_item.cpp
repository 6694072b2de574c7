#include "platform/pasteboard_item.h"

#include <algorithm>

namespace nimbrel {

void StringPasteboardItem::setStringForType(SharedText text, std::string_view type)
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [type](const auto &entry) { return entry.first == type; });
    if (found != m_entries.end()) {
        found->second = std::move(text);
        return;
    }
    m_entries.emplace_back(std::string(type), std::move(text));
}

std::vector<std::string> StringPasteboardItem::types() const
{
    std::vector<std::string> result;
    result.reserve(m_entries.size());
    for (const auto &entry : m_entries)
        result.push_back(entry.first);
    return result;
}

std::optional<SharedText> StringPasteboardItem::stringForType(std::string_view type) const
{
    for (const auto &entry : m_entries) {
        if (entry.first == type)
            return entry.second;
    }
    return std::nullopt;
}

} // namespace nimbrel
