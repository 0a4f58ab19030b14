#include "module/base/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
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

// As the C runtime's strtod reads them: decimal and hexadecimal numbers,
// infinities and NaN, with their signs; 0 where no number leads the text.
TEST(ReadNumber, ReadsTheLeadingNumberAsC99Does) {
    // clang-format off
    const std::pair<const char *, double> rows[] = {
        {"1500", 1500.0}, {"  \t-3.5e2xyz", -350.0}, {"+.5", 0.5}, {"5.", 5.0}, {"1e", 1.0},
        {"1e+", 1.0}, {"2E-3m", 0.002}, {".e3", 0.0}, {".", 0.0}, {"-", 0.0}, {"", 0.0},
        {nullptr, 0.0}, {"abc", 0.0}, {"- 5", 0.0}, {"0x10", 16.0}, {"0x1p30", 1073741824.0},
        {"-0X1p4", -16.0}, {"0x.8P1", 1.0}, {" 0xAbc.8", 2748.5}, {"0x", 0.0}, {"-0xg", -0.0},
        {"00x5", 0.0}, {"inf", HUGE_VAL}, {"-infinity", -HUGE_VAL}, {"INFinity!", HUGE_VAL},
        {"0.1", 0.1}, {"7.600003e+09m", 7.600003e9}, {"1e999", HUGE_VAL}, {"-1e999", -HUGE_VAL}};
    // clang-format on
    for (const auto &[text, expected] : rows) {
        EXPECT_EQ(ReadNumber(text), expected) << (text ? text : "null");
        EXPECT_EQ(std::signbit(ReadNumber(text)), std::signbit(expected)) << (text ? text : "null");
    }
    for (const char *text : {"nan", "-NAN", "NaN(1)", "nan(abc)x"})
        EXPECT_TRUE(std::isnan(ReadNumber(text))) << text;
}
