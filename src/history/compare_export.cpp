// The comparison copied, printed and saved as CSV or PDF, and its curves as a chart.
#include <cmath>
#include <string>
#include <vector>

#include "app/program.h"
#include "common/csv.h"
#include "common/formats.h"
#include "common/numbers.h"
#include "common/user_text.h"
#include "history/compare_form.h"

namespace tv {

namespace {

bool isMoney(const std::string& format)
{
    return format.find('$') != std::string::npos || format == kCurrencyFormat;
}

// The grid's texts with each heading on one line: what the copy, the printout and the PDF show.
std::vector<std::vector<std::string>> shownRows(const CompareForm& form)
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> header{""};
    for (std::size_t i = 0; i < form.entries().size(); ++i) header.push_back(form.heading(i));
    rows.push_back(std::move(header));
    for (const CompareForm::Row& r : form.rows()) {
        rows.push_back({r.title});
        rows.back().insert(rows.back().end(), r.shown.begin(), r.shown.end());
    }
    return rows;
}

}  // namespace

std::string CompareForm::TableText() const
{
    std::string text;
    for (const auto& row : shownRows(*this)) {
        for (std::size_t c = 0; c < row.size(); ++c) text += (c ? "\t" : "") + row[c];
        text += "\r\n";
    }
    return text;
}

std::string CompareForm::CsvText() const
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> header{"Field"};
    for (std::size_t i = 0; i < m_entries.size(); ++i) header.push_back(heading(i));
    rows.push_back(std::move(header));
    for (const Row& r : m_rows) {
        std::vector<std::string> row{r.label};
        for (std::size_t i = 0; i < r.values.size(); ++i) {
            if (r.values[i])
                row.push_back(isMoney(r.format) ? formatNumber(*r.values[i], kFixed2Format, Locale::enUS())
                                                : plainText(*r.values[i], Locale::enUS()));
            else
                row.push_back(r.shown[i] == kMissing ? "" : r.shown[i]);
        }
        rows.push_back(std::move(row));
    }
    return csvText(rows);
}

MarkedTable CompareForm::PdfTable() const
{
    MarkedTable doc;
    doc.title = textLines(composeText<"Comparison of %1 calculations">(std::to_string(m_entries.size())),
                          finishedText(label("lblNote").caption()));
    for (std::vector<std::string>& row : shownRows(*this)) {
        std::vector<UserText>& cells = doc.rows.emplace_back();
        for (std::string& cell : row) cells.push_back(finishedText(std::move(cell)));
    }
    return doc;
}

MarkedChart CompareForm::CurveChart() const
{
    MarkedChart chart;
    bool balance = false;
    bool fund = false;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const HistoryEntry& e = m_entries[i];
        MarkedChartSeries line{finishedText(std::to_string(i + 1) + ": " + shortCaption(i)),
                               SeriesKind::Line,
                               m_program.module1().colors.gLoanTxtColor,
                               false,
                               {}};
        for (const HistoryPoint& p : e.curve)
            if (std::isfinite(p.year) && std::isfinite(p.value)) line.points.push_back({p.year, p.value});
        if (line.points.empty()) continue;
        (e.curveTitle == "Fund" ? fund : balance) = true;
        chart.series.push_back(std::move(line));
    }
    chart.title = chart.series.empty() ? userText<"No balance or fund to chart">()
                  : !fund              ? userText<"Loan balance over time">()
                  : !balance           ? userText<"Fund over time">()
                                       : userText<"Balance and fund over time">();
    chart.x = {formText<"Compare", "Time">(), formText<"Compare", "years">()};
    // Short enough to stand beside the axis in full.
    const UserText currency = finishedText(Locale::current().currencySymbol);
    chart.y = !fund      ? MarkedChartAxis{formText<"Compare", "Balance">(), currency}
              : !balance ? MarkedChartAxis{formText<"Compare", "Fund">(), currency}
                         : MarkedChartAxis{formText<"Compare", "Dollars">(), {}};
    chart.comparesLines = true;
    return chart;
}

void CompareForm::cmdCopy_Click()
{
    if (m_entries.empty()) return;
    platform().setClipboardText(TableText());
}

void CompareForm::cmdPrint_Click()
{
    // A print that did not happen has been reported by the platform.
    if (m_entries.empty()) return;
    app().printTable(finishedText(TableText()), PdfTable());
}

void CompareForm::cmdSaveCsv_Click()
{
    if (m_entries.empty()) return;
    app().saveFile(userText<"Compared calculations.csv">(), CsvText());
}

void CompareForm::cmdSavePdf_Click()
{
    if (m_entries.empty()) return;
    app().savePdf(userText<"Compared calculations.pdf">(), PdfTable());
}

}  // namespace tv
