#include "engine/loan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <ostream>

#include "common/rounding.h"
#include "engine/ledger.h"
#include "engine/limits.h"

namespace tv {

namespace {

LoanStatus checkMoney(double amount)
{
    if (!std::isfinite(amount)) return LoanStatus::InvalidInput;
    if (std::fabs(amount) > limits::kMaxMoney) return LoanStatus::AmountTooLarge;
    return LoanStatus::Ok;
}

LoanStatus checkRate(double annualRatePercent)
{
    return std::isfinite(annualRatePercent) && annualRatePercent >= 0.0 ? LoanStatus::Ok : LoanStatus::InvalidInput;
}

// Installments per year from 1 up to the period limit, so the rate's divisor (times 100) stays small.
bool validPeriodsPerYear(int periodsPerYear)
{
    return periodsPerYear >= 1 && periodsPerYear <= limits::kMaxPeriods;
}

LoanStatus firstFault(std::initializer_list<LoanStatus> statuses)
{
    for (LoanStatus s : statuses) {
        if (s != LoanStatus::Ok) return s;
    }
    return LoanStatus::Ok;
}

// The period rate as the screens compute it: the installments per year times 100 first, then the division.
double periodRate(double annualRatePercent, int periodsPerYear)
{
    return annualRatePercent / static_cast<double>(periodsPerYear * 100);
}

// Repeated multiplication, one factor per period; the cents depend on this exact order.
double powerOfCount(double base, int count)
{
    double x = 1.0;
    for (int i = 0; i < count; ++i) x *= base;
    return x;
}

// At a rate of 0 the loan is repaid in equal parts.
double paymentFor(double principal, double r, int count)
{
    if (r == 0.0) return principal / count;
    double h = powerOfCount(1.0 + r, count);
    return principal * r * h / (h - 1.0);
}

// The payments of up to three rates at once. The three multiplication chains are independent, so they run
// side by side in the time of one; each is bit for bit the chain powerOfCount makes.
void paymentsFor(double principal, const double* rates, double* payments, int k, int count)
{
    double b[3] = {1.0 + rates[0], 1.0 + rates[k > 1 ? 1 : 0], 1.0 + rates[k > 2 ? 2 : 0]};
    double x[3] = {1.0, 1.0, 1.0};
    for (int i = 0; i < count; ++i) {
        x[0] *= b[0];
        x[1] *= b[1];
        x[2] *= b[2];
    }
    for (int j = 0; j < k; ++j)
        payments[j] = rates[j] == 0.0 ? principal / count : principal * rates[j] * x[j] / (x[j] - 1.0);
}

// The rate search's shortcut. Repeated multiplication differs from std::pow by at most about count x 2^-53
// relative (4e-12 at the period limit), and the payment formula magnifies a power's error by about
// 1 / (count x r) at most, which keeps the whole difference below 3e-9 even at the smallest period rate (the
// lowest step at 32,766 installments a year). A payment computed with std::pow that is below the target by
// more than this margin is surely below it when computed exactly. At 12 to 26 installments a year the
// payments of neighbouring steps lie at least 4e-5 apart, so one step at most is too close to call: it and
// the steps beside it are computed exactly, and any closer call goes on the direct way.
constexpr double kSureMargin = 1e-7;
// Powers this close to the largest double, or payments whose product principal x r x h comes within a factor
// of 4 of it, could overflow when computed exactly: such searches take the direct way.
constexpr double kLargestShortcutPower = 1e305;
constexpr double kOverflowGuard = 4.0;

}  // namespace

double periodRateOf(double annualRatePercent, int periodsPerYear)
{
    return periodRate(annualRatePercent, periodsPerYear);
}

double levelPaymentForPower(double principal, double r, double h, int n)
{
    if (r == 0.0) return principal / n;
    return principal * r * h / (h - 1.0);
}

double principalForPower(double payment, double r, double h, int n)
{
    if (r == 0.0) return payment * n;
    return payment * (h - 1.0) / (h * r);
}

double estimatedLevelPayment(double principal, double r, int n)
{
    return levelPaymentForPower(principal, r, std::pow(1.0 + r, n), n);
}

std::string_view statusName(LoanStatus status)
{
    switch (status) {
        case LoanStatus::Ok:
            return "Ok";
        case LoanStatus::InvalidInput:
            return "InvalidInput";
        case LoanStatus::AmountTooLarge:
            return "AmountTooLarge";
        case LoanStatus::TooFewPeriods:
            return "TooFewPeriods";
        case LoanStatus::TooManyPeriods:
            return "TooManyPeriods";
        case LoanStatus::PaymentTooLow:
            return "PaymentTooLow";
        case LoanStatus::PaymentBelowZeroRate:
            return "PaymentBelowZeroRate";
        case LoanStatus::ExceededHighInterest:
            return "ExceededHighInterest";
        case LoanStatus::ZeroRate:
            return "ZeroRate";
        case LoanStatus::NegativeExtra:
            return "NegativeExtra";
        case LoanStatus::NegativeStart:
            return "NegativeStart";
        case LoanStatus::ResultOutOfRange:
            return "ResultOutOfRange";
    }
    return "Unknown";
}

std::ostream& operator<<(std::ostream& out, LoanStatus status)
{
    return out << statusName(status);
}

PowerResult periodPower(double base, double periods)
{
    if (!std::isfinite(base) || !std::isfinite(periods)) return {LoanStatus::InvalidInput, 0.0, 0};
    std::optional<std::int16_t> n = toInt16(periods);
    if (!n) return {periods > 0 ? LoanStatus::TooManyPeriods : LoanStatus::TooFewPeriods, 0.0, 0};
    if (*n > limits::kMaxPeriods) return {LoanStatus::TooManyPeriods, 0.0, 0};
    double value = powerOfCount(base, *n);
    if (!std::isfinite(value)) return {LoanStatus::ResultOutOfRange, 0.0, *n};
    return {LoanStatus::Ok, value, *n};
}

PeriodCount installmentCount(int periodsPerYear, double durationYears)
{
    if (!validPeriodsPerYear(periodsPerYear) || !std::isfinite(durationYears)) return {LoanStatus::InvalidInput, 0};
    double n = roundHalfEven(static_cast<double>(periodsPerYear) * durationYears);
    if (n < 1.0) return {LoanStatus::TooFewPeriods, 0};
    if (n > limits::kMaxPeriods) return {LoanStatus::TooManyPeriods, 0};
    return {LoanStatus::Ok, static_cast<int>(n)};
}

double roundToMonth(double years)
{
    struct Step {
        double fractionBelow;
        double twelfths;
    };
    static constexpr std::array<Step, 12> kSteps{{{0.0417, 0.0},
                                                  {0.125, 0.083},
                                                  {0.2083, 0.167},
                                                  {0.2917, 0.25},
                                                  {0.375, 0.333},
                                                  {0.4583, 0.417},
                                                  {0.5417, 0.5},
                                                  {0.625, 0.583},
                                                  {0.7083, 0.667},
                                                  {0.7917, 0.75},
                                                  {0.875, 0.833},
                                                  {0.9583, 0.917}}};
    if (!std::isfinite(years)) return 0.0;
    double whole = std::floor(years);
    double fraction = years - whole;
    for (const Step& step : kSteps) {
        if (fraction < step.fractionBelow) return whole + step.twelfths;
    }
    return whole + 1.0;
}

PaymentResult levelPayment(double principal, double annualRatePercent, int periodsPerYear, double durationYears)
{
    if (LoanStatus s = firstFault({checkMoney(principal), checkRate(annualRatePercent)}); s != LoanStatus::Ok) {
        return {s, 0.0, 0};
    }
    PeriodCount n = installmentCount(periodsPerYear, durationYears);
    if (n.status != LoanStatus::Ok) return {n.status, 0.0, 0};
    double payment = paymentFor(principal, periodRate(annualRatePercent, periodsPerYear), n.count);
    if (!std::isfinite(payment)) return {LoanStatus::ResultOutOfRange, 0.0, n.count};
    return {LoanStatus::Ok, payment, n.count};
}

PrincipalResult loanPrincipal(double payment, double annualRatePercent, int periodsPerYear, double durationYears)
{
    if (LoanStatus s = firstFault({checkMoney(payment), checkRate(annualRatePercent)}); s != LoanStatus::Ok) {
        return {s, 0.0, 0};
    }
    PeriodCount n = installmentCount(periodsPerYear, durationYears);
    if (n.status != LoanStatus::Ok) return {n.status, 0.0, 0};
    double r = periodRate(annualRatePercent, periodsPerYear);
    double principal = payment * n.count;
    if (r != 0.0) {
        double h = powerOfCount(1.0 + r, n.count);
        principal = payment * (h - 1.0) / (h * r);
    }
    if (!std::isfinite(principal)) return {LoanStatus::ResultOutOfRange, 0.0, n.count};
    return {LoanStatus::Ok, principal, n.count};
}

DurationResult loanDuration(double principal, double payment, double annualRatePercent, int periodsPerYear)
{
    DurationResult r = durationFor(principal, payment, annualRatePercent, periodsPerYear);
    if (r.status != LoanStatus::Ok) return r;
    PaymentResult level = levelPayment(principal, annualRatePercent, periodsPerYear, r.durationYears);
    if (level.status != LoanStatus::Ok) return {level.status, 0.0, 0.0, 0};
    return {LoanStatus::Ok, r.durationYears, level.payment, level.periods};
}

DurationResult durationFor(double principal, double payment, double annualRatePercent, int periodsPerYear)
{
    if (LoanStatus s = firstFault({checkMoney(principal), checkMoney(payment), checkRate(annualRatePercent)});
        s != LoanStatus::Ok) {
        return {s, 0.0, 0.0, 0};
    }
    if (!validPeriodsPerYear(periodsPerYear)) return {LoanStatus::InvalidInput, 0.0, 0.0, 0};
    if (payment <= 0.0) return {LoanStatus::PaymentTooLow, 0.0, 0.0, 0};
    double r = periodRate(annualRatePercent, periodsPerYear);
    double share = principal * r / payment;  // the part of the payment the first period's interest takes
    if (share >= 1.0) return {LoanStatus::PaymentTooLow, 0.0, 0.0, 0};
    double installments = r == 0.0 ? principal / payment : std::log(1.0 / (1.0 - share)) / std::log(1.0 + r);
    if (!std::isfinite(installments)) return {LoanStatus::TooManyPeriods, 0.0, 0.0, 0};
    double years = roundToMonth(installments / periodsPerYear);
    PeriodCount n = installmentCount(periodsPerYear, years);
    if (n.status != LoanStatus::Ok) return {n.status, 0.0, 0.0, 0};
    return {LoanStatus::Ok, years, 0.0, n.count};
}

RateResult rateForPayment(double principal, double targetPayment, int periodsPerYear, double durationYears)
{
    if (LoanStatus s = firstFault({checkMoney(principal), checkMoney(targetPayment)}); s != LoanStatus::Ok) {
        return {s, 0, 0.0, 0.0, 0};
    }
    PeriodCount n = installmentCount(periodsPerYear, durationYears);
    if (n.status != LoanStatus::Ok) return {n.status, 0, 0.0, 0.0, 0};

    auto rateAtStep = [&](int index) { return periodRate(index * kRateStepPercent, periodsPerYear); };
    auto paymentAtStep = [&](int index) { return paymentFor(principal, rateAtStep(index), n.count); };
    auto result = [&](LoanStatus status, int index, double payment) -> RateResult {
        if (!std::isfinite(payment)) return {LoanStatus::ResultOutOfRange, 0, 0.0, 0.0, n.count};
        return {status, index, index * kRateStepPercent, payment, n.count};
    };
    // The step below 0.125 % is 0 %, which repays the loan in equal parts.
    const double zeroRatePayment = principal / n.count;
    if (targetPayment < zeroRatePayment) return {LoanStatus::PaymentBelowZeroRate, 0, 0.0, 0.0, n.count};
    // The closer of the first step that pays at least the target (`payment`) and the one below it (`previous`),
    // a tie going lower.
    auto choose = [&](int index, double payment, double previous) {
        double aboveBy = payment - targetPayment;
        double belowBy = targetPayment - previous;
        return belowBy > aboveBy ? result(LoanStatus::Ok, index, payment) : result(LoanStatus::Ok, index - 1, previous);
    };
    // The direct way: each step's payment by repeated multiplication, upwards from `first`.
    auto walkFrom = [&](int first, double previous) {
        for (int index = first; index <= kMaxRateIndex; ++index) {
            double payment = paymentAtStep(index);
            if (payment < targetPayment) {
                previous = payment;
                continue;
            }
            return choose(index, payment, previous);
        }
        return result(LoanStatus::ExceededHighInterest, kMaxRateIndex, paymentAtStep(kMaxRateIndex));
    };

    // Each exact payment takes one multiplication per installment (32,766 at the limit), so the search finds
    // the step first with std::pow and computes exactly only the steps the choice reads.
    if (!(principal > 0.0)) return walkFrom(1, zeroRatePayment);
    int close = kMaxRateIndex + 1;  // the first step not surely below the target
    for (int index = 1; index <= kMaxRateIndex; ++index) {
        double r = rateAtStep(index);
        double h = std::pow(1.0 + r, n.count);
        if (!(h <= kLargestShortcutPower) || !std::isfinite(principal * r * h * kOverflowGuard))
            return walkFrom(1, zeroRatePayment);
        if (principal * r * h / (h - 1.0) >= targetPayment * (1.0 - kSureMargin)) {
            close = index;
            break;
        }
    }
    if (close > kMaxRateIndex)
        return result(LoanStatus::ExceededHighInterest, kMaxRateIndex, paymentAtStep(kMaxRateIndex));

    // The step below the close one, the close one and the one above, in one pass.
    const int first = close - 1;
    const int last = std::min(close + 1, kMaxRateIndex);
    double rates[3] = {};
    double payments[3] = {};
    for (int index = first; index <= last; ++index) rates[index - first] = rateAtStep(index);
    paymentsFor(principal, rates, payments, last - first + 1, n.count);
    auto exact = [&](int index) { return payments[index - first]; };
    const double below = exact(close - 1);
    // Within the margin the step below is surely below the target; should it ever not be, the direct way decides.
    if (close > 1 && !(below < targetPayment)) return walkFrom(1, zeroRatePayment);
    if (!(exact(close) < targetPayment)) return choose(close, exact(close), below);
    if (close == kMaxRateIndex) return result(LoanStatus::ExceededHighInterest, kMaxRateIndex, exact(close));
    if (!(exact(close + 1) < targetPayment)) return choose(close + 1, exact(close + 1), exact(close));
    return walkFrom(close + 2, exact(close + 1));
}

PaymentResult interestOnlyPayment(double principal, double annualRatePercent, int periodsPerYear, bool isZeroRateText)
{
    if (LoanStatus s = firstFault({checkMoney(principal), checkRate(annualRatePercent)}); s != LoanStatus::Ok) {
        return {s, 0.0, 0};
    }
    if (!validPeriodsPerYear(periodsPerYear)) return {LoanStatus::InvalidInput, 0.0, 0};
    if (isZeroRateText || annualRatePercent == 0.0) return {LoanStatus::ZeroRate, 0.0, 0};
    const std::optional<PeriodRate> rate = PeriodRate::of(annualRatePercent, periodsPerYear);
    const std::optional<Cents> amount = centsOf(principal);
    if (!rate || !amount) return {LoanStatus::ResultOutOfRange, 0.0, 0};
    const Cents interest = *amount < 0 ? -rate->interestOn(-*amount) : rate->interestOn(*amount);
    return {LoanStatus::Ok, dollarsOf(interest), 0};
}

}  // namespace tv
