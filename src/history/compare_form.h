#pragma once

#include <optional>
#include <string>
#include <vector>

#include "history/compare_controls.h"
#include "history_store/history_store.h"
#include "screen_model/chart.h"
#include "screen_model/declared_form.h"
#include "screen_model/platform.h"

namespace tv {

class Program;

// Calculations of the history side by side: one grid column per calculation, its inputs and then its results
// one a row, the best result of a row marked and every later column's difference to the first; under the grid
// the calculations' balance or fund curves on one chart. A non-modal window; copies, prints and saves the grid.
class CompareForm : public DeclaredForm<kCompareControls, kCompareMenus> {
public:
    explicit CompareForm(Program& program);

    // Fills the window with `entries` (in their order: the first is the one the others are measured against)
    // and shows it, or brings it to the front when it is shown already.
    void compare(std::vector<HistoryEntry> entries);
    const std::vector<HistoryEntry>& entries() const { return m_entries; }

    // One row of the comparison: its label, and per calculation what the cell shows and the number behind it.
    struct Row {
        std::string label;  // as recorded (what the entries' fields are matched by)
        std::string title;  // in the reader's words
        bool result = false;
        std::string format;  // the display format of the row's numbers
        std::vector<std::string> shown;
        std::vector<std::optional<double>> values;
    };
    const std::vector<Row>& rows() const { return m_rows; }
    // A column's heading on one line: "1: Loan payment (2025-01-15 10:30)".
    std::string heading(std::size_t column) const;

    // What is copied and printed: the grid's texts, a TAB between cells, CRLF after each line.
    std::string TableText() const;
    // RFC 4180 text: a header row, then plain numbers (money to the cent, a "." point); empty where none.
    std::string CsvText() const;
    MarkedTable PdfTable() const;
    // The curves of the calculations that have one, a line each.
    MarkedChart CurveChart() const;

    // Leads the best value of a row, so the numbers stay aligned and a screen reader says the mark first.
    static constexpr const char* kBestMark = "\u2605 ";
    // Where a calculation does not have the row.
    static constexpr const char* kMissing = "\u2014";

    void Form_Load();
    void SetCompareColors();
    void cmdCopy_Click();
    void cmdPrint_Click();
    void cmdSaveCsv_Click();
    void cmdSavePdf_Click();
    void cmdClose_Click();

private:
    void bindHandlers();
    void buildRows();
    void fillGrid();
    // The scenario's calculation in a few words, in the user's language.
    std::string shortCaption(std::size_t column) const;

    Program& m_program;
    std::vector<HistoryEntry> m_entries;
    std::vector<Row> m_rows;
};

}  // namespace tv
