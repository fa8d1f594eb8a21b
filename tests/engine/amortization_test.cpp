#include "engine/amortization.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/limits.h"

namespace tv {
namespace {

constexpr double kCent = 0.005;

// 100000 at 7.5 % for 30 years, 12 a year: 699.21 a month.
ExtraPayInput standardLoan(ExtraMode mode, double extra, double start)
{
    return {.principal = 100000.0,
            .annualRatePercent = 7.5,
            .periodsPerYear = 12,
            .durationYears = 30.0,
            .mode = mode,
            .extraAmount = extra,
            .startInstallment = start};
}

PayoffInput standardPayoff(double lastInstallment)
{
    return {.principal = 100000.0,
            .annualRatePercent = 7.5,
            .periodsPerYear = 12,
            .durationYears = 30.0,
            .lastInstallment = lastInstallment};
}

struct ExtraCase {
    std::string name;
    ExtraPayInput input;
    int installments;
    double years;
    double lastPayment;
    double totalInterest;  // negative: not stated
    int yearlyCount;
};

TEST(AmortizeWithExtras, ReproducesTheExtraPaymentExamplesToTheCent)
{
    const std::vector<ExtraCase> cases = {
        {"100 extra with every installment from 1: 246 installments, 20.50 years",
         standardLoan(ExtraMode::PerInstallment, 100.0, 1.0), 246, 20.5, 55.18, 95762.74, 0},
        {"5000 once with installment 12: 308 installments, 25.67 years", standardLoan(ExtraMode::OneTime, 5000.0, 12.0),
         308, 308.0 / 12, 42.93, -1.0, 0},
        {"1000 yearly from installment 1: 254 installments with 22 yearly payments",
         standardLoan(ExtraMode::Yearly, 1000.0, 1.0), 254, 254.0 / 12, 592.56, -1.0, 22},
    };
    for (const ExtraCase& c : cases) {
        SCOPED_TRACE(c.name);
        ExtraPayResult r = amortizeWithExtras(c.input);
        ASSERT_EQ(r.status, LoanStatus::Ok);
        EXPECT_NEAR(r.payment, 699.21, kCent);
        EXPECT_EQ(r.installments, c.installments);
        EXPECT_EQ(r.years, c.years);
        EXPECT_NEAR(r.lastPayment, c.lastPayment, kCent);
        if (c.totalInterest >= 0) {
            EXPECT_NEAR(r.totalInterest, c.totalInterest, kCent);
        }
        EXPECT_EQ(r.yearlyCount, c.yearlyCount);
        EXPECT_FALSE(r.lastYearlyCapped);
        EXPECT_FALSE(r.paidOffBeforeStart);
        EXPECT_FALSE(r.extraExceedsBalance);
    }
    EXPECT_NEAR(amortizeWithExtras(standardLoan(ExtraMode::OneTime, 5000.0, 12.0)).years, 25.67, kCent);
}

TEST(AmortizeWithExtras, TheTotalPaidIncludesEveryExtra)
{
    const std::vector<std::pair<std::string, ExtraPayInput>> cases = {
        {"per installment", standardLoan(ExtraMode::PerInstallment, 100.0, 1.0)},
        {"one-time", standardLoan(ExtraMode::OneTime, 5000.0, 12.0)},
        {"one-time, more than the balance", standardLoan(ExtraMode::OneTime, 500000.0, 12.0)},
        {"yearly", standardLoan(ExtraMode::Yearly, 1000.0, 1.0)},
        {"yearly, the last one capped", standardLoan(ExtraMode::Yearly, 50000.0, 1.0)},
        {"yearly, the first one capped", standardLoan(ExtraMode::Yearly, 500000.0, 5.0)},
        {"after the loan's end", standardLoan(ExtraMode::OneTime, 5000.0, 400.0)},
    };
    for (const auto& [name, input] : cases) {
        SCOPED_TRACE(name);
        ExtraPayResult r = amortizeWithExtras(input);
        ASSERT_EQ(r.status, LoanStatus::Ok);
        EXPECT_NEAR(r.totalPaid, input.principal + r.totalInterest, 1e-6);
        EXPECT_LE(r.extrasPaid, input.principal);
    }
    EXPECT_EQ(amortizeWithExtras(standardLoan(ExtraMode::Yearly, 1000.0, 1.0)).extrasPaid, 22 * 1000.0);
}

TEST(AmortizeWithExtras, ANoughtExtraGivesThePlainSchedule)
{
    ExtraPayResult r = amortizeWithExtras(standardLoan(ExtraMode::PerInstallment, 0.0, 1.0));
    ASSERT_EQ(r.status, LoanStatus::Ok);
    EXPECT_EQ(r.installments, 360);
    EXPECT_NEAR(r.totalInterest, 151717.22, kCent);
    EXPECT_EQ(r.extrasPaid, 0.0);
}

TEST(AmortizeWithExtras, PerInstallmentExtrasStartAfterTheStartInstallment)
{
    // The last installment (55.18) is below the payment and closes the loan without an extra, so the
    // extras are those of installments start + 1 to the one before the last.
    for (double start : {1.0, 2.0, 100.0}) {
        SCOPED_TRACE(start);
        ExtraPayResult r = amortizeWithExtras(standardLoan(ExtraMode::PerInstallment, 100.0, start));
        ASSERT_EQ(r.status, LoanStatus::Ok);
        EXPECT_EQ(r.extrasPaid, (r.installments - start - 1) * 100.0);
    }
    // From installment 360 on there is no installment after it, so nothing extra is paid.
    ExtraPayResult atEnd = amortizeWithExtras(standardLoan(ExtraMode::PerInstallment, 100.0, 360.0));
    EXPECT_EQ(atEnd.installments, 360);
    EXPECT_EQ(atEnd.extrasPaid, 0.0);
}

TEST(AmortizeWithExtras, APerInstallmentExtraThatWouldOvershootShrinksToCloseTheLoan)
{
    // 60000 with installment 2 leaves less than the payment plus the extra: the extra becomes the rest.
    ExtraPayResult r = amortizeWithExtras(standardLoan(ExtraMode::PerInstallment, 60000.0, 1.0));
    ASSERT_EQ(r.status, LoanStatus::Ok);
    EXPECT_EQ(r.installments, 3);
    EXPECT_GT(r.extrasPaid, 60000.0);
    EXPECT_LT(r.extrasPaid, 120000.0);
    EXPECT_NEAR(r.lastPayment, r.payment + (r.extrasPaid - 60000.0), 1e-6);
    EXPECT_NEAR(r.totalPaid, 100000.0 + r.totalInterest, 1e-6);
}

TEST(AmortizeWithExtras, YearlyExtrasAt26AYearRecurEvery12Installments)
{
    ExtraPayInput input = standardLoan(ExtraMode::Yearly, 1000.0, 1.0);
    input.periodsPerYear = 26;
    ExtraPayResult r = amortizeWithExtras(input);
    ASSERT_EQ(r.status, LoanStatus::Ok);
    EXPECT_EQ(r.installments, 427);
    EXPECT_EQ(r.yearlyCount, 36);  // installments 1, 13, ..., 421
    EXPECT_EQ(r.extrasPaid, 36 * 1000.0);
    EXPECT_EQ(r.years, 427.0 / 26);
}

TEST(AmortizeWithExtras, AYearlyExtraAboveTheBalanceIsCutToTheBalance)
{
    // 50000 with installments 1 and 13: the second finds about 45116.56 left and pays exactly that.
    ExtraPayResult r = amortizeWithExtras(standardLoan(ExtraMode::Yearly, 50000.0, 1.0));
    ASSERT_EQ(r.status, LoanStatus::Ok);
    EXPECT_TRUE(r.lastYearlyCapped);
    EXPECT_EQ(r.installments, 13);
    EXPECT_EQ(r.yearlyCount, 2);
    double lastExtra = r.extrasPaid - 50000.0;
    EXPECT_GT(lastExtra, 0.0);
    EXPECT_LT(lastExtra, 50000.0);
    EXPECT_NEAR(r.lastPayment, r.payment + lastExtra, 1e-6);  // the last installment closed the loan with it
}

TEST(AmortizeWithExtras, AFirstYearlyExtraAboveTheBalanceIsCutToo)
{
    ExtraPayResult r = amortizeWithExtras(standardLoan(ExtraMode::Yearly, 500000.0, 5.0));
    ASSERT_EQ(r.status, LoanStatus::Ok);
    EXPECT_TRUE(r.lastYearlyCapped);
    EXPECT_EQ(r.installments, 5);
    EXPECT_EQ(r.yearlyCount, 1);
    EXPECT_NEAR(r.extrasPaid, payoffAfter(standardPayoff(5.0)).lowPayoff, 1e-6);
}

TEST(AmortizeWithExtras, AOneTimeExtraAboveTheBalanceIsFlaggedAndCutToTheBalance)
{
    ExtraPayResult r = amortizeWithExtras(standardLoan(ExtraMode::OneTime, 200000.0, 12.0));
    ASSERT_EQ(r.status, LoanStatus::Ok);
    EXPECT_TRUE(r.extraExceedsBalance);
    EXPECT_EQ(r.installments, 12);  // the loan ends with the start installment
    EXPECT_NEAR(r.extrasPaid, 99078.17, kCent);
    EXPECT_NEAR(r.totalInterest, 7468.74, kCent);
    EXPECT_NEAR(r.totalPaid, 107468.74, kCent);
    EXPECT_NEAR(r.lastPayment, r.payment + r.extrasPaid, 1e-6);
}

TEST(AmortizeWithExtras, AStartAfterTheLoansEndGivesThePlainScheduleFlagged)
{
    for (ExtraMode mode : {ExtraMode::PerInstallment, ExtraMode::OneTime, ExtraMode::Yearly}) {
        for (double start : {361.0, 400.0, 32767.0, 1e12}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(mode)) + " from " + std::to_string(start));
            ExtraPayResult r = amortizeWithExtras(standardLoan(mode, 5000.0, start));
            ASSERT_EQ(r.status, LoanStatus::Ok);
            EXPECT_TRUE(r.paidOffBeforeStart);
            EXPECT_EQ(r.installments, 360);
            EXPECT_EQ(r.extrasPaid, 0.0);
            EXPECT_EQ(r.yearlyCount, 0);
            EXPECT_NEAR(r.totalInterest, 151717.22, kCent);
            EXPECT_NEAR(r.lastPayment, 699.21, kCent);
        }
    }
}

TEST(AmortizeWithExtras, AOneTimeExtraWithTheLastInstallmentFindsNothingLeft)
{
    ExtraPayResult r = amortizeWithExtras(standardLoan(ExtraMode::OneTime, 5000.0, 360.0));
    ASSERT_EQ(r.status, LoanStatus::Ok);
    EXPECT_TRUE(r.extraExceedsBalance);
    EXPECT_FALSE(r.paidOffBeforeStart);
    EXPECT_EQ(r.installments, 360);
    EXPECT_NEAR(r.extrasPaid, 0.0, 1e-6);
}

TEST(AmortizeWithExtras, RefusesNegativeExtrasAndStarts)
{
    EXPECT_EQ(amortizeWithExtras(standardLoan(ExtraMode::PerInstallment, -1.0, 1.0)).status, LoanStatus::NegativeExtra);
    EXPECT_EQ(amortizeWithExtras(standardLoan(ExtraMode::Yearly, -1000.0, 1.0)).status, LoanStatus::NegativeExtra);
    EXPECT_EQ(amortizeWithExtras(standardLoan(ExtraMode::Yearly, 1000.0, -12.0)).status, LoanStatus::NegativeStart);
    EXPECT_EQ(amortizeWithExtras(standardLoan(ExtraMode::OneTime, 2e12, 1.0)).status, LoanStatus::AmountTooLarge);
    EXPECT_EQ(amortizeWithExtras(standardLoan(ExtraMode::OneTime, 100.0, std::nan(""))).status,
              LoanStatus::InvalidInput);
}

TEST(AmortizeWithExtras, RefusesDurationsOutsideThePeriodLimits)
{
    ExtraPayInput tooShort = standardLoan(ExtraMode::PerInstallment, 100.0, 1.0);
    tooShort.durationYears = roundToMonth(0.03);
    EXPECT_EQ(amortizeWithExtras(tooShort).status, LoanStatus::TooFewPeriods);
    ExtraPayInput tooLong = standardLoan(ExtraMode::PerInstallment, 100.0, 1.0);
    tooLong.durationYears = 3000.0;
    EXPECT_EQ(amortizeWithExtras(tooLong).status, LoanStatus::TooManyPeriods);
}

TEST(AmortizeWithExtras, TheLongestLoanStaysWithinTheInstallmentLimit)
{
    ExtraPayInput input = standardLoan(ExtraMode::PerInstallment, 0.0, 1.0);
    input.annualRatePercent = 0.0;
    input.durationYears = 2730.5;
    ExtraPayResult r = amortizeWithExtras(input);
    ASSERT_EQ(r.status, LoanStatus::Ok);
    EXPECT_LE(r.installments, limits::kMaxPeriods);
    EXPECT_TRUE(std::isfinite(r.totalPaid));
}

TEST(AmortizeWithExtras, TheZeroRateReportsNoInterest)
{
    for (ExtraMode mode : {ExtraMode::PerInstallment, ExtraMode::OneTime, ExtraMode::Yearly}) {
        SCOPED_TRACE(static_cast<int>(mode));
        ExtraPayInput input = standardLoan(mode, 1000.0, 12.0);
        input.annualRatePercent = 0.0;
        input.isZeroRateText = true;
        ExtraPayResult r = amortizeWithExtras(input);
        ASSERT_EQ(r.status, LoanStatus::Ok);
        EXPECT_EQ(r.payment, 100000.0 / 360);
        EXPECT_EQ(r.totalInterest, 0.0);
        EXPECT_NEAR(r.totalPaid, 100000.0, 1e-6);
    }
}

TEST(PayoffAfter, After12InstallmentsTheLowPayoffIs99078_17AndTheHigh99697_40)
{
    PayoffResult r = payoffAfter(standardPayoff(12.0));
    ASSERT_EQ(r.status, LoanStatus::Ok);
    EXPECT_EQ(r.installmentsMade, 12);
    EXPECT_NEAR(r.lowPayoff, 99078.17, kCent);
    EXPECT_NEAR(r.highPayoff, 99697.40, kCent);
    EXPECT_NEAR(r.interestPaid, 7468.74, kCent);
    EXPECT_NEAR(r.totalToPayOff, 107468.74, kCent);
    EXPECT_FALSE(r.paidOffBeforeInstallment);
}

TEST(PayoffAfter, BeforeAnyInstallmentTheLowPayoffIsTheLoanAmount)
{
    PayoffResult r = payoffAfter(standardPayoff(0.0));
    ASSERT_EQ(r.status, LoanStatus::Ok);
    EXPECT_EQ(r.installmentsMade, 0);
    EXPECT_EQ(r.lowPayoff, 100000.0);
    EXPECT_EQ(r.highPayoff, 100000.0 * (1.0 + (1.0 / 12) * (7.5 / 100)));
    EXPECT_EQ(r.interestPaid, 0.0);
    EXPECT_EQ(r.totalToPayOff, 100000.0);
}

TEST(PayoffAfter, TheZeroRateReportsNoInterest)
{
    PayoffInput input = standardPayoff(12.0);
    input.annualRatePercent = 0.0;
    input.isZeroRateText = true;
    PayoffResult r = payoffAfter(input);
    ASSERT_EQ(r.status, LoanStatus::Ok);
    EXPECT_EQ(r.interestPaid, 0.0);
    EXPECT_NEAR(r.totalToPayOff, 100000.0, 1e-6);
    EXPECT_NEAR(r.lowPayoff, 100000.0 - 12 * (100000.0 / 360), 1e-6);
    EXPECT_EQ(r.highPayoff, r.lowPayoff);
}

TEST(PayoffAfter, AnInstallmentAfterTheLoansEndLeavesNothingToPayOff)
{
    for (double last : {360.0, 361.0, 1e9}) {
        SCOPED_TRACE(last);
        PayoffResult r = payoffAfter(standardPayoff(last));
        ASSERT_EQ(r.status, LoanStatus::Ok);
        EXPECT_EQ(r.installmentsMade, 360);
        EXPECT_NEAR(r.lowPayoff, 0.0, 1e-6);
        EXPECT_NEAR(r.highPayoff, 0.0, 1e-6);
        EXPECT_NEAR(r.totalToPayOff, 251717.22, kCent);
        EXPECT_EQ(r.paidOffBeforeInstallment, last > 360.0);
    }
}

TEST(PayoffAfter, RefusesANegativeInstallmentAndBadDurations)
{
    EXPECT_EQ(payoffAfter(standardPayoff(-1.0)).status, LoanStatus::NegativeStart);
    PayoffInput tooShort = standardPayoff(0.0);
    tooShort.durationYears = 0.0;
    EXPECT_EQ(payoffAfter(tooShort).status, LoanStatus::TooFewPeriods);
}

}  // namespace
}  // namespace tv
