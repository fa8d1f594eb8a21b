#include "history/compare_form.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "app/links.h"
#include "app/program.h"
#include "common/formats.h"
#include "common/user_text.h"
#include "history/history_summary.h"
#include "main_screen/mervane.h"

namespace tv {

namespace {

// The grid's frame and its vertical scroll bar (twips), and its label column.
constexpr int kGridChrome = 30 + 255;
constexpr int kLabelColWidth = 2400;
constexpr int kMinColWidth = 1800;
constexpr int kHeadingHeight = 720;  // the calculation on up to two lines, then its time
constexpr std::size_t kCaptionChars = 26;

UserText note()
{
    return userText<
        "\u2605 marks the best result of a row (the least paid or the soonest, the largest fund). (+\u2026) "
        "and (\u2212\u2026) are differences from calculation 1; \u2014 marks a value a calculation does not "
        "have.">();
}

// Characters of a UTF-8 text, and its first `count` characters.
std::size_t characters(const std::string& text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string firstCharacters(const std::string& text, std::size_t count)
{
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && seen++ == count) return text.substr(0, i);
    return text;
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Local time to the minute: "2025-01-15 10:30"; empty for an entry without a time.
std::string timeText(std::int64_t seconds)
{
    if (seconds <= 0) return {};
    const auto t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    if (!localtime_r(&t, &tm)) return {};
    char text[32];
    return std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &tm) ? std::string(text) : std::string();
}

bool same(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

// A difference in the row's format with its sign ("+$120.50", "−15"); empty when it shows as no difference.
std::string signedDifference(double difference, const std::string& format, const TextPieces& tr)
{
    if (format == kYearsFormat) {
        const std::string size = yearsText(std::fabs(difference), tr);
        if (size == yearsText(0, tr)) return {};
        return (difference > 0 ? "+" : "\u2212") + size;
    }
    const std::string_view f = format.empty() ? kStandardFormat : std::string_view(format);
    const std::string size = formatNumber(std::fabs(difference), f);
    if (size == formatNumber(0, f)) return {};
    return (difference > 0 ? "+" : "\u2212") + size;
}

const HistoryField* fieldOf(const std::vector<HistoryField>& fields, const std::string& label)
{
    for (const HistoryField& f : fields)
        if ((f.label.empty() ? f.name : f.label) == label) return &f;
    return nullptr;
}

// The rows' labels in the order they are first seen.
std::vector<std::string> labelsOf(const std::vector<HistoryEntry>& entries, bool results)
{
    std::vector<std::string> labels;
    for (const HistoryEntry& e : entries)
        for (const HistoryField& f : results ? e.results : e.inputs) {
            const std::string& label = f.label.empty() ? f.name : f.label;
            if (std::find(labels.begin(), labels.end(), label) == labels.end()) labels.push_back(label);
        }
    return labels;
}

// Later columns show their difference to the first; the best value of a row whose fields say which is better
// is marked when at least two columns have a number and they differ.
void markRow(CompareForm::Row& row, int better, const TextPieces& tr)
{
    const std::size_t n = row.values.size();
    for (std::size_t i = 1; i < n; ++i) {
        if (!row.values[0] || !row.values[i]) continue;
        if (const std::string d = signedDifference(*row.values[i] - *row.values[0], row.format, tr); !d.empty())
            row.shown[i] += " (" + d + ")";
    }
    if (better == 0) return;
    std::vector<double> numbers;
    for (const auto& v : row.values)
        if (v) numbers.push_back(*v);
    if (numbers.size() < 2) return;
    const auto [low, high] = std::minmax_element(numbers.begin(), numbers.end());
    if (same(*low, *high)) return;
    const double best = better < 0 ? *low : *high;
    for (std::size_t i = 0; i < n; ++i)
        if (row.values[i] && same(*row.values[i], best)) row.shown[i] = CompareForm::kBestMark + row.shown[i];
}

}  // namespace

CompareForm::CompareForm(Program& program) : DeclaredForm(program.app(), "Compare"), m_program(program)
{
    setCaption(formText<"Compare", "Compare Calculations">());
    setRect({0, 0, compare_layout::kClientWidth + 2 * kBorderTwips,
             compare_layout::kClientHeight + kTitleBarTwips + 2 * kBorderTwips + kMenuBarTwips});
    button("cmdClose").setCancel(true);
    Grid& g = grid("grdCompare");
    g.setFixed(1, 1);
    g.setToolTip(note());
    label("lblNote").setCaption(note());
    chartView("chtCompare").setToolTip(formText<"Compare", "Balance or fund of each calculation by year">());
    bindHandlers();
}

void CompareForm::bindHandlers()
{
    bind("Form_Load", [this] { Form_Load(); });
    bind("cmdCopy_Click", [this] { cmdCopy_Click(); });
    bind("cmdPrint_Click", [this] { cmdPrint_Click(); });
    bind("cmdSaveCsv_Click", [this] { cmdSaveCsv_Click(); });
    bind("cmdSavePdf_Click", [this] { cmdSavePdf_Click(); });
    bind("cmdClose_Click", [this] { cmdClose_Click(); });
    bind("mnuCopy_Click", [this] { cmdCopy_Click(); });
    bind("mnuPrint_Click", [this] { cmdPrint_Click(); });
    bind("mnuSaveCsv_Click", [this] { cmdSaveCsv_Click(); });
    bind("mnuSavePdf_Click", [this] { cmdSavePdf_Click(); });
    bind("mnuClose_Click", [this] { cmdClose_Click(); });
}

void CompareForm::Form_Load()
{
    SetCompareColors();
    m_program.module1().CenterForm(*this, 0, 0);
}

void CompareForm::SetCompareColors()
{
    // The table screen's scheme: the loan colours, whatever the entries are.
    const ColorTable& t = m_program.module1().colors;
    setBackColor(t.gLoanBkgrndColor);
    for (NameOf<Kind::Label> name : NameList<Kind::Label>{"lblGrid", "lblNote"}) {
        label(name).setBackColor(t.gLoanBkgrndColor);
        label(name).setForeColor(t.gLoanTxtColor);
    }
    grid("grdCompare").setBackColor(t.gTextBoxBgColor);
    ChartView& chart = chartView("chtCompare");
    chart.setBackColor(t.gLoanBkgrndColor);
    chart.setForeColor(t.gLoanTxtColor);
    // Close keeps its design colour, as on the table screen.
    for (NameOf<Kind::CommandButton> name :
         NameList<Kind::CommandButton>{"cmdCopy", "cmdPrint", "cmdSaveCsv", "cmdSavePdf"})
        button(name).setBackColor(t.gLoanButtonColor);
}

void CompareForm::compare(std::vector<HistoryEntry> entries)
{
    m_entries = std::move(entries);
    load();
    SetCompareColors();
    buildRows();
    fillGrid();
    chartView("chtCompare").setChart(CurveChart());
    const bool any = !m_entries.empty();
    for (NameOf<Kind::CommandButton> name :
         NameList<Kind::CommandButton>{"cmdCopy", "cmdPrint", "cmdSaveCsv", "cmdSavePdf"})
        button(name).setEnabled(any);
    for (MenuItemName name : std::initializer_list<MenuItemName>{"mnuCopy", "mnuPrint", "mnuSaveCsv", "mnuSavePdf"})
        menu(name).setEnabled(any);
    showInFront(*this);
}

void CompareForm::buildRows()
{
    m_rows.clear();
    // A title recorded in English reads in the reader's words; any other stays as it was recorded.
    const auto titles = Mervane::rowTitles(app());
    const std::size_t n = m_entries.size();
    for (bool results : {false, true}) {
        for (const std::string& label : labelsOf(m_entries, results)) {
            Row row{label,
                    label,
                    results,
                    {},
                    std::vector<std::string>(n, kMissing),
                    std::vector<std::optional<double>>(n)};
            for (const auto& [english, shown] : titles)
                if (english == label) {
                    row.title = shown;
                    break;
                }
            int better = 0;
            for (std::size_t i = 0; i < n; ++i) {
                const HistoryField* f = fieldOf(results ? m_entries[i].results : m_entries[i].inputs, label);
                if (!f) continue;
                if (!trimmed(f->text).empty()) row.shown[i] = shownText(*f, TextPieces(app()));
                // A value that is not a finite number is no value: nothing to compare, nothing to show.
                if (f->value && std::isfinite(*f->value)) row.values[i] = *f->value;
                if (row.format.empty()) row.format = f->format;
                if (better == 0) better = f->better;
            }
            if (results) markRow(row, better, TextPieces(app()));
            m_rows.push_back(std::move(row));
        }
    }
}

std::string CompareForm::shortCaption(std::size_t column) const
{
    const HistoryEntry& e = m_entries[column];
    std::string caption = trimmed(app().text(Mervane::historyTitle(e)));
    if (characters(caption) > kCaptionChars) caption = firstCharacters(caption, kCaptionChars - 1) + "\u2026";
    return caption;
}

std::string CompareForm::heading(std::size_t column) const
{
    std::string text = std::to_string(column + 1) + ": " + shortCaption(column);
    if (const std::string when = timeText(m_entries[column].time); !when.empty()) text += " (" + when + ")";
    return text;
}

void CompareForm::fillGrid()
{
    Grid& g = grid("grdCompare");
    const int cols = static_cast<int>(m_entries.size());
    g.setRows(1 + std::max<int>(1, static_cast<int>(m_rows.size())));
    g.setCols(1 + std::max(1, cols));
    g.setFixed(1, 1);
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.cols(); ++c) g.setText(r, c, {});
    g.setRowHeight(0, kHeadingHeight);
    g.setColWidth(0, kLabelColWidth);
    g.setColAlignment(0, Alignment::Left);
    const int room = (compare_layout::kWidth - kGridChrome - kLabelColWidth) / std::max(1, cols);
    for (int c = 1; c <= cols; ++c) {
        const auto column = static_cast<std::size_t>(c - 1);
        const std::string when = timeText(m_entries[column].time);
        g.setText(0, c,
                  finishedText(std::to_string(c) + ": " + shortCaption(column) + (when.empty() ? "" : "\r\n" + when)));
        g.setColWidth(c, std::max(kMinColWidth, room));
        g.setColAlignment(c, Alignment::Right);
        g.setFixedAlignment(c, Alignment::Center);
    }
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        // The labels and values are the entries' own, already in the reader's words and numbers.
        g.setText(row, 0, finishedText(m_rows[r].title));
        for (int c = 1; c <= cols; ++c)
            g.setText(row, c, finishedText(m_rows[r].shown[static_cast<std::size_t>(c - 1)]));
    }
    g.setCurrent(g.rows() > 1 && g.cols() > 1 ? 1 : 0, g.cols() > 1 ? 1 : 0);
    g.setTopRow(1);
    g.setLeftCol(1);
}

void CompareForm::cmdClose_Click()
{
    unload();
}

}  // namespace tv
