// Saving what the grid shows as a CSV file or a PDF document, and charting it.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/program.h"
#include "common/csv.h"
#include "common/formats.h"
#include "common/numbers.h"
#include "common/user_text.h"
#include "engine/chart_data.h"
#include "loan_table/loan_sheet.h"

namespace tv {

namespace {

// Plain numbers for the CSV file: money to the cent as the grid shows it, without signs or separators.
std::string cents(double amount)
{
    return formatNumber(amount, kFixed2Format, Locale::enUS());
}

std::string money(double amount)
{
    return formatNumber(amount, kCurrencyFormat);
}

const char* const kScheduleTitles[] = {"Principal Paid", "Interest Paid", "Principal Balance", "Total Interest"};

// One term of the loan shown: as a person reads it over a printed table, and as plain CSV numbers.
struct Term {
    UserText name;                   // "Amount financed"
    UserText shown;                  // "$80,000.00", "6.00% to 8.00%"
    std::string csvName;             // "Rate (%)"
    std::vector<std::string> plain;  // one number, or the lowest and the highest of the table's range
};

UserText range(const std::string& low, const std::string& high)
{
    return low == high ? finishedText(low) : composeText<"%1 to %2">(low, high);
}

std::vector<std::string> plainRange(const std::string& low, const std::string& high)
{
    if (low == high) return {low};
    return {low, high};
}

// The schedule's single rate, length and payment, or the table's ranges, as the grid was computed.
std::vector<Term> loanTerms(const LoanSheet& s)
{
    const std::string unit = s.lenStep == 6 ? "months" : "years";
    double rateLow = 0, rateHigh = 0, lengthLow = 0, lengthHigh = 0, paymentLow = 0, paymentHigh = 0;
    if (s.showingSchedule) {
        // The monthly rate times 1200 is the row's percent to within rounding; micro-percents are plenty.
        rateLow = rateHigh = std::round(s.mnthRate * 1200 * 1e6) / 1e6;
        lengthLow = lengthHigh = s.lenStep == 6 ? s.termMonths : s.termMonths / 12;
        paymentLow = paymentHigh = s.selPayment;
    } else if (!s.pmtTable.payments.empty()) {
        rateLow = s.pmtTable.ratesPercent.front();
        rateHigh = s.pmtTable.ratesPercent.back();
        lengthLow = s.pmtTable.lengths.front();
        lengthHigh = s.pmtTable.lengths.back();
        const auto [low, high] = std::minmax_element(s.pmtTable.payments.begin(), s.pmtTable.payments.end());
        paymentLow = *low;
        paymentHigh = *high;
    }
    const double down = s.purchAmt - s.loanAmt;
    const std::string percent = s.percentDown() ? " (" + plainText(s.dwnPay) + "%)" : "";
    return {
        {userText<"Purchase">(), finishedText(money(s.purchAmt)), "Purchase", {cents(s.purchAmt)}},
        {userText<"Down payment">(), finishedText(money(down) + percent), "Down payment", {cents(down)}},
        {userText<"Amount financed">(), finishedText(money(s.loanAmt)), "Amount financed", {cents(s.loanAmt)}},
        {userText<"Rate">(),
         range(withPercent(formatNumber(rateLow, kFixed2Format)), withPercent(formatNumber(rateHigh, kFixed2Format))),
         "Rate (%)", plainRange(plainText(rateLow, Locale::enUS()), plainText(rateHigh, Locale::enUS()))},
        {userText<"Length">(), s.lengthWords(range(plainText(lengthLow), plainText(lengthHigh))),
         "Length (" + unit + ")",
         plainRange(plainText(lengthLow, Locale::enUS()), plainText(lengthHigh, Locale::enUS()))},
        {userText<"Monthly payment">(), range(money(paymentLow), money(paymentHigh)), "Monthly payment",
         plainRange(cents(paymentLow), cents(paymentHigh))},
    };
}

// The terms under a heading, one a line: the lines a printed page repeats at its top.
UserText titleWithTerms(const UserText& heading, const LoanSheet& s)
{
    UserText title = heading;
    for (const Term& t : loanTerms(s)) title = textLines(std::move(title), composeText<"%1: %2">(t.name, t.shown));
    return title;
}

}  // namespace

void LoanSheet::bindExportHandlers()
{
    bind("mnuOptSaveCsv_Click", [this] { mnuOptSaveCsv_Click(); });
    bind("mnuOptSavePdf_Click", [this] { mnuOptSavePdf_Click(); });
    bind("mnuChart_Click", [this] { mnuChart_Click(); });
}

void LoanSheet::setExportEnabled(bool enabled)
{
    for (MenuItemName name : std::initializer_list<MenuItemName>{"mnuOptSaveCsv", "mnuOptSavePdf", "mnuChart"})
        menu(name).setEnabled(enabled);
}

bool LoanSheet::hasExportData() const
{
    if (showingSchedule) return amortTable.months() > 0;
    return pmtTable.status == TableStatus::Ok && pmtTable.rateCount() > 0 && pmtTable.lenCount() > 0;
}

UserText LoanSheet::lengthWords(double length) const
{
    return lengthWords(finishedText(plainText(length)));
}

UserText LoanSheet::lengthWords(const UserText& length) const
{
    return lenStep == 6 ? composeText<"%1 months">(length) : composeText<"%1 years">(length);
}

std::string LoanSheet::CsvText() const
{
    // The loan's terms, one a row, and an empty row before the table, so that the file says what it is.
    std::vector<std::vector<std::string>> rows;
    for (const Term& t : loanTerms(*this)) {
        rows.push_back({t.csvName});
        rows.back().insert(rows.back().end(), t.plain.begin(), t.plain.end());
    }
    rows.emplace_back();
    if (showingSchedule) {
        rows.push_back({"Month", kScheduleTitles[0], kScheduleTitles[1], kScheduleTitles[2], kScheduleTitles[3]});
        for (int k = 1; k <= amortTable.months(); ++k) {
            const ScheduleLine& line = amortTable.lines[static_cast<std::size_t>(k)];
            rows.push_back({std::to_string(k), cents(line.principal), cents(line.interest), cents(line.balance),
                            cents(line.totalInterest)});
        }
    } else {
        std::vector<std::string> header{"Rate (%)"};
        // A saved file's words stay English, as its numbers stay plain, for the programs that read it.
        for (double length : pmtTable.lengths) header.push_back(lengthWords(length).english());
        rows.push_back(std::move(header));
        for (int i = 0; i < pmtTable.rateCount(); ++i) {
            std::vector<std::string> row{plainText(pmtTable.ratesPercent[static_cast<std::size_t>(i)], Locale::enUS())};
            for (int j = 0; j < pmtTable.lenCount(); ++j) row.push_back(cents(pmtTable.payment(i, j)));
            rows.push_back(std::move(row));
        }
    }
    return csvText(rows);
}

UserText LoanSheet::scheduleTitle() const
{
    return composeText<"Amortization Schedule: loan of %1 at %2% for %3, payment %4">(
        money(loanAmt), formatNumber(mnthRate * 1200, kFixed2Format),
        lengthWords(lenStep == 6 ? termMonths : termMonths / 12), money(selPayment));
}

MarkedTable LoanSheet::PdfTable() const
{
    const Grid& g = grid("grdPayments");
    // The grid's cells are in the user's words and numbers already.
    auto cell = [&g](int r, int c) { return finishedText(g.text(r, c)); };
    MarkedTable doc;
    if (showingSchedule) {
        // What the rows alone do not tell (a balloon, an early end) follows the terms.
        doc.title = textLines(titleWithTerms(userText<"Amortization Schedule">(), *this), scheduleNote());
        doc.rows.push_back({userText<"Month">(), cell(0, 1), cell(0, 2), cell(0, 3), cell(0, 4)});
        for (int k = 1; k <= amortTable.months() && k < g.rows(); ++k)
            doc.rows.push_back({cell(k, 0), cell(k, 1), cell(k, 2), cell(k, 3), cell(k, 4)});
        return doc;
    }
    doc.title = titleWithTerms(userText<"Loan Payment Table: monthly payments">(), *this);
    const int cols = std::min(pmtTable.lenCount(), g.cols() - 1);
    const int rows = std::min(pmtTable.rateCount(), g.rows() - 1);
    std::vector<UserText> header{userText<"Rate">()};
    for (int j = 1; j <= cols; ++j) header.push_back(cell(0, j));
    doc.rows.push_back(std::move(header));
    for (int i = 1; i <= rows; ++i) {
        std::vector<UserText> row;
        for (int j = 0; j <= cols; ++j) row.push_back(cell(i, j));
        doc.rows.push_back(std::move(row));
    }
    return doc;
}

MarkedChartRequest LoanSheet::ChartOfGrid() const
{
    const ColorTable& t = module1().colors;
    const UserText currency = finishedText(Locale::current().currencySymbol);
    MarkedChartRequest request;
    request.back = t.gLoanBkgrndColor;
    request.fore = t.gLoanTxtColor;
    if (showingSchedule) {
        request.name = "schedule";
        request.caption = userText<"Amortization Schedule Chart">();
        MarkedChart balance;
        balance.title = scheduleTitle();
        balance.x = {userText<"Month">(), {}};
        balance.y = {userText<"Principal balance">(), currency};
        MarkedChartSeries line{userText<"Principal balance">(), SeriesKind::Line, t.gLoanTxtColor, false, {}};
        for (int k = 0; k <= amortTable.months(); ++k)
            line.points.push_back({static_cast<double>(k), amortTable.lines[static_cast<std::size_t>(k)].balance});
        balance.series.push_back(std::move(line));
        request.charts.push_back(std::move(balance));

        MarkedChart yearly;
        yearly.title =
            composeText<"Principal and interest paid each year, and the interest paid in all - %1">(scheduleTitle());
        yearly.x = {userText<"Year of the loan">(), {}};
        yearly.y = {userText<"Paid in the year">(), currency};
        yearly.right = {userText<"Total interest">(), currency};
        MarkedChartSeries principal{userText<"Principal">(), SeriesKind::StackedBar, t.gLoanTxtColor, false, {}};
        MarkedChartSeries interest{userText<"Interest">(), SeriesKind::StackedBar, t.gLoanHiTxtColor, false, {}};
        MarkedChartSeries total{userText<"Total interest">(), SeriesKind::Line, t.gLoanContrastColor, true, {}};
        for (const ScheduleYear& y : scheduleByYear(amortTable)) {
            const double at = y.year - 1;
            yearly.categories.push_back(finishedText(std::to_string(y.year)));
            principal.points.push_back({at, y.principal});
            interest.points.push_back({at, y.interest});
            total.points.push_back({at, y.cumulativeInterest});
        }
        yearly.series = {std::move(principal), std::move(interest), std::move(total)};
        request.charts.push_back(std::move(yearly));
        return request;
    }

    request.name = "table";
    request.caption = userText<"Loan Payment Table Chart">();
    MarkedChart chart;
    chart.title = composeText<"Monthly payment on %1 by loan length, one line per rate">(money(loanAmt));
    chart.x = {userText<"Loan length">(), lenStep == 6 ? userText<"months">() : userText<"years">()};
    chart.y = {userText<"Monthly payment">(), currency};
    chart.comparesLines = true;
    const int rates = pmtTable.rateCount();
    for (int i = 0; i < rates; ++i) {
        // The lowest rate in the scheme's text colour, the highest in its highlight colour.
        const double share = rates > 1 ? static_cast<double>(i) / (rates - 1) : 0.0;
        MarkedChartSeries line{
            finishedText(withPercent(formatNumber(pmtTable.ratesPercent[static_cast<std::size_t>(i)], kFixed2Format))),
            SeriesKind::Line,
            blendColors(t.gLoanTxtColor, t.gLoanHiTxtColor, share),
            false,
            {}};
        for (int j = 0; j < pmtTable.lenCount(); ++j)
            line.points.push_back({pmtTable.lengths[static_cast<std::size_t>(j)], pmtTable.payment(i, j)});
        chart.series.push_back(std::move(line));
    }
    request.charts.push_back(std::move(chart));
    return request;
}

void LoanSheet::mnuOptSaveCsv_Click()
{
    if (!hasExportData()) return;
    app().saveFile(showingSchedule ? userText<"Amortization schedule.csv">() : userText<"Loan payment table.csv">(),
                   CsvText());
}

void LoanSheet::mnuOptSavePdf_Click()
{
    if (!hasExportData()) return;
    app().savePdf(showingSchedule ? userText<"Amortization schedule.pdf">() : userText<"Loan payment table.pdf">(),
                  PdfTable());
}

void LoanSheet::mnuChart_Click()
{
    if (!hasExportData()) return;
    app().showChart(ChartOfGrid());
}

}  // namespace tv
