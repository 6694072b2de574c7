#include "platform/string_operations.h"
#include "platform/whitespace_set.h"

#include "support/text_row.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace nimbrel {
namespace {

// Rows every mapping must treat the same way: text without case and broken input.
const std::vector<TextRow> caselessRows = {
    {"Empty", "", ""},
    {"EmojiUntouched", "😀🚀👍🏽", "😀🚀👍🏽"},
    {"NulBytesSurvive", "\0\0 1\0"s, "\0\0 1\0"s},
    {"TruncatedAtEnd", "\xE6\x9D", "\uFFFD"},
    {"LoneContinuation", "\x80", "\uFFFD"},
    {"EncodedSurrogate", "\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},
    {"AboveUnicodeRange", "\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},
};

std::vector<TextRow> withCaselessRows(TextOperation operation, std::vector<TextRow> rows)
{
    rows.insert(rows.end(), caselessRows.begin(), caselessRows.end());
    return rowsOf(operation, std::move(rows));
}

INSTANTIATE_TEST_SUITE_P(Uppercase, TextOperationTest, ::testing::ValuesIn(withCaselessRows(uppercaseString, {
    {"Ascii", "hello, World 42", "HELLO, WORLD 42"},
    {"SharpSExpands", "straße", "STRASSE"},
    {"DottedIIsNotTurkish", "istanbul", "ISTANBUL"},
})), rowName);

INSTANTIATE_TEST_SUITE_P(Lowercase, TextOperationTest, ::testing::ValuesIn(withCaselessRows(lowercaseString, {
    {"Ascii", "HELLO, World 42", "hello, world 42"},
    {"FinalSigma", "ΟΔΟΣ", "οδος"},
    {"SigmaBeforeLetterIsNotFinal", "ΣΑ", "σα"},
    {"FinalSigmaAfterAsciiLetter", "aΣ", "aς"},
    {"FinalSigmaBeforeCaseIgnorable", "ΟΔΟΣ.", "οδος."},
    {"CapitalIIsNotTurkish", "I", "i"},
    {"InvalidInsideWord", "AB\xC3" "CD", "ab\uFFFDcd"},
})), rowName);

INSTANTIATE_TEST_SUITE_P(Capitalize, TextOperationTest, ::testing::ValuesIn(withCaselessRows(capitalizedString, {
    {"TwoWords", "hello WORLD", "Hello World"},
    {"LeadingAndTrailingSpacesKept", "  hello  world  ", "  Hello  World  "},
    {"AfterLineEnds", "one\ntwo\r\nthree", "One\nTwo\r\nThree"},
    {"AfterLoneCarriageReturn", "one\rtwo", "One\rTwo"},
    {"UncasedFirstCharacter", "(hello", "(hello"},
    {"DigitFirst", "3rd PLACE", "3rd Place"},
    {"SharpSTitleCase", "ßa", "Ssa"},
    {"GreekFinalSigma", "ΟΔΟΣ ΑΣ", "Οδος Ας"},
    {"AfterNextLine", "a\u0085b", "A\u0085B"},
    {"ZeroWidthSpaceJoins", "a\u200Bb", "A\u200Bb"},
    {"EmojiFirst", "😀ABC def", "😀abc Def"},
    {"NulInsideWord", "a\0B c"s, "A\0b C"s},
    {"InvalidFirstByte", "\xFF" "ABC def", "\uFFFDabc Def"},
})), rowName);

// Long texts go through the buffer-growing and stretch-merging paths; the expected text is
// the expected mapping of one unit, repeated.
TEST(CaseMappingLongText, MatchesTheMappingOfEachUnit)
{
    constexpr std::size_t units = 1 << 15;
    const std::string text = repeated("straße café ΟΔΟΣ 東京 😀 iPhone aΣ\t", units);
    EXPECT_EQ(uppercaseString(text), repeated("STRASSE CAFÉ ΟΔΟΣ 東京 😀 IPHONE AΣ\t", units));
    EXPECT_EQ(lowercaseString(text), repeated("straße café οδος 東京 😀 iphone aς\t", units));
    EXPECT_EQ(capitalizedString(text), repeated("Straße Café Οδος 東京 😀 Iphone Aς\t", units));

    const std::string oneWord = repeated("é", 1 << 19);
    EXPECT_EQ(uppercaseString(oneWord), repeated("É", 1 << 19));
    EXPECT_EQ(capitalizedString(oneWord), "É" + repeated("é", (1 << 19) - 1));
}

TEST(IsWhitespaceAndNewline, AcceptsExactlyTheWhitespaceSet)
{
    const std::u32string members = U"\u0009\u000A\u000B\u000C\u000D\u0020\u0085\u00A0\u1680"
                                   U"\u2000\u2001\u2002\u2003\u2004\u2005\u2006\u2007\u2008\u2009\u200A"
                                   U"\u2028\u2029\u202F\u205F\u3000"s;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (inWhitespaceSet(c) != (members.find(c) != std::u32string::npos))
            ADD_FAILURE() << std::hex << static_cast<unsigned>(c);
    }
}

INSTANTIATE_TEST_SUITE_P(LastPathComponent, TextOperationTest, ::testing::ValuesIn(rowsOf(lastPathComponent, {
    {"File", "/home/a/notes.txt", "notes.txt"},
    {"TrailingSlash", "/home/a/dir/", "dir"},
    {"Root", "/", "/"},
    {"Empty", "", ""},
    {"BareName", "name", "name"},
    {"InvalidCleaned", "/tmp/\xFF", "\uFFFD"},
})), rowName);

INSTANTIATE_TEST_SUITE_P(ValidUtf8, TextOperationTest, ::testing::ValuesIn(withCaselessRows(validUtf8, {
    {"Boundaries", "\u007F\u0080\u07FF\u0800\uD7FF\uE000\uFFFF\U00010000\U0010FFFF",
     "\u007F\u0080\u07FF\u0800\uD7FF\uE000\uFFFF\U00010000\U0010FFFF"},
    {"LeadFollowedByLead", "\xE6\xE6\x9D\xB1", "\uFFFD\u6771"},
    {"OverlongFourBytes", "\xF0\x8F\xBF\xBF", "\uFFFD\uFFFD\uFFFD\uFFFD"},
    {"SequenceAcrossBlockOf64", std::string(63, 'a') + "é", std::string(63, 'a') + "é"},
    {"InvalidInSecondBlockOf64", std::string(70, 'a') + "\xFF", std::string(70, 'a') + "\uFFFD"},
    {"TruncatedAcrossBlockOf64", std::string(63, 'a') + "\xE6\x9D", std::string(63, 'a') + "\uFFFD"},
    {"BrokenAcrossBlockOf64", std::string(63, 'a') + "\xE6" "x", std::string(63, 'a') + "\uFFFDx"},
    {"BrokenBeforeAsciiBlockOf64", std::string(63, 'a') + "\xE6" + std::string(64, 'x'),
     std::string(63, 'a') + "\uFFFD" + std::string(64, 'x')},
})), rowName);

} // namespace
} // namespace nimbrel
