#include "engine/amortization.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "common/rounding.h"
#include "engine/limits.h"

namespace tv {

namespace {

// Installments the main walk may make beyond the scheduled count before it gives up. Non-negative extras
// only shorten a schedule, so a walk that needs them has gone wrong.
constexpr int kWalkMargin = 12;

// Yearly extras recur every 12 installments, whatever the frequency.
constexpr int kInstallmentsBetweenYearlyExtras = 12;

// The running totals of one walk through a schedule.
struct Walk {
    double rate = 0.0;  // per installment
    double payment = 0.0;
    double balance = 0.0;
    double principalPaid = 0.0;  // includes the extras
    double interestPaid = 0.0;
    double extrasPaid = 0.0;
    double lastGrown = 0.0;
    int installments = 0;

    // The installments before and including the start one, without extras. Returns false when the loan is
    // repaid (its scheduled installments made, or nothing left) before the start installment; the rounding
    // residue is then counted as repaid, so the balance is exactly 0.
    bool payRegularUntil(double startInstallment, int scheduled)
    {
        while (startInstallment > installments) {
            if (installments >= scheduled || balance <= 0.0) {
                principalPaid += balance;
                balance = 0.0;
                return false;
            }
            double grown = balance * (1.0 + rate);
            double interest = grown - balance;
            double principal = grown < payment ? balance : payment - interest;
            balance -= principal;
            interestPaid += interest;
            principalPaid += principal;
            lastGrown = grown;
            ++installments;
        }
        return true;
    }

    void payExtra(double extra)
    {
        balance -= extra;
        principalPaid += extra;
        extrasPaid += extra;
    }

    double totalPaid() const { return principalPaid + interestPaid; }
};

double walkRate(double annualRatePercent, int periodsPerYear)
{
    return (1.0 / periodsPerYear) * (annualRatePercent / 100.0);
}

LoanStatus checkStart(double installment)
{
    if (!std::isfinite(installment)) return LoanStatus::InvalidInput;
    return installment < 0.0 ? LoanStatus::NegativeStart : LoanStatus::Ok;
}

LoanStatus checkExtra(double extra)
{
    if (!std::isfinite(extra)) return LoanStatus::InvalidInput;
    if (std::fabs(extra) > limits::kMaxMoney) return LoanStatus::AmountTooLarge;
    return extra < 0.0 ? LoanStatus::NegativeExtra : LoanStatus::Ok;
}

bool allFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

}  // namespace

ExtraPayResult amortizeWithExtras(const ExtraPayInput& input)
{
    ExtraPayResult out;
    PaymentResult level =
        levelPayment(input.principal, input.annualRatePercent, input.periodsPerYear, input.durationYears);
    out.status = level.status;
    if (out.status == LoanStatus::Ok) out.status = checkExtra(input.extraAmount);
    if (out.status == LoanStatus::Ok) out.status = checkStart(input.startInstallment);
    if (out.status != LoanStatus::Ok) return out;
    out.payment = level.payment;

    Walk walk{.rate = walkRate(input.annualRatePercent, input.periodsPerYear),
              .payment = level.payment,
              .balance = input.principal};
    if (!walk.payRegularUntil(input.startInstallment, level.periods)) {
        out.paidOffBeforeStart = true;
    } else {
        // The extra that goes with the start installment.
        double extra = input.extraAmount;
        double yearlyExtra = 0.0;
        long long nextYearly = 0;  // installment count of the next yearly extra; 0 never matches
        if (input.mode == ExtraMode::OneTime || input.mode == ExtraMode::Yearly) {
            double paid = extra;
            if (walk.balance < paid) {
                paid = std::max(walk.balance, 0.0);
                (input.mode == ExtraMode::OneTime ? out.extraExceedsBalance : out.lastYearlyCapped) = true;
            }
            walk.payExtra(paid);
            if (input.mode == ExtraMode::Yearly) {
                yearlyExtra = paid;
                nextYearly =
                    static_cast<long long>(roundHalfEven(input.startInstallment + kInstallmentsBetweenYearlyExtras));
                out.yearlyCount = 1;
            }
            extra = 0.0;
        }

        // The rest of the schedule, until the balance is within a cent per scheduled installment.
        double tolerance = input.durationYears * 0.01 * input.periodsPerYear;
        int bound = std::min(level.periods + kWalkMargin, limits::kMaxPeriods);
        while (tolerance < walk.balance) {
            if (walk.installments >= bound) {
                out.status = LoanStatus::WalkNotFinished;
                return out;
            }
            double grown = walk.balance * (1.0 + walk.rate);
            double interest = grown - walk.balance;
            double principal = walk.payment - interest;
            if (grown < walk.payment) {  // the last, smaller installment
                principal = walk.balance;
                extra = 0.0;
            }
            if (input.mode == ExtraMode::PerInstallment && principal + extra > walk.balance) {
                extra = grown - walk.payment;  // just what closes the loan
            }
            walk.balance = walk.balance - principal - extra;
            walk.interestPaid += interest;
            walk.principalPaid += principal + extra;
            walk.extrasPaid += extra;
            walk.lastGrown = grown;
            ++walk.installments;

            if (walk.balance > 0.0 && walk.installments == nextYearly) {
                if (walk.balance < yearlyExtra) {
                    yearlyExtra = walk.balance;  // this and every later yearly extra
                    out.lastYearlyCapped = true;
                }
                walk.payExtra(yearlyExtra);
                nextYearly += kInstallmentsBetweenYearlyExtras;
                ++out.yearlyCount;
            }
        }
    }

    // Totals are taken after the last extra, so the total paid includes every one of them.
    out.installments = walk.installments;
    out.years = static_cast<double>(walk.installments) / input.periodsPerYear;
    out.lastPayment = walk.lastGrown;
    out.extrasPaid = walk.extrasPaid;
    double totalPaid = walk.totalPaid();
    if (input.isZeroRateText) {  // the rate list's 0.0001 % stand-in leaves a trace of interest, removed here
        out.totalInterest = 0.0;
        out.totalPaid = totalPaid - walk.interestPaid;
    } else {
        out.totalInterest = walk.interestPaid;
        out.totalPaid = totalPaid;
    }
    if (!allFinite({out.lastPayment, out.totalInterest, out.totalPaid, out.extrasPaid})) {
        return {.status = LoanStatus::ResultOutOfRange};
    }
    return out;
}

PayoffResult payoffAfter(const PayoffInput& input)
{
    PayoffResult out;
    PaymentResult level =
        levelPayment(input.principal, input.annualRatePercent, input.periodsPerYear, input.durationYears);
    out.status = level.status;
    if (out.status == LoanStatus::Ok) out.status = checkStart(input.lastInstallment);
    if (out.status != LoanStatus::Ok) return out;
    out.payment = level.payment;

    Walk walk{.rate = walkRate(input.annualRatePercent, input.periodsPerYear),
              .payment = level.payment,
              .balance = input.principal};
    out.paidOffBeforeInstallment = !walk.payRegularUntil(input.lastInstallment, level.periods);

    out.installmentsMade = walk.installments;
    out.lowPayoff = walk.balance;
    out.highPayoff = walk.balance * (1.0 + walk.rate);
    double totalPaid = walk.totalPaid();
    if (input.isZeroRateText) {
        out.interestPaid = 0.0;
        out.totalToPayOff = walk.balance + totalPaid - walk.interestPaid;
    } else {
        out.interestPaid = walk.interestPaid;
        out.totalToPayOff = walk.balance + totalPaid;
    }
    if (!allFinite({out.lowPayoff, out.highPayoff, out.interestPaid, out.totalToPayOff})) {
        return {.status = LoanStatus::ResultOutOfRange};
    }
    return out;
}

}  // namespace tv
