#include "ui/preferences.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace nimbrel {
namespace {

TEST(PreferencesTest, OnlyNumbersReadAsBooleans)
{
    const struct {
        const char *name;
        std::optional<DefaultsValue> stored;
        std::optional<bool> expected;
    } rows[] = {
        {"missing", std::nullopt, std::nullopt},
        {"one", DefaultsValue{1.0}, true},
        {"zero", DefaultsValue{0.0}, false},
        {"negative zero", DefaultsValue{-0.0}, false},
        {"other number", DefaultsValue{-3.5}, true},
        {"not a number", DefaultsValue{std::numeric_limits<double>::quiet_NaN()}, true},
        {"string one", DefaultsValue{std::string("1")}, std::nullopt},
        {"string true", DefaultsValue{std::string("true")}, std::nullopt},
        {"empty string", DefaultsValue{std::string()}, std::nullopt},
        {"list or object", DefaultsValue{OtherDefaultsValue{}}, std::nullopt},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(readAsBoolean(row.stored), row.expected);
    }
}

} // namespace
} // namespace nimbrel
