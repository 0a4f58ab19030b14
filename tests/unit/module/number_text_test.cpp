#include "module/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

TEST(SaturatingAtoi, ReadsLikeAtoiAndSaturatesAtTheIntLimits) {
    // clang-format off
    const std::pair<const char *, int> rows[] = {
        {"42", 42}, {"  \t-17xyz", -17}, {"+8", 8}, {"3.9", 3}, {"abc", 0}, {"", 0}, {"-", 0},
        {"- 5", 0}, {nullptr, 0}, {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
        {"2147483648", INT_MAX}, {"-2147483649", INT_MIN}, {"000000000000000000000012", 12},
        {"99999999999999999999999", INT_MAX}, {"-99999999999999999999999", INT_MIN}};
    // clang-format on
    for (const auto &[text, expected] : rows) {
        EXPECT_EQ(SaturatingAtoi(text), expected) << (text ? text : "null");
    }
}
