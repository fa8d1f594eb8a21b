// The numbers behind the charts end where the results they chart stand.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/amortization.h"
#include "engine/chart_data.h"
#include "engine/investment.h"
#include "engine/loan_table.h"

namespace tv {
namespace {

TEST(ScheduleByYear, SumsTwelveMonthsAYearAsTheGridShowsThem)
{
    // 100000 at 7.5 % for 15 years, the table's monthly payment.
    const double rate = 7.5 / 1200;
    Schedule s = amortizationSchedule(100000, tableMonthlyPayment(100000, rate, 180), 7.5, 180);
    ASSERT_EQ(s.months(), 180);
    std::vector<ScheduleYear> years = scheduleByYear(s);
    ASSERT_EQ(years.size(), 15u);
    double principal = 0;
    for (const ScheduleYear& y : years) {
        const int last = 12 * y.year;
        double paid = 0;
        for (int k = last - 11; k <= last; ++k) paid += s.lines[static_cast<std::size_t>(k)].payment;
        // Principal and interest of a year make its twelve payments, the last one's adjustment included.
        EXPECT_NEAR(y.principal + y.interest, paid, 1e-6);
        EXPECT_EQ(y.cumulativeInterest, s.lines[static_cast<std::size_t>(last)].totalInterest);
        EXPECT_EQ(y.balance, s.lines[static_cast<std::size_t>(last)].balance);
        principal += y.principal;
    }
    EXPECT_NEAR(principal, 100000, 1e-6);
    EXPECT_EQ(years.back().balance, 0.0);
}

TEST(ScheduleByYear, ALastShortYearHoldsItsMonths)
{
    const double rate = 6.0 / 1200;
    Schedule s = amortizationSchedule(10000, tableMonthlyPayment(10000, rate, 30), 6, 30);
    std::vector<ScheduleYear> years = scheduleByYear(s);
    ASSERT_EQ(years.size(), 3u);
    EXPECT_NEAR(years[2].principal + years[2].interest, 5 * s.levelPayment + s.lastPayment(), 1e-9);
    EXPECT_TRUE(scheduleByYear(Schedule{}).empty());
}

TEST(PathYears, WholeYearsThenTheFraction)
{
    EXPECT_EQ(pathYears(3), (std::vector<double>{0, 1, 2, 3}));
    EXPECT_EQ(pathYears(2.5), (std::vector<double>{0, 1, 2, 2.5}));
    EXPECT_EQ(pathYears(0), (std::vector<double>{0}));
    EXPECT_TRUE(pathYears(-1).empty());
    EXPECT_TRUE(pathYears(NAN).empty());
    std::vector<double> long_ = pathYears(1000);
    EXPECT_LE(long_.size(), static_cast<std::size_t>(kMaxPathSteps + 2));
    EXPECT_EQ(long_.back(), 1000);
}

TEST(FundPaths, OneTimeGrowthEndsAtTheInvestmentsValue)
{
    FundPath p = oneTimeGrowthPath(100000, 8, 12, 10);
    ASSERT_EQ(p.status, InvestStatus::Ok);
    ASSERT_EQ(p.points.size(), 11u);
    EXPECT_EQ(p.points.front().fund, 100000);
    EXPECT_EQ(p.points.back().fund, growOneTime(100000, 8, 12, 10).value);
    for (const FundPoint& f : p.points) EXPECT_EQ(f.paid, 100000);
}

TEST(FundPaths, ContributionsCountWhatWasPaidInAndEndAtTheResult)
{
    ContributionInput in;
    in.contribution = 1000;
    in.oneTimeAmount = 5000;
    in.annualRatePercent = 8;
    in.durationYears = 10.5;
    FundPath p = contributionsPath(in);
    ASSERT_EQ(p.status, InvestStatus::Ok);
    ASSERT_EQ(p.points.size(), 12u);
    EXPECT_EQ(p.points.back().fund, growContributions(in).value);
    EXPECT_EQ(p.points.back().paid, 5000 + 1000 * 126);
    EXPECT_EQ(p.points[1].paid, 5000 + 1000 * 12);
    in.schedule = ContributionSchedule::Yearly;
    in.oneTimeAmount = 0;
    FundPath yearly = contributionsPath(in);
    ASSERT_EQ(yearly.status, InvestStatus::Ok);
    EXPECT_EQ(yearly.points.back().fund, growContributions(in).value);
    EXPECT_EQ(yearly.points.back().paid, 11 * 1000);  // at the start of years 0..10
}

TEST(FundPaths, AnAnnuityRunsTheFundDownToNothing)
{
    AnnuityResult a = annuityPayment(100000, 6, 12, 25);
    FundPath p = annuityPath(100000, 6, 12, 25, a.payment);
    ASSERT_EQ(p.status, InvestStatus::Ok);
    ASSERT_EQ(p.points.size(), 26u);
    EXPECT_EQ(p.points.front().fund, 100000);
    EXPECT_NEAR(p.points.back().fund, 0, 1e-6);
    EXPECT_NEAR(p.points.back().paid, a.payment * 300, 1e-6);
    for (std::size_t i = 1; i < p.points.size(); ++i) EXPECT_LT(p.points[i].fund, p.points[i - 1].fund);
    AnnuityResult yearly = annuityPayment(100000, 6, 1, 20);
    EXPECT_NEAR(annuityPath(100000, 6, 1, 20, yearly.payment).points.back().fund, 0, 1e-6);
}

TEST(FundPaths, WithdrawalsEndAtTheRemainingFund)
{
    FundPath p = withdrawalsPath(500000, 40000, 6, 10.5);
    ASSERT_EQ(p.status, InvestStatus::Ok);
    RemainingFundResult r = remainingFund(500000, 40000, 6, 10.5);
    EXPECT_EQ(p.points.back().fund, r.fund);
    EXPECT_EQ(p.points.back().paid, 40000 * r.withdrawals);
    EXPECT_EQ(withdrawalsPath(500000, 40000, -1, 10).status, InvestStatus::InvalidInput);
}

TEST(FundPaths, AnAnnuityWhoseBalanceOutgrowsADoubleHasNoPath)
{
    // Found by the monkey: an annual annuity of a fund of a few 1e-320 over 32,766 years at 23 %. The chart
    // read the fund back as the box shows it, $0.00, with the payment of the fund as typed: the shortfall
    // compounded past the largest double, and the chart showed points that were not numbers.
    FundPath p = annuityPath(0, 23, 1, 32766, 2.3e-321);
    EXPECT_EQ(p.status, InvestStatus::ResultOutOfRange);
    EXPECT_TRUE(p.points.empty());
}

struct BalanceCase {
    const char* what;
    ExtraMode mode;
    int perYear;
    double extra;
    double start;
};

TEST(BalanceByYear, EndsWhereTheExtraPaymentWalkEndsAndNeverRises)
{
    const BalanceCase cases[] = {
        {"a plain loan", ExtraMode::PerInstallment, 12, 0, 1},
        {"an extra with every installment from the 13th", ExtraMode::PerInstallment, 12, 200, 13},
        {"one extra with the 30th of 26 a year", ExtraMode::OneTime, 26, 20000, 30},
        {"yearly extras from the 6th of 24 a year", ExtraMode::Yearly, 24, 5000, 6},
    };
    for (const BalanceCase& c : cases) {
        SCOPED_TRACE(c.what);
        ExtraPayInput in{250000, 6.5, c.perYear, 30, c.mode, c.extra, c.start};
        const ExtraPayResult walk = amortizeWithExtras(in);
        ASSERT_EQ(walk.status, LoanStatus::Ok);
        const std::vector<BalancePoint> points = balanceByYear(in);
        ASSERT_GE(points.size(), 2u);
        EXPECT_EQ(points.front().balance, 250000);
        EXPECT_EQ(points.back().balance, 0);
        EXPECT_NEAR(points.back().years, walk.years, 1e-9);
        for (std::size_t i = 1; i < points.size(); ++i) EXPECT_LE(points[i].balance, points[i - 1].balance);
    }
    // A start beyond every installment pays no extra: the plain loan's curve; no number at all, no curve.
    ExtraPayInput far{250000, 6.5, 12, 30, ExtraMode::Yearly, 500, 1e300};
    EXPECT_NEAR(balanceByYear(far).back().years, 30, 1e-9);
    far.startInstallment = std::nan("");
    EXPECT_TRUE(balanceByYear(far).empty());
}

}  // namespace
}  // namespace tv
