#pragma once

#include <cstdint>
#include <string>

#include "engine/loan_table.h"
#include "history_store/history_store.h"
#include "loan_table/loan_sheet_controls.h"
#include "screen_model/chart.h"
#include "screen_model/declared_form.h"
#include "screen_model/platform.h"

namespace tv {

class Program;
class Module1;
class RateList;

// The Loan Payment Table: monthly payments for one purchase over a range of rates (rows) and loan lengths
// (columns), the amortization schedule of one payment cell, and copying or printing either as text.
// A second, non-modal window beside the main screen, pre-filled from its loan when it loads.
class LoanSheet : public DeclaredForm<kLoanSheetControls, kLoanSheetMenus> {
public:
    explicit LoanSheet(Program& program);

    // Form events (loan_sheet.cpp).
    void Form_Load();
    void Form_Unload(EventArgs& args);

    // Inputs and their checks (loan_sheet.cpp).
    void txtPurchTotl_Change();
    void txtDwnPay_Change();
    void txtLenMin_Change();
    void txtLenMax_Change();
    void comIntrMin_Click();
    void comIntrMax_Click();

    // The payment table and the schedule (loan_sheet_grid.cpp).
    void cmdCalcPmts_Click();
    void CalcPayments();
    void ShowPayments();
    void ClearGrid();
    void SizeGrid(Grid& grid);
    void cmdCalcAmort_Click();
    void grdPayments_Click();
    void grdPayments_DblClick();
    void CalcAmort();
    void ShowAmort();

    // Menus and commands (loan_sheet_commands.cpp).
    std::string GetTableText(std::int16_t mode);
    void mnuOptCopy_Click();
    void mnuOptPrint_Click();
    void mnuOptInstruct_Click();
    void mnuOptExit_Click();
    void mnuOptDwn_Click(std::int16_t index);
    void mnuOptLen_Click(std::int16_t index);
    // Opens the screen on a recorded schedule's loan (one rate, one length) and shows that schedule again; false for
    // an entry that is no table schedule.
    bool restoreSchedule(const HistoryEntry& entry);
    void Btn_Clear_Click();
    void Btn_Close_Click();

    // Saving and charting what the grid shows, the table or the schedule (loan_sheet_export.cpp).
    void mnuOptSaveCsv_Click();
    void mnuOptSavePdf_Click();
    void mnuChart_Click();
    // RFC 4180 text: a header row, then plain numbers (rates and lengths as computed, money to the cent).
    std::string CsvText() const;
    // The grid's texts under a title line naming the loan (and the schedule's rate, length and payment).
    MarkedTable PdfTable() const;
    UserText lengthWords(const UserText& length) const;  // "15 years", "10 to 30 months": in the table's unit
    // The schedule's balance by month and its principal and interest by year, or the table's payment by
    // length with one line per rate, in the loan colours.
    MarkedChartRequest ChartOfGrid() const;

    // The table screen's colours from the colour table, always the loan colours (loan_sheet_colors.cpp).
    void SetSheetColors();

    bool percentDown() const;
    // The amount financed: the purchase less the down payment, which is to the cent (a percentage of the
    // purchase rounded half up).
    double financedOf(double purchase, double down) const;
    bool inMonths() const;

    // Screen variables: the inputs as last read, the amount financed and the table and schedule shown.
    double purchAmt = 0;
    double dwnPay = 0;
    double loanAmt = 0;
    double lenMin = 0;
    double lenMax = 0;
    double intrMin = 0;
    double intrMax = 0;
    std::int16_t lenStep = 1;  // 1: the table was computed in years; 6: in months
    std::int16_t rateCount = 16;
    int lenCount = 3;
    PaymentTable pmtTable;  // rates, lengths and payments of the last Show Payments
    bool showingSchedule = false;
    double selPayment = 0;
    double mnthRate = 0;
    double termMonths = 0;
    Schedule amortTable;    // record k: month k's payment, principal, interest, balance and interest so far
    std::string tableText;  // the last text built for the clipboard or the printer

    // Every message of the screen but the instructions: title "LoanSheet Error", exclamation, OK.
    static UserText errorTitle() { return userText<"LoanSheet Error">(); }
    static UserText instructionsTitle() { return userText<"LoanSheet Instructions">(); }

    Program& program() const { return m_program; }
    Module1& module1() const;

private:
    void bindHandlers();
    void bindExportHandlers();
    // Records the schedule shown in the calculation history (loan_sheet_history.cpp).
    void recordSchedule();
    // The save and chart entries, enabled with Copy and Print.
    void setExportEnabled(bool enabled);
    bool hasExportData() const;
    UserText lengthWords(double length) const;  // "15 years", "6 months": the unit the table was computed in
    UserText scheduleTitle() const;
    // What the schedule shown says of its last installment beyond its rows (a balloon, or a loan repaid
    // before its term), or empty.
    UserText scheduleNote() const;

    // The rate lists, entry k standing for k × 0.25 %.
    RateList minRates();
    RateList maxRates();

    void error(const UserText& text);
    // The value a box displays (currency signs, group separators and a percent sign accepted); 0 when it
    // is empty or not a number.
    double value(NameOf<Kind::MaskedBox> boxName) const;
    // The message the down payment gets under the unit now checked, or empty when it is acceptable.
    UserText downPaymentProblem() const;
    // Show Payments' checks, in order; false after a message that stops the command.
    bool checkInputs();
    // The grid position of the last body row of what the grid shows, and of its last column.
    int lastTableRow() const;
    int lastTableCol() const;
    // True when the grid's current cell is a payment of the table shown.
    bool onPaymentCell() const;
    // The words of a refusal of the table's math.
    static UserText statusMessage(TableStatus status);

    Program& m_program;
    bool m_restoring = false;  // a recorded schedule is being shown again
};

// Shows a form (not modally), or only brings it to the front when it is shown already.
void showInFront(Form& form);

}  // namespace tv
