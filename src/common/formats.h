#pragma once

#include <string>
#include <string_view>

#include "common/locale.h"

namespace tv {

// The display formats the screens use, by their design names:
inline constexpr std::string_view kMoneyFormat = "$#,##0.00;($#,##0.00)";  // $1,234.50 / ($20.00)
inline constexpr std::string_view kDurationFormat = "#,###.###";           // 1,234.5 (up to 3 decimals)
inline constexpr std::string_view kWholeFormat = "#,##0";                  // 1,235
inline constexpr std::string_view kPercentFormat = "0%";                   // 20 -> 20% (the value is in percent)
inline constexpr std::string_view kCurrencyFormat = "currency";            // the locale's currency form
inline constexpr std::string_view kStandardFormat = "Standard";            // 1,234.50
inline constexpr std::string_view kFixed2Format = "0.00";
inline constexpr std::string_view kFixed3Format = "0.000";

// Formats a value with one of the formats above, with the locale's separators, grouping, currency symbol and
// negative forms (the "$" and parentheses of the money format stand for the locale's). Display rounding is half away
// from zero on the exact value; a value that rounds to zero never shows a minus sign ("$0.00", not "$-0.00" or
// "($0.00)"). An unknown format, or a value that is not finite, gives the plain text of the value.
std::string formatNumber(double value, std::string_view format, const Locale& locale = Locale::current());

// An amount already written as a number, with the locale's currency symbol in its place: "$8718.46" in en_US,
// "8718,46 €" in de_DE.
std::string withCurrency(const std::string& amount, const Locale& locale = Locale::current());
// A number already written, as a percentage the locale's way: "7.50%" in en_US, "7,50 %" in de_DE.
std::string withPercent(const std::string& number, const Locale& locale = Locale::current());

// What a masked box shows while it does not have the focus: its text through its display format.
// Empty text shows empty, text that is not a number shows as it is, an empty format shows the text.
std::string displayText(std::string_view text, std::string_view format, const Locale& locale = Locale::current());

// A date as the locale writes it, by its short date pattern: "Aug 15, 2038" in en_US. Month 1..12.
std::string dateText(int year, int month, int day, const Locale& locale = Locale::current());

}  // namespace tv
