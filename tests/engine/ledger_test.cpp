#include "engine/ledger.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

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
    Cents interestSoFar = 0;
    bool anyDue = false;
    auto pay = [&](Cents extra) {
        const Cents paid = std::min(extra, balance);
        out.extraCapped = out.extraCapped || (in.mode != ExtraMode::PerInstallment && paid < extra);
        balance -= paid;
        out.extrasPaid += paid;
        return paid;
    };
    const int sample = in.periodsPerYear * in.yearsPerSample;
    out.yearEnds.push_back(balance);
    if (in.withExtras && in.start == 0 && in.mode != ExtraMode::PerInstallment) {
        anyDue = true;
        out.yearlyExtras += in.mode == ExtraMode::Yearly;
        out.lastPayment = pay(in.extra);
        out.yearEnds.back() = balance;
    }
    int k = 0;
    if (in.noteAfter == 0) {
        out.noted = {0, balance, 0, in.principal - balance};
        out.notedReached = true;
    }
    while (balance > 0 && k < in.term) {
        ++k;
        const Cents interest = exactInterest(balance, in.annualRatePercent, in.periodsPerYear);
        Cents principal = in.payment - interest;
        Cents paid = in.payment;
        Cents extra = 0;
        if (k == in.term || principal >= balance) {
            principal = balance;
            paid = balance + interest;
        } else if (in.withExtras) {
            const bool due = in.mode == ExtraMode::PerInstallment ? k > in.start
                             : in.mode == ExtraMode::OneTime
                                 ? k == in.start
                                 : k >= in.start && (k - in.start) % in.periodsPerYear == 0 && (in.start > 0 || k > 0);
            if (due) {
                anyDue = true;
                out.yearlyExtras += in.mode == ExtraMode::Yearly;
                balance -= principal;
                extra = pay(in.extra);
                balance += principal;
            }
        }
        balance -= principal;
        interestSoFar += interest;
        out.lastPayment = paid + extra;
        if (k % sample == 0) out.yearEnds.push_back(balance);
        if (k == in.noteAfter) {
            out.noted = {k, balance, interestSoFar, in.principal - balance + interestSoFar};
            out.notedReached = true;
        }
    }
    if (k % sample != 0) out.yearEnds.push_back(balance);
    out.installments = k;
    out.balance = balance;
    out.totalInterest = interestSoFar;
    out.totalPaid = in.principal - balance + interestSoFar;
    out.repaid = balance == 0;
    out.endedBeforeExtras = in.withExtras && !anyDue;
    if (!out.notedReached) out.noted = {k, balance, interestSoFar, out.totalPaid};
    return out;
}

void expectSameLedger(const Ledger& fast, const Ledger& clerk)
{
    ASSERT_EQ(fast.status, LoanStatus::Ok);
    EXPECT_EQ(fast.installments, clerk.installments);
    EXPECT_EQ(fast.balance, clerk.balance);
    EXPECT_EQ(fast.totalInterest, clerk.totalInterest);
    EXPECT_EQ(fast.totalPaid, clerk.totalPaid);
    EXPECT_EQ(fast.extrasPaid, clerk.extrasPaid);
    EXPECT_EQ(fast.lastPayment, clerk.lastPayment);
    EXPECT_EQ(fast.yearlyExtras, clerk.yearlyExtras);
    EXPECT_EQ(fast.extraCapped, clerk.extraCapped);
    EXPECT_EQ(fast.endedBeforeExtras, clerk.endedBeforeExtras);
    EXPECT_EQ(fast.notedReached, clerk.notedReached);
    EXPECT_EQ(fast.noted.balance, clerk.noted.balance);
    EXPECT_EQ(fast.noted.totalInterest, clerk.noted.totalInterest);
    EXPECT_EQ(fast.yearEnds, clerk.yearEnds);
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
        {"a rate far beyond a period", 10000, 2400, 12, 20000},
        {"nothing at 0 %", 10000000, 0, 26, 0},
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

TEST(LoanLedger, RefusesWhatHasNoLedger)
{
    LedgerInput in{.principal = 100, .payment = 10, .annualRatePercent = 6, .term = 12};
    EXPECT_EQ(loanLedger(in).status, LoanStatus::Ok);
    for (auto spoil : {+[](LedgerInput& l) { l.principal = -1; }, +[](LedgerInput& l) { l.term = 32767; },
                       +[](LedgerInput& l) { l.annualRatePercent = 2e6; }, +[](LedgerInput& l) { l.start = -1; }}) {
        LedgerInput bad = in;
        spoil(bad);
        EXPECT_EQ(loanLedger(bad).status, LoanStatus::InvalidInput);
    }
    in.principal = 100'000'000'000'000'00 + 1;
    EXPECT_EQ(loanLedger(in).status, LoanStatus::AmountTooLarge);
}

}  // namespace
}  // namespace tv
