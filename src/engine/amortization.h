#pragma once

#include <vector>

#include "engine/ledger.h"
#include "engine/loan.h"

// The loan walks of the main screen, read from the loan's ledger (engine/ledger.h): the effect of extra
// payments, and the amount that pays a loan off after a given installment. Units as in engine/loan.h; the
// level payment is the one of levelPayment, to the cent as the screen shows it.
namespace tv {

// The level payment of a loan (levelPayment's, bit for bit) with its ledger, whose payment is that payment to
// the cent, and, when `options` asks for extras (withExtras), the ledger with them too. The ledgers take
// their extras, notes and samples from `options`; principal, payment, rate and term from the loan. The
// payment's multiplications run inside the plain walk, on a payment to the cent first taken from std::pow
// (walked again in the rare case the two differ in the cents).
struct LoanLedgers {
    LoanStatus status = LoanStatus::Ok;
    double payment = 0.0;
    double principal = 0.0;
    int periods = 0;
    LedgerInput input;  // the plain ledger's input
    Ledger plain;
    Ledger withExtras;
};
LoanLedgers levelPaymentLedgers(double principal, double annualRatePercent, int periodsPerYear, double durationYears,
                                const LedgerInput& options = {});
// The same for the loan amount a payment repays (loanPrincipal's, bit for bit).
LoanLedgers loanPrincipalLedgers(double payment, double annualRatePercent, int periodsPerYear, double durationYears,
                                 const LedgerInput& options = {});

struct ExtraPayInput {
    double principal = 0.0;
    double annualRatePercent = 0.0;  // 0 for the "0.000" entry: no interest at all
    int periodsPerYear = 12;
    double durationYears = 0.0;  // already rounded to whole months
    ExtraMode mode = ExtraMode::PerInstallment;
    double extraAmount = 0.0;
    double startInstallment = 1.0;  // installment number as typed; installments are made while it exceeds their count
};

// The totals of a ledger, in dollars.
struct LedgerTotals {
    int installments = 0;
    double totalInterest = 0.0;
    double totalPaid = 0.0;
    double lastPayment = 0.0;
    std::vector<double> yearEnds;  // the balance at the start, after every yearsPerSample years and after the last
    int yearsPerSample = 1;        // yearsPerSampleOf the loan's term
};
LedgerTotals totalsOf(const Ledger& ledger);

struct ExtraPayResult {
    LoanStatus status = LoanStatus::Ok;
    double payment = 0.0;      // the regular payment, to the cent
    int installments = 0;      // installments made, the last (smaller) one included
    double years = 0.0;        // installments / periodsPerYear
    double lastPayment = 0.0;  // the last installment with the extra paid with it
    double totalInterest = 0.0;
    double totalPaid = 0.0;            // every regular payment, every extra and the interest: principal + interest
    double extrasPaid = 0.0;           // the extras actually paid, after any capping
    int yearlyCount = 0;               // yearly extras made (the one with the start installment included)
    bool lastYearlyCapped = false;     // a yearly extra was cut down to the balance, closing the loan
    bool paidOffBeforeStart = false;   // the loan was repaid before any extra was due: the plain schedule
    bool extraExceedsBalance = false;  // the one-time extra exceeded the balance: only the balance was paid
    LedgerTotals plain;                // the same loan without extras
    std::vector<double> yearEnds;      // the balance with extras, as LedgerTotals::yearEnds (the same samples)
};

// The schedule with extra payments (ExtraPay), from the ledger: installments up to the start one are
// regular; the one-time extra and the first yearly extra are paid with the start installment, later yearly
// ones with every periodsPerYear-th installment after it, per-installment extras with every installment
// after it. An extra that would pay more than the balance pays the balance. Negative extras or starts are
// refused.
ExtraPayResult amortizeWithExtras(const ExtraPayInput& input);

struct PayoffInput {
    double principal = 0.0;
    double annualRatePercent = 0.0;  // 0 for the "0.000" entry: no interest at all
    int periodsPerYear = 12;
    double durationYears = 0.0;    // already rounded to whole months
    double lastInstallment = 0.0;  // the last installment made before the payoff; 0 pays off before any
};

struct PayoffResult {
    LoanStatus status = LoanStatus::Ok;
    double payment = 0.0;  // the regular payment, to the cent
    int installmentsMade = 0;
    double lowPayoff = 0.0;                 // the ledger's balance right after the last installment made
    double highPayoff = 0.0;                // that balance with one more period's interest, to the cent
    double interestPaid = 0.0;              // the ledger's interest in the installments made
    double totalToPayOff = 0.0;             // installments made plus the low payoff
    bool paidOffBeforeInstallment = false;  // the loan ended before lastInstallment: nothing is left to pay off
    LedgerTotals plain;                     // the whole loan
};

// The payoff after an installment (GetPayoff); the true payoff lies between the low and the high one, by
// the days since that installment.
PayoffResult payoffAfter(const PayoffInput& input);

}  // namespace tv
