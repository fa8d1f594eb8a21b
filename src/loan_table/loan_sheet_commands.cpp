// The table screen's menus and commands: copy and print, instructions, the units, Clear Table, leaving.
#include <algorithm>
#include <optional>
#include <vector>

#include "app/links.h"
#include "app/program.h"
#include "common/numbers.h"
#include "common/user_text.h"
#include "engine/loan.h"
#include "loan_table/loan_sheet.h"

namespace tv {

namespace {

bool isBlank(const std::string& text)
{
    return text.empty() || text == " ";
}

// The number a box shows, or nothing when it is empty or not a number.
std::optional<double> numberIn(const MaskedBox& box)
{
    if (box.text().find_first_not_of(' ') == std::string::npos) return std::nullopt;
    return parseBoxValue(box.text());
}

}  // namespace

int LoanSheet::lastTableRow() const
{
    const Grid& g = grid("grdPayments");
    for (int r = 1; r < g.rows(); ++r)
        if (isBlank(g.text(r, 0))) return r - 1;
    return g.rows() - 1;
}

int LoanSheet::lastTableCol() const
{
    // The table's own columns: the grid keeps blank ones beyond a narrow table for its minimum size.
    const Grid& g = grid("grdPayments");
    const int own = showingSchedule ? 4 : lenCount;
    return std::min(own, g.cols() - 1);
}

std::string LoanSheet::GetTableText(std::int16_t mode)
{
    Grid& g = grid("grdPayments");
    const int lastRow = lastTableRow();
    const int lastCol = lastTableCol();
    // With nothing chosen, the user sees the whole table highlighted as it is copied.
    if (g.row() == g.rowSel() && g.col() == g.colSel() && isBlank(g.text())) {
        g.setCurrent(0, 0);
        g.setSelectionEnd(lastRow, lastCol);
    }

    // The amount as the boxes give it now; with an empty or unreadable box, the amount the table shown was
    // computed for.
    double amount = loanAmt;
    std::optional<double> purchase = numberIn(box("txtPurchTotl"));
    std::optional<double> down = box("txtDwnPay").text().empty() ? 0.0 : parseBoxValue(box("txtDwnPay").text());
    if (purchase && down) amount = financedOf(*purchase, *down);

    std::vector<std::vector<std::string>> cells(static_cast<std::size_t>(lastRow + 1));
    for (int r = 0; r <= lastRow; ++r)
        for (int c = 0; c <= lastCol; ++c) cells[static_cast<std::size_t>(r)].push_back(g.text(r, c));
    // The words before the amount are in the user's language, as the cells are.
    tableText =
        tv::tableText(amount, cells, showingSchedule, mode == 1 ? TableTextMode::Printer : TableTextMode::Clipboard,
                      app().text(userText<"Loan of">()));
    // A schedule's note follows its rows, as it stands under the grid.
    if (const std::string& note = label("lblScheduleNote").caption(); showingSchedule && !note.empty())
        tableText += note + "\r\n";
    return tableText;
}

void LoanSheet::mnuOptCopy_Click()
{
    platform().setClipboardText(GetTableText(0));
}

void LoanSheet::mnuOptPrint_Click()
{
    // A print that did not happen has been reported by the platform; nothing here claims success.
    app().printTable(finishedText(GetTableText(1)), PdfTable());
}

void LoanSheet::mnuOptInstruct_Click()
{
    msgBox(userText<"Enter the purchase amount, down payment, length of loan, and interest rates. Click the Show "
                    "Payments button to display monthly payments in the grid on the right.\n\r\n\r"
                    "Select a monthly payment and click the Show Amortization button to display an amortization "
                    "schedule for the selected interest rate and length of loan in the grid.\n\r\n\r"
                    "Select cells in the grid and choose Copy from the Options menu to copy data onto the "
                    "Clipboard.">(),
           MsgButtons::Ok, MsgIcon::Information, instructionsTitle());
}

void LoanSheet::mnuOptDwn_Click(std::int16_t index)
{
    // The box and its value stay; the unit applies at the box's next change and at the next Show Payments.
    const bool amount = index == 1;
    menu("mnuOptDwn", 0).setChecked(!amount);
    menu("mnuOptDwn", 1).setChecked(amount);
    label("lblDwnPay")
        .setCaption(amount ? formText<"LoanSheet", "Amount Down">() : formText<"LoanSheet", "Percent Down">());
    // An amount down shows as money: "5000%" would misread a $5,000 down payment.
    box("txtDwnPay").setFormat(amount ? "$#,##0.00;($#,##0.00)" : "0%");
}

void LoanSheet::mnuOptLen_Click(std::int16_t index)
{
    const bool months = index == 1;
    const bool wasMonths = inMonths();
    menu("mnuOptLen", 0).setChecked(!months);
    menu("mnuOptLen", 1).setChecked(months);
    frame("frmLoanLen")
        .setCaption(months ? formText<"LoanSheet", "Months in Loan">() : formText<"LoanSheet", "Years in Loan">());
    if (months == wasMonths) return;
    // Both boxes in the new unit; an empty box, or one that is not a number, is left as it is.
    for (NameOf<Kind::MaskedBox> name : NameList<Kind::MaskedBox>{"txtLenMax", "txtLenMin"}) {
        MaskedBox& b = box(name);
        std::optional<double> length = numberIn(b);
        if (!length) continue;
        b.setText(plainText(months ? *length * 12 : roundToMonth(*length / 12)));
    }
}

void LoanSheet::Btn_Clear_Click()
{
    ClearGrid();
    button("cmdCalcAmort").setEnabled(false);
    menu("mnuOptCopy").setEnabled(false);
    menu("mnuOptPrint").setEnabled(false);
    setExportEnabled(false);
}

void LoanSheet::mnuOptExit_Click()
{
    unload();
    showInFront(m_program.mainScreen().form());
}

void LoanSheet::Btn_Close_Click()
{
    mnuOptExit_Click();
}

}  // namespace tv
