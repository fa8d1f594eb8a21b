#include "settings/ini_file_form.h"

#include <optional>

#include "app/links.h"
#include "app/messages.h"
#include "app/program.h"
#include "app/rate_list.h"
#include "common/numbers.h"
#include "common/user_text.h"
#include "settings/ini_file_controls.h"
#include "settings/profile.h"
#include "settings/save_failed.h"
#include "settings/schema.h"

namespace tv {

namespace {

using namespace ini_file_layout;

// The editor's boxes and rate lists in the order they are saved, each with the key it shows and, for a box,
// how the editor's question names its value.
struct Field {
    IniFile::AnyName control;
    SettingKey key;
    UserText (*what)() = nullptr;  // marked for the translations where it is written
};
constexpr Field kFields[] = {
    {"txt_LnAmt", SettingKey::LoanAmount, []() -> UserText { return userText<"Loan Amount">(); }},
    {"combo_LnInt", SettingKey::LoanInterest},
    {"txt_LnDur", SettingKey::LoanDuration, []() -> UserText { return userText<"Loan Duration">(); }},
    {"txt_BF1xAmt", SettingKey::InvestBFamt1x, []() -> UserText { return userText<"Build Fund 1x Amount">(); }},
    {"txt_BFmoAmt", SettingKey::InvestBFamtMo, []() -> UserText { return userText<"Build Fund Monthly Amount">(); }},
    {"txt_BFyrAmt", SettingKey::InvestBFamtYr, []() -> UserText { return userText<"Build Fund Yearly Amount">(); }},
    {"txt_BFDur", SettingKey::InvestBFduration, []() -> UserText { return userText<"Build Fund Duration">(); }},
    {"combo_BFInt", SettingKey::InvestBFInt},
    {"txt_AnnuityAmt", SettingKey::InvestAnnuityAmt, []() -> UserText { return userText<"Annuity Amount">(); }},
    {"txt_AnnuityDur", SettingKey::InvestAnnuityDuration, []() -> UserText { return userText<"Annuity Duration">(); }},
    {"combo_AnnuityInt", SettingKey::InvestAnnuityInt},
};

constexpr bool isBox(const Field& f)
{
    return setting(f.key).type == SettingType::Amount || setting(f.key).type == SettingType::Duration;
}

// Each field's control is of the kind its setting's type needs; boxOf and ratesOf rely on it.
constexpr bool fieldsMatchTheirControls()
{
    for (const Field& f : kFields) {
        Kind kind = kIniFileControls[f.control.index()].kind;
        bool rate = setting(f.key).type == SettingType::RateSetting;
        if (isBox(f) ? kind != Kind::MaskedBox : !rate || kind != Kind::ComboList) return false;
    }
    return true;
}
static_assert(fieldsMatchTheirControls(), "an amount or duration shows in a box, a rate in a list");

// The two choices, saved after the fields: the option meaning 1 and the one shown for any other value.
struct Choice {
    IniFile::NameOf<Kind::OptionButton> one;
    IniFile::NameOf<Kind::OptionButton> other;
    SettingKey key;
};
constexpr Choice kChoices[] = {
    {"opt_loan", "opt_invest", SettingKey::MenuStart},
    {"opt_month", "opt_year", SettingKey::DurationType},
};

}  // namespace

IniFile::IniFile(Program& program) : DeclaredForm(program.app(), "IniFile"), m_program(program)
{
    setCaption(formText<"IniFile", "Ini File Settings - Tarvolin">());
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
        if (isBox(f)) boxOf(f.control).setAlignment(Alignment::Right);
    option("opt_loan").setValue(true);
    option("opt_year").setValue(true);
    button("btn_close").setCancel(true);
    setInputErrorStyle(inputErrorTitle());
    bindHandlers();
}

void IniFile::bindHandlers()
{
    bind("Form_Load", [this] { Form_Load(); });
    bind("Form_Unload", [this](EventArgs& args) { Form_Unload(args); });
    bind("btn_save_Click", [this] { btn_save_Click(); });
    bind("btn_close_Click", [this] { btn_close_Click(); });
    bind("btn_colors_Click", [this] { btn_colors_Click(); });
    bind("btn_defaults_Click", [this] { btn_defaults_Click(); });
    // Each box selects its whole text when it receives the focus, so typing replaces the value.
    for (const Field& f : kFields) {
        if (!isBox(f)) continue;
        MaskedBox& bx = boxOf(f.control);
        bind(bx.name() + "_GotFocus", [&bx] { bx.setSelection(0, static_cast<int>(bx.text().size())); });
    }
}

void IniFile::Form_Load()
{
    m_program.module1().CenterForm(*this, -1300, 250);
    m_program.mainScreen().setToolPressed(MainTool::IniFile, true);

    for (const Field& f : kFields)
        if (!isBox(f)) ratesOf(f.control).fill();
    ProfileFile ini(m_program.settingsPath(), m_program.fileSystem());
    // A missing key shows the value the program starts with, so saving keeps what it already used.
    showValues([&ini](SettingKey key) { return readSetting(ini, key); });
}

void IniFile::showValues(const std::function<std::int32_t(SettingKey)>& valueOf)
{
    for (const Field& f : kFields) {
        std::int32_t value = valueOf(f.key);
        if (isBox(f)) {
            boxOf(f.control).setText(std::to_string(value));
        } else {
            RateList rates = ratesOf(f.control);
            rates.choose(rates.indexOfSetting(value));
        }
    }
    for (const Choice& c : kChoices) option(valueOf(c.key) == 1 ? c.one : c.other).setValue(true);
}

void IniFile::btn_defaults_Click()
{
    showValues([](SettingKey key) { return startupDefault(key); });
}

void IniFile::Form_Unload(EventArgs&)
{
    m_program.mainScreen().setToolPressed(MainTool::IniFile, false);
}

std::vector<UserText> IniFile::misreadBoxes() const
{
    std::vector<UserText> lines;
    for (const Field& f : kFields) {
        if (!isBox(f)) continue;
        const std::string& text = boxOf(f.control).text();
        std::int32_t readBack = ProfileFile::intOf(text);
        std::optional<double> shown = parseBoxValue(text);
        if (shown && *shown == static_cast<double>(readBack)) continue;
        lines.push_back(composeText<"%1 \"%2\" will be read back as %3">(f.what(), text, std::to_string(readBack)));
    }
    return lines;
}

void IniFile::btn_save_Click()
{
    Module1& m = m_program.module1();
    // The file keeps each box's text as typed; a text its readers would take for another number is
    // saved only when the user says so.
    std::vector<UserText> misread = misreadBoxes();
    if (!misread.empty()) {
        UserText text;
        for (const UserText& line : misread) text = textLines(std::move(text), line);
        text = textLines(std::move(text), userText<"Do you want to save the values as typed?">(), "\n\n");
        m.msgAnswer = msgBox(text, MsgButtons::YesNo, MsgIcon::Question, inputErrorTitle());
        if (m.msgAnswer != kAnswerYes) return;
    }

    std::vector<std::pair<std::string, std::string>> keys;
    for (const Field& f : kFields) {
        std::string value;
        if (isBox(f)) {
            value = boxOf(f.control).text();  // as typed
        } else {
            RateList rates = ratesOf(f.control);
            value = std::to_string(rates.settingOf(rates.index()));  // 0 when no entry is chosen
        }
        keys.emplace_back(keyName(f.key), std::move(value));
    }
    for (const Choice& c : kChoices) keys.emplace_back(keyName(c.key), option(c.one).value() ? "1" : "2");
    if (m_program.saveSettings(*this, keys)) unload();
}

MaskedBox& IniFile::boxOf(AnyName name) const
{
    return static_cast<MaskedBox&>(control(name));
}

RateList IniFile::ratesOf(AnyName name) const
{
    return RateList(static_cast<ComboList&>(control(name)), RateScale::Editor);
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
