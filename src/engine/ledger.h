#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "common/rounding.h"
#include "engine/loan.h"

// The one ledger of a loan: its schedule in whole cents, as a lender keeps it. Every figure of a loan (totals,
// payoff, the walks with extra payments, the table's schedule, the charts) is read from it.
//
// Per installment k = 1..term: interest_k = balance_(k-1) x the period rate, rounded to the cent with halves
// up, computed exactly from the rate's decimal digits; principal_k = payment - interest_k; balance_k =
// balance_(k-1) - principal_k - extra_k. The installment whose principal reaches the balance, and in any
// case the term's last, pays the balance off (principal = balance, payment = balance + interest): a balloon
// when the level payment does not repay the loan in its term.
namespace tv {

enum class ExtraMode {
    PerInstallment,  // the extra with every installment after the start one
    OneTime,         // one extra, with the start installment
    Yearly,          // an extra with the start installment and every periodsPerYear-th installment after it
};

// A period's interest rate as an exact fraction: annualRatePercent / (periodsPerYear x 100), the percent
// taken to 12 significant digits (a typed 7.452 is exactly 7452 / 1000).
class PeriodRate {
public:
    // Nothing for a rate that is negative, not finite, or above kMaxLedgerRatePercent, or for more than
    // kMaxPeriodsPerYear periods a year (the screens have 26).
    static std::optional<PeriodRate> of(double annualRatePercent, int periodsPerYear);
    static constexpr int kMaxPeriodsPerYear = 1000;

    // balance x rate to the cent, halves up (balance from 0 to 2^62 cents).
    Cents interestOn(Cents balance) const
    {
        if (!m_fast) return exactInterest(balance, m_numerator, m_denominator);
        // b x R with R = 2^64 x rate rounded up: never below the exact product, and above it by less than b
        // units of 2^-64. Adding one half, the whole part is the rounded interest unless the fraction left is
        // below b units, where the exact value may lie just under the next whole cent: that rare case is
        // computed exactly.
        const UInt128 scaled =
            static_cast<UInt128>(static_cast<std::uint64_t>(balance)) * m_reciprocal + (static_cast<UInt128>(1) << 63);
        if (static_cast<std::uint64_t>(scaled) < static_cast<std::uint64_t>(balance)) [[unlikely]]
            return exactInterest(balance, m_numerator, m_denominator);
        return static_cast<Cents>(scaled >> 64);
    }

    // The interests of the three installments after this one, straight from this one's balance b, when each
    // takes `leaving` off the balance besides its interest (the payment and any extra): so four installments
    // need not wait for each other. Without the roundings, the (j + 1)-th installment after b would pay
    // G_j = b x rate x (1 + rate)^j + (1/2 - leaving) x ((1 + rate)^j - 1) + 1/2 in cents before taking the whole
    // part; each rounding drops a fraction below one cent, which lowers G_j by less than (1 + rate)^j - 1. So
    // the whole part of G_j is the interest whenever G_j's fraction is at least that (and not too close to the
    // next whole cent to call, given the fixed-point products); otherwise the caller goes one by one.
    struct Ahead {
        std::uint64_t slope[3];  // 2^64 x rate x (1 + rate)^j, j = 1..3
        UInt128 offset[3];       // 2^64 x G_j at a balance of 0 (modulo 2^128)
        std::uint64_t least[3];  // the smallest fraction that calls G_j
    };
    Ahead ahead(Cents leaving) const;
    // The interest of installment j + 1 after balance b, or -1 when G_j cannot call it.
    static Cents interestAhead(const Ahead& a, int j, Cents balance)
    {
        const UInt128 scaled = static_cast<UInt128>(static_cast<std::uint64_t>(balance)) * a.slope[j] + a.offset[j];
        const auto fraction = static_cast<std::uint64_t>(scaled);
        if (fraction < a.least[j] || fraction > ~kAheadMargin) [[unlikely]]
            return -1;
        return static_cast<Cents>(static_cast<std::uint64_t>(scaled >> 64));
    }

    // The walk may take installments four at a time (ahead is meaningful).
    bool guesses() const { return m_fast; }
    // The fixed-point products are within 2^51 units of 2^-64 of the exact values for balances and amounts
    // below this many cents (10^12 dollars and more); larger ones go one by one.
    static constexpr Cents kAheadLimit = Cents{1} << 47;

private:
    static constexpr std::uint64_t kAheadMargin = std::uint64_t{1} << 52;
    static Cents exactInterest(Cents balance, UInt128 numerator, UInt128 denominator);

    UInt128 m_numerator = 0;         // the rate is m_numerator / m_denominator per period
    UInt128 m_denominator = 1;       // a power of ten x periodsPerYear x 100
    std::uint64_t m_reciprocal = 0;  // R = ceil(2^64 x rate), when m_fast
    bool m_fast = false;             // the rate is below 1/8 a period
};

// Rates above this (percent a year; the screens go to 25) have no ledger: with the largest balance a ledger
// keeps, a period's interest stays within 64-bit cents.
inline constexpr double kMaxLedgerRatePercent = 1000;

struct LedgerInput {
    Cents principal = 0;
    Cents payment = 0;  // the level payment as shown, to the cent
    double annualRatePercent = 0.0;
    int periodsPerYear = 12;
    int term = 0;  // installments; the last pays the balance off

    // Extra payments (none unless withExtras).
    bool withExtras = false;
    ExtraMode mode = ExtraMode::PerInstallment;
    Cents extra = 0;
    // Regular installments made before the first extra: the one-time and the first yearly extra go with
    // installment `start` (before any installment when 0), per-installment extras with every one after it.
    int start = 0;

    int noteAfter = -1;         // note the state after this installment (a payoff) in Ledger::noted
    bool keepLines = false;     // fill Ledger::lines
    bool keepYearEnds = false;  // fill Ledger::yearEnds
    int yearsPerSample = 1;     // the years between two of Ledger::yearEnds
    // Also raise 1 + the period rate (periodRateOf) to the term's power by repeated multiplication, as the
    // payment formulas of engine/loan.h do, into Ledger::power: the walk hides the multiplications' wait.
    bool withPower = false;
};

// One installment, in cents. Line 0 holds the loan amount as its balance and nothing else.
struct LedgerLine {
    Cents payment = 0;  // the installment: the level payment, or what the last one takes
    Cents principal = 0;
    Cents interest = 0;
    Cents extra = 0;          // the extra paid with it
    Cents balance = 0;        // after the installment and its extra
    Cents totalInterest = 0;  // of every installment up to this one
};

// Where a loan stands after an installment.
struct LedgerPoint {
    int installments = 0;  // made so far
    Cents balance = 0;
    Cents totalInterest = 0;
    Cents totalPaid = 0;
};

struct Ledger {
    LoanStatus status = LoanStatus::Ok;
    int installments = 0;  // made, the last included
    Cents balance = 0;     // left after them: 0 once the loan is repaid
    Cents totalInterest = 0;
    Cents totalPaid = 0;  // every installment and every extra
    Cents extrasPaid = 0;
    Cents lastPayment = 0;           // the last installment with the extra paid with it
    bool repaid = false;             // the balance reached 0
    int yearlyExtras = 0;            // yearly extras due while the loan ran (capped ones included)
    bool extraCapped = false;        // a one-time or yearly extra was more than the balance: the balance was paid
    bool endedBeforeExtras = false;  // the loan was repaid before any extra was due: the plain schedule
    double power = 1.0;              // when withPower
    // After installment noteAfter, or at the end when the loan ended before it (notedReached false).
    LedgerPoint noted;
    bool notedReached = false;
    std::vector<LedgerLine> lines;  // when keepLines: line 0, then one per installment
    std::vector<Cents> yearEnds;    // when keepYearEnds: the balance at the start, after every yearsPerSample x
                                    // periodsPerYear-th installment, and after the last one
};

// The ledger of a loan. InvalidInput for negative amounts or counts, a term beyond limits::kMaxPeriods, or a
// rate PeriodRate refuses; AmountTooLarge for amounts beyond limits::kMaxMoney.
Ledger loanLedger(const LedgerInput& input);

// The plain ledger and the one with extras of the same loan, walked side by side (the two walks are
// independent, so together they take about the time of one).
struct LedgerPair {
    Ledger plain;
    Ledger withExtras;
};
LedgerPair loanLedgers(const LedgerInput& withExtras);

// The years between two samples of a balance by year that keep a curve of a loan of `installments` to at most
// maxPoints points: 1 up to maxPoints - 2 whole years.
int yearsPerSampleOf(int installments, int periodsPerYear, int maxPoints = 121);

// The regular installments made before the first extra for a start typed as `startInstallment`: installments
// are made while it exceeds their count, so 12 gives 12 and 12.5 gives 13. Nothing for a negative or
// non-finite start; a start beyond the installment limit is cut to one past it.
std::optional<int> extraStart(double startInstallment);

}  // namespace tv
