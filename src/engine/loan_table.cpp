#include "engine/loan_table.h"

#include <algorithm>
#include <cmath>
#include <ostream>

#include "common/formats.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "engine/limits.h"

namespace tv {

namespace {

constexpr const char* kTab = "\t";
constexpr const char* kCrLf = "\r\n";

// Texts of up to six characters ("$99.99", "7.25%") get one more TAB so the columns line up on tab stops.
constexpr std::size_t kShortCellLength = 6;

// Whole cents are exact in a double up to 2^53; a schedule whose amounts would go beyond is refused.
constexpr double kMaxExactCents = 9007199254740992.0;

// An amount in whole cents, rounded as the screen shows it (half away from zero).
long long toCents(double amount)
{
    return std::llround(readBoxValue(formatNumber(amount, kFixed2Format, Locale::enUS()), Locale::enUS()) * 100.0);
}

double dollars(long long cents)
{
    return static_cast<double>(cents) / 100.0;
}

bool exactCents(long long cents)
{
    return std::fabs(static_cast<double>(cents)) < kMaxExactCents;
}

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

double monthInterest(double balance, double monthlyRate)
{
    return std::floor((balance * monthlyRate + 0.005) * 100.0) / 100.0;
}

Schedule amortizationSchedule(double loanAmount, double payment, double monthlyRate, double termMonths)
{
    Schedule s;
    auto fail = [&s](TableStatus status) {
        s.lines.clear();
        s.status = status;
        return s;
    };
    if (!finite({loanAmount, payment, monthlyRate, termMonths})) return fail(TableStatus::InvalidInput);
    if (termMonths >= limits::kMaxScheduleRows + 1) return fail(TableStatus::TooManyMonths);
    if (std::fabs(loanAmount) > limits::kMaxMoney) return fail(TableStatus::AmountTooLarge);
    if (loanAmount < 0 || payment < 0 || monthlyRate < 0 || payment > limits::kMaxMoney)
        return fail(TableStatus::InvalidInput);

    const long long level = toCents(payment);
    long long balance = toCents(loanAmount);
    long long total = 0;
    s.levelPayment = dollars(level);
    s.termMonths = termMonths < 1 ? 0 : static_cast<int>(termMonths);
    s.lines.push_back({0.0, 0.0, 0.0, dollars(balance), 0.0});
    for (int k = 1; k <= s.termMonths; ++k) {
        const double interestCents = std::floor((dollars(balance) * monthlyRate + 0.005) * 100.0);
        if (!(std::fabs(interestCents) < kMaxExactCents)) return fail(TableStatus::InvalidInput);
        const long long interest = static_cast<long long>(interestCents);
        long long principal = level - interest;
        long long paid = level;
        // The installment that reaches the balance, or the term's last one, pays exactly what is left.
        const bool last = k == s.termMonths || (balance > 0 && principal >= balance);
        if (last) {
            principal = balance;
            paid = principal + interest;
        }
        balance -= principal;
        total += interest;
        if (!exactCents(balance) || !exactCents(total) || !exactCents(paid)) return fail(TableStatus::InvalidInput);
        s.lines.push_back({dollars(paid), dollars(principal), dollars(interest), dollars(balance), dollars(total)});
        if (last) break;
    }
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
