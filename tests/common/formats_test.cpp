#include "common/formats.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/numbers.h"

namespace tv {
namespace {

struct FormatCase {
    double value;
    std::string_view format;
    const char* text;
};

TEST(FormatNumber, EveryDisplayFormatTheScreensUse)
{
    const FormatCase cases[] = {
        {1234.5, kMoneyFormat, "$1,234.50"},
        {-20, kMoneyFormat, "($20.00)"},
        {0, kMoneyFormat, "$0.00"},
        {699.2145, kMoneyFormat, "$699.21"},
        {1234567.891, kCurrencyFormat, "$1,234,567.89"},
        {-0.004, kCurrencyFormat, "$0.00"},
        {-0.004, kMoneyFormat, "$0.00"},
        {0.125, kCurrencyFormat, "$0.13"},
        {999.996, kCurrencyFormat, "$1,000.00"},
        {2.583, kDurationFormat, "2.583"},
        {10, kDurationFormat, "10"},
        {1200.5, kDurationFormat, "1,200.5"},
        {0, kDurationFormat, "0"},
        {0.5, kDurationFormat, "0.5"},
        {1234.6, kWholeFormat, "1,235"},
        {12, kWholeFormat, "12"},
        {20, kPercentFormat, "20%"},
        {7.5, kPercentFormat, "8%"},
        {20.5, kStandardFormat, "20.50"},
        {1234.5, kStandardFormat, "1,234.50"},
        {-1234.5, kStandardFormat, "-1,234.50"},
        {8, kFixed3Format, "8.000"},
        {0.125, kFixed3Format, "0.125"},
        {7.456, kFixed2Format, "7.46"},
        {-0.001, kFixed2Format, "0.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatNumber(c.value, c.format), c.text) << c.value << " " << c.format;
}

TEST(FormatNumber, EveryFormattedTextReadsBackAsItsRoundedValue)
{
    const std::string_view formats[] = {kMoneyFormat,    kCurrencyFormat, kDurationFormat, kWholeFormat,
                                        kPercentFormat,  kStandardFormat, kFixed2Format,   kFixed3Format};
    const double decimals[] = {2, 2, 3, 0, 0, 2, 2, 3};
    double values[] = {0, 1, -1, 0.5, 1234.567, -98765.4321, 1e12, 0.001, 42.42, -0.7, 100000};
    for (std::size_t f = 0; f < std::size(formats); ++f) {
        for (double v : values) {
            std::string text = formatNumber(v, formats[f]);
            auto back = parseBoxValue(text);
            ASSERT_TRUE(back.has_value()) << text;
            double scale = std::pow(10.0, decimals[f]);
            EXPECT_NEAR(*back, std::round(v * scale) / scale, 1e-9 * std::max(1.0, std::fabs(v))) << text;
        }
    }
}

TEST(DisplayText, ShowsNumbersThroughTheFormatAndLeavesOtherTextAlone)
{
    EXPECT_EQ(displayText("100000", kMoneyFormat), "$100,000.00");
    EXPECT_EQ(displayText("$699.21", kMoneyFormat), "$699.21");
    EXPECT_EQ(displayText("", kMoneyFormat), "");
    EXPECT_EQ(displayText("abc", kMoneyFormat), "abc");
    EXPECT_EQ(displayText("2.583", kDurationFormat), "2.583");
    EXPECT_EQ(displayText("12", ""), "12");
    EXPECT_EQ(displayText("-151715.6", kMoneyFormat), "($151,715.60)");
}

}  // namespace
}  // namespace tv
