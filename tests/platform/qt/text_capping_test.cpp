#include "platform/qt/notification_body.h"
#include "platform/qt/text_capping.h"

#include "support/text_row.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace nimbrel {
namespace {

using namespace std::string_literals;

TEST(TextCapping, CutsAtACodePointAndEndsInAnEllipsis)
{
    const std::string mixedWidths = "a\u00E9\u20AC\U0001F600"; // 1 to 4 bytes
    const std::tuple<const char *, std::string, std::size_t, std::string> rows[] = { // name, text, cap, capped
        {"exactly the cap", "abc", 3, "abc"},
        {"one over", "abcd", 3, "ab\u2026"},
        {"cap of one", "ab", 1, "\u2026"},
        {"multi-byte kept whole", repeated(mixedWidths, 2), 6, mixedWidths + "a\u2026"},
        {"invalid bytes replaced before counting", "a\xFF\xFE" "b", 3, "a\uFFFD\u2026"},
        {"truncated sequence at the end", "ab\xE2\x82", 5, "ab\uFFFD"},
        {"truncated sequence at the cut", std::string(998, 'x') + "\xE2\x82" + std::string(5000, 'y'), 1000,
         std::string(998, 'x') + "\uFFFD\u2026"},
        {"long", repeated(mixedWidths, 2000), 1000, repeated(mixedWidths, 249) + "a\u00E9\u20AC\u2026"},
    };
    for (const auto &[name, text, cap, expected] : rows)
        EXPECT_EQ(cappedText(text, cap), expected) << name;
}

TEST(NotificationBody, IsTheCappedTextWithMarkupEscapedWhenAsked)
{
    const std::tuple<const char *, std::string, bool, std::string> rows[] = { // name, text, escape markup, body
        {"markup escaped", "<b> & \"'\n&amp;", true, "&lt;b&gt; &amp; &quot;&apos;\n&amp;amp;"},
        {"NUL replaced", "a\0b"s, false, "a\uFFFDb"},
        {"NUL replaced when escaping", "<\0"s, true, "&lt;\uFFFD"},
        // Shown raw, "invoice\u202Egpj.exe" would read "invoiceexe.jpg"; line breaks stay.
        {"direction overrides replaced", "invoice\u202Egpj.exe\n\u202Aa\u202Bb\u202Cc\u202Dd", false,
         "invoice\uFFFDgpj.exe\n\uFFFDa\uFFFDb\uFFFDc\uFFFDd"},
        {"direction isolates replaced when escaping", "\u2066<\u2067\u2068\u2069\u2065\u206A\u2029\u202F", true,
         "\uFFFD&lt;\uFFFD\uFFFD\uFFFD\u2065\u206A\u2029\u202F"},
        // The cap counts the characters shown, so it comes before the escaping.
        {"capped before escaping", std::string(1001, '&'), true, repeated("&amp;", 999) + "\u2026"},
    };
    for (const auto &[name, text, escapeMarkup, expected] : rows)
        EXPECT_EQ(notificationBody(text, escapeMarkup), expected) << name;
}

} // namespace
} // namespace nimbrel
