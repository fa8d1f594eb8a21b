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
        path.points.push_back({t, yearlyWithdrawal * r.withdrawals, r.fund});
    }
    return path;
}

}  // namespace tv

namespace tv {

std::vector<BalancePoint> balanceByYear(const ExtraPayInput& input, double payment)
{
    std::vector<BalancePoint> points;
    const int perYear = input.periodsPerYear;
    const double scheduled = std::round(input.durationYears * perYear);
    if (perYear <= 0 || perYear > 366 || !std::isfinite(scheduled) || scheduled < 1 ||
        scheduled > limits::kMaxPeriods || !std::isfinite(payment) || payment <= 0 || !std::isfinite(input.principal) ||
        input.principal <= 0)
        return points;
    const double r = input.annualRatePercent / 100 / perYear;
    const int count = static_cast<int>(scheduled);
    // An extra starting after the last installment (or at a start that is no number) is never paid.
    const double first = std::ceil(input.startInstallment);
    const int start = static_cast<int>(std::isnan(first) ? scheduled + 1 : std::clamp(first, 1.0, scheduled + 1));
    const double extra = std::isfinite(input.extraAmount) ? std::max(0.0, input.extraAmount) : 0.0;
    auto paidAt = [&](int k) {
        if (extra <= 0) return payment;
        const bool with = input.mode == ExtraMode::PerInstallment ? k > start
                          : input.mode == ExtraMode::OneTime      ? k == start
                                                                  : k >= start && (k - start) % 12 == 0;
        return with ? payment + extra : payment;
    };
    // A year without a change of payment is one step: b (1 + r)^n - p ((1 + r)^n - 1) / r, with the powers
    // taken once; a year in which the payment changes, or the loan ends, is walked installment by installment.
    std::vector<double> grow(static_cast<std::size_t>(perYear) + 1, 1.0);
    std::vector<double> annuity(static_cast<std::size_t>(perYear) + 1, 0.0);
    for (std::size_t n = 1; n < grow.size(); ++n) {
        grow[n] = grow[n - 1] * (1 + r);
        annuity[n] = annuity[n - 1] * (1 + r) + 1;
    }
    double balance = input.principal;
    points.push_back({0, balance});
    for (int first = 1; first <= count && balance > 0; first += perYear) {
        const int last = std::min(count, first + perYear - 1);
        const int n = last - first + 1;
        const double p = paidAt(first);
        bool level = paidAt(last) == p;
        if (level && input.mode != ExtraMode::PerInstallment && extra > 0)
            for (int k = first + 1; k < last && level; ++k) level = paidAt(k) == p;
        const double after = balance * grow[static_cast<std::size_t>(n)] - p * annuity[static_cast<std::size_t>(n)];
        if (level && after >= 0.005 && last < count) {
            balance = after;
            points.push_back({static_cast<double>(last) / perYear, balance});
            continue;
        }
        for (int k = first; k <= last; ++k) {
            balance = balance * (1 + r) - paidAt(k);
            // The last installment pays what is left, to the cent.
            if (balance < 0.005 || k == count) balance = 0;
            if (balance == 0 || k == last) {
                points.push_back({static_cast<double>(k) / perYear, balance});
                break;
            }
        }
    }
    return points;
}

}  // namespace tv
