#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// The Loan Payment Table's math: monthly payments over a range of rates and loan lengths, the month-by-month
// schedule of one payment, and the TAB/CRLF text of a table or schedule for the clipboard or the printer.
// Money is in currency units, rates in percent per year (7.5 means 7.5 %) unless named monthly (a fraction
// per month), lengths in the table's unit (years or months). Nothing here shows a message: results carry a
// status, and the table screen turns it into the words the user sees.
namespace tv {

// The table's rate lists: entry k stands for k x 0.25 percent, from 0.00 (entry 0) to 25.00 (entry 100).
inline constexpr double kTableRateStepPercent = 0.25;
inline constexpr int kTableMaxRateIndex = 100;
// A minimum rate below one step is computed as 0.001 % so no payment divides by zero; the rows then
// stand 0.25 % apart from it (0.001, 0.251, ...) and are labelled 0.00%, 0.25%, ...
inline constexpr double kTableLowestRatePercent = 0.001;
// Columns stand one year apart in years, six months apart in months.
inline constexpr double kTableYearStep = 1;
inline constexpr double kTableMonthStep = 6;

enum class LengthUnit { Years, Months };

enum class TableStatus {
    Ok,
    InvalidInput,     // a number that is not finite, a negative rate, or values whose result would not be finite
    AmountTooLarge,   // the loan amount beyond limits::kMaxMoney in size
    LengthTooShort,   // a length below one year (Years) or one month (Months)
    LengthTooLong,    // a length beyond limits::kMaxTableYears years or limits::kMaxTableMonths months
    LengthsReversed,  // the maximum length below the minimum
    RatesReversed,    // the maximum rate below the minimum
    TooManyRates,     // more than limits::kMaxTableRateRows rate rows
    TooManyLengths,   // more than limits::kMaxTableYearColumns / kMaxTableMonthColumns length columns
    TooManyMonths,    // a schedule longer than limits::kMaxScheduleRows months
};

// The enumerator's name ("Ok", "LengthTooLong", ...), for test output.
std::string_view statusName(TableStatus status);
std::ostream& operator<<(std::ostream& out, TableStatus status);

// The rate the table computes for a chosen minimum: the rate itself, or kTableLowestRatePercent below 0.25 %.
double tableMinimumRate(double minRatePercent);

// The months one length stands for: length x 12 in years, the length itself in months.
double lengthInMonths(double length, LengthUnit unit);

// The monthly payment (PaymentFor): loanAmount x m / (1 - 1 / (1 + m)^n) with m the monthly rate (a
// fraction, never 0) and n the months, a real power; not rounded.
double tableMonthlyPayment(double loanAmount, double monthlyRate, double months);

struct PaymentTableInput {
    double loanAmount = 0.0;
    double minRatePercent = 0.0;  // below 0.25 it is computed as kTableLowestRatePercent
    double maxRatePercent = 0.0;
    double minLength = 1.0;
    double maxLength = 1.0;
    LengthUnit unit = LengthUnit::Years;
};

struct PaymentTable {
    TableStatus status = TableStatus::Ok;
    std::vector<double> ratesPercent;  // R_i = minimum + (i - 1) x 0.25, i = 1..rateCount (stored from index 0)
    std::vector<double> lengths;       // L_j = minLength + (j - 1) x step while L_j <= maxLength (from index 0)
    std::vector<double> payments;      // row by row: payment(row, col) for the rate row and the length column
    LengthUnit unit = LengthUnit::Years;

    int rateCount() const { return static_cast<int>(ratesPercent.size()); }
    int lenCount() const { return static_cast<int>(lengths.size()); }
    // 0-based row and column of the payments.
    double payment(int row, int col) const
    {
        return payments[static_cast<std::size_t>(row) * lengths.size() + static_cast<std::size_t>(col)];
    }
};

// The table (CalcPayments): rateCount = round-half-even((max - min) x 4) + 1 rows and one column per length
// step, each cell the monthly payment at R_i / 1200 over the column's months. Lengths must lie within 1 and
// the unit's limit, the maximum not below the minimum, and so must the rates; the row and column counts stay
// within limits::kMaxTableRateRows and the unit's column limit. Rates so high that a payment is not finite
// are InvalidInput (the screen's lists end at 25 %).
PaymentTable paymentTable(const PaymentTableInput& input);

// One month of a schedule; record 0 holds the starting balance and no interest.
struct ScheduleLine {
    double interest = 0.0;  // the month's interest, whole cents
    double balance = 0.0;   // the balance after the month, not rounded
};

struct Schedule {
    TableStatus status = TableStatus::Ok;
    std::vector<ScheduleLine> lines;  // lines[0] is record 0; lines[k] is month k

    int months() const { return lines.empty() ? 0 : static_cast<int>(lines.size()) - 1; }
};

// A month's interest in whole cents, halves upward: floor((balance x monthlyRate + 0.005) x 100) / 100.
double monthInterest(double balance, double monthlyRate);

// The schedule of one payment cell (CalcAmort): record 0 is the loan amount; for k = 1, 2, ... while
// k <= termMonths, interest_k = monthInterest(balance_(k-1)), balance_k = balance_(k-1) - payment + interest_k.
// The payment is never adjusted in the last month, so the last balance is a few cents from zero.
// More than limits::kMaxScheduleRows months is TooManyMonths; a loan amount beyond limits::kMaxMoney in size
// AmountTooLarge; a negative rate, or values whose balance would not stay finite, InvalidInput.
Schedule amortizationSchedule(double loanAmount, double payment, double monthlyRate, double termMonths);

// Where the table text goes: the clipboard (mode 0) or the printer (mode 1).
enum class TableTextMode { Clipboard = 0, Printer = 1 };

// "Loan of " and the amount as text, a blank before numbers that are not negative ("Loan of  80000"),
// without the line end.
std::string loanOfLine(double amount);

// The text of a table or schedule (GetTableText), TAB between cells and CRLF after every line:
// "Loan of" line; header line; one line per body row. `cells` holds rows 0..lastRow, each with the texts of
// columns 0..lastCol as the grid shows them.
// Schedule header: cell (0, 0) and CRLF, then for each column c >= 1 a TAB, one more TAB before columns 2
// and 3 (clipboard) or 2 and 4 (printer), and the title. Table header: TAB, then for each column TAB and its
// header, and on the printer one more TAB after it.
// Schedule body: the month, then for each cell TAB, text, TAB, and on the clipboard one more TAB after texts
// of at most 6 characters. Table body: the rate and TAB, then for each cell TAB and text, and one more TAB
// after texts of at most 6 characters.
std::string tableText(double loanAmount, const std::vector<std::vector<std::string>>& cells, bool schedule,
                      TableTextMode mode);

}  // namespace tv
