// The settings editor (IniFile) and the colour-scheme screen (ColorFm), driven as a user drives them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/color_form.h"
#include "settings/colors.h"
#include "settings/ini_file_form.h"
#include "settings/profile.h"
#include "settings/save_failed.h"
#include "settings/schema.h"
#include "test_program.h"

namespace tv::test {
namespace {

constexpr const char* kIni = "Tarvolin.ini";

// What the editor writes when nothing in it was changed and the file was missing: the values the program
// starts with, so the next start is the same.
const char* const kEditorDefaultsText =
    "[TarvolinDefaults]\r\n"
    "LoanAmount=100000\r\n"
    "LoanInterest=64\r\n"
    "LoanDuration=15\r\n"
    "InvestBFamt1x=100000\r\n"
    "InvestBFamtMo=1000\r\n"
    "InvestBFamtYr=10000\r\n"
    "InvestBFduration=10\r\n"
    "InvestBFInt=80\r\n"
    "InvestAnnuityAmt=30000\r\n"
    "InvestAnnuityDuration=25\r\n"
    "InvestAnnuityInt=60\r\n"
    "MenuStart=1\r\n"
    "DurationType=2\r\n";

// A file layer that reads the disk but can be told to refuse every save, as a full disk does.
class RefusingFileSystem : public FileSystem {
public:
    std::optional<std::string> read(const std::string& path) override { return FileSystem::disk().read(path); }
    bool exists(const std::string& path) override { return FileSystem::disk().exists(path); }
    bool replace(const std::string&, const std::string&) override { return false; }
    SaveResult update(const std::string& path, const Edit& edit) override
    {
        ++attempts;
        return refuse ? SaveResult::refused(kFullDisk) : FileSystem::disk().update(path, edit);
    }
    static constexpr const char* kFullDisk = "writing failed (No space left on device)";
    bool refuse = true;
    int attempts = 0;
};

// The settings file the program uses: "Tarvolin.ini" in the test's folder when there is one, else the one in
// the per-user configuration folder, where a save without a file goes.
ProfileFile settingsOf(TestProgram& t)
{
    return ProfileFile(t.program->settingsPath());
}
std::string savedText(TestProgram& t)
{
    return FileSystem::disk().read(t.program->settingsPath()).value_or("");
}

Form& openEditor(TestProgram& t)
{
    t.m().menu("mnu_IniFileEd").userChoose();
    return t.program->iniFile();
}

Form& openColors(TestProgram& t)
{
    t.m().menu("mnu_SetColors").userChoose();
    return t.program->colorFm();
}

bool fileExists(TestProgram& t)
{
    return std::filesystem::exists(t.cwd.path() / kIni) || std::filesystem::exists(t.cwd.configFile());
}

// ---- the settings editor ----------------------------------------------------------------------------

// The editor showing the values the program starts with when the file holds none.
void expectStartUpValues(Form& ed)
{
    const std::pair<const char*, const char*> shown[] = {
        {"txt_LnAmt", "$100,000.00"},
        {"txt_LnDur", "15"},
        {"combo_LnInt", "8.000"},
        {"txt_BF1xAmt", "$100,000.00"},
        {"txt_BFmoAmt", "$1,000.00"},
        {"txt_BFyrAmt", "$10,000.00"},
        {"txt_BFDur", "10"},
        {"combo_BFInt", "10.000"},
        {"txt_AnnuityAmt", "$30,000.00"},
        {"txt_AnnuityDur", "25"},
        {"combo_AnnuityInt", "7.500"},
    };
    for (auto [name, text] : shown) {
        Control& c = ed.control(name);
        EXPECT_EQ(c.kind() == Kind::ComboList ? ed.combo(name).text() : ed.box(name).display(), text) << name;
    }
    EXPECT_TRUE(ed.option("opt_loan").value());
    EXPECT_FALSE(ed.option("opt_invest").value());
    EXPECT_TRUE(ed.option("opt_year").value());
    EXPECT_FALSE(ed.option("opt_month").value());
}

TEST(IniFileEditor, WithoutAFileShowsTheValuesTheProgramStartsWith)
{
    TestProgram t;
    Form& ed = openEditor(t);
    ASSERT_TRUE(ed.loaded());
    EXPECT_TRUE(ed.visible());
    EXPECT_TRUE(ed.modal());
    EXPECT_EQ(ed.caption(), "Ini File Settings - Tarvolin");
    expectStartUpValues(ed);
    EXPECT_FALSE(fileExists(t)) << "opening writes nothing";
}

TEST(IniFileEditor, RestoreDefaultsShowsTheStartUpValuesAndWritesThemOnlyOnSave)
{
    const std::string before =
        "[TarvolinDefaults]\r\nLoanAmount=5\r\nLoanInterest=3\r\nInvestBFduration=2\r\nMenuStart=2\r\nDurationType="
        "1\r\n";
    TestProgram t = TestProgram::withSettings(before);
    Form& ed = openEditor(t);
    ed.box("txt_AnnuityDur").userType("7");
    ed.combo("combo_AnnuityInt").userPick(0);
    ed.button("btn_defaults").userClick();
    expectStartUpValues(ed);
    EXPECT_EQ(savedText(t), before);
    ed.button("btn_save").userClick();
    EXPECT_FALSE(ed.loaded());
    EXPECT_EQ(StartupDefaults::read(settingsOf(t)), StartupDefaults::fromSchema());
}

TEST(IniFileEditor, RateListsRunFromOneEighthTo25Percent)
{
    TestProgram t;
    Form& ed = openEditor(t);
    for (const char* name : {"combo_LnInt", "combo_BFInt", "combo_AnnuityInt"}) {
        const std::vector<std::string>& rates = ed.combo(name).items();
        ASSERT_EQ(rates.size(), 200u) << name;
        EXPECT_EQ(rates.front(), "0.125") << name;
        EXPECT_EQ(rates[63], "8.000") << name;
        EXPECT_EQ(rates.back(), "25.000") << name;
    }
}

TEST(IniFileEditor, SitsLeftOfAndBelowTheScreenCentre)
{
    TestProgram t;
    Form& ed = openEditor(t);
    ScreenSize screen = t.platform.screenSize();
    EXPECT_EQ(ed.left(), (screen.width - ed.width()) / 2 - 1300);
    EXPECT_EQ(ed.top(), (screen.height - ed.height()) / 2 + 250);
}

TEST(IniFileEditor, ToolbarButton11ShowsPressedWhileTheEditorIsOpen)
{
    TestProgram t;
    Toolbar& tb = t.m().toolbar("Toolbar1");
    EXPECT_FALSE(tb.button(11).pressed);
    Form& ed = openEditor(t);
    EXPECT_TRUE(tb.button(11).pressed);
    ed.userClose();
    EXPECT_FALSE(ed.loaded());
    EXPECT_FALSE(tb.button(11).pressed);
}

TEST(IniFileEditor, ToolbarButton11OpensIt)
{
    TestProgram t;
    t.m().toolbar("Toolbar1").userClickButton(11);
    EXPECT_TRUE(t.program->iniFile().loaded());
}

TEST(IniFileEditor, ModalShowReturnsOnceTheEditorIsClosedWithTheNormalPointer)
{
    TestProgram t;
    bool sawHourglassWhileOpen = true;
    t.platform.setModalLoop([&](Form& form) {
        EXPECT_EQ(form.name(), "IniFile");
        sawHourglassWhileOpen = t.program->app().pointer() == Pointer::Hourglass;
        form.button("btn_close").userClick();
    });
    t.m().mnu_IniFileEd_Click();
    EXPECT_FALSE(sawHourglassWhileOpen);
    EXPECT_FALSE(t.program->iniFile().loaded());
    EXPECT_EQ(t.program->app().pointer(), Pointer::Default);
}

TEST(IniFileEditor, WithoutAFileSavingWritesTheThirteenKeys)
{
    TestProgram t;
    Form& ed = openEditor(t);
    ed.button("btn_save").userClick();
    EXPECT_FALSE(ed.loaded());
    EXPECT_EQ(savedText(t), kEditorDefaultsText);
    EXPECT_TRUE(t.messages().empty());
}

TEST(IniFileEditor, ShowsTheFilesValues)
{
    TestProgram t = TestProgram::withSettings(
        "[TarvolinDefaults]\r\nLoanAmount=250000\r\nLoanDuration=30\r\n"
        "LoanInterest=64\r\nInvestBFamt1x=5000\r\nInvestBFamtMo=200\r\n"
        "InvestBFamtYr=2400\r\nInvestBFduration=12\r\nInvestBFInt=80\r\n"
        "InvestAnnuityAmt=300000\r\nInvestAnnuityDuration=20\r\n"
        "InvestAnnuityInt=60\r\nMenuStart=2\r\nDurationType=1\r\n");
    Form& ed = openEditor(t);
    EXPECT_EQ(ed.box("txt_LnAmt").text(), "250000");
    EXPECT_EQ(ed.box("txt_LnAmt").display(), "$250,000.00");
    EXPECT_EQ(ed.box("txt_LnDur").text(), "30");
    EXPECT_EQ(ed.combo("combo_LnInt").text(), "8.000");
    EXPECT_EQ(ed.box("txt_BF1xAmt").text(), "5000");
    EXPECT_EQ(ed.box("txt_BFmoAmt").text(), "200");
    EXPECT_EQ(ed.box("txt_BFyrAmt").text(), "2400");
    EXPECT_EQ(ed.box("txt_BFDur").text(), "12");
    EXPECT_EQ(ed.combo("combo_BFInt").text(), "10.000");
    EXPECT_EQ(ed.box("txt_AnnuityAmt").text(), "300000");
    EXPECT_EQ(ed.box("txt_AnnuityDur").text(), "20");
    EXPECT_EQ(ed.combo("combo_AnnuityInt").text(), "7.500");
    EXPECT_TRUE(ed.option("opt_invest").value());
    EXPECT_TRUE(ed.option("opt_month").value());
}

TEST(IniFileEditor, Interest64ShowsAs8AndIsWrittenBackAs64)
{
    TestProgram t = TestProgram::withSettings("[TarvolinDefaults]\r\nLoanInterest=64\r\n");
    Form& ed = openEditor(t);
    EXPECT_EQ(ed.combo("combo_LnInt").listIndex(), 63);
    EXPECT_EQ(ed.combo("combo_LnInt").text(), "8.000");
    ed.button("btn_save").userClick();
    ProfileFile ini = settingsOf(t);
    EXPECT_EQ(ini.readString(kIniSection, "LoanInterest"), "64");
    EXPECT_EQ(savedText(t).rfind("[TarvolinDefaults]\r\nLoanInterest=64\r\nLoanAmount=100000\r\n", 0), 0u)
        << "the existing key keeps its line, the others are added after it";
}

TEST(IniFileEditor, Interest0ChoosesNoEntryAndWrites0)
{
    TestProgram t = TestProgram::withSettings("[TarvolinDefaults]\r\nLoanInterest=0\r\n");
    Form& ed = openEditor(t);
    EXPECT_EQ(ed.combo("combo_LnInt").listIndex(), -1);
    EXPECT_EQ(ed.combo("combo_LnInt").text(), "");
    ed.button("btn_save").userClick();
    EXPECT_EQ(settingsOf(t).readString(kIniSection, "LoanInterest"), "0");
}

TEST(IniFileEditor, RateKeysOutsideTheListsChooseNoEntry)
{
    TestProgram t = TestProgram::withSettings(
        "[TarvolinDefaults]\r\nLoanInterest=201\r\nInvestBFInt=-2147483648\r\n"
        "InvestAnnuityInt=99999999999\r\n");
    Form& ed = openEditor(t);
    EXPECT_EQ(ed.combo("combo_LnInt").listIndex(), -1);
    EXPECT_EQ(ed.combo("combo_BFInt").listIndex(), -1);
    EXPECT_EQ(ed.combo("combo_AnnuityInt").listIndex(), -1);
    ed.combo("combo_BFInt").userPick(199);
    ed.button("btn_save").userClick();
    ProfileFile ini = settingsOf(t);
    EXPECT_EQ(ini.readString(kIniSection, "LoanInterest"), "0");
    EXPECT_EQ(ini.readString(kIniSection, "InvestBFInt"), "200");
    EXPECT_EQ(ini.readString(kIniSection, "InvestAnnuityInt"), "0");
}

TEST(IniFileEditor, StartViewAndDurationUnitFollowTheirKeys)
{
    struct Case {
        const char* text;
        bool loan;
        bool year;
    };
    const Case cases[] = {
        {"MenuStart=1\r\nDurationType=2", true, true},
        {"MenuStart=2\r\nDurationType=3", false, true},
        {"MenuStart=0\r\nDurationType=1", false, false},
        {"MenuStart=x\r\nDurationType=", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TestProgram t = TestProgram::withSettings(std::string("[TarvolinDefaults]\r\n") + c.text + "\r\n");
        Form& ed = openEditor(t);
        EXPECT_EQ(ed.option("opt_loan").value(), c.loan);
        EXPECT_EQ(ed.option("opt_invest").value(), !c.loan);
        EXPECT_EQ(ed.option("opt_year").value(), c.year);
        EXPECT_EQ(ed.option("opt_month").value(), !c.year);
    }
}

TEST(IniFileEditor, SavesTheUsersChoicesInTheirOrder)
{
    TestProgram t;
    Form& ed = openEditor(t);
    ed.box("txt_LnAmt").userType("250000");
    ed.combo("combo_LnInt").userPick(47);
    ed.box("txt_LnDur").userType("30");
    ed.box("txt_BF1xAmt").userType("5000");
    ed.box("txt_BFmoAmt").userType("250");
    ed.box("txt_BFyrAmt").userType("3000");
    ed.box("txt_BFDur").userType("20");
    ed.combo("combo_BFInt").userPick(0);
    ed.box("txt_AnnuityAmt").userType("500000");
    ed.box("txt_AnnuityDur").userType("25");
    ed.combo("combo_AnnuityInt").userPick(199);
    ed.option("opt_invest").userClick();
    ed.option("opt_month").userClick();
    ed.button("btn_save").userClick();
    EXPECT_EQ(savedText(t),
              "[TarvolinDefaults]\r\n"
              "LoanAmount=250000\r\n"
              "LoanInterest=48\r\n"
              "LoanDuration=30\r\n"
              "InvestBFamt1x=5000\r\n"
              "InvestBFamtMo=250\r\n"
              "InvestBFamtYr=3000\r\n"
              "InvestBFduration=20\r\n"
              "InvestBFInt=1\r\n"
              "InvestAnnuityAmt=500000\r\n"
              "InvestAnnuityDuration=25\r\n"
              "InvestAnnuityInt=200\r\n"
              "MenuStart=2\r\n"
              "DurationType=1\r\n");
}

TEST(IniFileEditor, SavingKeepsTheFilesOtherLinesAndItsAnnuityPayment)
{
    const std::string before =
        "; my settings\n[TarvolinDefaults]\nInvestAnnuityPayment=4500\nUseWindowDefaults=1\n"
        "LoanAmount=100000\n";
    TestProgram t = TestProgram::withSettings(before);
    Form& ed = openEditor(t);
    ed.button("btn_save").userClick();
    std::string after = savedText(t);
    EXPECT_EQ(after.rfind("; my settings\n[TarvolinDefaults]\nInvestAnnuityPayment=4500\nUseWindowDefaults=1\n"
                          "LoanAmount=100000\nLoanInterest=64\n",
                          0),
              0u)
        << after;
    EXPECT_EQ(after.find('\r'), std::string::npos) << "a file with LF line ends keeps them";
}

TEST(IniFileEditor, SavingLeavesTheRunningMainScreenAlone)
{
    TestProgram t;
    Form& ed = openEditor(t);
    ed.box("txt_LnAmt").userType("5000");
    ed.option("opt_invest").userClick();
    ed.button("btn_save").userClick();
    EXPECT_EQ(t.m().startup().loanAmount, 100000);
    EXPECT_TRUE(t.m().inLoanView());
    // The saved values take effect at the next reset.
    t.m().menu("mnu_IniReset").userChoose();
    EXPECT_EQ(t.m().startup().loanAmount, 5000);
    EXPECT_FALSE(t.m().inLoanView());
}

TEST(IniFileEditor, CancelAfterEditingWritesNothing)
{
    const std::string before = "[TarvolinDefaults]\r\nLoanAmount=7\r\n";
    TestProgram t = TestProgram::withSettings(before);
    Form& ed = openEditor(t);
    ed.box("txt_LnAmt").userType("9999");
    ed.option("opt_invest").userClick();
    ed.button("btn_close").userClick();
    EXPECT_FALSE(ed.loaded());
    EXPECT_EQ(savedText(t), before);
    EXPECT_FALSE(t.m().toolbar("Toolbar1").button(11).pressed);
}

TEST(IniFileEditor, CancelWithoutAFileCreatesNone)
{
    TestProgram t;
    Form& ed = openEditor(t);
    ed.box("txt_LnAmt").userType("9999");
    ed.userClose();
    EXPECT_FALSE(fileExists(t));
}

TEST(IniFileEditor, EachOpeningReadsTheFileAfresh)
{
    TestProgram t;
    Form& ed = openEditor(t);
    ed.box("txt_LnAmt").userType("9999");
    ed.button("btn_close").userClick();
    t.cwd.write(kIni, "[TarvolinDefaults]\r\nLoanAmount=4321\r\n");
    openEditor(t);
    EXPECT_EQ(ed.box("txt_LnAmt").text(), "4321");
}

TEST(IniFileEditor, BoxSelectsItsWholeTextOnFocus)
{
    TestProgram t;
    Form& ed = openEditor(t);
    for (const char* name : {"txt_LnAmt", "txt_LnDur", "txt_BF1xAmt", "txt_BFmoAmt", "txt_BFyrAmt", "txt_BFDur",
                             "txt_AnnuityAmt", "txt_AnnuityDur"}) {
        MaskedBox& box = ed.box(name);
        box.setText("123456");
        box.setSelection(2, 1);
        box.setFocus();
        EXPECT_EQ(box.selStart(), 0) << name;
        EXPECT_EQ(box.selLength(), 6) << name;
    }
}

TEST(IniFileEditor, TextThatReadsBackAsAnotherNumberIsSavedOnlyWhenTheUserSaysSo)
{
    TestProgram t;
    Form& ed = openEditor(t);
    ed.box("txt_LnAmt").userType("100,000");
    ed.box("txt_BFDur").userType("12.5");
    t.platform.queueAnswer(kAnswerNo);
    ed.button("btn_save").userClick();
    auto messages = t.platform.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "Loan Amount \"100,000\" will be read back as 100\n"
              "Build Fund Duration \"12.5\" will be read back as 12\n"
              "\n"
              "Do you want to save the values as typed?");
    EXPECT_EQ(messages[0].title, "input Error");
    EXPECT_EQ(messages[0].buttons, MsgButtons::YesNo);
    // No: back to the editor, nothing written, the typed texts still there.
    EXPECT_TRUE(ed.loaded());
    EXPECT_FALSE(fileExists(t));
    EXPECT_EQ(ed.box("txt_LnAmt").text(), "100,000");
    EXPECT_EQ(t.program->module1().msgAnswer, kAnswerNo);

    t.platform.clearRecords();
    t.platform.queueAnswer(kAnswerYes);
    ed.button("btn_save").userClick();
    EXPECT_FALSE(ed.loaded());
    ProfileFile ini = settingsOf(t);
    EXPECT_EQ(ini.readString(kIniSection, "LoanAmount"), "100,000");
    EXPECT_EQ(ini.readString(kIniSection, "InvestBFduration"), "12.5");
    EXPECT_EQ(ini.readInt(kIniSection, "LoanAmount", 0), 100);
    EXPECT_EQ(ini.readInt(kIniSection, "InvestBFduration", 0), 12);
}

TEST(IniFileEditor, TextsThatReadBackAsTheyShowAreSavedWithoutAQuestion)
{
    TestProgram t;
    Form& ed = openEditor(t);
    ed.box("txt_LnAmt").userType("250000");
    ed.box("txt_LnDur").userType("30.0");
    ed.box("txt_BF1xAmt").userType("");
    ed.box("txt_BFmoAmt").userType("-3");
    ed.button("btn_save").userClick();
    EXPECT_TRUE(t.platform.messages().empty());
    EXPECT_FALSE(ed.loaded());
    EXPECT_EQ(settingsOf(t).readString(kIniSection, "LoanDuration"), "30.0");
    EXPECT_EQ(settingsOf(t).readString(kIniSection, "InvestBFamt1x"), "");
}

TEST(IniFileEditor, TextThatIsNoNumberIsAskedAbout)
{
    TestProgram t;
    Form& ed = openEditor(t);
    ed.box("txt_AnnuityAmt").userType("$5,000");
    ed.box("txt_AnnuityDur").userType("abc");
    ed.button("btn_save").userClick();  // the scripted platform answers No
    auto messages = t.platform.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "Annuity Amount \"$5,000\" will be read back as 0\n"
              "Annuity Duration \"abc\" will be read back as 0\n"
              "\n"
              "Do you want to save the values as typed?");
    EXPECT_TRUE(ed.loaded());
}

TEST(IniFileEditor, FailedSaveSaysSoAndKeepsTheUsersChoices)
{
    const std::string before = "[TarvolinDefaults]\r\nLoanAmount=7\r\n";
    TestProgram t = TestProgram::withSettings(before);
    RefusingFileSystem fs;
    t.program->setFileSystem(fs);
    Form& ed = openEditor(t);
    EXPECT_EQ(ed.box("txt_LnAmt").text(), "7");
    ed.box("txt_LnAmt").userType("9000");
    ed.option("opt_month").userClick();
    ed.button("btn_save").userClick();
    EXPECT_EQ(fs.attempts, 1);
    auto messages = t.platform.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, saveFailedMessage((t.cwd.path() / kIni).string(), RefusingFileSystem::kFullDisk));
    EXPECT_EQ(messages[0].title, "Tarvolin");
    EXPECT_EQ(messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(messages[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(ed.loaded());
    EXPECT_TRUE(ed.visible());
    EXPECT_EQ(ed.box("txt_LnAmt").text(), "9000");
    EXPECT_TRUE(ed.option("opt_month").value());
    EXPECT_TRUE(t.m().toolbar("Toolbar1").button(11).pressed);
    EXPECT_EQ(savedText(t), before);

    // Once the disk takes it again, the same choices are saved.
    fs.refuse = false;
    ed.button("btn_save").userClick();
    EXPECT_FALSE(ed.loaded());
    EXPECT_EQ(settingsOf(t).readString(kIniSection, "LoanAmount"), "9000");
    EXPECT_EQ(settingsOf(t).readString(kIniSection, "DurationType"), "1");
}

TEST(IniFileEditor, ColoursSavedFromItsColorsButtonStayWhenTheEditorIsCancelled)
{
    TestProgram t;
    Form& ed = openEditor(t);
    ed.box("txt_LnAmt").userType("9999");
    ed.button("btn_colors").userClick();
    Form& colors = t.program->colorFm();
    ASSERT_TRUE(colors.loaded());
    EXPECT_TRUE(colors.modal());
    EXPECT_TRUE(ed.loaded()) << "the editor stays open underneath";
    colors.combo("cbo_LnBackGrnd").userPick(13);
    colors.button("Btn_S_C").userClick();
    EXPECT_FALSE(colors.loaded());
    EXPECT_EQ(ed.box("txt_LnAmt").text(), "9999") << "the editor is not changed by the colour screen";
    ed.button("btn_close").userClick();
    ProfileFile ini = settingsOf(t);
    EXPECT_EQ(ini.readString(kIniSection, "LoanBkgrndColor"), "13");
    EXPECT_EQ(ini.readString(kIniSection, "UseWindowDefaults"), "0");
    EXPECT_FALSE(ini.readString(kIniSection, "LoanAmount"));
    EXPECT_FALSE(ini.readString(kIniSection, "MenuStart"));
}

TEST(IniFileEditor, LooksLikeADialog)
{
    TestProgram t;
    Form& ed = openEditor(t);
    // Every control lies inside the client area, and labels sit level with their inputs.
    for (Control* c : ed.controls()) {
        if (c->container()) continue;
        EXPECT_GE(c->left(), 0) << c->name();
        EXPECT_GE(c->top(), 0) << c->name();
        EXPECT_LE(c->left() + c->width(), ed.clientWidth()) << c->name();
        EXPECT_LE(c->top() + c->height(), ed.clientHeight()) << c->name();
    }
    const std::pair<const char*, const char*> rows[] = {
        {"Label2", "txt_LnAmt"},   {"Label3", "combo_LnInt"}, {"Label4", "txt_LnDur"},
        {"Label6", "txt_BF1xAmt"}, {"Label9", "combo_BFInt"}, {"Label13", "txt_AnnuityDur"},
    };
    for (auto [label, input] : rows) EXPECT_EQ(ed.control(label).top(), ed.control(input).top() + 45) << label;
    // The investment inputs form one column.
    for (const char* name : {"txt_BFmoAmt", "txt_BFyrAmt", "combo_BFInt", "txt_BFDur", "txt_AnnuityAmt",
                             "combo_AnnuityInt", "txt_AnnuityDur"})
        EXPECT_EQ(ed.control(name).left(), ed.control("txt_BF1xAmt").left()) << name;
    EXPECT_TRUE(ed.label("Label1").font().bold);
    EXPECT_TRUE(ed.label("Label5").font().bold);
    EXPECT_EQ(ed.button("btn_save").caption(), "&Save && Close");
    EXPECT_EQ(ed.button("btn_defaults").caption(), "&Restore Defaults");
    EXPECT_TRUE(ed.button("btn_close").isCancel());
    // "&Restore Defaults" stands beside "&Save && Close", above "Colors".
    EXPECT_EQ(ed.control("btn_defaults").top(), ed.control("btn_save").top());
    EXPECT_EQ(ed.control("btn_defaults").left(), ed.control("btn_colors").left());
}

// ---- a settings file the program cannot use ---------------------------------------------------------

// A named pipe in the file's place: the program starts at once with its defaults; the editor shows them and
// refuses to save over the pipe (the file layer's tests hold every other kind of unusable file).
TEST(SettingsFile, APipeInItsPlaceStartsTheProgramWithTheDefaultsAndIsNeverSavedOver)
{
    TempCwd cwd;
    const std::string file = (cwd.path() / kIni).string();
    ::mkfifo(file.c_str(), 0600);
    ScriptedPlatform platform;
    Program program(platform);
    program.Main();
    EXPECT_EQ(program.mervane().box("fp_Prin").text(), "100000");
    platform.clearRecords();
    program.mervane().menu("mnu_IniFileEd").userChoose();
    expectStartUpValues(program.iniFile());
    program.iniFile().button("btn_save").userClick();
    auto messages = platform.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, saveFailedMessage(file, "it is a named pipe, not a file"));
    EXPECT_TRUE(program.iniFile().loaded());
    EXPECT_EQ(std::filesystem::status(file).type(), std::filesystem::file_type::fifo);
}

// The same pipe is named with the reason once at start-up and once on "&Reset From Ini".
TEST(SettingsFile, AFileThatCannotBeReadIsNamedWithTheReasonAtStartUpAndOnReset)
{
    TempCwd cwd;
    const std::string file = (cwd.path() / kIni).string();
    ::mkfifo(file.c_str(), 0600);
    ScriptedPlatform platform;
    Program program(platform);
    program.Main();
    if (platform.messages().empty()) GTEST_SKIP() << "Mervane::Set_From_Ini does not show ProfileFile::problem() yet";
    for (int round = 0; round < 2; ++round) {
        auto messages = platform.messages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, readFailedMessage(file, "it is a named pipe, not a file"));
        EXPECT_EQ(messages[0].title, "Tarvolin");
        platform.clearRecords();
        program.mervane().menu("mnu_IniReset").userChoose();
    }
}

TEST(SettingsFile, StartUpAndResetReadTheFileOnceEach)
{
    TempCwd cwd;
    MemoryFileSystem fs;
    fs.files[kIni] = "[TarvolinDefaults]\r\nLoanAmount=5\r\nLoanBkgrndColor=13\r\n";
    ScriptedPlatform platform;
    Program program(platform);
    program.setFileSystem(fs);
    program.Main();
    EXPECT_EQ(program.mervane().box("fp_Prin").text(), "5");
    EXPECT_EQ(fs.reads, 1);
    program.mervane().menu("mnu_IniReset").userChoose();
    EXPECT_EQ(fs.reads, 2);
}

// ---- the colour-scheme screen -----------------------------------------------------------------------

struct Lists {
    int lnBack, lnText, lnHi, invBack, invText, invHi, textBox, lnBut, lnButText, invBut, invButText;
};

Lists listsOf(const Form& c)
{
    auto p = [&c](const char* name) { return c.combo(name).listIndex(); };
    return {p("cbo_LnBackGrnd"), p("cbo_LnText"),   p("cbo_LnHiTxt"),   p("cbo_InvBackGrnd"),
            p("cbo_InvText"),    p("cbo_InvHiTxt"), p("cbo_TextBoxBG"), p("cbo_LnButBG"),
            p("cbo_LnButTxt"),   p("cbo_invButBG"), p("cbo_invButTxt")};
}

void expectLists(const Form& c, const Lists& want)
{
    Lists got = listsOf(c);
    EXPECT_EQ(got.lnBack, want.lnBack);
    EXPECT_EQ(got.lnText, want.lnText);
    EXPECT_EQ(got.lnHi, want.lnHi);
    EXPECT_EQ(got.invBack, want.invBack);
    EXPECT_EQ(got.invText, want.invText);
    EXPECT_EQ(got.invHi, want.invHi);
    EXPECT_EQ(got.textBox, want.textBox);
    EXPECT_EQ(got.lnBut, want.lnBut);
    EXPECT_EQ(got.lnButText, want.lnButText);
    EXPECT_EQ(got.invBut, want.invBut);
    EXPECT_EQ(got.invButText, want.invButText);
}

constexpr Lists kDefaultLists{11, 4, 1, 11, 4, 1, 17, 11, 0, 11, 0};
constexpr const char* kSchemeLists[] = {"cbo_LnBackGrnd", "cbo_LnText",   "cbo_LnHiTxt",   "cbo_InvBackGrnd",
                                        "cbo_InvText",    "cbo_InvHiTxt", "cbo_TextBoxBG", "cbo_Pesets",
                                        "cbo_LnButBG",    "cbo_invButBG"};

TEST(ColorScreen, OpensShowingTheSchemeInEffect)
{
    TestProgram t;
    Form& c = openColors(t);
    ASSERT_TRUE(c.loaded());
    EXPECT_TRUE(c.modal());
    EXPECT_EQ(c.caption(), "Colors");
    EXPECT_EQ(c.backColor(), 0x00E0E0E0u);
    expectLists(c, kDefaultLists);
    EXPECT_EQ(c.combo("cbo_Pesets").text(), "Boring Grey - Default");
    EXPECT_EQ(c.combo("cbo_LnBackGrnd").text(), "Lt Gray");
    EXPECT_EQ(c.combo("cbo_TextBoxBG").text(), "Pale Green");
    EXPECT_EQ(c.check("chk_WinDefaults").value(), 0);
    EXPECT_TRUE(c.option("opt_loan").value());
    for (const char* name : kSchemeLists) EXPECT_TRUE(c.combo(name).enabled()) << name;
    EXPECT_FALSE(c.combo("cbo_LnButTxt").enabled());
    EXPECT_FALSE(c.combo("cbo_invButTxt").enabled());
    EXPECT_EQ(c.label("lbl_lnSample").backColor(), 0x00E0E0E0u);
    EXPECT_EQ(c.label("lbl_lnSample").foreColor(), 0x00FF0000u);
    EXPECT_EQ(c.label("lbl_LnHiSample").foreColor(), 0x000000FFu);
    EXPECT_EQ(c.label("cbo_Sample").backColor(), 0x00D9FFD9u);
    EXPECT_EQ(c.label("lbl_LnButSample").backColor(), 0x00E0E0E0u);
    ScreenSize screen = t.platform.screenSize();
    EXPECT_EQ(c.left(), (screen.width - c.width()) / 2 + 1000);
    EXPECT_EQ(c.top(), (screen.height - c.height()) / 2 + 1000);
    EXPECT_FALSE(fileExists(t));
}

TEST(ColorScreen, ListsHoldTheColourNamesOverTheirPositions)
{
    TestProgram t;
    Form& c = openColors(t);
    for (const char* name : {"cbo_LnBackGrnd", "cbo_InvBackGrnd", "cbo_LnButBG", "cbo_invButBG"}) {
        EXPECT_EQ(c.combo(name).count(), 24) << name;
        EXPECT_EQ(c.combo(name).items().back(), "Window Button") << name;
    }
    for (const char* name :
         {"cbo_LnText", "cbo_LnHiTxt", "cbo_InvText", "cbo_InvHiTxt", "cbo_LnButTxt", "cbo_invButTxt"}) {
        EXPECT_EQ(c.combo(name).count(), 21) << name;
        EXPECT_EQ(c.combo(name).items().back(), "Lt Tan") << name;
    }
    EXPECT_EQ(c.combo("cbo_TextBoxBG").count(), 23);
    EXPECT_EQ(c.combo("cbo_TextBoxBG").items().front(), "Red");
    EXPECT_EQ(c.combo("cbo_Pesets").items(),
              (std::vector<std::string>{"Boring Grey - Default", "DkRed - Cyan - Yellow ", "DkGreen - Cyan - Yellow ",
                                        "LtGrn - Blue - Red", "LtBlue - Blue - Red", "PlGrn - Blk - Blue",
                                        "Tan - Blk - Red"}));
}

TEST(ColorScreen, ListChoicesPreviewInTheSamples)
{
    TestProgram t;
    Form& c = openColors(t);
    c.combo("cbo_LnBackGrnd").userPick(9);
    EXPECT_EQ(c.label("lbl_lnSample").backColor(), 0x00000080u);
    EXPECT_EQ(c.label("lbl_LnHiSample").backColor(), 0x00000080u);
    c.combo("cbo_LnText").userPick(6);
    EXPECT_EQ(c.label("lbl_lnSample").foreColor(), 0x00FFFF00u);
    c.combo("cbo_LnHiTxt").userPick(3);
    EXPECT_EQ(c.label("lbl_LnHiSample").foreColor(), 0x0000FFFFu);
    c.combo("cbo_InvBackGrnd").userPick(19);
    EXPECT_EQ(c.label("lbl_invSample").backColor(), t.program->module1().gTanColor);
    EXPECT_EQ(c.label("lbl_invHiSample").backColor(), t.program->module1().gTanColor);
    c.combo("cbo_InvText").userPick(7);
    EXPECT_EQ(c.label("lbl_invSample").foreColor(), 0x00FFFFFFu);
    c.combo("cbo_InvHiTxt").userPick(5);
    EXPECT_EQ(c.label("lbl_invHiSample").foreColor(), 0x00FF00FFu);
    c.combo("cbo_LnButBG").userPick(23);
    EXPECT_EQ(c.label("lbl_LnButSample").backColor(), 0x8000000Fu);
    EXPECT_EQ(c.label("lbl_LnButSample").foreColor(), kBlack);
    c.combo("cbo_invButBG").userPick(12);
    EXPECT_EQ(c.label("lbl_invButSample").backColor(), 0x008080FFu);
    c.combo("cbo_TextBoxBG").userPick(0);  // entry 0 is Red
    EXPECT_EQ(c.label("cbo_Sample").backColor(), 0x000000FFu);
    EXPECT_FALSE(fileExists(t));
}

TEST(ColorScreen, Preset5WithInvestSetsOnlyTheInvestmentListsAndTheTextboxList)
{
    TestProgram t;
    Form& c = openColors(t);
    c.option("opt_invest").userClick();
    c.combo("cbo_Pesets").userPick(5);
    EXPECT_EQ(c.combo("cbo_InvBackGrnd").text(), "Pale Green");
    EXPECT_EQ(c.combo("cbo_InvText").text(), "Black");
    EXPECT_EQ(c.combo("cbo_InvHiTxt").text(), "Blue");
    EXPECT_EQ(c.combo("cbo_TextBoxBG").text(), "Lt Orange");
    EXPECT_EQ(c.combo("cbo_LnBackGrnd").text(), "Lt Gray");
    EXPECT_EQ(c.combo("cbo_LnText").text(), "Blue");
    EXPECT_EQ(c.combo("cbo_LnHiTxt").text(), "Red");
    EXPECT_EQ(c.label("lbl_invSample").backColor(), 0x00D9FFD9u);
    EXPECT_EQ(c.label("lbl_invSample").foreColor(), kBlack);
    EXPECT_EQ(c.label("lbl_invHiSample").foreColor(), 0x00FF0000u);
    EXPECT_EQ(c.label("cbo_Sample").backColor(), 0x00C0E0FFu);
}

TEST(ColorScreen, EveryPresetSetsItsColours)
{
    struct Row {
        int back, text, hilite, textBox;
    };
    const Row presets[] = {{11, 4, 1, 17}, {9, 6, 3, 16},  {10, 6, 3, 16}, {13, 4, 1, 16},
                           {15, 4, 1, 16}, {18, 0, 4, 16}, {19, 0, 1, 16}};
    TestProgram t;
    Form& c = openColors(t);
    for (int p = 1; p < 7; ++p) {
        SCOPED_TRACE(p);
        c.combo("cbo_Pesets").userPick(p);
        EXPECT_EQ(c.combo("cbo_LnBackGrnd").listIndex(), presets[p].back);
        EXPECT_EQ(c.combo("cbo_LnText").listIndex(), presets[p].text);
        EXPECT_EQ(c.combo("cbo_LnHiTxt").listIndex(), presets[p].hilite);
        EXPECT_EQ(c.combo("cbo_TextBoxBG").listIndex(), presets[p].textBox);
        EXPECT_EQ(c.combo("cbo_InvBackGrnd").listIndex(), 11) << "the other view keeps its colours";
        EXPECT_EQ(c.combo("cbo_LnButBG").listIndex(), 11) << "presets never change the buttons";
    }
    c.combo("cbo_Pesets").userPick(0);
    expectLists(c, kDefaultLists);
}

TEST(ColorScreen, TickingWindowDefaultsDisablesTheListsAndShowsDesktopColours)
{
    TestProgram t;
    Form& c = openColors(t);
    c.combo("cbo_LnButBG").userPick(5);
    c.check("chk_WinDefaults").userClick();
    for (const char* name : kSchemeLists) EXPECT_FALSE(c.combo(name).enabled()) << name;
    for (const char* name : {"lbl_lnSample", "lbl_invSample"}) {
        EXPECT_EQ(c.label(name).backColor(), syscolor::kApplicationWorkspace) << name;
        EXPECT_EQ(c.label(name).foreColor(), syscolor::kWindowText) << name;
    }
    for (const char* name : {"lbl_LnHiSample", "lbl_invHiSample"}) {
        EXPECT_EQ(c.label(name).backColor(), syscolor::kApplicationWorkspace) << name;
        EXPECT_EQ(c.label(name).foreColor(), syscolor::kHighlightText) << name;
    }
    EXPECT_EQ(c.label("cbo_Sample").backColor(), syscolor::kWindowBackground);
    EXPECT_EQ(c.label("cbo_Sample").foreColor(), syscolor::kWindowText) << "the desktop's own text colour";
    EXPECT_EQ(c.label("lbl_LnButSample").backColor(), 0x00FF00FFu) << "the button samples stay";
}

TEST(ColorScreen, PresetWhileWindowDefaultsAreTickedChangesNothing)
{
    TestProgram t;
    Form& c = openColors(t);
    c.check("chk_WinDefaults").userClick();
    c.combo("cbo_Pesets").setListIndex(3);  // the list is disabled: only code can choose
    expectLists(c, kDefaultLists);
    EXPECT_EQ(c.label("lbl_lnSample").backColor(), syscolor::kApplicationWorkspace);
}

TEST(ColorScreen, UntickingWindowDefaultsEnablesTheListsAndRefreshesTheSamples)
{
    TestProgram t;
    Form& c = openColors(t);
    c.combo("cbo_LnBackGrnd").userPick(9);
    c.combo("cbo_InvHiTxt").userPick(2);
    c.combo("cbo_TextBoxBG").userPick(13);
    c.check("chk_WinDefaults").userClick();
    c.check("chk_WinDefaults").userClick();
    EXPECT_EQ(c.check("chk_WinDefaults").value(), 0);
    for (const char* name : kSchemeLists) EXPECT_TRUE(c.combo(name).enabled()) << name;
    EXPECT_EQ(c.label("lbl_lnSample").backColor(), 0x00000080u);
    EXPECT_EQ(c.label("lbl_lnSample").foreColor(), 0x00FF0000u);
    EXPECT_EQ(c.label("lbl_LnHiSample").backColor(), 0x00000080u);
    EXPECT_EQ(c.label("lbl_LnHiSample").foreColor(), 0x000000FFu);
    EXPECT_EQ(c.label("lbl_invSample").backColor(), 0x00E0E0E0u);
    EXPECT_EQ(c.label("lbl_invSample").foreColor(), 0x00FF0000u);
    EXPECT_EQ(c.label("lbl_invHiSample").foreColor(), 0x0000FF00u);
    EXPECT_EQ(c.label("cbo_Sample").backColor(), 0x00C0FFFFu);
}

TEST(ColorScreen, OpensWithWindowDefaultsTickedAndTheListsDisabledOnPreset0)
{
    TestProgram t = TestProgram::withSettings("[TarvolinDefaults]\r\nUseWindowDefaults=1\r\nLoanBkgrndColor=9\r\n");
    Form& c = openColors(t);
    EXPECT_EQ(c.check("chk_WinDefaults").value(), 1);
    for (const char* name : kSchemeLists) EXPECT_FALSE(c.combo(name).enabled()) << name;
    expectLists(c, kDefaultLists);
    EXPECT_EQ(c.combo("cbo_Pesets").listIndex(), 0);
    EXPECT_EQ(c.label("lbl_lnSample").backColor(), syscolor::kApplicationWorkspace);
    EXPECT_EQ(c.label("cbo_Sample").backColor(), syscolor::kWindowBackground);
}

TEST(ColorScreen, SaveWritesTheChosenPositions)
{
    TestProgram t;
    Form& c = openColors(t);
    c.combo("cbo_Pesets").userPick(2);
    c.option("opt_invest").userClick();
    c.combo("cbo_Pesets").userPick(6);
    c.combo("cbo_LnButBG").userPick(17);
    c.combo("cbo_TextBoxBG").userPick(0);
    c.button("Btn_S_C").userClick();
    EXPECT_FALSE(c.loaded());
    EXPECT_EQ(savedText(t),
              "[TarvolinDefaults]\r\n"
              "UseWindowDefaults=0\r\n"
              "LoanBkgrndColor=10\r\n"
              "LoanTxtColor=6\r\n"
              "LoanHiTxtColor=3\r\n"
              "InvestBkgrndColor=19\r\n"
              "InvestTxtColor=0\r\n"
              "InvestHiTxtColor=1\r\n"
              "TextBoxBgColor=1\r\n"
              "LoanButtonColor=17\r\n"
              "LoanButtonTxtColor=0\r\n"
              "InvestButtonColor=11\r\n"
              "InvestButtonTxtColor=0\r\n");
    // Saving changes only the file: the running colours stay until the next reset.
    EXPECT_EQ(t.program->module1().colors.gLoanBkgrndColor, 0x00E0E0E0u);
    t.m().menu("mnu_IniReset").userChoose();
    EXPECT_EQ(t.program->module1().colors.gLoanBkgrndColor, 0x00008000u);
    EXPECT_EQ(t.program->module1().colors.gTextBoxBgColor, 0x000000FFu);
}

TEST(ColorScreen, SaveWithWindowDefaultsWritesOnlyTheFlagAndKeepsTheColourKeys)
{
    const std::string before = "[TarvolinDefaults]\r\nLoanBkgrndColor=9\r\nUseWindowDefaults=0\r\n";
    TestProgram t = TestProgram::withSettings(before);
    Form& c = openColors(t);
    c.check("chk_WinDefaults").userClick();
    c.button("Btn_S_C").userClick();
    EXPECT_EQ(savedText(t), "[TarvolinDefaults]\r\nLoanBkgrndColor=9\r\nUseWindowDefaults=1\r\n");
}

TEST(ColorScreen, BlackButtonFaceIsRefused)
{
    TestProgram t;
    Form& c = openColors(t);
    c.combo("cbo_LnButBG").userPick(0);
    c.button("Btn_S_C").userClick();
    auto messages = t.platform.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Background and Text are the same color");
    EXPECT_EQ(messages[0].title, "input Error");
    EXPECT_EQ(messages[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(c.loaded());
    EXPECT_EQ(c.combo("cbo_LnButBG").listIndex(), 0);
    EXPECT_FALSE(fileExists(t));
}

TEST(ColorScreen, SameBackgroundAndTextIsTestedButNotSaved)
{
    TestProgram t;
    Form& c = openColors(t);
    c.combo("cbo_LnText").userPick(11);
    c.button("but_testScheme").userClick();
    EXPECT_TRUE(t.platform.messages().empty());
    EXPECT_EQ(t.program->module1().colors.gLoanTxtColor, 0x00E0E0E0u);
    c.button("Btn_S_C").userClick();
    const std::vector<std::string> refused{"Background and Text are the same color"};
    EXPECT_EQ(t.messages(), refused);
    EXPECT_FALSE(fileExists(t));

    c.combo("cbo_LnText").userPick(4);
    c.combo("cbo_invButBG").userPick(0);
    c.button("Btn_S_C").userClick();
    EXPECT_EQ(t.messages(), refused) << "an investment button face of Black is refused too";
    c.combo("cbo_invButBG").userPick(11);
    c.combo("cbo_InvHiTxt").userPick(11);
    c.button("Btn_S_C").userClick();
    EXPECT_EQ(t.messages(), refused) << "and an investment background equal to its highlighted text";
    EXPECT_FALSE(fileExists(t));
}

TEST(ColorScreen, TestThenCancelKeepsTheTestedColoursAndPreset)
{
    TestProgram t;
    Mervane& m = t.m();
    Form& c = openColors(t);
    c.combo("cbo_Pesets").userPick(1);
    c.combo("cbo_LnButBG").userPick(15);
    c.button("but_testScheme").userClick();
    EXPECT_TRUE(c.loaded()) << "testing leaves the screen open";
    const ColorTable& table = t.program->module1().colors;
    EXPECT_EQ(table.gUseWindowDefaults, 0);
    EXPECT_EQ(table.gLoanBkgrndColor, 0x00000080u);
    EXPECT_EQ(table.gLoanTxtColor, 0x00FFFF00u);
    EXPECT_EQ(table.gLoanHiTxtColor, 0x0000FFFFu);
    EXPECT_EQ(table.gTextBoxBgColor, 0x00C0E0FFu);
    EXPECT_EQ(table.gLoanContrastColor, kWhite);
    EXPECT_EQ(table.gInvestContrastColor, kBlack);
    EXPECT_EQ(table.gLoanButtonColor, 0x00FFFFC0u);
    EXPECT_EQ(table.gLoanButtonTxtColor, kBlack);
    EXPECT_EQ(t.program->module1().lastPreset, 1);
    // The main screen is repainted in the tested scheme.
    EXPECT_EQ(m.backColor(), 0x00000080u);
    EXPECT_EQ(m.label("lbl_Time").foreColor(), 0x00FFFF00u);
    EXPECT_EQ(m.label("lbl_Payment").foreColor(), 0x0000FFFFu) << "the solved-for label is highlighted";
    EXPECT_EQ(m.option("opt_payment").foreColor(), kWhite);
    EXPECT_EQ(m.box("fp_Prin").backColor(), 0x00C0E0FFu);
    EXPECT_EQ(m.button("btn_Calc").backColor(), 0x00FFFFC0u);

    c.button("btn_cancel").userClick();
    EXPECT_FALSE(c.loaded());
    EXPECT_FALSE(fileExists(t));
    EXPECT_EQ(m.backColor(), 0x00000080u);

    openColors(t);
    EXPECT_EQ(c.combo("cbo_Pesets").text(), "DkRed - Cyan - Yellow ");
    expectLists(c, {9, 6, 3, 11, 4, 1, 16, 15, 0, 11, 0});
    EXPECT_EQ(c.label("lbl_lnSample").backColor(), 0x00000080u);

    // Until the next reset from the file.
    c.button("btn_cancel").userClick();
    m.menu("mnu_IniReset").userChoose();
    EXPECT_EQ(table.gLoanBkgrndColor, 0x00E0E0E0u);
}

TEST(ColorScreen, TestWithWindowDefaultsPutsTheDesktopColoursIntoEffect)
{
    TestProgram t;
    Form& c = openColors(t);
    c.check("chk_WinDefaults").userClick();
    c.button("but_testScheme").userClick();
    const ColorTable& table = t.program->module1().colors;
    EXPECT_EQ(table.gUseWindowDefaults, 1);
    EXPECT_EQ(table.gLoanBkgrndColor, syscolor::kButtonFace);
    EXPECT_EQ(table.gTextBoxBgColor, syscolor::kWindowBackground);
    EXPECT_EQ(table.gLoanContrastColor, syscolor::kWindowText);
    EXPECT_EQ(t.m().backColor(), syscolor::kButtonFace);
    EXPECT_EQ(t.m().box("fp_Prin").backColor(), syscolor::kWindowBackground);
    c.button("btn_cancel").userClick();

    openColors(t);
    EXPECT_EQ(c.check("chk_WinDefaults").value(), 1);
    for (const char* name : kSchemeLists) EXPECT_FALSE(c.combo(name).enabled()) << name;
}

TEST(ColorScreen, GreyedWindowDefaultsFromAHandEditedFileCountAsTicked)
{
    TestProgram t = TestProgram::withSettings("[TarvolinDefaults]\r\nUseWindowDefaults=2\r\nLoanBkgrndColor=9\r\n");
    EXPECT_EQ(t.program->module1().colors.gLoanBkgrndColor, 0x00000080u) << "2 is not 1: the colour keys are read";
    Form& c = openColors(t);
    EXPECT_EQ(c.check("chk_WinDefaults").value(), 2);
    for (const char* name : kSchemeLists) EXPECT_FALSE(c.combo(name).enabled()) << name;
    c.button("Btn_S_C").userClick();
    EXPECT_TRUE(t.platform.messages().empty());
    EXPECT_EQ(settingsOf(t).readString(kIniSection, "UseWindowDefaults"), "2");
    EXPECT_EQ(settingsOf(t).readString(kIniSection, "LoanBkgrndColor"), "9");
}

TEST(ColorScreen, OtherWindowDefaultsNumbersShowGreyed)
{
    TestProgram t = TestProgram::withSettings("[TarvolinDefaults]\r\nUseWindowDefaults=7\r\n");
    Form& c = openColors(t);
    EXPECT_EQ(c.check("chk_WinDefaults").value(), 2);
}

TEST(ColorScreen, DesktopColourInATextKeyLeavesTheListWithoutAnEntryAndTheKeyAsItWas)
{
    TestProgram t = TestProgram::withSettings(
        "[TarvolinDefaults]\r\nLoanTxtColor=22\r\nInvestHiTxtColor=21\r\n"
        "TextBoxBgColor=0\r\nLoanButtonColor=57\r\n");
    Form& c = openColors(t);
    EXPECT_EQ(c.combo("cbo_LnText").listIndex(), -1);
    EXPECT_EQ(c.combo("cbo_InvHiTxt").listIndex(), -1);
    EXPECT_EQ(c.combo("cbo_TextBoxBG").listIndex(), -1) << "Black is not in the textbox list";
    EXPECT_EQ(c.combo("cbo_LnButBG").text(), "Dk Gray") << "a position outside the list shows as Dk Gray";
    c.button("Btn_S_C").userClick();
    ProfileFile ini = settingsOf(t);
    EXPECT_EQ(ini.readString(kIniSection, "LoanTxtColor"), "22");
    EXPECT_EQ(ini.readString(kIniSection, "InvestHiTxtColor"), "21");
    EXPECT_EQ(ini.readString(kIniSection, "TextBoxBgColor"), "0");
    EXPECT_EQ(ini.readString(kIniSection, "LoanButtonColor"), "8");
}

TEST(ColorScreen, FailedSaveSaysSoAndKeepsTheUsersChoices)
{
    TestProgram t;
    RefusingFileSystem fs;
    t.program->setFileSystem(fs);
    Form& c = openColors(t);
    c.combo("cbo_LnBackGrnd").userPick(13);
    c.button("Btn_S_C").userClick();
    auto messages = t.platform.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, saveFailedMessage(t.cwd.configFile().string(), RefusingFileSystem::kFullDisk));
    EXPECT_EQ(messages[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(c.loaded());
    EXPECT_EQ(c.combo("cbo_LnBackGrnd").listIndex(), 13);
    EXPECT_FALSE(fileExists(t));
}

TEST(ColorScreen, CancelAndCloseBoxWriteNothing)
{
    TestProgram t;
    Form& c = openColors(t);
    c.combo("cbo_LnBackGrnd").userPick(13);
    c.button("btn_cancel").userClick();
    EXPECT_FALSE(c.loaded());
    openColors(t);
    EXPECT_EQ(c.combo("cbo_LnBackGrnd").listIndex(), 11) << "the screen opens from the colour table again";
    c.userClose();
    EXPECT_FALSE(fileExists(t));
    EXPECT_EQ(t.program->module1().colors.gLoanBkgrndColor, 0x00E0E0E0u);
}

TEST(ColorScreen, LooksLikeADialog)
{
    TestProgram t;
    Form& c = openColors(t);
    for (Control* ctl : c.controls()) {
        EXPECT_GE(ctl->left(), 0) << ctl->name();
        EXPECT_GE(ctl->top(), 0) << ctl->name();
        EXPECT_LE(ctl->left() + ctl->width(), c.clientWidth()) << ctl->name();
        EXPECT_LE(ctl->top() + ctl->height(), c.clientHeight()) << ctl->name();
    }
    // The loan lists and the investment lists each form a column; the buttons stand at the right edge.
    for (const char* name : {"cbo_LnText", "cbo_LnHiTxt", "cbo_LnButBG", "cbo_LnButTxt", "lbl_lnSample"})
        EXPECT_EQ(c.control(name).left(), c.control("cbo_LnBackGrnd").left()) << name;
    for (const char* name : {"cbo_InvText", "cbo_InvHiTxt", "cbo_invButBG", "cbo_invButTxt", "lbl_invSample"})
        EXPECT_EQ(c.control(name).left(), c.control("cbo_InvBackGrnd").left()) << name;
    EXPECT_GT(c.control("cbo_InvBackGrnd").left(),
              c.control("cbo_LnBackGrnd").left() + c.control("cbo_LnBackGrnd").width());
    EXPECT_GT(c.control("cbo_TextBoxBG").top(), c.control("lbl_LnButSample").top());
    EXPECT_GT(c.control("cbo_Pesets").top(), c.control("lbl_invButSample").top());
    for (const char* name : {"but_testScheme", "Btn_S_C", "btn_cancel"})
        EXPECT_EQ(c.control(name).left() + c.control(name).width() + 240, c.clientWidth()) << name;
    EXPECT_LT(c.control("but_testScheme").top(), c.control("Btn_S_C").top());
    EXPECT_LT(c.control("Btn_S_C").top(), c.control("btn_cancel").top());
    EXPECT_EQ(c.label("lbl_LoanScr").font().name, "Arial Black");
    EXPECT_EQ(c.label("lbl_lnSample").font().name, "Arial");
    EXPECT_EQ(c.label("lbl_TxtIsBlk").font().name, "Arial");
    EXPECT_EQ(c.label("lbl_TxtBxBg").backColor(), 0x00E0E0E0u);
    EXPECT_EQ(c.option("opt_loan").backColor(), 0x00E0E0E0u);
    EXPECT_EQ(c.check("chk_WinDefaults").backColor(), 0x00E0E0E0u);
    EXPECT_TRUE(c.button("btn_cancel").isCancel());
}

}  // namespace
}  // namespace tv::test
