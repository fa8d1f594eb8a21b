#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/locale.h"

namespace tv {

// The value of a box's text in a locale: blanks around it, a currency sign, group separators, the decimal
// separator, a sign or parentheses for negatives and a trailing percent sign are accepted
// (en_US: "$1,234.50" -> 1234.5, "($20.00)" -> -20, "20%" -> 20; de_DE: "1.234,56 €" -> 1234.56). Empty text is 0.
// The currency sign is the locale's or "$", before the amount or where the locale puts its own. Where the
// decimal separator is a comma, a point and spaces (plain, no-break, narrow no-break) group digits too.
// Returns nothing when the text is not a number at all, or not finite.
std::optional<double> parseBoxValue(std::string_view text, const Locale& locale = Locale::current());

// Like parseBoxValue, but text that is not a number reads as 0 rather than a failure.
double readBoxValue(std::string_view text, const Locale& locale = Locale::current());

// The leading number of a text: leading blanks skipped, then an optional sign, digits and at most one
// decimal separator; reading stops at the first other character. en_US: "100,000" -> 100, "7.25%" -> 7.25,
// "  -3.5x" -> -3.5, "abc" -> 0.
double leadingNumber(std::string_view text, const Locale& locale = Locale::current());

// The plain text of a number: its decimal form with up to 15 significant digits, the locale's decimal
// separator, no group separators, never an exponent, no leading blank, and no "-0" (7.5 -> "7.5", or "7,5" in
// de_DE; 1e5 -> "100000"). It reads back in the same locale. Files and exports pass Locale::enUS().
// A value that is not finite gives "0"; callers check finiteness before they write results.
std::string plainText(double value, const Locale& locale = Locale::current());

}  // namespace tv
