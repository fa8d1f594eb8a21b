#include "common/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace tv {
namespace {

struct BoxCase {
    const char* text;
    double value;
};

TEST(ReadBoxValue, ReadsEveryFormTheBoxesShow)
{
    const BoxCase cases[] = {
        {"$1,234.50", 1234.5},
        {"($20.00)", -20},
        {"", 0},
        {"   ", 0},
        {"100000", 100000},
        {"100,000", 100000},
        {"7.5", 7.5},
        {"-3", -3},
        {" 42 ", 42},
        {"20%", 20},
        {"$0.00", 0},
        {"-$5.25", -5.25},
        {"$-5.25", -5.25},
        {"1,234.567", 1234.567},
        {".5", 0.5},
        {"1e3", 1000},
        {"+8", 8},
        {"(1,000)", -1000},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(readBoxValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(ReadBoxValue, TextThatIsNotANumberReadsAsZeroButIsReportedByParse)
{
    for (const char* text : {"abc", "12abc", "$", "1.2.3", "--5", "1e", "(5", "5)", "1e999", "nan", "inf", ",5"}) {
        EXPECT_EQ(readBoxValue(text), 0.0) << text;
        EXPECT_FALSE(parseBoxValue(text).has_value()) << text;
    }
    EXPECT_TRUE(parseBoxValue("").has_value());
}

TEST(LeadingNumber, ReadsUpToTheFirstOtherCharacter)
{
    const BoxCase cases[] = {
        {"100,000", 100}, {"7.25%", 7.25}, {"  -3.5x", -3.5}, {"15.5", 15.5}, {"abc", 0}, {"", 0},
        {"0.000", 0},     {"25.000", 25},  {"1.2.3", 1.2},    {"-", 0},       {".", 0},   {"+4", 4},
        {"$5", 0},        {"1e5", 1},      {"\t9", 9},        {"-0", 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << '"' << c.text << '"';
    EXPECT_FALSE(std::signbit(leadingNumber("-0")));
}

TEST(PlainText, ShortestFormWithUpTo15SignificantDigits)
{
    EXPECT_EQ(plainText(7.5), "7.5");
    EXPECT_EQ(plainText(2.583), "2.583");
    EXPECT_EQ(plainText(100000), "100000");
    EXPECT_EQ(plainText(699.21 * 360), "251715.6");
    EXPECT_EQ(plainText(251715.6 - 100000), "151715.6");
    EXPECT_EQ(plainText(0.1 + 0.2), "0.3");
    EXPECT_EQ(plainText(-20), "-20");
    EXPECT_EQ(plainText(1e20), "100000000000000000000");
    EXPECT_EQ(plainText(1.5e-7), "0.00000015");
    EXPECT_EQ(plainText(60.996), "60.996");
    EXPECT_EQ(plainText(-0.0), "0");
    EXPECT_EQ(plainText(std::numeric_limits<double>::quiet_NaN()), "0");
}

TEST(PlainText, ReadsBackAsTheSameValueToFifteenDigits)
{
    double values[] = {699.2145420, 1.0 / 3.0, 123456.789012345, 1e12, 0.0001, 99078.1734, -4.9e6, 32766};
    for (double v : values) {
        double back = readBoxValue(plainText(v));
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << v;
    }
}

TEST(PlainText, TheLargestDoublesReadBack)
{
    // Found by the number fuzzer: 15 digits rounded up from just below the largest double lie beyond it, so
    // the text read back as nothing at all.
    const double largest = std::numeric_limits<double>::max();
    for (double v : {largest, -largest, std::nextafter(largest, 0.0), 1.797693134862315e308, 1.79769313486231e308}) {
        std::optional<double> back = parseBoxValue(plainText(v));
        ASSERT_TRUE(back.has_value()) << v;
        EXPECT_NEAR(*back, v, std::fabs(v) * 1e-14) << v;
        EXPECT_EQ(plainText(*back), plainText(v));
    }
}

}  // namespace
}  // namespace tv
