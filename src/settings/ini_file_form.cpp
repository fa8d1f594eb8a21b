#include "settings/ini_file_form.h"

#include <optional>

#include "app/links.h"
#include "app/program.h"
#include "app/rate_list.h"
#include "common/numbers.h"
#include "settings/messages.h"
#include "settings/profile.h"
#include "settings/save_failed.h"
#include "settings/schema.h"

namespace tv {

namespace {

constexpr const char* kMoney = "$#,##0.00;($#,##0.00)";
constexpr const char* kCount = "#,##0";

// Twips inside the form's client area, laid out for the 8 pt dialog font. Rows of both groups share
// one grid so the loan inputs line up with the investment inputs beside them.
constexpr int kMargin = 240;
constexpr int kRowHeight = 315;
constexpr int kPitch = 420;
constexpr int kFirstRow = 960;
constexpr int kLabelDrop = 45;  // a label's text sits level with the text in the box beside it
constexpr int kLabelHeight = 255;
constexpr int kInputWidth = 1560;
constexpr int kButtonWidth = 1440;
constexpr int kButtonHeight = 360;

// Left half: the two start-up frames, the loan group and the buttons.
constexpr int kFrameTop = 600;
constexpr int kFrameWidth = 1800;
constexpr int kFrameGap = 120;
constexpr int kLoanLabelWidth = 1020;
constexpr int kLoanInputLeft = kMargin + kLoanLabelWidth + 60;
// Right half: the investment group, labels at one edge and the eight inputs in one column.
constexpr int kInvestLeft = kMargin + 2 * kFrameWidth + kFrameGap + 480;
constexpr int kInvestLabelWidth = 2280;
constexpr int kInvestInputLeft = kInvestLeft + kInvestLabelWidth + 60;

constexpr int kClientWidth = kInvestInputLeft + kInputWidth + kMargin;
constexpr int kClientHeight = kFirstRow + 7 * kPitch + kButtonHeight + kMargin;

constexpr int row(int i)
{
    return kFirstRow + i * kPitch;
}
constexpr Rect loanLabel(int i)
{
    return {kMargin, row(i) + kLabelDrop, kLoanLabelWidth, kLabelHeight};
}
constexpr Rect loanInput(int i)
{
    return {kLoanInputLeft, row(i), kInputWidth, kRowHeight};
}
constexpr Rect investLabel(int i)
{
    return {kInvestLeft, row(i) + kLabelDrop, kInvestLabelWidth, kLabelHeight};
}
constexpr Rect investInput(int i)
{
    return {kInvestInputLeft, row(i), kInputWidth, kRowHeight};
}
constexpr Rect frameOption(int i)
{
    return {180, 300 + i * 300, kFrameWidth - 300, kLabelHeight};
}

constexpr Rect kLoanHeading{kMargin, row(2) + kLabelDrop, 2 * kFrameWidth + kFrameGap, kLabelHeight};
constexpr Rect kInvestHeading{kInvestLeft, kFrameTop, kInvestLabelWidth + 60 + kInputWidth, kLabelHeight};
// "Colors" to the right of "&Cancel".
constexpr Rect kColorsButton{kMargin + kButtonWidth + kFrameGap, row(7), kButtonWidth, kButtonHeight};

const ControlDecl kControls[] = {
    {Kind::Label, "Label14", "", "Tarvolin Ini File Settings", {kMargin, 150, kClientWidth - 2 * kMargin, 345}},

    {Kind::Frame, "Frame1", "", "Star with:", {kMargin, kFrameTop, kFrameWidth, 960}},
    {Kind::OptionButton, "opt_loan", "Frame1", "Loan", frameOption(0)},
    {Kind::OptionButton, "opt_invest", "Frame1", "Investment", frameOption(1)},
    {Kind::Frame, "Frame2", "", "Start Duration:", {kMargin + kFrameWidth + kFrameGap, kFrameTop, kFrameWidth, 960}},
    {Kind::OptionButton, "opt_year", "Frame2", "Year", frameOption(0)},
    {Kind::OptionButton, "opt_month", "Frame2", "Month", frameOption(1)},

    {Kind::Label, "Label1", "", "Loan Defaults", kLoanHeading},
    {Kind::Label, "Label2", "", "Amount:", loanLabel(3)},
    {Kind::MaskedBox, "txt_LnAmt", "", "", loanInput(3), "", kMoney},
    {Kind::Label, "Label3", "", "Interest:", loanLabel(4)},
    {Kind::ComboList, "combo_LnInt", "", "", loanInput(4)},
    {Kind::Label, "Label4", "", "Duration:", loanLabel(5)},
    {Kind::MaskedBox, "txt_LnDur", "", "", loanInput(5), "", kCount},

    {Kind::Label, "Label5", "", "Investment Defaults", kInvestHeading},
    {Kind::Label, "Label6", "", "Build Fund 1x Amount:", investLabel(0)},
    {Kind::MaskedBox, "txt_BF1xAmt", "", "", investInput(0), "", kMoney},
    {Kind::Label, "Label7", "", "Build Fund Monthly Amount:", investLabel(1)},
    {Kind::MaskedBox, "txt_BFmoAmt", "", "", investInput(1), "", kMoney},
    {Kind::Label, "Label8", "", "Build Fund Yearly Amount:", investLabel(2)},
    {Kind::MaskedBox, "txt_BFyrAmt", "", "", investInput(2), "", kMoney},
    {Kind::Label, "Label9", "", "Build Fund Interest:", investLabel(3)},
    {Kind::ComboList, "combo_BFInt", "", "", investInput(3)},
    {Kind::Label, "Label10", "", "Build Fund Duration:", investLabel(4)},
    {Kind::MaskedBox, "txt_BFDur", "", "", investInput(4), "", kCount},
    {Kind::Label, "Label11", "", "Annuity Amount:", investLabel(5)},
    {Kind::MaskedBox, "txt_AnnuityAmt", "", "", investInput(5), "", kMoney},
    {Kind::Label, "Label12", "", "Annuity Interest:", investLabel(6)},
    {Kind::ComboList, "combo_AnnuityInt", "", "", investInput(6)},
    {Kind::Label, "Label13", "", "Annuity Duration:", investLabel(7)},
    {Kind::MaskedBox, "txt_AnnuityDur", "", "", investInput(7), "", kCount},

    {Kind::CommandButton, "btn_save", "", "&Save && Close", {kMargin, row(6), kButtonWidth, kButtonHeight}},
    {Kind::CommandButton, "btn_close", "", "&Cancel", {kMargin, row(7), kButtonWidth, kButtonHeight}},
    {Kind::CommandButton, "btn_colors", "", "Colors", kColorsButton},
};

// The editor's fields in the order they are saved: the control showing a key and, for a box, how the
// editor's question names its value; for a choice, the option meaning 1 and the one meaning any other value.
struct Field {
    const char* control;
    SettingKey key;
    const char* what;
    const char* otherOption = nullptr;
};
const Field kFields[] = {
    {"txt_LnAmt", SettingKey::LoanAmount, "Loan Amount"},
    {"combo_LnInt", SettingKey::LoanInterest, nullptr},
    {"txt_LnDur", SettingKey::LoanDuration, "Loan Duration"},
    {"txt_BF1xAmt", SettingKey::InvestBFamt1x, "Build Fund 1x Amount"},
    {"txt_BFmoAmt", SettingKey::InvestBFamtMo, "Build Fund Monthly Amount"},
    {"txt_BFyrAmt", SettingKey::InvestBFamtYr, "Build Fund Yearly Amount"},
    {"txt_BFDur", SettingKey::InvestBFduration, "Build Fund Duration"},
    {"combo_BFInt", SettingKey::InvestBFInt, nullptr},
    {"txt_AnnuityAmt", SettingKey::InvestAnnuityAmt, "Annuity Amount"},
    {"txt_AnnuityDur", SettingKey::InvestAnnuityDuration, "Annuity Duration"},
    {"combo_AnnuityInt", SettingKey::InvestAnnuityInt, nullptr},
    {"opt_loan", SettingKey::MenuStart, nullptr, "opt_invest"},
    {"opt_month", SettingKey::DurationType, nullptr, "opt_year"},
};

SettingType typeOf(const Field& f)
{
    return setting(f.key).type;
}

bool isBox(const Field& f)
{
    return typeOf(f) == SettingType::Amount || typeOf(f) == SettingType::Duration;
}

}  // namespace

IniFile::IniFile(Program& program) : Form(program.app(), "IniFile", controlTable()), m_program(program)
{
    setCaption("Ini File Settings - Tarvolin");
    setRect({0, 0, kClientWidth + 2 * kBorderTwips, kClientHeight + kTitleBarTwips + 2 * kBorderTwips});
    Font title;
    title.size = 12;
    title.bold = true;
    label("Label14").setFont(title);
    label("Label14").setAlignment(Alignment::Center);
    Font heading;
    heading.bold = true;
    label("Label1").setFont(heading);
    label("Label5").setFont(heading);
    for (const Field& f : kFields)
        if (isBox(f)) box(f.control).setAlignment(Alignment::Right);
    option("opt_loan").setValue(true);
    option("opt_year").setValue(true);
    button("btn_close").setCancel(true);
    setInputErrorStyle(kInputErrorTitle);
    bindHandlers();
}

std::span<const ControlDecl> IniFile::controlTable()
{
    return kControls;
}

void IniFile::bindHandlers()
{
    bind("Form_Load", [this] { Form_Load(); });
    bind("Form_Unload", [this](EventArgs& args) { Form_Unload(args); });
    bind("btn_save_Click", [this] { btn_save_Click(); });
    bind("btn_close_Click", [this] { btn_close_Click(); });
    bind("btn_colors_Click", [this] { btn_colors_Click(); });
    // Each box selects its whole text when it receives the focus, so typing replaces the value.
    for (const Field& f : kFields) {
        if (!isBox(f)) continue;
        const char* name = f.control;
        bind(std::string(name) + "_GotFocus", [this, name] {
            MaskedBox& bx = box(name);
            bx.setSelection(0, static_cast<int>(bx.text().size()));
        });
    }
}

void IniFile::Form_Load()
{
    m_program.module1().CenterForm(*this, -1300, 250);
    m_program.mainScreen().setToolPressed(MainTool::IniFile, true);

    ProfileFile ini(Program::kIniFile, m_program.fileSystem());
    // Missing keys show the editor's own defaults, not the start-up ones.
    for (const Field& f : kFields) {
        std::int32_t value = readEditorSetting(ini, f.key);
        switch (typeOf(f)) {
            case SettingType::Amount:
            case SettingType::Duration:
                box(f.control).setText(std::to_string(value));
                break;
            case SettingType::RateSetting: {
                RateList rates(combo(f.control), RateScale::Editor);
                rates.fill();
                rates.choose(rates.indexOfSetting(value));
                break;
            }
            case SettingType::Choice:
                option(value == 1 ? f.control : f.otherOption).setValue(true);
                break;
            case SettingType::Flag:
            case SettingType::ColorPosition:
                break;
        }
    }
}

void IniFile::Form_Unload(EventArgs&)
{
    m_program.mainScreen().setToolPressed(MainTool::IniFile, false);
}

std::vector<std::string> IniFile::misreadBoxes() const
{
    std::vector<std::string> lines;
    for (const Field& f : kFields) {
        if (!isBox(f)) continue;
        const std::string& text = box(f.control).text();
        std::int32_t readBack = ProfileFile::intOf(text);
        std::optional<double> shown = parseBoxValue(text);
        if (shown && *shown == static_cast<double>(readBack)) continue;
        lines.push_back(std::string(f.what) + " \"" + text + "\" will be read back as " + std::to_string(readBack));
    }
    return lines;
}

void IniFile::btn_save_Click()
{
    Module1& m = m_program.module1();
    // The file keeps each box's text as typed; a text its readers would take for another number is
    // saved only when the user says so.
    std::vector<std::string> misread = misreadBoxes();
    if (!misread.empty()) {
        std::string text;
        for (const std::string& line : misread) text += line + "\n";
        text += "\nDo you want to save the values as typed?";
        m.msgAnswer = msgBox(text, MsgButtons::YesNo, MsgIcon::Question, kInputErrorTitle);
        if (m.msgAnswer != kAnswerYes) return;
    }

    std::vector<std::pair<std::string, std::string>> keys;
    for (const Field& f : kFields) {
        std::string value;
        switch (typeOf(f)) {
            case SettingType::Amount:
            case SettingType::Duration:
                value = box(f.control).text();  // as typed
                break;
            case SettingType::RateSetting: {
                RateList rates(combo(f.control), RateScale::Editor);
                value = std::to_string(rates.settingOf(rates.index()));  // 0 when no entry is chosen
                break;
            }
            case SettingType::Choice:
                value = option(f.control).value() ? "1" : "2";
                break;
            case SettingType::Flag:
            case SettingType::ColorPosition:
                continue;
        }
        keys.emplace_back(keyName(f.key), std::move(value));
    }
    ProfileFile ini(Program::kIniFile, m_program.fileSystem());
    bool saved = ini.writeStrings(kIniSection, keys);
    if (!saved) {
        m.msgAnswer = msgBox(kSaveFailedMessage, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    unload();
}

void IniFile::btn_close_Click()
{
    unload();
}

void IniFile::btn_colors_Click()
{
    m_program.colorScreen().show(true);
}

}  // namespace tv
