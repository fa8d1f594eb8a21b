// Saving the settings file when the disk fails: at the lock, part-way through the read or the writes, at the
// flush, the close or the rename, and when the process is killed between any two steps of a save. Afterwards
// the file is the old one or the new one, whole, and no temporary file is left behind by a failed save.
// Then what stands at the file's name: what is not a whole, readable, writable regular file is never replaced.
#include "settings/file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <future>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "settings/profile.h"
#include "settings_fixture.h"

namespace tv {
namespace {

using test::TempDir;
using Step = DiskFileSystem::Step;
using Outcome = DiskFileSystem::Outcome;

constexpr const char* kIni = "Tarvolin.ini";

// A plan of faults: every read and write call moves at most `chunk` bytes (so a save takes many steps), the step
// of kind `failStep` fails with `error` once `failAfter` of that kind went through, and the save stops dead after
// `stopAfter` steps.
struct Faults {
    Step failStep = Step::Open;
    int failAfter = -1;  // -1: no step fails
    int error = EIO;
    std::size_t chunk = 0;  // 0: whole reads and writes
    int stopAfter = -1;
};

// The step of kind `step` fails with `error` once `after` of that kind went through; reads and writes move at most
// `chunk` bytes.
Faults failing(Step step, int after, int error, std::size_t chunk = 0)
{
    return {step, after, error, chunk};
}

// The real disk with a plan of faults.
class FaultyDisk : public DiskFileSystem, public Faults {
public:
    explicit FaultyDisk(const Faults& faults = {}) : Faults(faults) {}
    std::function<void(Step)> onStep;  // runs before each step (the race below)
    int stepsTaken = 0;
    std::vector<Step> steps;

protected:
    int failureError(Step) override { return error; }
    Outcome beforeStep(Step step, std::size_t& bytes) override
    {
        if (onStep) onStep(step);
        if ((step == Step::Write || step == Step::Read) && chunk > 0 && bytes > chunk) bytes = chunk;
        if (static_cast<int>(steps.size()) == stopAfter) return Outcome::Stop;
        steps.push_back(step);
        ++stepsTaken;
        if (step == failStep && failAfter-- == 0) return Outcome::Fail;
        return Outcome::Run;
    }
};

const std::string kOld =
    "; my settings\r\n[TarvolinDefaults]\r\nLoanAmount=111\r\nLoanDuration=11\r\nMenuStart=1\r\n[Other]\r\nX=1\r\n";
const std::vector<std::pair<std::string, std::string>> kNewKeys{
    {"LoanAmount", "222"}, {"LoanDuration", "22"}, {"MenuStart", "2"}, {"InvestBFInt", "40"}};

std::string newText()
{
    return ProfileFile::applyKeys(kOld, kIniSection, kNewKeys);
}

// What a program starting now reads: every key of the save, as a tuple of values.
std::vector<int> startUpValues(const std::string& path)
{
    ProfileFile ini(path);
    std::vector<int> values;
    values.reserve(kNewKeys.size());
    for (const auto& kv : kNewKeys) values.push_back(ini.readInt(kIniSection, kv.first, -1));
    return values;
}

TEST(DiskSave, WritesTheNewFileThroughATemporaryOneAndLeavesNoTemporaryFile)
{
    TempDir dir;
    dir.write(kIni, kOld);
    FaultyDisk disk;
    ProfileFile ini(dir.path(kIni), disk);
    ASSERT_TRUE(ini.writeStrings(kIniSection, kNewKeys));
    EXPECT_EQ(dir.read(kIni), newText());
    EXPECT_TRUE(dir.temporaries().empty());
    // The second read finds the end of the file.
    EXPECT_EQ(disk.steps, (std::vector<Step>{Step::Lock, Step::Read, Step::Read, Step::Open, Step::Write, Step::Sync,
                                             Step::Close, Step::Rename, Step::SyncFolder}));
    EXPECT_EQ(startUpValues(dir.path(kIni)), (std::vector<int>{222, 22, 2, 40}));
}

struct FailCase {
    const char* name;
    Faults faults;  // short reads and writes (a chunk) make the failing one come after some went through
    const char* reason;
};

const FailCase kFailCases[] = {
    {"AtTheLock", failing(Step::Lock, 0, EIO), "it cannot be locked (Input/output error)"},
    {"AtTheRead", failing(Step::Read, 0, EACCES), "it cannot be read (Permission denied)"},
    {"PartWayThroughTheRead", failing(Step::Read, 2, EIO, 16), "reading it failed after 32 bytes (Input/output error)"},
    {"AtTheOpen", failing(Step::Open, 0, EACCES), "a temporary file cannot be created beside it (Permission denied)"},
    {"AtTheFirstWrite", failing(Step::Write, 0, EIO), "writing failed (Input/output error)"},
    {"PartWayThroughTheWrites", failing(Step::Write, 3, ENOSPC, 16), "writing failed (No space left on device)"},
    {"AtTheFlush", failing(Step::Sync, 0, EIO), "flushing it to the disk failed (Input/output error)"},
    {"AtTheClose", failing(Step::Close, 0, EIO), "closing the new file failed (Input/output error)"},
    {"AtTheRename", failing(Step::Rename, 0, EBUSY),
     "the new file cannot take the old one's place (Device or resource busy)"},
};

class FailedSave : public ::testing::TestWithParam<FailCase> {};

TEST_P(FailedSave, IsReportedAndLeavesTheOldFileAndNoTemporaryFile)
{
    const FailCase& c = GetParam();
    for (bool hadFile : {true, false}) {
        if (!hadFile && c.faults.failStep == Step::Read) continue;  // nothing to read
        SCOPED_TRACE(hadFile ? "over an old file" : "without a file");
        TempDir dir;
        if (hadFile) dir.write(kIni, kOld);
        FaultyDisk disk(c.faults);
        ProfileFile ini(dir.path(kIni), disk);
        SaveResult saved = ini.writeStrings(kIniSection, kNewKeys);
        EXPECT_FALSE(saved);
        EXPECT_EQ(saved.reason.english(), c.reason);
        EXPECT_EQ(dir.exists(kIni), hadFile);
        if (hadFile) {
            EXPECT_EQ(dir.read(kIni), kOld);
        }
        EXPECT_TRUE(dir.temporaries().empty()) << "a failed save removes its temporary file";

        // The same save on a healthy disk then goes through.
        DiskFileSystem healthy;
        ProfileFile again(dir.path(kIni), healthy);
        ASSERT_TRUE(again.writeStrings(kIniSection, kNewKeys));
        EXPECT_EQ(startUpValues(dir.path(kIni)), (std::vector<int>{222, 22, 2, 40}));
        EXPECT_TRUE(dir.temporaries().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(DiskSave, FailedSave, ::testing::ValuesIn(kFailCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DiskSave, FailedFolderFlushAfterTheRenameStillSaves)
{
    TempDir dir;
    dir.write(kIni, kOld);
    FaultyDisk disk(failing(Step::SyncFolder, 0, EIO));
    ProfileFile ini(dir.path(kIni), disk);
    EXPECT_TRUE(ini.writeStrings(kIniSection, kNewKeys));
    EXPECT_EQ(dir.read(kIni), newText());
    EXPECT_TRUE(dir.temporaries().empty());
}

TEST(DiskSave, KilledBetweenAnyTwoStepsLeavesTheOldFileOrTheNewOneNeverAMixture)
{
    // Writes of 10 bytes make a save of some twenty steps; the process is killed after each number of them.
    FaultyDisk full({.chunk = 10});
    {
        TempDir dir;
        dir.write(kIni, kOld);
        ASSERT_TRUE(ProfileFile(dir.path(kIni), full).writeStrings(kIniSection, kNewKeys));
    }
    const int total = full.stepsTaken;
    ASSERT_GT(total, 10);
    const std::string renamed = newText();
    int oldSeen = 0;
    int newSeen = 0;
    for (int k = 0; k <= total; ++k) {
        SCOPED_TRACE("killed after " + std::to_string(k) + " steps");
        TempDir dir;
        dir.write(kIni, kOld);
        FaultyDisk disk({.chunk = 10, .stopAfter = k});
        ProfileFile(dir.path(kIni), disk).writeStrings(kIniSection, kNewKeys);

        const std::string onDisk = dir.read(kIni);
        ASSERT_TRUE(onDisk == kOld || onDisk == renamed) << onDisk;
        onDisk == kOld ? ++oldSeen : ++newSeen;
        const std::vector<int> values = startUpValues(dir.path(kIni));
        EXPECT_TRUE(values == (std::vector<int>{111, 11, 1, -1}) || values == (std::vector<int>{222, 22, 2, 40}));
        // Whatever is left beside the file is a part of the new text under another name, which nothing
        // reads; the next save removes it.
        for (const std::string& tmp : dir.temporaries())
            EXPECT_EQ(renamed.compare(0, dir.read(tmp).size(), dir.read(tmp)), 0);
        DiskFileSystem healthy;
        ASSERT_TRUE(ProfileFile(dir.path(kIni), healthy).writeStrings(kIniSection, {{"LoanAmount", "333"}}));
        EXPECT_EQ(ProfileFile(dir.path(kIni)).readInt(kIniSection, "LoanAmount", -1), 333);
        EXPECT_TRUE(dir.temporaries().empty());
    }
    // Killed before the rename: the old file; from the rename on: the new one.
    EXPECT_GT(oldSeen, 10);
    EXPECT_EQ(newSeen, 2);
}

TEST(DiskSave, KilledWithoutAnOldFileLeavesNoFileOrTheWholeNewOne)
{
    for (int k = 0; k <= 7; ++k) {
        SCOPED_TRACE("killed after " + std::to_string(k) + " steps");
        TempDir dir;
        FaultyDisk disk({.stopAfter = k});
        ProfileFile(dir.path(kIni), disk).writeStrings(kIniSection, kNewKeys);
        if (dir.exists(kIni)) {
            EXPECT_EQ(dir.read(kIni), ProfileFile::applyKeys("", kIniSection, kNewKeys));
        } else {
            EXPECT_EQ(ProfileFile(dir.path(kIni)).readInt(kIniSection, "LoanAmount", -1), -1);
        }
    }
}

// ---- what stands at the file's name ---------------------------------------------------------------

struct Refusal {
    const char* name;
    const char* oldAt;                  // where the old settings are written first; null: nowhere
    void (*setup)(const TempDir& dir);  // then done; null: nothing
    FileRead::Status read;              // what reading finds
    const char* reason;  // why reading (when refused) and saving are refused; "{lock}" stands for the lock file
    Faults faults = {};
};

const Refusal kRefusals[] = {
    {"NamedPipe", nullptr, [](const TempDir& d) { ::mkfifo(d.path(kIni).c_str(), 0600); }, FileRead::Status::Refused,
     "it is a named pipe, not a file"},
    {"Device", nullptr, [](const TempDir& d) { std::filesystem::create_symlink("/dev/null", d.path(kIni)); },
     FileRead::Status::Refused, "it is a device, not a file"},
    {"Folder", nullptr, [](const TempDir& d) { std::filesystem::create_directory(d.path(kIni)); },
     FileRead::Status::Refused, "it is a folder, not a file"},
    {"OverTheSizeLimit", nullptr,
     [](const TempDir& d) { d.write(kIni, kOld + std::string(kMaxSettingsFileBytes, ';')); }, FileRead::Status::Refused,
     "it is too large for a settings file (1,048,671 bytes; at most 1,048,576)"},
    {"Unreadable", kIni, nullptr, FileRead::Status::Refused, "it cannot be read (Permission denied)",
     failing(Step::Read, 0, EACCES)},
    {"ReadFailingPartWay", kIni, nullptr, FileRead::Status::Refused,
     "reading it failed after 16 bytes (Input/output error)", failing(Step::Read, 1, EIO, 16)},
    {"ReadOnly", kIni, [](const TempDir& d) { ::chmod(d.path(kIni).c_str(), 0444); }, FileRead::Status::Read,
     "it is read-only"},
    {"LinkOfAnotherUser", "real.ini",
     [](const TempDir& d) {
         std::filesystem::create_symlink("real.ini", d.path(kIni));
         ASSERT_EQ(::lchown(d.path(kIni).c_str(), 4242, 4242), 0) << "needs the superuser, as the tests run";
     },
     FileRead::Status::Read, "it is a symbolic link that belongs to another user"},
    {"LockFileIsALink", kIni,
     [](const TempDir& d) { std::filesystem::create_symlink("elsewhere", d.path("Tarvolin.ini.lock")); },
     FileRead::Status::Read, "the lock file {lock} is not a regular file"},
    {"LockFileIsAPipe", kIni, [](const TempDir& d) { ::mkfifo(d.path("Tarvolin.ini.lock").c_str(), 0600); },
     FileRead::Status::Read, "the lock file {lock} is not a regular file"},
};

class Refused : public ::testing::TestWithParam<Refusal> {};

// Reading says what is wrong without blocking on a pipe; a save refuses at once and leaves the thing as it was.
TEST_P(Refused, ReadingSaysWhyAndASaveLeavesItAsItWas)
{
    const Refusal& c = GetParam();
    TempDir dir;
    if (c.oldAt) dir.write(c.oldAt, kOld);
    if (c.setup) c.setup(dir);
    FaultyDisk disk(c.faults);
    const auto type = std::filesystem::symlink_status(dir.path(kIni)).type();
    const bool regular = type == std::filesystem::file_type::regular;
    const std::string before = regular ? dir.read(kIni) : "";  // opening a pipe to read it would block the test
    const std::string linkedTo = dir.read("real.ini");
    std::string reason = c.reason;
    if (std::size_t at = reason.find("{lock}"); at != std::string::npos)
        reason.replace(at, 6, dir.path(kIni) + ".lock");

    FileRead read = disk.load(dir.path(kIni));
    EXPECT_EQ(read.status, c.read);
    if (c.read == FileRead::Status::Refused) {
        EXPECT_EQ(read.reason.english(), reason);
    }
    disk.failAfter = c.faults.failAfter;  // as planned again, for the save
    SaveResult saved = ProfileFile(dir.path(kIni), disk).writeStrings(kIniSection, kNewKeys);
    EXPECT_EQ(saved.reason.english(), reason);
    EXPECT_EQ(std::filesystem::symlink_status(dir.path(kIni)).type(), type);
    if (regular) {
        EXPECT_EQ(dir.read(kIni), before);
    }
    EXPECT_EQ(dir.read("real.ini"), linkedTo);
    EXPECT_TRUE(dir.temporaries().empty());
}

INSTANTIATE_TEST_SUITE_P(DiskSave, Refused, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

// The file is the user's own link to a 0640 file that has a second name, and a link waits where saves once
// wrote their temporary file: the save writes through the link, keeps the mode, follows no planted link, and
// leaves the second name with the old text (a hard-linked file becomes a file of its own).
TEST(DiskSave, KeepsWhatTheFileIs)
{
    TempDir dir;
    std::filesystem::create_directory(dir.path("real"));
    dir.write("real/Tarvolin.ini", kOld);
    ::chmod(dir.path("real/Tarvolin.ini").c_str(), 0640);
    std::filesystem::create_symlink("real/Tarvolin.ini", dir.path(kIni));
    std::filesystem::create_hard_link(dir.path("real/Tarvolin.ini"), dir.path("other.ini"));
    std::filesystem::create_symlink(dir.path("victim"), dir.path("real/Tarvolin.ini.tmp"));
    ASSERT_TRUE(ProfileFile(dir.path(kIni)).writeStrings(kIniSection, kNewKeys));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path(kIni)));
    EXPECT_EQ(dir.read("real/Tarvolin.ini"), newText());
    EXPECT_EQ(
        std::filesystem::status(dir.path("real/Tarvolin.ini")).permissions(),
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write | std::filesystem::perms::group_read);
    EXPECT_EQ(dir.read("other.ini"), kOld);
    EXPECT_FALSE(dir.exists("victim"));
    EXPECT_TRUE(dir.exists("real/Tarvolin.ini.lock")) << "the lock lies beside the file itself";
}

TEST(DiskSave, CreatesTheMissingFoldersForTheUserAlone)
{
    TempDir dir;
    ASSERT_TRUE(ProfileFile(dir.path("config/Tarvolin/Tarvolin.ini")).writeStrings(kIniSection, kNewKeys));
    EXPECT_EQ(dir.read("config/Tarvolin/Tarvolin.ini"), ProfileFile::applyKeys("", kIniSection, kNewKeys));
    for (const char* folder : {"config", "config/Tarvolin"})
        EXPECT_EQ(std::filesystem::status(dir.path(folder)).permissions(), std::filesystem::perms::owner_all);
}

// Two copies of the program save at once, the first held between its read and its write. The second waits
// for the lock, reads what the first wrote and keeps both changes; without the lock it would read the old file
// and write over the first's change.
TEST(DiskSave, TwoCopiesSavingAtOnceBothKeepTheirChanges)
{
    TempDir dir;
    dir.write(kIni, kOld);
    FaultyDisk first;
    FaultyDisk second;
    std::promise<void> secondUnderWay;
    std::promise<void> firstDone;
    std::shared_future<void> firstSaved = firstDone.get_future().share();
    std::thread other;
    SaveResult secondSaved = SaveResult::refused(finishedText("not run"));
    first.onStep = [&](Step step) {
        if (step != Step::Open || other.joinable()) return;
        other = std::thread([&] {
            secondSaved = ProfileFile(dir.path(kIni), second).writeStrings(kIniSection, {{"LoanDuration", "22"}});
        });
        secondUnderWay.get_future().wait();
    };
    bool told = false;
    second.onStep = [&](Step step) {
        if ((step == Step::Lock || step == Step::Open) && !std::exchange(told, true)) secondUnderWay.set_value();
        if (step == Step::Open) firstSaved.wait();
    };
    EXPECT_TRUE(ProfileFile(dir.path(kIni), first).writeStrings(kIniSection, {{"LoanAmount", "222"}}));
    firstDone.set_value();
    other.join();
    EXPECT_TRUE(secondSaved);
    ProfileFile ini(dir.path(kIni));
    EXPECT_EQ(ini.readInt(kIniSection, "LoanAmount", -1), 222);
    EXPECT_EQ(ini.readInt(kIniSection, "LoanDuration", -1), 22);
}

}  // namespace
}  // namespace tv
