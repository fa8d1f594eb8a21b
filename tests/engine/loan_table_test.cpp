#include "engine/loan_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/limits.h"

namespace tv {
namespace {

double cents(double amount)
{
    return std::round(amount * 100.0) / 100.0;
}

PaymentTableInput input(double loan, double minRate, double maxRate, double minLength, double maxLength,
                        LengthUnit unit = LengthUnit::Years)
{
    PaymentTableInput in;
    in.loanAmount = loan;
    in.minRatePercent = minRate;
    in.maxRatePercent = maxRate;
    in.minLength = minLength;
    in.maxLength = maxLength;
    in.unit = unit;
    return in;
}

TEST(TableMonthlyPayment, EightyThousandAtSixPercentForThirtyYearsPays479_64)
{
    double p = tableMonthlyPayment(80000, 6.0 / 1200, 360);
    EXPECT_NEAR(p, 479.6404, 0.0001);
    EXPECT_EQ(cents(p), 479.64);
}

TEST(TableMonthlyPayment, UsesARealPowerForFractionalMonths)
{
    double m = 6.0 / 1200;
    double p = tableMonthlyPayment(1000, m, 27.6);
    EXPECT_DOUBLE_EQ(p, 1000 * m / (1 - 1 / std::pow(1 + m, 27.6)));
}

TEST(PaymentTable, PurchaseOf100000With20PercentDownGives9RatesBy16Lengths)
{
    PaymentTable t = paymentTable(input(80000, 6.0, 8.0, 15, 30));
    ASSERT_EQ(t.status, TableStatus::Ok);
    EXPECT_EQ(t.rateCount(), 9);
    EXPECT_EQ(t.lenCount(), 16);
    EXPECT_EQ(t.ratesPercent.front(), 6.0);
    EXPECT_EQ(t.ratesPercent.back(), 8.0);
    EXPECT_EQ(t.lengths.front(), 15.0);
    EXPECT_EQ(t.lengths.back(), 30.0);
    EXPECT_EQ(cents(t.payment(0, 15)), 479.64);  // 6.00 %, 30 years
}

TEST(PaymentTable, AMinimumRateOfZeroRepaysInEqualPartsAndTheRowsStandOnTheirLabels)
{
    PaymentTable t = paymentTable(input(10000, 0.0, 5.0, 1, 2.5));
    ASSERT_EQ(t.status, TableStatus::Ok);
    ASSERT_EQ(t.rateCount(), 21);
    EXPECT_EQ(t.ratesPercent[0], 0.0);
    EXPECT_EQ(t.ratesPercent[1], 0.25);
    EXPECT_EQ(t.ratesPercent[20], 5.0);
    EXPECT_EQ(t.payment(0, 0), 10000.0 / 12);
    EXPECT_EQ(t.payment(0, 1), 10000.0 / 24);
    EXPECT_EQ(t.payment(1, 0), tableMonthlyPayment(10000, 0.25 / 1200, 12));
}

TEST(PaymentTable, EqualLengthsAndRatesGiveASingleCell)
{
    PaymentTable t = paymentTable(input(50000, 7.0, 7.0, 10, 10));
    ASSERT_EQ(t.status, TableStatus::Ok);
    EXPECT_EQ(t.rateCount(), 1);
    EXPECT_EQ(t.lenCount(), 1);
    EXPECT_DOUBLE_EQ(t.payment(0, 0), tableMonthlyPayment(50000, 7.0 / 1200, 120));
}

TEST(PaymentTable, MonthsFrom60To70GiveColumnsOf60And66Months)
{
    PaymentTable t = paymentTable(input(20000, 5.0, 5.0, 60, 70, LengthUnit::Months));
    ASSERT_EQ(t.status, TableStatus::Ok);
    ASSERT_EQ(t.lenCount(), 2);
    EXPECT_EQ(t.lengths[0], 60.0);
    EXPECT_EQ(t.lengths[1], 66.0);
    EXPECT_DOUBLE_EQ(t.payment(0, 0), tableMonthlyPayment(20000, 5.0 / 1200, 60));
    EXPECT_DOUBLE_EQ(t.payment(0, 1), tableMonthlyPayment(20000, 5.0 / 1200, 66));
}

TEST(PaymentTable, FractionalYearsStepByWholeYears)
{
    PaymentTable t = paymentTable(input(1000, 6, 6, 1.5, 3));
    ASSERT_EQ(t.status, TableStatus::Ok);
    ASSERT_EQ(t.lenCount(), 2);
    EXPECT_EQ(t.lengths[1], 2.5);
    EXPECT_DOUBLE_EQ(t.payment(0, 1), tableMonthlyPayment(1000, 0.005, 30));
}

TEST(PaymentTable, RefusesLengthsOutsideOneTo100YearsOr1200Months)
{
    EXPECT_EQ(paymentTable(input(1000, 5, 6, 0, 10)).status, TableStatus::LengthTooShort);
    EXPECT_EQ(paymentTable(input(1000, 5, 6, -3, 10)).status, TableStatus::LengthTooShort);
    EXPECT_EQ(paymentTable(input(1000, 5, 6, 0.5, 10, LengthUnit::Months)).status, TableStatus::LengthTooShort);
    EXPECT_EQ(paymentTable(input(1000, 5, 6, 1, 100)).status, TableStatus::Ok);
    EXPECT_EQ(paymentTable(input(1000, 5, 6, 1, 101)).status, TableStatus::LengthTooLong);
    EXPECT_EQ(paymentTable(input(1000, 5, 6, 1, 1200, LengthUnit::Months)).status, TableStatus::Ok);
    EXPECT_EQ(paymentTable(input(1000, 5, 6, 1, 1201, LengthUnit::Months)).status, TableStatus::LengthTooLong);
    EXPECT_EQ(paymentTable(input(1000, 5, 6, 10, 5)).status, TableStatus::LengthsReversed);
    EXPECT_EQ(paymentTable(input(1000, 6, 5, 1, 5)).status, TableStatus::RatesReversed);
    EXPECT_EQ(paymentTable(input(1000, -1, 5, 1, 5)).status, TableStatus::InvalidInput);
    EXPECT_EQ(paymentTable(input(std::nan(""), 5, 6, 1, 5)).status, TableStatus::InvalidInput);
    EXPECT_EQ(paymentTable(input(2e12, 5, 6, 1, 5)).status, TableStatus::AmountTooLarge);
}

TEST(PaymentTable, TheLargestTablesStayWithinTheGridLimits)
{
    PaymentTable years = paymentTable(input(1000, 0, 25, 1, 100));
    ASSERT_EQ(years.status, TableStatus::Ok);
    EXPECT_EQ(years.rateCount(), limits::kMaxTableRateRows);
    EXPECT_EQ(years.lenCount(), limits::kMaxTableYearColumns);
    PaymentTable months = paymentTable(input(1000, 0, 25, 1, 1200, LengthUnit::Months));
    ASSERT_EQ(months.status, TableStatus::Ok);
    EXPECT_EQ(months.lenCount(), limits::kMaxTableMonthColumns);
    EXPECT_EQ(months.lengths.back(), 1195.0);
    EXPECT_EQ(paymentTable(input(1000, 0, 26, 1, 5)).status, TableStatus::TooManyRates);
}

struct ScheduleCase {
    const char* name;
    double loan, ratePercent, months;
    int monthsPaid;
    double levelPayment, lastPayment, totalInterest;
    bool balloon;
};

// Every schedule is kept in whole cents, each row agreeing with the one before, and ends at 0, so its principal
// adds up to the loan; the last installment pays what is left.
TEST(AmortizationSchedule, EndsAtZeroInWholeCents)
{
    const ScheduleCase cases[] = {
        {"80,000 at 6 % for 30 years", 80000, 6, 360, 360, 479.64, 479.90, 92670.66, false},
        {"100,000 at 8.5 % for 16 years", 100000, 8.5, 192, 192, 954.49, 954.78, 83262.37, false},
        {"250,000 at 6.5 % for 30 years", 250000, 6.5, 360, 360, 1580.17, 1580.55, 318861.58, false},
        {"100,000 at 25 % for 30 years", 100000, 25, 360, 360, 2084.58, 2021.67, 650385.89, false},
        {"180,000 at 7.75 % for 30 years", 180000, 7.75, 360, 360, 1289.54, 1292.54, 284237.40, false},
        {"21.75 % for 97 years: the payment is the interest", 80000, 21.75, 1164, 1164, 1450, 81450, 1687800, true},
        {"25 % for 100 years", 80000, 25, 1200, 1200, 1666.67, 81666.67, 2000004.00, true},
        {"6.75 % for 98 years is repaid a month early", 80000, 6.75, 1176, 1175, 450.62, 285.40, 449313.28, false},
        {"0 % for a year", 10000, 0, 12, 12, 833.33, 833.37, 0, false},
        {"nothing lent", 0, 6, 12, 12, 0, 0, 0, false},
    };
    for (const ScheduleCase& c : cases) {
        SCOPED_TRACE(c.name);
        const double m = c.ratePercent / 1200;
        Schedule s = amortizationSchedule(c.loan, tableMonthlyPayment(c.loan, m, c.months), c.ratePercent, c.months);
        ASSERT_EQ(s.months(), c.monthsPaid);
        EXPECT_EQ(s.levelPayment, c.levelPayment);
        EXPECT_EQ(s.lastPayment(), c.lastPayment);
        EXPECT_EQ(s.lines.back().totalInterest, c.totalInterest);
        EXPECT_EQ(s.lines.back().balance, 0.0);
        EXPECT_EQ(s.endsInBalloon(), c.balloon);
        EXPECT_EQ(s.endsEarly(), c.monthsPaid < c.months);
        for (int k = 1; k <= s.months(); ++k) {
            const ScheduleLine& line = s.lines[static_cast<std::size_t>(k)];
            const ScheduleLine& before = s.lines[static_cast<std::size_t>(k - 1)];
            // The month's interest to the cent, halves up, from the rate's quarters of a percent exactly.
            const auto balanceCents = static_cast<long long>(std::llround(before.balance * 100));
            const long long quarters = std::llround(c.ratePercent * 4);
            ASSERT_EQ(line.interest, cents((2 * balanceCents * quarters + 4800) / 9600 / 100.0)) << k;
            ASSERT_EQ(line.principal, cents(line.payment - line.interest)) << k;
            ASSERT_EQ(line.balance, cents(before.balance - line.principal)) << k;
            ASSERT_EQ(line.totalInterest, cents(before.totalInterest + line.interest)) << k;
            ASSERT_TRUE(k == s.months() || line.payment == c.levelPayment) << k;
        }
    }
}

TEST(AmortizationSchedule, AYearOf180000At7Point75PercentMatchesTheHandbook)
{
    const double m = 7.75 / 1200;
    Schedule s = amortizationSchedule(180000, tableMonthlyPayment(180000, m, 360), 7.75, 360);
    EXPECT_EQ(s.lines[12].totalInterest, 13894.66);
    EXPECT_EQ(s.lines[12].balance, 178420.18);  // 1,579.82 of principal paid
}

TEST(AmortizationSchedule, HasOneLinePerWholeMonth)
{
    for (double months : {12.0, 30.0, 27.6, 1200.0}) {
        const double payment = tableMonthlyPayment(1000, 0.005, months);
        EXPECT_EQ(amortizationSchedule(1000, payment, 6, months).months(), static_cast<int>(months)) << months;
    }
    EXPECT_EQ(amortizationSchedule(1000, 1, 6, 1201).status, TableStatus::TooManyMonths);
}

// Found by the engine fuzzer: values the screen never passes made results that were not numbers under an Ok
// status. Now each is refused with a status.
TEST(AmortizationSchedule, RefusesValuesWhoseBalanceWouldNotStayFinite)
{
    EXPECT_EQ(amortizationSchedule(100, 1e269, 801 * 1200, 540).status, TableStatus::InvalidInput);
    EXPECT_TRUE(amortizationSchedule(100, 1e269, 801 * 1200, 540).lines.empty());
    EXPECT_EQ(amortizationSchedule(1e12, 0, 801 * 1200, 540).status, TableStatus::InvalidInput);
    EXPECT_EQ(amortizationSchedule(1e13, 1, 6, 12).status, TableStatus::AmountTooLarge);
    EXPECT_EQ(amortizationSchedule(1000, 90, -6, 12).status, TableStatus::InvalidInput);
    EXPECT_EQ(amortizationSchedule(-1000, 90, 6, 12).status, TableStatus::InvalidInput);
    EXPECT_EQ(amortizationSchedule(1e12, 2.1e10, 25, 1200).status, TableStatus::Ok);
    EXPECT_EQ(amortizationSchedule(1e12, 1, 25, 1200).status, TableStatus::InvalidInput);
}

TEST(PaymentTable, RefusesRatesWhosePaymentsWouldNotBeFinite)
{
    PaymentTableInput in;
    in.loanAmount = 1e12;
    in.minRatePercent = 1e300;
    in.maxRatePercent = 1e300;
    in.minLength = 1;
    in.maxLength = 2;
    PaymentTable t = paymentTable(in);
    EXPECT_EQ(t.status, TableStatus::InvalidInput);
    EXPECT_TRUE(t.payments.empty());
}

TEST(LoanOfLine, PutsABlankBeforeNumbersThatAreNotNegative)
{
    EXPECT_EQ(loanOfLine(80000), "Loan of  80000");
    EXPECT_EQ(loanOfLine(0), "Loan of  0");
    EXPECT_EQ(loanOfLine(79999.5), "Loan of  79999.5");
    EXPECT_EQ(loanOfLine(-250), "Loan of -250");
}

const std::vector<std::vector<std::string>> kTwoByTwo = {
    {" ", "5 Years", "6 Years"},
    {"7.00%", "$1,980.10", "$1,704.68"},
    {"7.25%", "$99.99", "$1,715.38"},
};

TEST(TableText, ATwoByTwoTableOnTheClipboard)
{
    EXPECT_EQ(tableText(100000, kTwoByTwo, false, TableTextMode::Clipboard),
              "Loan of  100000\r\n"
              "\t\t5 Years\t6 Years\r\n"
              "7.00%\t\t$1,980.10\t$1,704.68\r\n"
              "7.25%\t\t$99.99\t\t$1,715.38\r\n");
}

TEST(TableText, ATwoByTwoTablePrintedHasATabAfterEachLengthHeader)
{
    EXPECT_EQ(tableText(100000, kTwoByTwo, false, TableTextMode::Printer),
              "Loan of  100000\r\n"
              "\t\t5 Years\t\t6 Years\t\r\n"
              "7.00%\t\t$1,980.10\t$1,704.68\r\n"
              "7.25%\t\t$99.99\t\t$1,715.38\r\n");
}

const std::vector<std::vector<std::string>> kSchedule = {
    {"Payment\n$85.61", "Principle Paid", "Interest Paid", "Principle Balance", "Total Interest"},
    {"1", "$80.61", "$5.00", "$919.39", "$5.00"},
    {"2", "$81.01", "$4.60", "$838.38", "$9.60"},
};

TEST(TableText, AScheduleOnTheClipboard)
{
    EXPECT_EQ(tableText(1000, kSchedule, true, TableTextMode::Clipboard),
              "Loan of  1000\r\n"
              "Payment\n$85.61\r\n"
              "\tPrinciple Paid\t\tInterest Paid\t\tPrinciple Balance\tTotal Interest\r\n"
              "1\t$80.61\t\t\t$5.00\t\t\t$919.39\t\t$5.00\t\t\r\n"
              "2\t$81.01\t\t\t$4.60\t\t\t$838.38\t\t$9.60\t\t\r\n");
}

TEST(TableText, ASchedulePrintedFramesEachCellWithTabsOnly)
{
    EXPECT_EQ(tableText(1000, kSchedule, true, TableTextMode::Printer),
              "Loan of  1000\r\n"
              "Payment\n$85.61\r\n"
              "\tPrinciple Paid\t\tInterest Paid\tPrinciple Balance\t\tTotal Interest\r\n"
              "1\t$80.61\t\t$5.00\t\t$919.39\t\t$5.00\t\r\n"
              "2\t$81.01\t\t$4.60\t\t$838.38\t\t$9.60\t\r\n");
}

}  // namespace
}  // namespace tv
