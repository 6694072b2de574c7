#include "textactions/transformations.h"

#include "support/text_row.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace nimbrel {
namespace {

INSTANTIATE_TEST_SUITE_P(CollapseWhitespace, TextOperationTest, ::testing::ValuesIn(rowsOf(collapseWhitespace, {
    {"MixedRunsTrimmed", "  some   words\there\n", "some words here"},
    {"OnlyAsciiWhitespace", " \t\n\v\f\r ", ""},
    {"Nbsp", "a\u00A0b", "a b"},
    {"ZeroWidthSpaceIsNotWhitespace", "a\u200Bb", "a\u200Bb"},
    {"NulBytesSurvive", "\0  a\0"s, "\0 a\0"s},
    {"InvalidByte", "a\xFF  b", "a\uFFFD b"},
    {"TruncatedWhitespacePrefixIsNoWhitespace", "a\xE2\x80", "a\uFFFD"},
    {"OverlongSpaceIsNoWhitespace", "a\xC0\xA0" "b", "a\uFFFD\uFFFDb"},
})), rowName);

INSTANTIATE_TEST_SUITE_P(SnakeCase, TextOperationTest, ::testing::ValuesIn(rowsOf(snakeCase, {
    {"LettersKeepCase", "Hello World", "Hello_World"},
    {"MixedRunsTrimmed", "  some   words\there\n", "some_words_here"},
    {"PunctuationIsAWord", "a - b", "a_-_b"},
    {"IdeographicSpace", "a\u3000b", "a_b"},
    {"OnlyWhitespace", " \u2028\t", ""},
    {"UnderscoresKept", "already_snake", "already_snake"},
    {"InvalidByte", "x\xFFy z", "x\uFFFDy_z"},
})), rowName);

INSTANTIATE_TEST_SUITE_P(RemoveAllSpaces, TextOperationTest, ::testing::ValuesIn(rowsOf(removeAllSpaces, {
    {"Spaces", " a b  c ", "abc"},
    {"OtherWhitespaceStays", "a\tb\u00A0c\u3000d\r\n", "a\tb\u00A0c\u3000d\r\n"},
    {"NulBytesSurvive", "a\0 b"s, "a\0b"s},
    {"InvalidBytes", "\xFF \xFE", "\uFFFD\uFFFD"},
})), rowName);

// A megabyte of text; the expected results are assembled from the expected result of one unit.
TEST(TransformationsLongText, MatchTheResultOfEachUnit)
{
    constexpr std::size_t units = 1 << 16;
    const std::string text = repeated("word  \t東京\u00A0😀\r\n", units);
    ASSERT_GE(text.size(), std::size_t{1} << 20);
    EXPECT_EQ(collapseWhitespace(text), repeated("word 東京 😀", units, " "));
    EXPECT_EQ(snakeCase(text), repeated("word_東京_😀", units, "_"));
    EXPECT_EQ(removeAllSpaces(text), repeated("word\t東京\u00A0😀\r\n", units));
}

} // namespace
} // namespace nimbrel
