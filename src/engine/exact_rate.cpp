#include "engine/exact_rate.h"

#include <cmath>

#include "engine/limits.h"

namespace tv {

namespace {

// Steps smaller than this (in percent a year) end the solve.
constexpr double kRateTolerancePercent = 1e-10;
// Far more than the solve ever needs: Newton converges in a handful of steps, bisection in about 60.
constexpr int kMaxIterations = 400;

// d/dr of principal x r / (1 - (1 + r)^-n).
double paymentSlope(double principal, double r, int n)
{
    // Near zero the exact form cancels; its limit principal x (n + 1) / (2n) serves there.
    if (r < 1e-9) return principal * (n + 1.0) / (2.0 * n);
    double d = -std::expm1(-n * std::log1p(r));                // 1 - (1 + r)^-n
    double dPrime = n * std::exp(-(n + 1.0) * std::log1p(r));  // n (1 + r)^-(n+1)
    return principal * (d - r * dPrime) / (d * d);
}

}  // namespace

double exactLevelPayment(double principal, double periodRate, int installments)
{
    if (installments <= 0) return 0.0;
    if (periodRate == 0.0) return principal / installments;
    double d = -std::expm1(-installments * std::log1p(periodRate));
    return principal * periodRate / d;
}

ExactRateResult exactRateForPayment(double principal, double targetPayment, int periodsPerYear, double durationYears)
{
    if (!std::isfinite(principal) || !std::isfinite(targetPayment)) return {LoanStatus::InvalidInput, 0.0, 0, 0};
    if (std::fabs(principal) > limits::kMaxMoney || std::fabs(targetPayment) > limits::kMaxMoney)
        return {LoanStatus::AmountTooLarge, 0.0, 0, 0};
    if (principal <= 0.0 || targetPayment <= 0.0) return {LoanStatus::InvalidInput, 0.0, 0, 0};
    PeriodCount count = installmentCount(periodsPerYear, durationYears);
    if (count.status != LoanStatus::Ok) return {count.status, 0.0, 0, 0};
    const int n = count.count;

    const double zeroRatePayment = principal / n;
    if (targetPayment < zeroRatePayment) return {LoanStatus::PaymentBelowZeroRate, 0.0, n, 0};
    if (targetPayment == zeroRatePayment) return {LoanStatus::Ok, 0.0, n, 0};

    const double toPercent = periodsPerYear * 100.0;
    double lo = 0.0;
    double hi = targetPayment / principal;
    // A payment many times a tiny amount (1e-305) asks for a rate beyond any double.
    if (!std::isfinite(hi * toPercent)) return {LoanStatus::ResultOutOfRange, 0.0, n, 0};
    // For long loans the payment is close to principal x r, less a share of principal / n.
    double r = hi - 1.0 / n;
    if (!(r > lo && r < hi)) r = hi / 2;
    for (int i = 1; i <= kMaxIterations; ++i) {
        double f = exactLevelPayment(principal, r, n) - targetPayment;
        if (f == 0.0) return {LoanStatus::Ok, r * toPercent, n, i};
        if (f < 0.0)
            lo = r;
        else
            hi = r;
        double next = r - f / paymentSlope(principal, r, n);
        if (!(next > lo && next < hi)) next = lo + (hi - lo) / 2;
        bool settled = std::fabs(next - r) * toPercent < kRateTolerancePercent;
        r = next;
        if (settled || hi - lo <= 0.0) return {LoanStatus::Ok, r * toPercent, n, i};
    }
    return {LoanStatus::ResultOutOfRange, 0.0, n, kMaxIterations};
}

}  // namespace tv
