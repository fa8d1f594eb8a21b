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

// The months one length stands for: length x 12 in years, the length itself in months.
double lengthInMonths(double length, LengthUnit unit);

// The monthly payment (PaymentFor): loanAmount x m / (1 - 1 / (1 + m)^n) with m the monthly rate (a
// fraction) and n the months, a real power; loanAmount / n at a rate of 0. Not rounded.
double tableMonthlyPayment(double loanAmount, double monthlyRate, double months);

struct PaymentTableInput {
    double loanAmount = 0.0;
    double minRatePercent = 0.0;
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

// One month of a schedule, in whole cents; record 0 holds the loan amount as its balance and nothing else.
struct ScheduleLine {
    double payment = 0.0;        // the installment: the level payment, or what the last one takes
    double principal = 0.0;      // payment - interest
    double interest = 0.0;       // the month's interest on the balance before it, to the cent (halves up)
    double balance = 0.0;        // the balance before the month less the principal
    double totalInterest = 0.0;  // the interest of every month up to this one
};

struct Schedule {
    TableStatus status = TableStatus::Ok;
    std::vector<ScheduleLine> lines;  // lines[0] is record 0; lines[k] is month k
    double levelPayment = 0.0;        // the payment rounded to the cent, as the table shows it
    int termMonths = 0;               // the whole months the payment was computed for

    int months() const { return lines.empty() ? 0 : static_cast<int>(lines.size()) - 1; }
    double lastPayment() const { return lines.empty() ? 0.0 : lines.back().payment; }
    // The last installment is more than twice the level payment: the level payment does not repay the loan
    // within its term, and the last installment pays what is left.
    bool endsInBalloon() const { return months() > 0 && lastPayment() > 2 * levelPayment; }
    // The level payment repaid the loan before the end of its term.
    bool endsEarly() const { return months() > 0 && months() < termMonths; }
};

// The schedule of one payment cell (CalcAmort): the loan's ledger (engine/ledger.h) at 12 installments a
// year over the whole months of termMonths, with the payment to the cent as the table shows it. Record 0 is
// the loan amount to the cent; the schedule ends at 0, its principal adds up to the loan and the last payment
// may differ from the others (a balloon when the level payment to the cent does not repay the loan in time).
// More than limits::kMaxScheduleRows months is TooManyMonths; a loan amount beyond limits::kMaxMoney in size
// AmountTooLarge; a negative amount, payment or rate, a payment beyond limits::kMaxMoney, or values whose
// balance would leave the range where cents are exact, InvalidInput.
Schedule amortizationSchedule(double loanAmount, double payment, double annualRatePercent, double termMonths);

// Where the table text goes: the clipboard (mode 0) or the printer (mode 1).
enum class TableTextMode { Clipboard = 0, Printer = 1 };

// "Loan of " (or those words in the user's language) and the amount as text, a blank before numbers that are
// not negative ("Loan of  80000"), without the line end.
std::string loanOfLine(double amount, std::string_view loanOf = "Loan of");

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
                      TableTextMode mode, std::string_view loanOf = "Loan of");

}  // namespace tv
