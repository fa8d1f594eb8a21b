// The history in SQLite: one row per entry, its listed columns plain and the rest as one JSON text, so that a
// new field needs no new column.
#include "history_store/history_store.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <limits>
#include <nlohmann/json.hpp>
#include <utility>

namespace tv {

namespace {

using nlohmann::json;

constexpr const char* kMemoryPath = ":memory:";

// The steps that bring a history of any older version to this one: step v takes version v to v + 1, in one
// transaction with its version number.
constexpr const char* kMigrations[] = {
    // 0 -> 1: the table.
    "CREATE TABLE IF NOT EXISTS entries (id INTEGER PRIMARY KEY AUTOINCREMENT, time INTEGER NOT NULL, "
    "\"view\" TEXT NOT NULL, option TEXT NOT NULL, summary TEXT NOT NULL, detail TEXT NOT NULL)",
};
static_assert(std::size(kMigrations) == HistoryStore::kSchemaVersion, "one step to each version");

// The log is folded into the file once it holds this many pages (a passive checkpoint: it never waits for
// another copy), and is cut back to this many bytes after: the log stays a few megabytes whatever is written.
constexpr int kCheckpointPages = 1000;
constexpr int kLogBytesKept = 4 << 20;
// Entries that met another copy's lock wait in memory for the next chance to be written; beyond this many the
// oldest is lost (and the user told).
constexpr std::size_t kMaxWaiting = 1000;

int primaryCode(int rc)
{
    return rc & 0xff;
}

bool isBusy(int rc)
{
    return primaryCode(rc) == SQLITE_BUSY || primaryCode(rc) == SQLITE_LOCKED;
}

bool isDamage(int rc)
{
    return primaryCode(rc) == SQLITE_NOTADB || primaryCode(rc) == SQLITE_CORRUPT;
}

// The errors that mean "this connection may not write here", after which a read-only one may still read.
bool isWriteRefused(int rc)
{
    int p = primaryCode(rc);
    return p == SQLITE_CANTOPEN || p == SQLITE_READONLY || p == SQLITE_PERM || p == SQLITE_AUTH;
}

HistoryProblem problemOf(int rc)
{
    switch (primaryCode(rc)) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return HistoryProblem::Locked;
        case SQLITE_READONLY:
            return HistoryProblem::ReadOnly;
        case SQLITE_FULL:
            return HistoryProblem::DiskFull;
        default:
            return HistoryProblem::CannotOpen;
    }
}

json fieldsJson(const std::vector<HistoryField>& fields)
{
    json a = json::array();
    for (const HistoryField& f : fields) {
        a.push_back({{"name", f.name},
                     {"label", f.label},
                     {"text", f.text},
                     {"value", f.value ? json(*f.value) : json(nullptr)},
                     {"format", f.format},
                     {"better", f.better}});
    }
    return a;
}

constexpr const char* kReaderKey = "reader";
// The reader at the start of a detail (written by detailJson; the list reads the first 96 characters), or empty.
std::string readerAtStart(std::string_view detail)
{
    constexpr std::string_view kStart = "{\"reader\":\"";
    if (!detail.starts_with(kStart)) return {};
    detail.remove_prefix(kStart.size());
    const std::size_t end = detail.find_first_of("\"\\");
    return end == std::string_view::npos || detail[end] != '"' ? std::string() : std::string(detail.substr(0, end));
}

// Invalid UTF-8 is replaced rather than thrown on: a history never stops a calculation.
std::string detailJson(const HistoryEntry& e)
{
    json curve = json::array();
    for (const HistoryPoint& p : e.curve) curve.push_back(json::array({p.year, p.value}));
    json j = {{"frequency", e.frequency},       {"unit", e.unit},
              {"inputs", fieldsJson(e.inputs)}, {"results", fieldsJson(e.results)},
              {"curveTitle", e.curveTitle},     {"curve", std::move(curve)}};
    const std::string body = j.dump(-1, ' ', false, json::error_handler_t::replace);
    // The reader comes first, where the list reads it without reading the rest.
    if (e.reader.empty()) return body;
    return "{" + json(kReaderKey).dump() + ":" + json(e.reader).dump(-1, ' ', false, json::error_handler_t::replace) +
           "," + body.substr(1);
}

// The readers below take whatever a file holds without throwing: a missing or mistyped key reads as empty.
std::string stringAt(const json& j, const char* key)
{
    auto it = j.find(key);
    return it != j.end() && it->is_string() ? it->get<std::string>() : std::string();
}

double numberOr(const json& j, double otherwise)
{
    return j.is_number() ? j.get<double>() : otherwise;
}

std::vector<HistoryField> fieldsFrom(const json& j, const char* key)
{
    std::vector<HistoryField> fields;
    auto a = j.find(key);
    if (a == j.end() || !a->is_array()) return fields;
    for (const json& f : *a) {
        HistoryField field;
        field.name = stringAt(f, "name");
        field.label = stringAt(f, "label");
        field.text = stringAt(f, "text");
        auto v = f.find("value");
        if (v != f.end() && v->is_number()) field.value = v->get<double>();
        field.format = stringAt(f, "format");
        auto b = f.find("better");
        if (b != f.end() && b->is_number_integer()) field.better = b->get<int>();
        fields.push_back(std::move(field));
    }
    return fields;
}

void readDetail(const std::string& text, HistoryEntry& e)
{
    json j = json::parse(text, nullptr, false);
    if (!j.is_object()) return;
    e.frequency = stringAt(j, "frequency");
    e.unit = stringAt(j, "unit");
    e.inputs = fieldsFrom(j, "inputs");
    e.results = fieldsFrom(j, "results");
    e.curveTitle = stringAt(j, "curveTitle");
    e.reader = stringAt(j, kReaderKey);
    auto curve = j.find("curve");
    if (curve == j.end() || !curve->is_array()) return;
    // A point that was not finite was written as null (JSON has no NaN) and reads back as NaN.
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    for (const json& p : *curve) {
        if (p.is_array() && p.size() == 2) e.curve.push_back({numberOr(p[0], kNaN), numberOr(p[1], kNaN)});
    }
}

std::string columnText(sqlite3_stmt* s, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(s, column))) : std::string();
}

// Creates the folder and its missing parents, each mode 0700; true when it is a folder afterwards.
bool makeFolder(const std::string& folder)
{
    if (folder.empty()) return true;
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        std::string part = folder.substr(0, slash);
        if (!part.empty() && mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat st {};
    return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Renames `from` to `to` unless `to` exists (errno EEXIST then); never replaces a file.
int renameNoReplace(const std::string& from, const std::string& to)
{
#ifdef RENAME_NOREPLACE
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return -1;
#endif
    // A file system without RENAME_NOREPLACE: link() refuses an existing name as well.
    if (link(from.c_str(), to.c_str()) == 0) return unlink(from.c_str());
    if (errno == EEXIST) return -1;
    // Nor hard links (e.g. some network or FAT mounts): check, then rename.
    struct stat st {};
    if (lstat(to.c_str(), &st) == 0) {
        errno = EEXIST;
        return -1;
    }
    return std::rename(from.c_str(), to.c_str());
}

// A path as the path of a file: URI, with the characters a URI gives a meaning to escaped.
std::string uriPath(const std::string& path)
{
    std::string uri = path.rfind("//", 0) == 0 ? "//localhost" : "";
    for (char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            constexpr const char* kHex = "0123456789ABCDEF";
            uri += '%';
            uri += kHex[static_cast<unsigned char>(c) >> 4];
            uri += kHex[static_cast<unsigned char>(c) & 0xf];
        } else {
            uri += c;
        }
    }
    return uri;
}

bool exists(const std::string& file)
{
    struct stat st {};
    return lstat(file.c_str(), &st) == 0;
}

// UTC, so that the name does not depend on the zone or repeat when the clocks go back.
std::string utcStamp(std::time_t now)
{
    std::tm tm{};
    gmtime_r(&now, &tm);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &tm);
    return text;
}

// A prepared statement, reset when the call is done with it so that it holds no read transaction open.
class Use {
public:
    explicit Use(sqlite3_stmt* s) : m_s(s) {}
    ~Use()
    {
        sqlite3_reset(m_s);
        sqlite3_clear_bindings(m_s);
    }
    Use(const Use&) = delete;
    Use& operator=(const Use&) = delete;

private:
    sqlite3_stmt* m_s;
};

class SqliteHistory final : public HistoryStore {
public:
    SqliteHistory(std::string path, const Options& options, bool memory)
        : m_path(std::move(path)), m_options(options), m_memory(memory)
    {
    }
    ~SqliteHistory() override
    {
        // The last chance for entries that met a lock: a longer wait, still bounded.
        if (!m_waiting.empty() && m_db) sqlite3_busy_timeout(m_db, 10 * m_options.busyTimeoutMs);
        writeWaiting();
        close();
    }
    SqliteHistory(const SqliteHistory&) = delete;
    SqliteHistory& operator=(const SqliteHistory&) = delete;

    std::optional<std::int64_t> add(const HistoryEntry& entry) override;
    std::vector<HistorySummary> summaries() override;
    std::optional<HistoryEntry> get(std::int64_t id) override;
    bool remove(std::int64_t id) override;
    bool clear() override;

    HistoryProblem problem() const override
    {
        return m_problem == HistoryProblem::None && m_lost ? HistoryProblem::Locked : m_problem;
    }
    const std::string& setAside() const override { return m_setAside; }
    const std::string& path() const override { return m_path; }

private:
    enum Statement { Begin, Commit, Rollback, Insert, Trim, List, Get, Remove, Clear, kStatements };

    bool readable();
    bool writable();
    void open();
    enum class Access { Write, Read, Unchanging };
    int connect(Access access);
    int exec(const char* sql);
    int readInt(const char* sql, int& value);
    bool failed(int rc);
    // Keeps an entry that met a lock for the next chance; writes those kept, oldest first, while they go in.
    void wait(const HistoryEntry& entry);
    void writeWaiting();
    bool moveAside();
    void close();
    int insert(const HistoryEntry& entry, std::int64_t& id);
    int write(Statement s, std::int64_t id);
    std::int64_t now() const { return m_options.clock ? m_options.clock() : std::time(nullptr); }

    std::string m_path;
    Options m_options;
    bool m_memory;
    bool m_tried = false;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statements[kStatements] = {};
    HistoryProblem m_problem = HistoryProblem::None;
    std::string m_setAside;
    std::vector<HistoryEntry> m_waiting;
    bool m_lost = false;  // an entry that waited was dropped
};

constexpr const char* kStatementSql[] = {
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
    "INSERT INTO entries (time, \"view\", option, summary, detail) VALUES (?, ?, ?, ?, ?)",
    "DELETE FROM entries WHERE id <= ?",
    "SELECT id, time, \"view\", summary, substr(detail, 1, 96) FROM entries ORDER BY id DESC",
    "SELECT id, time, \"view\", option, summary, detail FROM entries WHERE id = ?",
    "DELETE FROM entries WHERE id = ?",
    "DELETE FROM entries",
};

// Reads go on while what is stored can be read (read-only, locked or full); writes only while nothing is wrong.
bool SqliteHistory::readable()
{
    if (!m_tried) open();
    return m_db != nullptr;
}

bool SqliteHistory::writable()
{
    return readable() && m_problem == HistoryProblem::None;
}

void SqliteHistory::open()
{
    m_tried = true;
    if (!m_memory) {
        std::size_t slash = m_path.rfind('/');
        if (m_path.empty() || (slash != std::string::npos && !makeFolder(m_path.substr(0, slash)))) {
            m_problem = HistoryProblem::CannotOpen;
            return;
        }
    }
    // A damaged file is set aside once and a new one begins; a second damage in a row is not chased.
    for (int attempt = 0; attempt < 2; ++attempt) {
        int rc = SQLITE_CANTOPEN;
        // Writing; else reading. A read-only connection leaves log and index files with the file's read-only
        // mode, which keep it read-only once it is writable again: a file without a log is read as unchanging.
        for (Access access : {Access::Write, Access::Read, Access::Unchanging}) {
            if ((access == Access::Write && m_options.readOnly) || (access != Access::Write && m_memory)) continue;
            if (access == Access::Read && !exists(m_path + "-wal")) continue;
            if ((rc = connect(access)) == SQLITE_OK || !isWriteRefused(rc)) break;
            close();
        }
        if (rc == SQLITE_OK) return;
        close();
        // Another copy is writing (or creating the file): not a fault, the next call opens it.
        if (isBusy(rc)) {
            m_tried = false;
            return;
        }
        if (!isDamage(rc) || m_memory || !moveAside()) {
            m_problem = isDamage(rc) ? HistoryProblem::CannotOpen : problemOf(rc);
            return;
        }
    }
    m_problem = HistoryProblem::CannotOpen;
}

// Opens the file and checks or creates its table. SQLITE_OK also when the file is left alone (a newer
// version, an empty read-only file): m_db is null then and m_problem says why.
int SqliteHistory::connect(Access access)
{
    int flags = access == Access::Write ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
    std::string name = m_memory ? kMemoryPath : m_path;
    if (access == Access::Unchanging) {
        flags |= SQLITE_OPEN_URI;
        name = "file:" + uriPath(m_path) + "?immutable=1";
    }
    int rc = sqlite3_open_v2(name.c_str(), &m_db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) return rc;
    if (access == Access::Write && sqlite3_db_readonly(m_db, "main") == 1) return SQLITE_READONLY;
    bool readOnly = access != Access::Write;
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, m_options.busyTimeoutMs);

    int version = 0;
    if ((rc = readInt("PRAGMA user_version", version)) != SQLITE_OK) return rc;
    if (version > kSchemaVersion) {
        close();
        m_problem = HistoryProblem::NewerVersion;
        return SQLITE_OK;
    }
    if (version == 0) {
        int tables = 0;
        if ((rc = readInt("SELECT count(*) FROM sqlite_master", tables)) != SQLITE_OK) return rc;
        // This program writes the table and the version in one transaction: tables without a version are
        // some other file, set aside like a damaged one.
        if (tables > 0) return SQLITE_NOTADB;
    }
    if (version < kSchemaVersion && readOnly) {
        close();
        m_problem = HistoryProblem::ReadOnly;
        return SQLITE_OK;
    }
    if (!readOnly && !m_memory) {
        // WAL with NORMAL sync: an add appends to the log without waiting for the disk (a crash may lose the
        // last entries, never the file).
        if ((rc = exec("PRAGMA journal_mode = WAL")) != SQLITE_OK) return rc;
        if ((rc = exec("PRAGMA synchronous = NORMAL")) != SQLITE_OK) return rc;
        // The log stays bounded: folded into the file every kCheckpointPages pages (a millisecond or two, once in
        // hundreds of adds; also when the history is listed and when it is closed) and cut back after.
        const std::string bounds = "PRAGMA wal_autocheckpoint = " + std::to_string(kCheckpointPages) +
                                   "; PRAGMA journal_size_limit = " + std::to_string(kLogBytesKept);
        if ((rc = exec(bounds.c_str())) != SQLITE_OK) return rc;
    }
    for (int v = version; v < kSchemaVersion; ++v) {
        const std::string step = std::string("BEGIN IMMEDIATE; ") + kMigrations[v] +
                                 "; PRAGMA user_version = " + std::to_string(v + 1) + "; COMMIT";
        if ((rc = exec(step.c_str())) != SQLITE_OK) {
            if (!sqlite3_get_autocommit(m_db)) exec("ROLLBACK");
            return rc;
        }
    }
    if (m_options.maxPages > 0) {
        std::string limit = "PRAGMA max_page_count = " + std::to_string(m_options.maxPages);
        if ((rc = exec(limit.c_str())) != SQLITE_OK) return rc;
    }
    for (int s = 0; s < kStatements; ++s) {
        rc = sqlite3_prepare_v3(m_db, kStatementSql[s], -1, SQLITE_PREPARE_PERSISTENT, &m_statements[s], nullptr);
        // Our version number without our table: not a history this program wrote.
        if (primaryCode(rc) == SQLITE_ERROR) return SQLITE_NOTADB;
        if (rc != SQLITE_OK) return rc;
    }
    if (readOnly) {
        m_problem = HistoryProblem::ReadOnly;
        sqlite3_busy_timeout(m_db, 0);
    }
    return SQLITE_OK;
}

// Only this file's own statements run here; entry text is only ever bound.
int SqliteHistory::exec(const char* sql)
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
}

int SqliteHistory::readInt(const char* sql, int& value)
{
    sqlite3_stmt* s = nullptr;
    int rc = sqlite3_prepare_v2(m_db, sql, -1, &s, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(s);
        if (rc == SQLITE_ROW) {
            value = sqlite3_column_int(s, 0);
            rc = SQLITE_OK;
        }
    }
    sqlite3_finalize(s);
    return rc;
}

// Records why a call failed. True when the file was damaged and a new one has begun in its place.
bool SqliteHistory::failed(int rc)
{
    if (isDamage(rc) && !m_memory) {
        close();
        if (moveAside()) {
            m_problem = HistoryProblem::None;
            open();
            return m_db != nullptr;
        }
        m_problem = HistoryProblem::CannotOpen;
        return false;
    }
    if (m_problem == HistoryProblem::None) m_problem = problemOf(rc);
    // The connection stays for reading what is stored; from now on a read answers at once rather than wait.
    if (m_db) sqlite3_busy_timeout(m_db, 0);
    return false;
}

// Renames the file beside itself under a name no file has; its log goes with it, so that it is never applied to
// the new file.
bool SqliteHistory::moveAside()
{
    std::string base = m_path + ".damaged-" + utcStamp(static_cast<std::time_t>(now()));
    for (int n = 1; n < 1000; ++n) {
        std::string to = n == 1 ? base : base + "-" + std::to_string(n);
        if (exists(to + "-wal") || exists(to + "-journal")) continue;
        if (renameNoReplace(m_path, to) != 0) {
            if (errno == EEXIST) continue;
            return false;
        }
        m_setAside = to;
        for (const char* suffix : {"-wal", "-journal"}) {
            if (exists(m_path + suffix) && renameNoReplace(m_path + suffix, to + suffix) != 0) return false;
        }
        // The shared-memory index holds nothing of its own: SQLite rebuilds it from the log.
        unlink((m_path + "-shm").c_str());
        return true;
    }
    return false;
}

void SqliteHistory::close()
{
    for (sqlite3_stmt*& s : m_statements) {
        sqlite3_finalize(s);
        s = nullptr;
    }
    sqlite3_close(m_db);
    m_db = nullptr;
}

int SqliteHistory::insert(const HistoryEntry& entry, std::int64_t& id)
{
    std::string detail = detailJson(entry);
    int rc = sqlite3_step(m_statements[Begin]);
    sqlite3_reset(m_statements[Begin]);
    if (rc != SQLITE_DONE) return rc;
    {
        sqlite3_stmt* s = m_statements[Insert];
        Use use(s);
        sqlite3_bind_int64(s, 1, entry.time != 0 ? entry.time : now());
        sqlite3_bind_text(s, 2, entry.view.data(), static_cast<int>(entry.view.size()), SQLITE_STATIC);
        sqlite3_bind_text(s, 3, entry.option.data(), static_cast<int>(entry.option.size()), SQLITE_STATIC);
        sqlite3_bind_text(s, 4, entry.summary.data(), static_cast<int>(entry.summary.size()), SQLITE_STATIC);
        sqlite3_bind_text(s, 5, detail.data(), static_cast<int>(detail.size()), SQLITE_STATIC);
        rc = sqlite3_step(s);
        id = sqlite3_last_insert_rowid(m_db);
    }
    // Ids only grow, so the newest maxEntries are the ids above id - maxEntries.
    if (rc == SQLITE_DONE) rc = write(Trim, id - std::max(1, m_options.maxEntries));
    if (rc == SQLITE_DONE) {
        rc = sqlite3_step(m_statements[Commit]);
        sqlite3_reset(m_statements[Commit]);
    }
    if (rc != SQLITE_DONE && !sqlite3_get_autocommit(m_db)) {
        sqlite3_step(m_statements[Rollback]);
        sqlite3_reset(m_statements[Rollback]);
    }
    return rc;
}

int SqliteHistory::write(Statement statement, std::int64_t id)
{
    sqlite3_stmt* s = m_statements[statement];
    Use use(s);
    if (sqlite3_bind_parameter_count(s) > 0) sqlite3_bind_int64(s, 1, id);
    return sqlite3_step(s);
}

std::optional<std::int64_t> SqliteHistory::add(const HistoryEntry& entry)
{
    writeWaiting();
    // Entries go in in order: one that comes while others wait waits behind them.
    if (!m_waiting.empty()) {
        wait(entry);
        return std::nullopt;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!writable()) {
            // Not opened because another copy was busy with the file: kept for the next chance.
            if (!m_tried && m_problem == HistoryProblem::None) wait(entry);
            return std::nullopt;
        }
        std::int64_t id = 0;
        int rc = insert(entry, id);
        if (rc == SQLITE_DONE) return id;
        // Another copy holds the file beyond the wait: kept for the next chance (an add, a listing, the close).
        if (isBusy(rc)) {
            wait(entry);
            return std::nullopt;
        }
        if (!failed(rc)) return std::nullopt;
    }
    return std::nullopt;
}

void SqliteHistory::wait(const HistoryEntry& entry)
{
    if (m_waiting.size() >= kMaxWaiting) {
        m_waiting.erase(m_waiting.begin());
        m_lost = true;
    }
    m_waiting.push_back(entry);
}

void SqliteHistory::writeWaiting()
{
    std::size_t written = 0;
    while (written < m_waiting.size() && writable()) {
        std::int64_t id = 0;
        const int rc = insert(m_waiting[written], id);
        if (rc == SQLITE_DONE) {
            ++written;
        } else {
            if (!isBusy(rc)) failed(rc);
            break;
        }
    }
    m_waiting.erase(m_waiting.begin(), m_waiting.begin() + static_cast<std::ptrdiff_t>(written));
}

std::vector<HistorySummary> SqliteHistory::summaries()
{
    std::vector<HistorySummary> list;
    writeWaiting();
    if (!readable()) return list;
    sqlite3_stmt* s = m_statements[List];
    int rc = SQLITE_OK;
    {
        Use use(s);
        while ((rc = sqlite3_step(s)) == SQLITE_ROW)
            list.push_back({sqlite3_column_int64(s, 0), sqlite3_column_int64(s, 1), columnText(s, 2), columnText(s, 3),
                            readerAtStart(columnText(s, 4))});
    }
    // A damaged file read part way is set aside whole; the new one is empty.
    if (rc != SQLITE_DONE && failed(rc)) list.clear();
    // The user is looking at the list, not waiting for a result: a good moment to fold the log into the file
    // (passive: it never waits for another copy, and a failure changes nothing stored).
    if (m_db && !m_memory && m_problem == HistoryProblem::None)
        sqlite3_wal_checkpoint_v2(m_db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    return list;
}

std::optional<HistoryEntry> SqliteHistory::get(std::int64_t id)
{
    if (!readable()) return std::nullopt;
    sqlite3_stmt* s = m_statements[Get];
    HistoryEntry e;
    int rc = SQLITE_OK;
    {
        Use use(s);
        sqlite3_bind_int64(s, 1, id);
        if ((rc = sqlite3_step(s)) == SQLITE_ROW) {
            e.id = sqlite3_column_int64(s, 0);
            e.time = sqlite3_column_int64(s, 1);
            e.view = columnText(s, 2);
            e.option = columnText(s, 3);
            e.summary = columnText(s, 4);
            readDetail(columnText(s, 5), e);
            return e;
        }
    }
    // Outside the statement's scope: a damaged file is closed here.
    if (rc != SQLITE_DONE) failed(rc);
    return std::nullopt;
}

bool SqliteHistory::remove(std::int64_t id)
{
    if (!writable()) return false;
    int rc = write(Remove, id);
    if (rc == SQLITE_DONE) return sqlite3_changes(m_db) > 0;
    failed(rc);
    return false;
}

bool SqliteHistory::clear()
{
    if (!writable()) return false;
    int rc = write(Clear, 0);
    if (rc == SQLITE_DONE) return true;
    // A damaged file set aside leaves an empty history, which is what was asked.
    return failed(rc);
}

}  // namespace

std::unique_ptr<HistoryStore> HistoryStore::inMemory()
{
    return inMemory(Options{});
}

std::unique_ptr<HistoryStore> HistoryStore::inMemory(const Options& options)
{
    return std::make_unique<SqliteHistory>(kMemoryPath, options, true);
}

std::unique_ptr<HistoryStore> HistoryStore::atPath(std::string path)
{
    return atPath(std::move(path), Options{});
}

std::unique_ptr<HistoryStore> HistoryStore::atPath(std::string path, const Options& options)
{
    return std::make_unique<SqliteHistory>(std::move(path), options, false);
}

std::string historyPath(const char* xdgDataHome, const char* home)
{
    constexpr const char* kFile = "/Tarvolin/history.sqlite";
    if (xdgDataHome && xdgDataHome[0] == '/') return xdgDataHome + std::string(kFile);
    if (home && home[0] != '\0') return home + std::string("/.local/share") + kFile;
    return {};
}

}  // namespace tv
