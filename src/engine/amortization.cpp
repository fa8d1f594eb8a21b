#include "engine/amortization.h"

#include <cmath>
#include <optional>

#include "common/rounding.h"
#include "engine/limits.h"

namespace tv {

namespace {

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

// Walks the ledgers of `in` (with extras when asked), the plain one carrying the payment's power when asked.
void walk(const LedgerInput& in, LoanLedgers& out)
{
    if (in.withExtras) {
        LedgerPair pair = loanLedgers(in);
        out.plain = std::move(pair.plain);
        out.withExtras = std::move(pair.withExtras);
    } else {
        out.plain = loanLedger(in);
    }
}

// What levelPayment would refuse of a loan, without computing its payment.
LoanStatus loanFault(double principal, double annualRatePercent, int periodsPerYear, double durationYears)
{
    if (!std::isfinite(principal)) return LoanStatus::InvalidInput;
    if (std::fabs(principal) > limits::kMaxMoney) return LoanStatus::AmountTooLarge;
    if (!std::isfinite(annualRatePercent) || annualRatePercent < 0) return LoanStatus::InvalidInput;
    return installmentCount(periodsPerYear, durationYears).status;
}

// A payment estimate this far from a half cent (relative) has the cents of the exact payment.
constexpr double kSureOfCents = 1e-8;

bool centsAreSure(double estimate)
{
    const double cents = std::fabs(estimate) * 100;
    return std::fabs(cents - std::floor(cents) - 0.5) > cents * kSureOfCents;
}

}  // namespace

namespace {

LoanLedgers faulty(LoanStatus status)
{
    LoanLedgers out;
    out.status = status;
    return out;
}

// The loan's amounts for a power h = (1 + r)^n: the principal and the payment, one of them given.
struct Amounts {
    double principal = 0.0;
    double payment = 0.0;
};

// Solves one amount of a loan from the power (1 + r)^n and walks its ledgers. The power is taken inside the
// plain walk, on amounts to the cent first taken from std::pow; should the exact amounts differ in the cents
// (or the estimate be too close to a half cent to tell), the ledgers are walked again on the exact ones.
template <class Solve>
LoanLedgers solveWithLedgers(double annualRatePercent, int periodsPerYear, int n, const LedgerInput& options,
                             Solve amountsFor)
{
    LoanLedgers out;
    out.periods = n;
    auto fail = [&out](LoanStatus status) {
        out.status = status;
        return out;
    };
    LedgerInput in = options;
    in.annualRatePercent = annualRatePercent;
    in.periodsPerYear = periodsPerYear;
    in.term = n;
    in.yearsPerSample = yearsPerSampleOf(n, periodsPerYear);
    const double r = periodRateOf(annualRatePercent, periodsPerYear);
    auto inCents = [&in](const Amounts& a) {
        const std::optional<Cents> principal = centsOf(a.principal);
        const std::optional<Cents> payment = centsOf(a.payment);
        if (!principal || !payment) return false;
        in.principal = *principal;
        in.payment = *payment;
        return true;
    };
    Amounts exact;
    const Amounts estimate = amountsFor(std::pow(1.0 + r, n));
    if (r != 0.0 && centsAreSure(estimate.principal) && centsAreSure(estimate.payment) && inCents(estimate)) {
        in.withPower = true;
        walk(in, out);
        in.withPower = false;
        exact = amountsFor(out.plain.power);
        if (centsOf(exact.principal) == in.principal && centsOf(exact.payment) == in.payment) {
            out.payment = exact.payment;
            out.principal = exact.principal;
            out.input = in;
            return out;
        }
    } else {
        const PowerResult power = periodPower(1.0 + r, n);
        if (power.status != LoanStatus::Ok) return fail(power.status);
        exact = amountsFor(power.value);
    }
    if (!std::isfinite(exact.principal) || !std::isfinite(exact.payment)) return fail(LoanStatus::ResultOutOfRange);
    out.payment = exact.payment;
    out.principal = exact.principal;
    if (!inCents(exact)) return fail(LoanStatus::ResultOutOfRange);
    walk(in, out);
    out.input = in;
    return out;
}

}  // namespace

LoanLedgers levelPaymentLedgers(double principal, double annualRatePercent, int periodsPerYear, double durationYears,
                                const LedgerInput& options)
{
    if (LoanStatus fault = loanFault(principal, annualRatePercent, periodsPerYear, durationYears);
        fault != LoanStatus::Ok)
        return faulty(fault);
    const int n = installmentCount(periodsPerYear, durationYears).count;
    const double r = periodRateOf(annualRatePercent, periodsPerYear);
    return solveWithLedgers(annualRatePercent, periodsPerYear, n, options, [&](double h) {
        return Amounts{principal, levelPaymentForPower(principal, r, h, n)};
    });
}

LoanLedgers loanPrincipalLedgers(double payment, double annualRatePercent, int periodsPerYear, double durationYears,
                                 const LedgerInput& options)
{
    if (LoanStatus fault = loanFault(payment, annualRatePercent, periodsPerYear, durationYears);
        fault != LoanStatus::Ok)
        return faulty(fault);
    const int n = installmentCount(periodsPerYear, durationYears).count;
    const double r = periodRateOf(annualRatePercent, periodsPerYear);
    return solveWithLedgers(annualRatePercent, periodsPerYear, n, options, [&](double h) {
        return Amounts{principalForPower(payment, r, h, n), payment};
    });
}

LedgerTotals totalsOf(const Ledger& ledger)
{
    LedgerTotals t;
    t.installments = ledger.installments;
    t.totalInterest = dollarsOf(ledger.totalInterest);
    t.totalPaid = dollarsOf(ledger.totalPaid);
    t.lastPayment = dollarsOf(ledger.lastPayment);
    t.yearsPerSample = 1;
    t.yearEnds.reserve(ledger.yearEnds.size());
    for (Cents c : ledger.yearEnds) t.yearEnds.push_back(dollarsOf(c));
    return t;
}

ExtraPayResult amortizeWithExtras(const ExtraPayInput& input)
{
    ExtraPayResult out;
    out.status = loanFault(input.principal, input.annualRatePercent, input.periodsPerYear, input.durationYears);
    if (out.status == LoanStatus::Ok) out.status = checkExtra(input.extraAmount);
    if (out.status == LoanStatus::Ok) out.status = checkStart(input.startInstallment);
    if (out.status != LoanStatus::Ok) return out;
    LedgerInput options;
    options.withExtras = true;
    options.mode = input.mode;
    options.extra = centsOf(input.extraAmount).value_or(0);
    options.start = extraStart(input.startInstallment).value_or(0);
    options.keepYearEnds = true;
    const LoanLedgers ledgers = levelPaymentLedgers(input.principal, input.annualRatePercent, input.periodsPerYear,
                                                    input.durationYears, options);
    const Ledger& with = ledgers.withExtras;
    out.status = ledgers.status;
    if (out.status == LoanStatus::Ok) out.status = with.status != LoanStatus::Ok ? with.status : ledgers.plain.status;
    if (out.status != LoanStatus::Ok) return ExtraPayResult{.status = out.status, .plain = {}, .yearEnds = {}};

    out.payment = dollarsOf(ledgers.input.payment);
    out.installments = with.installments;
    out.years = static_cast<double>(with.installments) / input.periodsPerYear;
    out.lastPayment = dollarsOf(with.lastPayment);
    out.totalInterest = dollarsOf(with.totalInterest);
    out.totalPaid = dollarsOf(with.totalPaid);
    out.extrasPaid = dollarsOf(with.extrasPaid);
    out.yearlyCount = with.yearlyExtras;
    out.paidOffBeforeStart = with.endedBeforeExtras;
    out.lastYearlyCapped = input.mode == ExtraMode::Yearly && with.extraCapped;
    out.extraExceedsBalance = input.mode == ExtraMode::OneTime && with.extraCapped;
    out.plain = totalsOf(ledgers.plain);
    out.plain.yearsPerSample = ledgers.input.yearsPerSample;
    out.yearEnds = totalsOf(with).yearEnds;
    return out;
}

PayoffResult payoffAfter(const PayoffInput& input)
{
    PayoffResult out;
    out.status = loanFault(input.principal, input.annualRatePercent, input.periodsPerYear, input.durationYears);
    if (out.status == LoanStatus::Ok) out.status = checkStart(input.lastInstallment);
    if (out.status != LoanStatus::Ok) return out;
    LedgerInput options;
    options.noteAfter = extraStart(input.lastInstallment).value_or(0);
    options.keepYearEnds = true;
    const LoanLedgers ledgers = levelPaymentLedgers(input.principal, input.annualRatePercent, input.periodsPerYear,
                                                    input.durationYears, options);
    const Ledger& ledger = ledgers.plain;
    out.status = ledgers.status != LoanStatus::Ok ? ledgers.status : ledger.status;
    if (out.status != LoanStatus::Ok) return PayoffResult{.status = out.status, .plain = {}};
    const std::optional<PeriodRate> rate = PeriodRate::of(input.annualRatePercent, input.periodsPerYear);
    const LedgerPoint& at = ledger.noted;
    out.payment = dollarsOf(ledgers.input.payment);
    out.installmentsMade = at.installments;
    out.lowPayoff = dollarsOf(at.balance);
    out.highPayoff = dollarsOf(at.balance + (rate ? rate->interestOn(at.balance) : 0));
    out.interestPaid = dollarsOf(at.totalInterest);
    out.totalToPayOff = dollarsOf(at.totalPaid + at.balance);
    out.paidOffBeforeInstallment = !ledger.notedReached;
    out.plain = totalsOf(ledger);
    out.plain.yearsPerSample = ledgers.input.yearsPerSample;
    return out;
}

}  // namespace tv
