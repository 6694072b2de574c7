#include "platform/qt/notification_body.h"

#include <gtest/gtest.h>

#include <tuple>

namespace nimbrel {
namespace {

TEST(NotificationBody, IsTheCappedTextWithMarkupEscapedWhenAsked)
{
    std::string entities;
    for (int i = 0; i < 999; ++i)
        entities += "&amp;";
    const std::tuple<const char *, std::string, bool, std::string> rows[] = { // name, text, escape markup, body
        {"markup escaped", "<b> & \"'\n&amp;", true, "&lt;b&gt; &amp; &quot;&apos;\n&amp;amp;"},
        {"markup kept for a plain text server", "<b>x</b> & y", false, "<b>x</b> & y"},
        {"NUL replaced", std::string("a\0b", 3), false, "a\xEF\xBF\xBD" "b"},
        {"NUL replaced when escaping", std::string("<\0", 2), true, "&lt;\xEF\xBF\xBD"},
        // The cap counts the characters shown, so it comes before the escaping.
        {"capped before escaping", std::string(1001, '&'), true, entities + "\xE2\x80\xA6"},
    };
    for (const auto &[name, text, escapeMarkup, expected] : rows)
        EXPECT_EQ(notificationBody(text, escapeMarkup), expected) << name;
}

} // namespace
} // namespace nimbrel
