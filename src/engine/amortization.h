#pragma once

#include "engine/loan.h"

// Walking a loan's schedule installment by installment: the effect of extra payments, and the amount that
// pays a loan off after a given installment. Units as in engine/loan.h.
//
// Per installment, with r = (1 / periodsPerYear) x (annualRatePercent / 100): grown = balance x (1 + r)
// (the balance with this period's interest, also what would close the loan now), interest = grown - balance,
// principal = payment - interest, where payment is the level payment of engine/loan.h.
namespace tv {

enum class ExtraMode {
    PerInstallment,  // the extra with every installment after the start one
    OneTime,         // one extra, with the start installment
    Yearly,          // an extra with the start installment and every 12th installment after it, whatever the frequency
};

struct ExtraPayInput {
    double principal = 0.0;
    double annualRatePercent = 0.0;  // 0 for the "0.000" entry: no interest at all
    int periodsPerYear = 12;
    double durationYears = 0.0;   // already rounded to whole months
    bool isZeroRateText = false;  // the rate list shows "0.000": the interest is reported as 0
    ExtraMode mode = ExtraMode::PerInstallment;
    double extraAmount = 0.0;
    double startInstallment = 1.0;  // installment number as typed; installments are made while it exceeds their count
};

struct ExtraPayResult {
    LoanStatus status = LoanStatus::Ok;
    double payment = 0.0;              // the regular payment
    int installments = 0;              // installments made, the last (smaller) one included
    double years = 0.0;                // installments / periodsPerYear
    double lastPayment = 0.0;          // the `grown` of the last installment: what the last installment paid, with
                                       // the extra that closed the loan
    double totalInterest = 0.0;        // 0 for the "0.000" rate
    double totalPaid = 0.0;            // every regular payment, every extra and the interest: principal + interest
    double extrasPaid = 0.0;           // the extras actually paid, after any capping
    int yearlyCount = 0;               // yearly extras made (the one with the start installment included)
    bool lastYearlyCapped = false;     // a yearly extra was cut down to the balance, closing the loan
    bool paidOffBeforeStart = false;   // the regular installments repaid the loan before the start installment: no
                                       // extra was paid and the result is the plain schedule
    bool extraExceedsBalance = false;  // the one-time extra exceeded the balance: only the balance was paid, and
                                       // the loan ended with the start installment
};

// The schedule with extra payments (ExtraPay). Installments up to the start one are regular; the one-time
// extra and the first yearly extra are paid with the start installment, per-installment extras from the
// installment after it. Later installments run while the balance is above one cent per scheduled installment
// (durationYears x 0.01 x periodsPerYear). An installment whose `grown` is below the payment closes the loan
// with its balance; a per-installment extra that would overshoot shrinks to exactly what closes the loan; a
// yearly extra above the balance is cut to the balance (lastYearlyCapped), and so is a one-time extra
// (extraExceedsBalance). A start installment after the loan's last one gives the plain schedule
// (paidOffBeforeStart). Every loop stops at the scheduled installment count (plus a margin for the main walk,
// which never needs it): WalkNotFinished if it ever would. Negative extras or starts are refused.
ExtraPayResult amortizeWithExtras(const ExtraPayInput& input);

struct PayoffInput {
    double principal = 0.0;
    double annualRatePercent = 0.0;  // 0 for the "0.000" entry: no interest at all
    int periodsPerYear = 12;
    double durationYears = 0.0;    // already rounded to whole months
    bool isZeroRateText = false;   // the rate list shows "0.000": the interest is reported as 0
    double lastInstallment = 0.0;  // the last installment made before the payoff; 0 pays off before any
};

struct PayoffResult {
    LoanStatus status = LoanStatus::Ok;
    double payment = 0.0;  // the regular payment
    int installmentsMade = 0;
    double lowPayoff = 0.0;                 // the balance right after the last installment made
    double highPayoff = 0.0;                // that balance with one more period of interest
    double interestPaid = 0.0;              // interest in the installments made; 0 for the "0.000" rate
    double totalToPayOff = 0.0;             // installments made plus the low payoff (less the interest at "0.000")
    bool paidOffBeforeInstallment = false;  // the loan ended before lastInstallment: nothing is left to pay off
};

// The payoff after an installment (GetPayoff): regular installments up to lastInstallment, never past the
// loan's last one; the true payoff lies between the low and the high one, by the days since that installment.
PayoffResult payoffAfter(const PayoffInput& input);

}  // namespace tv
