#include "history_store/history_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tv {
namespace {

namespace fs = std::filesystem;

HistoryEntry loanEntry(std::int64_t time)
{
    HistoryEntry e;
    e.time = time;
    e.view = "Loans";
    e.option = "opt_payment";
    e.frequency = "12";
    e.unit = "Years";
    e.summary = "Loan payment — $350,000.00 at 6.625 % for 30 yrs → $2,241.09";
    e.inputs = {{"fp_Prin", "Loan Amount", "$350,000.00", 350000.0, "$#,##0.00;($#,##0.00)", 0},
                {"comIntr", "Interest", "", std::nullopt, "#,###.###", 0}};
    e.results = {{"fp_Payment", "Payment", "$2,241.09", 2241.09, "$#,##0.00;($#,##0.00)", -1}};
    e.curveTitle = "Balance";
    e.curve = {{0, 350000.0}, {0.5, 346123.4567890123}, {30, 0}};
    e.reader = "0123456789abcdef";
    return e;
}

std::string bytesOf(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A second connection, as another running copy or a test's own hand holds one.
struct Other {
    explicit Other(const std::string& file) { sqlite3_open(file.c_str(), &db); }
    ~Other() { sqlite3_close(db); }
    int exec(const std::string& sql) { return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr); }
    sqlite3* db = nullptr;
};

class HistoryStoreTest : public testing::Test {
public:
    void SetUp() override
    {
        std::string pattern = (fs::path(testing::TempDir()) / "history-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        file = folder + "/data/Tarvolin/history.sqlite";
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(fs::path(file).parent_path(), fs::perms::owner_all, ignored);
        fs::remove_all(folder, ignored);
    }
    // Two entries stored and the store closed, as a previous run leaves them.
    void storeTwo()
    {
        auto h = HistoryStore::atPath(file);
        ASSERT_TRUE(h->add(loanEntry(1000)) && h->add(loanEntry(2000)));
    }
    std::string folder;
    std::string file;
    HistoryStore::Options options;
    std::unique_ptr<Other> other;
};

TEST_F(HistoryStoreTest, EntriesComeBackEqualInMemoryAndInANewFolderOf0700)
{
    options.clock = [] { return std::int64_t{1700000000}; };
    auto memory = HistoryStore::inMemory(options);
    auto h = HistoryStore::atPath(file, options);
    for (HistoryStore* store : {memory.get(), h.get()}) {
        std::optional<std::int64_t> id = store->add(loanEntry(0));
        ASSERT_TRUE(id) << store->path();
        HistoryEntry expected = loanEntry(1700000000);
        expected.id = *id;
        EXPECT_EQ(store->get(*id), expected) << "time 0 is the time of the add";
        EXPECT_EQ(store->problem(), HistoryProblem::None);
    }
    h.reset();
    EXPECT_EQ(HistoryStore::atPath(file)->summaries().size(), 1U);
    EXPECT_EQ(fs::status(folder + "/data").permissions(), fs::perms::owner_all);
}

TEST_F(HistoryStoreTest, ListsNewestFirstKeepsTheNewestAndRemovesAndClears)
{
    options.maxEntries = 3;
    auto h = HistoryStore::atPath(file, options);
    for (int t = 1; t <= 5; ++t) ASSERT_EQ(h->add(loanEntry(t)), t);
    std::vector<HistorySummary> list = h->summaries();
    ASSERT_EQ(list.size(), 3U);
    EXPECT_EQ(list[0], (HistorySummary{5, 5, "Loans", loanEntry(0).summary, loanEntry(0).reader}));
    EXPECT_EQ(list[2].id, 3);
    EXPECT_FALSE(h->get(2));
    EXPECT_TRUE(h->remove(4));
    EXPECT_FALSE(h->remove(4));
    EXPECT_EQ(h->summaries().size(), 2U);
    EXPECT_TRUE(h->clear());
    EXPECT_TRUE(h->summaries().empty());
    EXPECT_EQ(h->add(loanEntry(6)), 6) << "ids are never reused";
}

// Each fault: the new entry is not kept, what was stored still reads where it can, the file stays as it was,
// and the fault stays for later calls.
struct Fault {
    const char* name;
    HistoryProblem problem;
    void (*cause)(HistoryStoreTest& t);
    std::size_t readable;  // entries still read, of the two stored
};

class HistoryFaultTest : public HistoryStoreTest, public testing::WithParamInterface<Fault> {};

TEST_P(HistoryFaultTest, KeepsWhatWasStored)
{
    storeTwo();
    options.busyTimeoutMs = 0;
    GetParam().cause(*this);
    if (IsSkipped()) return;
    std::string bytes = bytesOf(file);
    auto h = HistoryStore::atPath(file, options);
    HistoryEntry big = loanEntry(3000);
    big.summary.append(100000, 'x');
    EXPECT_FALSE(h->add(big));
    EXPECT_EQ(h->problem(), GetParam().problem);
    EXPECT_EQ(h->summaries().size(), GetParam().readable);
    EXPECT_EQ(h->get(1).has_value(), GetParam().readable > 0);
    other.reset();
    EXPECT_FALSE(h->add(loanEntry(4000)));
    EXPECT_FALSE(h->remove(1));
    h.reset();
    EXPECT_EQ(bytesOf(file), bytes);
    EXPECT_EQ(HistoryStore::atPath(file)->summaries().size(), GetParam().readable);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, HistoryFaultTest,
    testing::Values(
        Fault{"TheFileOpensOnlyForReading", HistoryProblem::ReadOnly,
              [](HistoryStoreTest& t) { t.options.readOnly = true; }, 2},
        Fault{"TheFileAndFolderCannotBeWritten", HistoryProblem::ReadOnly,
              [](HistoryStoreTest& t) {
                  if (geteuid() == 0) GTEST_SKIP() << "root writes regardless; TheFileOpensOnlyForReading stands in";
                  fs::permissions(t.file, fs::perms::owner_read);
                  fs::permissions(fs::path(t.file).parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
              },
              2},
        Fault{"TheDiskIsFull", HistoryProblem::DiskFull,
              [](HistoryStoreTest& t) { t.options.maxPages = static_cast<std::int64_t>(fs::file_size(t.file) / 4096); },
              2},
        Fault{"ANewerVersionIsNeitherReadNorWritten", HistoryProblem::NewerVersion,
              [](HistoryStoreTest& t) { ASSERT_EQ(Other(t.file).exec("PRAGMA user_version = 2"), SQLITE_OK); }, 0},
        Fault{"TheFolderCannotBeMade", HistoryProblem::CannotOpen,
              [](HistoryStoreTest& t) {
                  fs::rename(t.folder + "/data", t.folder + "/moved");
                  std::ofstream(t.folder + "/data") << "a file where the folder goes";
              },
              0}),
    [](const testing::TestParamInfo<Fault>& info) { return std::string(info.param.name); });

// An entry that meets another copy's lock waits in memory, behind it the ones that come meanwhile, and goes in
// once the lock goes: at the next add, at a listing, or when the store is closed. Nothing is lost or reported.
TEST_F(HistoryStoreTest, EntriesThatMeetALockAreWrittenOnceItGoes)
{
    const std::pair<const char*, void (*)(std::unique_ptr<HistoryStore>&)> afterTheLock[] = {
        {"an add", [](std::unique_ptr<HistoryStore>& h) { EXPECT_EQ(h->add(loanEntry(5000)), 5); }},
        {"a listing", [](std::unique_ptr<HistoryStore>& h) { EXPECT_EQ(h->summaries().size(), 4U); }},
        {"the close", [](std::unique_ptr<HistoryStore>& h) { h.reset(); }},
    };
    for (const auto& [when, after] : afterTheLock) {
        SCOPED_TRACE(when);
        fs::remove_all(folder + "/data");
        storeTwo();
        options.busyTimeoutMs = 0;
        other = std::make_unique<Other>(file);
        ASSERT_EQ(other->exec("BEGIN EXCLUSIVE"), SQLITE_OK);
        auto h = HistoryStore::atPath(file, options);
        EXPECT_FALSE(h->add(loanEntry(3000)));
        EXPECT_FALSE(h->add(loanEntry(4000)));
        EXPECT_EQ(h->problem(), HistoryProblem::None);
        other.reset();
        after(h);
        h.reset();
        const std::vector<HistorySummary> list = HistoryStore::atPath(file)->summaries();
        ASSERT_GE(list.size(), 4U);
        EXPECT_EQ(list[list.size() - 3].time, 3000) << "in the order they came";
    }
}

// The write-ahead log is folded into the file and cut back as it grows: a few megabytes at most.
TEST_F(HistoryStoreTest, TheLogStaysBoundedThroughTenThousandWrites)
{
    auto h = HistoryStore::atPath(file);
    std::uintmax_t largest = 0;
    for (int i = 1; i <= 10000; ++i) {
        ASSERT_TRUE(h->add(loanEntry(i)));
        if (i % 250 == 0) largest = std::max(largest, fs::file_size(file + "-wal"));
    }
    EXPECT_LE(largest, std::uintmax_t{5} << 20);
    EXPECT_EQ(h->summaries().size(), 10000U);
}

// A damaged file is renamed beside itself, its bytes as they were, and a new history begins at the path.
struct Damage {
    const char* name;
    void (*spoil)(const std::string& file);
    int namesTaken;  // files already bearing the names the damaged one would take
};

class HistoryDamageTest : public HistoryStoreTest, public testing::WithParamInterface<Damage> {};

void notADatabase(const std::string& file)
{
    std::ofstream(file) << std::string(8192, '?');
}

// Page 2 is the table's first page (pages of 4096 bytes); the file opens and its first read fails.
void damagedPages(const std::string& file)
{
    std::fstream(file, std::ios::in | std::ios::out | std::ios::binary).seekp(4096) << std::string(4096, '\xff');
}

// Tables without a version: not a history this program wrote, which writes both at once.
void anotherProgramsDatabase(const std::string& file)
{
    fs::remove(file);
    ASSERT_EQ(Other(file).exec("CREATE TABLE notes (text)"), SQLITE_OK);
}

TEST_P(HistoryDamageTest, IsSetAsideUnderANewNameAndANewHistoryBegins)
{
    storeTwo();
    GetParam().spoil(file);
    std::string bytes = bytesOf(file);
    std::string first = file + ".damaged-20231114-221320";
    for (int n = 1; n <= GetParam().namesTaken; ++n)
        std::ofstream(n == 1 ? first : first + "-" + std::to_string(n)) << "taken";
    options.clock = [] { return std::int64_t{1700000000}; };
    auto h = HistoryStore::atPath(file, options);
    EXPECT_TRUE(h->summaries().empty());
    EXPECT_EQ(h->problem(), HistoryProblem::None);
    int taken = GetParam().namesTaken;
    EXPECT_EQ(h->setAside(), taken == 0 ? first : first + "-" + std::to_string(taken + 1));
    EXPECT_EQ(bytesOf(h->setAside()), bytes);
    EXPECT_EQ(bytesOf(first), taken == 0 ? bytes : "taken");
    EXPECT_EQ(h->add(loanEntry(3000)), 1);
    h.reset();
    EXPECT_EQ(HistoryStore::atPath(file)->summaries().size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(Damages, HistoryDamageTest,
                         testing::Values(Damage{"NotADatabase", notADatabase, 0},
                                         Damage{"DamagedPagesFoundAtTheFirstRead", damagedPages, 0},
                                         Damage{"AnotherProgramsDatabase", anotherProgramsDatabase, 0},
                                         Damage{"TheFirstNamesAreTaken", notADatabase, 2}),
                         [](const testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

// Where the history lives: XDG_DATA_HOME only when absolute, else HOME, else nowhere.
TEST(HistoryPathTest, FollowsTheDataHomeThenTheHomeFolder)
{
    EXPECT_EQ(historyPath("/x/data", "/home/u"), "/x/data/Tarvolin/history.sqlite");
    for (const char* xdg : {"", "relative/data", static_cast<const char*>(nullptr)})
        EXPECT_EQ(historyPath(xdg, "/home/u"), "/home/u/.local/share/Tarvolin/history.sqlite") << (xdg ? xdg : "unset");
    EXPECT_EQ(historyPath(nullptr, nullptr), "");
    EXPECT_EQ(historyPath("", ""), "");
}

}  // namespace
}  // namespace tv
