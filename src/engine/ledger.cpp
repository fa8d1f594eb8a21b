#include "engine/ledger.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/limits.h"

namespace tv {

namespace {

// Balances beyond this many cents (10^15 dollars) end a walk as out of range: their interest, at up to
// kMaxLedgerRatePercent, would leave 64-bit cents.
constexpr Cents kMaxLedgerCents = 100'000'000'000'000'000;

UInt128 powerOfTen(int exponent)
{
    UInt128 p = 1;
    for (int i = 0; i < exponent; ++i) p *= 10;
    return p;
}

// Where a run of ordinary installments left a walk.
struct Run {
    Cents balance = 0;
    Cents interest = 0;  // the interest of the run
    int next = 0;        // the next installment
    double power = 1.0;  // the power carried along, one factor more for every installment of the run
    int untilDue = 0;    // installments until the next yearly extra, as at the start of the run
    int dues = 0;        // yearly extras paid in the run
};

// How a run pays yearly extras: the next one with the untilDue-th installment, then every `every`.
struct Dues {
    int untilDue = 0;  // 0: none
    int every = 0;
    Cents extra = 0;
};

// Installments first..last, none of them the term's last, each taking `leaving` off the balance besides its
// interest (the payment and a constant extra) and the yearly ones `dues.extra` more: four at a time where
// PeriodRate::ahead can call the three after the first and none but the fourth takes a yearly extra, else one.
// Stops, leaving the rest to the walk's own steps, before an installment that would close the loan (or pay
// a capped extra) or pay less than its interest. Its figures are locals, so they stay in registers.
template <bool kPower>
[[gnu::noinline]] Run runOrdinary(const PeriodRate& rate, const PeriodRate::Ahead& a, Cents balance, int first,
                                  int last, Cents leaving, Cents payment, double power, double factor, Dues dues)
{
    Cents interest = 0;
    int k = first;
    int untilDue = dues.untilDue > 0 ? dues.untilDue : std::numeric_limits<int>::max();
    int paidDues = 0;
    while (k <= last) {
        // A yearly extra with the fourth of the four changes none of their interests.
        if (k + 3 <= last && untilDue >= 4 && balance < PeriodRate::kAheadLimit &&
            leaving + dues.extra < PeriodRate::kAheadLimit) {
            const bool fourthDue = untilDue == 4;
            const Cents q1 = rate.interestOn(balance);
            const Cents q2 = PeriodRate::interestAhead(a, 0, balance);
            const Cents q3 = PeriodRate::interestAhead(a, 1, balance);
            const Cents q4 = PeriodRate::interestAhead(a, 2, balance);
            const Cents after = balance + q1 + q2 + q3 + q4 - 4 * leaving - (fourthDue ? dues.extra : 0);
            // The balances fall from one installment to the next, so the fourth's above zero closes none.
            if (q1 <= payment && (q2 | q3 | q4) >= 0 && after > 0) [[likely]] {
                balance = after;
                interest += q1 + q2 + q3 + q4;
                k += 4;
                untilDue -= 4;
                if (fourthDue) {
                    untilDue = dues.every;
                    ++paidDues;
                }
                if constexpr (kPower) power = power * factor * factor * factor * factor;
                continue;
            }
        }
        const bool due = untilDue == 1;
        const Cents q = rate.interestOn(balance);
        const Cents after = balance + q - leaving - (due ? dues.extra : 0);
        if (q > payment || after <= 0) break;
        balance = after;
        interest += q;
        ++k;
        if constexpr (kPower) power *= factor;
        if (due) {
            untilDue = dues.every;
            ++paidDues;
        } else {
            --untilDue;
        }
    }
    return {balance, interest, k, power, dues.untilDue > 0 ? untilDue : 0, paidDues};
}

// What a walk reads of its rate: the rate itself, and what PeriodRate::ahead makes of the payment (and of the
// payment with a per-installment extra). Kept by the caller, so a walk that passes them on keeps its own
// figures in registers.
struct Rates {
    PeriodRate rate;
    PeriodRate::Ahead plain{};
    PeriodRate::Ahead withExtra{};
};

Rates ratesFor(const LedgerInput& in, const PeriodRate& rate)
{
    Rates r{rate, {}, {}};
    if (rate.guesses()) {
        r.plain = rate.ahead(in.payment);
        if (in.withExtras && in.mode == ExtraMode::PerInstallment) r.withExtra = rate.ahead(in.payment + in.extra);
    }
    return r;
}

// One walk through a ledger, installment by installment, recording what its input asks for. The loop keeps
// only the balance, the interest and the extras running (what was paid follows from them: the principal
// repaid plus the interest); the last installment and the notes are the rare paths.
template <bool kExtras, bool kLines>
class Walk {
public:
    Walk(const LedgerInput& in, const Rates& rates, Ledger& out)
        : m_in(in), m_rates(rates), m_rate(rates.rate), m_out(out)
    {
        m_balance = in.principal;
        m_untilYearly = in.start > 0 ? in.start : in.periodsPerYear;
        m_factor = 1.0 + periodRateOf(in.annualRatePercent, in.periodsPerYear);
        m_sampleLength = in.periodsPerYear * std::clamp(in.yearsPerSample, 1, limits::kMaxPeriods);
        m_untilYearEnd = m_sampleLength;
        if constexpr (kLines) {
            m_out.lines.reserve(static_cast<std::size_t>(in.term) + 1);
            m_out.lines.push_back({0, 0, 0, 0, m_balance, 0});
        }
        if (in.keepYearEnds) {
            m_out.yearEnds.reserve(static_cast<std::size_t>(in.term / m_sampleLength) + 2);
            m_out.yearEnds.push_back(m_balance);
        }
        if (kExtras && in.start == 0 && in.mode != ExtraMode::PerInstallment) {
            m_anyDue = true;
            if (in.mode == ExtraMode::Yearly) ++m_yearlyExtras;
            const Cents extra = std::min(in.extra, m_balance);
            m_extraCapped = in.extra > extra;
            m_balance -= extra;
            m_extrasPaid = m_lastPayment = extra;
            if constexpr (kLines) m_out.lines.front() = {0, 0, 0, extra, m_balance, 0};
            if (in.keepYearEnds) m_out.yearEnds.front() = m_balance;
        }
        if (in.noteAfter == 0) note(0);
        if (m_balance == 0) finish(0);
    }

    bool active() const { return m_active; }

    // The installments up to the next one that is out of the ordinary (a year's end, a note, an extra that
    // starts or stops, the term's last), four at a time where they can; then the next one.
    [[gnu::always_inline]] void advance()
    {
        if (!kLines && m_rate.guesses() && m_in.periodsPerYear >= 2) {
            int last = std::min(m_in.term - 1, m_k + m_untilYearEnd - 1);
            if (m_in.noteAfter >= m_k) last = std::min(last, m_in.noteAfter - 1);
            Cents extra = 0;
            bool due = false;
            Dues dues;
            if constexpr (kExtras) {
                if (m_in.mode == ExtraMode::PerInstallment) {
                    due = m_k > m_in.start;
                    if (due)
                        extra = m_in.extra;
                    else
                        last = std::min(last, m_in.start);
                } else if (m_in.mode == ExtraMode::OneTime) {
                    if (m_k <= m_in.start) last = std::min(last, m_in.start - 1);
                } else {
                    dues = {m_untilYearly, m_in.periodsPerYear, m_in.extra};
                }
            }
            if (last >= m_k) {
                const PeriodRate::Ahead& a = extra == 0 ? m_rates.plain : m_rates.withExtra;
                const Cents leaving = m_in.payment + extra;
                const Run run = m_in.withPower ? runOrdinary<true>(m_rate, a, m_balance, m_k, last, leaving,
                                                                   m_in.payment, m_power, m_factor, dues)
                                               : runOrdinary<false>(m_rate, a, m_balance, m_k, last, leaving,
                                                                    m_in.payment, 1.0, 1.0, dues);
                m_power = run.power;
                const int done = run.next - m_k;
                if (done > 0) {
                    m_balance = run.balance;
                    m_totalInterest += run.interest;
                    m_k = run.next;
                    if constexpr (kExtras) {
                        m_extrasPaid += extra * done + m_in.extra * run.dues;
                        m_anyDue = m_anyDue || due || run.dues > 0;
                        if (m_in.mode == ExtraMode::Yearly) {
                            m_untilYearly = run.untilDue;
                            m_yearlyExtras += run.dues;
                        }
                    }
                    m_untilYearEnd -= done;
                    if (m_untilYearEnd == 0) yearEnd(m_balance);
                    return;
                }
            }
        }
        step(m_k++);
    }

    [[gnu::always_inline]] void step(int k)
    {
        if (m_in.withPower) m_power *= m_factor;
        const Cents interest = m_rate.interestOn(m_balance);
        const Cents principal = m_in.payment - interest;
        if (k == m_in.term || principal >= m_balance) [[unlikely]] {
            settle(k, interest);
            return;
        }
        Cents extra = 0;
        if constexpr (kExtras) extra = extraWith(k, principal);
        m_balance -= principal + extra;
        m_totalInterest += interest;
        if constexpr (kLines)
            m_out.lines.push_back({m_in.payment, principal, interest, extra, m_balance, m_totalInterest});
        if (--m_untilYearEnd == 0) yearEnd(m_balance);
        if (k == m_in.noteAfter) [[unlikely]]
            note(k);
        if (m_balance == 0 || (principal < 0 && m_balance > kMaxLedgerCents)) [[unlikely]] {
            m_lastPayment = m_in.payment + extra;
            finish(k);
        }
    }

private:
    // The extra paid with installment k (not the last), at most what closes the loan.
    [[gnu::always_inline]] Cents extraWith(int k, Cents principal)
    {
        bool due = false;
        if (m_in.mode == ExtraMode::Yearly) {
            // The countdown runs with every installment, so it stays in step with them.
            due = --m_untilYearly == 0;
            if (due) m_untilYearly = m_in.periodsPerYear;
        } else {
            due = m_in.mode == ExtraMode::PerInstallment ? k > m_in.start : k == m_in.start;
        }
        if (!due) return 0;
        m_anyDue = true;
        if (m_in.mode == ExtraMode::Yearly) ++m_yearlyExtras;
        Cents extra = m_in.extra;
        if (principal + extra >= m_balance) {
            extra = m_balance - principal;
            if (m_in.mode != ExtraMode::PerInstallment && m_in.extra > extra) m_extraCapped = true;
        }
        m_extrasPaid += extra;
        return extra;
    }

    // The installment that pays the balance off: the one whose principal reaches it, or the term's last.
    [[gnu::always_inline]] void settle(int k, Cents interest)
    {
        const Cents principal = m_balance;
        m_balance = 0;
        m_totalInterest += interest;
        m_lastPayment = principal + interest;
        if constexpr (kLines) m_out.lines.push_back({principal + interest, principal, interest, 0, 0, m_totalInterest});
        if (--m_untilYearEnd == 0) yearEnd(m_balance);
        if (k == m_in.noteAfter) note(k);
        finish(k);
    }

    [[gnu::always_inline]] void yearEnd(Cents balance)
    {
        m_untilYearEnd += m_sampleLength;
        if (m_in.keepYearEnds) m_out.yearEnds.push_back(balance);
    }

    // What was paid so far: the principal repaid, the extras included, and the interest.
    Cents paidSoFar() const { return m_in.principal - m_balance + m_totalInterest; }

    [[gnu::always_inline]] void note(int k)
    {
        m_out.noted = {k, m_balance, m_totalInterest, paidSoFar()};
        m_out.notedReached = true;
    }

    [[gnu::always_inline]] void finish(int k)
    {
        if (m_in.withPower) {
            for (int i = k; i < m_in.term; ++i) m_power *= m_factor;
            m_out.power = m_power;
        }
        m_active = false;
        if (m_balance > kMaxLedgerCents) {
            m_out.status = LoanStatus::ResultOutOfRange;
            return;
        }
        if (!m_out.notedReached) m_out.noted = {k, m_balance, m_totalInterest, paidSoFar()};
        m_out.installments = k;
        m_out.balance = m_balance;
        m_out.totalInterest = m_totalInterest;
        m_out.totalPaid = paidSoFar();
        m_out.extrasPaid = m_extrasPaid;
        m_out.lastPayment = m_lastPayment;
        m_out.repaid = m_balance == 0;
        m_out.yearlyExtras = m_yearlyExtras;
        m_out.extraCapped = m_extraCapped;
        m_out.endedBeforeExtras = kExtras && !m_anyDue;
        if (m_in.keepYearEnds && m_untilYearEnd != m_sampleLength) m_out.yearEnds.push_back(m_balance);
    }

    const LedgerInput& m_in;
    const Rates& m_rates;
    const PeriodRate& m_rate;
    Ledger& m_out;
    Cents m_balance = 0;
    Cents m_totalInterest = 0;
    Cents m_extrasPaid = 0;
    Cents m_lastPayment = 0;
    int m_k = 1;            // the next installment
    int m_untilYearly = 0;  // installments until the next yearly extra is due
    double m_power = 1.0;   // when withPower: m_factor to the power of the installments walked
    double m_factor = 1.0;
    int m_sampleLength = 0;  // installments between two samples of the balance
    int m_untilYearEnd = 0;
    int m_yearlyExtras = 0;
    bool m_extraCapped = false;
    bool m_anyDue = false;
    bool m_active = true;
};

LoanStatus checkInput(const LedgerInput& in)
{
    const auto maxCents = static_cast<Cents>(limits::kMaxMoney * 100);
    if (in.principal > maxCents || in.payment > maxCents || in.extra > maxCents) return LoanStatus::AmountTooLarge;
    if (in.principal < 0 || in.payment < 0 || in.extra < 0 || in.start < 0 || in.term < 0 ||
        in.term > limits::kMaxPeriods || in.periodsPerYear < 1)
        return LoanStatus::InvalidInput;
    return LoanStatus::Ok;
}

}  // namespace

std::optional<PeriodRate> PeriodRate::of(double annualRatePercent, int periodsPerYear)
{
    if (!(annualRatePercent >= 0.0) || !(annualRatePercent <= kMaxLedgerRatePercent) || periodsPerYear < 1 ||
        periodsPerYear > kMaxPeriodsPerYear)
        return std::nullopt;
    PeriodRate r;
    r.m_denominator = static_cast<UInt128>(periodsPerYear) * 100;
    // Below 10^-18 % a year no balance a ledger keeps earns half a cent in a period: the rate is nil (and
    // its digits stay within the 128-bit fractions).
    if (annualRatePercent < 1e-18) {
        r.m_fast = true;
        return r;
    }
    const std::optional<Decimal12> percent = toDecimal12(annualRatePercent);
    if (!percent) return std::nullopt;
    r.m_denominator = 1;
    r.m_numerator = static_cast<UInt128>(percent->digits);
    if (percent->exponent >= 0) {
        r.m_numerator *= powerOfTen(percent->exponent);
    } else {
        r.m_denominator = powerOfTen(-percent->exponent);
    }
    r.m_denominator *= static_cast<UInt128>(periodsPerYear) * 100;
    r.m_fast = 8 * r.m_numerator < r.m_denominator;
    if (r.m_fast) {
        const UInt128 scaled = r.m_numerator << 64;
        r.m_reciprocal = static_cast<std::uint64_t>(scaled / r.m_denominator + (scaled % r.m_denominator != 0 ? 1 : 0));
    }
    return r;
}

PeriodRate::Ahead PeriodRate::ahead(Cents leaving) const
{
    // In 0.64 fixed point (rate < 1/8, so every factor stays below 2): growth = (1 + rate)^j - 1.
    const UInt128 rate = m_reciprocal;
    const UInt128 half = static_cast<UInt128>(1) << 63;
    const auto times = [](UInt128 a, UInt128 b) { return (a * b) >> 64; };
    const auto left = static_cast<UInt128>(static_cast<std::uint64_t>(leaving));
    Ahead a{};
    UInt128 growth = 0;
    for (int j = 0; j < 3; ++j) {
        growth = growth + rate + times(growth, rate);
        a.slope[j] = static_cast<std::uint64_t>(rate + times(rate, growth));
        // (1/2 - leaving) x growth + 1/2, modulo 2^128 (it is below zero for any payment).
        a.offset[j] = growth / 2 - left * growth + half;
        const UInt128 least = growth + kAheadMargin;
        a.least[j] = least >> 64 ? ~std::uint64_t{0} : static_cast<std::uint64_t>(least);
    }
    return a;
}

[[gnu::noinline]] Cents PeriodRate::exactInterest(Cents balance, UInt128 numerator, UInt128 denominator)
{
    const UInt128 twice = 2 * static_cast<UInt128>(balance) * numerator + denominator;
    return static_cast<Cents>(twice / (2 * denominator));
}

namespace {

template <bool kExtras, bool kLines>
void walkOne(const LedgerInput& input, const PeriodRate& rate, Ledger& out)
{
    const Rates rates = ratesFor(input, rate);
    Walk<kExtras, kLines> w(input, rates, out);
    while (w.active()) w.advance();
}

}  // namespace

Ledger loanLedger(const LedgerInput& input)
{
    Ledger out;
    out.status = checkInput(input);
    const std::optional<PeriodRate> rate = PeriodRate::of(input.annualRatePercent, input.periodsPerYear);
    if (out.status == LoanStatus::Ok && !rate) out.status = LoanStatus::InvalidInput;
    if (out.status != LoanStatus::Ok) return out;
    if (input.withExtras)
        input.keepLines ? walkOne<true, true>(input, *rate, out) : walkOne<true, false>(input, *rate, out);
    else
        input.keepLines ? walkOne<false, true>(input, *rate, out) : walkOne<false, false>(input, *rate, out);
    return out;
}

LedgerPair loanLedgers(const LedgerInput& withExtras)
{
    LedgerPair pair;
    LedgerInput plainInput = withExtras;
    plainInput.withExtras = false;
    for (Ledger* l : {&pair.plain, &pair.withExtras}) l->status = checkInput(withExtras);
    const std::optional<PeriodRate> rate = PeriodRate::of(withExtras.annualRatePercent, withExtras.periodsPerYear);
    if (pair.plain.status == LoanStatus::Ok && !rate)
        pair.plain.status = pair.withExtras.status = LoanStatus::InvalidInput;
    if (pair.plain.status != LoanStatus::Ok) return pair;
    plainInput.keepLines = false;
    LedgerInput extrasInput = withExtras;
    extrasInput.keepLines = false;
    const Rates plainRates = ratesFor(plainInput, *rate);
    const Rates extrasRates = ratesFor(extrasInput, *rate);
    Walk<false, false> plain(plainInput, plainRates, pair.plain);
    Walk<true, false> extras(extrasInput, extrasRates, pair.withExtras);
    while (plain.active() && extras.active()) {
        plain.advance();
        extras.advance();
    }
    while (plain.active()) plain.advance();
    while (extras.active()) extras.advance();
    return pair;
}

int yearsPerSampleOf(int installments, int periodsPerYear, int maxPoints)
{
    if (periodsPerYear < 1 || installments < 1 || maxPoints < 3) return 1;
    // As many points as whole years, the start and a last part year.
    const int points = installments / periodsPerYear + 1 + (installments % periodsPerYear != 0 ? 1 : 0);
    return points <= maxPoints ? 1 : (points - 2) / (maxPoints - 1) + 1;
}

std::optional<int> extraStart(double startInstallment)
{
    if (!std::isfinite(startInstallment) || startInstallment < 0) return std::nullopt;
    return static_cast<int>(std::min(std::ceil(startInstallment), static_cast<double>(limits::kMaxPeriods) + 1));
}

}  // namespace tv
