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
        rows.push_back({r.label});
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

TableDocument CompareForm::PdfTable() const
{
    TableDocument doc;
    doc.title = std::string(composeText<"Comparison of %1 calculations">(std::to_string(m_entries.size()))) + "\n" +
                label("lblNote").caption();
    doc.rows = shownRows(*this);
    return doc;
}

Chart CompareForm::CurveChart() const
{
    Chart chart;
    bool balance = false;
    bool fund = false;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const HistoryEntry& e = m_entries[i];
        ChartSeries line{std::to_string(i + 1) + ": " + shortCaption(i),
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
    chart.x = {"Time", "years"};
    // Short enough to stand beside the axis in full.
    chart.y = !fund      ? ChartAxis{"Balance", Locale::current().currencySymbol}
              : !balance ? ChartAxis{"Fund", Locale::current().currencySymbol}
                         : ChartAxis{"Dollars", ""};
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
    platform().printTable(TableText(), PdfTable());
}

void CompareForm::cmdSaveCsv_Click()
{
    if (m_entries.empty()) return;
    platform().saveFile("Compared calculations.csv", CsvText());
}

void CompareForm::cmdSavePdf_Click()
{
    if (m_entries.empty()) return;
    platform().savePdf("Compared calculations.pdf", PdfTable());
}

}  // namespace tv
