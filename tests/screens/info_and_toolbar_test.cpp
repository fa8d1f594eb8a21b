// The toolbar's dispatch, the Help menu's windows and the launched programs.
#include <gtest/gtest.h>

#include "common/numbers.h"
#include "info/about.h"
#include "test_program.h"

namespace tv::test {
namespace {

TEST(Toolbar, ButtonsRunTheirMenuCommandsAndSeparatorsDoNothing)
{
    TestProgram t;
    Form& m = t.form();
    Toolbar& tb = m.toolbar("Toolbar1");
    tb.userClickButton(4);
    EXPECT_TRUE(m.menu("mnu_view_invest").checked());
    EXPECT_TRUE(tb.button(4).pressed);
    EXPECT_FALSE(tb.button(1).pressed);
    tb.userClickButton(6);
    EXPECT_TRUE(t.m().calc().inputCheckOn);
    EXPECT_TRUE(m.menu("mnu_InvInpChk").checked());
    tb.userClickButton(9);
    EXPECT_TRUE(m.menu("mnu_Months").checked());
    tb.userClickButton(8);
    EXPECT_TRUE(m.menu("mnu_Years").checked());
    tb.userClickButton(1);
    EXPECT_TRUE(m.menu("mnu_view_loan").checked());
    std::string before = t.text("fp_Prin");
    for (int separator : {3, 7, 10, 12, 13, 14}) tb.userClickButton(separator);
    EXPECT_EQ(t.text("fp_Prin"), before);
    EXPECT_TRUE(t.messages().empty());
    tb.userClickButton(15);
    EXPECT_TRUE(t.platform.ended());
}

TEST(Toolbar, FrequencyButtonsRescaleATypedPaymentInTheRateMode)
{
    TestProgram t;
    Form& m = t.form();
    m.option("opt_intRate").userClick();
    t.type("fp_Prin", "100000");
    t.type("fp_Time", "30");
    t.type("fp_Payment", "1400");
    m.option("opt_24").userClick();
    EXPECT_EQ(t.m().calc().instPerYear, 24);
    // The box held 700 before the recalculation, which then shows the exact payment at the rate found.
    double at24 = readBoxValue(t.text("fp_Payment"));
    EXPECT_NEAR(at24, 700, 3);
    m.option("opt_26").userClick();
    EXPECT_NEAR(readBoxValue(t.text("fp_Payment")), at24, 3);
    m.option("opt_12").userClick();
    EXPECT_NEAR(readBoxValue(t.text("fp_Payment")), 1400, 6);
}

TEST(HelpMenu, AboutNamesTheSettingsFileInUseByItsWholePath)
{
    for (bool inTheFolder : {false, true}) {
        TestProgram t = inTheFolder ? TestProgram::withSettings("") : TestProgram();
        std::string shown;
        t.platform.setModalLoop([&shown](Form& form) {
            shown = form.label("lbl_Settings").caption();
            form.button("Command1").userClick();
        });
        t.form().menu("mnu_About").userChoose();
        EXPECT_EQ(shown, "Settings: " + (inTheFolder ? t.cwd.path() / "Tarvolin.ini" : t.cwd.configFile()).string());
    }
}

TEST(HelpMenu, AboutIsCentredAndTheHistoryStacksOverIt)
{
    TestProgram t;
    Program& p = *t.program;
    int openedWhileAbout = 0;
    t.platform.setModalLoop([&](Form& form) {
        if (form.name() == "About") {
            EXPECT_EQ(form.label("lbl_Ver").caption(), "Version 6.03.07");
            EXPECT_EQ(form.label("lbl_Date").caption(), "5/25/2002");
            EXPECT_EQ(form.left(), (15360 - form.width()) / 2);
            EXPECT_EQ(form.top(), (11520 - form.height()) / 2);
            form.button("Updates").userClick();
            EXPECT_TRUE(form.loaded());  // closing the history returns to About
            form.button("Command1").userClick();
        } else if (form.name() == "UpdateHist") {
            openedWhileAbout += p.about().loaded() ? 1 : 0;
            EXPECT_EQ(p.app().topmost(), &form);
            EXPECT_EQ(form.left(), (15360 - form.width()) / 2 - 1700);
            EXPECT_EQ(form.top(), (11520 - form.height()) / 2 - 1500);
            form.button("btn_OK").userClick();
        }
    });
    t.form().menu("mnu_About").userChoose();
    EXPECT_EQ(openedWhileAbout, 1);
    EXPECT_FALSE(p.about().loaded());
    EXPECT_FALSE(p.updateHist().loaded());

    t.form().menu("mnu_UpdateHist").userChoose();
    EXPECT_EQ(openedWhileAbout, 1);  // from the Help menu, without the About window
}

TEST(HelpMenu, HistoryTextIsExact)
{
    std::string text = UpdateHist::historyText().english();
    EXPECT_EQ(text.rfind("1987 - Original DOS ver\r\n", 0), 0u);
    EXPECT_NE(text.find("\r\n\r\n Ver\t Date\tUpdate History\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n\t\tAdd Window Default to the background lists\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n\t\tAdd customizable Toolbar with MS Toolbar & ImageList\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n\t\tFix investment 'Combo' to calculate monthly payment correctly\r\n"),
              std::string::npos);
    const std::string last =
        "6.03.07  05/25/02 - Add Close button to Table Dialog and reinstate 'X' (close) in control box";
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
    int lines = 1;
    for (char c : text) lines += c == '\n';
    EXPECT_EQ(lines, 22);
    EXPECT_EQ(text.find('\n') - 1, text.find('\r'));
}

TEST(LaunchMenu, HelpAndCalculatorCallsPassTheirFixedValues)
{
    TestProgram t;
    Form& m = t.form();
    m.menu("Mnu_HelpDefinitions").userChoose();
    m.menu("mnu_WinCalc").userChoose();
    const auto& records = t.platform.records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].type, PlatformRecord::Type::Help);
    EXPECT_EQ(records[0].text, "Mervane.hlp");
    EXPECT_EQ(records[0].number, 3);
    EXPECT_EQ(records[1].type, PlatformRecord::Type::Started);
    EXPECT_EQ(records[1].text, "Calc.exe");
    EXPECT_EQ(records[1].number, 1);
    EXPECT_FALSE(m.menu("mnu_DOSLnPrg").enabled());
    EXPECT_EQ(t.program->app().pointer(), Pointer::Default);
}

}  // namespace
}  // namespace tv::test
