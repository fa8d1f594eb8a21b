#include "engine/investment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/formats.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "engine/limits.h"
#include "engine/loan.h"

namespace tv {
namespace {

constexpr double kCent = 0.005;

ContributionInput monthly(double contribution, double rate, int ppy, double years)
{
    return {.contribution = contribution,
            .schedule = ContributionSchedule::Monthly,
            .annualRatePercent = rate,
            .periodsPerYear = ppy,
            .durationYears = years};
}

ContributionInput yearly(double contribution, double rate, int ppy, double years)
{
    ContributionInput in = monthly(contribution, rate, ppy, years);
    in.schedule = ContributionSchedule::Yearly;
    return in;
}

// The monthly contributions exactly as the month-by-month walk computes them: one repeated-multiplication
// power per month. The engine must match it bit for bit.
double monthByMonth(double contribution, double rate, int ppy, double years)
{
    double r = rate / static_cast<double>(ppy * 100);
    double total = 0.0;
    double yrs = years;
    int months = *toInt16(years * 12.0);
    for (int i = 1; i <= months; ++i) {
        total += contribution * periodPower(1.0 + r, yrs * ppy).value;
        yrs = yrs - 1.0 / 12.0;
    }
    return total;
}

// -- Growth ------------------------------------------------------------------------------------------------

TEST(GrowOneTime, TenThousandAtSixPercentForTenYears)
{
    GrowthResult m = growOneTime(10000.0, 6.0, 12, 10.0);
    ASSERT_EQ(m.status, InvestStatus::Ok);
    EXPECT_NEAR(m.value, 18193.97, kCent);
    EXPECT_EQ(m.periods, 120);
    GrowthResult d = growOneTime(10000.0, 6.0, 365, 10.0);
    ASSERT_EQ(d.status, InvestStatus::Ok);
    EXPECT_NEAR(d.value, 18220.29, kCent);
    EXPECT_EQ(d.periods, 3650);
}

TEST(GrowOneTime, IsTheRepeatedMultiplicationOverWholePeriods)
{
    double r = 7.5 / 36500.0;
    GrowthResult g = growOneTime(2500.0, 7.5, 365, 10.5);  // 3832.5 days count as 3832
    EXPECT_EQ(g.periods, 3832);
    EXPECT_EQ(g.value, 2500.0 * periodPower(1.0 + r, 3832.0).value);
    EXPECT_EQ(growOneTime(2500.0, 7.5, 12, 0.0).value, 2500.0);  // no period: the amount itself
}

TEST(GrowOneTime, DailyCompoundingStopsAtTheSixteenBitPeriodCount)
{
    GrowthResult longest = growOneTime(1000.0, 5.0, 365, 89.75);  // 32758.75 days
    EXPECT_EQ(longest.status, InvestStatus::Ok);
    EXPECT_EQ(longest.periods, 32759);
    EXPECT_EQ(growOneTime(1000.0, 5.0, 365, 89.833).status, InvestStatus::TooManyPeriods);
    EXPECT_EQ(growOneTime(1000.0, 5.0, 12, 2730.5).status, InvestStatus::Ok);
    EXPECT_EQ(growOneTime(1000.0, 5.0, 12, 2730.583).status, InvestStatus::TooManyPeriods);
    EXPECT_EQ(growOneTime(1000.0, 5.0, 365, 1e9).status, InvestStatus::TooManyPeriods);
}

TEST(GrowOneTime, RefusesWhatItCannotCompute)
{
    EXPECT_EQ(growOneTime(NAN, 5.0, 12, 10.0).status, InvestStatus::InvalidInput);
    EXPECT_EQ(growOneTime(1000.0, -1.0, 12, 10.0).status, InvestStatus::InvalidInput);
    EXPECT_EQ(growOneTime(1000.0, 5.0, 12, INFINITY).status, InvestStatus::InvalidInput);
    EXPECT_EQ(growOneTime(1000.0, 5.0, 0, 10.0).status, InvestStatus::InvalidInput);
    EXPECT_EQ(growOneTime(2e12, 5.0, 12, 10.0).status, InvestStatus::AmountTooLarge);
}

TEST(GrowOneTime, TheLargestGrowthTheLimitsAllowStaysFinite)
{
    // A trillion at 25 % compounded monthly for 2,730.5 years: about 1e305.
    GrowthResult g = growOneTime(1e12, 25.0, 12, 2730.5);
    ASSERT_EQ(g.status, InvestStatus::Ok);
    EXPECT_TRUE(std::isfinite(g.value));
    EXPECT_GT(g.value, 1e300);
}

TEST(GrowContributions, HundredAMonthAtSixPercentForTenYears)
{
    ContributionResult r = growContributions(monthly(100.0, 6.0, 12, 10.0));
    ASSERT_EQ(r.status, InvestStatus::Ok);
    EXPECT_NEAR(r.value, 16469.87, kCent);
    EXPECT_EQ(r.contributions, 120);
    EXPECT_EQ(r.oneTimeValue, 0.0);
}

TEST(GrowContributions, OneTimeTenThousandPlusHundredAMonth)
{
    ContributionInput in = monthly(100.0, 6.0, 12, 10.0);
    in.oneTimeAmount = 10000.0;
    ContributionResult r = growContributions(in);
    ASSERT_EQ(r.status, InvestStatus::Ok);
    EXPECT_NEAR(r.value, 34663.84, kCent);
    EXPECT_NEAR(r.oneTimeValue, 18193.97, kCent);
    EXPECT_EQ(r.value, r.contributionsValue + r.oneTimeValue);
}

TEST(GrowContributions, ThousandAYearForTenYearsIncludesAContributionOnTheEndDate)
{
    ContributionResult r = growContributions(yearly(1000.0, 6.0, 12, 10.0));
    ASSERT_EQ(r.status, InvestStatus::Ok);
    EXPECT_NEAR(r.value, 15104.51, kCent);
    EXPECT_EQ(r.contributions, 11);
}

// The yearly value in closed form: the contribution of year k grows for the periods left of the duration.
double yearlyClosedForm(double contribution, double rate, int ppy, int contributions, int periods)
{
    double r = rate / (ppy * 100.0);
    double total = 0.0;
    for (int k = 0; k < contributions; ++k) {
        int left = periods - k * ppy;
        total += contribution * std::pow(1.0 + r, left < 0 ? 0 : (left > ppy ? ppy : left)) *
                 std::pow(1.0 + r, left > ppy ? left - ppy : 0);
    }
    return total;
}

struct YearlyCase {
    std::string name;
    double years;
    int ppy;
    int contributions;
    int periods;
};

TEST(GrowContributions, YearlyContributionsCountWholeYearsWithFloor)
{
    const std::vector<YearlyCase> cases = {
        {"ten years: eleven, the last on the end date", 10.0, 12, 11, 120},
        {"ten and a half years: eleven, the last compounded six months", 10.5, 12, 11, 126},
        {"ten and three quarter years: eleven, none after the end date", 10.75, 12, 11, 129},
        {"seven and a half years: eight, none after the end date", 7.5, 12, 8, 90},
        {"ten years and a month: the last grows one month", 10.083, 12, 11, 121},
        {"ten and a half years daily: the last grows 182 days", 10.5, 365, 11, 3832},
        {"under a year: one", 0.5, 12, 1, 6},
    };
    for (const YearlyCase& c : cases) {
        SCOPED_TRACE(c.name);
        ContributionResult r = growContributions(yearly(1000.0, 6.0, c.ppy, c.years));
        ASSERT_EQ(r.status, InvestStatus::Ok);
        EXPECT_EQ(r.contributions, c.contributions);
        EXPECT_EQ(r.periods, c.periods);
        EXPECT_NEAR(r.value, yearlyClosedForm(1000.0, 6.0, c.ppy, c.contributions, c.periods), 1e-6);
    }
}

TEST(GrowContributions, TenAndAHalfYearsYearlyGrowsTheLastContributionSixMonths)
{
    ContributionResult tenAndHalf = growContributions(yearly(1000.0, 6.0, 12, 10.5));
    ContributionResult ten = growContributions(yearly(1000.0, 6.0, 12, 10.0));
    // Ten years' value (its eleventh contribution made on the end date) grown six more months.
    EXPECT_NEAR(tenAndHalf.value, ten.value * std::pow(1.005, 6), 1e-6);
}

TEST(GrowContributions, MonthlyPowersEqualTheMonthByMonthWalkBitForBit)
{
    struct Range {
        int ppy;
        double rate;
    };
    for (Range range : {Range{12, 6.0}, Range{365, 6.0}, Range{365, 0.0001}, Range{365, 25.0}, Range{12, 12.375}}) {
        for (int months = 0; months <= 132; ++months) {
            double years = roundToMonth(months / 12.0);
            SCOPED_TRACE(std::to_string(range.ppy) + " a year at " + std::to_string(range.rate) + " % for " +
                         std::to_string(years) + " years");
            ContributionResult r = growContributions(monthly(123.45, range.rate, range.ppy, years));
            ASSERT_EQ(r.status, InvestStatus::Ok);
            EXPECT_EQ(r.value, monthByMonth(123.45, range.rate, range.ppy, years));
        }
    }
}

TEST(GrowContributions, LongDurationsEqualTheMonthByMonthWalkBitForBit)
{
    struct Case {
        int ppy;
        double rate;
        double years;
    };
    const Case cases[] = {{365, 6.0, 30.0},   {365, 7.5, 45.583}, {365, 3.0, 60.5},   {365, 6.0, 89.75},
                          {365, 25.0, 89.75}, {12, 6.0, 250.917}, {12, 0.0001, 89.75}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.ppy) + " a year at " + std::to_string(c.rate) + " % for " +
                     std::to_string(c.years) + " years");
        ContributionResult r = growContributions(monthly(1000.0, c.rate, c.ppy, c.years));
        ASSERT_EQ(r.status, InvestStatus::Ok);
        EXPECT_EQ(r.value, monthByMonth(1000.0, c.rate, c.ppy, c.years));
    }
}

TEST(GrowContributions, TheOneTimeAmountGrowsExactlyAsAOneTimeInvestment)
{
    for (int ppy : {12, 365}) {
        for (double years : {0.0, 0.083, 10.0, 10.5, 45.917, 89.75}) {
            SCOPED_TRACE(std::to_string(ppy) + " a year for " + std::to_string(years) + " years");
            for (ContributionInput in : {monthly(100.0, 6.0, ppy, years), yearly(1000.0, 6.0, ppy, years)}) {
                in.oneTimeAmount = 10000.0;
                ContributionResult r = growContributions(in);
                ASSERT_EQ(r.status, InvestStatus::Ok);
                EXPECT_EQ(r.oneTimeValue, growOneTime(10000.0, 6.0, ppy, years).value);
                in.oneTimeAmount = 0.0;
                EXPECT_EQ(r.contributionsValue, growContributions(in).value);
            }
        }
    }
}

TEST(GrowContributions, RefusesDurationsTheCountersCannotHold)
{
    EXPECT_EQ(growContributions(monthly(100.0, 6.0, 365, 89.75)).status, InvestStatus::Ok);
    EXPECT_EQ(growContributions(monthly(100.0, 6.0, 365, 89.833)).status, InvestStatus::TooManyPeriods);
    EXPECT_EQ(growContributions(yearly(100.0, 6.0, 365, 90.0)).status, InvestStatus::TooManyPeriods);
    EXPECT_EQ(growContributions(monthly(100.0, 6.0, 12, 2730.5)).status, InvestStatus::Ok);
    EXPECT_EQ(growContributions(monthly(100.0, 6.0, 12, 2731.0)).status, InvestStatus::TooManyPeriods);
    EXPECT_EQ(growContributions(yearly(100.0, 6.0, 12, 1e300)).status, InvestStatus::TooManyPeriods);
    ContributionResult largest = growContributions(monthly(1e12, 25.0, 12, 2730.5));
    EXPECT_EQ(largest.status, InvestStatus::Ok);
    EXPECT_TRUE(std::isfinite(largest.value));
    EXPECT_EQ(growContributions(monthly(2e12, 6.0, 12, 10.0)).status, InvestStatus::AmountTooLarge);
}

// -- Annuities ---------------------------------------------------------------------------------------------

TEST(AnnuityPayment, FundOf100000AtSixPercentForTwentyYears)
{
    AnnuityResult m = annuityPayment(100000.0, 6.0, 12, 20.0);
    ASSERT_EQ(m.status, InvestStatus::Ok);
    EXPECT_NEAR(m.payment, 716.43, kCent);
    EXPECT_EQ(m.periods, 240);
    AnnuityResult y = annuityPayment(100000.0, 6.0, 1, 20.0);
    ASSERT_EQ(y.status, InvestStatus::Ok);
    EXPECT_NEAR(y.payment, 8718.46, kCent);
}

TEST(AnnuityPayment, ADurationThatRoundsToNoPaymentIsRefused)
{
    EXPECT_EQ(annuityPayment(100000.0, 6.0, 1, 0.5).status, InvestStatus::TooFewPeriods);  // half a payment: 0
    EXPECT_EQ(annuityPayment(100000.0, 6.0, 12, 0.0).status, InvestStatus::TooFewPeriods);
    AnnuityResult seven = annuityPayment(100000.0, 6.0, 1, 0.583);  // rounds to one yearly payment
    EXPECT_EQ(seven.status, InvestStatus::Ok);
    EXPECT_EQ(seven.periods, 1);
    EXPECT_NEAR(seven.payment, 106000.0, 1e-6);
}

// The "0.000" entry is a rate of exactly 0: nothing grows, and a fund pays out in equal parts to the cent.
TEST(ZeroRate, InvestmentFormulasTakeTheirZeroRateForms)
{
    ContributionInput monthly{0.1, ContributionSchedule::Monthly, 1000.0, 0.0, 12, 30.0};
    ContributionInput yearly{2500.0, ContributionSchedule::Yearly, 0.0, 0.0, 365, 10.0};
    SaveThenDrawInput saveThenDrawAtZero{100.0, 0.0, 12, 10.0, 0.0, 10.0};
    const struct {
        const char* what;
        double got;
        double want;
    } cases[] = {
        {"a one-year annual annuity of 588,887,844.64 pays it all", annuityPayment(588887844.64, 0.0, 1, 1.0).payment,
         588887844.64},
        {"12,000 over a year pays 1,000 a month", annuityPayment(12000.0, 0.0, 12, 1.0).payment, 1000.0},
        {"a one-time amount stays as it is", growOneTime(588887844.64, 0.0, 365, 89.0).value, 588887844.64},
        {"360 monthly dimes and 1,000 once make 1,036", growContributions(monthly).value, 1036.0},
        {"eleven yearly 2,500s make 27,500", growContributions(yearly).value, 27500.0},
        {"120 monthly 100s drawn over 120 months pay 100", saveThenDraw(saveThenDrawAtZero).monthlyPayment, 100.0},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

TEST(AnnuityPayment, APowerBeyondTheDoubleRangeLeavesTheInterestAlone)
{
    AnnuityResult r = annuityPayment(1000.0, 25.0, 12, 2730.0);
    ASSERT_EQ(r.status, InvestStatus::Ok);
    EXPECT_NEAR(r.payment, 1000.0 * 0.25 / 12, 1e-9);
    EXPECT_EQ(annuityPayment(1000.0, 6.0, 12, 2731.0).status, InvestStatus::TooManyPeriods);
}

struct DurationCase {
    std::string name;
    double fund, ratePercent, payment;  // the rate is the list's and the formula's
    AnnuityDurationOutcome outcome;
    int months;
    double paymentFound;  // to the cent
};

TEST(AnnuityDuration, AFundLastsTheWholeMonthsNearestTheExactDuration)
{
    using O = AnnuityDurationOutcome;
    const std::vector<DurationCase> cases = {
        {"1,749,748.22 at 22.875 % paying 33,354.58 lasts 69.75 years", 1749748.22, 22.875, 33354.58, O::Found, 837,
         33354.58},
        {"500,000 at 6 % paying 3,500 lasts 20.93 years: 251 months", 500000.0, 6.0, 3500.0, O::Found, 251, 3501.25},
        {"100,000 at 6 % paying 716.43 lasts 20 years", 100000.0, 6.0, 716.43, O::Found, 240, 716.43},
        {"100,000 at 6 % paying 1,000 lasts 138.98 months", 100000.0, 6.0, 1000.0, O::Found, 139, 999.88},
        {"100,000 at 6 % paying 520 lasts 653.25 months", 100000.0, 6.0, 520.0, O::Found, 653, 520.03},
        {"505 lasts 77.1 years, beyond 75: too small", 100000.0, 6.0, 505.0, O::PaymentTooSmall, 900, 505.68},
        {"500, the fund's interest, lasts for ever: too small", 100000.0, 6.0, 500.0, O::PaymentTooSmall, 900, 505.68},
        {"490 is above the interest limit: too small", 100000.0, 6.0, 490.0, O::PaymentTooSmall, 900, 505.68},
        {"40,000 is too large: one year", 100000.0, 6.0, 40000.0, O::PaymentTooLarge, 12, 8606.64},
        {"12,000 at 0 % paying 1,000 lasts 12 months", 12000.0, 0.0, 1000.0, O::Found, 12, 1000.0},
        {"100,000 at 0 % paying 40,000 lasts 2.5 months: under 3", 100000.0, 0.0, 40000.0, O::ShorterThan3Months, 2,
         50000.0},
        {"1,000 at 0 % paying 5,000 lasts at least a month", 1000.0, 0.0, 5000.0, O::ShorterThan3Months, 1, 1000.0},
        {"1,000,000 at 0 % paying 1,000 lasts 83 years: too small", 1e6, 0.0, 1000.0, O::PaymentTooSmall, 900, 1111.11},
    };
    for (const DurationCase& c : cases) {
        SCOPED_TRACE(c.name);
        AnnuityDurationResult r = annuityDuration(c.fund, c.payment, c.ratePercent, c.ratePercent);
        ASSERT_EQ(r.status, InvestStatus::Ok);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(r.months, c.months);
        EXPECT_EQ(r.years, c.months / 12.0);
        // The payment is always the monthly annuity for the duration returned.
        EXPECT_EQ(r.payment, annuityPayment(c.fund, c.ratePercent, 12, r.years).payment);
        EXPECT_NEAR(r.payment, c.paymentFound, kCent);
    }
}

TEST(AnnuityDuration, PlausibilityLimitsFollowTheListRate)
{
    // At 4 % the limit is 11.75 payments of interest a year; at 3 % it is 11. With the formula at 0 % the fund
    // lasts under 75 years, so only the limit decides.
    EXPECT_EQ(annuityDuration(100000.0, 4000.0 / 11.8, 4.0, 0.0).outcome, AnnuityDurationOutcome::PaymentTooSmall);
    EXPECT_EQ(annuityDuration(100000.0, 4000.0 / 11.7, 4.0, 0.0).outcome, AnnuityDurationOutcome::Found);
    EXPECT_EQ(annuityDuration(100000.0, 3000.0 / 11.1, 3.0, 0.0).outcome, AnnuityDurationOutcome::PaymentTooSmall);
    EXPECT_EQ(annuityDuration(100000.0, 3000.0 / 10.9, 3.0, 0.0).outcome, AnnuityDurationOutcome::Found);
    // The fund must cover at least 2.9 payments.
    EXPECT_EQ(annuityDuration(100000.0, 100000.0 / 2.8, 3.0, 3.0).outcome, AnnuityDurationOutcome::PaymentTooLarge);
}

TEST(AnnuityDuration, RefusesAFundOrPaymentThatIsNotPositive)
{
    EXPECT_EQ(annuityDuration(0.0, 500.0, 6.0, 6.0).status, InvestStatus::InvalidInput);
    EXPECT_EQ(annuityDuration(100000.0, 0.0, 6.0, 6.0).status, InvestStatus::InvalidInput);
    EXPECT_EQ(annuityDuration(100000.0, -5.0, 6.0, 6.0).status, InvestStatus::InvalidInput);
    EXPECT_EQ(annuityDuration(2e12, 500.0, 6.0, 6.0).status, InvestStatus::AmountTooLarge);
}

SaveThenDrawInput saveThenDrawCase(double annuityYears)
{
    return {.monthlyContribution = 1000.0,
            .saveRatePercent = 10.0,
            .periodsPerYear = 12,
            .saveYears = 10.0,
            .annuityRatePercent = 7.5,
            .annuityYears = annuityYears};
}

TEST(SaveThenDraw, SavesMonthlyThenPaysTheFundOutMonthly)
{
    SaveThenDrawResult r = saveThenDraw(saveThenDrawCase(25.0));
    ASSERT_EQ(r.status, InvestStatus::Ok);
    EXPECT_EQ(r.fund, growContributions(monthly(1000.0, 10.0, 12, 10.0)).value);
    EXPECT_EQ(r.annuityYears, 25.0);
    EXPECT_EQ(r.annuityPayments, 300);
    EXPECT_NEAR(r.monthlyPayment, annuityPayment(r.fund, 7.5, 12, 25.0).payment, 1e-9);
}

TEST(SaveThenDraw, RoundsTheAnnuityDurationToWholeMonths)
{
    SaveThenDrawResult r = saveThenDraw(saveThenDrawCase(2.6));
    ASSERT_EQ(r.status, InvestStatus::Ok);
    EXPECT_EQ(r.annuityYears, 2.583);
    EXPECT_EQ(r.annuityPayments, 31);
}

TEST(SaveThenDraw, AnAnnuityOfNoMonthIsRefused)
{
    SaveThenDrawResult r = saveThenDraw(saveThenDrawCase(0.02));
    EXPECT_EQ(r.status, InvestStatus::TooFewPeriods);
    EXPECT_TRUE(r.refusedInAnnuity);
    SaveThenDrawResult tooLong = saveThenDraw(saveThenDrawCase(3000.0));
    EXPECT_EQ(tooLong.status, InvestStatus::TooManyPeriods);
    EXPECT_TRUE(tooLong.refusedInAnnuity);
    SaveThenDrawInput daily = saveThenDrawCase(25.0);
    daily.periodsPerYear = 365;
    daily.saveYears = 90.0;
    SaveThenDrawResult savingTooLong = saveThenDraw(daily);
    EXPECT_EQ(savingTooLong.status, InvestStatus::TooManyPeriods);
    EXPECT_FALSE(savingTooLong.refusedInAnnuity);
}

TEST(SaveThenDraw, ZeroAnnuityRateIsComputedAsOneTenThousandthOfAPercent)
{
    SaveThenDrawInput in = saveThenDrawCase(10.0);
    in.annuityRatePercent = 0.0;
    SaveThenDrawResult r = saveThenDraw(in);
    ASSERT_EQ(r.status, InvestStatus::Ok);
    EXPECT_NEAR(r.monthlyPayment, r.fund / 120.0, 0.01);
}

TEST(RemainingFund, WithdrawsAtTheStartOfEveryYearBegun)
{
    RemainingFundResult r = remainingFund(500000.0, 40000.0, 7.5, 10.0);
    ASSERT_EQ(r.status, InvestStatus::Ok);
    EXPECT_EQ(r.withdrawals, 10);
    double fund = 500000.0;
    for (int i = 0; i < 10; ++i) fund = (fund - 40000.0) * 1.075;
    EXPECT_NEAR(r.fund, fund, 1e-6);
    EXPECT_EQ(remainingFund(500000.0, 40000.0, 7.5, 10.5).withdrawals, 11);
    EXPECT_NEAR(remainingFund(500000.0, 40000.0, 7.5, 10.5).fund, (fund - 40000.0) * 1.075, 1e-6);
}

struct RunOutCase {
    std::string name;
    double fund, withdrawal, rate, years;
    int runOutYear;
    double lastPaid, withdrawn, interest;
};

TEST(RemainingFund, AFundTheWithdrawalsUseUpIsLeftAtZeroNotADebt)
{
    const std::vector<RunOutCase> cases = {
        // 100,000 - 40,000 = 60,000 grows to 66,000; - 40,000 = 26,000 grows to 28,600, all year 3 can pay.
        {"100,000 at 10 % less 40,000 a year", 100000, 40000, 10, 10, 3, 28600, 40000 + 40000 + 28600, 6000 + 2600},
        {"the same over 10.5 years", 100000, 40000, 10, 10.5, 3, 28600, 108600, 8600},
        // 80,000 - 40,000 = 40,000 at 0 %: year 2 pays all of its 40,000 and leaves nothing.
        {"80,000 at 0 % less 40,000 a year", 80000, 40000, 0, 5, 2, 40000, 80000, 0},
    };
    for (const RunOutCase& c : cases) {
        SCOPED_TRACE(c.name);
        RemainingFundResult r = remainingFund(c.fund, c.withdrawal, c.rate, c.years);
        ASSERT_EQ(r.status, InvestStatus::Ok);
        EXPECT_EQ(r.fund, 0.0);
        EXPECT_EQ(r.runOutYear, c.runOutYear);
        EXPECT_NEAR(r.lastPaid, c.lastPaid, 1e-6);
        EXPECT_NEAR(r.withdrawn, c.withdrawn, 1e-6);
        EXPECT_NEAR(r.interest, c.interest, 1e-6);
    }
    RemainingFundResult lasting = remainingFund(500000.0, 40000.0, 7.5, 10.0);
    EXPECT_EQ(lasting.runOutYear, 0);
    EXPECT_EQ(lasting.withdrawn, 400000.0);
}

TEST(RemainingFund, AnAbsurdDurationIsRefusedInsteadOfLooping)
{
    EXPECT_EQ(remainingFund(100000.0, 4000.0, 1.0, 32766.0).status, InvestStatus::Ok);
    EXPECT_EQ(remainingFund(100000.0, 4000.0, 1.0, 32766.5).status, InvestStatus::TooManyPeriods);
    EXPECT_EQ(remainingFund(100000.0, 4000.0, 1.0, 1e300).status, InvestStatus::TooManyPeriods);
    EXPECT_EQ(remainingFund(100000.0, 4000.0, 25.0, 32766.0).status, InvestStatus::ResultOutOfRange);
    EXPECT_EQ(remainingFund(100000.0, 4000.0, 1.0, NAN).status, InvestStatus::InvalidInput);
}

// -- Inflation ---------------------------------------------------------------------------------------------

struct AdjustmentCase {
    std::string name;
    InflationInput in;  // fund, rate, annual, years, inflation, additional
    double first, last, total;
};

// The first payment I = (fund + A x sum of v^k) / sum of g^y v^k over the n payments k, v = 1 / (1 + r),
// g = 1 + inflation, y = the year of payment k; the last is I x g^(years - 1); the total I x sum of g^y.
TEST(InflationAdjustment, RisingPaymentsAreDrawnFromTheFundTheLevelPaymentUsesUp)
{
    const std::vector<AdjustmentCase> cases = {
        // 100,000 / 176.9391 = 565.17; x 1.03^19 (1.753506) = 991.02; 565.1663 x 322.4445 = 182,234.77.
        {"100,000 at 6 % monthly for 20 years, 3 % inflation", {100000, 6, false, 20, 3, 0}, 565.17, 991.02, 182234.77},
        // 100,000 / 14.561533 = 6,867.41; x 1.753506 = 12,042.04; 6,867.409 x 26.870374 = 184,529.85.
        {"the same paid yearly", {100000, 6, true, 20, 3, 0}, 6867.41, 12042.04, 184529.85},
        // (100,000 + 283.57 x 139.5808) / 176.9391 = 788.86; x 1.753506 = 1,383.28; x 322.4445 = 254,364.97.
        {"additional 283.57 stays level", {100000, 6, false, 20, 3, 283.57}, 788.86, 1383.28, 254364.97},
        // (100,000 + 283.57 x 139.5808) / 139.5808 = 716.4311 + 283.57 = 1,000.00; x 240 = 240,000.25.
        {"no inflation: level plus additional", {100000, 6, false, 20, 0, 283.57}, 1000, 1000, 240000.25},
        // 246 payments, the last six in year 21: 100,000 / 180.1563 = 555.07; x 1.03^20 = 1,002.52.
        {"20.5 years: a last half year", {100000, 6, false, 20.5, 3, 0}, 555.07, 1002.52, 184995.62},
        // 25,200 = 12 I + 12 x 1.1 I = 25.2 I: I = 1,000.
        {"0 % interest, 10 % inflation over two years", {25200, 0, false, 2, 10, 0}, 1000, 1100, 25200},
    };
    for (const AdjustmentCase& c : cases) {
        SCOPED_TRACE(c.name);
        InflationResult r = inflationAdjustedPayments(c.in);
        ASSERT_EQ(r.status, InvestStatus::Ok);
        EXPECT_NEAR(r.firstPayment, c.first, kCent);
        EXPECT_NEAR(r.lastPayment, c.last, kCent);
        EXPECT_NEAR(r.total, c.total, kCent);
        // What the fund pays, I x g^y - A at the end of each period, is worth the fund today.
        const int perYear = c.in.annual ? 1 : 12;
        double worth = 0;
        for (int k = 1; k <= r.periods; ++k)
            worth += (r.firstPayment * std::pow(1 + c.in.inflationPercent / 100, (k - 1) / perYear) -
                      c.in.additionalPayment) /
                     std::pow(1 + c.in.annualRatePercent / 100 / perYear, k);
        EXPECT_NEAR(worth, c.in.fund, 1e-6);
    }
}

TEST(InflationAdjustment, RefusesWhatItCannotCompute)
{
    const std::vector<std::pair<InflationInput, InvestStatus>> cases = {
        {{NAN, 6, false, 20, 3, 0}, InvestStatus::InvalidInput},
        {{100000, 6, false, 20, -3, 0}, InvestStatus::InvalidInput},
        {{100000, 6, false, 20, 3, -1000}, InvestStatus::InvalidInput},  // an income below zero
        {{100000, 6, false, 20, 3, 2e12}, InvestStatus::AmountTooLarge},
        {{100000, 6, true, 0.5, 3, 0}, InvestStatus::TooFewPeriods},
        {{100000, 6, false, 40000, 3, 0}, InvestStatus::TooManyPeriods},
        {{100000, 25, true, 32766, 25, 0}, InvestStatus::ResultOutOfRange},  // 1.25^32765 is beyond a double
    };
    for (const auto& [in, status] : cases) EXPECT_EQ(inflationAdjustedPayments(in).status, status);
}

TEST(LevelPaymentWorth, IsThePaymentDividedByTheInflationOfTheWholeYears)
{
    const struct {
        double payment, inflation, years;
        const char* worth;
    } cases[] = {
        {716.43, 3, 20, "$396.67"},     // 716.43 / 1.03^20 (1.806111) = 396.67
        {700, 3, 20.5, "$387.57"},      // 20.5 years count as 20: 700 / 1.806111 = 387.57
        {8718.46, 3, 20, "$4,827.20"},  // 8,718.46 / 1.806111 = 4,827.20
        {716.43, 0, 20, "$716.43"},     // no inflation
        {1e12, 25, 32766, "$0.00"},     // 1.25^32766 is beyond a double: nothing is left
    };
    for (const auto& c : cases) {
        LevelWorthResult w = levelPaymentWorth(c.payment, c.inflation, c.years);
        ASSERT_EQ(w.status, InvestStatus::Ok);
        EXPECT_EQ(formatNumber(w.worth, kCurrencyFormat), c.worth) << c.payment << " over " << c.years;
    }
    EXPECT_EQ(plainText(levelPaymentWorth(716.4349, 3.0, 20.0).paymentCents), "716.43");
    EXPECT_EQ(levelPaymentWorth(700.0, 3.0, 40000.0).status, InvestStatus::TooManyPeriods);
}

// Growth and annuity payments stop their loops once a period leaves the value unchanged (infinite, or 0). They
// must give what the loop over every period gives, bit for bit.
TEST(LoopsThatStopChanging, GiveWhatEveryPeriodWouldGive)
{
    auto everyPeriod = [](double base, int count) {
        double x = 1.0;
        for (int i = 0; i < count; ++i) x *= base;
        return x;
    };
    for (double rate : {0.0, 0.125, 6.0, 25.0}) {
        for (int perYear : {1, 12, 365}) {
            for (double years : {1.0, 30.0, 89.75, 2730.5, 32766.0}) {
                int n = static_cast<int>(roundHalfEven(years * perYear));
                if (n > limits::kMaxPeriods) continue;
                double r = rate / static_cast<double>(perYear * 100);
                GrowthResult g = growOneTime(1000.0, rate, perYear, years);
                double grown = 1000.0 * everyPeriod(1.0 + r, n);
                if (std::isfinite(grown)) {
                    ASSERT_EQ(g.status, InvestStatus::Ok);
                    EXPECT_EQ(g.value, grown) << rate << " " << perYear << " " << years;
                } else {
                    EXPECT_EQ(g.status, InvestStatus::ResultOutOfRange);
                }
                double ar = rate / 100.0 / perYear;
                double h = everyPeriod(1.0 + ar, n);
                AnnuityResult a = annuityPayment(100000.0, rate, perYear, years);
                ASSERT_EQ(a.status, InvestStatus::Ok) << rate << " " << perYear << " " << years;
                EXPECT_EQ(a.payment, rate == 0.0 ? 100000.0 / n : 100000.0 * (ar + ar / (h - 1.0)))
                    << rate << " " << perYear << " " << years;
            }
        }
    }
}

}  // namespace
}  // namespace tv
