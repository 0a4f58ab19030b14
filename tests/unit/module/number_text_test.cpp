#include "module/number_text.h"

#include <gtest/gtest.h>

#include <climits>

TEST(SaturatingAtoi, ReadsLikeAtoi) {
    EXPECT_EQ(SaturatingAtoi("42"), 42);
    EXPECT_EQ(SaturatingAtoi("  \t-17xyz"), -17);
    EXPECT_EQ(SaturatingAtoi("+8"), 8);
    EXPECT_EQ(SaturatingAtoi("3.9"), 3);
    EXPECT_EQ(SaturatingAtoi("abc"), 0);
    EXPECT_EQ(SaturatingAtoi(""), 0);
    EXPECT_EQ(SaturatingAtoi("-"), 0);
    EXPECT_EQ(SaturatingAtoi("- 5"), 0);
    EXPECT_EQ(SaturatingAtoi(nullptr), 0);
}

TEST(SaturatingAtoi, SaturatesAtTheIntLimits) {
    EXPECT_EQ(SaturatingAtoi("2147483647"), INT_MAX);
    EXPECT_EQ(SaturatingAtoi("-2147483648"), INT_MIN);
    EXPECT_EQ(SaturatingAtoi("2147483648"), INT_MAX);
    EXPECT_EQ(SaturatingAtoi("-2147483649"), INT_MIN);
    EXPECT_EQ(SaturatingAtoi("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(SaturatingAtoi("-99999999999999999999999"), INT_MIN);
    EXPECT_EQ(SaturatingAtoi("000000000000000000000012"), 12);
}
