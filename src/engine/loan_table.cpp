#include "engine/loan_table.h"

#include <algorithm>
#include <cmath>
#include <ostream>

#include "common/formats.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "engine/ledger.h"
#include "engine/limits.h"

namespace tv {

namespace {

constexpr const char* kTab = "\t";
constexpr const char* kCrLf = "\r\n";

// Texts of up to six characters ("$99.99", "7.25%") get one more TAB so the columns line up on tab stops.
constexpr std::size_t kShortCellLength = 6;

bool finite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

double maxLengthOf(LengthUnit unit)
{
    return unit == LengthUnit::Years ? limits::kMaxTableYears : limits::kMaxTableMonths;
}

double minLengthOf(LengthUnit unit)
{
    return unit == LengthUnit::Years ? limits::kMinTableYears : limits::kMinTableMonths;
}

int maxColumnsOf(LengthUnit unit)
{
    return unit == LengthUnit::Years ? limits::kMaxTableYearColumns : limits::kMaxTableMonthColumns;
}

}  // namespace

std::string_view statusName(TableStatus status)
{
    switch (status) {
        case TableStatus::Ok:
            return "Ok";
        case TableStatus::InvalidInput:
            return "InvalidInput";
        case TableStatus::AmountTooLarge:
            return "AmountTooLarge";
        case TableStatus::LengthTooShort:
            return "LengthTooShort";
        case TableStatus::LengthTooLong:
            return "LengthTooLong";
        case TableStatus::LengthsReversed:
            return "LengthsReversed";
        case TableStatus::RatesReversed:
            return "RatesReversed";
        case TableStatus::TooManyRates:
            return "TooManyRates";
        case TableStatus::TooManyLengths:
            return "TooManyLengths";
        case TableStatus::TooManyMonths:
            return "TooManyMonths";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& out, TableStatus status)
{
    return out << statusName(status);
}

double lengthInMonths(double length, LengthUnit unit)
{
    return unit == LengthUnit::Years ? length * 12.0 : length;
}

double tableMonthlyPayment(double loanAmount, double monthlyRate, double months)
{
    if (monthlyRate == 0.0) return loanAmount / months;
    return loanAmount * monthlyRate / (1.0 - 1.0 / std::pow(1.0 + monthlyRate, months));
}

PaymentTable paymentTable(const PaymentTableInput& in)
{
    PaymentTable t;
    t.unit = in.unit;
    auto fail = [&t](TableStatus status) {
        t.status = status;
        return t;
    };
    if (!finite({in.loanAmount, in.minRatePercent, in.maxRatePercent, in.minLength, in.maxLength}))
        return fail(TableStatus::InvalidInput);
    if (in.minRatePercent < 0 || in.maxRatePercent < 0) return fail(TableStatus::InvalidInput);
    if (std::fabs(in.loanAmount) > limits::kMaxMoney) return fail(TableStatus::AmountTooLarge);
    const double shortest = minLengthOf(in.unit);
    const double longest = maxLengthOf(in.unit);
    if (in.minLength < shortest || in.maxLength < shortest) return fail(TableStatus::LengthTooShort);
    if (in.minLength > longest || in.maxLength > longest) return fail(TableStatus::LengthTooLong);
    if (in.maxLength < in.minLength) return fail(TableStatus::LengthsReversed);
    if (in.maxRatePercent < in.minRatePercent) return fail(TableStatus::RatesReversed);

    const double minRate = in.minRatePercent;
    const double rows = roundHalfEven((in.maxRatePercent - minRate) / kTableRateStepPercent) + 1;
    if (rows > limits::kMaxTableRateRows) return fail(TableStatus::TooManyRates);
    const int rateCount = std::max(1, static_cast<int>(rows));
    for (int i = 0; i < rateCount; ++i) t.ratesPercent.push_back(minRate + i * kTableRateStepPercent);

    const double step = in.unit == LengthUnit::Years ? kTableYearStep : kTableMonthStep;
    for (int j = 0;; ++j) {
        double length = in.minLength + j * step;
        if (length > in.maxLength) break;
        if (j >= maxColumnsOf(in.unit)) return fail(TableStatus::TooManyLengths);
        t.lengths.push_back(length);
    }

    t.payments.reserve(t.ratesPercent.size() * t.lengths.size());
    for (double rate : t.ratesPercent) {
        const double monthlyRate = rate / 1200.0;
        for (double length : t.lengths) {
            const double payment = tableMonthlyPayment(in.loanAmount, monthlyRate, lengthInMonths(length, in.unit));
            if (!std::isfinite(payment)) {
                t.ratesPercent.clear();
                t.lengths.clear();
                t.payments.clear();
                return fail(TableStatus::InvalidInput);
            }
            t.payments.push_back(payment);
        }
    }
    return t;
}

Schedule amortizationSchedule(double loanAmount, double payment, double annualRatePercent, double termMonths)
{
    Schedule s;
    auto fail = [&s](TableStatus status) {
        s.lines.clear();
        s.status = status;
        return s;
    };
    if (!finite({loanAmount, payment, annualRatePercent, termMonths})) return fail(TableStatus::InvalidInput);
    if (termMonths >= limits::kMaxScheduleRows + 1) return fail(TableStatus::TooManyMonths);
    if (std::fabs(loanAmount) > limits::kMaxMoney) return fail(TableStatus::AmountTooLarge);
    if (loanAmount < 0 || payment < 0 || annualRatePercent < 0 || payment > limits::kMaxMoney)
        return fail(TableStatus::InvalidInput);

    LedgerInput in;
    in.principal = centsOf(loanAmount).value_or(0);
    in.payment = centsOf(payment).value_or(0);
    in.annualRatePercent = annualRatePercent;
    in.periodsPerYear = 12;
    in.term = termMonths < 1 ? 0 : static_cast<int>(termMonths);
    in.keepLines = true;
    s.levelPayment = dollarsOf(in.payment);
    s.termMonths = in.term;
    if (in.term == 0 || in.principal == 0) {
        // Nothing lent: a row of nothing for every month.
        s.lines.assign(static_cast<std::size_t>(in.principal == 0 ? in.term : 0) + 1, ScheduleLine{});
        s.lines.front().balance = dollarsOf(in.principal);
        return s;
    }
    const Ledger ledger = loanLedger(in);
    if (ledger.status != LoanStatus::Ok) return fail(TableStatus::InvalidInput);
    s.lines.reserve(ledger.lines.size());
    for (const LedgerLine& l : ledger.lines)
        s.lines.push_back({dollarsOf(l.payment), dollarsOf(l.principal), dollarsOf(l.interest), dollarsOf(l.balance),
                           dollarsOf(l.totalInterest)});
    return s;
}

std::string loanOfLine(double amount, std::string_view loanOf)
{
    // A number's text as the old Str() gave it: a blank where a minus sign would stand.
    return std::string(loanOf) + (amount < 0 ? " " : "  ") + plainText(amount);
}

std::string tableText(double loanAmount, const std::vector<std::vector<std::string>>& cells, bool schedule,
                      TableTextMode mode, std::string_view loanOf)
{
    const bool clipboard = mode == TableTextMode::Clipboard;
    std::string out = loanOfLine(loanAmount, loanOf) + kCrLf;
    if (cells.empty()) return out;
    const std::vector<std::string>& header = cells.front();
    const int lastCol = static_cast<int>(header.size()) - 1;
    if (schedule) {
        out += header.empty() ? std::string() : header[0];
        out += kCrLf;
        for (int c = 1; c <= lastCol; ++c) {
            out += kTab;
            if ((clipboard && (c == 2 || c == 3)) || (!clipboard && (c == 2 || c == 4))) out += kTab;
            out += header[static_cast<std::size_t>(c)];
        }
    } else {
        out += kTab;
        for (int c = 1; c <= lastCol; ++c) {
            out += kTab;
            out += header[static_cast<std::size_t>(c)];
            if (!clipboard) out += kTab;
        }
    }
    out += kCrLf;
    for (std::size_t r = 1; r < cells.size(); ++r) {
        const std::vector<std::string>& row = cells[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string& text = row[c];
            if (c == 0) {
                out += text;
                if (!schedule) out += kTab;
                continue;
            }
            out += kTab;
            out += text;
            if (schedule) {
                out += kTab;
                if (clipboard && text.size() <= kShortCellLength) out += kTab;
            } else if (text.size() <= kShortCellLength) {
                out += kTab;
            }
        }
        out += kCrLf;
    }
    return out;
}

}  // namespace tv
