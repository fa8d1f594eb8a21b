// The table screen's schedules in the calculation history: the loan of the cell shown, as the main screen's
// payment calculation would take it, its totals and its balance by year.
#include <cmath>

#include "app/program.h"
#include "app/rate_list.h"
#include "common/formats.h"
#include "common/numbers.h"
#include "history/history_keeper.h"
#include "history/history_summary.h"
#include "loan_table/loan_sheet.h"
#include "main_screen/mervane.h"

namespace tv {

void LoanSheet::recordSchedule()
{
    if (m_restoring || amortTable.status != TableStatus::Ok || amortTable.months() == 0) return;
    const std::string money = "$#,##0.00;($#,##0.00)";
    const std::string duration(kDurationFormat);
    const bool months = lenStep != 1;
    // The row's rate, as the table lists it (a multiple of 0.25 %).
    const double ratePercent = std::round(mnthRate * 1200 * 1e6) / 1e6;
    const double length = months ? termMonths : termMonths / 12;
    const TextPieces tr(app());
    // The rows are titled as the main screen's boxes are, so a schedule and a calculation compare row by row.
    auto amount = [&money, &tr](std::string name, const UserText& label, double v, int better = 0) {
        return HistoryField{std::move(name), tr(label), formatNumber(v, money), v, money, better};
    };

    HistoryEntry e;
    e.view = "Table";
    e.option = "Table";
    e.frequency = "12";
    e.unit = months ? "Months" : "Years";
    e.inputs = {
        amount("fp_Prin", formText<"History", "Loan Amount">(), loanAmt),
        {"comIntr", tr(formText<"History", "Interest Rate %">()), formatNumber(ratePercent, kRateFormat), ratePercent,
         kRateFormat, 0},
        {"fp_Time", tr(months ? formText<"History", "Duration (Mos)">() : formText<"History", "Duration (Yrs)">()),
         formatNumber(length, duration), length, duration, 0}};
    double totalPaid = 0;
    for (std::size_t k = 1; k < amortTable.lines.size(); ++k) totalPaid += amortTable.lines[k].payment;
    const double years = amortTable.months() / 12.0;
    e.results = {
        amount("fp_Payment", formText<"History", "Payment">(), selPayment, -1),
        amount("fp_totInt", formText<"History", "Total Interest">(), amortTable.lines.back().totalInterest, -1),
        amount("fp_totpay", formText<"History", "Total Payments">(), totalPaid, -1),
        amount("fp_lstPay", formText<"History", "Last Payment">(), amortTable.lastPayment()),
        {"paidOff", tr(formText<"History", "Paid off after">()), yearsText(years, tr), years, kYearsFormat, -1}};
    e.curveTitle = "Balance";
    for (int k = 0; k <= amortTable.months(); ++k)
        if (k % 12 == 0 || k == amortTable.months())
            e.curve.push_back({k / 12.0, amortTable.lines[static_cast<std::size_t>(k)].balance});
    e.summary = historySummary(Mervane::historyTitle(e), e, tr);
    e.reader = historyReader(app());
    program().history().record(std::move(e));
}

}  // namespace tv

namespace tv {

bool LoanSheet::restoreSchedule(const HistoryEntry& entry)
{
    auto input = [&entry](std::string_view name) -> std::optional<double> {
        for (const HistoryField& f : entry.inputs)
            if (f.name == name) return f.value;
        return std::nullopt;
    };
    const std::optional<double> amount = input("fp_Prin");
    const std::optional<double> rate = input("comIntr");
    const std::optional<double> length = input("fp_Time");
    if (entry.view != "Table" || !amount || !rate || !length) return false;
    showInFront(*this);
    // A table of the one rate and the one length, in the unit the schedule was made in, and that cell's schedule.
    mnuOptDwn_Click(0);
    mnuOptLen_Click(entry.unit == "Months" ? 1 : 0);
    box("txtPurchTotl").setText(plainText(*amount));
    box("txtDwnPay").setText("0");
    box("txtLenMin").setText(plainText(*length));
    box("txtLenMax").setText(plainText(*length));
    const int index = static_cast<int>(std::lround(*rate / kTableRateStepPercent));
    minRates().choose(index);
    maxRates().choose(index);
    cmdCalcPmts_Click();
    if (pmtTable.status != TableStatus::Ok || pmtTable.rateCount() < 1) return true;
    grid("grdPayments").setCurrent(1, 1);
    // The schedule is in the history already.
    m_restoring = true;
    cmdCalcAmort_Click();
    m_restoring = false;
    return true;
}

}  // namespace tv
