// The Investments view's calculations, the inflation adjustment and the retirement fund, driven as a user
// drives them: pick the option, type, pick the rates, press Calculate, read the boxes.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "common/numbers.h"
#include "test_program.h"

namespace tv::test {
namespace {

constexpr int kSixPercent = 48;    // entry 48 of the rate lists: 6.000
constexpr int kThreePercent = 24;  // 3.000

// The program started and switched to the Investments view, with the option selected.
void investments(TestProgram& t, const char* optionName)
{
    t.form().menu("mnu_view_invest").userChoose();
    t.form().option(optionName).userClick();
    t.messages();
}

void rate(TestProgram& t, int index)
{
    t.form().combo("comIntr").userPick(index);
}

// The amount, the rate and the duration, filled in from the top down as a user does.
void fillIn(TestProgram& t, const char* amount, int rateEntry, const char* years)
{
    t.type("fp_Prin", amount);
    rate(t, rateEntry);
    t.type("fp_Time", years);
}

// 10000 once at 6 % for ten years, calculated: it grows to $18,193.97.
void tenThousandForTenYears(TestProgram& t)
{
    investments(t, "Opt_Invest");
    fillIn(t, "10000", kSixPercent, "10");
    t.calculate();
}

// 100 a month with 10000 once at 6 %, filled in but not yet calculated.
void oneTimePlusMonthly(TestProgram& t, const char* years)
{
    investments(t, "Opt_invest_1xmnthly");
    t.type("fp_Prin", "100");
    t.type("fp_xpay", "10000");
    rate(t, kSixPercent);
    t.type("fp_Time", years);
}

// A monthly annuity of 100000 at 6 % over the years given, with the additional payments when given,
// calculated.
void monthlyAnnuity(TestProgram& t, const char* years, const char* additional = nullptr)
{
    investments(t, "Opt_Annuity_Mnthly");
    fillIn(t, "100000", kSixPercent, years);
    if (additional) t.type("fp_xpaystrt", additional);
    t.calculate();
}

// How long a fund of 100000 pays the payment given, searched at the rate entry given.
void durationSearch(TestProgram& t, int rateEntry, const char* payment)
{
    investments(t, "Opt_Annuity_Duration");
    t.type("fp_Prin", "100000");
    rate(t, rateEntry);
    t.type("fp_Payment", payment);
    t.calculate();
}

// 40000 drawn each year from 500000 at 7.5 % (entry 60), over the duration given in the view's unit, calculated.
void yearlyWithdrawals(TestProgram& t, const char* duration, bool monthsView = false)
{
    investments(t, "Opt_Spec_Dur");
    if (monthsView) t.form().menu("mnu_Months").userChoose();
    t.type("fp_Prin", "500000");
    t.type("fp_xpaystrt", "40000");
    rate(t, 60);
    t.type("fp_Time", duration);
    t.calculate();
}

double valueOf(TestProgram& t, const char* box)
{
    return readBoxValue(t.text(box));
}

// Every box's text and every list's entry, to show that a refusal changed nothing.
std::map<std::string, std::string> screenState(Form& m)
{
    std::map<std::string, std::string> state;
    for (Control* c : m.controls()) {
        if (c->kind() == Kind::MaskedBox) state[c->name()] = static_cast<MaskedBox*>(c)->text();
        if (c->kind() == Kind::ComboList)
            state[c->name()] = "#" + std::to_string(static_cast<ComboList*>(c)->listIndex());
    }
    for (const char* name : {"lbl_payoff_msg", "lbl_dur2"}) state[name] = m.label(name).caption();
    return state;
}

// -- Growth ------------------------------------------------------------------------------------------------

TEST(MervaneInvestments, OneTimeTenThousandAtSixPercentForTenYearsMonthlyAndDaily)
{
    TestProgram t;
    tenThousandForTenYears(t);
    EXPECT_EQ(t.text("fp_Payment"), "$18,193.97");
    EXPECT_EQ(t.text("fp_Prin"), "$10,000.00");
    EXPECT_EQ(t.text("fp_totpay"), "$10,000.00");
    EXPECT_EQ(t.text("fp_totInt"), "8193.97");
    EXPECT_EQ(t.shown("fp_totInt"), "$8,193.97");

    t.click("Opt_CI_daily");
    t.calculate();
    EXPECT_EQ(t.text("fp_Payment"), "$18,220.29");
    EXPECT_EQ(t.shown("fp_totInt"), "$8,220.29");
    EXPECT_TRUE(t.messages().empty());
}

TEST(MervaneInvestments, HundredAMonthForTenYearsMakes120Contributions)
{
    TestProgram t;
    investments(t, "Opt_invest_mnthly");
    fillIn(t, "100", kSixPercent, "10");
    t.calculate();
    EXPECT_EQ(t.text("fp_Payment"), "$16,469.87");
    EXPECT_EQ(t.text("fp_totpay"), "12000");
    EXPECT_EQ(t.shown("fp_totInt"), "$4,469.87");
}

TEST(MervaneInvestments, OneTimePlusMonthlyKeepsTheOneTimeAmount)
{
    TestProgram t;
    oneTimePlusMonthly(t, "10");
    t.calculate();
    EXPECT_EQ(t.text("fp_Payment"), "$34,663.84");
    EXPECT_EQ(t.m().calc().valXpay, 10000.0);
    EXPECT_EQ(t.text("fp_xpay"), "$10,000.00");
    EXPECT_EQ(t.text("fp_totpay"), "22000");
    EXPECT_EQ(t.shown("fp_totInt"), "$12,663.84");
}

TEST(MervaneInvestments, YearlyContributionsCountWholeYears)
{
    struct Case {
        const char* years;
        const char* payoff;
    };
    // Ten years: eleven contributions, the last on the end date; 10.5 years: eleven, the last compounded six
    // months; 10.75 years: still eleven, none after the end date.
    for (Case c : {Case{"10", "$15,104.51"}, Case{"10.5", "$15,563.35"}, Case{"10.75", "$15,797.97"}}) {
        SCOPED_TRACE(c.years);
        TestProgram t;
        investments(t, "Opt_invest_yearly");
        fillIn(t, "1000", kSixPercent, c.years);
        t.calculate();
        EXPECT_EQ(t.text("fp_Payment"), c.payoff);
        EXPECT_EQ(valueOf(t, "fp_totpay"), 11000) << "eleven contributions made";
    }
}

TEST(MervaneInvestments, DailyCompoundingOverTheLongestDurationIsAccepted)
{
    TestProgram t;
    oneTimePlusMonthly(t, "89.75");
    t.click("Opt_CI_daily");
    t.calculate();
    EXPECT_TRUE(t.messages().empty());
    EXPECT_GT(valueOf(t, "fp_Payment"), 10000 * std::pow(1 + 0.06 / 365, 32759) - 0.01);
}

// -- Annuities ---------------------------------------------------------------------------------------------

TEST(MervaneAnnuities, AnnualPaymentsAreFollowedByTheInflationAdjustment)
{
    TestProgram t;
    investments(t, "Opt_Annuity");
    Form& m = t.form();
    EXPECT_FALSE(m.button("btn_InfAdj").enabled());
    fillIn(t, "100000", kSixPercent, "20");
    t.calculate();
    EXPECT_EQ(t.text("fp_Payment"), "$8,718.46");
    EXPECT_EQ(t.text("fp_totpay"), "174369.2");
    EXPECT_NEAR(valueOf(t, "fp_totInt"), 8718.46 * 20 - 100000, 1e-6);

    // No inflation entry was chosen: the settings default, 7.5 / 2.5 = entry 24 (3.000 %), is used.
    EXPECT_EQ(m.combo("comIntr_IA").listIndex(), kThreePercent);
    // The rising payments drawn from the same fund: 100,000 / 14.561533 = 6,867.41, x 1.03^19 = 12,042.04,
    // x 26.870374 in all = 184,529.85; the level payment is worth 8,718.46 / 1.03^20 = 4,827.20.
    EXPECT_EQ(t.shown("fp_xpay"), "$6,867.41");
    EXPECT_EQ(t.shown("fp_hipayoff"), "$12,042.04");
    EXPECT_EQ(t.shown("fp_totPaywX"), "$184,529.85");
    EXPECT_EQ(m.label("lbl_payoff_msg").caption(),
              "Level payments of $8718.46 will be worth $4,827.20 during last year of Annuity");
    EXPECT_TRUE(m.label("lbl_payoff_msg").visible());
    for (const char* name : {"lbl_xpay", "fp_xpay", "lbl_xpaystrt", "fp_xpaystrt", "lbl_hipayoff", "fp_hipayoff",
                             "lbl_IntRate_IA", "lbl_wXP", "fp_totPaywX", "comIntr_IA"})
        EXPECT_TRUE(m.control(name).visible()) << name;
    EXPECT_FALSE(m.box("fp_xpay").enabled());
    EXPECT_FALSE(m.button("btn_InfAdj").enabled());
    EXPECT_TRUE(m.combo("comIntr_IA").hasFocus());
    EXPECT_TRUE(t.messages().empty());
}

TEST(MervaneAnnuities, MonthlyPaymentOf716AdjustedForThreePercentInflation)
{
    TestProgram t;
    monthlyAnnuity(t, "20");
    Form& m = t.form();
    EXPECT_EQ(t.text("fp_Payment"), "$716.43");
    EXPECT_EQ(t.text("fp_totpay"), "171943.2");
    // 100,000 / 176.9391 = 565.17, x 1.03^19 = 991.02, x 322.4445 in all = 182,234.77; 716.43 / 1.03^20 = 396.67.
    EXPECT_EQ(t.shown("fp_xpay"), "$565.17");
    EXPECT_EQ(t.shown("fp_hipayoff"), "$991.02");
    EXPECT_EQ(t.shown("fp_totPaywX"), "$182,234.77");
    EXPECT_EQ(m.label("lbl_payoff_msg").caption(),
              "Level payments of $716.43 will be worth $396.67 during last year of Annuity");
}

TEST(MervaneAnnuities, AdditionalPaymentsJoinTheAdjustedPayments)
{
    TestProgram t;
    monthlyAnnuity(t, "20", "283.57");
    // (100,000 + 283.57 x 139.5808) / 176.9391 = 788.86, x 1.03^19 = 1,383.28; 1,000 / 1.03^20 = 553.68.
    EXPECT_EQ(t.shown("fp_xpay"), "$788.86");
    EXPECT_EQ(t.shown("fp_hipayoff"), "$1,383.28");
    EXPECT_EQ(t.form().label("lbl_payoff_msg").caption(),
              "Level payments of $1000 will be worth $553.68 during last year of Annuity");
}

TEST(MervaneAnnuities, AdditionalPaymentsThatLeaveNoPaymentAreRefusedByTheAdjustment)
{
    // Found by the monkey: the note read "Level payments of $-283.57 will be worth ($154.20) ...".
    TestProgram t;
    monthlyAnnuity(t, "20", "-1000");
    EXPECT_EQ(t.text("fp_Payment"), "$716.43");
    EXPECT_EQ(t.messages(),
              std::vector<std::string>{"Missing or Inappropriate Input (possibly a negitive number or 0)"});
    EXPECT_FALSE(t.form().label("lbl_payoff_msg").visible());
}

struct SearchCase {
    const char* payment;
    const char* time;
    const char* payoff;
    std::vector<std::string> messages;
};

// The duration to the nearest whole month, and the payment that uses the fund up over exactly that duration.
TEST(MervaneAnnuities, DurationOfAFundOf100000AtSixPercent)
{
    const std::vector<SearchCase> cases = {
        {"716.43", "20", "$716.43", {}},
        {"1000", "11.583", "$999.88", {}},
        {"600", "29.917", "", {}},
        {"520", "54.417", "", {}},
        {"505",
         "75",
         "",
         {"ERROR: Annuity Payment is too small. Duration result is expected to be more than 75yrs.\n\r"
          "Please increase the payment amount. [75 yrs will be used]"}},
        {"40000",
         "1",
         "$8,606.64",
         {"ERROR: Annuity Payment is too large. Duration result is expected to be less than 3mos.\n\r"
          "Please reduce the payment amount. [1 yr will be used]"}},
        {"490",
         "75",
         "",
         {"ERROR: Annuity Payment is too small. Duration result is expected to be more than 75yrs.\n\r"
          "Please increase the payment amount. [75 yrs will be used]"}},
    };
    for (const SearchCase& c : cases) {
        SCOPED_TRACE(c.payment);
        TestProgram t;
        durationSearch(t, kSixPercent, c.payment);
        EXPECT_EQ(t.text("fp_Time"), c.time);
        EXPECT_NEAR(t.m().calc().durYears, std::stod(c.time), 1e-9);
        if (*c.payoff) {
            EXPECT_EQ(t.text("fp_Payment"), c.payoff);
        }
        EXPECT_NEAR(valueOf(t, "fp_totpay"), valueOf(t, "fp_Payment") * std::round(t.m().calc().durYears * 12), 1e-6);
        // The search's messages carry the program's own title.
        for (const PlatformRecord& r : t.platform.messages()) EXPECT_EQ(r.title, "Tarvolin");
        EXPECT_EQ(t.messages(), c.messages);
    }
}

TEST(MervaneAnnuities, DurationSearchAtZeroRateEndsBelowAQuarterYear)
{
    TestProgram t;
    durationSearch(t, 0, "40000");
    EXPECT_EQ(t.messages(), std::vector<std::string>{"ERROR: Duration is less than 3 mos; decrease Annuity Payment."});
    EXPECT_LE(valueOf(t, "fp_Time"), 0.25);
    EXPECT_GT(valueOf(t, "fp_Payment"), 0.0);
}

TEST(MervaneAnnuities, MonthlySavingThenAMonthlyAnnuity)
{
    TestProgram t;
    investments(t, "Opt_Inv2Annuity");
    Form& m = t.form();
    t.type("fp_Prin", "1000");
    rate(t, 80);
    t.type("fp_Time", "10");
    t.type("fp_xpaystrt", "25");
    m.combo("comIntr_IA").userPick(60);
    t.calculate();
    EXPECT_EQ(t.text("fp_Payment"), "$206,552.02");
    EXPECT_EQ(t.text("fp_xpay"), "$1,526.40");
    EXPECT_EQ(t.m().calc().valXpayStrt, 25.0);
    EXPECT_EQ(t.text("fp_totpay"), "120000");
    EXPECT_FALSE(m.button("btn_Payoff2RF").enabled());

    t.click("Opt_CI_daily");
    t.calculate();
    EXPECT_EQ(t.text("fp_Payment"), "$207,035.69");
    EXPECT_EQ(t.text("fp_xpay"), "$1,529.98");
    EXPECT_TRUE(t.messages().empty());
}

TEST(MervaneAnnuities, RemainingFundAfterYearlyWithdrawals)
{
    TestProgram t;
    yearlyWithdrawals(t, "10");
    EXPECT_EQ(t.text("fp_Payment"), "$422,191.02");
    EXPECT_EQ(t.text("fp_totpay"), "400000");
    EXPECT_NEAR(valueOf(t, "fp_totInt"), 422191.02 - (500000 - 400000), 1e-6);

    // 10.5 years: eleven withdrawals and eleven years of growth.
    t.type("fp_Time", "10.5");
    t.calculate();
    EXPECT_EQ(t.text("fp_Payment"), "$410,855.35");
}

TEST(MervaneAnnuities, RemainingFundInTheMonthsViewCountsTheSameYears)
{
    TestProgram t;
    yearlyWithdrawals(t, "126", true);
    EXPECT_EQ(t.text("fp_Payment"), "$410,855.35");
    EXPECT_EQ(t.text("fp_Time"), "126");
}

TEST(MervaneAnnuities, DurationSearchWritesMonthsInTheMonthsView)
{
    TestProgram t;
    t.form().menu("mnu_view_invest").userChoose();
    t.form().menu("mnu_Months").userChoose();
    t.form().option("Opt_Annuity_Duration").userClick();
    t.type("fp_Prin", "100000");
    rate(t, kSixPercent);
    t.type("fp_Payment", "716.43");
    t.calculate();
    EXPECT_NEAR(t.m().calc().durYears, 20, 0.01);
    EXPECT_NEAR(valueOf(t, "fp_Time"), t.m().calc().durYears * 12, 1e-9);
}

// -- Inflation adjustment ----------------------------------------------------------------------------------

TEST(MervaneInflation, Entry44GivesNoWarningAnd45Does)
{
    TestProgram t;
    monthlyAnnuity(t, "20");
    t.messages();  // only what the adjustment says counts here
    Form& m = t.form();
    EXPECT_FALSE(m.button("btn_InfAdj").enabled());
    m.combo("comIntr_IA").userPick(44);  // 5.500
    EXPECT_TRUE(m.button("btn_InfAdj").enabled());
    t.click("btn_InfAdj");
    EXPECT_TRUE(t.messages().empty());
    EXPECT_FALSE(m.button("btn_InfAdj").enabled());

    m.combo("comIntr_IA").userPick(45);  // 5.625
    t.click("btn_InfAdj");
    std::vector<PlatformRecord> shown = t.platform.messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "WARNING: Infation rate seems a little high.");
    EXPECT_EQ(shown[0].title, "Tarvolin");
    t.messages();

    // Every Calculate repeats the adjustment, and the warning with it.
    t.calculate();
    EXPECT_EQ(t.messages(), std::vector<std::string>{"WARNING: Infation rate seems a little high."});
}

TEST(MervaneInflation, ChoosingARateReenablesTheAdjustmentForMonthlyPaymentsOnly)
{
    TestProgram t;
    investments(t, "Opt_Annuity");
    fillIn(t, "100000", kSixPercent, "20");
    t.calculate();
    t.form().combo("comIntr_IA").userPick(16);
    EXPECT_FALSE(t.form().button("btn_InfAdj").enabled());
}

TEST(MervaneInflation, LargeTotalInflationStillGivesRisingPositivePayments)
{
    struct Case {
        const char* years;
        int entry;
        double rise;  // (1 + inflation)^(years - 1)
    };
    // 5.5 % for 40 years draws no warning; 25 % for 30 years does.
    for (Case c : {Case{"40", 44, std::pow(1.055, 39)}, Case{"30", 200, std::pow(1.25, 29)}}) {
        SCOPED_TRACE(c.years);
        TestProgram t;
        monthlyAnnuity(t, c.years);
        t.messages();
        t.form().combo("comIntr_IA").userPick(c.entry);
        t.click("btn_InfAdj");
        double lo = valueOf(t, "fp_xpay");
        double hi = valueOf(t, "fp_hipayoff");
        EXPECT_GT(lo, 0.0);
        EXPECT_NEAR(hi, lo * c.rise, hi * 1e-12);
    }
}

// -- Retirement fund ---------------------------------------------------------------------------------------

TEST(MervaneFund, PayOffToFundTwiceWithAResultOf1000Makes2000AndClearEmptiesIt)
{
    TestProgram t;
    investments(t, "Opt_Invest");
    Form& m = t.form();
    Toolbar& tb = m.toolbar("Toolbar1");
    fillIn(t, "1000", 0, "0.5");
    EXPECT_FALSE(m.button("btn_Payoff2RF").enabled());
    t.calculate();
    ASSERT_EQ(t.text("fp_Payment"), "$1,000.00");
    ASSERT_TRUE(m.button("btn_Payoff2RF").enabled());
    EXPECT_FALSE(m.button("btn_RF2Amt").enabled());

    t.click("btn_Payoff2RF");
    t.click("btn_Payoff2RF");
    EXPECT_EQ(t.text("fpRetFund"), "2000");
    EXPECT_EQ(t.shown("fpRetFund"), "$2,000.00");
    EXPECT_TRUE(m.button("btn_RF2Amt").enabled());
    EXPECT_TRUE(m.button("btn_RFclear").enabled());
    EXPECT_TRUE(tb.button(4).menu[2].enabled);
    EXPECT_TRUE(tb.button(4).menu[3].enabled);

    t.click("btn_RFclear");
    EXPECT_EQ(t.text("fpRetFund"), "0");
    EXPECT_FALSE(m.button("btn_RF2Amt").enabled());
    EXPECT_FALSE(m.button("btn_RFclear").enabled());
    EXPECT_FALSE(tb.button(4).menu[2].enabled);
    EXPECT_FALSE(tb.button(4).menu[3].enabled);
}

TEST(MervaneFund, AnEmptyFundCountsAsZero)
{
    TestProgram t;
    tenThousandForTenYears(t);
    t.type("fpRetFund", "");
    t.click("btn_Payoff2RF");
    EXPECT_EQ(t.text("fpRetFund"), "18193.97");
}

TEST(MervaneFund, PayOffToAmountCopiesThePaymentTextUnchanged)
{
    TestProgram t;
    tenThousandForTenYears(t);
    t.click("btn_Payoff2Amt");
    EXPECT_EQ(t.text("fp_Prin"), "$18,193.97");
    EXPECT_EQ(t.text("fp_Payment"), "0");
    EXPECT_FALSE(t.program->module1().amtTransfer);
    EXPECT_TRUE(t.messages().empty());

    // The next Calculate grows the transferred amount.
    t.calculate();
    EXPECT_EQ(t.text("fp_Prin"), "$18,193.97");
    EXPECT_EQ(t.text("fp_Payment"), "$33,102.05");
}

TEST(MervaneFund, FundToAmountStartsTheNextCalculation)
{
    TestProgram t;
    tenThousandForTenYears(t);
    t.click("btn_Payoff2RF");
    t.click("Opt_Spec_Dur");
    ASSERT_TRUE(t.form().button("btn_RF2Amt").enabled());
    t.click("btn_RF2Amt");
    EXPECT_EQ(t.text("fp_Prin"), "18193.97");
    EXPECT_EQ(t.text("fpRetFund"), "18193.97");
    EXPECT_FALSE(t.program->module1().amtTransfer);
}

TEST(MervaneFund, TheFundLastsAcrossCalculationsAndOptions)
{
    TestProgram t;
    tenThousandForTenYears(t);
    t.click("btn_Payoff2RF");
    t.click("Opt_invest_mnthly");
    fillIn(t, "100", kSixPercent, "10");
    t.calculate();
    t.click("btn_Payoff2RF");
    EXPECT_NEAR(valueOf(t, "fpRetFund"), 18193.97 + 16469.87, 1e-6);
}

// -- Refusals ----------------------------------------------------------------------------------------------

struct RefusalCase {
    const char* name;
    const char* option;
    std::vector<std::pair<const char*, const char*>> typed;
    bool daily;
    std::string message;
};

TEST(MervaneInvestRefusals, LeaveEveryBoxAsItWas)
{
    const std::vector<RefusalCase> cases = {
        {"daily compounding beyond 32766 days",
         "Opt_Invest",
         {{"fp_Prin", "10000"}, {"fp_Time", "89.9"}},
         true,
         "Duration too long - at most 32766 compounding periods can be computed (89 years compounded daily)"},
        {"monthly contributions compounded daily beyond 32766 days",
         "Opt_invest_mnthly",
         {{"fp_Prin", "100"}, {"fp_Time", "95"}},
         true,
         "Duration too long - at most 32766 compounding periods can be computed (89 years compounded daily)"},
        {"yearly contributions over 3000 years",
         "Opt_invest_yearly",
         {{"fp_Prin", "1000"}, {"fp_Time", "3000"}},
         false,
         "Duration too long - at most 32766 compounding periods can be computed (89 years compounded daily)"},
        {"an annual annuity over half a year",
         "Opt_Annuity",
         {{"fp_Prin", "100000"}, {"fp_Time", "0.5"}},
         false,
         "Duration too short - the annuity must make at least one payment"},
        {"a monthly annuity over 3000 years",
         "Opt_Annuity_Mnthly",
         {{"fp_Prin", "100000"}, {"fp_Time", "3000"}},
         false,
         "Duration too long - at most 32766 annuity payments can be computed"},
        {"an annuity of 0.02 years after saving",
         "Opt_Inv2Annuity",
         {{"fp_Prin", "1000"}, {"fp_Time", "10"}, {"fp_xpaystrt", "0.02"}},
         false,
         "Annuity Duration too short - the annuity must last at least one month"},
        {"an annuity of 3000 years after saving",
         "Opt_Inv2Annuity",
         {{"fp_Prin", "1000"}, {"fp_Time", "10"}, {"fp_xpaystrt", "3000"}},
         false,
         "Annuity Duration too long - at most 32766 monthly payments can be computed"},
        {"withdrawals over 40000 years",
         "Opt_Spec_Dur",
         {{"fp_Prin", "500000"}, {"fp_xpaystrt", "40000"}, {"fp_Time", "40000"}},
         false,
         "Duration too long - at most 32766 yearly payments can be computed"},
        {"an amount beyond a trillion",
         "Opt_Invest",
         {{"fp_Prin", "2000000000000"}, {"fp_Time", "10"}},
         false,
         "Amount too large - at most $1,000,000,000,000 can be computed"},
        {"additional annuity payments beyond a trillion",
         "Opt_Annuity_Mnthly",
         {{"fp_Prin", "100000"}, {"fp_Time", "20"}, {"fp_xpaystrt", "2000000000000"}},
         false,
         "Amount too large - at most $1,000,000,000,000 can be computed"},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestProgram t;
        investments(t, c.option);
        if (c.daily) t.click("Opt_CI_daily");
        for (auto [box, text] : c.typed) t.type(box, text);
        rate(t, kSixPercent);
        Form& m = t.form();
        std::map<std::string, std::string> before = screenState(m);
        bool inflationButton = m.button("btn_InfAdj").enabled();
        t.calculate();
        std::vector<PlatformRecord> shown = t.platform.messages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, c.message);
        EXPECT_EQ(shown[0].title, "input Error");
        EXPECT_EQ(screenState(m), before);
        EXPECT_EQ(m.button("btn_InfAdj").enabled(), inflationButton);
        EXPECT_FALSE(m.button("btn_Payoff2RF").enabled());
    }
}

}  // namespace
}  // namespace tv::test
