#pragma once

#include <array>
#include <string>

namespace tv {

// Where a money amount's currency symbol stands.
enum class CurrencyPlace {
    Before,  // $1,234.56
    After,   // 1.234,56 €
};

// How a negative money amount is written.
enum class NegativeMoney {
    Parentheses,       // ($1,234.56), (1 234,56 €)
    MinusFirst,        // -1.234,56 €, -$1,234.56
    MinusAfterSymbol,  // R$ -1.234,56, ₹-1,234.56
};

// The number and date conventions of the program: one plain table, deliberately not std::locale (a fresh
// machine has only the C locales). Separators and symbols are UTF-8 texts. en_US is the default and the
// reference for every test; a front end learns the user's conventions and makes them current.
struct Locale {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";  // "." in de_DE, U+202F (narrow no-break space) in fr_FR
    int primaryGroup = 3;              // digits in the group next to the decimal separator
    int secondaryGroup = 3;            // digits in every group further left: 2 in en_IN (12,34,567.00)
    int minimumGroupingDigits = 1;     // 2 in es_ES: "1234" but "12.345"
    std::string minusSign = "-";
    std::string currencySymbol = "$";
    CurrencyPlace currencyPlace = CurrencyPlace::Before;
    std::string currencySpace;  // between the symbol and the amount: "", " " or U+00A0
    NegativeMoney negativeMoney = NegativeMoney::Parentheses;
    std::string percentSpace;  // before a "%": "" in en_US, U+00A0 in de_DE and es_ES, U+202F in fr_FR
    // A date by letters: d/dd day, M/MM month number, MMM month abbreviation, yy/yyyy year, 'quoted' text.
    std::string shortDatePattern = "MMM d, yyyy";
    std::array<std::string, 12> monthAbbreviations = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

    bool operator==(const Locale&) const = default;

    static const Locale& enUS();
    // What the program shows and reads: en_US until a front end sets the user's. Process-wide on purpose: it is
    // the process's environment, as QLocale::setDefault is; set it before the program is built.
    static const Locale& current();
    static void setCurrent(Locale locale);
};

}  // namespace tv
