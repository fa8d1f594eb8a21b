#pragma once
// The program's calculation history: the store it is kept in (opened when first needed), the clock that dates
// its entries, and the one message that says it is not being kept.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/user_text.h"
#include "history_store/history_store.h"

namespace tv {

class Application;

class HistoryKeeper {
public:
    explicit HistoryKeeper(Application& app);
    ~HistoryKeeper();
    HistoryKeeper(const HistoryKeeper&) = delete;
    HistoryKeeper& operator=(const HistoryKeeper&) = delete;

    // Where the history is kept from now on: a file (opened when first needed) or memory (the start).
    void useFile(const std::string& path);
    void useMemory();
    // The clock that dates new entries, in seconds since 1970 (the system clock unless set).
    void setClock(std::function<std::int64_t()> clock) { m_clock = std::move(clock); }
    std::int64_t now() const;

    // Records an accepted calculation once the command is done and its results shown (the write is not part of
    // Calculate's time); says once when the history is not being kept, and goes on.
    void record(HistoryEntry entry);
    // Writes what was recorded and not yet written; a reader of the store sees it written.
    void flush();
    // The store, for the history window, with every recorded entry in it; its faults are told once by
    // noticeProblem().
    HistoryStore& store();
    // Tells the user once (a message box) why the history is not being kept, or that a damaged one was set aside.
    void noticeProblem();
    // Called after every change of the entries (a window listing them refreshes itself).
    void setOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }
    void changed();

    // The message for a store's problem, empty for none.
    static UserText problemText(HistoryProblem problem, const std::string& path);

private:
    HistoryStore& openStore();

    Application& m_app;
    std::string m_path;  // empty: in memory
    std::unique_ptr<HistoryStore> m_store;
    std::vector<HistoryEntry> m_pending;
    // A write scheduled after a command finds this gone once the keeper is, and does nothing.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
    std::function<std::int64_t()> m_clock;
    std::function<void()> m_onChange;
    bool m_problemTold = false;
    bool m_setAsideTold = false;
};

}  // namespace tv
