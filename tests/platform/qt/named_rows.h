#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// In each test file's unnamed namespace, where the rows are, so that GoogleTest finds PrintTo.
namespace nimbrel {
namespace {

// Table rows print, and name their test, by their name.
template <typename Row>
    requires requires(const Row &row) { row.name; }
void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.name;
}

inline constexpr auto rowName = [](const auto &info) { return std::string(info.param.name); };

} // namespace
} // namespace nimbrel
