// The engine's entry points with arbitrary doubles. The input is a function number and a row of doubles
// (eight bytes each, or one byte naming a telling value: 0, -0, the limits, NaN, infinity...).
// Properties: every call returns a result or a status; a result is finite; no walk or search goes past its
// bound (the engine's own iteration budget, reported as a status).
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "engine/amortization.h"
#include "engine/exact_rate.h"
#include "engine/investment.h"
#include "engine/limits.h"
#include "engine/loan.h"
#include "engine/loan_table.h"
#include "fuzz_check.h"

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    double number()
    {
        static const double kTelling[] = {0.0,
                                          -0.0,
                                          1.0,
                                          -1.0,
                                          0.5,
                                          12.0,
                                          24.0,
                                          26.0,
                                          365.0,
                                          7.5,
                                          25.0,
                                          0.0001,
                                          0.04,
                                          30.0,
                                          100.0,
                                          1200.0,
                                          32766.0,
                                          32767.0,
                                          1e12,
                                          1e12 + 1,
                                          -1e12,
                                          1e300,
                                          -1e300,
                                          4.9e-324,
                                          std::numeric_limits<double>::max(),
                                          std::numeric_limits<double>::infinity(),
                                          -std::numeric_limits<double>::infinity(),
                                          std::numeric_limits<double>::quiet_NaN()};
        std::uint8_t tag = byte();
        if (tag < std::size(kTelling)) return kTelling[tag];
        if (tag < 128) return static_cast<double>(byte()) * (tag - 27);  // small whole numbers
        double raw = 0;
        if (m_pos + sizeof raw <= m_size) {
            std::memcpy(&raw, m_data + m_pos, sizeof raw);
            m_pos += sizeof raw;
        }
        return raw;
    }
    int count()
    {
        const int kCounts[] = {12, 24, 26, 1, 365, 0, -1, 32766, 32767, 2, 1000000};
        return kCounts[byte() % std::size(kCounts)];
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

bool finite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

#define RESULT_FINITE(ok, ...) FUZZ_CHECK(!(ok) || finite({__VA_ARGS__}), "a result is finite")

void loans(Input& in, int which)
{
    using namespace tv;
    switch (which) {
        case 0: {
            PowerResult r = periodPower(in.number(), in.number());
            RESULT_FINITE(r.status == LoanStatus::Ok, r.value);
            FUZZ_CHECK(r.periods <= limits::kMaxPeriods, "periods within the limit");
            break;
        }
        case 1: {
            PeriodCount r = installmentCount(in.count(), in.number());
            FUZZ_CHECK(r.status != LoanStatus::Ok || (r.count >= 1 && r.count <= limits::kMaxPeriods), "a count");
            break;
        }
        case 2:
            FUZZ_CHECK(std::isfinite(roundToMonth(in.number())), "roundToMonth is finite");
            break;
        case 3: {
            PaymentResult r = levelPayment(in.number(), in.number(), in.count(), in.number());
            RESULT_FINITE(hasResult(r.status), r.payment);
            break;
        }
        case 4: {
            PrincipalResult r = loanPrincipal(in.number(), in.number(), in.count(), in.number());
            RESULT_FINITE(hasResult(r.status), r.principal);
            break;
        }
        case 5: {
            DurationResult r = loanDuration(in.number(), in.number(), in.number(), in.count());
            RESULT_FINITE(hasResult(r.status), r.durationYears, r.payment);
            break;
        }
        case 6: {
            RateResult r = rateForPayment(in.number(), in.number(), in.count(), in.number());
            RESULT_FINITE(hasResult(r.status), r.annualRatePercent, r.payment);
            FUZZ_CHECK(r.rateIndex >= 0 && r.rateIndex <= kMaxRateIndex, "a rate entry");
            break;
        }
        case 7: {
            PaymentResult r = interestOnlyPayment(in.number(), in.number(), in.count(), in.byte() & 1);
            RESULT_FINITE(hasResult(r.status), r.payment);
            break;
        }
        case 8: {
            ExtraPayInput x;
            x.principal = in.number();
            x.annualRatePercent = in.number();
            x.periodsPerYear = in.count();
            x.durationYears = in.number();
            (void)in.byte();  // once a flag of the "0.000" rate, which the rate of 0 now says
            x.mode = static_cast<ExtraMode>(in.byte() % 3);
            x.extraAmount = in.number();
            x.startInstallment = in.number();
            ExtraPayResult r = amortizeWithExtras(x);
            RESULT_FINITE(hasResult(r.status), r.payment, r.years, r.lastPayment, r.totalInterest, r.totalPaid,
                          r.extrasPaid);
            FUZZ_CHECK(r.installments <= limits::kMaxPeriods, "the walk stays within its bound");
            break;
        }
        case 10: {
            ExactRateResult r = exactRateForPayment(in.number(), in.number(), in.count(), in.number());
            RESULT_FINITE(r.status == LoanStatus::Ok, r.annualRatePercent);
            FUZZ_CHECK(r.iterations <= 400, "the rate solve stays within its iteration budget");
            break;
        }
        default: {
            PayoffInput x;
            x.principal = in.number();
            x.annualRatePercent = in.number();
            x.periodsPerYear = in.count();
            x.durationYears = in.number();
            (void)in.byte();  // once a flag of the "0.000" rate, which the rate of 0 now says
            x.lastInstallment = in.number();
            PayoffResult r = payoffAfter(x);
            RESULT_FINITE(hasResult(r.status), r.payment, r.lowPayoff, r.highPayoff, r.interestPaid, r.totalToPayOff);
            FUZZ_CHECK(r.installmentsMade <= limits::kMaxPeriods, "the walk stays within its bound");
            break;
        }
    }
}

void investments(Input& in, int which)
{
    using namespace tv;
    switch (which) {
        case 0: {
            GrowthResult r = growOneTime(in.number(), in.number(), in.count(), in.number());
            RESULT_FINITE(r.status == InvestStatus::Ok, r.value);
            break;
        }
        case 1: {
            ContributionInput x;
            x.contribution = in.number();
            x.schedule = in.byte() & 1 ? ContributionSchedule::Yearly : ContributionSchedule::Monthly;
            x.oneTimeAmount = in.number();
            x.annualRatePercent = in.number();
            x.periodsPerYear = in.count();
            x.durationYears = in.number();
            ContributionResult r = growContributions(x);
            RESULT_FINITE(r.status == InvestStatus::Ok, r.value, r.contributionsValue, r.oneTimeValue);
            break;
        }
        case 2: {
            AnnuityResult r = annuityPayment(in.number(), in.number(), in.count(), in.number());
            RESULT_FINITE(r.status == InvestStatus::Ok, r.payment);
            break;
        }
        case 3: {
            AnnuityDurationResult r = annuityDuration(in.number(), in.number(), in.number(), in.number());
            RESULT_FINITE(r.status == InvestStatus::Ok, r.years, r.payment);
            FUZZ_CHECK(r.months >= 0 && r.months <= 900, "the duration stays within 75 years");
            break;
        }
        case 4: {
            SaveThenDrawInput x;
            x.monthlyContribution = in.number();
            x.saveRatePercent = in.number();
            x.periodsPerYear = in.count();
            x.saveYears = in.number();
            x.annuityRatePercent = in.number();
            x.annuityYears = in.number();
            SaveThenDrawResult r = saveThenDraw(x);
            RESULT_FINITE(r.status == InvestStatus::Ok, r.fund, r.annuityYears, r.monthlyPayment);
            break;
        }
        case 5: {
            RemainingFundResult r = remainingFund(in.number(), in.number(), in.number(), in.number());
            RESULT_FINITE(r.status == InvestStatus::Ok, r.fund, r.withdrawn, r.interest, r.lastPaid);
            FUZZ_CHECK(r.status != InvestStatus::Ok || r.fund >= 0, "a fund used up is never a debt");
            FUZZ_CHECK(r.withdrawals <= limits::kMaxPeriods, "the withdrawals stay within their bound");
            break;
        }
        case 6: {
            InflationInput x;
            x.fund = in.number();
            x.annualRatePercent = in.number();
            x.annual = in.byte() & 1;
            x.durationYears = in.number();
            x.inflationPercent = in.number();
            x.additionalPayment = in.number();
            InflationResult r = inflationAdjustedPayments(x);
            RESULT_FINITE(r.status == InvestStatus::Ok, r.firstPayment, r.lastPayment, r.total);
            break;
        }
        default: {
            LevelWorthResult r = levelPaymentWorth(in.number(), in.number(), in.number());
            RESULT_FINITE(r.status == InvestStatus::Ok, r.paymentCents, r.worth);
            break;
        }
    }
}

void table(Input& in, int which)
{
    using namespace tv;
    if (which == 0) {
        PaymentTableInput x;
        x.loanAmount = in.number();
        x.minRatePercent = in.number();
        x.maxRatePercent = in.number();
        x.minLength = in.number();
        x.maxLength = in.number();
        x.unit = in.byte() & 1 ? LengthUnit::Months : LengthUnit::Years;
        PaymentTable t = paymentTable(x);
        if (t.status != TableStatus::Ok) return;
        FUZZ_CHECK(t.rateCount() <= limits::kMaxTableRateRows, "rate rows within the limit");
        FUZZ_CHECK(t.lenCount() <=
                       (x.unit == LengthUnit::Years ? limits::kMaxTableYearColumns : limits::kMaxTableMonthColumns),
                   "length columns within the limit");
        for (double p : t.payments) FUZZ_CHECK(std::isfinite(p), "a table payment is finite");
        for (double r : t.ratesPercent) FUZZ_CHECK(std::isfinite(r), "a table rate is finite");
    } else {
        Schedule s = amortizationSchedule(in.number(), in.number(), in.number(), in.number());
        if (s.status != TableStatus::Ok) return;
        FUZZ_CHECK(s.months() <= limits::kMaxScheduleRows, "schedule rows within the limit");
        for (const ScheduleLine& l : s.lines) FUZZ_CHECK(finite({l.interest, l.balance}), "a schedule line is finite");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    int which = in.byte() % 21;
    if (which < 11)
        loans(in, which);
    else if (which < 19)
        investments(in, which - 11);
    else
        table(in, which - 19);
    return 0;
}
