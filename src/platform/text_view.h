#pragma once

#include <string>
#include <string_view>

namespace nimbrel {

// The text view that shows the clipboard text.
class TextView {
public:
    TextView() = default;
    virtual ~TextView() = default;
    TextView(const TextView &) = delete;
    TextView &operator=(const TextView &) = delete;

    // The text shown; empty when the view is empty.
    virtual std::string string() const = 0;
    // Shows this text. A view may show only the start of a very long text, to stay responsive.
    virtual void setString(std::string_view text) = 0;
};

} // namespace nimbrel
