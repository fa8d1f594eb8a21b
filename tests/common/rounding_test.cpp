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

// Halves of a cent round up on the decimal value, though the double lies just below it (9.315 is
// 9.31499999999999950...), and so does 9.31499999999987, binary noise below the half; what lies below it by
// more (thousands of units in the last place of a large amount) stays down, and a typed long decimal (1047125012.1545)
// keeps its own digits.
TEST(CentsOf, RoundsTheDecimalHalfUp)
{
    const std::pair<double, Cents> cases[] = {{9.315, 932},
                                              {2.505, 251},
                                              {3.125, 313},
                                              {-3.125, -313},
                                              {2.504999, 250},
                                              {0.005, 1},
                                              {0.0049, 0},
                                              {1002.005, 100201},
                                              {699.2145085527766, 69921},
                                              {123456789012.345, 12345678901235},
                                              {999999999999.99, 99999999999999},
                                              {1e12, 100000000000000},
                                              {0.1 + 0.2, 30},
                                              {9.31499999999987, 932},
                                              {1047125012.1545, 104712501215},
                                              {123456789.1545, 12345678915},
                                              {-234938592.75490382, -23493859275}};
    for (const auto& [amount, cents] : cases) EXPECT_EQ(centsOf(amount), cents) << amount;
    EXPECT_FALSE(centsOf(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(centsOf(2e15));
    EXPECT_EQ(roundToCent(9.315), 9.32);
}

}  // namespace
}  // namespace tv
