// Saving the settings file when the disk fails: at the open, part-way through the writes, at the flush,
// the close or the rename, and when the process is killed between any two steps of a save. Afterwards
// the file is the old one or the new one, whole, and no temporary file is left behind by a failed save.
#include "settings/file_system.h"

#include <gtest/gtest.h>

#include <string>
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
constexpr const char* kTmp = "Tarvolin.ini.tmp";

// The real disk with a plan of faults: every write call writes at most `chunk` bytes (so a save takes
// many steps), step number `failAt` fails, and the save stops dead after `stopAfter` steps.
class FaultyDisk : public DiskFileSystem {
public:
    std::size_t chunk = 0;  // 0: whole writes
    int failAt = -1;
    int stopAfter = -1;
    Step failStep = Step::Open;  // with failAtStep: the first step of this kind fails
    bool failAtStep = false;
    int stepsTaken = 0;
    std::vector<Step> steps;

protected:
    Outcome beforeStep(Step step, std::size_t& bytes) override
    {
        if (step == Step::Write && chunk > 0 && bytes > chunk) bytes = chunk;
        const int number = static_cast<int>(steps.size());
        if (number == stopAfter) return Outcome::Stop;
        steps.push_back(step);
        ++stepsTaken;
        if (number == failAt) return Outcome::Fail;
        if (failAtStep && step == failStep) {
            failAtStep = false;
            return Outcome::Fail;
        }
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
    EXPECT_FALSE(dir.exists(kTmp));
    EXPECT_EQ(disk.steps,
              (std::vector<Step>{Step::Open, Step::Write, Step::Sync, Step::Close, Step::Rename, Step::SyncFolder}));
    EXPECT_EQ(startUpValues(dir.path(kIni)), (std::vector<int>{222, 22, 2, 40}));
}

struct FailCase {
    const char* name;
    Step step;
    std::size_t chunk;  // short writes, so the write that fails comes after some were written
    int writesBefore;   // writes that succeed before the failing one
};

const FailCase kFailCases[] = {
    {"AtTheOpen", Step::Open, 0, 0},
    {"AtTheFirstWrite", Step::Write, 0, 0},
    {"PartWayThroughTheWrites", Step::Write, 16, 3},
    {"AtTheFlush", Step::Sync, 0, 0},
    {"AtTheClose", Step::Close, 0, 0},
    {"AtTheRename", Step::Rename, 0, 0},
};

class FailedSave : public ::testing::TestWithParam<FailCase> {};

TEST_P(FailedSave, IsReportedAndLeavesTheOldFileAndNoTemporaryFile)
{
    const FailCase& c = GetParam();
    for (bool hadFile : {true, false}) {
        SCOPED_TRACE(hadFile ? "over an old file" : "without a file");
        TempDir dir;
        if (hadFile) dir.write(kIni, kOld);
        FaultyDisk disk;
        disk.chunk = c.chunk;
        if (c.writesBefore > 0) {
            disk.failAt = 1 + c.writesBefore;  // the open, the successful writes, then this one
        } else {
            disk.failAtStep = true;
            disk.failStep = c.step;
        }
        ProfileFile ini(dir.path(kIni), disk);
        EXPECT_FALSE(ini.writeStrings(kIniSection, kNewKeys));
        EXPECT_EQ(dir.exists(kIni), hadFile);
        if (hadFile) {
            EXPECT_EQ(dir.read(kIni), kOld);
        }
        EXPECT_FALSE(dir.exists(kTmp)) << "a failed save removes its temporary file";

        // The same save on a healthy disk then goes through.
        DiskFileSystem healthy;
        ProfileFile again(dir.path(kIni), healthy);
        ASSERT_TRUE(again.writeStrings(kIniSection, kNewKeys));
        EXPECT_EQ(startUpValues(dir.path(kIni)), (std::vector<int>{222, 22, 2, 40}));
        EXPECT_FALSE(dir.exists(kTmp));
    }
}

INSTANTIATE_TEST_SUITE_P(DiskSave, FailedSave, ::testing::ValuesIn(kFailCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DiskSave, FailedFolderFlushAfterTheRenameStillSaves)
{
    TempDir dir;
    dir.write(kIni, kOld);
    FaultyDisk disk;
    disk.failAtStep = true;
    disk.failStep = Step::SyncFolder;
    ProfileFile ini(dir.path(kIni), disk);
    EXPECT_TRUE(ini.writeStrings(kIniSection, kNewKeys));
    EXPECT_EQ(dir.read(kIni), newText());
    EXPECT_FALSE(dir.exists(kTmp));
}

TEST(DiskSave, KilledBetweenAnyTwoStepsLeavesTheOldFileOrTheNewOneNeverAMixture)
{
    // Writes of 10 bytes make a save of some twenty steps; the process is killed after each number of them.
    FaultyDisk full;
    full.chunk = 10;
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
        FaultyDisk disk;
        disk.chunk = 10;
        disk.stopAfter = k;
        ProfileFile(dir.path(kIni), disk).writeStrings(kIniSection, kNewKeys);

        const std::string onDisk = dir.read(kIni);
        ASSERT_TRUE(onDisk == kOld || onDisk == renamed) << onDisk;
        onDisk == kOld ? ++oldSeen : ++newSeen;
        const std::vector<int> values = startUpValues(dir.path(kIni));
        EXPECT_TRUE(values == (std::vector<int>{111, 11, 1, -1}) || values == (std::vector<int>{222, 22, 2, 40}));
        // Whatever is left beside the file is a part of the new text under another name, which nothing
        // reads; the next save reuses it and leaves nothing behind.
        if (dir.exists(kTmp)) {
            EXPECT_EQ(renamed.compare(0, dir.read(kTmp).size(), dir.read(kTmp)), 0);
        }
        DiskFileSystem healthy;
        ASSERT_TRUE(ProfileFile(dir.path(kIni), healthy).writeStrings(kIniSection, {{"LoanAmount", "333"}}));
        EXPECT_EQ(ProfileFile(dir.path(kIni)).readInt(kIniSection, "LoanAmount", -1), 333);
        EXPECT_FALSE(dir.exists(kTmp));
    }
    // Killed before the rename: the old file; from the rename on: the new one.
    EXPECT_GT(oldSeen, 10);
    EXPECT_EQ(newSeen, 2);
}

TEST(DiskSave, KilledWithoutAnOldFileLeavesNoFileOrTheWholeNewOne)
{
    for (int k = 0; k <= 6; ++k) {
        SCOPED_TRACE("killed after " + std::to_string(k) + " steps");
        TempDir dir;
        FaultyDisk disk;
        disk.stopAfter = k;
        ProfileFile(dir.path(kIni), disk).writeStrings(kIniSection, kNewKeys);
        if (dir.exists(kIni)) {
            EXPECT_EQ(dir.read(kIni), ProfileFile::applyKeys("", kIniSection, kNewKeys));
        } else {
            EXPECT_EQ(ProfileFile(dir.path(kIni)).readInt(kIniSection, "LoanAmount", -1), -1);
        }
    }
}

}  // namespace
}  // namespace tv
