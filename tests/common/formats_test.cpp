#include "common/formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

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
    const std::string_view formats[] = {kMoneyFormat,   kCurrencyFormat, kDurationFormat, kWholeFormat,
                                        kPercentFormat, kStandardFormat, kFixed2Format,   kFixed3Format};
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

// The direct way to round a double for display: print its exact binary value with 80 decimals (far more
// than any displayable double needs), then round half away from zero on the printed digits.
std::string printedRounding(double value, int decimals)
{
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.80f", std::fabs(value));
    std::string s(buf);
    std::size_t point = s.find('.');
    std::string all = s.substr(0, point) + s.substr(point + 1, static_cast<std::size_t>(decimals));
    if (s[point + 1 + static_cast<std::size_t>(decimals)] >= '5') {
        int i = static_cast<int>(all.size()) - 1;
        while (i >= 0 && all[static_cast<std::size_t>(i)] == '9') all[static_cast<std::size_t>(i--)] = '0';
        if (i < 0)
            all.insert(all.begin(), '1');
        else
            ++all[static_cast<std::size_t>(i)];
    }
    std::string integer = all.substr(0, all.size() - static_cast<std::size_t>(decimals));
    std::string text = decimals ? integer + "." + all.substr(integer.size()) : integer;
    bool zero = text.find_first_not_of("0.") == std::string::npos;
    return value < 0 && !zero ? "-" + text : text;
}

// Display rounding is computed with integers for every value below 10^15; it must give the digits the
// printed expansion gives, ties and near-ties included, on both sides of that limit.
TEST(FormatNumber, IntegerRoundingShowsTheDigitsOfThePrintedExpansion)
{
    std::vector<double> values = {0.0,    -0.0,   0.005, 0.015, 0.125,   0.375, 2.5,    1.0005,       2.675,
                                  1e-300, 5e-324, 1e14,  1e15,  9.99e14, 1e16,  1.5e20, 123456789.125};
    for (long long k = 0; k < 5000; ++k) {
        double tie2 = (k + 0.5) / 100.0;   // near every half cent
        double tie3 = (k + 0.5) / 1000.0;  // near every half of a thousandth
        for (double v : {tie2, tie3, k + 0.5})
            for (double w : {v, std::nextafter(v, 0.0), std::nextafter(v, 1e300)}) values.push_back(w);
    }
    std::mt19937_64 random(12);
    std::uniform_real_distribution<double> exponent(-12.0, 16.0);
    std::uniform_real_distribution<double> digits(1.0, 10.0);
    for (int i = 0; i < 50000; ++i) values.push_back(digits(random) * std::pow(10.0, exponent(random)));
    for (double limit : {1e15, 1e15 / 1000}) {
        for (double w = limit, i = 0; i < 50; ++i) {
            values.push_back(w);
            w = std::nextafter(w, 0.0);
        }
    }

    int mismatches = 0;
    for (double v : values) {
        for (double x : {v, -v}) {
            // Money rounds on its decimal value: it may differ from the binary value's rounding only where that
            // lies within binary noise of a half cent.
            const double cents = std::fabs(x) * 100;
            const bool nearHalf = std::fabs(cents - std::floor(cents) - 0.5) <= cents * 1e-12;
            if ((formatNumber(x, kFixed2Format) != printedRounding(x, 2) && !nearHalf) ||
                formatNumber(x, kFixed3Format) != printedRounding(x, 3) ||
                formatNumber(x, kPercentFormat) != printedRounding(x, 0) + "%") {
                ADD_FAILURE() << std::hexfloat << x << ": " << formatNumber(x, kFixed2Format) << " / "
                              << printedRounding(x, 2);
                if (++mismatches > 10) return;
            }
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
