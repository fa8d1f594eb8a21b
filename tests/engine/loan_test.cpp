#include "engine/loan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "common/numbers.h"
#include "engine/limits.h"

namespace tv {
namespace {

constexpr double kCent = 0.005;

double cents(double amount)
{
    return std::round(amount * 100.0) / 100.0;
}

TEST(PeriodPower, CountsPeriodsRoundedHalfToEven)
{
    EXPECT_EQ(periodPower(2.0, 2.5).value, 4.0);   // 2.5 periods count as 2
    EXPECT_EQ(periodPower(2.0, 3.5).value, 16.0);  // 3.5 periods count as 4
    EXPECT_EQ(periodPower(2.0, 3.4).periods, 3);
    EXPECT_EQ(periodPower(1.00625, 12.0 * (5.0 + 0.083)).periods, 61);   // 5.083 years at 12 a year: 60.996
    EXPECT_EQ(periodPower(1.00625, 26.0 * (5.0 + 0.083)).periods, 132);  // and at 26 a year: 132.158
}

TEST(PeriodPower, NoPeriodsOrANegativeCountGivesOne)
{
    EXPECT_EQ(periodPower(1.5, 0.0).value, 1.0);
    EXPECT_EQ(periodPower(1.5, -7.0).value, 1.0);
    EXPECT_EQ(periodPower(1.5, -7.0).status, LoanStatus::Ok);
}

TEST(PeriodPower, MultipliesOncePerPeriodInOrder)
{
    double x = 1.0;
    for (int i = 0; i < 360; ++i) x *= 1.00625;
    EXPECT_EQ(periodPower(1.00625, 360.0).value, x);  // bit for bit: the cents depend on it
}

TEST(PeriodPower, RefusesCountsBeyondTheLimitInsteadOfWrapping)
{
    EXPECT_EQ(periodPower(1.0, 32766.0).status, LoanStatus::Ok);
    EXPECT_EQ(periodPower(1.0, 32766.0).periods, 32766);
    EXPECT_EQ(periodPower(1.0, 32767.0).status, LoanStatus::TooManyPeriods);
    EXPECT_EQ(periodPower(1.0, 70000.0).status, LoanStatus::TooManyPeriods);  // would wrap to 4464
    EXPECT_EQ(periodPower(1.0, -70000.0).status, LoanStatus::TooFewPeriods);
    EXPECT_EQ(periodPower(1.0, std::nan("")).status, LoanStatus::InvalidInput);
    EXPECT_EQ(periodPower(2.0, 2000.0).status, LoanStatus::ResultOutOfRange);  // 2^2000 overflows
}

TEST(InstallmentCount, IsTheRoundedProductWithinTheLimits)
{
    EXPECT_EQ(installmentCount(12, 30.0).count, 360);
    EXPECT_EQ(installmentCount(12, 5.0 + 0.083).count, 61);
    EXPECT_EQ(installmentCount(26, 5.0 + 0.083).count, 132);
    EXPECT_EQ(installmentCount(12, 0.04).status, LoanStatus::TooFewPeriods);  // 0.48 installments
    EXPECT_EQ(installmentCount(26, 0.04).count, 1);                           // 1.04 installments
    EXPECT_EQ(installmentCount(12, 0.0).status, LoanStatus::TooFewPeriods);
    EXPECT_EQ(installmentCount(12, -1.0).status, LoanStatus::TooFewPeriods);
    EXPECT_EQ(installmentCount(12, 2730.5).count, limits::kMaxPeriods);
    EXPECT_EQ(installmentCount(12, 2730.6).status, LoanStatus::TooManyPeriods);
    EXPECT_EQ(installmentCount(12, 1e9).status, LoanStatus::TooManyPeriods);
    EXPECT_EQ(installmentCount(0, 30.0).status, LoanStatus::InvalidInput);
    EXPECT_EQ(installmentCount(12, INFINITY).status, LoanStatus::InvalidInput);
}

struct MonthCase {
    std::string name;
    double years;
    double expected;
    std::string text;  // the plain text the duration box receives
};

TEST(RoundToMonth, RoundsToTwelfthsWrittenWithThreeDecimals)
{
    const std::vector<MonthCase> cases = {
        {"2.97 becomes 3", 2.97, 3.0, "3"},
        {"2.95 becomes 2.917", 2.95, 2.0 + 0.917, "2.917"},
        {"2.04 becomes 2", 2.04, 2.0, "2"},
        {"2.6 becomes 2.583", 2.6, 2.0 + 0.583, "2.583"},
        {"10.04 becomes 10", 10.04, 10.0, "10"},
        {"10.96 becomes 11", 10.96, 11.0, "11"},
        {"5.1 becomes 5.083", 5.1, 5.0 + 0.083, "5.083"},
        {"a fraction on a bound takes the next row", 2.125, 2.0 + 0.167, "2.167"},
        {"just below 0.0417 drops", 7.0416, 7.0, "7"},
        {"0.0417 is a month", 0.0417, 0.083, "0.083"},
        {"0.2 is two months", 1.2, 1.0 + 0.167, "1.167"},
        {"0.3 is four months", 1.3, 1.0 + 0.333, "1.333"},
        {"0.4 is five months", 1.4, 1.0 + 0.417, "1.417"},
        {"0.5 is six months", 1.5, 1.0 + 0.5, "1.5"},
        {"0.7 is eight months", 1.7, 1.0 + 0.667, "1.667"},
        {"0.75 is nine months", 1.75, 1.0 + 0.75, "1.75"},
        {"0.8 is ten months", 1.8, 1.0 + 0.833, "1.833"},
        {"0.27 is three months", 1.27, 1.0 + 0.25, "1.25"},
        {"under half a month is nothing", 0.03, 0.0, "0"},
        {"a whole number stays", 30.0, 30.0, "30"},
        {"years beyond the 16-bit range do not wrap", 40000.96, 40001.0, "40001"},
        {"a large duration keeps its months", 1e6 + 0.5, 1e6 + 0.5, "1000000.5"},
    };
    for (const MonthCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(roundToMonth(c.years), c.expected);
        EXPECT_EQ(plainText(roundToMonth(c.years)), c.text);
    }
}

TEST(RoundToMonth, FiveYearsOneMonthShownInMonthsIs60_996)
{
    EXPECT_EQ(plainText(roundToMonth(5.08) * 12.0), "60.996");
}

TEST(RoundToMonth, ANonFiniteDurationGivesZero)
{
    EXPECT_EQ(roundToMonth(std::nan("")), 0.0);
    EXPECT_EQ(roundToMonth(INFINITY), 0.0);
}

TEST(LevelPayment, HundredThousandAt7Point5For30YearsPays699_21AMonth)
{
    PaymentResult r = levelPayment(100000.0, 7.5, 12, 30.0);
    ASSERT_EQ(r.status, LoanStatus::Ok);
    EXPECT_EQ(r.periods, 360);
    EXPECT_NEAR(r.payment, 699.2145085528, 1e-9);
    EXPECT_EQ(cents(r.payment), 699.21);
}

TEST(LevelPayment, CountsTheRoundedInstallmentsOfAFractionalDuration)
{
    // 5.083 years at 12 a year is 60.996 installments, computed as 61.
    EXPECT_EQ(levelPayment(10000.0, 6.0, 12, 5.0 + 0.083).payment, levelPayment(10000.0, 6.0, 12, 61.0 / 12).payment);
    EXPECT_EQ(levelPayment(10000.0, 6.0, 26, 5.0 + 0.083).periods, 132);
}

// The "0.000" entry is a rate of exactly 0: the loan is repaid in equal parts, to the cent of large amounts.
TEST(ZeroRate, LoanFormulasTakeTheirZeroRateForms)
{
    const struct {
        const char* what;
        double got;
        double want;
    } cases[] = {
        {"8,069,365.32 every half-month for 5 years repays 968,323,838.40",
         loanPrincipal(8069365.32, 0.0, 24, 5.0).principal, 968323838.40},
        {"36,000 over 30 years pays 100 a month", levelPayment(36000.0, 0.0, 12, 30.0).payment, 100.0},
        {"100,000 at 700 a month takes 142.86 installments: 11.917 years",
         loanDuration(100000.0, 700.0, 0.0, 12).durationYears, 11.0 + 0.917},
        {"and pays 100,000 / 143 for them", loanDuration(100000.0, 700.0, 0.0, 12).payment, 100000.0 / 143},
        {"the rate search's 0 % step pays 36,000 / 360", rateForPayment(36000.0, 100.0, 12, 30.0).payment, 100.0},
    };
    for (const auto& c : cases) EXPECT_NEAR(c.got, c.want, 1e-6) << c.what;
}

TEST(LevelPayment, RefusesDurationsOutsideThePeriodLimits)
{
    EXPECT_EQ(levelPayment(100000.0, 7.5, 12, 0.04).status, LoanStatus::TooFewPeriods);  // rounds to 0 months
    EXPECT_EQ(levelPayment(100000.0, 7.5, 12, roundToMonth(0.04)).status, LoanStatus::TooFewPeriods);
    EXPECT_EQ(levelPayment(100000.0, 7.5, 12, 2731.0).status, LoanStatus::TooManyPeriods);
    EXPECT_EQ(levelPayment(100000.0, 7.5, 26, 1261.0).status, LoanStatus::TooManyPeriods);
    PaymentResult longest = levelPayment(limits::kMaxMoney, 25.0, 12, 2730.5);
    ASSERT_EQ(longest.status, LoanStatus::Ok);
    EXPECT_NEAR(longest.payment, limits::kMaxMoney * 25.0 / 1200.0, 1.0);  // nearly interest only
}

TEST(LevelPayment, RefusesAmountsBeyondTheMoneyLimitAndNonsenseInputs)
{
    EXPECT_EQ(levelPayment(limits::kMaxMoney, 7.5, 12, 30.0).status, LoanStatus::Ok);
    EXPECT_EQ(levelPayment(1.1e12, 7.5, 12, 30.0).status, LoanStatus::AmountTooLarge);
    EXPECT_EQ(levelPayment(100000.0, -1.0, 12, 30.0).status, LoanStatus::InvalidInput);
    EXPECT_EQ(levelPayment(std::nan(""), 7.5, 12, 30.0).status, LoanStatus::InvalidInput);
    EXPECT_EQ(levelPayment(100000.0, 7.5, 0, 30.0).status, LoanStatus::InvalidInput);
    EXPECT_EQ(levelPayment(100000.0, 1e6, 12, 30.0).status, LoanStatus::ResultOutOfRange);  // h overflows
}

TEST(LoanPrincipal, A699_21PaymentAt7Point5For30YearsRepays100000)
{
    PrincipalResult r = loanPrincipal(699.2145085528, 7.5, 12, 30.0);
    ASSERT_EQ(r.status, LoanStatus::Ok);
    EXPECT_NEAR(r.principal, 100000.0, 1e-6);
    EXPECT_NEAR(loanPrincipal(699.21, 7.5, 12, 30.0).principal, 99999.36, kCent);
}

TEST(LoanPrincipal, RefusesDurationsOutsideThePeriodLimits)
{
    EXPECT_EQ(loanPrincipal(500.0, 7.5, 12, 0.01).status, LoanStatus::TooFewPeriods);
    EXPECT_EQ(loanPrincipal(500.0, 7.5, 12, 3000.0).status, LoanStatus::TooManyPeriods);
    EXPECT_NEAR(loanPrincipal(100.0, 0.0, 12, 30.0).principal, 36000.0, 1.0);  // the 0.0001 % substitute
}

TEST(LoanDuration, A699_21PaymentRepays100000In30Years)
{
    DurationResult r = loanDuration(100000.0, 699.21, 7.5, 12);
    ASSERT_EQ(r.status, LoanStatus::Ok);
    EXPECT_EQ(r.durationYears, 30.0);
    EXPECT_EQ(r.periods, 360);
    EXPECT_EQ(r.payment, levelPayment(100000.0, 7.5, 12, 30.0).payment);
}

TEST(LoanDuration, RoundsToAMonthAndGivesThePaymentForTheRoundedDuration)
{
    // 157.43 installments are 13.119 years, rounded to 13 years and a month.
    DurationResult r = loanDuration(100000.0, 1000.0, 7.5, 12);
    ASSERT_EQ(r.status, LoanStatus::Ok);
    EXPECT_EQ(r.durationYears, 13.0 + 0.083);
    EXPECT_EQ(r.periods, 157);
    EXPECT_EQ(r.payment, levelPayment(100000.0, 7.5, 12, 13.0 + 0.083).payment);
}

TEST(LoanDuration, APaymentNotAboveThePeriodsInterestIsTooLow)
{
    // A period's interest on 100000 at 7.5 % is 625.
    EXPECT_EQ(loanDuration(100000.0, 625.0, 7.5, 12).status, LoanStatus::PaymentTooLow);
    EXPECT_EQ(loanDuration(100000.0, 600.0, 7.5, 12).status, LoanStatus::PaymentTooLow);
    EXPECT_EQ(loanDuration(100000.0, 0.0, 7.5, 12).status, LoanStatus::PaymentTooLow);
    EXPECT_EQ(loanDuration(100000.0, -5.0, 7.5, 12).status, LoanStatus::PaymentTooLow);
    DurationResult barely = loanDuration(100000.0, 625.01, 7.5, 12);  // a cent above: 1,772 installments
    ASSERT_EQ(barely.status, LoanStatus::Ok);
    EXPECT_EQ(barely.durationYears, 147.0 + 0.667);
}

TEST(LoanDuration, ATinyPaymentAtATinyRateIsTooManyPeriods)
{
    // 100000 at 0 % or at 0.0001 %, 1 a month: 100,000 installments.
    EXPECT_EQ(loanDuration(100000.0, 1.0, 0.0, 12).status, LoanStatus::TooManyPeriods);
    EXPECT_EQ(loanDuration(100000.0, 1.0, 0.0001, 12).status, LoanStatus::TooManyPeriods);
}

TEST(LoanDuration, APaymentThatRepaysInUnderHalfAMonthIsTooFewPeriods)
{
    EXPECT_EQ(loanDuration(100.0, 1e6, 7.5, 12).status, LoanStatus::TooFewPeriods);
}

TEST(RateForPayment, A699_21TargetFinds7Point5Percent)
{
    RateResult r = rateForPayment(100000.0, 699.21, 12, 30.0);
    ASSERT_EQ(r.status, LoanStatus::Ok);
    EXPECT_EQ(r.rateIndex, 60);
    EXPECT_EQ(r.annualRatePercent, 7.5);
    EXPECT_EQ(r.payment, levelPayment(100000.0, 7.5, 12, 30.0).payment);
}

TEST(RateForPayment, ATargetHalfwayBetweenTwoStepsTakesTheLowerOne)
{
    // 100000 for 30 years: 333.25 at 1.25 % (entry 10), 339.15 at 1.375 %, and their midpoint is exact.
    double low = levelPayment(100000.0, 1.25, 12, 30.0).payment;
    double high = levelPayment(100000.0, 1.375, 12, 30.0).payment;
    double halfway = low + (high - low) / 2.0;
    ASSERT_EQ(halfway - low, high - halfway);
    EXPECT_EQ(rateForPayment(100000.0, halfway, 12, 30.0).rateIndex, 10);
    EXPECT_EQ(rateForPayment(100000.0, halfway + 0.001, 12, 30.0).rateIndex, 11);
    EXPECT_EQ(rateForPayment(100000.0, halfway - 0.001, 12, 30.0).rateIndex, 10);
}

TEST(RateForPayment, ComparesTheFirstStepWithTheZeroRatePayment)
{
    // 100000 over 360 installments: 277.78 at 0 %, 283.03 at 0.125 %.
    RateResult nearZero = rateForPayment(100000.0, 278.0, 12, 30.0);
    ASSERT_EQ(nearZero.status, LoanStatus::Ok);
    EXPECT_EQ(nearZero.rateIndex, 0);
    EXPECT_EQ(nearZero.annualRatePercent, 0.0);
    EXPECT_EQ(rateForPayment(100000.0, 283.0, 12, 30.0).rateIndex, 1);

    double atZero = 100000.0 / 360.0;
    double atFirstStep = levelPayment(100000.0, 0.125, 12, 30.0).payment;
    double halfway = atZero + (atFirstStep - atZero) / 2.0;
    ASSERT_EQ(halfway - atZero, atFirstStep - halfway);
    EXPECT_EQ(rateForPayment(100000.0, halfway, 12, 30.0).rateIndex, 0);  // ties go to the lower step
}

TEST(RateForPayment, TheZeroStepRepaysTheLoanInEqualParts)
{
    RateResult r = rateForPayment(36000.0, 100.0, 12, 30.0);
    ASSERT_EQ(r.status, LoanStatus::Ok);
    EXPECT_EQ(r.rateIndex, 0);
    EXPECT_EQ(r.payment, 36000.0 / 360);
}

TEST(RateForPayment, ATargetBelowTheZeroRatePaymentIsRefused)
{
    RateResult r = rateForPayment(100000.0, 270.0, 12, 30.0);
    EXPECT_EQ(r.status, LoanStatus::PaymentBelowZeroRate);
    EXPECT_EQ(rateForPayment(36000.0, 99.99, 12, 30.0).status, LoanStatus::PaymentBelowZeroRate);
}

TEST(RateForPayment, ATargetAboveThe25PercentPaymentStopsAt25Percent)
{
    RateResult r = rateForPayment(100000.0, 5000.0, 12, 30.0);
    EXPECT_EQ(r.status, LoanStatus::ExceededHighInterest);
    EXPECT_TRUE(hasResult(r.status));
    EXPECT_EQ(r.rateIndex, 200);
    EXPECT_EQ(r.annualRatePercent, 25.0);
    EXPECT_EQ(r.payment, levelPayment(100000.0, 25.0, 12, 30.0).payment);
}

TEST(RateForPayment, RefusesDurationsOutsideThePeriodLimits)
{
    EXPECT_EQ(rateForPayment(100000.0, 700.0, 12, 0.03).status, LoanStatus::TooFewPeriods);
    EXPECT_EQ(rateForPayment(100000.0, 700.0, 26, 1300.0).status, LoanStatus::TooManyPeriods);
}

TEST(InterestOnlyPayment, Is100000At7Point5Percent625AMonth)
{
    EXPECT_EQ(interestOnlyPayment(100000.0, 7.5, 12, false).payment, 625.0);
    EXPECT_EQ(cents(interestOnlyPayment(100000.0, 7.5, 26, false).payment), 288.46);
}

TEST(InterestOnlyPayment, TheZeroRateIsRefused)
{
    EXPECT_EQ(interestOnlyPayment(100000.0, 0.0001, 12, true).status, LoanStatus::ZeroRate);
    EXPECT_EQ(interestOnlyPayment(100000.0, 0.0, 12, false).status, LoanStatus::ZeroRate);
}

// Over a grid of inputs from nothing to the limits, every result is a status or finite.
TEST(LoanFormulas, NeverGiveNaNOrInfinity)
{
    const double amounts[] = {-1.0, 0.0, 0.01, 1.0, 100000.0, limits::kMaxMoney};
    const double rates[] = {0.0, 0.0001, 0.125, 7.5, 25.0};
    const double durations[] = {-1.0, 0.0, 0.03, 0.083, 30.0, 1260.0, 2731.0, 1e300};
    const int frequencies[] = {12, 24, 26};
    for (double amount : amounts) {
        for (double rate : rates) {
            for (int perYear : frequencies) {
                for (double years : durations) {
                    SCOPED_TRACE(plainText(amount) + " at " + plainText(rate) + " for " + plainText(years) + ", " +
                                 std::to_string(perYear) + " a year");
                    PaymentResult pay = levelPayment(amount, rate, perYear, years);
                    if (hasResult(pay.status)) {
                        EXPECT_TRUE(std::isfinite(pay.payment));
                    }
                    PrincipalResult prin = loanPrincipal(amount, rate, perYear, years);
                    if (hasResult(prin.status)) {
                        EXPECT_TRUE(std::isfinite(prin.principal));
                    }
                }
                DurationResult dur = loanDuration(100000.0, amount, rate, perYear);
                if (hasResult(dur.status)) {
                    EXPECT_TRUE(std::isfinite(dur.durationYears));
                    EXPECT_TRUE(std::isfinite(dur.payment));
                }
                PaymentResult io = interestOnlyPayment(amount, rate, perYear, false);
                if (hasResult(io.status)) {
                    EXPECT_TRUE(std::isfinite(io.payment));
                }
            }
        }
        for (double years : {0.03, 30.0, 1260.0}) {
            RateResult rate = rateForPayment(amount, 700.0, 26, years);
            if (hasResult(rate.status)) {
                EXPECT_TRUE(std::isfinite(rate.payment));
            }
        }
    }
}

// The rate search the direct way, as engine/loan.h describes it: the payment of every step of the list by
// repeated multiplication, then the first step from 0.125 % upwards that pays at least the target.
class DirectRateSearch {
public:
    DirectRateSearch(double principal, int perYear, double years)
        : m_principal(principal), m_periods(installmentCount(perYear, years).count)
    {
        for (int index = 0; index <= kMaxRateIndex; ++index) {
            double r = index * kRateStepPercent / static_cast<double>(perYear * 100);
            double h = 1.0;
            for (int i = 0; i < m_periods; ++i) h *= 1.0 + r;
            m_payments.push_back(index == 0 ? principal / m_periods : principal * r * h / (h - 1.0));
        }
    }

    double payment(int index) const { return m_payments[static_cast<std::size_t>(index)]; }

    RateResult search(double target) const
    {
        auto result = [&](LoanStatus status, int index) -> RateResult {
            if (!std::isfinite(payment(index))) return {LoanStatus::ResultOutOfRange, 0, 0.0, 0.0, m_periods};
            return {status, index, index * kRateStepPercent, payment(index), m_periods};
        };
        double previous = m_principal / m_periods;
        if (target < previous) return {LoanStatus::PaymentBelowZeroRate, 0, 0.0, 0.0, m_periods};
        for (int index = 1; index <= kMaxRateIndex; ++index) {
            if (payment(index) < target) {
                previous = payment(index);
                continue;
            }
            return result(LoanStatus::Ok, target - previous > payment(index) - target ? index : index - 1);
        }
        return result(LoanStatus::ExceededHighInterest, kMaxRateIndex);
    }

private:
    double m_principal;
    int m_periods;
    std::vector<double> m_payments;
};

// The search computes exactly only the steps around the answer; it must answer what the direct walk answers,
// bit for bit, for targets on, beside and between the steps' payments, up to the period limit.
TEST(RateForPayment, AnswersAsTheDirectWalkOverEveryStepDoes)
{
    struct Loan {
        int perYear;
        double years;
    };
    const Loan loans[] = {{12, 1},       {12, 30}, {26, 15},   {24, 89.75}, {12, 2730.5}, {26, 1260.25},
                          {24, 1365.25}, {1, 30},  {1, 32766}, {365, 30},   {32766, 1}};
    std::mt19937_64 random(7);
    int compared = 0;
    for (const Loan& loan : loans) {
        for (double principal : {1.0, 100000.0, 1e12}) {
            DirectRateSearch direct(principal, loan.perYear, loan.years);
            std::vector<double> targets = {principal / installmentCount(loan.perYear, loan.years).count};
            for (int index : {0, 1, 2, 3, 50, 100, 101, 199, 200}) {
                double p = direct.payment(index);
                double below = index == 0 ? targets[0] : direct.payment(index - 1);
                double halfway = below + (p - below) / 2;
                for (double t : {p, halfway})
                    for (double u : {t, std::nextafter(t, 0.0), std::nextafter(t, 1e300)}) targets.push_back(u);
            }
            std::uniform_real_distribution<double> anywhere(targets[0], direct.payment(kMaxRateIndex) * 1.01);
            for (int i = 0; i < 20; ++i) targets.push_back(anywhere(random));
            for (double target : targets) {
                if (!std::isfinite(target) || std::fabs(target) > limits::kMaxMoney) continue;
                RateResult expected = direct.search(target);
                RateResult r = rateForPayment(principal, target, loan.perYear, loan.years);
                ++compared;
                ASSERT_EQ(r.status, expected.status) << principal << " " << target << " " << loan.perYear;
                ASSERT_EQ(r.rateIndex, expected.rateIndex) << principal << " " << target << " " << loan.perYear;
                ASSERT_EQ(r.annualRatePercent, expected.annualRatePercent);
                ASSERT_EQ(r.payment, expected.payment) << principal << " " << target << " " << loan.perYear;
                ASSERT_EQ(r.periods, expected.periods);
            }
        }
    }
    EXPECT_GT(compared, 1000);
}

}  // namespace
}  // namespace tv
