#include "engine/investment.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <ostream>
#include <vector>

#include "common/formats.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "engine/limits.h"
#include "engine/loan.h"

namespace tv {

namespace {

InvestStatus checkMoney(double amount)
{
    if (!std::isfinite(amount)) return InvestStatus::InvalidInput;
    if (std::fabs(amount) > limits::kMaxMoney) return InvestStatus::AmountTooLarge;
    return InvestStatus::Ok;
}

InvestStatus checkRate(double annualRatePercent)
{
    return std::isfinite(annualRatePercent) && annualRatePercent >= 0.0 ? InvestStatus::Ok : InvestStatus::InvalidInput;
}

InvestStatus checkYears(double years)
{
    return std::isfinite(years) ? InvestStatus::Ok : InvestStatus::InvalidInput;
}

InvestStatus firstFault(std::initializer_list<InvestStatus> statuses)
{
    for (InvestStatus s : statuses) {
        if (s != InvestStatus::Ok) return s;
    }
    return InvestStatus::Ok;
}

bool validPeriodsPerYear(int periodsPerYear)
{
    return periodsPerYear >= 1 && periodsPerYear <= limits::kMaxPeriods;
}

struct Count {
    InvestStatus status = InvestStatus::Ok;
    int count = 0;
};

// A count of periods, payments or years: the value rounded half to even; below 0 counts as none (the
// repeated multiplication then gives 1), above the limit is refused rather than wrapped.
Count wholeCount(double value)
{
    if (!std::isfinite(value)) return {InvestStatus::InvalidInput, 0};
    double n = roundHalfEven(value);
    if (n > limits::kMaxPeriods) return {InvestStatus::TooManyPeriods, 0};
    return {InvestStatus::Ok, n < 0.0 ? 0 : static_cast<int>(n)};
}

// base^count by repeated multiplication, one factor per period in order, as periodPower (engine/loan.h)
// multiplies. A power too large for a double is infinite here; each caller decides what that means.
// Once a factor leaves the product unchanged (it has become infinite), every later one would too: the loop
// stops there with the same result.
double power(double base, int count)
{
    double x = 1.0;
    for (int i = 0; i < count; ++i) {
        double next = x * base;
        if (next == x) break;
        x = next;
    }
    return x;
}

// The growth formulas' period rate: the periods per year times 100 first, then the division.
double growthRate(double annualRatePercent, int periodsPerYear)
{
    return annualRatePercent / static_cast<double>(periodsPerYear * 100);
}

// A value "formatted with 0.00 and read back": rounded to the cent, half away from zero.
double toCents(double value)
{
    return readBoxValue(formatNumber(value, kFixed2Format, Locale::enUS()), Locale::enUS());
}

struct AnnuityFactor {
    InvestStatus status = InvestStatus::Ok;
    double factor = 0.0;  // r + r / (h - 1): the payment per unit of fund; 0 at a rate of 0
    int periods = 0;

    // The payment of a fund: fund x factor, or fund / payments at a rate of 0.
    double paymentOf(double fund) const { return factor == 0.0 ? fund / periods : fund * factor; }
};

AnnuityFactor annuityFactor(double annualRatePercent, int paymentsPerYear, double durationYears)
{
    double r = annualRatePercent / 100.0 / static_cast<double>(paymentsPerYear);
    Count n = wholeCount(static_cast<double>(paymentsPerYear) * durationYears);
    if (n.status != InvestStatus::Ok) return {n.status, 0.0, 0};
    // No payment at all would make h = 1 and divide by zero.
    if (n.count < 1) return {InvestStatus::TooFewPeriods, 0.0, 0};
    if (r == 0.0) return {InvestStatus::Ok, 0.0, n.count};
    // A power beyond the double range leaves r, the interest alone: the limit of the formula.
    double h = power(1.0 + r, n.count);
    double factor = r + r / (h - 1.0);
    if (!std::isfinite(factor)) return {InvestStatus::ResultOutOfRange, 0.0, n.count};
    return {InvestStatus::Ok, factor, n.count};
}

// Contribution i (1..M) grows for the whole periods of (durationYears - (i - 1) / 12) years. The counts are
// computed exactly as a month-by-month walk computes them, by subtracting a twelfth at a time.
std::vector<int> monthlyExponents(int months, double durationYears, int periodsPerYear)
{
    std::vector<int> exponents;
    exponents.reserve(static_cast<std::size_t>(months));
    double yrs = durationYears;
    for (int i = 1; i <= months; ++i) {
        double n = roundHalfEven(yrs * static_cast<double>(periodsPerYear));
        exponents.push_back(n < 0.0 ? 0 : static_cast<int>(n));
        yrs = yrs - 1.0 / 12.0;
    }
    return exponents;
}

ContributionResult monthlyContributions(const ContributionInput& in, double r, int periods)
{
    Count months = wholeCount(in.durationYears * 12.0);
    if (months.status != InvestStatus::Ok) return {months.status, 0.0, 0.0, 0.0, 0, 0};
    std::vector<int> exponents = monthlyExponents(months.count, in.durationYears, in.periodsPerYear);
    int longest = periods;  // the one-time amount grows over the whole duration
    for (int n : exponents) longest = n > longest ? n : longest;
    if (longest > limits::kMaxPeriods) return {InvestStatus::TooManyPeriods, 0.0, 0.0, 0.0, 0, 0};

    // prefix[k] is (1 + r)^k after k multiplications in the same order as the repeated multiplication, so
    // every power is bit for bit the loop's, with one walk of at most kMaxPeriods steps in all instead of
    // one walk per month.
    std::vector<double> prefix(static_cast<std::size_t>(longest) + 1);
    double x = 1.0;
    prefix[0] = x;
    for (int k = 1; k <= longest; ++k) {
        x *= 1.0 + r;
        prefix[static_cast<std::size_t>(k)] = x;
    }
    double total = 0.0;
    for (int n : exponents) total += in.contribution * prefix[static_cast<std::size_t>(n)];
    double oneTime = in.oneTimeAmount * prefix[static_cast<std::size_t>(periods)];
    return {InvestStatus::Ok, 0.0, total, oneTime, months.count, periods};
}

ContributionResult yearlyContributions(const ContributionInput& in, double r, int periods)
{
    // Whole years by floor: a contribution is made at the start of every year that begins before the end
    // date (or on it, for a whole number of years).
    double years = std::floor(in.durationYears);
    if (years > limits::kMaxPeriods) return {InvestStatus::TooManyPeriods, 0.0, 0.0, 0.0, 0, 0};
    int lastYear = years < 0.0 ? -1 : static_cast<int>(years);
    double total = 0.0;
    int made = 0;
    for (int year = 0; year <= lastYear; ++year) {
        total += in.contribution;
        ++made;
        // Compounded period by period up to the end of the duration, counted in whole periods.
        for (int i = 1; i <= in.periodsPerYear; ++i) {
            if (static_cast<long long>(year) * in.periodsPerYear + i > periods) break;
            total = total + r * total;
        }
    }
    double oneTime = in.oneTimeAmount == 0.0 ? 0.0 : in.oneTimeAmount * power(1.0 + r, periods);
    return {InvestStatus::Ok, 0.0, total, oneTime, made, periods};
}

}  // namespace

std::string_view statusName(InvestStatus status)
{
    switch (status) {
        case InvestStatus::Ok:
            return "Ok";
        case InvestStatus::InvalidInput:
            return "InvalidInput";
        case InvestStatus::AmountTooLarge:
            return "AmountTooLarge";
        case InvestStatus::TooFewPeriods:
            return "TooFewPeriods";
        case InvestStatus::TooManyPeriods:
            return "TooManyPeriods";
        case InvestStatus::ResultOutOfRange:
            return "ResultOutOfRange";
    }
    return "Unknown";
}

std::ostream& operator<<(std::ostream& out, InvestStatus status)
{
    return out << statusName(status);
}

GrowthResult growOneTime(double amount, double annualRatePercent, int periodsPerYear, double durationYears)
{
    if (InvestStatus s = firstFault({checkMoney(amount), checkRate(annualRatePercent), checkYears(durationYears)});
        s != InvestStatus::Ok) {
        return {s, 0.0, 0};
    }
    if (!validPeriodsPerYear(periodsPerYear)) return {InvestStatus::InvalidInput, 0.0, 0};
    Count n = wholeCount(durationYears * static_cast<double>(periodsPerYear));
    if (n.status != InvestStatus::Ok) return {n.status, 0.0, 0};
    double value = amount * power(1.0 + growthRate(annualRatePercent, periodsPerYear), n.count);
    if (!std::isfinite(value)) return {InvestStatus::ResultOutOfRange, 0.0, n.count};
    return {InvestStatus::Ok, value, n.count};
}

ContributionResult growContributions(const ContributionInput& in)
{
    if (InvestStatus s = firstFault({checkMoney(in.contribution), checkMoney(in.oneTimeAmount),
                                     checkRate(in.annualRatePercent), checkYears(in.durationYears)});
        s != InvestStatus::Ok) {
        return {s, 0.0, 0.0, 0.0, 0, 0};
    }
    if (!validPeriodsPerYear(in.periodsPerYear)) return {InvestStatus::InvalidInput, 0.0, 0.0, 0.0, 0, 0};
    Count periods = wholeCount(in.durationYears * static_cast<double>(in.periodsPerYear));
    if (periods.status != InvestStatus::Ok) return {periods.status, 0.0, 0.0, 0.0, 0, 0};

    double r = growthRate(in.annualRatePercent, in.periodsPerYear);
    ContributionResult result = in.schedule == ContributionSchedule::Yearly
                                    ? yearlyContributions(in, r, periods.count)
                                    : monthlyContributions(in, r, periods.count);
    if (result.status != InvestStatus::Ok) return result;
    if (r == 0.0) {  // nothing grows: the sum of what was paid in, in one product rather than a running sum
        result.contributionsValue = in.contribution * result.contributions;
        result.oneTimeValue = in.oneTimeAmount;
    }
    result.value = result.contributionsValue + result.oneTimeValue;
    if (!std::isfinite(result.value)) return {InvestStatus::ResultOutOfRange, 0.0, 0.0, 0.0, 0, periods.count};
    return result;
}

AnnuityResult annuityPayment(double fund, double annualRatePercent, int paymentsPerYear, double durationYears)
{
    if (InvestStatus s = firstFault({checkMoney(fund), checkRate(annualRatePercent), checkYears(durationYears)});
        s != InvestStatus::Ok) {
        return {s, 0.0, 0};
    }
    if (!validPeriodsPerYear(paymentsPerYear)) return {InvestStatus::InvalidInput, 0.0, 0};
    AnnuityFactor f = annuityFactor(annualRatePercent, paymentsPerYear, durationYears);
    if (f.status != InvestStatus::Ok) return {f.status, 0.0, f.periods};
    double payment = f.paymentOf(fund);
    if (!std::isfinite(payment)) return {InvestStatus::ResultOutOfRange, 0.0, f.periods};
    return {InvestStatus::Ok, payment, f.periods};
}

AnnuityDurationResult annuityDuration(double fund, double wantedPayment, double listRatePercent,
                                      double annualRatePercent)
{
    using Outcome = AnnuityDurationOutcome;
    if (InvestStatus s = firstFault(
            {checkMoney(fund), checkMoney(wantedPayment), checkRate(listRatePercent), checkRate(annualRatePercent)});
        s != InvestStatus::Ok) {
        return {s, Outcome::Found, 0.0, 0.0, 0};
    }
    if (fund <= 0.0 || wantedPayment <= 0.0) return {InvestStatus::InvalidInput, Outcome::Found, 0.0, 0.0, 0};
    const double a = wantedPayment;

    auto lasting = [&](Outcome outcome, int months) -> AnnuityDurationResult {
        const double years = months / 12.0;
        AnnuityResult p = annuityPayment(fund, annualRatePercent, 12, years);
        if (p.status != InvestStatus::Ok) return {p.status, outcome, years, 0.0, months};
        return {InvestStatus::Ok, outcome, years, p.payment, months};
    };
    constexpr int kOneYear = 12;
    constexpr int kLongest = 75 * 12;
    constexpr int kShortest = 3;
    const double ratio = (listRatePercent / 100.0 * fund) / a;
    const double limit = listRatePercent > 5.0 ? 12.0 : listRatePercent >= 3.3 ? 11.75 : 11.0;
    if (listRatePercent / 100.0 * 2.9 > ratio) return lasting(Outcome::PaymentTooLarge, kOneYear);
    if (ratio > limit) return lasting(Outcome::PaymentTooSmall, kLongest);

    const double i = annualRatePercent / 100.0 / 12.0;
    const double share = fund * i / a;  // the part of a payment the fund's first month of interest makes up
    if (!(share < 1.0)) return lasting(Outcome::PaymentTooSmall, kLongest);  // the interest alone pays it
    const double n = i == 0.0 ? fund / a : -std::log1p(-share) / std::log1p(i);
    const double months = roundHalfEven(n);
    if (!(months <= kLongest)) return lasting(Outcome::PaymentTooSmall, kLongest);
    if (months < kShortest) return lasting(Outcome::ShorterThan3Months, months < 1.0 ? 1 : static_cast<int>(months));
    return lasting(Outcome::Found, static_cast<int>(months));
}

SaveThenDrawResult saveThenDraw(const SaveThenDrawInput& in)
{
    SaveThenDrawResult result;
    ContributionInput saving;
    saving.contribution = in.monthlyContribution;
    saving.annualRatePercent = in.saveRatePercent;
    saving.periodsPerYear = in.periodsPerYear;
    saving.durationYears = in.saveYears;
    ContributionResult fund = growContributions(saving);
    if (fund.status != InvestStatus::Ok) {
        result.status = fund.status;
        return result;
    }
    result.fund = fund.value;

    result.refusedInAnnuity = true;
    if (InvestStatus s = firstFault({checkRate(in.annuityRatePercent), checkYears(in.annuityYears)});
        s != InvestStatus::Ok) {
        result.status = s;
        return result;
    }
    result.annuityYears = roundToMonth(in.annuityYears);
    AnnuityFactor f = annuityFactor(in.annuityRatePercent, 12, result.annuityYears);
    if (f.status != InvestStatus::Ok) {
        result.status = f.status;
        return result;
    }
    result.monthlyPayment = f.paymentOf(result.fund);
    result.annuityPayments = f.periods;
    if (!std::isfinite(result.monthlyPayment)) {
        result.status = InvestStatus::ResultOutOfRange;
        return result;
    }
    result.refusedInAnnuity = false;
    return result;
}

RemainingFundResult remainingFund(double fund, double yearlyWithdrawal, double annualRatePercent, double durationYears)
{
    if (InvestStatus s = firstFault(
            {checkMoney(fund), checkMoney(yearlyWithdrawal), checkRate(annualRatePercent), checkYears(durationYears)});
        s != InvestStatus::Ok) {
        return {.status = s};
    }
    if (fund < 0.0 || yearlyWithdrawal < 0.0) return {.status = InvestStatus::InvalidInput};
    // One withdrawal for every year begun: the counter stops at the period limit.
    if (std::ceil(durationYears) > limits::kMaxPeriods) return {.status = InvestStatus::TooManyPeriods};
    constexpr double kHalfCent = 0.005;
    RemainingFundResult result;
    const double start = fund;
    int paidInFull = 0;
    while (durationYears > result.withdrawals) {
        ++result.withdrawals;
        if (result.runOutYear > 0) continue;
        if (yearlyWithdrawal > 0.0 && fund - yearlyWithdrawal < kHalfCent) {
            result.runOutYear = result.withdrawals;
            result.lastPaid = std::min(fund, yearlyWithdrawal);
            fund = 0.0;
            continue;
        }
        fund = fund - yearlyWithdrawal;
        fund = fund * (1.0 + annualRatePercent / 100.0);
        ++paidInFull;
    }
    // What was withdrawn is counted as whole withdrawals and the last part one, so a fund that lasts shows the
    // withdrawal times their number.
    result.withdrawn = yearlyWithdrawal * paidInFull + result.lastPaid;
    result.fund = fund;
    result.interest = fund - (start - result.withdrawn);
    if (!std::isfinite(fund) || !std::isfinite(result.interest)) return {InvestStatus::ResultOutOfRange};
    return result;
}

InflationResult inflationAdjustedPayments(const InflationInput& in)
{
    if (InvestStatus s =
            firstFault({checkMoney(in.fund), checkMoney(in.additionalPayment), checkRate(in.annualRatePercent),
                        checkRate(in.inflationPercent), checkYears(in.durationYears)});
        s != InvestStatus::Ok) {
        return {.status = s};
    }
    if (in.fund < 0.0) return {.status = InvestStatus::InvalidInput};
    const int perYear = in.annual ? 1 : 12;
    Count n = wholeCount(static_cast<double>(perYear) * in.durationYears);
    if (n.status != InvestStatus::Ok) return {.status = n.status};
    if (n.count < 1) return {.status = InvestStatus::TooFewPeriods};

    // Present values at the end of each period. within[m] is the sum of 1 / (1 + r)^j for j = 1..m, a year's
    // first m payments seen from the start of that year; start is 1 / (1 + r)^(payments before the year).
    const double discount = 1.0 / (1.0 + in.annualRatePercent / 100.0 / perYear);
    std::array<double, 13> within{};
    double v = 1.0;
    for (int j = 1; j <= perYear; ++j) {
        v *= discount;
        within[static_cast<std::size_t>(j)] = within[static_cast<std::size_t>(j - 1)] + v;
    }
    const double yearDiscount = v;
    const double growth = 1.0 + in.inflationPercent / 100.0;
    double start = 1.0;
    double grown = 1.0;    // g^y of the year
    double level = 0.0;    // the sum of 1 / (1 + r)^k
    double rising = 0.0;   // the sum of g^y / (1 + r)^k
    double incomes = 0.0;  // the sum of g^y
    for (int first = 1; first <= n.count; first += perYear) {
        if (first > 1) {
            grown *= growth;
            start *= yearDiscount;
        }
        const int payments = std::min(perYear, n.count - first + 1);
        const double year = start * within[static_cast<std::size_t>(payments)];
        level += year;
        rising += grown * year;
        incomes += grown * payments;
    }
    InflationResult result;
    result.periods = n.count;
    result.firstPayment = (in.fund + in.additionalPayment * level) / rising;
    result.lastPayment = result.firstPayment * grown;
    result.total = result.firstPayment * incomes;
    if (!std::isfinite(result.firstPayment) || !std::isfinite(result.lastPayment) || !std::isfinite(result.total))
        return {.status = InvestStatus::ResultOutOfRange};
    if (result.firstPayment < 0.0) return {.status = InvestStatus::InvalidInput};
    return result;
}

LevelWorthResult levelPaymentWorth(double payment, double inflationPercent, double durationYears)
{
    if (!std::isfinite(payment) || !std::isfinite(durationYears)) return {InvestStatus::InvalidInput, 0.0, 0.0, 0};
    if (checkRate(inflationPercent) != InvestStatus::Ok) return {InvestStatus::InvalidInput, 0.0, 0.0, 0};
    Count years = wholeCount(durationYears);
    if (years.status != InvestStatus::Ok) return {years.status, 0.0, 0.0, 0};
    // Prices grown by the inflation of every year. Once less than half a cent of the payment is left, every later
    // year shows the same $0.00 (beyond the double range nothing is left at all): the walk stops there.
    constexpr double kShowsAsZero = 0.004;
    const double growth = 1.0 + inflationPercent / 100.0;
    const double beyond = std::fabs(payment) / kShowsAsZero;
    double prices = 1.0;
    for (int i = 0; i < years.count && growth != 1.0 && prices <= beyond; ++i) prices *= growth;
    const double worth = payment / prices;
    const double cents = toCents(payment);
    if (!std::isfinite(worth) || !std::isfinite(cents)) return {InvestStatus::ResultOutOfRange, 0.0, 0.0, years.count};
    return {InvestStatus::Ok, cents, worth, years.count};
}

}  // namespace tv
