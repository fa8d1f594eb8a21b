#pragma once
// The calculation history: every accepted calculation, newest first, in an SQLite file of the per-user data
// folder (or in memory). Nothing here knows a screen or Qt; the program and tarvolin-replay share it.
//
// A history that cannot be kept never stops a calculation: every call answers what it could do, and
// problem() says why the history is not being kept (once set it stays for the life of the store). Another copy's
// lock is no such reason: an entry that meets one waits in memory and is written at the next chance.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tv {

// One input or result as the screen showed it: its control's name, the caption beside it, and the text.
struct HistoryField {
    std::string name;   // e.g. "fp_Prin", "comIntr", "lbl_xtra_saved"
    std::string label;  // e.g. "Loan Amount"
    std::string text;   // as typed, chosen or shown, e.g. "$350,000.00", "6.625"
    // The number the text stands for, when it is one (a comparison's differences and best values use it).
    std::optional<double> value;
    // The display format of a difference of two values, e.g. "$#,##0.00;($#,##0.00)" or "#,###.###".
    std::string format;
    // Which of two results is better: -1 the smaller (interest, payoff time), +1 the larger (a fund), 0 neither.
    int better = 0;
    bool operator==(const HistoryField&) const = default;
};

// A point of the entry's curve: the loan balance, or the fund, after `year` years.
struct HistoryPoint {
    double year = 0;
    double value = 0;
    bool operator==(const HistoryPoint&) const = default;
};

struct HistoryEntry {
    std::int64_t id = 0;    // given by the store
    std::int64_t time = 0;  // seconds since 1970-01-01 UTC
    std::string view;       // "Loans", "Investments" or "Table"
    std::string option;     // the option's button, e.g. "opt_payment", "Opt_invest_mnthly"; "Table" for a schedule
    std::string frequency;  // "12", "24", "26" (installments a year), "Monthly" or "Daily" (compounding)
    std::string unit;       // "Years" or "Months": the duration box's unit
    std::string summary;    // one line in words, e.g. "Loan payment — $350,000.00 at 6.625 % for 30 yrs → ..."
    std::vector<HistoryField> inputs;
    std::vector<HistoryField> results;
    std::string curveTitle;  // "Balance" or "Fund"; empty when the entry has no curve
    std::vector<HistoryPoint> curve;
    // The language and locale its summary was written in (a key compared, never shown); empty when not known.
    std::string reader;
    bool operator==(const HistoryEntry&) const = default;
};

// What the history window lists: one line per entry.
struct HistorySummary {
    std::int64_t id = 0;
    std::int64_t time = 0;
    std::string view;
    std::string summary;
    std::string reader;  // as HistoryEntry::reader
    bool operator==(const HistorySummary&) const = default;
};

// Why the history is not being kept.
enum class HistoryProblem {
    None,
    CannotOpen,    // the folder or the file cannot be created or opened
    Locked,        // another running copy held the file so long that entries waiting for it were lost
    ReadOnly,      // the file or its folder cannot be written: what is stored can still be read
    DiskFull,      // the disk (or the file's limit) is full: what is stored stays, the new entry is not kept
    NewerVersion,  // written by a newer version of the program: left as it is
};

class HistoryStore {
public:
    // The newest entries kept; older ones are removed as new ones come.
    static constexpr int kMaxEntries = 10000;
    // The schema version written into the file (PRAGMA user_version).
    static constexpr int kSchemaVersion = 1;

    // A history kept in memory only (empty at start).
    static std::unique_ptr<HistoryStore> inMemory();
    // A history in the file at `path`. Nothing is opened until the first call that needs it; its folder is
    // created (mode 0700) then. A file that is not a database or is damaged is renamed beside itself
    // ("history.sqlite.damaged-YYYYMMDD-HHMMSS", never over another file) and a new one begins; setAside()
    // then names the renamed file.
    static std::unique_ptr<HistoryStore> atPath(std::string path);

    // How a history is opened: the program uses the defaults; tests narrow them to reach each fault at once.
    struct Options {
        int busyTimeoutMs = 100;  // how long a call waits for another copy's write lock, in milliseconds
        int maxEntries = kMaxEntries;
        bool readOnly = false;      // open the file for reading only, as when it cannot be written
        std::int64_t maxPages = 0;  // the file's size limit in pages (PRAGMA max_page_count); 0 for no limit
        // Seconds since 1970-01-01 UTC, for an entry's time 0 and a damaged file's new name; std::time when empty.
        std::function<std::int64_t()> clock;
    };
    static std::unique_ptr<HistoryStore> inMemory(const Options& options);
    static std::unique_ptr<HistoryStore> atPath(std::string path, const Options& options);

    virtual ~HistoryStore() = default;

    // Records an entry (its id and, when 0, its time are given here); the new id, or nothing when the
    // history is not being kept or the entry waits in memory for another copy's lock to go (it is written at the
    // next add, listing or close). Removes the oldest entries beyond kMaxEntries.
    virtual std::optional<std::int64_t> add(const HistoryEntry& entry) = 0;
    // Every entry, newest first.
    virtual std::vector<HistorySummary> summaries() = 0;
    virtual std::optional<HistoryEntry> get(std::int64_t id) = 0;
    virtual bool remove(std::int64_t id) = 0;
    virtual bool clear() = 0;

    // Why the history is not being kept; None while it is.
    virtual HistoryProblem problem() const = 0;
    // The file a damaged history was renamed to, when that happened in this run; empty otherwise.
    virtual const std::string& setAside() const = 0;
    // The file, or ":memory:".
    virtual const std::string& path() const = 0;
};

// The history file: $XDG_DATA_HOME/Tarvolin/history.sqlite, or ~/.local/share/Tarvolin/history.sqlite when
// XDG_DATA_HOME is unset or empty (or relative); empty when neither is known.
std::string historyPath(const char* xdgDataHome, const char* home);

}  // namespace tv
