#pragma once

#include "platform/text_view.h"

namespace nimbrel {

// A text view that records the text shown and how often it was set.
class MemoryTextView final : public TextView {
public:
    explicit MemoryTextView(std::string text = {}) : m_text(std::move(text)) {}

    std::string string() const override { return m_text; }
    void setString(std::string_view text) override
    {
        m_text = text;
        ++m_setCount;
    }

    int setCount() const { return m_setCount; }

private:
    std::string m_text;
    int m_setCount = 0;
};

} // namespace nimbrel
