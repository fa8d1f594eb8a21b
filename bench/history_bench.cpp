// The calculation history at its size limit: adding an entry to a full history file (which also removes the
// oldest), and reading the lines the history window lists.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_targets.h"
#include "full_history.h"
#include "history_store/history_store.h"

namespace tv::bench {

namespace {

// An add runs after every Calculate: well under a millisecond. The list fills the history window when it opens.
constexpr double kHistoryAddTarget = 1.0;
constexpr double kHistoryListTarget = 50.0;

// Each run starts from a copy of the full file.
class FullHistory {
public:
    FullHistory()
    {
        std::string file = folder.path + "/history.sqlite";
        std::error_code failed;
        if (fullHistoryFile().empty() || !std::filesystem::copy_file(fullHistoryFile(), file, failed)) return;
        store = HistoryStore::atPath(file);
    }
    bool full() { return store && store->summaries().size() == std::size_t{HistoryStore::kMaxEntries}; }

    ScratchFolder folder;
    std::unique_ptr<HistoryStore> store;
};

void addToFullHistory(benchmark::State& state)
{
    FullHistory h;
    if (!h.full()) {
        state.SkipWithError("the history file could not be filled");
        return;
    }
    HistoryEntry e = sampleEntry(0);  // a loan payment, as Calculate records it
    for (auto _ : state) benchmark::DoNotOptimize(h.store->add(e));
    if (!h.full() || h.store->problem() != HistoryProblem::None) state.SkipWithError("an add was not kept");
    setTarget(state, kHistoryAddTarget);
}

void listFullHistory(benchmark::State& state)
{
    FullHistory h;
    if (!h.full()) {
        state.SkipWithError("the history file could not be filled");
        return;
    }
    for (auto _ : state) {
        std::vector<HistorySummary> list = h.store->summaries();
        benchmark::DoNotOptimize(list.data());
    }
    setTarget(state, kHistoryListTarget);
}

const bool kRegistered = [] {
    benchmark::RegisterBenchmark("History/add/file of 10000 entries", addToFullHistory)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("History/summaries/10000 entries", listFullHistory)->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace

}  // namespace tv::bench
