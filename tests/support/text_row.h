#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace nimbrel {

using TextOperation = std::string (*)(std::string_view);

// A named row of a table-driven text test: the name shows in the test's name and in failures.
struct TextRow {
    std::string name;
    std::string input;
    std::string expected;
    // Set for a whole table by rowsOf.
    TextOperation operation = nullptr;
};

// The rows of one operation's table, whose instantiation names the operation.
inline std::vector<TextRow> rowsOf(TextOperation operation, std::vector<TextRow> rows)
{
    for (auto &row : rows)
        row.operation = operation;
    return rows;
}

// The test every table runs. Include this header from one file of a test executable; that file
// instantiates the test with its tables, or with none.
class TextOperationTest : public ::testing::TestWithParam<TextRow> {};
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(TextOperationTest);
TEST_P(TextOperationTest, GivesTheExpectedText) { EXPECT_EQ(GetParam().operation(GetParam().input), GetParam().expected); }

// unit repeated count times, with separator between the copies: long texts whose expected
// transformation is assembled from the expected transformation of one unit.
inline std::string repeated(std::string_view unit, std::size_t count, std::string_view separator = {})
{
    std::string result;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            result.append(separator);
        result.append(unit);
    }
    return result;
}

inline std::string rowName(const ::testing::TestParamInfo<TextRow> &info) { return info.param.name; }

} // namespace nimbrel
