// Texts in the user's language: numbers, amounts and dates taken out of a text so one translation serves every
// value, in the conventions of the user's locale.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

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
    // A language whose singular is also used for 0 (as French does), plural forms kept by their English plural.
    std::map<std::string, std::pair<std::string, std::string>> plurals;
    std::optional<std::string> findPlural(std::string_view, std::string_view text, long long count) const override
    {
        auto it = plurals.find(std::string(text));
        if (it == plurals.end()) return std::nullopt;
        return count <= 1 ? it->second.first : it->second.second;
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

// A message made of marked pieces is translated piece by piece, wherever it is shown; a title of several lines line
// by line; what no piece explains stays as it is.
TEST(Translate, ComposedTextsPieceByPiece)
{
    MapTranslator t;
    for (auto [en, de] :
         {std::pair{"Saving failed - %1: %2. Nothing changed.", "Speichern fehlgeschlagen - %1: %2. Nichts geändert."},
          {"it is read-only", "sie ist schreibgeschützt"},
          {"its folder %1 cannot be made", "ihr Ordner %1 lässt sich nicht anlegen"},
          {"%1 (%2)", "%1 (%2)"},
          {"Terms", "Bedingungen"},
          {"%1: %2", "%1: %2"},
          {"Length", "Laufzeit"},
          {"%1 years", "%1 Jahre"}})
        t.texts[{"Messages", en}] = de;
    const std::string readOnly = composeText<"Saving failed - %1: %2. Nothing changed.">("/home/ann/Tarvolin.ini",
                                                                                         userText<"it is read-only">());
    const std::string folder = composeText<"Saving failed - %1: %2. Nothing changed.">(
        "/srv/a.ini", composeText<"%1 (%2)">(composeText<"its folder %1 cannot be made">("/srv"), "Permission denied"));
    const std::string title =
        std::string(userText<"Terms">()) + "\n\r" +
        std::string(composeText<"%1: %2">(userText<"Length">(), composeText<"%1 years">("10 to 30"))) + "\nRate: 6%";
    const std::pair<std::string, std::string> cases[] = {
        {readOnly, "Speichern fehlgeschlagen - /home/ann/Tarvolin.ini: sie ist schreibgeschützt. Nichts geändert."},
        {folder,
         "Speichern fehlgeschlagen - /srv/a.ini: ihr Ordner /srv lässt sich nicht anlegen (Permission denied). "
         "Nichts geändert."},
        {title, "Bedingungen\n\rLaufzeit: 10 to 30 Jahre\nRate: 6%"},
        {"Saving failed - a\nb. Nothing changed.", "Saving failed - a\nb. Nothing changed."},
    };
    for (const auto& [text, german] : cases) EXPECT_EQ(translate(t, "Messages", text), german) << text;
    // Marked texts are found from a form's context too, and only lines of messages are split.
    EXPECT_EQ(translate(t, "LoanSheet", "it is read-only"), "sie ist schreibgeschützt");
    EXPECT_EQ(translate(t, "LoanSheet", "Terms\nLength"), "Terms\nLength");
}

// A marked text is put into the language as it is shown: the count picks the language's own form, marked pieces
// are translated in turn, finished ones (amounts, dates) are put in as they are; English picks its own forms.
TEST(RenderText, PluralFormsAndPiecesInTheUsersLanguage)
{
    MapTranslator t;
    t.plurals["%1 of %n calculations"] = {"%1 calcul sur %n", "%1 calculs sur %n"};
    t.texts[{"Messages", "%1; %2 marked"}] = "%1 ; %2 marqués";
    const auto status = [](long long all) {
        return composeText<"%1; %2 marked">(pluralText<"%1 of %n calculation", "%1 of %n calculations">(all, "0"),
                                            "2,00 \u20AC");
    };
    const std::tuple<long long, const Translator*, std::string> cases[] = {
        {0, &t, "0 calcul sur 0 ; 2,00 \u20AC marqués"},        {1, &t, "0 calcul sur 1 ; 2,00 \u20AC marqués"},
        {5, &t, "0 calculs sur 5 ; 2,00 \u20AC marqués"},       {0, nullptr, "0 of 0 calculations; 2,00 \u20AC marked"},
        {1, nullptr, "0 of 1 calculation; 2,00 \u20AC marked"}, {2, nullptr, "0 of 2 calculations; 2,00 \u20AC marked"},
    };
    for (const auto& [count, translator, shown] : cases) {
        EXPECT_EQ(renderText(translator, status(count)), shown) << count;
        if (!translator) {
            EXPECT_EQ(status(count).english(), shown);
        }
    }
    // A language without the text shows its English forms; a form's text is found among that form's.
    EXPECT_EQ(renderText(&t, pluralText<"%n yr", "%n yrs">(1)), "1 yr");
    t.texts[{"Mervane", "&Calculate"}] = "&Berechnen";
    EXPECT_EQ(renderText(&t, formText<"Mervane", "&Calculate">()), "&Berechnen");
    EXPECT_EQ(renderText(&t, formText<"LoanSheet", "&Calculate">()), "&Calculate");
}

}  // namespace
}  // namespace tv
