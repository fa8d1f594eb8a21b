// The commands of the headless model, triggered as a user triggers them, at the largest inputs they accept:
// every Calculate of the main screen, and the table screen's Show Payments and Show Amortization.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

#include "bench_targets.h"
#include "history/history_keeper.h"
#include "loan_table/loan_sheet.h"
#include "scenarios.h"
#include "screens/test_program.h"
#include "settings/profile.h"
#include "settings/schema.h"
#include "settings/settings_path.h"

namespace tv::bench {

namespace {

using test::TestProgram;

// A refusal comes with the "input Error" title: the inputs were not accepted, so the benchmark measures
// nothing worth reporting.
bool refused(const std::vector<std::string>& messages)
{
    for (const std::string& m : messages)
        if (m.rfind("input Error", 0) == 0) return true;
    return false;
}

void calculate(benchmark::State& state, const CalcScenario* scenario)
{
    TestProgram t;
    // Every accepted Calculate is recorded, in a history file as the desktop program keeps it.
    t.program->history().useFile((t.cwd.path() / "history.sqlite").string());
    scenario->enter(t.m());
    takeMessages(t.platform);
    // The first Calculate may change an input (the rate search shows the payment of the rate it found);
    // from the second on, each one repeats the last.
    t.calculate();
    std::vector<std::string> messages = takeMessages(t.platform);
    t.calculate();
    std::vector<std::string> second = shownTexts(t.m());
    takeMessages(t.platform);
    if (refused(messages)) {
        state.SkipWithError(("refused: " + messages.front()).c_str());
        return;
    }
    t.calculate();
    takeMessages(t.platform);
    if (shownTexts(t.m()) != second) {
        state.SkipWithError("Calculate does not repeat itself");
        return;
    }
    // The Calculates above opened the file and recorded into it: the loop measures what every later one costs.
    HistoryStore& history = t.program->history().store();
    if (history.problem() != HistoryProblem::None || history.summaries().size() < 3) {
        state.SkipWithError("the history file did not keep the calculations");
        return;
    }

    CommandButton& calc = t.m().button("btn_Calc");
    // The history write runs once the results are shown, as the desktop runs it from its event loop: it is not
    // part of Calculate's time (History/add times it).
    t.platform.setHold(true);
    for (auto _ : state) {
        calc.userClick();
        // Warnings (a high inflation rate) are answered at once, as the scripted platform answers them.
        t.platform.clearRecords();
        state.PauseTiming();
        t.platform.runHeld();
        state.ResumeTiming();
    }
    if (history.problem() != HistoryProblem::None) state.SkipWithError("the history file stopped keeping them");
    state.SetLabel(t.text("fp_Payment") + (messages.empty() ? "" : " (with a message)"));
    setTarget(state, kCalculateTarget);
}

void showPayments(benchmark::State& state)
{
    TestProgram t;
    enterLargestTable(*t.program);
    LoanSheet& sheet = t.program->loanSheet();
    CommandButton& show = sheet.button("cmdCalcPmts");
    show.userClick();
    if (!takeMessages(t.platform).empty() || sheet.pmtTable.payments.size() != std::size_t{101} * 200) {
        state.SkipWithError("the largest table was not shown");
        return;
    }
    for (auto _ : state) show.userClick();
    state.SetLabel(std::to_string(sheet.rateCount) + " x " + std::to_string(sheet.lenCount) + " payments");
    setTarget(state, kTableComputeTarget);
}

void showAmortization(benchmark::State& state)
{
    TestProgram t;
    enterLongestScheduleTable(*t.program);
    LoanSheet& sheet = t.program->loanSheet();
    CommandButton& show = sheet.button("cmdCalcPmts");
    CommandButton& amortize = sheet.button("cmdCalcAmort");
    for (auto _ : state) {
        state.PauseTiming();
        // Show Payments leaves the last cell current: 25 % over 100 years.
        show.userClick();
        state.ResumeTiming();
        amortize.userClick();
    }
    if (sheet.amortTable.months() != 1200 || !takeMessages(t.platform).empty()) {
        state.SkipWithError("the longest schedule was not shown");
        return;
    }
    state.SetLabel(std::to_string(sheet.amortTable.months()) + " months");
    setTarget(state, kTableComputeTarget);
}

// Reading the start-up values from a settings file at the size limit: 1 MiB, mostly blank lines, as Reset From
// Ini reads it.
void readLargestSettingsFile(benchmark::State& state)
{
    MemoryFileSystem fs;
    std::string text = "[TarvolinDefaults]\r\n";
    text += std::string(kMaxSettingsFileBytes - text.size() - 40, '\n');
    text += "LoanAmount=250000\r\nLoanDuration=20\r\n";
    fs.files[kSettingsFileName] = text;
    for (auto _ : state) {
        StartupDefaults d = StartupDefaults::read(ProfileFile(kSettingsFileName, fs));
        benchmark::DoNotOptimize(d);
    }
    setTarget(state, kSettingsReadTarget);
}

const bool kRegistered = [] {
    for (const CalcScenario& s : calcScenarios())
        benchmark::RegisterBenchmark(s.name, calculate, &s)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Table/Show Payments/model/101 rates x 200 lengths", showPayments)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Table/Show Amortization/model/1200 months", showAmortization)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Settings/read/1 MiB file", readLargestSettingsFile)->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace

}  // namespace tv::bench
