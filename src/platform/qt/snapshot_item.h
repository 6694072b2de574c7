#pragma once

#include "platform/pasteboard_item.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace nimbrel {

// One item of a snapshot, as read from the clipboard owner.
class SnapshotItem final : public PasteboardItem {
public:
    using Text = std::pair<std::string, SharedText>;

    SnapshotItem(std::vector<std::string> types, std::vector<Text> texts);

    std::vector<std::string> types() const override;
    std::optional<SharedText> stringForType(std::string_view type) const override;

private:
    std::vector<std::string> m_types;
    std::vector<Text> m_texts;
};

} // namespace nimbrel
