// The program in the user's language: every text a user reads goes through the translator, commands still go by
// names, and without a translator every text is as the forms are written.
#include <gtest/gtest.h>

#include <map>

#include "screen_model/scripted_platform.h"
#include "screen_model/translator.h"
#include "test_program.h"

namespace tv::test {
namespace {

class GermanWords : public Translator {
public:
    std::optional<std::string> find(std::string_view context, std::string_view text) const override
    {
        static const std::map<std::pair<std::string_view, std::string_view>, std::string> kWords{
            {{"Mervane", "&Calculate"}, "&Berechnen"},
            {{"Mervane", "&View"}, "&Ansicht"},
            {{"Mervane", "Calculation history: restore and compare (Ctrl+H)"},
             "Verlauf: wiederherstellen, vergleichen"},
            {{"Mervane", "Financial Calculator - Loans"}, "Finanzrechner - Kredite"},
            {{"Messages", "input Error"}, "Eingabefehler"},
            {{"Messages", "Amount too large - at most %1 can be computed"},
             "Betrag zu gro\u00DF - h\u00F6chstens %1 kann berechnet werden"},
        };
        auto it = kWords.find({context, text});
        if (it == kWords.end()) return std::nullopt;
        return it->second;
    }
};

TEST(Language, FormsMenusToolTipsAndMessagesAreTranslatedAndCommandsStillGoByName)
{
    TempCwd cwd;
    ScriptedPlatform platform;
    Program program(platform, std::make_shared<GermanWords>());
    program.Main();
    Form& m = program.mervane();
    EXPECT_EQ(m.caption(), "Finanzrechner - Kredite");
    EXPECT_EQ(m.control("btn_Calc").caption(), "&Berechnen");
    EXPECT_EQ(m.menu("mnu_View").caption(), "&Ansicht");
    EXPECT_EQ(m.toolbar("Toolbar1").button(static_cast<int>(MainTool::History)).toolTip,
              "Verlauf: wiederherstellen, vergleichen");

    m.box("fp_Prin").userType("2000000000000");
    m.control("btn_Calc").userClick();
    ASSERT_FALSE(platform.records().empty());
    const PlatformRecord& message = platform.records().back();
    EXPECT_EQ(message.title, "Eingabefehler");
    EXPECT_EQ(message.text, "Betrag zu gro\u00DF - h\u00F6chstens $1,000,000,000,000 kann berechnet werden");
}

}  // namespace
}  // namespace tv::test
