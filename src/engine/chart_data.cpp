#include "engine/chart_data.h"

#include <algorithm>
#include <cmath>

#include "engine/limits.h"

namespace tv {

std::vector<ScheduleYear> scheduleByYear(const Schedule& schedule)
{
    std::vector<ScheduleYear> years;
    for (int k = 1; k <= schedule.months(); ++k) {
        const ScheduleLine& line = schedule.lines[static_cast<std::size_t>(k)];
        if ((k - 1) % 12 == 0) years.push_back({static_cast<int>(years.size()) + 1, 0.0, 0.0, 0.0, 0.0});
        ScheduleYear& y = years.back();
        y.principal += line.principal;
        y.interest += line.interest;
        y.cumulativeInterest = line.totalInterest;
        y.balance = line.balance;
    }
    return years;
}

std::vector<double> pathYears(double durationYears)
{
    std::vector<double> times;
    if (!std::isfinite(durationYears) || durationYears < 0 || durationYears > limits::kMaxPeriods) return times;
    const int whole = static_cast<int>(std::floor(durationYears));
    const int step = whole > kMaxPathSteps ? (whole + kMaxPathSteps - 1) / kMaxPathSteps : 1;
    for (int t = 0; t <= whole; t += step) times.push_back(t);
    if (durationYears > times.back()) times.push_back(durationYears);
    return times;
}

FundPath oneTimeGrowthPath(double amount, double annualRatePercent, int periodsPerYear, double durationYears)
{
    FundPath path;
    for (double t : pathYears(durationYears)) {
        GrowthResult g = growOneTime(amount, annualRatePercent, periodsPerYear, t);
        if (g.status != InvestStatus::Ok) return {g.status, {}};
        path.points.push_back({t, amount, g.value});
    }
    return path;
}

FundPath contributionsPath(const ContributionInput& input)
{
    FundPath path;
    for (double t : pathYears(input.durationYears)) {
        ContributionInput cut = input;
        cut.durationYears = t;
        ContributionResult c = growContributions(cut);
        if (c.status != InvestStatus::Ok) return {c.status, {}};
        path.points.push_back({t, input.contribution * c.contributions + input.oneTimeAmount, c.value});
    }
    return path;
}

FundPath annuityPath(double fund, double annualRatePercent, int paymentsPerYear, double durationYears, double payment)
{
    FundPath path;
    if (paymentsPerYear < 1 || !std::isfinite(fund) || !std::isfinite(payment) || !std::isfinite(annualRatePercent))
        return {InvestStatus::InvalidInput, {}};
    const double r = annualRatePercent / 100.0 / paymentsPerYear;
    const long long total = std::llround(durationYears * paymentsPerYear);
    if (total > limits::kMaxPeriods) return {InvestStatus::TooManyPeriods, {}};
    double balance = fund;
    long long made = 0;
    for (double t : pathYears(durationYears)) {
        const long long due = std::min(total, std::llround(t * paymentsPerYear));
        for (; made < due; ++made) balance = balance * (1 + r) - payment;
        // Centuries of interest on a payment that does not keep up carry the balance beyond a double.
        if (!std::isfinite(balance)) return {InvestStatus::ResultOutOfRange, {}};
        path.points.push_back({t, payment * static_cast<double>(made), balance});
    }
    return path;
}

FundPath withdrawalsPath(double fund, double yearlyWithdrawal, double annualRatePercent, double durationYears)
{
    FundPath path;
    for (double t : pathYears(durationYears)) {
        RemainingFundResult r = remainingFund(fund, yearlyWithdrawal, annualRatePercent, t);
        if (r.status != InvestStatus::Ok) return {r.status, {}};
        path.points.push_back({t, r.withdrawn, r.fund});
    }
    return path;
}

}  // namespace tv

namespace tv {

std::vector<BalancePoint> balanceByYear(const ExtraPayInput& input)
{
    std::vector<BalancePoint> points;
    const ExtraPayResult r = amortizeWithExtras(input);
    if (r.status != LoanStatus::Ok || input.principal <= 0) return points;
    const std::vector<double>& ends = r.yearEnds;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        const bool last = i + 1 == ends.size() && i > 0;
        const double years = last ? static_cast<double>(r.installments) / input.periodsPerYear
                                  : static_cast<double>(i * static_cast<std::size_t>(r.plain.yearsPerSample));
        points.push_back({years, ends[i]});
    }
    return points;
}

}  // namespace tv
