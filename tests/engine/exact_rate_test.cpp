// The exact rate of a typed payment, checked by putting the rate back into the payment formulas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/exact_rate.h"
#include "engine/loan.h"

namespace tv {
namespace {

struct ExactCase {
    const char* name;
    double principal;
    double payment;
    int periodsPerYear;
    double years;
};

class ExactRateGivesTheTypedPayment : public testing::TestWithParam<ExactCase> {};

// The closed check: the level payment at the solved rate, P r / (1 - (1 + r)^-n) worked out in long double,
// equals the typed payment to 1e-8 (for payments in the millions, to 1e-14 of the payment: a double holds
// no more). The program's own payment formula (levelPayment, repeated multiplication in double) agrees to a
// millionth of a cent's worth of rounding.
TEST_P(ExactRateGivesTheTypedPayment, ToOneHundredthOfAMillionth)
{
    const ExactCase& c = GetParam();
    ExactRateResult e = exactRateForPayment(c.principal, c.payment, c.periodsPerYear, c.years);
    ASSERT_EQ(e.status, LoanStatus::Ok);
    ASSERT_GT(e.annualRatePercent, 0.0);
    const long double r = static_cast<long double>(e.annualRatePercent) / (c.periodsPerYear * 100.0L);
    const long double closed = c.principal * r / -std::expm1(-e.periods * std::log1p(r));
    EXPECT_NEAR(static_cast<double>(closed), c.payment, std::max(1e-8, 1e-14 * c.payment));
    PaymentResult level = levelPayment(c.principal, e.annualRatePercent, c.periodsPerYear, c.years);
    ASSERT_EQ(level.status, LoanStatus::Ok);
    EXPECT_NEAR(level.payment, c.payment, std::max(1e-6, 1e-13 * c.payment));
    EXPECT_LT(e.iterations, 60);
}

INSTANTIATE_TEST_SUITE_P(Loans, ExactRateGivesTheTypedPayment,
                         testing::Values(ExactCase{"Mortgage699_21Over30Years", 100000, 699.21, 12, 30},
                                         ExactCase{"Mortgage800Over30Years", 100000, 800, 12, 30},
                                         ExactCase{"CarLoan450Over5Years", 20000, 450, 12, 5},
                                         ExactCase{"JustAboveTheZeroRatePayment", 120000, 333.34, 12, 30},
                                         ExactCase{"Biweekly", 250000, 800, 26, 30},
                                         ExactCase{"TwiceMonthly", 250000, 900, 24, 25},
                                         ExactCase{"FarAbove25Percent", 100000, 5000, 12, 30},
                                         ExactCase{"OneInstallment", 1000, 1010, 12, 1.0 / 12},
                                         ExactCase{"LargeLoan", 900000000, 6500000, 12, 30},
                                         ExactCase{"LongestCount", 1000000, 5000, 26, 1260}),
                         [](const testing::TestParamInfo<ExactCase>& info) { return std::string(info.param.name); });

TEST(ExactRate, AStepOfTheListIsFoundExactly)
{
    // 100000 at 7.5 % for 30 years pays 699.2145...; that payment gives 7.5 % back.
    PaymentResult p = levelPayment(100000, 7.5, 12, 30);
    ExactRateResult e = exactRateForPayment(100000, p.payment, 12, 30);
    ASSERT_EQ(e.status, LoanStatus::Ok);
    EXPECT_NEAR(e.annualRatePercent, 7.5, 1e-9);
}

TEST(ExactRate, TheRoundedPaymentGivesARateJustBelowTheStep)
{
    ExactRateResult e = exactRateForPayment(100000, 699.21, 12, 30);
    ASSERT_EQ(e.status, LoanStatus::Ok);
    EXPECT_LT(e.annualRatePercent, 7.5);
    EXPECT_GT(e.annualRatePercent, 7.4999);
    EXPECT_EQ(e.periods, 360);
}

TEST(ExactRate, ThePaymentOfTheZeroRateGivesZero)
{
    ExactRateResult e = exactRateForPayment(36000, 100, 12, 30);
    EXPECT_EQ(e.status, LoanStatus::Ok);
    EXPECT_EQ(e.annualRatePercent, 0.0);
}

TEST(ExactRate, RefusesWhatNoRateCanGive)
{
    EXPECT_EQ(exactRateForPayment(100000, 200, 12, 30).status, LoanStatus::PaymentBelowZeroRate);
    EXPECT_EQ(exactRateForPayment(100000, 0, 12, 30).status, LoanStatus::InvalidInput);
    EXPECT_EQ(exactRateForPayment(0, 500, 12, 30).status, LoanStatus::InvalidInput);
    EXPECT_EQ(exactRateForPayment(-5, 500, 12, 30).status, LoanStatus::InvalidInput);
    EXPECT_EQ(exactRateForPayment(NAN, 500, 12, 30).status, LoanStatus::InvalidInput);
    EXPECT_EQ(exactRateForPayment(2e12, 500, 12, 30).status, LoanStatus::AmountTooLarge);
    EXPECT_EQ(exactRateForPayment(100000, 500, 12, 0.01).status, LoanStatus::TooFewPeriods);
    EXPECT_EQ(exactRateForPayment(100000, 500, 26, 2000).status, LoanStatus::TooManyPeriods);
}

TEST(ExactRate, PaymentFormulaHasItsLimitAtZero)
{
    EXPECT_DOUBLE_EQ(exactLevelPayment(36000, 0.0, 360), 100.0);
    EXPECT_NEAR(exactLevelPayment(36000, 1e-15, 360), 100.0, 1e-9);
    EXPECT_NEAR(exactLevelPayment(100000, 0.00625, 360), 699.2145, 1e-4);
}

TEST(ExactRate, ARateBeyondAnyDoubleIsOutOfRange)
{
    // Found by the engine fuzzer: $30 a month on a loan of 1e-305 gave an Ok
    // status with an infinite rate, which the main screen showed as "inf %".
    ExactRateResult r = exactRateForPayment(1e-305, 30, 12, 30);
    EXPECT_EQ(r.status, LoanStatus::ResultOutOfRange);
    ExactRateResult large = exactRateForPayment(1e-290, 30, 12, 30);
    ASSERT_EQ(large.status, LoanStatus::Ok);
    EXPECT_TRUE(std::isfinite(large.annualRatePercent));
}

}  // namespace
}  // namespace tv
