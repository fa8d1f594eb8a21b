#include "engine/loan.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <ostream>

#include "common/rounding.h"
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
    return std::isfinite(annualRatePercent) && annualRatePercent >= 0.0 ? LoanStatus::Ok
                                                                          : LoanStatus::InvalidInput;
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
    return computedRatePercent(annualRatePercent) / static_cast<double>(periodsPerYear * 100);
}

// Repeated multiplication, one factor per period; the cents depend on this exact order.
double powerOfCount(double base, int count)
{
    double x = 1.0;
    for (int i = 0; i < count; ++i) x *= base;
    return x;
}

double paymentFor(double principal, double r, int count)
{
    double h = powerOfCount(1.0 + r, count);
    return principal * r * h / (h - 1.0);
}

}  // namespace

std::string_view statusName(LoanStatus status)
{
    switch (status) {
    case LoanStatus::Ok: return "Ok";
    case LoanStatus::InvalidInput: return "InvalidInput";
    case LoanStatus::AmountTooLarge: return "AmountTooLarge";
    case LoanStatus::TooFewPeriods: return "TooFewPeriods";
    case LoanStatus::TooManyPeriods: return "TooManyPeriods";
    case LoanStatus::PaymentTooLow: return "PaymentTooLow";
    case LoanStatus::PaymentBelowZeroRate: return "PaymentBelowZeroRate";
    case LoanStatus::ExceededHighInterest: return "ExceededHighInterest";
    case LoanStatus::ZeroRate: return "ZeroRate";
    case LoanStatus::NegativeExtra: return "NegativeExtra";
    case LoanStatus::NegativeStart: return "NegativeStart";
    case LoanStatus::ResultOutOfRange: return "ResultOutOfRange";
    case LoanStatus::WalkNotFinished: return "WalkNotFinished";
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
    double h = powerOfCount(1.0 + r, n.count);
    double principal = payment * (h - 1.0) / (h * r);
    if (!std::isfinite(principal)) return {LoanStatus::ResultOutOfRange, 0.0, n.count};
    return {LoanStatus::Ok, principal, n.count};
}

DurationResult loanDuration(double principal, double payment, double annualRatePercent, int periodsPerYear)
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
    double installments = std::log(1.0 / (1.0 - share)) / std::log(1.0 + r);
    if (!std::isfinite(installments)) return {LoanStatus::TooManyPeriods, 0.0, 0.0, 0};
    double years = roundToMonth(installments / periodsPerYear);
    PaymentResult level = levelPayment(principal, annualRatePercent, periodsPerYear, years);
    if (level.status != LoanStatus::Ok) return {level.status, 0.0, 0.0, 0};
    return {LoanStatus::Ok, years, level.payment, level.periods};
}

RateResult rateForPayment(double principal, double targetPayment, int periodsPerYear, double durationYears)
{
    if (LoanStatus s = firstFault({checkMoney(principal), checkMoney(targetPayment)}); s != LoanStatus::Ok) {
        return {s, 0, 0.0, 0.0, 0};
    }
    PeriodCount n = installmentCount(periodsPerYear, durationYears);
    if (n.status != LoanStatus::Ok) return {n.status, 0, 0.0, 0.0, 0};

    auto paymentAtStep = [&](int index) {
        return paymentFor(principal, periodRate(index * kRateStepPercent, periodsPerYear), n.count);
    };
    auto result = [&](LoanStatus status, int index) -> RateResult {
        double payment = paymentAtStep(index);
        if (!std::isfinite(payment)) return {LoanStatus::ResultOutOfRange, 0, 0.0, 0.0, n.count};
        return {status, index, index * kRateStepPercent, payment, n.count};
    };

    // The step below 0.125 % is 0 %, which repays the loan in equal parts.
    double previous = principal / n.count;
    if (targetPayment < previous) return {LoanStatus::PaymentBelowZeroRate, 0, 0.0, 0.0, n.count};
    for (int index = 1; index <= kMaxRateIndex; ++index) {
        double payment = paymentAtStep(index);
        if (payment < targetPayment) {
            previous = payment;
            continue;
        }
        double aboveBy = payment - targetPayment;
        double belowBy = targetPayment - previous;
        return result(LoanStatus::Ok, belowBy > aboveBy ? index : index - 1);
    }
    return result(LoanStatus::ExceededHighInterest, kMaxRateIndex);
}

PaymentResult interestOnlyPayment(double principal, double annualRatePercent, int periodsPerYear,
                                  bool isZeroRateText)
{
    if (LoanStatus s = firstFault({checkMoney(principal), checkRate(annualRatePercent)}); s != LoanStatus::Ok) {
        return {s, 0.0, 0};
    }
    if (!validPeriodsPerYear(periodsPerYear)) return {LoanStatus::InvalidInput, 0.0, 0};
    if (isZeroRateText || annualRatePercent == 0.0) return {LoanStatus::ZeroRate, 0.0, 0};
    double payment = principal * annualRatePercent / static_cast<double>(periodsPerYear * 100);
    if (!std::isfinite(payment)) return {LoanStatus::ResultOutOfRange, 0.0, 0};
    return {LoanStatus::Ok, payment, 0};
}

}  // namespace tv
