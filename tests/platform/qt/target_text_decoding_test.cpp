#include "platform/qt/target_text_decoding.h"

#include "named_rows.h"

#include <gtest/gtest.h>

#include <string>

namespace nimbrel {
namespace {

using namespace std::string_literals;

struct DecodingCase {
    const char *name;
    std::string target;
    std::string bytes;
    std::string expected;
};

class TargetTextDecodingTest : public testing::TestWithParam<DecodingCase> {};

TEST_P(TargetTextDecodingTest, GivesValidUtf8)
{
    EXPECT_EQ(decodedTargetText(GetParam().target, GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TargetTextDecodingTest,
    testing::Values(
        DecodingCase{"Utf8Unchanged", "UTF8_STRING", "€ 5", "€ 5"},
        DecodingCase{"Byte80InUtf8String", "UTF8_STRING", "a\x80", "a\uFFFD"},
        DecodingCase{"Byte80InString", "STRING", "a\x80", "a\u0080"},
        DecodingCase{"Latin1LookingLikeUtf16", "STRING", "\xFF\xFE caf\xE9", "ÿþ café"},
        DecodingCase{"Utf16OnlyWhenDeclared", "text/plain", "\xFF\xFEh\0"s, "\uFFFD\uFFFDh\0"s},
        DecodingCase{"Utf16WithoutMarkIsLittleEndian", "text/plain;charset=utf-16", "G\0\xFC\0\x13 "s, "Gü–"},
        DecodingCase{"Utf16BigEndianMark", "text/plain;charset=UTF-16", "\xFE\xFF\0h"s, "h"},
        DecodingCase{"Utf16Html", "text/html", "\xFF\xFE<\0\xE9\0"s, "<é"},
        DecodingCase{"Utf16SurrogatePair", "text/plain;charset=utf-16", "\x3D\xD8\x00\xDE"s, "😀"},
        DecodingCase{"Utf16LoneSurrogateAndOddByte", "text/plain;charset=utf-16", "\x3D\xD8x", "\uFFFD\uFFFD"},
        DecodingCase{"InnerNulKept", "UTF8_STRING", "a\0b"s, "a\0b"s}),
    rowName);

} // namespace
} // namespace nimbrel
