#include "textactions/transformations.h"

#include "support/text_row.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace nimbrel {
namespace {

class CollapseWhitespace : public ::testing::TestWithParam<TextRow> {};

TEST_P(CollapseWhitespace, JoinsWordsWithOneSpace)
{
    EXPECT_EQ(collapseWhitespace(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, CollapseWhitespace, ::testing::ValuesIn(std::vector<TextRow>{
    {"AlreadyCollapsed", "Hello World", "Hello World"},
    {"MixedRunsTrimmed", "  some   words\there\n", "some words here"},
    {"Empty", "", ""},
    {"OnlyAsciiWhitespace", " \t\n\v\f\r ", ""},
    {"OnlyUnicodeWhitespace", "\u00A0\u3000\u2028\u0085", ""},
    {"CrLf", "a\r\nb", "a b"},
    {"Nbsp", "a\u00A0b", "a b"},
    {"IdeographicSpace", "a\u3000b", "a b"},
    {"LineAndParagraphSeparators", "a\u2028b\u2029c", "a b c"},
    {"NextLine", "a\u0085b", "a b"},
    {"OghamAndEnQuadToHairSpace", "a\u1680b\u2000\u200Ac", "a b c"},
    {"NarrowAndMathematicalSpace", "a\u202F\u205Fb", "a b"},
    {"ZeroWidthSpaceIsNotWhitespace", "a\u200Bb", "a\u200Bb"},
    {"ByteOrderMarkIsNotWhitespace", "a\uFEFF b", "a\uFEFF b"},
    {"MongolianVowelSeparatorIsNotWhitespace", "a\u180Eb", "a\u180Eb"},
    {"CjkAndEmoji", "東京  😀\t漢字", "東京 😀 漢字"},
    {"NulBytesSurvive", "\0  a\0"s, "\0 a\0"s},
    {"InvalidByte", "a\xFF  b", "a\uFFFD b"},
    {"TruncatedBeforeSpace", "\xC2 x", "\uFFFD x"},
    {"TruncatedWhitespacePrefixIsNoWhitespace", "a\xE2\x80", "a\uFFFD"},
    {"OverlongSpaceIsNoWhitespace", "a\xC0\xA0" "b", "a\uFFFD\uFFFDb"},
    {"EncodedSurrogate", "\xED\xA0\x80 x", "\uFFFD\uFFFD\uFFFD x"},
}), rowName);

class SnakeCase : public ::testing::TestWithParam<TextRow> {};

TEST_P(SnakeCase, JoinsWordsWithUnderscores)
{
    EXPECT_EQ(snakeCase(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, SnakeCase, ::testing::ValuesIn(std::vector<TextRow>{
    {"LettersKeepCase", "Hello World", "Hello_World"},
    {"MixedRunsTrimmed", "  some   words\there\n", "some_words_here"},
    {"PunctuationIsAWord", "a - b", "a_-_b"},
    {"IdeographicSpace", "a\u3000b", "a_b"},
    {"CrLf", "first\r\nsecond", "first_second"},
    {"Nbsp", "a\u00A0b", "a_b"},
    {"Empty", "", ""},
    {"OnlyWhitespace", " \u2028\t", ""},
    {"UnderscoresKept", "already_snake", "already_snake"},
    {"AccentedWords", "café crème", "café_crème"},
    {"InvalidByte", "x\xFFy z", "x\uFFFDy_z"},
}), rowName);

class RemoveAllSpaces : public ::testing::TestWithParam<TextRow> {};

TEST_P(RemoveAllSpaces, RemovesOnlyU0020)
{
    EXPECT_EQ(removeAllSpaces(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, RemoveAllSpaces, ::testing::ValuesIn(std::vector<TextRow>{
    {"Spaces", " a b  c ", "abc"},
    {"OtherWhitespaceStays", "a\tb\u00A0c\u3000d\r\n", "a\tb\u00A0c\u3000d\r\n"},
    {"OnlySpaces", "   ", ""},
    {"Empty", "", ""},
    {"Cjk", "東 京", "東京"},
    {"NulBytesSurvive", "a\0 b"s, "a\0b"s},
    {"InvalidBytes", "\xFF \xFE", "\uFFFD\uFFFD"},
    {"TruncatedBeforeSpace", "\xE6\x9D x", "\uFFFDx"},
}), rowName);

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
