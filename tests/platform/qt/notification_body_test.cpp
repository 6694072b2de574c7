#include "platform/qt/notification_body.h"

#include <gtest/gtest.h>

#include <string>

namespace nimbrel {
namespace {

std::size_t codePointCount(const std::string &text)
{
    std::size_t count = 0;
    for (const char byte : text)
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

std::string repeated(std::string_view piece, std::size_t times)
{
    std::string result;
    for (std::size_t i = 0; i < times; ++i)
        result += piece;
    return result;
}

const std::string ellipsis = "\xE2\x80\xA6";

struct BodyCase {
    const char *name;
    std::string text;
    bool escapeMarkup;
    std::string expected;
};

class NotificationBodyTest : public testing::TestWithParam<BodyCase> {};

TEST_P(NotificationBodyTest, FormatsText)
{
    EXPECT_EQ(notificationBody(GetParam().text, GetParam().escapeMarkup), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NotificationBodyTest,
    testing::Values(
        BodyCase{"Empty", "", true, ""},
        BodyCase{"PlainTextUnchanged", "hello world", true, "hello world"},
        BodyCase{"EveryMarkupCharacterEscaped", "a & b < c > d \" e ' f", true,
                 "a &amp; b &lt; c &gt; d &quot; e &apos; f"},
        BodyCase{"AmpersandOfAnEntityEscapedToo", "&amp;", true, "&amp;amp;"},
        BodyCase{"NoEscapingWithoutMarkupSupport", "<b>x</b> & y", false, "<b>x</b> & y"},
        BodyCase{"NewlinesKept", "one\ntwo", true, "one\ntwo"},
        BodyCase{"InvalidUtf8Replaced", "a\xFF" "b", false, "a\xEF\xBF\xBD" "b"},
        BodyCase{"NulReplaced", std::string("a\0b", 3), false, "a\xEF\xBF\xBD" "b"},
        BodyCase{"NulReplacedWhenEscaping", std::string("<\0>", 3), true, "&lt;\xEF\xBF\xBD&gt;"},
        BodyCase{"ExactlyAtTheCapUncut", repeated("x", 1000), false, repeated("x", 1000)},
        BodyCase{"OneOverTheCapCut", repeated("x", 1001), false, repeated("x", 999) + ellipsis},
        BodyCase{"MultiByteAtTheCapUncut", repeated("\xC3\xA9", 1000), false, repeated("\xC3\xA9", 1000)},
        BodyCase{"FourByteCharactersCutWhole", repeated("\xF0\x9F\x98\x80", 1200), false,
                 repeated("\xF0\x9F\x98\x80", 999) + ellipsis},
        BodyCase{"CapCountsCharactersBeforeEscaping", repeated("<", 1000), true, repeated("&lt;", 1000)},
        BodyCase{"EscapingAfterTheCut", repeated("&", 1001), true, repeated("&amp;", 999) + ellipsis}),
    [](const testing::TestParamInfo<BodyCase> &info) { return std::string(info.param.name); });

TEST(NotificationBody, HugeTextIsCappedWithEllipsis)
{
    // Mixed widths so a cut at a byte count would split a sequence.
    const std::string text = repeated("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", 2'000'000);
    const std::string body = notificationBody(text, true);
    EXPECT_EQ(codePointCount(body), notificationBodyMaximumLength);
    EXPECT_EQ(body.substr(body.size() - ellipsis.size()), ellipsis);
    EXPECT_EQ(body.substr(0, 10), text.substr(0, 10));
}

TEST(NotificationBody, InvalidBytesAtTheCutDoNotLeakThrough)
{
    const std::string text = repeated("x", 998) + "\xE2\x82" + repeated("y", 5000);
    const std::string body = notificationBody(text, false);
    EXPECT_EQ(body, repeated("x", 998) + "\xEF\xBF\xBD" + ellipsis);
}

} // namespace
} // namespace nimbrel
