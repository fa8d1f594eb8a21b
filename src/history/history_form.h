#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "history/history_controls.h"
#include "history_store/history_store.h"
#include "screen_model/declared_form.h"

namespace tv {

class Program;

// The history window: every recorded calculation, newest first, one line each; filtered by view and by
// text; the chosen one restored or deleted, two to four marked ones compared.
class HistoryForm : public DeclaredForm<kHistoryWindowControls> {
public:
    explicit HistoryForm(Program& program);

    void Form_Load();
    void cbo_View_Click();
    void txt_Find_Change();
    void grd_History_Click();
    void grd_History_DblClick();
    void btn_Restore_Click();
    void btn_Mark_Click();
    void btn_Compare_Click();
    void btn_Delete_Click();
    void btn_ClearAll_Click();
    void btn_Close_Click();

    // Reads the entries again and fills the list (a new calculation while the window is open).
    void refresh();
    // The entries the list shows, in its order, and those marked for Compare, in the order they were marked.
    const std::vector<HistorySummary>& shown() const { return m_shown; }
    const std::vector<std::int64_t>& marked() const { return m_marked; }

    // The list's "When" text of a time: local date and time, "2025-01-15 09:00".
    static std::string whenText(std::int64_t time);
    // The most calculations one comparison shows side by side.
    static constexpr int kMaxCompared = 4;

private:
    void fillGrid();
    // The entry of the grid's current row, or 0.
    std::int64_t currentId() const;
    bool isMarked(std::int64_t id) const;
    void toggleMark(std::int64_t id);
    void message(const UserText& text);

    Program& m_program;
    std::vector<HistorySummary> m_all;
    std::vector<HistorySummary> m_shown;
    // Lines written again for this reader, by entry: the line as stored and as shown.
    std::unordered_map<std::int64_t, std::pair<std::string, std::string>> m_lines;
    std::vector<std::int64_t> m_marked;
};

}  // namespace tv
