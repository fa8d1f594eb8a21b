#include "engine/ledger.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

namespace tv {
namespace {

// A period's interest to the cent, halves up, by plain long division of the rate's decimal digits.
Cents exactInterest(Cents balance, double ratePercent, int perYear)
{
    const Decimal12 d = *toDecimal12(ratePercent);
    UInt128 numerator = static_cast<UInt128>(d.digits);
    UInt128 denominator = static_cast<UInt128>(perYear) * 100;
    for (int e = d.exponent; e > 0; --e) numerator *= 10;
    for (int e = d.exponent; e < 0; ++e) denominator *= 10;
    return static_cast<Cents>((2 * static_cast<UInt128>(balance) * numerator + denominator) / (2 * denominator));
}

// The ledger one installment at a time, as a lender's clerk keeps it: the reference for the fast walks.
Ledger clerksLedger(const LedgerInput& in)
{
    Ledger out;
    Cents balance = in.principal;
    bool anyDue = false;
    auto note = [&](int k) {
        out.noted = {k, balance, out.totalInterest, in.principal - balance + out.totalInterest};
        out.notedReached = k == in.noteAfter;
    };
    auto payExtra = [&](Cents cap) {  // the extra, at most what is left after the installment's principal
        anyDue = true;
        out.yearlyExtras += in.mode == ExtraMode::Yearly;
        const Cents paid = std::min(in.extra, cap);
        out.extraCapped = out.extraCapped || (in.mode != ExtraMode::PerInstallment && paid < in.extra);
        out.extrasPaid += paid;
        return paid;
    };
    if (in.withExtras && in.start == 0 && in.mode != ExtraMode::PerInstallment) balance -= payExtra(balance);
    out.lastPayment = out.extrasPaid;
    out.yearEnds.push_back(balance);
    if (in.noteAfter == 0) note(0);
    int k = 0;
    for (; balance > 0 && k < in.term; out.installments = ++k) {
        const Cents interest = exactInterest(balance, in.annualRatePercent, in.periodsPerYear);
        Cents principal = std::min(in.payment - interest, balance);
        Cents extra = 0;
        if (k + 1 == in.term) principal = balance;
        const int n = k + 1;
        const bool due = in.mode == ExtraMode::PerInstallment ? n > in.start
                         : in.mode == ExtraMode::OneTime      ? n == in.start
                                                         : n >= in.start && (n - in.start) % in.periodsPerYear == 0;
        if (in.withExtras && due && principal < balance) extra = payExtra(balance - principal);
        balance -= principal + extra;
        out.totalInterest += interest;
        out.lastPayment = principal + interest + extra;
        if (n % (in.periodsPerYear * in.yearsPerSample) == 0) out.yearEnds.push_back(balance);
        if (n == in.noteAfter) note(n);
    }
    if (k % (in.periodsPerYear * in.yearsPerSample) != 0) out.yearEnds.push_back(balance);
    out.balance = balance;
    out.totalPaid = in.principal - balance + out.totalInterest;
    out.endedBeforeExtras = in.withExtras && !anyDue;
    if (!out.notedReached) note(k);
    return out;
}

auto figures(const Ledger& l)
{
    return std::tie(l.status, l.installments, l.balance, l.totalInterest, l.totalPaid, l.extrasPaid, l.lastPayment,
                    l.yearlyExtras, l.extraCapped, l.endedBeforeExtras, l.notedReached, l.noted.balance,
                    l.noted.totalInterest, l.yearEnds);
}

void expectSameLedger(const Ledger& fast, const Ledger& clerk)
{
    EXPECT_TRUE(figures(fast) == figures(clerk));
}

struct InterestCase {
    const char* what;
    Cents balance;
    double ratePercent;
    int perYear;
    Cents interest;
};

TEST(PeriodRate, RoundsExactHalfCentsUp)
{
    const InterestCase cases[] = {
        {"1,002 at 3 %: 2.505", 100200, 3, 12, 251},
        {"3,000 at 7.452 % twice a month: 9.315", 300000, 7.452, 24, 932},
        {"1,250 at 3 %: 3.125", 125000, 3, 12, 313},
        {"just under a half cent stays down", 100199, 3, 12, 250},
        {"100,000 at 7.5 %", 10000000, 7.5, 12, 62500},
        {"half of the balance a period", 10000, 600, 12, 5000},
        {"nothing at 0 %", 10000000, 0, 26, 0},
        {"nothing at a rate of 10^-300 %", 10000000, 1e-300, 12, 0},
    };
    for (const InterestCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PeriodRate::of(c.ratePercent, c.perYear)->interestOn(c.balance), c.interest);
    }
    EXPECT_FALSE(PeriodRate::of(-1, 12));
    EXPECT_FALSE(PeriodRate::of(std::nan(""), 12));
}

// Loans of every kind, walked four installments at a time where the walk can, against the clerk's one at a
// time: every figure to the cent.
TEST(LoanLedger, AgreesWithTheClerksLedgerOnRandomLoans)
{
    std::mt19937 random(20261207);
    auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const int perYear[] = {12, 24, 26};
    for (int i = 0; i < 1500; ++i) {
        LedgerInput in;
        in.periodsPerYear = perYear[pick(0, 2)];
        in.term = i % 100 == 0 ? pick(10000, 32766) : pick(1, 480);
        in.annualRatePercent = pick(0, 25000) / 1000.0 + (i % 7 == 0 ? pick(0, 99999) / 1e8 : 0);
        in.principal = static_cast<Cents>(pick(1, 1000000)) * (i % 5 == 0 ? 100000 : 100);
        const PeriodRate rate = *PeriodRate::of(in.annualRatePercent, in.periodsPerYear);
        // A level payment to the cent, sometimes a little short (a balloon) or long (repaid early).
        const double r = in.annualRatePercent / (in.periodsPerYear * 100.0);
        const double level =
            r == 0 ? static_cast<double>(in.principal) / in.term : in.principal * r / (1 - std::pow(1 + r, -in.term));
        in.payment = std::max<Cents>(rate.interestOn(in.principal), std::llround(level) + pick(-3, 3));
        in.withExtras = i % 2 == 1;
        in.mode = static_cast<ExtraMode>(pick(0, 2));
        in.extra = pick(0, 3) == 0 ? 0 : pick(1, 500000);
        in.start = pick(0, 2) == 0 ? 0 : pick(1, in.term + 2);
        in.noteAfter = pick(-1, in.term + 1);
        in.keepYearEnds = true;
        in.yearsPerSample = yearsPerSampleOf(in.term, in.periodsPerYear);
        SCOPED_TRACE("case " + std::to_string(i));
        expectSameLedger(loanLedger(in), clerksLedger(in));
        if (in.withExtras) {
            const LedgerPair pair = loanLedgers(in);
            expectSameLedger(pair.withExtras, clerksLedger(in));
            LedgerInput plain = in;
            plain.withExtras = false;
            expectSameLedger(pair.plain, clerksLedger(plain));
        }
        if (HasFailure()) break;
    }
}

}  // namespace
}  // namespace tv
