// Marked texts in the user's language: patterns translated with their pieces put in, plural forms chosen by the
// language, finished texts shown as they are.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "screen_model/translator.h"

namespace tv {
namespace {

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

// A message made of marked pieces is translated piece by piece; lines keep their breaks; a finished piece (a path,
// a system's reason) and a finished text are shown as they are, never looked up.
TEST(RenderText, ComposedTextsPieceByPiece)
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
          {"%1 years", "%1 Jahre"},
          {"%1\n%2", "broken"}})
        t.texts[{"Messages", en}] = de;
    const UserText readOnly = composeText<"Saving failed - %1: %2. Nothing changed.">(
        std::string("/home/ann/Tarvolin.ini"), userText<"it is read-only">());
    const UserText folder = composeText<"Saving failed - %1: %2. Nothing changed.">(
        std::string("/srv/a.ini"),
        composeText<"%1 (%2)">(composeText<"its folder %1 cannot be made">(std::string("/srv")),
                               std::string("Permission denied")));
    const UserText title = textLines(
        textLines(userText<"Terms">(),
                  composeText<"%1: %2">(userText<"Length">(), composeText<"%1 years">(std::string("10 to 30"))),
                  "\n\r"),
        finishedText("Rate: 6%"));
    const std::pair<UserText, std::string> cases[] = {
        {readOnly, "Speichern fehlgeschlagen - /home/ann/Tarvolin.ini: sie ist schreibgeschützt. Nichts geändert."},
        {folder,
         "Speichern fehlgeschlagen - /srv/a.ini: ihr Ordner /srv lässt sich nicht anlegen (Permission denied). "
         "Nichts geändert."},
        {title, "Bedingungen\n\rLaufzeit: 10 to 30 Jahre\nRate: 6%"},
        {finishedText("it is read-only"), "it is read-only"},
        {textLines({}, userText<"Terms">()), "Bedingungen"},
    };
    for (const auto& [text, german] : cases) {
        EXPECT_EQ(renderText(&t, text), german) << text.english();
        EXPECT_EQ(renderText(nullptr, text), text.english());
    }
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
