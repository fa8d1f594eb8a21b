// Texts in the user's language: numbers, amounts and dates taken out of a text so one translation serves every
// value, in the conventions of the user's locale.
#include <gtest/gtest.h>

#include <map>

#include "common/locale.h"
#include "screen_model/translator.h"

namespace tv {
namespace {

Locale german()
{
    Locale l;
    l.decimalSeparator = ",";
    l.groupSeparator = ".";
    l.currencySymbol = "\u20AC";
    l.currencyPlace = CurrencyPlace::After;
    l.currencySpace = "\u00A0";
    l.negativeMoney = NegativeMoney::MinusFirst;
    l.shortDatePattern = "d. MMM yyyy";
    l.monthAbbreviations = {"Jan.", "Feb.", "M\u00E4rz", "Apr.", "Mai",  "Juni",
                            "Juli", "Aug.", "Sept.",     "Okt.", "Nov.", "Dez."};
    return l;
}

struct PatternCase {
    const char* text;
    bool german;
    const char* pattern;
    std::vector<std::string> args;
};

TEST(TextPattern, TakesOutNumbersAmountsAndDatesButNotWords)
{
    const PatternCase cases[] = {
        {"Saves 17 installments and $22,266.44 interest; paid off Aug 15, 2038",
         false,
         "Saves %1 installments and %2 interest; paid off %3",
         {"17", "$22,266.44", "Aug 15, 2038"}},
        {"Saves 40 installments and 20.503,65\u00A0\u20AC interest; paid off 15. Sept. 2051",
         true,
         "Saves %1 installments and %2 interest; paid off %3",
         {"40", "20.503,65\u00A0\u20AC", "15. Sept. 2051"}},
        {"Total is ($1,234.56) now", false, "Total is %1 now", {"($1,234.56)"}},
        {"320 payments\r\n    (26.67 yrs)", false, "%1 payments\r\n    (%2 yrs)", {"320", "26.67"}},
        {"1x Investment", false, "1x Investment", {}},
        {"1st Adj Payment:", false, "1st Adj Payment:", {}},
        {"Interest Rate:  %", false, "Interest Rate:  %", {}},
        {"1: Loan payment\r\n2025-01-15 09:00", false, "%1: Loan payment\r\n%2 %3", {"1", "2025-01-15", "09:00"}},
        {"at 6.625 % for 30 yrs", false, "at %1 % for %2 yrs", {"6.625", "30"}},
        {"Settings: /home/ann/.config/Tarvolin/Tarvolin.ini",
         false,
         "Settings: %1",
         {"/home/ann/.config/Tarvolin/Tarvolin.ini"}},
    };
    for (const PatternCase& c : cases) {
        SCOPED_TRACE(c.text);
        const TextPattern p = patternOf(c.text, c.german ? german() : Locale::enUS());
        EXPECT_EQ(p.pattern, c.pattern);
        EXPECT_EQ(p.args, c.args);
        EXPECT_EQ(fillPattern(p.pattern, p.args), c.text);
    }
}

class MapTranslator : public Translator {
public:
    std::map<std::pair<std::string, std::string>, std::string> texts;
    std::optional<std::string> find(std::string_view context, std::string_view text) const override
    {
        auto it = texts.find({std::string(context), std::string(text)});
        if (it == texts.end()) return std::nullopt;
        return it->second;
    }
};

TEST(Translate, ATextItsPatternOrItself)
{
    MapTranslator t;
    t.texts[{"Mervane", "&Calculate"}] = "&Berechnen";
    t.texts[{"Mervane", "Saves %1 installments and %2 interest; paid off %3"}] =
        "Spart %1 Raten und %2 Zinsen; abbezahlt am %3";
    t.texts[{"Mervane", "%2 then %1"}] = "erst %2, dann %1";
    EXPECT_EQ(translate(t, "Mervane", "&Calculate"), "&Berechnen");
    EXPECT_EQ(translate(t, "Mervane", "Saves 2 installments and $5.00 interest; paid off Aug 15, 2038"),
              "Spart 2 Raten und $5.00 Zinsen; abbezahlt am Aug 15, 2038");
    EXPECT_EQ(translate(t, "Mervane", "Reset Input"), "Reset Input");
    EXPECT_EQ(translate(t, "Other", "&Calculate"), "&Calculate");
    EXPECT_EQ(translate(t, "Mervane", "$1,234.56"), "$1,234.56");
    EXPECT_EQ(fillPattern("erst %2, dann %1, %3", {"a", "b"}), "erst b, dann a, %3");
}

}  // namespace
}  // namespace tv
