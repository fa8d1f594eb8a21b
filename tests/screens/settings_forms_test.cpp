// The settings editor (IniFile) and the colour-scheme screen (ColorFm), driven as a user drives them.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
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

// A file layer that reads the disk but can be told to refuse every save, as a full disk does.
class RefusingFileSystem : public FileSystem {
public:
    std::optional<std::string> read(const std::string& path) override { return FileSystem::disk().read(path); }
    bool exists(const std::string& path) override { return FileSystem::disk().exists(path); }
    bool replace(const std::string&, const std::string&) override { return false; }
    SaveResult update(const std::string& path, const Edit& edit) override
    {
        ++attempts;
        return refuse ? SaveResult::refused(finishedText(kFullDisk)) : FileSystem::disk().update(path, edit);
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

// The one message box shown since the records were last cleared (an empty one, and a failure, otherwise).
PlatformRecord onlyMessage(ScriptedPlatform& platform)
{
    const std::vector<PlatformRecord> messages = platform.messages();
    EXPECT_EQ(messages.size(), 1u);
    return messages.size() == 1 ? messages[0] : PlatformRecord{};
}

// "name=value; name; ..." as its pairs; a name without "=" has an empty value.
std::vector<std::pair<std::string, std::string>> pairs(const std::string& script)
{
    std::vector<std::pair<std::string, std::string>> out;
    for (std::size_t at = 0; at < script.size();) {
        const std::size_t end = std::min(script.find("; ", at), script.size());
        const std::string item = script.substr(at, end - at);
        const std::size_t equals = item.find('=');
        out.emplace_back(item.substr(0, equals), equals == std::string::npos ? "" : item.substr(equals + 1));
        at = end + 2;
    }
    return out;
}

// A settings file that holds these keys, "key=value; ...", in the program's section, with Windows line ends.
std::string ini(const std::string& keys)
{
    std::string text = "[TarvolinDefaults]\r\n";
    for (const auto& [key, value] : pairs(keys)) text.append(key).append("=").append(value).append("\r\n");
    return text;
}

// What the editor writes when nothing in it was changed and the file was missing: the values the program
// starts with, so the next start is the same.
const std::string kEditorDefaultsText =
    ini("LoanAmount=100000; LoanInterest=64; LoanDuration=15; InvestBFamt1x=100000; InvestBFamtMo=1000; "
        "InvestBFamtYr=10000; InvestBFduration=10; InvestBFInt=80; InvestAnnuityAmt=30000; InvestAnnuityDuration=25; "
        "InvestAnnuityInt=60; MenuStart=1; DurationType=2");

// Does what a user does, in order: "box=text" types into a box, "list=3" picks a list's entry by its position, a
// bare name clicks an option, a check box or a button.
void act(Form& form, const std::string& script)
{
    for (const auto& [name, value] : pairs(script)) {
        Control& c = form.control(name);
        if (c.kind() == Kind::MaskedBox)
            form.box(name).userType(value);
        else if (c.kind() == Kind::ComboList)
            form.combo(name).userPick(std::stoi(value));
        else
            c.userClick();
    }
}

// What a control shows: a box's or a list's text, "1" or "0" for a chosen option, a check box's value.
std::string shown(const Form& form, const std::string& name)
{
    const Kind kind = form.control(name).kind();
    if (kind == Kind::OptionButton) return form.option(name).value() ? "1" : "0";
    if (kind == Kind::CheckBox) return std::to_string(form.check(name).value());
    return kind == Kind::ComboList ? form.combo(name).text() : form.box(name).text();
}

// Each control of "name=text; ..." shows its text.
void expectShown(const Form& form, const std::string& texts)
{
    for (const auto& [name, text] : pairs(texts)) EXPECT_EQ(shown(form, name), text) << name;
}

// A control's background and text colours; one left out is not looked at.
struct Colour {
    const char* control;
    std::optional<Color> back = {};
    std::optional<Color> fore = {};
};

void expectColours(const Form& form, const std::vector<Colour>& colours)
{
    for (const auto& [name, back, fore] : colours) {
        const Control& c = form.control(name);
        EXPECT_EQ(c.backColor(), back.value_or(c.backColor())) << name;
        EXPECT_EQ(c.foreColor(), fore.value_or(c.foreColor())) << name;
    }
}

// Every control lies inside the form's client area.
void expectInside(const Form& form, bool containedToo)
{
    for (Control* c : form.controls()) {
        if (c->container() && !containedToo) continue;
        EXPECT_GE(c->left(), 0) << c->name();
        EXPECT_GE(c->top(), 0) << c->name();
        EXPECT_LE(c->left() + c->width(), form.clientWidth()) << c->name();
        EXPECT_LE(c->top() + c->height(), form.clientHeight()) << c->name();
    }
}

// The colour screen's lists, and the positions they open on when the file holds no colours.
constexpr const char* kColourLists[] = {"cbo_LnBackGrnd", "cbo_LnText",   "cbo_LnHiTxt",   "cbo_InvBackGrnd",
                                        "cbo_InvText",    "cbo_InvHiTxt", "cbo_TextBoxBG", "cbo_LnButBG",
                                        "cbo_LnButTxt",   "cbo_invButBG", "cbo_invButTxt"};
const std::vector<int> kDefaultLists{11, 4, 1, 11, 4, 1, 17, 11, 0, 11, 0};
// The lists a scheme is chosen with: all but the button texts, which follow the button faces.
constexpr const char* kSchemeLists[] = {"cbo_LnBackGrnd", "cbo_LnText",   "cbo_LnHiTxt",   "cbo_InvBackGrnd",
                                        "cbo_InvText",    "cbo_InvHiTxt", "cbo_TextBoxBG", "cbo_Pesets",
                                        "cbo_LnButBG",    "cbo_invButBG"};

std::vector<int> listsOf(const Form& c)
{
    std::vector<int> positions;
    for (const char* name : kColourLists) positions.push_back(c.combo(name).listIndex());
    return positions;
}

// A screen opened on a settings file: what it shows after a user's first acts, then what a save writes. Acts,
// texts and keys are "name=value; ..." lists (see act() and shown()).
struct ScreenCase {
    const char* name;
    std::optional<std::string> file = {};  // the settings file the program starts with
    const char* acts = "";                 // done first
    const char* shown = "";                // then shown
    const char* displayed = "";            // boxes' texts as displayed
    const char* positions = "";            // lists' positions; -1: no entry chosen
    std::vector<Colour> colours = {};
    std::vector<int> lists = {};            // the colour screen's lists (kColourLists)
    std::optional<bool> listsEnabled = {};  // whether a scheme can be chosen (kSchemeLists)
    const char* saving = "";                // then done, ending with a save that goes through without a question
    std::optional<std::string> saved = {};  // the whole file after it
    std::string savedStart = {};            // how the file starts after it
    const char* keys = "";                  // keys read back after it
};

void expectScreen(const ScreenCase& c, Form& (*open)(TestProgram&))
{
    TestProgram t(c.file.value_or(""), c.file.has_value());
    Form& form = open(t);
    act(form, c.acts);
    expectShown(form, c.shown);
    for (const auto& [name, text] : pairs(c.displayed)) EXPECT_EQ(form.box(name).display(), text) << name;
    for (const auto& [name, at] : pairs(c.positions)) EXPECT_EQ(form.combo(name).listIndex(), std::stoi(at)) << name;
    expectColours(form, c.colours);
    if (!c.lists.empty()) {
        EXPECT_EQ(listsOf(form), c.lists);
    }
    if (c.listsEnabled) {
        for (const char* name : kSchemeLists) EXPECT_EQ(form.combo(name).enabled(), *c.listsEnabled) << name;
    }
    if (!*c.saving) return;

    act(form, c.saving);
    EXPECT_TRUE(t.messages().empty());
    EXPECT_FALSE(form.loaded());
    const std::string after = savedText(t);
    if (c.saved) {
        EXPECT_EQ(after, *c.saved);
    }
    EXPECT_EQ(after.rfind(c.savedStart, 0), 0u) << after;
    if (c.file && c.file->find('\r') == std::string::npos) {
        EXPECT_EQ(after.find('\r'), std::string::npos) << "a file with LF line ends keeps them";
    }
    const ProfileFile ini = settingsOf(t);
    for (const auto& [key, value] : pairs(c.keys)) EXPECT_EQ(ini.readString(kIniSection, key), value) << key;
}

std::string nameOf(const ::testing::TestParamInfo<ScreenCase>& info)
{
    return info.param.name;
}
void PrintTo(const ScreenCase& c, std::ostream* os)
{
    *os << c.name;
}

// ---- the settings editor ----------------------------------------------------------------------------

// The editor showing the values the program starts with when the file holds none.
void expectStartUpValues(const Form& ed)
{
    for (const auto& [name, text] :
         pairs("txt_LnAmt=$100,000.00; txt_LnDur=15; txt_BF1xAmt=$100,000.00; txt_BFmoAmt=$1,000.00; "
               "txt_BFyrAmt=$10,000.00; txt_BFDur=10; txt_AnnuityAmt=$30,000.00; txt_AnnuityDur=25"))
        EXPECT_EQ(ed.box(name).display(), text) << name;
    expectShown(ed,
                "combo_LnInt=8.000; combo_BFInt=10.000; combo_AnnuityInt=7.500; opt_loan=1; opt_invest=0; opt_year=1; "
                "opt_month=0");
}

class EditorOnAFile : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(EditorOnAFile, ShowsAndSavesIt)
{
    expectScreen(GetParam(), openEditor);
}

const ScreenCase kEditorCases[] = {
    {.name = "WithoutAFileSavingWritesTheThirteenKeys", .saving = "btn_save", .saved = kEditorDefaultsText},
    {.name = "ShowsTheFilesValues",
     .file = ini("LoanAmount=250000; LoanDuration=30; LoanInterest=64; InvestBFamt1x=5000; InvestBFamtMo=200; "
                 "InvestBFamtYr=2400; InvestBFduration=12; InvestBFInt=80; InvestAnnuityAmt=300000; "
                 "InvestAnnuityDuration=20; InvestAnnuityInt=60; MenuStart=2; DurationType=1"),
     .shown = "txt_LnAmt=250000; txt_LnDur=30; combo_LnInt=8.000; txt_BF1xAmt=5000; txt_BFmoAmt=200; txt_BFyrAmt=2400; "
              "txt_BFDur=12; combo_BFInt=10.000; txt_AnnuityAmt=300000; txt_AnnuityDur=20; combo_AnnuityInt=7.500; "
              "opt_invest=1; opt_month=1",
     .displayed = "txt_LnAmt=$250,000.00"},
    // The existing key keeps its line, the others are added after it.
    {.name = "Interest64ShowsAs8AndIsWrittenBackAs64",
     .file = ini("LoanInterest=64"),
     .shown = "combo_LnInt=8.000",
     .positions = "combo_LnInt=63",
     .saving = "btn_save",
     .savedStart = ini("LoanInterest=64; LoanAmount=100000"),
     .keys = "LoanInterest=64"},
    {.name = "Interest0ChoosesNoEntryAndWrites0",
     .file = ini("LoanInterest=0"),
     .shown = "combo_LnInt=",
     .positions = "combo_LnInt=-1",
     .saving = "btn_save",
     .keys = "LoanInterest=0"},
    {.name = "RateKeysOutsideTheListsChooseNoEntry",
     .file = ini("LoanInterest=201; InvestBFInt=-2147483648; InvestAnnuityInt=99999999999"),
     .positions = "combo_LnInt=-1; combo_BFInt=-1; combo_AnnuityInt=-1",
     .saving = "combo_BFInt=199; btn_save",
     .keys = "LoanInterest=0; InvestBFInt=200; InvestAnnuityInt=0"},
    // The start view and the duration unit follow their keys.
    {.name = "MenuStart1AndDurationType2StartOnLoansInYears",
     .file = ini("MenuStart=1; DurationType=2"),
     .shown = "opt_loan=1; opt_invest=0; opt_year=1; opt_month=0"},
    {.name = "MenuStart2AndDurationType3StartOnInvestmentsInYears",
     .file = ini("MenuStart=2; DurationType=3"),
     .shown = "opt_loan=0; opt_invest=1; opt_year=1; opt_month=0"},
    {.name = "MenuStart0AndDurationType1StartOnInvestmentsInMonths",
     .file = ini("MenuStart=0; DurationType=1"),
     .shown = "opt_loan=0; opt_invest=1; opt_year=0; opt_month=1"},
    {.name = "MenuStartAndDurationTypeThatAreNoNumbersStartOnInvestmentsInYears",
     .file = ini("MenuStart=x; DurationType="),
     .shown = "opt_loan=0; opt_invest=1; opt_year=1; opt_month=0"},
    {.name = "SavesTheUsersChoicesInTheirOrder",
     .saving = "txt_LnAmt=250000; combo_LnInt=47; txt_LnDur=30; txt_BF1xAmt=5000; txt_BFmoAmt=250; txt_BFyrAmt=3000; "
               "txt_BFDur=20; combo_BFInt=0; txt_AnnuityAmt=500000; txt_AnnuityDur=25; combo_AnnuityInt=199; "
               "opt_invest; opt_month; btn_save",
     .saved = ini("LoanAmount=250000; LoanInterest=48; LoanDuration=30; InvestBFamt1x=5000; InvestBFamtMo=250; "
                  "InvestBFamtYr=3000; InvestBFduration=20; InvestBFInt=1; InvestAnnuityAmt=500000; "
                  "InvestAnnuityDuration=25; InvestAnnuityInt=200; MenuStart=2; DurationType=1")},
    {.name = "SavingKeepsTheFilesOtherLinesAndItsAnnuityPayment",
     .file = "; my settings\n[TarvolinDefaults]\nInvestAnnuityPayment=4500\nUseWindowDefaults=1\nLoanAmount=100000\n",
     .saving = "btn_save",
     .savedStart = "; my "
                   "settings\n[TarvolinDefaults]\nInvestAnnuityPayment=4500\nUseWindowDefaults=1\nLoanAmount="
                   "100000\nLoanInterest=64\n"},
    {.name = "TextsThatReadBackAsTheyShowAreSavedWithoutAQuestion",
     .saving = "txt_LnAmt=250000; txt_LnDur=30.0; txt_BF1xAmt=; txt_BFmoAmt=-3; btn_save",
     .keys = "LoanDuration=30.0; InvestBFamt1x="},
};

INSTANTIATE_TEST_SUITE_P(IniFileEditor, EditorOnAFile, ::testing::ValuesIn(kEditorCases), nameOf);

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
    const std::string before = ini("LoanAmount=5; LoanInterest=3; InvestBFduration=2; MenuStart=2; DurationType=1");
    TestProgram t = TestProgram::withSettings(before);
    Form& ed = openEditor(t);
    act(ed, "txt_AnnuityDur=7; combo_AnnuityInt=0; btn_defaults");
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

TEST(IniFileEditor, SavingLeavesTheRunningMainScreenAlone)
{
    TestProgram t;
    Form& ed = openEditor(t);
    act(ed, "txt_LnAmt=5000; opt_invest; btn_save");
    EXPECT_EQ(t.m().startup().loanAmount, 100000);
    EXPECT_TRUE(t.m().inLoanView());
    // The saved values take effect at the next reset.
    t.m().menu("mnu_IniReset").userChoose();
    EXPECT_EQ(t.m().startup().loanAmount, 5000);
    EXPECT_FALSE(t.m().inLoanView());
}

TEST(IniFileEditor, CancelAfterEditingWritesNothing)
{
    const std::string before = ini("LoanAmount=7");
    TestProgram t = TestProgram::withSettings(before);
    Form& ed = openEditor(t);
    act(ed, "txt_LnAmt=9999; opt_invest; btn_close");
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
    t.cwd.write(kIni, ini("LoanAmount=4321"));
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
    act(ed, "txt_LnAmt=100,000; txt_BFDur=12.5");
    t.platform.queueAnswer(kAnswerNo);
    ed.button("btn_save").userClick();
    const PlatformRecord question = onlyMessage(t.platform);
    EXPECT_EQ(question.text,
              "Loan Amount \"100,000\" will be read back as 100\n"
              "Build Fund Duration \"12.5\" will be read back as 12\n"
              "\n"
              "Do you want to save the values as typed?");
    EXPECT_EQ(question.title, "input Error");
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
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

TEST(IniFileEditor, TextThatIsNoNumberIsAskedAbout)
{
    TestProgram t;
    Form& ed = openEditor(t);
    act(ed, "txt_AnnuityAmt=$5,000; txt_AnnuityDur=abc; btn_save");  // the platform answers No
    EXPECT_EQ(onlyMessage(t.platform).text,
              "Annuity Amount \"$5,000\" will be read back as 0\n"
              "Annuity Duration \"abc\" will be read back as 0\n"
              "\n"
              "Do you want to save the values as typed?");
    EXPECT_TRUE(ed.loaded());
}

TEST(IniFileEditor, FailedSaveSaysSoAndKeepsTheUsersChoices)
{
    const std::string before = ini("LoanAmount=7");
    TestProgram t = TestProgram::withSettings(before);
    RefusingFileSystem fs;
    t.program->setFileSystem(fs);
    Form& ed = openEditor(t);
    EXPECT_EQ(ed.box("txt_LnAmt").text(), "7");
    act(ed, "txt_LnAmt=9000; opt_month; btn_save");
    EXPECT_EQ(fs.attempts, 1);
    const PlatformRecord failed = onlyMessage(t.platform);
    EXPECT_EQ(failed.text,
              saveFailedMessage((t.cwd.path() / kIni).string(), finishedText(RefusingFileSystem::kFullDisk)).english());
    EXPECT_EQ(failed.title, "Tarvolin");
    EXPECT_EQ(failed.buttons, MsgButtons::Ok);
    EXPECT_EQ(failed.icon, MsgIcon::Exclamation);
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
    // Every control (but those inside frames) lies inside the client area, and labels sit level with their inputs.
    expectInside(ed, false);
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
    EXPECT_EQ(onlyMessage(platform).text,
              saveFailedMessage(file, finishedText("it is a named pipe, not a file")).english());
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
        const PlatformRecord failed = onlyMessage(platform);
        EXPECT_EQ(failed.text, readFailedMessage(file, finishedText("it is a named pipe, not a file")).english());
        EXPECT_EQ(failed.title, "Tarvolin");
        platform.clearRecords();
        program.mervane().menu("mnu_IniReset").userChoose();
    }
}

TEST(SettingsFile, StartUpAndResetReadTheFileOnceEach)
{
    TempCwd cwd;
    MemoryFileSystem fs;
    fs.files[kIni] = ini("LoanAmount=5; LoanBkgrndColor=13");
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

class ColoursOnAFile : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(ColoursOnAFile, ShowsAndSavesThem)
{
    expectScreen(GetParam(), openColors);
}

const ScreenCase kColourCases[] = {
    {.name = "Preset5WithInvestSetsOnlyTheInvestmentListsAndTheTextboxList",
     .acts = "opt_invest; cbo_Pesets=5",
     .shown = "cbo_InvBackGrnd=Pale Green; cbo_InvText=Black; cbo_InvHiTxt=Blue; cbo_TextBoxBG=Lt Orange; "
              "cbo_LnBackGrnd=Lt Gray; cbo_LnText=Blue; cbo_LnHiTxt=Red",
     .colours = {{"lbl_invSample", 0x00D9FFD9u, kBlack},
                 {"lbl_invHiSample", {}, 0x00FF0000u},
                 {"cbo_Sample", 0x00C0E0FFu}}},
    // The samples show the desktop's own colours, the button samples stay.
    {.name = "TickingWindowDefaultsDisablesTheListsAndShowsDesktopColours",
     .acts = "cbo_LnButBG=5; chk_WinDefaults",
     .colours = {{"lbl_lnSample", syscolor::kApplicationWorkspace, syscolor::kWindowText},
                 {"lbl_invSample", syscolor::kApplicationWorkspace, syscolor::kWindowText},
                 {"lbl_LnHiSample", syscolor::kApplicationWorkspace, syscolor::kHighlightText},
                 {"lbl_invHiSample", syscolor::kApplicationWorkspace, syscolor::kHighlightText},
                 {"cbo_Sample", syscolor::kWindowBackground, syscolor::kWindowText},
                 {"lbl_LnButSample", 0x00FF00FFu}},
     .listsEnabled = false},
    {.name = "UntickingWindowDefaultsEnablesTheListsAndRefreshesTheSamples",
     .acts = "cbo_LnBackGrnd=9; cbo_InvHiTxt=2; cbo_TextBoxBG=13; chk_WinDefaults; chk_WinDefaults",
     .shown = "chk_WinDefaults=0",
     .colours = {{"lbl_lnSample", 0x00000080u, 0x00FF0000u},
                 {"lbl_LnHiSample", 0x00000080u, 0x000000FFu},
                 {"lbl_invSample", 0x00E0E0E0u, 0x00FF0000u},
                 {"lbl_invHiSample", {}, 0x0000FF00u},
                 {"cbo_Sample", 0x00C0FFFFu}},
     .listsEnabled = true},
    {.name = "OpensWithWindowDefaultsTickedAndTheListsDisabledOnPreset0",
     .file = ini("UseWindowDefaults=1; LoanBkgrndColor=9"),
     .shown = "chk_WinDefaults=1",
     .positions = "cbo_Pesets=0",
     .colours = {{"lbl_lnSample", syscolor::kApplicationWorkspace}, {"cbo_Sample", syscolor::kWindowBackground}},
     .lists = kDefaultLists,
     .listsEnabled = false},
    {.name = "OtherWindowDefaultsNumbersShowGreyed", .file = ini("UseWindowDefaults=7"), .shown = "chk_WinDefaults=2"},
    {.name = "SaveWithWindowDefaultsWritesOnlyTheFlagAndKeepsTheColourKeys",
     .file = ini("LoanBkgrndColor=9; UseWindowDefaults=0"),
     .saving = "chk_WinDefaults; Btn_S_C",
     .saved = ini("LoanBkgrndColor=9; UseWindowDefaults=1")},
    // Black is not in the textbox list; a button face outside its list shows as Dk Gray, and is saved as Dk Gray's 8.
    {.name = "DesktopColourInATextKeyLeavesTheListWithoutAnEntryAndTheKeyAsItWas",
     .file = ini("LoanTxtColor=22; InvestHiTxtColor=21; TextBoxBgColor=0; LoanButtonColor=57"),
     .shown = "cbo_LnButBG=Dk Gray",
     .positions = "cbo_LnText=-1; cbo_InvHiTxt=-1; cbo_TextBoxBG=-1",
     .saving = "Btn_S_C",
     .keys = "LoanTxtColor=22; InvestHiTxtColor=21; TextBoxBgColor=0; LoanButtonColor=8"},
};

INSTANTIATE_TEST_SUITE_P(ColorScreen, ColoursOnAFile, ::testing::ValuesIn(kColourCases), nameOf);

TEST(ColorScreen, OpensShowingTheSchemeInEffect)
{
    TestProgram t;
    Form& c = openColors(t);
    ASSERT_TRUE(c.loaded());
    EXPECT_TRUE(c.modal());
    EXPECT_EQ(c.caption(), "Colors");
    EXPECT_EQ(c.backColor(), 0x00E0E0E0u);
    EXPECT_EQ(listsOf(c), kDefaultLists);
    expectShown(c,
                "cbo_Pesets=Boring Grey - Default; cbo_LnBackGrnd=Lt Gray; cbo_TextBoxBG=Pale Green; "
                "chk_WinDefaults=0; opt_loan=1");
    for (const char* name : kSchemeLists) EXPECT_TRUE(c.combo(name).enabled()) << name;
    EXPECT_FALSE(c.combo("cbo_LnButTxt").enabled());
    EXPECT_FALSE(c.combo("cbo_invButTxt").enabled());
    expectColours(c, {{"lbl_lnSample", 0x00E0E0E0u, 0x00FF0000u},
                      {"lbl_LnHiSample", {}, 0x000000FFu},
                      {"cbo_Sample", 0x00D9FFD9u},
                      {"lbl_LnButSample", 0x00E0E0E0u}});
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
    const Color tan = t.program->module1().gTanColor;
    const struct {
        const char* list;
        int pick;
        std::vector<Colour> samples;
    } picks[] = {
        {"cbo_LnBackGrnd", 9, {{"lbl_lnSample", 0x00000080u}, {"lbl_LnHiSample", 0x00000080u}}},
        {"cbo_LnText", 6, {{"lbl_lnSample", {}, 0x00FFFF00u}}},
        {"cbo_LnHiTxt", 3, {{"lbl_LnHiSample", {}, 0x0000FFFFu}}},
        {"cbo_InvBackGrnd", 19, {{"lbl_invSample", tan}, {"lbl_invHiSample", tan}}},
        {"cbo_InvText", 7, {{"lbl_invSample", {}, 0x00FFFFFFu}}},
        {"cbo_InvHiTxt", 5, {{"lbl_invHiSample", {}, 0x00FF00FFu}}},
        {"cbo_LnButBG", 23, {{"lbl_LnButSample", 0x8000000Fu, kBlack}}},
        {"cbo_invButBG", 12, {{"lbl_invButSample", 0x008080FFu}}},
        {"cbo_TextBoxBG", 0, {{"cbo_Sample", 0x000000FFu}}},  // entry 0 is Red
    };
    for (const auto& p : picks) {
        c.combo(p.list).userPick(p.pick);
        expectColours(c, p.samples);
    }
    EXPECT_FALSE(fileExists(t));
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
    EXPECT_EQ(listsOf(c), kDefaultLists);
}

TEST(ColorScreen, PresetWhileWindowDefaultsAreTickedChangesNothing)
{
    TestProgram t;
    Form& c = openColors(t);
    c.check("chk_WinDefaults").userClick();
    c.combo("cbo_Pesets").setListIndex(3);  // the list is disabled: only code can choose
    EXPECT_EQ(listsOf(c), kDefaultLists);
    EXPECT_EQ(c.label("lbl_lnSample").backColor(), syscolor::kApplicationWorkspace);
}

TEST(ColorScreen, SaveWritesTheChosenPositions)
{
    TestProgram t;
    Form& c = openColors(t);
    act(c, "cbo_Pesets=2; opt_invest; cbo_Pesets=6; cbo_LnButBG=17; cbo_TextBoxBG=0");
    c.button("Btn_S_C").userClick();
    EXPECT_FALSE(c.loaded());
    EXPECT_EQ(savedText(t),
              ini("UseWindowDefaults=0; LoanBkgrndColor=10; LoanTxtColor=6; LoanHiTxtColor=3; InvestBkgrndColor=19; "
                  "InvestTxtColor=0; InvestHiTxtColor=1; TextBoxBgColor=1; LoanButtonColor=17; LoanButtonTxtColor=0; "
                  "InvestButtonColor=11; InvestButtonTxtColor=0"));
    // Saving changes only the file: the running colours stay until the next reset.
    EXPECT_EQ(t.program->module1().colors.gLoanBkgrndColor, 0x00E0E0E0u);
    t.m().menu("mnu_IniReset").userChoose();
    EXPECT_EQ(t.program->module1().colors.gLoanBkgrndColor, 0x00008000u);
    EXPECT_EQ(t.program->module1().colors.gTextBoxBgColor, 0x000000FFu);
}

TEST(ColorScreen, BlackButtonFaceIsRefused)
{
    TestProgram t;
    Form& c = openColors(t);
    act(c, "cbo_LnButBG=0; Btn_S_C");
    const PlatformRecord refused = onlyMessage(t.platform);
    EXPECT_EQ(refused.text, "Background and Text are the same color");
    EXPECT_EQ(refused.title, "input Error");
    EXPECT_EQ(refused.buttons, MsgButtons::Ok);
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

    act(c, "cbo_LnText=4; cbo_invButBG=0; Btn_S_C");
    EXPECT_EQ(t.messages(), refused) << "an investment button face of Black is refused too";
    act(c, "cbo_invButBG=11; cbo_InvHiTxt=11; Btn_S_C");
    EXPECT_EQ(t.messages(), refused) << "and an investment background equal to its highlighted text";
    EXPECT_FALSE(fileExists(t));
}

TEST(ColorScreen, TestThenCancelKeepsTheTestedColoursAndPreset)
{
    TestProgram t;
    Mervane& m = t.m();
    Form& c = openColors(t);
    act(c, "cbo_Pesets=1; cbo_LnButBG=15; but_testScheme");
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
    // The main screen is repainted in the tested scheme, the solved-for label highlighted.
    EXPECT_EQ(m.backColor(), 0x00000080u);
    expectColours(m, {{"lbl_Time", {}, 0x00FFFF00u},
                      {"lbl_Payment", {}, 0x0000FFFFu},
                      {"opt_payment", {}, kWhite},
                      {"fp_Prin", 0x00C0E0FFu},
                      {"btn_Calc", 0x00FFFFC0u}});

    c.button("btn_cancel").userClick();
    EXPECT_FALSE(c.loaded());
    EXPECT_FALSE(fileExists(t));
    EXPECT_EQ(m.backColor(), 0x00000080u);

    openColors(t);
    EXPECT_EQ(c.combo("cbo_Pesets").text(), "DkRed - Cyan - Yellow ");
    EXPECT_EQ(listsOf(c), (std::vector<int>{9, 6, 3, 11, 4, 1, 16, 15, 0, 11, 0}));
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
    TestProgram t = TestProgram::withSettings(ini("UseWindowDefaults=2; LoanBkgrndColor=9"));
    EXPECT_EQ(t.program->module1().colors.gLoanBkgrndColor, 0x00000080u) << "2 is not 1: the colour keys are read";
    Form& c = openColors(t);
    EXPECT_EQ(c.check("chk_WinDefaults").value(), 2);
    for (const char* name : kSchemeLists) EXPECT_FALSE(c.combo(name).enabled()) << name;
    c.button("Btn_S_C").userClick();
    EXPECT_TRUE(t.platform.messages().empty());
    EXPECT_EQ(settingsOf(t).readString(kIniSection, "UseWindowDefaults"), "2");
    EXPECT_EQ(settingsOf(t).readString(kIniSection, "LoanBkgrndColor"), "9");
}

TEST(ColorScreen, FailedSaveSaysSoAndKeepsTheUsersChoices)
{
    TestProgram t;
    RefusingFileSystem fs;
    t.program->setFileSystem(fs);
    Form& c = openColors(t);
    act(c, "cbo_LnBackGrnd=13; Btn_S_C");
    const PlatformRecord failed = onlyMessage(t.platform);
    EXPECT_EQ(failed.text,
              saveFailedMessage(t.cwd.configFile().string(), finishedText(RefusingFileSystem::kFullDisk)).english());
    EXPECT_EQ(failed.icon, MsgIcon::Exclamation);
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
    expectInside(c, true);
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
