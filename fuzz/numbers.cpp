// The number reader and formatter, in the conventions of four kinds of locale (the input's first byte chooses
// one): en_US; a decimal comma with "." groups and the symbol after (de_DE); a decimal comma with narrow no-break
// space groups and negatives in parentheses (fr_FR); lakh grouping with the minus after the symbol (en_IN).
// The input is read as a box text, and its first eight bytes as a double.
// Properties: nothing read is NaN or infinite; every text a format gives for a finite value reads back as a
// number within half a unit of the format's last place, and formatting that number again gives the same
// text; the plain text of a value reads back as the value to 15 significant digits; a box's display of a
// number reads back as itself.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "common/formats.h"
#include "common/locale.h"
#include "common/numbers.h"
#include "fuzz_check.h"

namespace {

tv::Locale localeOf(std::uint8_t choice)
{
    tv::Locale l;
    switch (choice % 4) {
        case 1:
            l.decimalSeparator = ",";
            l.groupSeparator = ".";
            l.currencySymbol = "\u20AC";
            l.currencyPlace = tv::CurrencyPlace::After;
            l.currencySpace = "\u00A0";
            l.negativeMoney = tv::NegativeMoney::MinusFirst;
            l.percentSpace = "\u00A0";
            break;
        case 2:
            l.decimalSeparator = ",";
            l.groupSeparator = "\u202F";
            l.currencySymbol = "\u20AC";
            l.currencyPlace = tv::CurrencyPlace::After;
            l.currencySpace = "\u00A0";
            l.percentSpace = "\u202F";
            break;
        case 3:
            l.secondaryGroup = 2;
            l.currencySymbol = "\u20B9";
            l.negativeMoney = tv::NegativeMoney::MinusAfterSymbol;
            break;
        default:
            break;
    }
    return l;
}

const std::string_view kFormats[] = {tv::kMoneyFormat,    tv::kDurationFormat, tv::kWholeFormat,  tv::kPercentFormat,
                                     tv::kCurrencyFormat, tv::kStandardFormat, tv::kFixed2Format, tv::kFixed3Format};

double halfUnit(std::string_view format)
{
    if (format == tv::kWholeFormat || format == tv::kPercentFormat) return 0.5;
    if (format == tv::kDurationFormat || format == tv::kFixed3Format) return 0.0005;
    return 0.005;
}

void checkFormatted(double value)
{
    if (!std::isfinite(value)) {
        for (std::string_view f : kFormats)
            FUZZ_CHECK(tv::formatNumber(value, f) == "0", "a value that is not finite shows 0");
        FUZZ_CHECK(tv::plainText(value) == "0", "plain text of a value that is not finite");
        return;
    }
    for (std::string_view f : kFormats) {
        const std::string text = tv::formatNumber(value, f);
        std::optional<double> back = tv::parseBoxValue(text);
        FUZZ_CHECK(back.has_value(), "formatted text reads back: " + text);
        // Money rounds half up on its decimal value, with digits 13 to 15 that lie within a tenth of the 12th
        // taken as binary noise: a half unit and a ten-trillionth of the value.
        FUZZ_CHECK(std::fabs(*back - value) <= halfUnit(f) * (1 + 1e-9) + std::fabs(value) * 1e-13,
                   "formatted text reads back as the value: " + text);
        FUZZ_CHECK(tv::formatNumber(*back, f) == text, "formatted text reads back as itself: " + text);
        if (*back == 0.0) FUZZ_CHECK(text.find_first_of("-(") == std::string::npos, "no negative zero: " + text);
    }
    const std::string plain = tv::plainText(value);
    std::optional<double> back = tv::parseBoxValue(plain);
    FUZZ_CHECK(back.has_value(), "plain text reads back: " + plain);
    FUZZ_CHECK(plain.find_first_of("eE") == std::string::npos &&
                   plain.find(tv::Locale::current().groupSeparator) == std::string::npos,
               "plain text has no exponent or group separator: " + plain);
    FUZZ_CHECK(tv::plainText(*back) == plain, "plain text reads back as itself: " + plain);
    FUZZ_CHECK(std::fabs(*back - value) <= std::fabs(value) * 1e-14, "plain text keeps 15 digits: " + plain);
    FUZZ_CHECK(plain != "-0", "plain text of a negative zero");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    tv::Locale::setCurrent(localeOf(size > 0 ? data[0] : 0));

    std::optional<double> value = tv::parseBoxValue(text);
    if (value) {
        FUZZ_CHECK(std::isfinite(*value), "a box value is finite");
        checkFormatted(*value);
    }
    FUZZ_CHECK(std::isfinite(tv::readBoxValue(text)), "readBoxValue is finite");
    FUZZ_CHECK(std::isfinite(tv::leadingNumber(text)), "leadingNumber is finite");
    for (std::string_view f : kFormats) {
        const std::string shown = tv::displayText(text, f);
        if (!value || text.find_first_not_of(" \t") == std::string::npos) {
            FUZZ_CHECK(shown == text, "a text that is not a number shows as it is");
            continue;
        }
        FUZZ_CHECK(tv::displayText(shown, f) == shown, "a display reads back as itself: " + shown);
    }

    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        checkFormatted(raw);
    }
    return 0;
}
