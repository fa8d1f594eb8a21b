// The monkey's own checks: they pass a healthy program and catch each kind of fault they look for, and a
// failing walk prints a script that reproduces it.
#include "checks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include <unistd.h>

#include "app/program.h"
#include "loan_table/loan_sheet.h"
#include "main_screen/mervane.h"
#include "monkey.h"
#include "replay/replay.h"
#include "screen_model/scripted_platform.h"
#include "settings/settings_path.h"

namespace tv::monkey {
namespace {

struct Started {
    Started()
    {
        program.Main();
        platform.clearRecords();
    }
    ScriptedPlatform platform;
    Program program{platform};
};

TEST(MonkeyChecks, AHealthyProgramPasses)
{
    Started s;
    EXPECT_EQ(checkProgram(s.program, {}), std::vector<std::string>{});
    s.program.mervane().button("btn_Calc").userClick();
    EXPECT_EQ(checkProgram(s.program, {}), std::vector<std::string>{});
}

struct ArtefactCase {
    const char* text;
    bool artefact;
};

TEST(MonkeyChecks, ArtefactsAreTheNumbersNoOneWrote)
{
    const ArtefactCase cases[] = {
        {"$1,234.50", false},
        {"($20.00)", false},
        {"12 payments\r\n    (1.00 yrs)", false},
        {"(0.00 yrs)", false},
        {"Infation Rate Adjustment:  %", false},
        {"Duration too short - the loan must last at least one installment", false},
        {"PayOff -> Amt", false},
        {"-5", false},
        {"nan", true},
        {"-nan", true},
        {"Level payments of $inf will be worth", true},
        {"$-0.00", true},
        {"($0.00)", true},
        {"-0", true},
        {"-0.000", true},
        {"$-5.00", true},
        {"1e+20", true},
        {"worth 2.5E-3", true},
    };
    for (const ArtefactCase& c : cases) EXPECT_EQ(!artefactIn(c.text, {}).empty(), c.artefact) << c.text;
    // A message that quotes what the user typed is not the program's artefact.
    EXPECT_EQ(artefactIn("Loan Amount \"NaN\" will be read back as 0", {"NaN"}), "");
    EXPECT_NE(artefactIn("Loan Amount \"NaN\" will be read back as nan", {"NaN"}), "");
    EXPECT_EQ(artefactIn("Amount \"-03E03\" will be read back as -3", {"-0", "-03E03"}), "");
}

TEST(MonkeyChecks, ABoxMustShowWhatItHoldsAndTheProgramMustWriteNumbers)
{
    const std::string money = "$#,##0.00;($#,##0.00)";
    EXPECT_EQ(boxProblem("1234.5", money, "$1,234.50", {}), "");
    EXPECT_EQ(boxProblem("-20", money, "($20.00)", {}), "");
    EXPECT_EQ(boxProblem("", money, "", {}), "");
    EXPECT_EQ(boxProblem("NaN", money, "NaN", {"NaN"}), "") << "the user's own text";
    EXPECT_NE(boxProblem("NaN", money, "NaN", {}), "") << "the program wrote it";
    EXPECT_NE(boxProblem("1e+20", money, "$100,000,000,000,000,000,000.00", {}), "");
    EXPECT_NE(boxProblem("1234.5", money, "$1,234.00", {}), "") << "the display is another value";
    EXPECT_NE(boxProblem("-0.001", money, "$-0.00", {}), "");
    EXPECT_NE(boxProblem("abc", money, "", {"abc"}), "") << "text that is not a number shows as it is";
}

TEST(MonkeyChecks, InconsistentMenusToolbarAndStateAreCaught)
{
    Started s;
    Mervane& m = s.program.mervane();
    m.menu("mnu_view_invest").setChecked(true);
    m.toolbar("Toolbar1").setPressed(9, true);
    m.option("opt_Prin").setValue(false);
    m.option("opt_payment").setValue(false);
    m.label("lbl_dur2").setVisible(true);
    m.label("lbl_dur2").setCaption(tv::finishedText("-0 payments"));
    s.program.app().setPointer(Pointer::Hourglass);
    std::vector<std::string> problems = checkProgram(s.program, {});
    auto mentions = [&](const std::string& what) {
        for (const std::string& p : problems)
            if (p.find(what) != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(mentions("Loans and Investments"));
    EXPECT_TRUE(mentions("Years and Months buttons"));
    EXPECT_TRUE(mentions("no option button selected"));
    EXPECT_TRUE(mentions("lbl_dur2"));
    EXPECT_TRUE(mentions("hourglass"));
}

TEST(MonkeyChecks, TheCalculationStateMustBeFiniteWithARealInstallmentCount)
{
    EXPECT_EQ(checkState({{"valPayment", 699.21}, {"instPerYear", 26LL}, {"inputCheckOn", true}}).size(), 0u);
    EXPECT_EQ(checkState({{"durYears", std::numeric_limits<double>::quiet_NaN()}, {"instPerYear", 13LL}}).size(), 2u);
}

TEST(MonkeyChecks, TheTableScreenMenusAndCaptionsMustAgree)
{
    Started s;
    s.program.mervane().menu("mnu_LnSheet").userChoose();
    EXPECT_EQ(checkProgram(s.program, {}), std::vector<std::string>{});
    LoanSheet& sheet = s.program.loanSheet();
    sheet.menu("mnuOptLen", 1).setChecked(true);
    EXPECT_FALSE(checkProgram(s.program, {}).empty());
}

TEST(MonkeyWalk, ASeedRunsItsStepsAndIsTheSameEveryTime)
{
    Options options;
    options.seed = 7;
    options.steps = 150;
    std::vector<std::string> first;
    options.onLine = [&](const std::string& line) { first.push_back(line); };
    Report a = run(options);
    EXPECT_EQ(a.actions, 150);
    EXPECT_TRUE(a.failures.empty()) << (a.failures.empty() ? "" : describe(a.failures[0]));
    std::vector<std::string> second;
    options.onLine = [&](const std::string& line) { second.push_back(line); };
    run(options);
    EXPECT_EQ(first, second);
}

TEST(MonkeyWalk, AFailurePrintsAScriptThatReproducesIt)
{
    // A planted fault: any loan amount above a million "breaks" the program.
    auto broken = [](Program& p) {
        std::vector<std::string> problems;
        const std::string& text = p.mervane().box("fp_Prin").text();
        if (text.size() > 7 && text.find_first_not_of("0123456789") == std::string::npos) problems.push_back("planted");
        return problems;
    };
    Options options;
    options.extraCheck = broken;
    options.steps = 2000;
    Failure failure;
    for (options.seed = 1; options.seed < 40 && failure.problems.empty(); ++options.seed) {
        Report r = run(options);
        if (!r.failures.empty()) failure = r.failures[0];
    }
    ASSERT_EQ(failure.problems, std::vector<std::string>{"planted"});
    EXPECT_NE(describe(failure).find("tarvolin-replay <<'EOF'\n" + failure.script + "EOF\n"), std::string::npos);

    // The script, run by the replay driver from the same settings, ends with the same fault.
    ReplayOptions replay;
    std::vector<std::string> atEnd;
    replay.extraCommands["check"] = [&](Program& p, const std::string&, std::string&) {
        atEnd = broken(p);
        return true;
    };
    std::istringstream script(failure.script + "check\n");
    std::ostringstream out;
    std::ostringstream err;
    const std::filesystem::path home = std::filesystem::current_path();
    std::string folder = (std::filesystem::temp_directory_path() / "tarvolin-monkey-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    std::filesystem::current_path(folder);
    if (failure.withSettings) std::ofstream(kSettingsFileName, std::ios::binary) << failure.settings;
    int status = runReplay(script, out, err, replay);
    std::filesystem::current_path(home);
    std::filesystem::remove_all(folder);
    EXPECT_LE(status, kReplayExpectFailed) << err.str();
    EXPECT_EQ(atEnd, std::vector<std::string>{"planted"});
}

}  // namespace
}  // namespace tv::monkey
