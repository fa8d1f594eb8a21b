// The table screen in real widgets on the offscreen platform: the largest table and the longest schedule,
// drawn in the Qt grid after the command that fills them; and the history window opened on a full history.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QCoreApplication>
#include <QLocale>
#include <QPixmap>
#include <QWidget>
#include <filesystem>
#include <memory>

#include "bench_targets.h"
#include "desktop/renderer.h"
#include "full_history.h"
#include "history/history_form.h"
#include "loan_table/loan_sheet.h"
#include "main_screen/mervane.h"
#include "qt_locale/qt_translator.h"
#include "scenarios.h"
#include "screens/test_program.h"

namespace tv::bench {

namespace {

using test::TestProgram;

// The program with its windows, started as the desktop program starts it, on the scripted platform.
struct WindowedProgram {
    explicit WindowedProgram(std::shared_ptr<const Translator> translator = {})
    {
        program = std::make_unique<Program>(platform, std::move(translator));
        renderer = std::make_unique<tvqt::Renderer>(program->app());
        program->Main();
        renderer->flushPending();
    }
    ~WindowedProgram()
    {
        renderer.reset();
        program.reset();
    }
    LoanSheet& sheet() { return program->loanSheet(); }
    QWidget* grid() { return renderer->widget(sheet().control("grdPayments")); }
    // What the user sees: the grid's pending changes applied and every pixel of it painted.
    void draw()
    {
        renderer->flushPending();
        QPixmap pixels = grid()->grab();
        benchmark::DoNotOptimize(pixels);
    }

    test::TempCwd cwd;
    ScriptedPlatform platform;
    std::unique_ptr<Program> program;
    std::unique_ptr<tvqt::Renderer> renderer;
};

bool shown(WindowedProgram& w, benchmark::State& state)
{
    if (!w.grid() || !w.grid()->isVisible() || !takeMessages(w.platform).empty()) {
        state.SkipWithError("the table screen did not show the table");
        return false;
    }
    return true;
}

// Enters a table as `enter` does and shows its payments once, drawn, so every iteration starts from the
// screen as a user sees it; false (the benchmark skipped) when the table was not shown.
bool showOnce(WindowedProgram& w, benchmark::State& state, void (*enter)(Program&))
{
    enter(*w.program);
    w.sheet().button("cmdCalcPmts").userClick();
    w.draw();
    return shown(w, state);
}

// Show Payments drawn: the grid painted for the first time after the table filled it.
void drawPayments(benchmark::State& state)
{
    WindowedProgram w;
    if (!showOnce(w, state, enterLargestTable)) return;
    CommandButton& show = w.sheet().button("cmdCalcPmts");
    for (auto _ : state) {
        state.PauseTiming();
        show.userClick();
        w.renderer->flushPending();
        state.ResumeTiming();
        QPixmap pixels = w.grid()->grab();
        benchmark::DoNotOptimize(pixels);
    }
    setTarget(state, kDrawTarget);
}

// Show Payments from the click to the pixels: the model fills the grid, the window follows and paints.
void clickToPixelsPayments(benchmark::State& state)
{
    WindowedProgram w;
    if (!showOnce(w, state, enterLargestTable)) return;
    CommandButton& show = w.sheet().button("cmdCalcPmts");
    for (auto _ : state) {
        show.userClick();
        w.draw();
    }
    setTarget(state, kTableComputeTarget + kDrawTarget);
}

// Show Amortization drawn: 1,200 rows of schedule painted for the first time.
void drawSchedule(benchmark::State& state)
{
    WindowedProgram w;
    if (!showOnce(w, state, enterLongestScheduleTable)) return;
    CommandButton& show = w.sheet().button("cmdCalcPmts");
    CommandButton& amortize = w.sheet().button("cmdCalcAmort");
    for (auto _ : state) {
        state.PauseTiming();
        show.userClick();
        w.draw();
        amortize.userClick();
        w.renderer->flushPending();
        state.ResumeTiming();
        QPixmap pixels = w.grid()->grab();
        benchmark::DoNotOptimize(pixels);
    }
    if (w.sheet().amortTable.months() != 1200) state.SkipWithError("the longest schedule was not shown");
    setTarget(state, kDrawTarget);
}

void clickToPixelsSchedule(benchmark::State& state)
{
    WindowedProgram w;
    if (!showOnce(w, state, enterLongestScheduleTable)) return;
    CommandButton& show = w.sheet().button("cmdCalcPmts");
    CommandButton& amortize = w.sheet().button("cmdCalcAmort");
    for (auto _ : state) {
        state.PauseTiming();
        show.userClick();
        w.draw();
        state.ResumeTiming();
        amortize.userClick();
        w.draw();
    }
    if (w.sheet().amortTable.months() != 1200) state.SkipWithError("the longest schedule was not shown");
    setTarget(state, kTableComputeTarget + kDrawTarget);
}

// The history window opened from the main screen's menu on a history at its entry limit, to the first paint
// of its list; the window closed again between iterations.
// In English, or in German: then every line, written on an English desktop, is written again in German (once, when
// the window first lists it; the figures are of the opens after) and looked up in the translations as it is set.
void openFullHistory(benchmark::State& state, bool german)
{
    std::shared_ptr<const Translator> translator;
    if (german) {
        translator = tvqt::loadTranslation(QLocale(QLocale::German, QLocale::Germany),
                                           {QString::fromUtf8(TARVOLIN_TRANSLATIONS_DIR)});
        if (!translator) {
            state.SkipWithError("the German translation is not built");
            return;
        }
    }
    WindowedProgram w(translator);
    const std::filesystem::path file = w.cwd.path() / "history.sqlite";
    std::error_code failed;
    if (fullHistoryFile().empty() || !std::filesystem::copy_file(fullHistoryFile(), file, failed)) {
        state.SkipWithError("the history file could not be filled");
        return;
    }
    w.program->history().useFile(file.string());
    HistoryForm& form = w.program->historyForm();
    QAction* open = w.renderer->action(w.program->mervane().menu("mnu_History"));
    CommandButton& close = form.button("btn_Close");
    auto grid = [&] { return w.renderer->widget(form.control("grd_History")); };
    auto closeWindow = [&] {
        close.userClick();
        w.renderer->flushPending();
        // The closed window's widgets go with the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    // Once before the loop: the file opened, and the list checked.
    bool full = false;
    if (open) {
        open->trigger();
        w.renderer->flushPending();
        full = form.shown().size() == std::size_t{HistoryStore::kMaxEntries} && grid() && grid()->isVisible();
        closeWindow();
    }
    if (!full || !takeMessages(w.platform).empty()) {
        state.SkipWithError("the history window did not list the full history");
        return;
    }
    for (auto _ : state) {
        open->trigger();
        w.renderer->flushPending();
        QPixmap pixels = grid()->grab();
        benchmark::DoNotOptimize(pixels);
        state.PauseTiming();
        closeWindow();
        state.ResumeTiming();
    }
    setTarget(state, kHistoryOpenTarget);
}

const bool kRegistered = [] {
    benchmark::RegisterBenchmark("Table/Show Payments/draw/101 rates x 200 lengths", drawPayments)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Table/Show Payments/click to pixels/101 rates x 200 lengths", clickToPixelsPayments)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Table/Show Amortization/draw/1200 months", drawSchedule)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Table/Show Amortization/click to pixels/1200 months", clickToPixelsSchedule)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("History/open/10000 entries", openFullHistory, false)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("History/open/10000 entries in German", openFullHistory, true)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace

}  // namespace tv::bench
