#pragma once

#include <string>

namespace tv {

// The number conventions of the program: one plain table, deliberately not std::locale (a fresh machine
// has only the C locales). en_US is used everywhere in this version; this is the single place a
// localisation would change.
struct Locale {
    std::string currencySymbol = "$";
    char groupSeparator = ',';
    char decimalPoint = '.';
    bool negativeCurrencyInParentheses = true;  // ($1,234.56) rather than -$1,234.56

    static const Locale& enUS();
};

}  // namespace tv
