// The lines beside the design's results: the exact rate under the rate list, and what extra payments save.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/formats.h"
#include "common/numbers.h"
#include "engine/calendar.h"
#include "engine/loan.h"
#include "test_program.h"

namespace tv::test {
namespace {

// The rate in "Exact rate for $699.21: 7.49993 %".
double exactRateIn(const std::string& caption)
{
    const std::size_t colon = caption.rfind(": ");
    const std::size_t percent = caption.rfind(" %");
    if (colon == std::string::npos || percent == std::string::npos || percent < colon) return NAN;
    return std::stod(caption.substr(colon + 2, percent - colon - 2));
}

void rateInputs(TestProgram& t, const char* payment)
{
    t.form().option("opt_intRate").userClick();
    t.type("fp_Prin", "100000");
    t.type("fp_Time", "30");
    t.type("fp_Payment", payment);
}

TEST(MervaneExactRate, HiddenUntilARateIsSolvedThenShownUnderTheSteppedEntry)
{
    TestProgram t;
    Form& m = t.form();
    EXPECT_FALSE(m.label("lbl_exactRate").visible());
    rateInputs(t, "699.21");
    EXPECT_FALSE(m.label("lbl_exactRate").visible());
    t.calculate();
    EXPECT_EQ(m.combo("comIntr").text(), "7.500");  // the stepped entry is still chosen
    const Label& exact = m.label("lbl_exactRate");
    ASSERT_TRUE(exact.visible());
    EXPECT_EQ(exact.caption(), "Exact rate for $699.21: 7.49993 %");
    // Placed as a row of its own, under the rate list and above the duration.
    EXPECT_GE(exact.top(), m.combo("comIntr").top() + m.combo("comIntr").height());
    EXPECT_GE(m.box("fp_Time").top(), exact.top() + exact.height());
    EXPECT_TRUE(t.messages().empty());
}

TEST(MervaneExactRate, ThePaymentAtTheStatedRateIsTheTypedOne)
{
    for (const char* typed : {"699.21", "800", "1234.56", "278"}) {
        TestProgram t;
        rateInputs(t, typed);
        t.calculate();
        double rate = exactRateIn(t.form().label("lbl_exactRate").caption());
        ASSERT_FALSE(std::isnan(rate)) << typed;
        // Five decimals of the rate are shown: the payment at that rate is within a cent of the typed one.
        PaymentResult p = levelPayment(100000, rate, 12, 30);
        EXPECT_NEAR(p.payment, readBoxValue(typed), 0.01) << typed;
    }
}

TEST(MervaneExactRate, AboveTheListItIsStillStatedAfterTheNotice)
{
    TestProgram t;
    rateInputs(t, "5000");
    t.calculate();
    EXPECT_EQ(t.messages(), std::vector<std::string>{"Exceeded High Interest of 25%"});
    EXPECT_EQ(t.form().combo("comIntr").text(), "25.000");
    EXPECT_EQ(t.form().label("lbl_exactRate").caption(), "Exact rate for $5,000.00: 60.00000 %");
    EXPECT_TRUE(t.form().label("lbl_exactRate").visible());
}

TEST(MervaneExactRate, ARefusalOrAnotherOptionHidesIt)
{
    TestProgram t;
    rateInputs(t, "699.21");
    t.calculate();
    t.type("fp_Payment", "200");
    t.calculate();
    EXPECT_EQ(t.messages().size(), 1u);
    EXPECT_FALSE(t.form().label("lbl_exactRate").visible());
    t.type("fp_Payment", "699.21");
    t.calculate();
    EXPECT_TRUE(t.form().label("lbl_exactRate").visible());
    t.form().option("opt_payment").userClick();
    EXPECT_FALSE(t.form().label("lbl_exactRate").visible());
}

struct SavingsCase {
    const char* option;
    const char* extra;
    const char* start;
    int installmentsWith;
    const char* paidOff;
};

class MervaneXtraSavings : public testing::TestWithParam<SavingsCase> {};

// The line's interest is the difference of the two Total Interest boxes as they show it; its installments
// the plain count less the walk's; its date the last installment's, counted from the fixed today.
TEST_P(MervaneXtraSavings, StatesTheDifferenceOfTheTwoTotalsAndThePayoffDate)
{
    const SavingsCase& c = GetParam();
    TestProgram t;
    Form& m = t.form();
    t.type("fp_Time", "30");
    m.combo("comIntr").userPick(60);
    m.option(c.option).userClick();
    EXPECT_FALSE(m.label("lbl_xtra_saved").visible());
    t.type("fp_xpay", c.extra);
    t.type("fp_xpaystrt", c.start);
    t.calculate();
    ASSERT_TRUE(t.messages().empty());
    EXPECT_EQ(m.label("lbl_dur2").caption().substr(0, m.label("lbl_dur2").caption().find(' ')),
              std::to_string(c.installmentsWith));
    const double plain = readBoxValue(m.box("fp_totInt").display());
    const double with = readBoxValue(m.box("fp_totIntwX").display());
    const Label& line = m.label("lbl_xtra_saved");
    ASSERT_TRUE(line.visible());
    std::string expected = "Saves " + std::to_string(360 - c.installmentsWith) + " installments and " +
                           formatNumber(plain - with, kCurrencyFormat) + " interest; paid off " + c.paidOff;
    EXPECT_EQ(line.caption(), expected);
    // Laid out under the notes, above the totals.
    EXPECT_GE(m.control("Line1").top(), line.top() + line.height());
}

INSTANTIATE_TEST_SUITE_P(ThreeModes, MervaneXtraSavings,
                         testing::Values(SavingsCase{"opt_xpaymo", "100", "1", 246, "Jul 15, 2045"},
                                         SavingsCase{"opt_xpay1x", "5000", "12", 308, "Sep 15, 2050"},
                                         SavingsCase{"opt_xpayperiodic", "1000", "1", 254, "Mar 15, 2046"}),
                         [](const testing::TestParamInfo<SavingsCase>& info) {
                             return std::string(info.param.option);
                         });

TEST(MervaneXtraSavingsLine, WithoutAnExtraNothingIsSaved)
{
    TestProgram t;
    Form& m = t.form();
    t.type("fp_Time", "30");
    m.combo("comIntr").userPick(60);
    m.option("opt_xpaymo").userClick();
    t.type("fp_xpay", "0");
    t.calculate();
    EXPECT_EQ(m.label("lbl_xtra_saved").caption(), "No Xtra payment made - nothing saved; paid off Jan 15, 2055");
    m.option("opt_payoff").userClick();
    EXPECT_FALSE(m.label("lbl_xtra_saved").visible());
}

TEST(MervaneXtraSavingsLine, BiweeklyDatesStepFourteenDays)
{
    TestProgram t;
    Form& m = t.form();
    t.type("fp_Time", "30");
    m.combo("comIntr").userPick(60);
    m.option("opt_xpaymo").userClick();
    t.type("fp_xpay", "50");
    m.option("opt_26").userClick();  // a frequency click calculates at once
    const std::string caption = m.label("lbl_dur2").caption();
    const int made = std::stoi(caption.substr(0, caption.find(' ')));
    // 2025-01-15 plus 14 days a payment.
    const CalendarDate due = installmentDate({2025, 1, 15}, 26, made);
    EXPECT_NE(m.label("lbl_xtra_saved").caption().find(std::to_string(due.year)), std::string::npos);
    EXPECT_NE(m.label("lbl_xtra_saved").caption().find("Saves " + std::to_string(780 - made) + " installments"),
              std::string::npos);
}

}  // namespace
}  // namespace tv::test
