#pragma once

#include <vector>

#include "engine/amortization.h"
#include "engine/investment.h"
#include "engine/loan_table.h"

// The numbers behind the charts: a loan schedule summed by year, and an investment's fund at each whole year
// of its duration. Pure data, computed with the same engine functions as the screens' results, so a chart
// ends exactly where the boxes' result stands. Money in currency units, times in years or months.
namespace tv {

// One year of a schedule: months 12(y-1)+1 .. 12y (the last year may be shorter).
struct ScheduleYear {
    int year = 0;                     // 1, 2, ...
    double principal = 0.0;           // the principal of the year's months
    double interest = 0.0;            // the interest of the year's months (whole cents each)
    double cumulativeInterest = 0.0;  // the interest of every month up to the year's end
    double balance = 0.0;             // the balance after the year's last month
};

// The schedule of engine/loan_table.h by year: the principal and interest of its months as the schedule's grid
// shows them. Empty for a schedule without months.
std::vector<ScheduleYear> scheduleByYear(const Schedule& schedule);

// The fund at one point of time.
struct FundPoint {
    double years = 0.0;  // since the start
    double paid = 0.0;   // money paid in so far (contributions), or paid out so far (annuities, withdrawals)
    double fund = 0.0;   // the fund's value then
};

struct FundPath {
    InvestStatus status = InvestStatus::Ok;
    std::vector<FundPoint> points;  // at the times of pathYears
};

// The times of a path: 0, 1, ..., floor(durationYears), then durationYears when it has a fraction. Beyond
// kMaxPathSteps years the whole years step by ceil(years / kMaxPathSteps), so no path has more than
// kMaxPathSteps + 2 points.
inline constexpr int kMaxPathSteps = 100;
std::vector<double> pathYears(double durationYears);

// A one-time amount growing (growOneTime at each time): paid is the amount throughout.
FundPath oneTimeGrowthPath(double amount, double annualRatePercent, int periodsPerYear, double durationYears);

// Contributions growing (growContributions with the duration cut at each time): paid counts the contributions
// made by then, and the one-time amount.
FundPath contributionsPath(const ContributionInput& input);

// A fund paying `payment` at the end of each of paymentsPerYear periods a year, at annualRatePercent / 100 /
// paymentsPerYear a period, for durationYears: the fund after each whole year's payments (fund x (1 + r) -
// payment, period by period), paid counting the payments made. With the payment of annuityPayment the fund
// runs down to (nearly) nothing at the end.
FundPath annuityPath(double fund, double annualRatePercent, int paymentsPerYear, double durationYears, double payment);

// Yearly withdrawals at the start of each year, the rest growing a year at annualRatePercent (remainingFund
// at each time): paid is what was withdrawn by then, which stops growing once the fund is used up.
FundPath withdrawalsPath(double fund, double yearlyWithdrawal, double annualRatePercent, double durationYears);

}  // namespace tv

namespace tv {

// A loan's balance at the start, after each whole year of its installments (every yearsPerSampleOf years for
// loans of more than a century) and after its last one, read
// from its ledger with the extras of `input` (none with an extra of 0). Empty for inputs no ledger has.
struct BalancePoint {
    double years = 0.0;
    double balance = 0.0;
};
std::vector<BalancePoint> balanceByYear(const ExtraPayInput& input);

}  // namespace tv
