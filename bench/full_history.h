#pragma once

#include <string>

#include "history_store/history_store.h"

// A calculation history at its entry limit, shared by the store benchmarks and the history window's.
namespace tv::bench {

// A folder of its own under the temporary folder, removed afterwards; path is empty when it could not be made.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::string path;
};

// The n-th of a run of calculations as Calculate and the table screen record them: loan payments, monthly
// investments, extra payments and table schedules, each with its inputs, results and curve, two minutes apart.
HistoryEntry sampleEntry(int n);

// A history file of HistoryStore::kMaxEntries entries, filled an add at a time once per process (seconds);
// empty when it could not be. Copy it before changing it.
const std::string& fullHistoryFile();

}  // namespace tv::bench
