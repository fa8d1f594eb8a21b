#include "common/rounding.h"

#include <gtest/gtest.h>

#include <limits>

namespace tv {
namespace {

TEST(ToInt16, RoundsHalfToEven)
{
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(60.996), 61);
    EXPECT_EQ(toInt16(132.158), 132);
    EXPECT_EQ(toInt16(0.49), 0);
}

TEST(ToInt16, ReportsValuesOutsideTheRangeInsteadOfWrapping)
{
    EXPECT_EQ(toInt16(32767), 32767);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_FALSE(toInt16(32767.5).has_value());  // would round to 32768
    EXPECT_EQ(toInt16(-32768), -32768);
    EXPECT_FALSE(toInt16(-32769).has_value());
    EXPECT_FALSE(toInt16(1e300).has_value());
    EXPECT_FALSE(toInt16(std::numeric_limits<double>::quiet_NaN()).has_value());
    EXPECT_FALSE(toInt16(std::numeric_limits<double>::infinity()).has_value());
}

}  // namespace
}  // namespace tv
