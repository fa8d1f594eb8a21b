#include "replay/replay.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/program.h"
#include "screen_model/scripted_platform.h"
#include "settings/settings_path.h"
#include "test_forms.h"

namespace tv {
namespace {

using nlohmann::json;
using test::EventLog;
using test::TestForms;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

struct Result {
    int status = -1;
    std::vector<json> lines;
    std::string out;
    std::string err;
};

class ReplayTest : public ::testing::Test {
protected:
    ReplayTest() { options.mainForm = "Main"; }

    Result run(const std::string& script)
    {
        std::istringstream in(script);
        std::ostringstream out;
        std::ostringstream err;
        Result r;
        r.status = runScript(program, platform, in, out, err, options);
        r.out = out.str();
        r.err = err.str();
        std::istringstream lines(r.out);
        for (std::string line; std::getline(lines, line);) r.lines.push_back(json::parse(line));
        return r;
    }

    ScriptedPlatform platform;
    Program program{platform};
    EventLog log;
    TestForms forms{program.app(), log};
    ReplayOptions options;
};

json ignoredLine(const std::string& name, const std::string& why)
{
    return {{"ignored", name}, {"why", why}};
}

// ---- type --------------------------------------------------------------------------------------

TEST_F(ReplayTest, TypeFocusesChangesOnceAndLeaves)
{
    log.clear();
    Result r = run("type fp_Amt 1234.5\nprint fp_Amt focus\n");
    EXPECT_EQ(r.status, kReplayOk);
    EXPECT_THAT(log, ElementsAre("fp_Amt_GotFocus", "fp_Amt_Change", "fp_Amt_LostFocus"));
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0]["text"], "1234.5");
    EXPECT_EQ(r.lines[0]["display"], "$1,234.50");
    EXPECT_EQ(r.lines[0]["format"], "$#,##0.00;($#,##0.00)");
    EXPECT_EQ(r.lines[1], json({{"focus", nullptr}}));
}

TEST_F(ReplayTest, TypeOfTheSameTextStillFiresChangeOnce)
{
    forms.main.box("fp_Amt").setText("5");
    log.clear();
    run("type fp_Amt 5\n");
    EXPECT_THAT(log, ElementsAre("fp_Amt_GotFocus", "fp_Amt_Change", "fp_Amt_LostFocus"));
}

TEST_F(ReplayTest, TypedTextIsEverythingAfterTheSingleBlankWithTrailingBlanksKept)
{
    run("type fp_Amt  12  \n");
    EXPECT_EQ(forms.main.box("fp_Amt").text(), " 12  ");
    run("type fp_Amt\n");
    EXPECT_EQ(forms.main.box("fp_Amt").text(), "");
    run("type fp_Amt 9\r\n");  // a CRLF script
    EXPECT_EQ(forms.main.box("fp_Amt").text(), "9");
    run("type fp_Amt \n");
    EXPECT_EQ(forms.main.box("fp_Amt").text(), "");
}

TEST_F(ReplayTest, TypeIntoALockedBoxOnlyMovesTheFocus)
{
    log.clear();
    run("type fp_Locked 99\n");
    EXPECT_EQ(forms.main.box("fp_Locked").text(), "7");
    EXPECT_THAT(log, ElementsAre("fp_Locked_GotFocus", "fp_Locked_LostFocus"));
}

TEST_F(ReplayTest, TypeIntoATextArea)
{
    run("type txtNotes two words\n");
    EXPECT_EQ(forms.main.textArea("txtNotes").text(), "two words");
}

TEST_F(ReplayTest, UnusableControlsAreIgnoredWithTheReason)
{
    log.clear();
    Result r =
        run("type fp_Hidden 1\n"
            "type fp_Off 1\n"
            "click opt_C\n"
            "click Second.lbl_Only2\n"
            "type Main.fp_Off 2\n");
    EXPECT_EQ(r.status, kReplayOk);
    EXPECT_THAT(r.lines, ElementsAre(ignoredLine("fp_Hidden", "hidden"), ignoredLine("fp_Off", "disabled"),
                                     ignoredLine("opt_C", "hidden"), ignoredLine("Second.lbl_Only2", "not loaded"),
                                     ignoredLine("Main.fp_Off", "disabled")));
    EXPECT_TRUE(log.empty());
}

TEST_F(ReplayTest, AControlOfAHiddenFormIsHidden)
{
    forms.second.show();
    forms.second.hide();
    Result r = run("click lbl_Only2\n");
    EXPECT_THAT(r.lines, ElementsAre(ignoredLine("lbl_Only2", "hidden")));
}

TEST_F(ReplayTest, AControlOfAFormThatIsNotLoadedIsIgnoredByBareNameToo)
{
    Result r = run("click lbl_Only2\nprint lbl_Only2\nprint Second.lbl_Only2\n");
    EXPECT_EQ(r.status, kReplayOk);
    EXPECT_THAT(r.lines, ElementsAre(ignoredLine("lbl_Only2", "not loaded"), ignoredLine("lbl_Only2", "not loaded"),
                                     ignoredLine("Second.lbl_Only2", "not loaded")));
}

TEST_F(ReplayTest, EveryFormOfTheProgramIsKnownByName)
{
    for (const std::string& name : Program::formNames()) {
        Result r = run("print " + name + "\n");
        EXPECT_EQ(r.status, kReplayOk) << name << r.err;
        ASSERT_EQ(r.lines.size(), 1u) << name;
        EXPECT_EQ(r.lines[0]["name"], name);
        EXPECT_EQ(r.lines[0]["kind"], "form");
    }
}

// ---- pick, click, menu, tool, cell, focus, close -------------------------------------------

TEST_F(ReplayTest, PickChoosesAnEntryAndFiresClick)
{
    log.clear();
    Result r = run("pick comRate 2\nprint comRate\n");
    EXPECT_THAT(log, ElementsAre("comRate_Click"));
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.lines[0]["index"], 2);
    EXPECT_EQ(r.lines[0]["text"], "7.250");
    EXPECT_EQ(r.lines[0]["count"], 3);
}

TEST_F(ReplayTest, PickOfAnEntryTheListDoesNotHaveIsAScriptError)
{
    Result r = run("pick comRate 1\npick comRate 3\npick comRate 0\n");
    EXPECT_EQ(r.status, kReplayScriptError);
    EXPECT_THAT(r.err, HasSubstr("line 2:"));
    EXPECT_EQ(forms.main.combo("comRate").listIndex(), 1);  // the line after the error did not run
}

TEST_F(ReplayTest, ClickingTheSelectedOptionAgainFiresClick)
{
    log.clear();
    Result r = run("click opt_A\nclick opt_A\nclick opt_B\nprint opt_A opt_B\n");
    EXPECT_THAT(log, ElementsAre("opt_A_Click", "opt_A_Click", "opt_B_Click"));
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0]["value"], false);
    EXPECT_EQ(r.lines[1]["value"], true);
    EXPECT_EQ(r.lines[1]["caption"], "B");
}

TEST_F(ReplayTest, ClickTogglesACheckBoxAndClicksButtonsLabelsAndPictures)
{
    log.clear();
    Result r = run("click chk_X\nprint chk_X\nclick chk_X\nclick lbl_After\nclick pic_1\nclick frm_Opt\n");
    EXPECT_EQ(r.lines[0]["value"], 1);
    EXPECT_EQ(forms.main.check("chk_X").value(), 0);
    EXPECT_THAT(log, ElementsAre("chk_X_Click", "chk_X_Click", "lbl_After_Click", "pic_1_Click", "frm_Opt_Click"));
}

TEST_F(ReplayTest, ClickOnABoxListOrGridIsAScriptError)
{
    for (const char* name : {"fp_Amt", "comRate", "grd", "Toolbar1", "txtNotes", "lin_1", "mnuOpen"}) {
        Result r = run(std::string("click ") + name + "\n");
        EXPECT_EQ(r.status, kReplayScriptError) << name;
    }
}

TEST_F(ReplayTest, MenuChoosesItemsAndArrayMembers)
{
    log.clear();
    Result r = run("menu mnuOpen\nmenu mnuLen(1)\nmenu Main.mnuLen(0)\nprint mnuLen(0) mnuLen(1)\n");
    EXPECT_EQ(r.status, kReplayOk);
    EXPECT_THAT(log, ElementsAre("mnuOpen_Click", "mnuLen_Click:1", "mnuLen_Click:0"));
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0], json({{"name", "mnuLen(0)"},
                                {"kind", "menu"},
                                {"visible", true},
                                {"enabled", true},
                                {"caption", "Years"},
                                {"checked", true}}));
    EXPECT_EQ(r.lines[1]["checked"], false);
}

TEST_F(ReplayTest, MenusThatCannotBeChosenAreIgnored)
{
    log.clear();
    Result r = run("menu mnuOff\nmenu mnuHid\nmenu mnuUnder\nmenu mnuSep\n");
    EXPECT_EQ(r.status, kReplayOk);
    EXPECT_THAT(r.lines, ElementsAre(ignoredLine("mnuOff", "disabled"), ignoredLine("mnuHid", "hidden"),
                                     ignoredLine("mnuUnder", "hidden"), ignoredLine("mnuSep", "disabled")));
    EXPECT_TRUE(log.empty());
}

TEST_F(ReplayTest, MenuArrayMembersNeedTheirIndex)
{
    EXPECT_EQ(run("menu mnuLen\n").status, kReplayScriptError);
    EXPECT_EQ(run("menu mnuLen(2)\n").status, kReplayScriptError);
    EXPECT_EQ(run("menu fp_Amt\n").status, kReplayScriptError);
}

TEST_F(ReplayTest, ToolClicksButtonsAndDropDownItems)
{
    log.clear();
    Result r = run("tool 1\ntool 2\ntool 3 1\nprint Toolbar1(1) Toolbar1\n");
    EXPECT_EQ(r.status, kReplayOk);
    // The separator does nothing.
    EXPECT_THAT(log, ElementsAre("Toolbar1_ButtonClick:1", "Toolbar1_ButtonMenuClick:3:1"));
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0], json({{"name", "Toolbar1(1)"},
                                {"kind", "toolbutton"},
                                {"visible", true},
                                {"enabled", true},
                                {"pressed", false},
                                {"image", 1}}));
    EXPECT_EQ(r.lines[1]["count"], 5);
}

TEST_F(ReplayTest, ToolButtonsAndItemsThatCannotBeUsedAreIgnored)
{
    log.clear();
    Result r = run("tool 4\ntool 5\ntool 3 2\ntool 3 3\n");
    EXPECT_EQ(r.status, kReplayOk);
    EXPECT_THAT(r.lines, ElementsAre(ignoredLine("Toolbar1(4)", "disabled"), ignoredLine("Toolbar1(5)", "hidden"),
                                     ignoredLine("Toolbar1(3)", "disabled"), ignoredLine("Toolbar1(3)", "hidden")));
    EXPECT_TRUE(log.empty());
}

TEST_F(ReplayTest, ToolButtonsAndItemsThatDoNotExistAreScriptErrors)
{
    for (const char* line : {"tool 0", "tool 6", "tool 3 0", "tool 3 4", "tool 1 1", "tool x", "tool 1 y", "tool"})
        EXPECT_EQ(run(std::string(line) + "\n").status, kReplayScriptError) << line;
}

TEST_F(ReplayTest, CellClicksMoveTheCurrentCell)
{
    log.clear();
    Result r = run("cell grd 2 1\ndblclick grd 1 2\nprint grd\n");
    EXPECT_THAT(log, ElementsAre("grd_Click", "grd_Click", "grd_DblClick"));
    ASSERT_EQ(r.lines.size(), 1u);
    const json& g = r.lines[0];
    EXPECT_EQ(g["rows"], 4);
    EXPECT_EQ(g["cols"], 3);
    EXPECT_EQ(g["row"], 1);
    EXPECT_EQ(g["col"], 2);
    EXPECT_EQ(g["cells"][1], json({"1", "a", ""}));
    EXPECT_EQ(g["cells"][0][1], "Rate");
    EXPECT_EQ(g["rowHeights"], json({240, 240, 240, 240}));
    EXPECT_EQ(g["colWidths"], json({960, 960, 960}));
    EXPECT_EQ(g["scrollBars"], "both");
    EXPECT_EQ(g["topRow"], 1);
    EXPECT_EQ(g["leftCol"], 1);
}

TEST_F(ReplayTest, FixedAndOutOfRangeCellsAreNotCells)
{
    log.clear();
    Result r = run("cell grd 0 1\ncell grd 1 0\ndblclick grd 4 1\ncell grd 1 3\n");
    EXPECT_EQ(r.status, kReplayOk);
    EXPECT_THAT(r.lines, ElementsAre(ignoredLine("grd", "not a cell"), ignoredLine("grd", "not a cell"),
                                     ignoredLine("grd", "not a cell"), ignoredLine("grd", "not a cell")));
    EXPECT_TRUE(log.empty());
}

TEST_F(ReplayTest, FocusMovesTheFocus)
{
    log.clear();
    Result r = run("focus fp_Amt\nfocus comRate\nprint focus\n");
    EXPECT_THAT(log, ElementsAre("fp_Amt_GotFocus", "fp_Amt_LostFocus", "comRate_GotFocus"));
    EXPECT_THAT(r.lines, ElementsAre(json({{"focus", "comRate"}})));
    EXPECT_EQ(run("focus lbl_After\n").status, kReplayScriptError);
    EXPECT_THAT(run("focus fp_Off\n").lines, ElementsAre(ignoredLine("fp_Off", "disabled")));
}

TEST_F(ReplayTest, CloseUnloadsAWindowUnlessItRefuses)
{
    forms.second.show();
    forms.second.refuseUnload = true;
    log.clear();
    run("close Second\n");
    EXPECT_TRUE(forms.second.loaded());
    forms.second.refuseUnload = false;
    Result r = run("close Second\nclose Second\nprint Second\n");
    EXPECT_FALSE(forms.second.loaded());
    EXPECT_THAT(log, ElementsAre("Second_Unload", "Second_Unload"));
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0], ignoredLine("Second", "not loaded"));
    EXPECT_EQ(r.lines[1]["loaded"], false);
    EXPECT_EQ(run("close fp_Amt\n").status, kReplayScriptError);
}

// ---- modal forms ---------------------------------------------------------------------------

TEST_F(ReplayTest, LinesAfterAModalShowRunInsideTheModalForm)
{
    log.clear();
    Result r =
        run("click btn_Dialog\n"
            "print lbl_Shared\n"
            "type txtValue 5\n"
            "click Main.btn_Note\n"
            "print Main.lbl_After Dialog\n"
            "click btnOK\n"
            "print lbl_After lbl_Shared\n");
    EXPECT_EQ(r.status, kReplayOk) << r.err;
    ASSERT_EQ(r.lines.size(), 6u);
    EXPECT_EQ(r.lines[0]["caption"], "dialog label");                 // the bare name is found in the topmost form
    EXPECT_EQ(r.lines[1], ignoredLine("Main.btn_Note", "disabled"));  // the modal form blocks the others
    EXPECT_EQ(r.lines[2]["caption"], "");                             // the opening command has not completed
    EXPECT_EQ(r.lines[3]["modal"], true);
    EXPECT_EQ(r.lines[4]["caption"], "back");
    EXPECT_EQ(r.lines[5]["caption"], "main label");
    EXPECT_THAT(log, ElementsAre("dialog opens", "Dialog_Load", "txtValue_GotFocus", "txtValue_Change",
                                 "txtValue_LostFocus", "btnOK_Click", "Dialog_Unload", "dialog returned"));
}

TEST_F(ReplayTest, ModalFormsNest)
{
    log.clear();
    Result r =
        run("click btn_Dialog\n"
            "click btnInner\n"
            "click btnOK\n"  // the dialog is blocked by the inner form
            "click btnClose\n"
            "click btnOK\n"
            "print Dialog Inner\n");
    EXPECT_EQ(r.status, kReplayOk) << r.err;
    ASSERT_EQ(r.lines.size(), 3u);
    EXPECT_EQ(r.lines[0], ignoredLine("btnOK", "disabled"));
    EXPECT_EQ(r.lines[1]["loaded"], false);
    EXPECT_EQ(r.lines[2]["loaded"], false);
    EXPECT_THAT(log, ElementsAre("dialog opens", "Dialog_Load", "btnInner_Click", "Inner_Load", "btnClose_Click",
                                 "Inner_Unload", "inner returned", "btnOK_Click", "Dialog_Unload", "dialog returned"));
}

TEST_F(ReplayTest, AModalFormThatHidesEndsItsLoop)
{
    Result r = run("click btn_Dialog\nclick btnHide\nprint lbl_After Dialog\n");
    EXPECT_EQ(r.status, kReplayOk);
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0]["caption"], "back");
    EXPECT_EQ(r.lines[1]["loaded"], true);
    EXPECT_EQ(r.lines[1]["visible"], false);
}

TEST_F(ReplayTest, AModalFormThatRefusesToCloseKeepsRunningTheScript)
{
    forms.dialog.refuseUnload = true;
    Result r = run("click btn_Dialog\nclose Dialog\nprint lbl_After\n");
    EXPECT_EQ(r.status, kReplayOk);
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.lines[0]["caption"], "");  // still inside the dialog when the script ended
    EXPECT_TRUE(forms.dialog.loaded());
}

TEST_F(ReplayTest, AScriptThatEndsInsideAModalFormFinishes)
{
    log.clear();
    Result r = run("click btn_Dialog\n");
    EXPECT_EQ(r.status, kReplayOk);
    EXPECT_THAT(log, ElementsAre("dialog opens", "Dialog_Load", "dialog returned"));
}

TEST_F(ReplayTest, AScriptErrorInsideAModalFormStopsEverything)
{
    Result r = run("click btn_Dialog\n\nnonsense here\nclick btnOK\n");
    EXPECT_EQ(r.status, kReplayScriptError);
    EXPECT_THAT(r.err, HasSubstr("line 3:"));
    EXPECT_TRUE(forms.dialog.loaded());  // "click btnOK" never ran
    EXPECT_TRUE(r.lines.empty());
}

// ---- answers and records -------------------------------------------------------------------

TEST_F(ReplayTest, YesNoBoxesTakeQueuedAnswersAndOtherwiseNo)
{
    log.clear();
    Result r = run("answer yes no\nclick btn_Ask\nclick btn_Ask\nclick btn_Ask\n");
    EXPECT_THAT(log, ElementsAre("answer:6", "answer:7", "answer:7"));
    ASSERT_EQ(r.lines.size(), 3u);
    EXPECT_EQ(r.lines[0], json({{"message", "Go on?"},
                                {"title", "input Error"},
                                {"buttons", "yesno"},
                                {"icon", "question"},
                                {"answer", 6}}));
    EXPECT_EQ(r.lines[1]["answer"], 7);
    EXPECT_EQ(r.lines[2]["answer"], 7);
}

TEST_F(ReplayTest, OkBoxesUseNoQueuedAnswer)
{
    log.clear();
    Result r = run("answer ok yes\nclick btn_Note\nclick btn_Ask\n");
    EXPECT_THAT(log, ElementsAre("answer:1", "answer:6"));
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(
        r.lines[0],
        json(
            {{"message", "Noted."}, {"title", "Tarvolin"}, {"buttons", "ok"}, {"icon", "information"}, {"answer", 1}}));
    EXPECT_EQ(platform.queuedAnswers(), 0u);
}

TEST_F(ReplayTest, AnswerWordsAreChecked)
{
    EXPECT_EQ(run("answer\n").status, kReplayScriptError);
    EXPECT_EQ(run("answer maybe\n").status, kReplayScriptError);
    EXPECT_EQ(run("answer Yes\n").status, kReplayScriptError);
}

TEST_F(ReplayTest, WhatTheProgramDoesOutsideIsPrintedAsItHappens)
{
    Result r = run("click btn_Out\nprint clipboard\n");
    EXPECT_THAT(r.lines,
                ElementsAre(json({{"printed", "printed text"}}), json({{"help", "Mervane.hlp"}, {"command", 3}}),
                            json({{"started", "Calc.exe"}, {"style", 1}}), json({{"clipboard", "a\tb\r\n"}})));
}

TEST_F(ReplayTest, EndedStopsTheScript)
{
    log.clear();
    Result r = run("click btn_End\nclick btn_Note\nnonsense\n");
    EXPECT_EQ(r.status, kReplayOk);
    EXPECT_THAT(r.lines, ElementsAre(json({{"ended", true}})));
    EXPECT_TRUE(log.empty());
}

TEST_F(ReplayTest, EndedInsideAModalFormStopsTheScript)
{
    forms.dialog.bind("btnOK_Click", [this] { program.app().end(); });
    Result r = run("click btn_Dialog\nclick btnOK\nprint lbl_After\n");
    EXPECT_EQ(r.status, kReplayOk);
    EXPECT_THAT(r.lines, ElementsAre(json({{"ended", true}})));
}

// ---- print ---------------------------------------------------------------------------------

TEST_F(ReplayTest, PrintShowsEveryKindWithItsFields)
{
    Result r = run("print fp_Amt chk_X comRate txtNotes lin_1 pic_1 frm_Opt btn_Ask lbl_After Main\n");
    ASSERT_EQ(r.lines.size(), 10u);
    auto keys = [](const json& j) {
        std::vector<std::string> k;
        for (const auto& [key, value] : j.items()) k.push_back(key);
        std::sort(k.begin(), k.end());
        return k;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(keys(r.lines[0]), (V{"back", "display", "enabled", "fore", "format", "kind", "name", "text", "visible"}));
    EXPECT_EQ(keys(r.lines[1]), (V{"back", "caption", "enabled", "fore", "kind", "name", "value", "visible"}));
    EXPECT_EQ(keys(r.lines[2]), (V{"back", "count", "enabled", "fore", "index", "kind", "name", "text", "visible"}));
    EXPECT_EQ(keys(r.lines[3]), (V{"back", "enabled", "fore", "kind", "name", "text", "visible"}));
    EXPECT_EQ(keys(r.lines[4]), (V{"back", "enabled", "fore", "kind", "name", "visible"}));
    EXPECT_EQ(keys(r.lines[5]), (V{"back", "enabled", "fore", "kind", "name", "visible"}));
    EXPECT_EQ(keys(r.lines[6]), (V{"back", "caption", "enabled", "fore", "kind", "name", "visible"}));
    EXPECT_EQ(r.lines[7]["kind"], "button");
    EXPECT_EQ(r.lines[8]["kind"], "label");
    EXPECT_EQ(r.lines[0]["back"], 0x80000005u);  // the window background system colour
    EXPECT_EQ(r.lines[9], json({{"name", "Main"},
                                {"kind", "form"},
                                {"visible", true},
                                {"enabled", true},
                                {"caption", "Test main"},
                                {"loaded", true},
                                {"modal", false},
                                {"left", 1000},
                                {"top", 800},
                                {"width", 7000},
                                {"height", 6000},
                                {"back", 0x8000000Fu}}));
}

TEST_F(ReplayTest, PrintWorksOnHiddenAndDisabledControls)
{
    Result r = run("print fp_Hidden fp_Off opt_C\n");
    ASSERT_EQ(r.lines.size(), 3u);
    EXPECT_EQ(r.lines[0]["visible"], false);
    EXPECT_EQ(r.lines[1]["enabled"], false);
    EXPECT_EQ(r.lines[2]["name"], "opt_C");
}

TEST_F(ReplayTest, PrintState)
{
    Result r = run("print state\n");
    ASSERT_EQ(r.lines.size(), 1u);
    const json& s = r.lines[0]["state"];
    for (const char* key : {"durYears", "intRate", "instPerYear", "valPayment", "valXpay", "valXpayStrt", "valHiPayoff",
                            "valTotIntwX", "valTotPaywX", "valLstPay", "inputCheckOn", "invGroup", "rateGroup",
                            "viewSwitchCount", "msgAnswer", "amtTransfer"})
        EXPECT_TRUE(s.contains(key)) << key;
    EXPECT_EQ(s.size(), 16u);
    EXPECT_TRUE(s["inputCheckOn"].is_boolean());
    EXPECT_TRUE(s["amtTransfer"].is_boolean());
    EXPECT_TRUE(s["durYears"].is_number());
}

TEST_F(ReplayTest, PrintColorsPointerAndFocus)
{
    program.module1().colors.gLoanTxtColor = rgb(0, 0, 255);
    program.app().setPointer(Pointer::Hourglass);
    Result r = run("print colors pointer\n");
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0]["colors"]["gLoanTxtColor"], 16711680);
    EXPECT_EQ(r.lines[0]["colors"].size(), program.module1().colors.slotList().size());
    EXPECT_EQ(r.lines[1], json({{"pointer", "hourglass"}}));
}

// Runs the test in a fresh empty folder and returns to the previous one afterwards.
class InTempDir {
public:
    InTempDir()
        : m_old(std::filesystem::current_path()),
          m_dir(std::filesystem::temp_directory_path() /
                ("tarvolin-replay-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        std::filesystem::current_path(m_dir);
    }
    ~InTempDir()
    {
        std::filesystem::current_path(m_old);
        std::filesystem::remove_all(m_dir);
    }

private:
    std::filesystem::path m_old;
    std::filesystem::path m_dir;
};

TEST_F(ReplayTest, PrintIniShowsTheSettingsFileOrNull)
{
    InTempDir dir;
    EXPECT_EQ(run("print ini\n").lines.at(0), json({{"ini", nullptr}}));
    std::ofstream(kSettingsFileName) << "[TarvolinDefaults]\r\nLoanAmount=5\r\n";
    EXPECT_EQ(run("print ini\n").lines.at(0), json({{"ini", "[TarvolinDefaults]\r\nLoanAmount=5\r\n"}}));
}

// A settings file that is not on the disk (a fuzz target's, a test's) is the one `print ini` shows.
TEST_F(ReplayTest, PrintIniReadsThroughTheProgramsFileLayer)
{
    struct OneFile : FileSystem {
        std::optional<std::string> read(const std::string& path) override
        {
            if (path == kSettingsFileName) return std::string("[TarvolinDefaults]\r\nMenuStart=2\r\n");
            return std::nullopt;
        }
        bool replace(const std::string&, const std::string&) override { return false; }
        bool exists(const std::string& path) override { return path == kSettingsFileName; }
    } memory;
    program.setFileSystem(memory);
    EXPECT_EQ(run("print ini\n").lines.at(0), json({{"ini", "[TarvolinDefaults]\r\nMenuStart=2\r\n"}}));
    program.setFileSystem(FileSystem::disk());
}

TEST_F(ReplayTest, PrintOfSeveralNamesPrintsEachOnItsOwnLine)
{
    Result r = run("print   fp_Amt\tchk_X  \n");
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[1]["name"], "chk_X");
    EXPECT_EQ(run("print\n").status, kReplayScriptError);
}

// ---- expect --------------------------------------------------------------------------------

TEST_F(ReplayTest, ExpectThatHoldsPrintsNothing)
{
    forms.main.box("fp_Amt").setText("30");
    Result r =
        run("expect fp_Amt text 30\n"
            "expect fp_Amt display $30.00\n"
            "expect comRate index -1\n"
            "expect comRate count 3.0\n"
            "expect fp_Amt visible true\n"
            "expect grd cells/1/1 a\n"
            "expect grd colWidths [960, 960, 960]\n"
            "expect Main loaded true\n"
            "expect state inputCheckOn false\n"
            "expect colors gLoanTxtColor 0\n"
            "expect focus focus null\n"
            "expect pointer pointer default\n"
            "expect lbl_After caption \n");
    EXPECT_EQ(r.status, kReplayOk) << r.out << r.err;
    EXPECT_TRUE(r.lines.empty());
}

TEST_F(ReplayTest, ExpectMismatchIsReportedAndTheScriptGoesOn)
{
    Result r = run("expect fp_Amt text 12 \nexpect comRate index 2\nexpect comRate index two\nprint chk_X\n");
    EXPECT_EQ(r.status, kReplayExpectFailed);
    ASSERT_EQ(r.lines.size(), 4u);
    EXPECT_EQ(r.lines[0],
              json({{"expect_failed", {{"name", "fp_Amt"}, {"field", "text"}, {"want", "12 "}, {"got", ""}}}}));
    EXPECT_EQ(r.lines[1],
              json({{"expect_failed", {{"name", "comRate"}, {"field", "index"}, {"want", 2}, {"got", -1}}}}));
    EXPECT_EQ(r.lines[2]["expect_failed"]["want"], "two");
    EXPECT_EQ(r.lines[3]["name"], "chk_X");
}

TEST_F(ReplayTest, ExpectOnAnUnknownFieldIsAScriptError)
{
    Result r = run("expect fp_Amt txt 1\n");
    EXPECT_EQ(r.status, kReplayScriptError);
    EXPECT_THAT(r.err, HasSubstr("line 1:"));
    EXPECT_EQ(run("expect fp_Amt\n").status, kReplayScriptError);
    EXPECT_EQ(run("expect grd cells/9/9 x\n").status, kReplayScriptError);
}

TEST_F(ReplayTest, ExpectOnAControlOfAFormThatIsNotLoadedFails)
{
    Result r = run("expect Second.lbl_Only2 caption second\n");
    EXPECT_EQ(r.status, kReplayExpectFailed);
    EXPECT_THAT(r.lines, ElementsAre(ignoredLine("Second.lbl_Only2", "not loaded")));
}

TEST_F(ReplayTest, ScriptErrorOutranksAFailedExpect)
{
    Result r = run("expect fp_Amt text x\nbogus\n");
    EXPECT_EQ(r.status, kReplayScriptError);
}

// ---- script errors and odd text ------------------------------------------------------------

TEST_F(ReplayTest, ScriptErrorsNameTheLineAndStopTheScript)
{
    struct Case {
        const char* line;
        const char* says;
    };
    const Case cases[] = {
        {"frobnicate fp_Amt", "unknown command"},
        {"click zzNoSuchControl", "unknown name"},
        {"click Nowhere.btn_Ask", "no form"},
        {"click Main.zzNothing", "Main has no"},
        {"click Main.", "malformed"},
        {"click .btn_Ask", "malformed"},
        {"click btn_Ask(", "malformed"},
        {"click btn_Ask)", "malformed"},
        {"menu mnuLen(-1)", "malformed"},
        {"menu mnuLen(99999999999999999999)", "malformed"},
        {"click", "missing"},
        {"click btn_Ask extra", "unexpected"},
        {"pick comRate", "missing"},
        {"pick comRate -1", "whole number"},
        {"pick comRate 1.5", "whole number"},
        {"cell grd 1", "missing"},
        {"cell fp_Amt 1 1", "not a grid"},
        {"pick fp_Amt 0", "cannot pick"},
        {"type comRate 5", "cannot type"},
        {"TYPE fp_Amt 5", "unknown command"},
    };
    for (const Case& c : cases) {
        Result r = run("# a comment\n\nprint chk_X\n" + std::string(c.line) + "\nprint chk_X\n");
        EXPECT_EQ(r.status, kReplayScriptError) << c.line;
        EXPECT_THAT(r.err, HasSubstr("line 4: ")) << c.line;
        EXPECT_THAT(r.err, HasSubstr(c.says)) << c.line << " said: " << r.err;
        EXPECT_EQ(r.lines.size(), 1u) << c.line;
    }
}

TEST_F(ReplayTest, BlankLinesCommentsAndOddWhitespaceAreFine)
{
    Result r = run("\n   \n\t\n# comment\n   # indented comment\n\r\n  \tclick\t chk_X \t\nprint chk_X");
    EXPECT_EQ(r.status, kReplayOk) << r.err;
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.lines[0]["value"], 1);
}

TEST_F(ReplayTest, LongLinesAndBytesThatAreNotTextDoNotBreakTheDriver)
{
    std::string longText(200000, 'x');
    std::string junk = "\xff\xfe\x80 \x01\x02";
    junk += '\0';
    junk += "z";
    Result r = run("type fp_Amt " + longText + "\nprint fp_Amt\ntype fp_Amt " + junk + "\nprint fp_Amt\n" +
                   std::string(100000, '(') + "\nprint chk_X\n");
    EXPECT_EQ(r.status, kReplayScriptError);
    EXPECT_THAT(r.err, HasSubstr("line 5:"));
    ASSERT_EQ(r.lines.size(), 3u);
    // A box holds at most 32 characters: the long text is refused with a message and the box keeps its text.
    EXPECT_EQ(r.lines[0]["message"], "Input too long - a box holds at most 32 characters");
    EXPECT_EQ(r.lines[1]["text"], "");
    EXPECT_EQ(forms.main.box("fp_Amt").text(), junk);
    EXPECT_LT(r.err.size(), 200u);  // the message does not repeat the whole line
}

TEST_F(ReplayTest, RandomLinesNeverCrash)
{
    // A fixed-seed stream of lines built from the driver's own words and names.
    const char* const words[] = {"type",  "pick",   "click", "menu",   "tool",   "cell",    "dblclick", "focus",
                                 "close", "answer", "print", "expect", "fp_Amt", "comRate", "grd",      "btn_Dialog",
                                 "btnOK", "Main.",  "(",     ")",      "1",      "-1",      "0",        "yes",
                                 "state", "Dialog", "\t",    " ",      "#"};
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    for (int script = 0; script < 200; ++script) {
        std::string text;
        for (int line = 0; line < 8; ++line) {
            int n = static_cast<int>(next() % 5);
            for (int w = 0; w < n; ++w) text += std::string(words[next() % std::size(words)]) + (next() % 3 ? " " : "");
            text += "\n";
        }
        Result r = run(text);
        EXPECT_TRUE(r.status == kReplayOk || r.status == kReplayScriptError || r.status == kReplayExpectFailed) << text;
        forms.dialog.unload();
        forms.inner.unload();
    }
}

// ---- extra commands and the whole program --------------------------------------------------

TEST_F(ReplayTest, ExtraCommandsGetTheRestOfTheLine)
{
    std::vector<std::string> seen;
    options.extraCommands["snap"] = [&seen](Program&, const std::string& args, std::string& error) {
        seen.push_back(args);
        if (args == "bad") {
            error = "no good";
            return false;
        }
        return true;
    };
    Result r = run("snap  main view\nsnap bad\nsnap never\n");
    EXPECT_THAT(seen, ElementsAre("main view", "bad"));
    EXPECT_EQ(r.status, kReplayScriptError);
    EXPECT_THAT(r.err, HasSubstr("line 2: snap: no good"));
}

TEST_F(ReplayTest, AProgramFaultStopsWithItsOwnStatus)
{
    forms.main.bind("btn_Note_Click", [] { throw std::runtime_error("broken handler"); });
    Result r = run("click btn_Note\nclick chk_X\n");
    EXPECT_EQ(r.status, kReplayProgramFault);
    EXPECT_THAT(r.err, HasSubstr("line 1: the program failed: broken handler"));
    EXPECT_EQ(forms.main.check("chk_X").value(), 0);
}

TEST_F(ReplayTest, TheDriverLeavesThePlatformAsItFoundIt)
{
    run("print state\n");
    forms.dialog.show(true);  // no modal loop any more: returns at once
    EXPECT_TRUE(forms.dialog.loaded());
    platform.messageBox("after", "t", MsgButtons::Ok, MsgIcon::None);  // no listener: nothing printed
}

TEST(ProgramForms, EveryFormIsBuiltWithItsHandlersCheckedAgainstItsDeclarations)
{
    ScriptedPlatform platform;
    Program program(platform);  // a handler bound to a name its form does not declare throws here
    for (const std::string& name : Program::formNames()) EXPECT_NE(program.app().findForm(name), nullptr) << name;
}

TEST(RunReplay, StartsTheProgramThenRunsTheScript)
{
    InTempDir dir;
    bool started = false;
    bool mainWasLoadedAtStart = true;
    ReplayOptions options;
    options.onStart = [&](Program& program) {
        started = true;
        mainWasLoadedAtStart = program.app().findForm("Mervane")->loaded();
    };
    options.extraCommands["loaded"] = [](Program& program, const std::string& args, std::string& error) {
        Form* f = program.app().findForm(args);
        if (f && f->loaded()) return true;
        error = args + " is not loaded";
        return false;
    };
    std::istringstream in("loaded Mervane\nprint Mervane\n");
    std::ostringstream out;
    std::ostringstream err;
    int status = runReplay(in, out, err, options);
    EXPECT_EQ(status, kReplayOk) << err.str();
    EXPECT_TRUE(started);
    EXPECT_FALSE(mainWasLoadedAtStart);
    std::istringstream lines(out.str());
    std::string last;
    for (std::string line; std::getline(lines, line);) last = line;
    json j = json::parse(last);
    EXPECT_EQ(j["name"], "Mervane");
    EXPECT_EQ(j["loaded"], true);
}

}  // namespace
}  // namespace tv
