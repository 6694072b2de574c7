#include "platform/qt/text_capping.h"

#include <gtest/gtest.h>

#include <tuple>

namespace nimbrel {
namespace {

std::string repeated(const std::string &piece, std::size_t times)
{
    std::string result;
    while (times-- > 0)
        result += piece;
    return result;
}

TEST(TextCapping, CutsAtACodePointAndEndsInAnEllipsis)
{
    const std::string ellipsis = "\xE2\x80\xA6";
    const std::string replacement = "\xEF\xBF\xBD";
    const std::string mixedWidths = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"; // 1 to 4 bytes
    const std::tuple<const char *, std::string, std::size_t, std::string> rows[] = { // name, text, cap, expected
        {"empty", "", 1, ""}, {"exactly the cap", "abc", 3, "abc"},
        {"one over", "abcd", 3, "ab" + ellipsis}, {"cap of one", "ab", 1, ellipsis},
        {"multi-byte kept whole", repeated(mixedWidths, 2), 6, mixedWidths + "a" + ellipsis},
        {"invalid bytes replaced before counting", "a\xFF\xFE" "b", 3, "a" + replacement + ellipsis},
        {"truncated sequence at the end", "ab\xE2\x82", 5, "ab" + replacement},
        {"truncated sequence at the cut", std::string(998, 'x') + "\xE2\x82" + std::string(5000, 'y'), 1000,
         std::string(998, 'x') + replacement + ellipsis},
        {"huge", repeated(mixedWidths, 2'000'000), 1000, repeated(mixedWidths, 249) + "a\xC3\xA9\xE2\x82\xAC" + ellipsis},
    };
    for (const auto &[name, text, maximum, expected] : rows)
        EXPECT_TRUE(cappedText(text, maximum) == expected) << name;
}

} // namespace
} // namespace nimbrel
