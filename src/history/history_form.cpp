#include "history/history_form.h"

#include <algorithm>
#include <cctype>
#include <ctime>

#include "app/links.h"
#include "app/program.h"
#include "common/user_text.h"
#include "history/history_keeper.h"
#include "history/history_summary.h"
#include "main_screen/mervane.h"

namespace tv {

namespace {

UserText title()
{
    return formText<"History", "Calculation History">();
}
constexpr const char* kMark = "\u2713";  // ✓
// The views the Show list offers, in its order; "All" first.
constexpr const char* kViews[] = {"All", "Loans", "Investments", "Table"};
const bool kViewsListed = listTableTexts<"History">(kViews);

// A recorded view's name in the reader's words.
UserText viewText(const std::string& view)
{
    for (const char* v : kViews)
        if (view == v) return declaredText("History", v);
    return finishedText(view);
}

enum Column { kMarkCol, kWhenCol, kViewCol, kLineCol, kColumns };

std::string lower(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

HistoryForm::HistoryForm(Program& program) : DeclaredForm(program.app(), "History"), m_program(program)
{
    setCaption(title());
    setRect({0, 0, history_layout::kWidth + 2 * kBorderTwips, 6015 + kTitleBarTwips + 2 * kBorderTwips});
    ComboList& views = combo("cbo_View");
    for (const char* v : kViews) views.addItem(declaredText(name(), v));
    views.restoreListIndex(0);
    Grid& g = grid("grd_History");
    g.setFixed(1, 0);
    g.setCols(kColumns);
    // No fixed column: the mark column is the first one shown.
    g.setLeftCol(0);
    const UserText titles[] = {finishedText(kMark), formText<"History", "When">(), formText<"History", "View">(),
                               formText<"History", "Calculation">()};
    const int widths[] = {360, 1740, 1200, history_layout::kWidth - 240 - 3300 - 300};
    for (int c = 0; c < kColumns; ++c) {
        g.setText(0, c, titles[c]);
        g.setColWidth(c, widths[c]);
        g.setColAlignment(c, Alignment::Left);
    }
    g.setColAlignment(kMarkCol, Alignment::Center);
    g.setScrollBars(ScrollBars::Both);
    button("btn_Restore").setDefault(true);
    button("btn_Close").setCancel(true);
    bind("Form_Load", [this] { Form_Load(); });
    bind("cbo_View_Click", [this] { cbo_View_Click(); });
    bind("txt_Find_Change", [this] { txt_Find_Change(); });
    bind("grd_History_Click", [this] { grd_History_Click(); });
    bind("grd_History_DblClick", [this] { grd_History_DblClick(); });
    bind("btn_Restore_Click", [this] { btn_Restore_Click(); });
    bind("btn_Mark_Click", [this] { btn_Mark_Click(); });
    bind("btn_Compare_Click", [this] { btn_Compare_Click(); });
    bind("btn_Delete_Click", [this] { btn_Delete_Click(); });
    bind("btn_ClearAll_Click", [this] { btn_ClearAll_Click(); });
    bind("btn_Close_Click", [this] { btn_Close_Click(); });
}

void HistoryForm::Form_Load()
{
    const ColorTable& t = m_program.module1().colors;
    setBackColor(t.gLoanBkgrndColor);
    for (NameOf<Kind::Label> name : NameList<Kind::Label>{"lbl_Show", "lbl_Find", "lbl_Status"}) {
        label(name).setBackColor(t.gLoanBkgrndColor);
        label(name).setForeColor(t.gLoanTxtColor);
    }
    box("txt_Find").setBackColor(t.gTextBoxBgColor);
    combo("cbo_View").setBackColor(t.gTextBoxBgColor);
    grid("grd_History").setBackColor(t.gTextBoxBgColor);
    for (NameOf<Kind::CommandButton> name :
         NameList<Kind::CommandButton>{"btn_Restore", "btn_Mark", "btn_Compare", "btn_Delete", "btn_ClearAll"})
        button(name).setBackColor(t.gLoanButtonColor);
    m_program.module1().CenterForm(*this, 0, 0);
    m_marked.clear();
    refresh();
}

void HistoryForm::refresh()
{
    HistoryKeeper& keeper = m_program.history();
    m_all = keeper.store().summaries();
    // A line written for another language or locale is written again, from its entry, for this one.
    const std::string reader = historyReader(app());
    for (HistorySummary& s : m_all) {
        if (s.reader.empty() || s.reader == reader) continue;
        auto [line, fresh] = m_lines.try_emplace(s.id);
        if (fresh || line->second.first != s.summary) {
            const std::optional<HistoryEntry> e = keeper.store().get(s.id);
            line->second = {s.summary,
                            e ? historySummary(Mervane::historyTitle(*e), *e, TextPieces(app())) : s.summary};
        }
        s.summary = line->second.second;
    }
    keeper.noticeProblem();
    // Marks of entries that are gone are dropped.
    std::erase_if(m_marked, [this](std::int64_t id) {
        return std::none_of(m_all.begin(), m_all.end(), [id](const HistorySummary& s) { return s.id == id; });
    });
    fillGrid();
}

void HistoryForm::fillGrid()
{
    const int view = combo("cbo_View").listIndex();
    const std::string find = lower(box("txt_Find").text());
    const std::int64_t current = currentId();
    m_shown.clear();
    for (const HistorySummary& s : m_all) {
        if (view > 0 && s.view != kViews[view]) continue;
        if (!find.empty() && lower(s.summary).find(find) == std::string::npos &&
            whenText(s.time).find(find) == std::string::npos)
            continue;
        m_shown.push_back(s);
    }
    Grid& g = grid("grd_History");
    const int rows = static_cast<int>(m_shown.size());
    g.setRows(std::max(rows, 1) + 1);
    int currentRow = 1;
    for (int r = 1; r <= rows; ++r) {
        const HistorySummary& s = m_shown[static_cast<std::size_t>(r - 1)];
        g.setText(r, kMarkCol, finishedText(isMarked(s.id) ? kMark : ""));
        g.setText(r, kWhenCol, finishedText(whenText(s.time)));
        g.setText(r, kViewCol, viewText(s.view));
        // The line is in the reader's language and locale (its pieces are translated already).
        g.setText(r, kLineCol, finishedText(s.summary));
        if (s.id == current) currentRow = r;
    }
    if (rows == 0) {
        for (int c = 0; c < kColumns; ++c) g.setText(1, c, {});
        g.setText(1, kLineCol,
                  m_all.empty() ? formText<"History", "No calculations yet: each Calculate is recorded here.">()
                                : formText<"History", "No calculation matches.">());
    }
    g.setCurrent(currentRow, kLineCol);
    for (NameOf<Kind::CommandButton> name : NameList<Kind::CommandButton>{"btn_Restore", "btn_Mark", "btn_Delete"})
        button(name).setEnabled(rows > 0);
    button("btn_ClearAll").setEnabled(!m_all.empty());
    UserText status = pluralText<"%1 of %n calculation", "%1 of %n calculations">(static_cast<long long>(m_all.size()),
                                                                                  std::to_string(m_shown.size()));
    status = composeText<"%1; %2 marked for Compare (click %3 or press Mark to mark two to four)">(
        status, std::to_string(m_marked.size()), kMark);
    if (m_program.history().store().problem() != HistoryProblem::None)
        status = composeText<"%1; the history is not being kept">(status);
    label("lbl_Status").setCaption(status);
    button("btn_Compare").setEnabled(m_marked.size() >= 2);
}

std::int64_t HistoryForm::currentId() const
{
    const int r = grid("grd_History").row();
    if (r < 1 || r > static_cast<int>(m_shown.size())) return 0;
    return m_shown[static_cast<std::size_t>(r - 1)].id;
}

bool HistoryForm::isMarked(std::int64_t id) const
{
    return std::find(m_marked.begin(), m_marked.end(), id) != m_marked.end();
}

void HistoryForm::toggleMark(std::int64_t id)
{
    if (id == 0) return;
    if (isMarked(id)) {
        std::erase(m_marked, id);
    } else if (static_cast<int>(m_marked.size()) >= kMaxCompared) {
        message(composeText<"At most %1 calculations can be compared; unmark one before marking another.">(
            std::to_string(kMaxCompared)));
        return;
    } else {
        m_marked.push_back(id);
    }
    fillGrid();
}

void HistoryForm::cbo_View_Click()
{
    fillGrid();
}

void HistoryForm::txt_Find_Change()
{
    fillGrid();
}

void HistoryForm::grd_History_Click()
{
    if (grid("grd_History").col() == kMarkCol) toggleMark(currentId());
}

void HistoryForm::grd_History_DblClick()
{
    if (grid("grd_History").col() != kMarkCol) btn_Restore_Click();
}

void HistoryForm::btn_Restore_Click()
{
    const std::int64_t id = currentId();
    if (id == 0) return;
    std::optional<HistoryEntry> entry = m_program.history().store().get(id);
    if (!entry) {
        m_program.history().noticeProblem();
        message(userText<"This calculation can no longer be read from the history.">());
        return;
    }
    if (!m_program.restoreCalculation(*entry))
        message(userText<"This calculation was recorded by another version of Tarvolin and cannot be restored.">());
}

void HistoryForm::btn_Mark_Click()
{
    toggleMark(currentId());
}

void HistoryForm::btn_Compare_Click()
{
    if (m_marked.size() < 2) {
        message(
            composeText<"Mark two to four calculations to compare: click in the %1 column of their lines, or choose "
                        "a line and press Mark.">(kMark));
        return;
    }
    std::vector<HistoryEntry> entries;
    for (std::int64_t id : m_marked) {
        std::optional<HistoryEntry> e = m_program.history().store().get(id);
        if (e) entries.push_back(std::move(*e));
    }
    if (entries.size() < 2) {
        m_program.history().noticeProblem();
        message(userText<"The marked calculations can no longer be read from the history.">());
        return;
    }
    m_program.compare(std::move(entries));
}

void HistoryForm::btn_Delete_Click()
{
    const std::int64_t id = currentId();
    if (id == 0) return;
    if (!m_program.history().store().remove(id)) {
        m_program.history().noticeProblem();
        return;
    }
    std::erase(m_marked, id);
    refresh();
}

void HistoryForm::btn_ClearAll_Click()
{
    if (m_all.empty()) return;
    const UserText question = pluralText<"Delete all %n calculation from the history? This cannot be undone.",
                                         "Delete all %n calculations from the history? This cannot be undone.">(
        static_cast<long long>(m_all.size()));
    if (app().messageBox(question, title(), MsgButtons::YesNo, MsgIcon::Question) != kAnswerYes) return;
    if (!m_program.history().store().clear()) m_program.history().noticeProblem();
    m_marked.clear();
    refresh();
}

void HistoryForm::btn_Close_Click()
{
    unload();
}

void HistoryForm::message(const UserText& text)
{
    app().messageBox(text, title(), MsgButtons::Ok, MsgIcon::Exclamation);
}

std::string HistoryForm::whenText(std::int64_t time)
{
    const std::time_t t = static_cast<std::time_t>(time);
    std::tm local{};
    if (!localtime_r(&t, &local)) return {};
    char text[32];
    if (std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local) == 0) return {};
    return text;
}

}  // namespace tv
