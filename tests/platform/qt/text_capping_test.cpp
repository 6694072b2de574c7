#include "platform/qt/text_capping.h"

#include <gtest/gtest.h>

#include <string>

namespace nimbrel {
namespace {

struct CapCase {
    const char *name;
    std::string text;
    std::size_t maximum;
    std::string expected;
};

class TextCappingTest : public testing::TestWithParam<CapCase> {};

TEST_P(TextCappingTest, CutsAtCodePoints)
{
    EXPECT_EQ(cappedText(GetParam().text, GetParam().maximum), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextCappingTest,
    testing::Values(CapCase{"EmptyText", "", 1, ""},
                    CapCase{"ShorterThanTheCap", "ab", 3, "ab"},
                    CapCase{"ExactlyTheCap", "abc", 3, "abc"},
                    CapCase{"OneOver", "abcd", 3, "ab\xE2\x80\xA6"},
                    CapCase{"CapOfOneLeavesOnlyTheEllipsis", "ab", 1, "\xE2\x80\xA6"},
                    CapCase{"TwoByteCharactersKeptWhole", "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 3, "\xC3\xA9\xC3\xA9\xE2\x80\xA6"},
                    CapCase{"FourByteCharactersKeptWhole", "\xF0\x9F\x98\x80\xF0\x9F\x98\x80", 2,
                            "\xF0\x9F\x98\x80\xF0\x9F\x98\x80"},
                    CapCase{"InvalidBytesReplacedBeforeCounting", "a\xFF\xFE" "b", 3, "a\xEF\xBF\xBD\xE2\x80\xA6"},
                    CapCase{"TruncatedSequenceAtTheEnd", "ab\xE2\x82", 5, "ab\xEF\xBF\xBD"},
                    CapCase{"ContinuationBytesAloneAreReplaced", "\x80\x80", 5, "\xEF\xBF\xBD\xEF\xBF\xBD"}),
    [](const testing::TestParamInfo<CapCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace nimbrel
