#include "platform/qt/snapshot_item.h"

namespace nimbrel {

SnapshotItem::SnapshotItem(std::vector<std::string> types, std::vector<Text> texts)
    : m_types(std::move(types))
    , m_texts(std::move(texts))
{
}

std::vector<std::string> SnapshotItem::types() const
{
    return m_types;
}

std::optional<SharedText> SnapshotItem::stringForType(std::string_view type) const
{
    for (const auto &[name, text] : m_texts) {
        if (name == type)
            return text;
    }
    return std::nullopt;
}

} // namespace nimbrel
