// Show Payments with its checks, the payment table in the grid, and the schedule of one payment cell.
#include <string>

#include "app/program.h"
#include "common/formats.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "common/user_text.h"
#include "engine/limits.h"
#include "loan_table/loan_sheet.h"

namespace tv {

namespace {

// The grid's frame, and a scroll bar, take this much of its height or width (twips).
constexpr int kGridBorder = 30;
constexpr int kScrollBar = 255;
// The visible area holds 16 data rows and 3 data columns; the schedule 4 data columns.
constexpr int kVisibleRows = 16;
constexpr int kVisibleCols = 3;
constexpr int kScheduleCols = 5;
// Row 0 holds one line of text over the table, two over the schedule.
constexpr int kTableHeaderHeight = 240;
constexpr int kScheduleHeaderHeight = 480;

bool isBlank(const std::string& text)
{
    return text.empty() || text == " ";
}

int twips(double value)
{
    return static_cast<int>(roundHalfEven(value));
}

std::string money(double amount)
{
    return formatNumber(amount, kCurrencyFormat);
}

std::string whole(int count)
{
    return formatNumber(count, kWholeFormat);
}

// The refusals that Show Payments' checks share with the table's own statuses.
UserText amountTooLargeMessage()
{
    return composeText<"The purchase amount cannot exceed %1.">(formatNumber(limits::kMaxMoney, kMoneyFormat));
}
UserText lengthTooShortMessage()
{
    return userText<"The minimum length of loan must be one month or year.">();
}
UserText lengthsReversedMessage()
{
    return userText<"Maximum length of loan must be greater than the minimum length of loan.">();
}
UserText ratesReversedMessage()
{
    return userText<"Maximum interest rate must be greater than the minimum interest rate.">();
}

}  // namespace

UserText LoanSheet::statusMessage(TableStatus status)
{
    switch (status) {
        case TableStatus::AmountTooLarge:
            return amountTooLargeMessage();
        case TableStatus::LengthTooShort:
            return lengthTooShortMessage();
        case TableStatus::LengthTooLong:
            return composeText<"The maximum length of loan cannot exceed %1 years (%2 months).">(
                whole(limits::kMaxTableYears), whole(limits::kMaxTableMonths));
        case TableStatus::LengthsReversed:
            return lengthsReversedMessage();
        case TableStatus::RatesReversed:
            return ratesReversedMessage();
        case TableStatus::TooManyRates:
            return composeText<"The table can show at most %1 interest rates.">(whole(limits::kMaxTableRateRows));
        case TableStatus::TooManyLengths:
            return composeText<"The table can show at most %1 year columns or %2 month columns.">(
                whole(limits::kMaxTableYearColumns), whole(limits::kMaxTableMonthColumns));
        case TableStatus::TooManyMonths:
            return composeText<"An amortization schedule can show at most %1 months.">(whole(limits::kMaxScheduleRows));
        case TableStatus::InvalidInput:
        case TableStatus::Ok:
            break;
    }
    return userText<"The table cannot be computed from these values.">();
}

bool LoanSheet::checkInputs()
{
    MaskedBox& purchase = box("txtPurchTotl");
    MaskedBox& down = box("txtDwnPay");
    MaskedBox& maxLen = box("txtLenMax");
    MaskedBox& minLen = box("txtLenMin");
    auto refuse = [this](const UserText& text, Control& focus, MaskedBox* emptied) {
        error(text);
        if (emptied) emptied->setText("");
        focus.setFocus();
        return false;
    };

    if (purchAmt <= 0) return refuse(userText<"You must enter a valid purchase amount.">(), purchase, &purchase);
    if (purchAmt > limits::kMaxMoney) return refuse(amountTooLargeMessage(), purchase, &purchase);
    // The down payment as the unit now checked reads it, against the purchase as it is now.
    if (UserText problem = downPaymentProblem(); !problem.empty()) return refuse(problem, down, &down);

    if (maxLen.text().empty()) return refuse(userText<"You must enter a maximum length of loan.">(), maxLen, nullptr);
    if (lenMax < 1)
        return refuse(userText<"The maximum length of loan must be at least one month or year.">(), maxLen, &maxLen);
    if (inMonths() && lenMax > limits::kMaxTableMonths)
        return refuse(
            composeText<"The maximum length of loan cannot exceed %1 months.">(whole(limits::kMaxTableMonths)), maxLen,
            &maxLen);
    if (!inMonths() && lenMax > limits::kMaxTableYears)
        return refuse(composeText<"The maximum length of loan cannot exceed %1 years.">(whole(limits::kMaxTableYears)),
                      maxLen, &maxLen);
    if (lenMax < lenMin) return refuse(lengthsReversedMessage(), maxLen, &maxLen);
    if (minLen.text().empty() || lenMin < 1) {
        error(lengthTooShortMessage());
        minLen.setText("1");
        lenMin = 1;
    }

    ComboList& maxRate = combo("comIntrMax");
    if (intrMax < intrMin) return refuse(ratesReversedMessage(), maxRate, nullptr);
    if (intrMax < 0.5)
        return refuse(userText<"You must specify a maximum interest rate greater than zero.">(), maxRate, nullptr);
    return true;
}

void LoanSheet::cmdCalcPmts_Click()
{
    button("cmdCalcAmort").setEnabled(false);
    if (!checkInputs()) return;
    const double financed = loanAmt;
    loanAmt = financedOf(purchAmt, dwnPay);
    app().setPointer(Pointer::Hourglass);
    lenStep = inMonths() ? 6 : 1;
    const PaymentTable shown = pmtTable;
    CalcPayments();
    if (pmtTable.status != TableStatus::Ok) {
        // The grid keeps the table it shows, and that table keeps its amount.
        const TableStatus status = pmtTable.status;
        pmtTable = shown;
        loanAmt = financed;
        app().setPointer(Pointer::Default);
        error(statusMessage(status));
        return;
    }
    ShowPayments();
    button("cmdCalcAmort").setEnabled(true);
    app().setPointer(Pointer::Default);
}

void LoanSheet::CalcPayments()
{
    PaymentTableInput in;
    in.loanAmount = loanAmt;
    in.minRatePercent = intrMin;
    in.maxRatePercent = intrMax;
    in.minLength = lenMin;
    in.maxLength = lenMax;
    in.unit = lenStep == 6 ? LengthUnit::Months : LengthUnit::Years;
    pmtTable = paymentTable(in);
    if (pmtTable.status != TableStatus::Ok) return;
    rateCount = static_cast<std::int16_t>(pmtTable.rateCount());
    lenCount = pmtTable.lenCount();
}

void LoanSheet::ShowPayments()
{
    Grid& g = grid("grdPayments");
    ClearGrid();
    g.setRowHeight(0, kTableHeaderHeight);
    SizeGrid(g);
    for (int j = 1; j <= lenCount; ++j) {
        const std::string length = plainText(pmtTable.lengths[static_cast<std::size_t>(j - 1)]);
        g.setText(0, j,
                  lenStep == 6 ? composeFormText<"LoanSheet", "%1 Months">(length)
                               : composeFormText<"LoanSheet", "%1 Years">(length));
        g.setFixedAlignment(j, Alignment::Left);
    }
    g.setFixedAlignment(0, Alignment::Left);
    for (int i = 1; i <= rateCount; ++i)
        g.setText(i, 0,
                  finishedText(withPercent(
                      formatNumber(pmtTable.ratesPercent[static_cast<std::size_t>(i - 1)], kFixed2Format))));
    for (int i = 1; i <= rateCount; ++i) {
        for (int j = 1; j <= lenCount; ++j) {
            g.setColAlignment(j, Alignment::Left);
            g.setText(i, j, finishedText(money(pmtTable.payment(i - 1, j - 1))));
        }
    }
    menu("mnuOptCopy").setEnabled(true);
    menu("mnuOptPrint").setEnabled(true);
    setExportEnabled(true);
    showingSchedule = false;
    // The last cell written stays current: Show Amortization right away takes the highest rate and the
    // longest length.
    g.setCurrent(rateCount, lenCount);
}

void LoanSheet::ClearGrid()
{
    Grid& g = grid("grdPayments");
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.cols(); ++c) g.setText(r, c, finishedText(" "));
    g.setTopRow(1);
    g.setLeftCol(1);
    label("lblScheduleNote").setCaption({});
}

void LoanSheet::SizeGrid(Grid& g)
{
    const int availH = g.height() - g.rowHeight(0) - kGridBorder;
    const int availW = g.width() - g.colWidth(0) - kGridBorder;
    const bool tall = rateCount > kVisibleRows - 1;
    const bool wide = lenCount > kVisibleCols;
    ScrollBars bars = ScrollBars::None;
    if (tall && wide)
        bars = ScrollBars::Both;
    else if (tall)
        bars = ScrollBars::Vertical;
    else if (wide)
        bars = ScrollBars::Horizontal;
    g.setScrollBars(bars);
    g.setRows(tall ? rateCount + 1 : kVisibleRows + 1);
    g.setCols(wide ? lenCount + 1 : kVisibleCols + 1);
    // A horizontal bar takes height from the rows, a vertical one width from the columns.
    const int rowHeight = twips((wide ? availH - kScrollBar : availH) / static_cast<double>(kVisibleRows));
    const int colWidth = twips((tall ? availW - kScrollBar : availW) / static_cast<double>(kVisibleCols));
    const int sizedRows = tall ? rateCount : kVisibleRows;
    const int sizedCols = wide ? lenCount : kVisibleCols;
    for (int r = 1; r <= sizedRows; ++r) g.setRowHeight(r, rowHeight);
    for (int c = 1; c <= sizedCols; ++c) g.setColWidth(c, colWidth);
}

bool LoanSheet::onPaymentCell() const
{
    const Grid& g = grid("grdPayments");
    return !showingSchedule && pmtTable.status == TableStatus::Ok && g.row() >= 1 && g.row() <= pmtTable.rateCount() &&
           g.col() >= 1 && g.col() <= pmtTable.lenCount() && !isBlank(g.text());
}

void LoanSheet::grdPayments_Click()
{
    button("cmdCalcAmort").setEnabled(onPaymentCell());
}

void LoanSheet::grdPayments_DblClick()
{
    if (!onPaymentCell()) {
        button("cmdCalcAmort").setEnabled(false);
        return;
    }
    button("cmdCalcAmort").setEnabled(true);
    app().setPointer(Pointer::Hourglass);
    CalcAmort();
    ShowAmort();
    app().setPointer(Pointer::Default);
}

void LoanSheet::cmdCalcAmort_Click()
{
    // The button acts only on a payment cell of the table shown (the keyboard can move the cell too).
    if (!onPaymentCell()) {
        button("cmdCalcAmort").setEnabled(false);
        return;
    }
    app().setPointer(Pointer::Hourglass);
    CalcAmort();
    ShowAmort();
    app().setPointer(Pointer::Default);
}

void LoanSheet::CalcAmort()
{
    const Grid& g = grid("grdPayments");
    const int i = g.row() - 1;
    const int j = g.col() - 1;
    selPayment = pmtTable.payment(i, j);
    mnthRate = pmtTable.ratesPercent[static_cast<std::size_t>(i)] / 1200;
    // The months the column's payment was computed with, in the unit the table was computed in.
    const double length = pmtTable.lengths[static_cast<std::size_t>(j)];
    termMonths = lenStep == 1 ? length * 12 : length;
    amortTable =
        amortizationSchedule(loanAmt, selPayment, pmtTable.ratesPercent[static_cast<std::size_t>(i)], termMonths);
}

void LoanSheet::ShowAmort()
{
    Grid& g = grid("grdPayments");
    ClearGrid();
    g.setCols(kScheduleCols);
    g.setCurrent(0, 0);
    g.setRowHeight(0, kScheduleHeaderHeight);
    g.setText(0, 0, composeFormText<"LoanSheet", "Payment\n%1">(money(selPayment)));
    const UserText titles[] = {formText<"LoanSheet", "Principle Paid">(), formText<"LoanSheet", "Interest Paid">(),
                               formText<"LoanSheet", "Principle Balance">(), formText<"LoanSheet", "Total Interest">()};
    for (int c = 1; c < kScheduleCols; ++c) {
        g.setText(0, c, titles[c - 1]);
        g.setColAlignment(c, Alignment::Left);
    }
    g.setScrollBars(ScrollBars::Both);
    const int availH = g.height() - g.rowHeight(0) - kGridBorder;
    const int availW = g.width() - g.colWidth(0) - kGridBorder;
    const int months = amortTable.months();
    g.setRows(months + 1 > kVisibleRows ? months + 1 : kVisibleRows);
    const int rowHeight = twips(availH / static_cast<double>(kVisibleRows));
    for (int k = 1; k <= months; ++k) {
        g.setRowHeight(k, rowHeight);
        g.setText(k, 0, finishedText(std::to_string(k)));
    }
    const int colWidth = twips((availW - kScrollBar) / 4.0);
    for (int c = 1; c < kScheduleCols; ++c) g.setColWidth(c, colWidth);
    for (int k = 1; k <= months; ++k) {
        const ScheduleLine& line = amortTable.lines[static_cast<std::size_t>(k)];
        g.setText(k, 1, finishedText(money(line.principal)));
        g.setText(k, 2, finishedText(money(line.interest)));
        g.setText(k, 3, finishedText(money(line.balance)));
        g.setText(k, 4, finishedText(money(line.totalInterest)));
    }
    label("lblScheduleNote").setCaption(scheduleNote());
    button("cmdCalcAmort").setEnabled(false);
    showingSchedule = true;
    g.setCurrent(months, kScheduleCols - 1);
    recordSchedule();
}

UserText LoanSheet::scheduleNote() const
{
    if (amortTable.endsInBalloon())
        return composeText<
            "The last installment of %1 is a balloon payment: the level payment does not repay the loan "
            "within its term.">(money(amortTable.lastPayment()));
    if (amortTable.endsEarly())
        return composeText<
            "The loan is repaid with installment %1, before the end of its term; the last installment is "
            "%2.">(whole(amortTable.months()), money(amortTable.lastPayment()));
    return {};
}

}  // namespace tv
