#include "platform/qt/target_text_decoding.h"

#include <gtest/gtest.h>

#include <string>

namespace nimbrel {
namespace {

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
        DecodingCase{"Utf8Unchanged", "UTF8_STRING", "\xE2\x82\xAC 5", "\xE2\x82\xAC 5"},
        DecodingCase{"Latin1String", "STRING", "\xA3\xFF", "\xC2\xA3\xC3\xBF"},
        DecodingCase{"InvalidUtf8", "text/plain", "\xC3(\x80", "\xEF\xBF\xBD(\xEF\xBF\xBD"},
        DecodingCase{"Utf16LittleEndian", "text/html", std::string("\xFF\xFEh\0\xAC\x20", 6), "h\xE2\x82\xAC"},
        DecodingCase{"Utf16BigEndian", "text/html", std::string("\xFE\xFF\0h", 4), "h"},
        DecodingCase{"Utf16SurrogatePair", "text/html", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), "\xF0\x9F\x98\x80"},
        DecodingCase{"Utf16LoneSurrogateAndOddByte", "text/html", std::string("\xFF\xFE\x3D\xD8x", 5),
                     "\xEF\xBF\xBD\xEF\xBF\xBD"},
        DecodingCase{"Empty", "UTF8_STRING", "", ""}),
    [](const testing::TestParamInfo<DecodingCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace nimbrel
