#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace nimbrel {

// A named row of a table-driven text test: the name shows in the test's name and in failures.
struct TextRow {
    std::string name;
    std::string input;
    std::string expected;
};

inline void PrintTo(const TextRow &row, std::ostream *os)
{
    *os << row.name;
}

inline std::string rowName(const ::testing::TestParamInfo<TextRow> &info)
{
    return info.param.name;
}

} // namespace nimbrel
