// The views, solve-for options, input defaults, input checks and settings of the main screen.
#include <gtest/gtest.h>

#include "test_program.h"

namespace tv::test {
namespace {

struct Layout {
    const char* option;
    const char* highlighted;          // the label painted in the highlight colour
    std::vector<const char*> shown;   // optional fields that are visible
    std::vector<const char*> hidden;  // optional fields that are hidden
};

const std::vector<const char*> kLoanOptional = {"fp_xpaystrt", "fp_xpay",       "fp_hipayoff", "lbl_wXP",
                                                "fp_totIntwX", "fp_totPaywX",   "lbl_dur1",    "lbl_dur2",
                                                "fp_lstPay",   "lbl_payoff_msg"};

std::vector<const char*> without(const std::vector<const char*>& all, const std::vector<const char*>& shown)
{
    std::vector<const char*> out;
    for (const char* n : all)
        if (std::find_if(shown.begin(), shown.end(), [n](const char* s) { return std::string(s) == n; }) == shown.end())
            out.push_back(n);
    return out;
}

TEST(MervaneLayout, EveryLoanOptionShowsExactlyItsFields)
{
    const std::vector<const char*> extras = {"fp_xpaystrt", "fp_xpay",  "lbl_wXP",  "fp_totIntwX",
                                             "fp_totPaywX", "lbl_dur1", "lbl_dur2", "fp_lstPay"};
    const std::vector<const char*> payoff = {"fp_xpaystrt", "fp_xpay",     "fp_hipayoff",   "lbl_wXP",
                                             "fp_totIntwX", "fp_totPaywX", "lbl_payoff_msg"};
    const Layout layouts[] = {
        {"opt_Prin", "lbl_Prin", {}, {}},
        {"opt_intRate", "lbl_IntRate", {}, {}},
        {"opt_time", "lbl_Time", {}, {}},
        {"opt_payment", "lbl_Payment", {}, {}},
        {"opt_IntOnly", "lbl_Payment", {}, {}},
        {"opt_payoff", "lbl_Payment", payoff, {}},
        {"opt_xpaymo", "lbl_Payment", extras, {}},
        {"opt_xpay1x", "lbl_Payment", extras, {}},
        {"opt_xpayperiodic", "lbl_Payment", extras, {}},
    };
    TestProgram t;
    Form& m = t.form();
    const ColorTable& colors = t.program->module1().colors;
    for (const Layout& l : layouts) {
        SCOPED_TRACE(l.option);
        m.option(l.option).userClick();
        for (const char* name : l.shown) EXPECT_TRUE(m.control(name).visible()) << name;
        for (const char* name : without(kLoanOptional, l.shown)) EXPECT_FALSE(m.control(name).visible()) << name;
        for (const char* name : {"lbl_Prin", "lbl_IntRate", "lbl_Time", "lbl_Payment"})
            EXPECT_EQ(m.label(name).foreColor(),
                      std::string(name) == l.highlighted ? colors.gLoanHiTxtColor : colors.gLoanTxtColor)
                << name;
        EXPECT_TRUE(m.box("fp_Payment").enabled());
        EXPECT_EQ(m.box("fp_xpay").enabled(), l.shown == extras);
        EXPECT_FALSE(m.control("comIntr_IA").visible());
    }
    m.option("opt_payoff").userClick();
    EXPECT_EQ(m.label("lbl_xpaystrt").caption(), "Last Installment made before Payoff:");
    EXPECT_EQ(m.label("lbl_wXP").caption(), "with low Payoff:");
    EXPECT_EQ(m.label("lbl_payoff_msg").caption(), "Varies with number of days between Last Installment and Payoff");
}

TEST(MervaneLayout, EveryInvestmentOptionShowsExactlyItsFields)
{
    struct InvestLayout {
        const char* option;
        const char* prinCaption;
        bool start, extra, extraEnabled, annuityRate, compounding, fund, paymentEnabled, timeEnabled;
        const char* totPay;
    };
    const InvestLayout layouts[] = {
        {"Opt_Invest", "Invested &Amount:", false, false, false, false, true, true, false, true,
         "Total Contributions:"},
        {"Opt_invest_mnthly", "Monthly &Amount:", false, false, false, false, true, true, false, true,
         "Total Contributions:"},
        {"Opt_invest_1xmnthly", "Monthly &Amount:", false, true, true, false, true, true, false, true,
         "Total Contributions:"},
        {"Opt_invest_yearly", "Yearly &Amount:", false, false, false, false, true, true, false, true,
         "Total Contributions:"},
        {"Opt_Inv2Annuity", "Monthly &Amount:", true, true, false, true, true, false, false, true,
         "Total Contributions:"},
        {"Opt_Annuity", "Invested &Amount:", false, false, false, false, false, false, false, true, "Total Payments:"},
        {"Opt_Annuity_Mnthly", "Invested &Amount:", false, false, false, false, false, false, false, true,
         "Total Payments:"},
        {"Opt_Annuity_Duration", "Invested &Amount:", false, false, false, false, false, false, true, false,
         "Total Payments:"},
        {"Opt_Spec_Dur", "Invested &Amount:", true, false, false, false, true, true, false, true, "Total Payments:"},
    };
    TestProgram t;
    Form& m = t.form();
    m.menu("mnu_view_invest").userChoose();
    EXPECT_EQ(m.caption(), "Financial Calculator - Investments");
    for (const auto& l : layouts) {
        SCOPED_TRACE(l.option);
        m.option(l.option).userClick();
        EXPECT_EQ(m.label("lbl_Prin").caption(), l.prinCaption);
        EXPECT_EQ(m.box("fp_xpaystrt").visible(), l.start);
        EXPECT_EQ(m.box("fp_xpay").visible(), l.extra);
        EXPECT_EQ(m.box("fp_xpay").enabled(), l.extraEnabled);
        EXPECT_EQ(m.combo("comIntr_IA").visible(), l.annuityRate);
        EXPECT_EQ(m.frame("frm_invIntComp").visible(), l.compounding);
        EXPECT_EQ(m.frame("frm_invRetFund").visible(), l.fund);
        EXPECT_EQ(m.box("fp_Payment").enabled(), l.paymentEnabled);
        EXPECT_EQ(m.box("fp_Time").enabled(), l.timeEnabled);
        EXPECT_EQ(m.label("lbl_totPay").caption(), l.totPay);
        EXPECT_EQ(m.label("lbl_totPay").left(), std::string(l.totPay) == "Total Payments:"
                                                    ? mervane_layout::kTotPayNarrowLeft
                                                    : mervane_layout::kTotPayWideLeft);
        for (const char* name :
             {"fp_hipayoff", "fp_totIntwX", "fp_totPaywX", "fp_lstPay", "lbl_dur1", "lbl_payoff_msg"})
            EXPECT_FALSE(m.control(name).visible()) << name;
        EXPECT_FALSE(m.button("btn_Payoff2RF").enabled());
        EXPECT_FALSE(m.button("btn_InfAdj").enabled());
    }
}

TEST(MervaneViews, SwitchingViewsKeepsEachViewsOptionAndResetsAfterTheFirstSwitch)
{
    TestProgram t;
    Form& m = t.form();
    m.option("opt_time").userClick();
    t.type("fp_Prin", "5000");
    m.menu("mnu_view_invest").userChoose();
    EXPECT_EQ(t.m().calc().viewSwitchCount, 2);
    EXPECT_FALSE(m.menu("mnu_LnSheet").enabled());
    EXPECT_FALSE(m.toolbar("Toolbar1").button(2).enabled);
    EXPECT_TRUE(m.toolbar("Toolbar1").button(6).enabled);
    EXPECT_TRUE(m.toolbar("Toolbar1").button(4).pressed);
    EXPECT_EQ(t.text("fp_Prin"), "100000");  // reset, then the one-time investment default
    m.menu("mnu_view_loan").userChoose();
    EXPECT_TRUE(m.option("opt_time").value());
    EXPECT_EQ(t.text("fp_Prin"), "100000");
    EXPECT_EQ(t.text("fp_Time"), "0");
    EXPECT_FALSE(m.menu("mnu_InvInpChk").enabled());
    EXPECT_TRUE(m.toolbar("Toolbar1").button(1).pressed);
}

TEST(MervaneDefaults, OptionDefaultsFollowTheirOwnRules)
{
    TestProgram t;
    Form& m = t.form();
    t.click("btn_Clear");
    m.option("opt_Prin").userClick();
    EXPECT_EQ(t.text("fp_Prin"), "0");
    EXPECT_EQ(m.combo("comIntr").listIndex(), 64);
    EXPECT_EQ(t.text("fp_Time"), "15");
    EXPECT_EQ(t.text("fp_Payment"), "800");

    m.combo("comIntr").userPick(10);
    m.option("opt_intRate").userClick();
    EXPECT_EQ(m.combo("comIntr").listIndex(), -1);

    m.option("opt_xpaymo").userClick();
    t.type("fp_xpay", "70");
    m.option("opt_xpaymo").userClick();  // clicking the selected option again resets its extra
    EXPECT_EQ(t.text("fp_xpay"), "25");

    m.option("opt_payment").userClick();
    t.type("fp_Time", "-5");
    m.option("opt_payment").userClick();
    EXPECT_EQ(t.text("fp_Time"), "-5");  // only exactly 0 is replaced
    t.messages();
    t.calculate();
    EXPECT_EQ(t.messages().size(), 1u);
    EXPECT_EQ(t.program->app().focus(), &m.control("fp_Time"));
}

TEST(MervaneDefaults, ChoosingYearsRightAfterStartUpKeepsTheDurationInYears)
{
    // Found by the monkey: neither unit was checked at start-up, so Years took the 15 years for months.
    TestProgram t;
    Form& m = t.form();
    m.menu("mnu_Years").userChoose();
    EXPECT_EQ(t.text("fp_Time"), "15");
    m.toolbar("Toolbar1").userClickButton(8);
    EXPECT_EQ(t.text("fp_Time"), "15");
    EXPECT_TRUE(m.menu("mnu_Years").checked());
    EXPECT_FALSE(m.menu("mnu_Months").checked());
}

TEST(MervaneDefaults, MonthViewScalesTheDurationDefault)
{
    TestProgram t;
    Form& m = t.form();
    m.menu("mnu_Months").userChoose();
    EXPECT_EQ(t.text("fp_Time"), "180");
    EXPECT_EQ(m.label("lbl_Time").caption(), "&Duration:  (Mos)");
    t.type("fp_Time", "61");
    m.menu("mnu_Years").userChoose();
    EXPECT_EQ(t.text("fp_Time"), "5.083");
    m.menu("mnu_Years").userChoose();
    EXPECT_EQ(t.text("fp_Time"), "5.083");
    m.menu("mnu_Months").userChoose();
    t.type("fp_Time", "31");
    t.calculate();
    EXPECT_DOUBLE_EQ(t.m().calc().durYears, 2.583);
    EXPECT_EQ(t.text("fp_Time"), "31");
}

TEST(MervaneInputCheck, TheFocusEndsOnTheLastFailingControl)
{
    TestProgram t;
    Form& m = t.form();
    m.option("opt_xpaymo").userClick();
    t.type("fp_xpaystrt", "0");
    t.calculate();
    EXPECT_EQ(t.program->app().focus(), &m.control("fp_xpaystrt"));

    m.option("opt_payoff").userClick();
    t.type("fp_xpaystrt", "0");
    t.messages();
    t.calculate();
    EXPECT_TRUE(t.messages().empty());

    m.option("opt_IntOnly").userClick();
    t.type("fp_Time", "0");
    t.calculate();
    EXPECT_TRUE(t.messages().empty());

    m.menu("mnu_view_invest").userChoose();
    t.type("fp_Prin", "0");
    m.combo("comIntr").userPick(-1);
    t.type("fp_Time", "0");
    t.calculate();
    EXPECT_EQ(t.messages().size(), 1u);
    // fp_Prin fails (the rate is not checked then), fp_Time fails later; Init_Input refills both.
    EXPECT_EQ(t.program->app().focus(), &m.control("fp_Time"));
}

TEST(MervaneInputCheck, NegativeYearlyExtraIsRefused)
{
    TestProgram t;
    Form& m = t.form();
    m.option("opt_xpayperiodic").userClick();
    t.type("fp_xpay", "-100");
    t.calculate();
    EXPECT_EQ(t.messages().size(), 1u);
    EXPECT_EQ(t.program->app().focus(), &m.control("fp_xpay"));
}

TEST(MervaneChecker, QuestionsOfferTheSettingsValues)
{
    TestProgram t;
    Form& m = t.form();
    m.menu("mnu_view_invest").userChoose();
    m.menu("mnu_InvInpChk").userChoose();
    EXPECT_TRUE(t.m().calc().inputCheckOn);
    EXPECT_EQ(m.toolbar("Toolbar1").button(6).image, 13);
    t.type("fp_Prin", "3000");
    t.type("fp_Time", "7");
    t.messages();
    m.option("Opt_Invest").userClick();  // No: keeps 3000
    EXPECT_EQ(t.messages(),
              std::vector<std::string>{"One time investment seems small - do you want to use the ini file value?"});
    EXPECT_EQ(t.text("fp_Prin"), "3000");
    EXPECT_EQ(t.text("fp_Time"), "7");
    t.platform.queueAnswer(kAnswerYes);
    m.option("Opt_Invest").userClick();
    EXPECT_EQ(t.text("fp_Prin"), "100000");
    EXPECT_EQ(t.text("fp_Time"), "10");

    t.type("fp_Prin", "12000");
    t.platform.queueAnswer(kAnswerYes);
    m.option("Opt_invest_mnthly").userClick();
    EXPECT_EQ(t.messages().back(), "Monthly Investment seems too large - do you want to use the ini file value?");
    EXPECT_EQ(t.text("fp_Prin"), "10000");
}

TEST(MervaneChecker, SaveThenDrawNeedsAnAnnuityRate)
{
    TestProgram t = TestProgram::withSettings("[TarvolinDefaults]\r\nInvestAnnuityInt=999\r\n");
    Form& m = t.form();
    m.menu("mnu_view_invest").userChoose();
    m.option("Opt_Inv2Annuity").userClick();
    EXPECT_EQ(m.combo("comIntr_IA").listIndex(), -1);
    t.calculate();
    EXPECT_EQ(t.messages().size(), 1u);
    EXPECT_EQ(t.program->app().focus(), &m.control("comIntr_IA"));
}

TEST(MervaneSettings, StartUpTakesDefaultsViewUnitAndColoursFromTheFile)
{
    TestProgram t = TestProgram::withSettings(
        "; hand written\n[tarvolindefaults]\nLoanAmount=250,000\nInvestBFamt1x=5000\nInvestBFduration=20\n"
        "MenuStart=2\nDurationType=1\nInvestBkgrndColor=9\nInvestTxtColor=7\nTextBoxBgColor=40\n");
    Form& m = t.form();
    EXPECT_EQ(m.caption(), "Financial Calculator - Investments");
    EXPECT_EQ(t.m().calc().viewSwitchCount, 1);
    EXPECT_TRUE(m.menu("mnu_Months").checked());
    EXPECT_TRUE(m.toolbar("Toolbar1").button(9).pressed);
    EXPECT_TRUE(m.toolbar("Toolbar1").button(4).pressed);
    EXPECT_DOUBLE_EQ(t.m().startup().loanAmount, 250);
    EXPECT_EQ(t.text("fp_Prin"), "5000");
    EXPECT_EQ(t.text("fp_Time"), "240");
    EXPECT_EQ(m.backColor(), 0x00000080u);
    EXPECT_EQ(m.label("lbl_Prin").foreColor(), 0x00FFFFFFu);
    EXPECT_EQ(m.frame("frm_invSolve").foreColor(), 0x00FFFFFFu);  // contrast on a dark background
    EXPECT_EQ(m.box("fp_Prin").backColor(), 0x00808080u);         // out of the list: Dk Gray
    EXPECT_FALSE(m.label("lbl_xtra_w_last").visible()) << "a loan's note has no place among investments";
}

TEST(MervaneSettings, WindowDefaultsUseSystemColoursAndResetRereadsTheFile)
{
    TestProgram t = TestProgram::withSettings("[TarvolinDefaults]\nUseWindowDefaults=1\nLoanBkgrndColor=1\n");
    Form& m = t.form();
    EXPECT_EQ(m.backColor(), syscolor::kButtonFace);
    EXPECT_EQ(m.frame("frm_LnSolve").foreColor(), syscolor::kWindowText);
    EXPECT_EQ(m.label("lbl_Payment").foreColor(), syscolor::kHighlightText);

    t.cwd.write("Tarvolin.ini", "[TarvolinDefaults]\nDurationType=1\nLoanDuration=20\n");
    m.menu("mnu_Years").userChoose();
    m.menu("mnu_IniReset").userChoose();
    EXPECT_TRUE(m.menu("mnu_Months").checked());
    EXPECT_EQ(t.program->module1().colors.gLoanBkgrndColor, 0x00E0E0E0u);
    // The reset re-initialised the inputs with the new duration (in months).
    EXPECT_EQ(t.text("fp_Time"), "240");
}

}  // namespace
}  // namespace tv::test
