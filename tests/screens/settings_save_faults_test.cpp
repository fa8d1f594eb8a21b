// The settings screens when the disk fails while they save (reading the old file included), or the program is
// killed part-way through a save: the user is told why nothing was saved, the screen keeps the user's choices,
// and the next start reads the old settings or the new ones, never a mixture.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/color_form.h"
#include "settings/file_system.h"
#include "settings/ini_file_form.h"
#include "settings/profile.h"
#include "settings/save_failed.h"
#include "test_program.h"

namespace tv::test {
namespace {

using Step = DiskFileSystem::Step;
using Outcome = DiskFileSystem::Outcome;

constexpr const char* kIni = "Tarvolin.ini";

const std::string kOldSettings =
    "[TarvolinDefaults]\r\nLoanAmount=111\r\nLoanDuration=11\r\nMenuStart=1\r\nLoanBkgrndColor=12\r\n";

// The disk with one planned fault: the first step of a kind fails, or the save stops dead (the process
// killed) after a number of steps. Writes go 8 bytes at a time, so a save takes many steps.
class FaultyDisk : public DiskFileSystem {
public:
    bool fail = false;
    Step failStep = Step::Open;
    int stopAfter = -1;
    int steps = 0;

protected:
    Outcome beforeStep(Step step, std::size_t& bytes) override
    {
        if (step == Step::Write && bytes > 8) bytes = 8;
        if (steps == stopAfter) return Outcome::Stop;
        ++steps;
        if (fail && step == failStep) {
            fail = false;
            return Outcome::Fail;
        }
        return Outcome::Run;
    }
};

// Each step a save takes, with the reason the message gives when it fails.
struct FailingStep {
    Step step;
    const char* name;
    const char* reason;
};
const FailingStep kFailingSteps[] = {
    {Step::Lock, "lock", "it cannot be locked (Input/output error)"},
    {Step::Read, "read", "it cannot be read (Input/output error)"},
    {Step::Open, "open", "a temporary file cannot be created beside it (Input/output error)"},
    {Step::Write, "write", "writing failed (Input/output error)"},
    {Step::Sync, "flush", "flushing it to the disk failed (Input/output error)"},
    {Step::Close, "close", "closing the new file failed (Input/output error)"},
    {Step::Rename, "rename", "the new file cannot take the old one's place (Input/output error)"},
};

// The message of a save that failed for `reason`, naming the settings file of the test's folder.
std::vector<std::string> saveFailed(TestProgram& t, const std::string& reason)
{
    return {saveFailedMessage((t.cwd.path() / kIni).string(), finishedText(reason)).english()};
}

bool temporaryFileLeft(TestProgram& t)
{
    for (const auto& entry : std::filesystem::directory_iterator(t.cwd.path()))
        if (DiskFileSystem::isTemporaryName(entry.path().filename().string(), kIni)) return true;
    return false;
}

Form& openEditor(TestProgram& t)
{
    t.m().menu("mnu_IniFileEd").userChoose();
    return t.program->iniFile();
}

TEST(SettingsSaveFaults, EditorSaysWhenTheDiskFailsAtAnyStepAndKeepsTheFileAndTheUsersValues)
{
    for (const FailingStep& f : kFailingSteps) {
        SCOPED_TRACE(std::string("failing at the ") + f.name);
        TestProgram t = TestProgram::withSettings(kOldSettings);
        FaultyDisk disk;
        t.program->setFileSystem(disk);
        Form& ed = openEditor(t);
        ed.box("txt_LnAmt").userType("222");
        ed.option("opt_invest").userClick();
        disk.fail = true;
        disk.failStep = f.step;
        t.messages();
        ed.button("btn_save").userClick();

        EXPECT_EQ(t.messages(), saveFailed(t, f.reason));
        EXPECT_TRUE(ed.loaded()) << "the editor stays open";
        EXPECT_EQ(ed.box("txt_LnAmt").text(), "222");
        EXPECT_TRUE(ed.option("opt_invest").value());
        EXPECT_EQ(t.cwd.read(kIni), kOldSettings);
        EXPECT_FALSE(temporaryFileLeft(t));

        // Saving again once the disk works goes through and closes the editor.
        ed.button("btn_save").userClick();
        EXPECT_FALSE(ed.loaded());
        EXPECT_TRUE(t.messages().empty());
        ProfileFile ini(kIni);
        EXPECT_EQ(ini.readInt(kIniSection, "LoanAmount", -1), 222);
        EXPECT_EQ(ini.readInt(kIniSection, "MenuStart", -1), 2);
    }
}

TEST(SettingsSaveFaults, ColourScreenSaysWhenTheDiskFailsAtAnyStepAndKeepsTheFile)
{
    for (const FailingStep& f : kFailingSteps) {
        SCOPED_TRACE(std::string("failing at the ") + f.name);
        TestProgram t = TestProgram::withSettings(kOldSettings);
        FaultyDisk disk;
        t.program->setFileSystem(disk);
        t.m().menu("mnu_SetColors").userChoose();
        Form& c = t.program->colorFm();
        c.combo("cbo_LnBackGrnd").userPick(13);
        disk.fail = true;
        disk.failStep = f.step;
        t.messages();
        c.button("Btn_S_C").userClick();

        EXPECT_EQ(t.messages(), saveFailed(t, f.reason));
        EXPECT_TRUE(c.loaded());
        EXPECT_EQ(c.combo("cbo_LnBackGrnd").listIndex(), 13);
        EXPECT_EQ(t.cwd.read(kIni), kOldSettings);
        EXPECT_FALSE(temporaryFileLeft(t));
    }
}

// What the main screen starts with: the loan amount, the duration and its unit.
struct StartUp {
    std::string amount;
    std::string duration;
    bool months = false;
    bool operator==(const StartUp&) const = default;
};

StartUp startUpHere()
{
    ScriptedPlatform platform;
    Program program(platform);
    program.Main();
    Mervane& m = program.mervane();
    return {m.box("fp_Prin").text(), m.box("fp_Time").text(), m.inMonthView()};
}

TEST(SettingsSaveFaults, ProgramKilledBetweenAnyTwoStepsOfASaveStartsWithTheOldSettingsOrTheNewOnes)
{
    const StartUp before{"111", "11", false};
    const StartUp after{"222", "264", true};
    int steps = 0;
    for (int k = 0;; ++k) {
        SCOPED_TRACE("killed after " + std::to_string(k) + " steps");
        TestProgram t = TestProgram::withSettings(kOldSettings);
        ASSERT_EQ(startUpHere(), before);
        FaultyDisk disk;
        disk.stopAfter = k;
        t.program->setFileSystem(disk);
        Form& ed = openEditor(t);
        ed.box("txt_LnAmt").userType("222");
        ed.box("txt_LnDur").userType("22");
        ed.option("opt_month").userClick();
        ed.button("btn_save").userClick();
        // The program is dead now; a new one starts in the same folder.
        StartUp next = startUpHere();
        EXPECT_TRUE(next == before || next == after) << next.amount << " " << next.duration;
        if (disk.steps == k) continue;  // the save was stopped
        // The save ran to its end: every later number of steps is the same save.
        EXPECT_EQ(next, after);
        steps = disk.steps;
        break;
    }
    EXPECT_GT(steps, 20) << "the save was interrupted at many points";
}

}  // namespace
}  // namespace tv::test
