#include "engine/amortization.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/limits.h"

namespace tv {
namespace {

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
    double lastPayment, totalInterest, extrasPaid;
    int yearlyCount;
    bool capped;      // a yearly extra or the one-time extra was cut to the balance
    bool endedFirst;  // the loan was repaid before any extra was due
};

ExtraPayInput withRate(ExtraPayInput in, double ratePercent, int perYear, double years)
{
    in.annualRatePercent = ratePercent;
    in.periodsPerYear = perYear;
    in.durationYears = years;
    return in;
}

// Every figure is the whole-cent ledger's, as a lender's schedule has it (the plain loan pays 151,721.99 of
// interest: 359 installments of 699.21 and a last one of 705.60).
TEST(AmortizeWithExtras, ReadsEveryFigureFromTheWholeCentLedger)
{
    using M = ExtraMode;
    const std::vector<ExtraCase> cases = {
        {"no extra", standardLoan(M::PerInstallment, 0, 1), 360, 705.60, 151721.99, 0, 0, false, false},
        {"100 with every installment after the 1st", standardLoan(M::PerInstallment, 100, 1), 246, 57.68, 95764.13,
         24400, 0, false, false},
        {"5000 once with the 12th", standardLoan(M::OneTime, 5000, 12), 308, 47.00, 119704.47, 5000, 0, false, false},
        {"5800 once with the 12th: repaid to 0.00 with a 301st of 6.63", standardLoan(M::OneTime, 5800, 12), 301, 6.63,
         115569.63, 5800, 0, false, false},
        {"5000 once before the first installment", standardLoan(M::OneTime, 5000, 0), 304, 423.04, 117283.67, 5000, 0,
         false, false},
        {"1000 yearly from the 1st", standardLoan(M::Yearly, 1000, 1), 254, 595.28, 99495.41, 22000, 22, false, false},
        {"1000 yearly at 26 a year: every 26th installment", withRate(standardLoan(M::Yearly, 1000, 1), 7.5, 26, 30),
         550, 89.90, 99180.83, 22000, 22, false, false},
        {"a yearly extra the second time above the balance", standardLoan(M::Yearly, 50000, 1), 13, 45815.85, 4206.37,
         95116.64, 2, true, false},
        {"a first yearly extra above the balance", standardLoan(M::Yearly, 500000, 5), 5, 100323.50, 3120.34, 99624.29,
         1, true, false},
        {"a one-time extra above the balance", standardLoan(M::OneTime, 200000, 12), 12, 99777.44, 7468.75, 99078.23, 0,
         true, false},
        {"an extra that would overshoot shrinks to close the loan", standardLoan(M::PerInstallment, 60000, 1), 3,
         40100.19, 1498.61, 99400.98, 0, false, false},
        {"once with the last installment: nothing left", standardLoan(M::OneTime, 5000, 360), 360, 705.60, 151721.99, 0,
         0, false, true},
        {"per installment from the last", standardLoan(M::PerInstallment, 100, 360), 360, 705.60, 151721.99, 0, 0,
         false, true},
        {"at 0 %: no interest", withRate(standardLoan(M::OneTime, 1000, 12), 0, 12, 30), 357, 110.32, 0, 1000, 0, false,
         false},
    };
    for (const ExtraCase& c : cases) {
        SCOPED_TRACE(c.name);
        ExtraPayResult r = amortizeWithExtras(c.input);
        ASSERT_EQ(r.status, LoanStatus::Ok);
        EXPECT_EQ(r.installments, c.installments);
        EXPECT_EQ(r.years, static_cast<double>(c.installments) / c.input.periodsPerYear);
        EXPECT_NEAR(r.lastPayment, c.lastPayment, 1e-9);
        EXPECT_NEAR(r.totalInterest, c.totalInterest, 1e-9);
        EXPECT_NEAR(r.totalPaid, c.input.principal + c.totalInterest, 1e-9);
        EXPECT_NEAR(r.extrasPaid, c.extrasPaid, 1e-9);
        EXPECT_EQ(r.yearlyCount, c.yearlyCount);
        EXPECT_EQ(r.lastYearlyCapped || r.extraExceedsBalance, c.capped);
        EXPECT_EQ(r.paidOffBeforeStart, c.endedFirst);
        // Extras never cost interest: the plain ledger's is at least as much, and lasts at least as long.
        EXPECT_GE(r.plain.totalInterest, r.totalInterest);
        EXPECT_GE(r.plain.installments, r.installments);
    }
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
            EXPECT_NEAR(r.totalInterest, 151721.99, 1e-9);
        }
    }
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

struct PayoffCase {
    const char* name;
    PayoffInput input;
    int made;
    double low, high, interestPaid;
    bool endedFirst;
};

// The low payoff is the ledger's balance after the installment, the high one that balance with one more
// month's interest to the cent; the handbooks print the same balances.
TEST(PayoffAfter, IsTheLedgersBalanceAfterTheInstallment)
{
    const PayoffCase cases[] = {
        {"100,000 at 7.5 % after 12", standardPayoff(12), 12, 99078.23, 99697.47, 7468.75, false},
        {"150,000 at 7 % after 60", {150000, 7, 12, 30, 60}, 60, 141197.64, 142021.29, 51074.64, false},
        {"180,000 at 7.75 % after 12", {180000, 7.75, 12, 30, 12}, 12, 178420.18, 179572.48, 13894.66, false},
        {"before any installment", standardPayoff(0), 0, 100000, 100625, 0, false},
        {"after the last", standardPayoff(360), 360, 0, 0, 151721.99, false},
        {"after the loan's end", standardPayoff(361), 360, 0, 0, 151721.99, true},
        {"far after it", standardPayoff(1e9), 360, 0, 0, 151721.99, true},
        {"at 0 %", {100000, 0, 12, 30, 12}, 12, 96666.64, 96666.64, 0, false},
    };
    for (const PayoffCase& c : cases) {
        SCOPED_TRACE(c.name);
        PayoffResult r = payoffAfter(c.input);
        ASSERT_EQ(r.status, LoanStatus::Ok);
        EXPECT_EQ(r.installmentsMade, c.made);
        EXPECT_NEAR(r.lowPayoff, c.low, 1e-9);
        EXPECT_NEAR(r.highPayoff, c.high, 1e-9);
        EXPECT_NEAR(r.interestPaid, c.interestPaid, 1e-9);
        EXPECT_NEAR(r.totalToPayOff, c.input.principal + c.interestPaid, 1e-9);
        EXPECT_EQ(r.paidOffBeforeInstallment, c.endedFirst);
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
