// The main screen's start-up and loan calculations, driven as a user drives them.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "common/numbers.h"
#include "common/rounding.h"
#include "engine/ledger.h"
#include "engine/loan_table.h"
#include "test_program.h"

namespace tv::test {
namespace {

TEST(MervaneStartup, WithoutSettingsFileStartsInLoanViewWithTheBuiltInDefaults)
{
    TestProgram t;
    Form& m = t.form();
    EXPECT_EQ(m.caption(), "Financial Calculator - Loans");
    EXPECT_TRUE(m.menu("mnu_view_loan").checked());
    EXPECT_FALSE(m.menu("mnu_view_invest").checked());
    EXPECT_TRUE(m.menu("mnu_Years").checked());
    EXPECT_FALSE(m.menu("mnu_Months").checked());
    EXPECT_TRUE(m.option("opt_payment").value());
    EXPECT_EQ(t.text("fp_Prin"), "100000");
    EXPECT_EQ(t.text("fp_Time"), "15");
    EXPECT_EQ(m.combo("comIntr").listIndex(), 64);
    EXPECT_EQ(m.combo("comIntr").text(), "8.000");
    for (const char* result : {"fp_Payment", "fp_totInt", "fp_totpay", "fp_totIntwX", "fp_totPaywX", "fp_lstPay"})
        EXPECT_EQ(t.shown(result), "$0.00") << result;
    Toolbar& tb = m.toolbar("Toolbar1");
    EXPECT_TRUE(tb.button(1).pressed);
    EXPECT_FALSE(tb.button(4).pressed);
    EXPECT_TRUE(tb.button(8).pressed);
    EXPECT_FALSE(tb.button(9).pressed);
    EXPECT_EQ(t.program->app().pointer(), Pointer::Default);
    EXPECT_TRUE(t.messages().empty());
}

TEST(MervaneStartup, RateListsHold201EntriesInEighths)
{
    TestProgram t;
    for (const char* name : {"comIntr", "comIntr_IA"}) {
        ComboList& list = t.form().combo(name);
        ASSERT_EQ(list.count(), 201);
        EXPECT_EQ(list.items()[0], "0.000");
        EXPECT_EQ(list.items()[1], "0.125");
        EXPECT_EQ(list.items()[60], "7.500");
        EXPECT_EQ(list.items()[200], "25.000");
    }
}

TEST(MervaneStartup, IsCentredOnTheScreenAndExitEndsAtOnceWithoutWritingSettings)
{
    TestProgram t;
    Form& m = t.form();
    EXPECT_EQ(m.left(), (15360 - m.width()) / 2);
    EXPECT_EQ(m.top(), (11520 - m.height()) / 2);
    m.menu("mnu_exit").userChoose();
    EXPECT_TRUE(t.platform.ended());
    EXPECT_FALSE(std::filesystem::exists(t.cwd.path() / "Tarvolin.ini"));
}

// 100000 at 7.5 % for 30 years, monthly.
void standardLoan(TestProgram& t)
{
    t.type("fp_Prin", "100000");
    t.form().combo("comIntr").userPick(60);
    t.type("fp_Time", "30");
}

TEST(MervaneLoans, PaymentAndTotalsComeFromTheRoundedPayment)
{
    TestProgram t;
    standardLoan(t);
    t.calculate();
    EXPECT_EQ(t.text("fp_Payment"), "$699.21");
    EXPECT_EQ(t.text("fp_Prin"), "$100,000.00");
    // 359 installments of 699.21 and a last one of 705.60, each month's interest to the cent.
    EXPECT_EQ(t.text("fp_totpay"), "251721.99");
    EXPECT_EQ(t.text("fp_totInt"), "151721.99");
    EXPECT_EQ(t.shown("fp_totInt"), "$151,721.99");
    EXPECT_NEAR(t.m().calc().valPayment, 699.2145, 1e-4);
    EXPECT_EQ(t.m().calc().instPerYear, 12);
}

TEST(MervaneLoans, DurationIsRoundedToWholeMonthsAndWrittenBack)
{
    TestProgram t;
    standardLoan(t);
    const std::pair<const char*, const char*> cases[] = {
        {"2.6", "2.583"}, {"10.04", "10"}, {"10.96", "11"}, {"5.083", "5.083"}};
    for (auto [typed, rounded] : cases) {
        t.type("fp_Time", typed);
        t.calculate();
        EXPECT_EQ(t.text("fp_Time"), rounded) << typed;
    }
}

TEST(MervaneLoans, EachSolverFillsItsUnknown)
{
    TestProgram t;
    Form& m = t.form();
    m.option("opt_Prin").userClick();
    t.type("fp_Payment", "699.21");
    m.combo("comIntr").userPick(60);
    t.type("fp_Time", "30");
    t.calculate();
    EXPECT_EQ(t.text("fp_Prin"), "$99,999.36");

    m.option("opt_time").userClick();
    standardLoan(t);
    t.type("fp_Payment", "699.22");
    t.calculate();
    EXPECT_EQ(t.text("fp_Time"), "30");
    EXPECT_EQ(t.text("fp_Payment"), "$699.21");

    m.option("opt_intRate").userClick();
    EXPECT_EQ(m.combo("comIntr").listIndex(), -1);
    t.type("fp_Prin", "100000");
    t.type("fp_Time", "30");
    t.type("fp_Payment", "699.21");
    t.calculate();
    EXPECT_EQ(m.combo("comIntr").text(), "7.500");
    EXPECT_EQ(t.text("fp_Payment"), "$699.21");

    m.option("opt_IntOnly").userClick();
    t.type("fp_Prin", "100000");
    m.combo("comIntr").userPick(60);
    t.type("fp_Time", "30");
    t.calculate();
    EXPECT_EQ(t.text("fp_Payment"), "$625.00");
    EXPECT_EQ(t.text("fp_totpay"), "0");
    EXPECT_EQ(t.text("fp_totInt"), "225000");
    EXPECT_TRUE(t.messages().empty());
}

// The main screen and the table's schedule keep one ledger: the payment, the totals, the payoff after any
// installment and the interest paid to it agree to the cent, with and without extras.
TEST(MervaneLoans, AgreesWithTheTablesScheduleOfTheSameLoan)
{
    struct Case {
        const char* amount;
        const char* rate;
        int years;
        int payoffAfter;
    };
    const Case cases[] = {
        {"150000", "7", 30, 60},      {"180000", "7.75", 30, 12}, {"2493", "13.75", 39, 400},
        {"80000", "21.75", 97, 1000}, {"1002", "3", 1, 1},        {"250000", "6.5", 30, 359},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.amount) + " at " + c.rate);
        const double rate = std::stod(c.rate);
        const double amount = std::stod(c.amount);
        const Schedule s = amortizationSchedule(amount, tableMonthlyPayment(amount, rate / 1200, c.years * 12.0), rate,
                                                c.years * 12.0);
        const ScheduleLine& at = s.lines[static_cast<std::size_t>(c.payoffAfter)];
        TestProgram t;
        t.type("fp_Prin", c.amount);
        t.form().combo("comIntr").userType(c.rate);
        t.type("fp_Time", std::to_string(c.years));
        t.calculate();
        EXPECT_EQ(readBoxValue(t.text("fp_Payment")), s.levelPayment);
        EXPECT_NEAR(readBoxValue(t.text("fp_totInt")), s.lines.back().totalInterest, 1e-6);
        EXPECT_NEAR(readBoxValue(t.text("fp_totpay")), amount + s.lines.back().totalInterest, 1e-6);
        EXPECT_EQ(t.form().label("lbl_balloon").visible(), s.endsInBalloon());

        t.form().option("opt_payoff").userClick();
        t.type("fp_xpaystrt", std::to_string(c.payoffAfter));
        t.calculate();
        EXPECT_EQ(readBoxValue(t.text("fp_xpay")), at.balance);
        EXPECT_EQ(readBoxValue(t.text("fp_totIntwX")), at.totalInterest);

        // An extra of nothing, once: the loan the schedule shows, and nothing saved.
        t.form().option("opt_xpay1x").userClick();
        t.type("fp_xpay", "0");
        t.type("fp_xpaystrt", "1");
        t.calculate();
        EXPECT_EQ(t.form().label("lbl_dur2").caption().substr(0, t.form().label("lbl_dur2").caption().find(' ')),
                  std::to_string(s.months()));
        EXPECT_EQ(readBoxValue(t.text("fp_lstPay")), s.lastPayment());
        EXPECT_NEAR(readBoxValue(t.text("fp_totIntwX")), s.lines.back().totalInterest, 1e-6);
    }
}

TEST(MervaneLoans, APaymentThatShowsAsZeroIsRefusedAndChangesNothing)
{
    TestProgram t;
    t.type("fp_Prin", "1");
    t.form().combo("comIntr").userPick(1);
    t.type("fp_Time", "49.83");
    t.calculate();
    EXPECT_EQ(t.messages(),
              std::vector<std::string>{
                  "Payment too small - it would show as $0.00; increase the amount or shorten the duration"});
    EXPECT_EQ(t.text("fp_Time"), "49.83");
    EXPECT_EQ(t.shown("fp_totpay"), "$0.00");
}

TEST(MervaneLoans, DurationsInMonthsAreWholeMonths)
{
    TestProgram t;
    standardLoan(t);
    t.form().menu("mnu_Months").userChoose();
    t.form().option("opt_time").userClick();
    t.type("fp_Payment", "800");
    t.calculate();
    const std::string months = t.text("fp_Time");
    EXPECT_EQ(months.find('.'), std::string::npos) << months;
}

// A typed rate: an entry's rate chooses the entry; any other rate from 0 to 25 with up to five decimals is kept
// as typed, with the entry below it chosen; anything else is refused and the list keeps what it held.
TEST(MervaneLoans, TypedRatesAreKeptOrRefused)
{
    struct Case {
        const char* typed;
        const char* text;  // what the list shows afterwards
        int index;
        bool refused;
    };
    const Case cases[] = {
        {"6.55", "6.55", 52, false}, {"6.5", "6.500", 52, false},     {"7 %", "7.000", 56, false},
        {"0.05", "0.05", 0, false},  {"25", "25.000", 200, false},    {"25.5", "8.000", 64, true},
        {"abc", "8.000", 64, true},  {"6.123456", "8.000", 64, true}, {"-1", "8.000", 64, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TestProgram t;
        ComboList& rate = t.form().combo("comIntr");
        rate.userType(c.typed);
        EXPECT_EQ(rate.text(), c.text);
        EXPECT_EQ(rate.listIndex(), c.index);
        EXPECT_EQ(t.messages().size(), c.refused ? 1u : 0u);
    }
}

TEST(MervaneLoans, EverySolverTakesATypedRate)
{
    struct Case {
        bool invest;
        const char* option;
        const char* result;
    };
    const Case cases[] = {
        {false, "opt_Prin", "fp_Prin"},
        {false, "opt_time", "fp_Time"},
        {false, "opt_payment", "fp_Payment"},
        {false, "opt_IntOnly", "fp_Payment"},
        {false, "opt_payoff", "fp_hipayoff"},
        {false, "opt_xpaymo", "fp_totIntwX"},
        {true, "Opt_Invest", "fp_Payment"},
        {true, "Opt_invest_mnthly", "fp_Payment"},
        {true, "Opt_invest_yearly", "fp_Payment"},
        {true, "Opt_Annuity", "fp_Payment"},
        {true, "Opt_Annuity_Mnthly", "fp_Payment"},
        {true, "Opt_Annuity_Duration", "fp_Payment"},
        {true, "Opt_Inv2Annuity", "fp_Payment"},
        {true, "Opt_Spec_Dur", "fp_totInt"},  // the default withdrawals use the fund up: what it earned
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        TestProgram t;
        if (c.invest) t.form().menu("mnu_view_invest").userChoose();
        t.form().option(c.option).userClick();
        if (std::string(c.option) == "opt_payoff") t.type("fp_xpaystrt", "12");
        auto resultAt = [&](auto choose) {
            const std::map<std::string, std::string> before = {
                {"fp_Prin", t.text("fp_Prin")}, {"fp_Time", t.text("fp_Time")}, {"fp_Payment", t.text("fp_Payment")}};
            choose(t.form().combo("comIntr"));
            t.calculate();
            const double r = readBoxValue(t.text(c.result));
            for (const auto& [box, text] : before) t.type(box.c_str(), text);
            return r;
        };
        const double low = resultAt([](ComboList& l) { l.userPick(52); });
        const double high = resultAt([](ComboList& l) { l.userPick(53); });
        const double typed = resultAt([](ComboList& l) { l.userType("6.55"); });
        EXPECT_LT(std::min(low, high), typed);
        EXPECT_GT(std::max(low, high), typed);
        EXPECT_TRUE(t.messages().empty());
    }
}

// A typed rate reads as the entry below it where the list's position counts: the inflation warning starts at
// the 5.625 entry.
TEST(MervaneLoans, ATypedInflationRateWarnsFromTheEntryBelowIt)
{
    for (auto [typed, warns] : {std::pair{"5.62", false}, std::pair{"5.63", true}}) {
        SCOPED_TRACE(typed);
        TestProgram t;
        t.form().menu("mnu_view_invest").userChoose();
        t.form().option("Opt_Annuity_Mnthly").userClick();
        t.calculate();
        t.messages();
        t.form().combo("comIntr_IA").userType(typed);
        t.click("btn_InfAdj");
        EXPECT_EQ(t.messages(), warns ? std::vector<std::string>{"WARNING: Infation rate seems a little high."}
                                      : std::vector<std::string>{});
    }
}

TEST(MervaneLoans, UseExactRateKeepsTheTypedPayment)
{
    TestProgram t;
    t.form().option("opt_intRate").userClick();
    t.type("fp_Prin", "300000");
    t.type("fp_Time", "30");
    t.type("fp_Payment", "1800");
    t.calculate();
    ASSERT_TRUE(t.form().button("btn_UseExact").visible());
    t.click("btn_UseExact");
    EXPECT_EQ(t.text("fp_Payment"), "$1,800.00");
    EXPECT_EQ(t.form().combo("comIntr").text(), "6.00699");
    EXPECT_FALSE(t.form().button("btn_UseExact").visible());
    EXPECT_TRUE(t.messages().empty());
}

TEST(MervaneLoans, TwiceMonthlyAndBiweeklyPaymentsCountTheirInstallments)
{
    TestProgram t;
    standardLoan(t);
    t.type("fp_Time", "5.083");
    t.form().option("opt_26").userClick();  // a frequency click calculates at once
    EXPECT_EQ(t.m().calc().instPerYear, 26);
    // 26 x 5.083 = 132.158 installments: 132 made, by the payment and the totals alike.
    double pay = readBoxValue(t.text("fp_Payment"));
    const Ledger ledger = loanLedger(
        {.principal = 10000000, .payment = *centsOf(pay), .annualRatePercent = 7.5, .periodsPerYear = 26, .term = 132});
    EXPECT_EQ(ledger.installments, 132);
    EXPECT_NEAR(readBoxValue(t.text("fp_totpay")), dollarsOf(ledger.totalPaid), 1e-6);
    t.form().option("opt_24").userClick();
    EXPECT_EQ(t.m().calc().instPerYear, 24);
    EXPECT_LT(readBoxValue(t.text("fp_Payment")), pay * 26 / 24 + 1);
}

TEST(MervaneLoans, ZeroRateEntryComputesAtZeroAndReportsNoInterest)
{
    TestProgram t;
    standardLoan(t);
    t.form().combo("comIntr").userPick(0);
    t.calculate();
    EXPECT_EQ(t.text("fp_Payment"), "$277.78");
    EXPECT_EQ(t.text("fp_totpay"), "$100,000.00");
    EXPECT_EQ(t.text("fp_totInt"), "0");
    EXPECT_EQ(t.m().calc().intRate, 0.0);
}

TEST(MervaneLoans, TooLowPaymentForTheDurationChangesNothing)
{
    TestProgram t;
    Form& m = t.form();
    standardLoan(t);
    t.calculate();  // leaves results on the screen
    m.option("opt_time").userClick();
    standardLoan(t);
    t.calculate();
    t.type("fp_Payment", "600");
    std::vector<std::string> before;
    for (Control* c : m.controls())
        if (c->kind() == Kind::MaskedBox) before.push_back(static_cast<MaskedBox*>(c)->text());
    t.messages();
    t.calculate();
    EXPECT_EQ(t.messages(), std::vector<std::string>{"Suggested payment not high enough for this loan amount"});
    std::vector<std::string> after;
    for (Control* c : m.controls())
        if (c->kind() == Kind::MaskedBox) after.push_back(static_cast<MaskedBox*>(c)->text());
    EXPECT_EQ(before, after);
}

TEST(MervaneLoans, RateSearchRefusesAPaymentBelowTheZeroRatePaymentAndKeepsIt)
{
    TestProgram t;
    Form& m = t.form();
    m.option("opt_intRate").userClick();
    t.type("fp_Prin", "120000");
    t.type("fp_Time", "10");
    t.type("fp_Payment", "900");  // 1000 a month repays it at 0 %
    t.calculate();
    auto msgs = t.messages();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_NE(msgs[0].find("0%"), std::string::npos);
    EXPECT_EQ(t.text("fp_Payment"), "900");
    EXPECT_EQ(m.combo("comIntr").listIndex(), -1);

    t.type("fp_Payment", "1000.01");  // closer to 0 % than to 0.125 %
    t.calculate();
    EXPECT_EQ(m.combo("comIntr").text(), "0.000");
    EXPECT_EQ(t.text("fp_Payment"), "$1,000.00");  // the payment at 0 %
    EXPECT_TRUE(t.messages().empty());
}

TEST(MervaneLoans, RateSearchAboveTwentyFivePercentSaysSoAndUsesTwentyFive)
{
    TestProgram t;
    Form& m = t.form();
    m.option("opt_intRate").userClick();
    t.type("fp_Prin", "10000");
    t.type("fp_Time", "1");
    t.type("fp_Payment", "5000");
    t.calculate();
    EXPECT_EQ(t.messages(), std::vector<std::string>{"Exceeded High Interest of 25%"});
    EXPECT_EQ(m.combo("comIntr").listIndex(), 200);
    EXPECT_NE(t.text("fp_Payment"), "5000");
}

TEST(MervaneLoans, DurationsOutsideTheCountableRangeAreRefusedByName)
{
    TestProgram t;
    standardLoan(t);
    t.type("fp_Time", "0.02");  // rounds to no month at all
    t.calculate();
    auto msgs = t.messages();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_NE(msgs[0].find("too short"), std::string::npos);
    EXPECT_EQ(t.text("fp_Time"), "0.02");

    t.type("fp_Time", "2000");
    t.form().option("opt_26").userClick();
    msgs = t.messages();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_NE(msgs[0].find("32766"), std::string::npos);
    EXPECT_EQ(t.text("fp_Time"), "2000");
    EXPECT_EQ(t.text("fp_Payment"), "0");
}

TEST(MervaneLoans, InterestOnlyAtTheZeroRateIsRefusedWithoutShowingAnOldPayment)
{
    TestProgram t;
    Form& m = t.form();
    standardLoan(t);
    t.calculate();
    m.option("opt_IntOnly").userClick();
    t.type("fp_Prin", "100000");
    m.combo("comIntr").userPick(0);
    t.calculate();
    EXPECT_EQ(t.messages(),
              std::vector<std::string>{"Missing or Inappropriate Input (possibly a negitive number or 0)"});
    EXPECT_EQ(t.shown("fp_Payment"), "$0.00");
    EXPECT_EQ(t.shown("fp_totInt"), "$0.00");
}

TEST(MervaneLoans, LettersInABoxAreRefusedLikeAnEmptyBox)
{
    TestProgram t;
    t.type("fp_Prin", "abc");
    t.calculate();
    EXPECT_EQ(t.messages(),
              std::vector<std::string>{"Missing or Inappropriate Input (possibly a negitive number or 0)"});
    EXPECT_EQ(t.program->app().focus(), &t.form().control("fp_Prin"));
}

TEST(MervaneLoans, ResetZeroesTheInputsAndRefillsTheDefaults)
{
    TestProgram t;
    standardLoan(t);
    t.calculate();
    t.click("btn_Clear");
    EXPECT_EQ(t.text("fp_Prin"), "100000");
    EXPECT_EQ(t.text("fp_Time"), "15");
    EXPECT_EQ(t.form().combo("comIntr").listIndex(), 64);
    EXPECT_EQ(t.text("fp_Payment"), "0");
    EXPECT_EQ(t.text("fp_totpay"), "0");
}

TEST(MervaneLoans, ExtraPaymentsShortenTheLoan)
{
    TestProgram t;
    Form& m = t.form();
    m.option("opt_xpaymo").userClick();
    standardLoan(t);
    t.type("fp_xpay", "100");
    t.calculate();
    EXPECT_EQ(m.label("lbl_dur2").caption(), "246 payments\r\n    (20.50 yrs)");
    EXPECT_EQ(t.text("fp_lstPay"), "$57.68");
    EXPECT_EQ(t.text("fp_totIntwX"), "$95,764.13");

    m.option("opt_xpayperiodic").userClick();
    standardLoan(t);
    t.type("fp_xpay", "1000");
    t.calculate();
    EXPECT_EQ(m.label("lbl_wXP").caption(), "with 22 Yearly Payments");
    EXPECT_EQ(t.text("fp_lstPay"), "$595.28");

    m.option("opt_payoff").userClick();
    standardLoan(t);
    t.type("fp_xpaystrt", "12");
    t.calculate();
    EXPECT_EQ(t.text("fp_xpay"), "$99,078.23");
    EXPECT_EQ(t.text("fp_hipayoff"), "$99,697.47");
    EXPECT_EQ(t.text("fp_totIntwX"), "$7,468.75");
    EXPECT_EQ(t.text("fp_totPaywX"), "$107,468.75");
}

TEST(MervaneLoans, RateSearchOnALoanOf1e305ShowsNoExactRate)
{
    // Found by the engine fuzzer: the exact rate of $30 on a loan of 1e-305 is beyond any
    // double, and the line under the rate list read "Exact rate for $30.00: inf %".
    TestProgram t;
    t.click("opt_intRate");
    t.type("fp_Prin", "1e-305");
    t.type("fp_Payment", "30");
    t.calculate();
    EXPECT_FALSE(t.form().label("lbl_exactRate").visible());
    EXPECT_EQ(t.form().label("lbl_exactRate").caption().find("inf"), std::string::npos);
}

}  // namespace
}  // namespace tv::test
