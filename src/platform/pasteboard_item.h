#pragma once

#include "platform/shared_text.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nimbrel {

// One item on the clipboard: an ordered list of types, with text for some of them.
class PasteboardItem {
public:
    PasteboardItem() = default;
    virtual ~PasteboardItem() = default;
    PasteboardItem(const PasteboardItem &) = delete;
    PasteboardItem &operator=(const PasteboardItem &) = delete;

    // The item's type identifiers, most preferred first; empty when it has none.
    virtual std::vector<std::string> types() const = 0;
    // The item's text for that type (UTF-8), shared rather than copied; nullopt when it holds no
    // text for it.
    virtual std::optional<SharedText> stringForType(std::string_view type) const = 0;
};

// An item built from strings, the form in which the program writes the clipboard.
class StringPasteboardItem final : public PasteboardItem {
public:
    StringPasteboardItem() = default;

    // Adds the string under the type, or replaces the string of a type already set.
    void setStringForType(SharedText text, std::string_view type);

    std::vector<std::string> types() const override;
    std::optional<SharedText> stringForType(std::string_view type) const override;

    // The (type, text) pairs in the order they were first set.
    const std::vector<std::pair<std::string, SharedText>> &entries() const { return m_entries; }

private:
    std::vector<std::pair<std::string, SharedText>> m_entries;
};

} // namespace nimbrel
