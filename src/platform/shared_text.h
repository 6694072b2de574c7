#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace nimbrel {

// Immutable UTF-8 text shared by everyone who holds it. A clipboard text can be tens of
// megabytes, and the item, the tick, the text view and the notification all hold the same one:
// copying it on the main thread would stall the program.
class SharedText {
public:
    SharedText() = default;
    SharedText(std::string text) // NOLINT(google-explicit-constructor): a text is a text
        : m_text(std::make_shared<const std::string>(std::move(text)))
    {
    }
    SharedText(const char *text) // NOLINT(google-explicit-constructor)
        : SharedText(std::string(text))
    {
    }

    const std::string &str() const { return m_text ? *m_text : emptyText(); }
    operator std::string_view() const { return str(); } // NOLINT(google-explicit-constructor)
    bool empty() const { return str().empty(); }

    friend bool operator==(const SharedText &text, std::string_view other) { return text.str() == other; }
    friend std::ostream &operator<<(std::ostream &out, const SharedText &text) { return out << text.str(); }

private:
    static const std::string &emptyText()
    {
        static const std::string empty;
        return empty;
    }

    std::shared_ptr<const std::string> m_text;
};

} // namespace nimbrel
