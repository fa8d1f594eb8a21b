#include "main_screen/mervane.h"

#include "main_screen/mervane_messages.h"

#include <cmath>

#include "app/program.h"
#include "common/formats.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "engine/loan.h"
#include "settings/colors.h"
#include "settings/profile.h"

namespace tv {

using mervane_messages::inputErrorTitle;

Mervane::Mervane(Program& program) : DeclaredForm(program.app(), "Mervane"), m_program(program)
{
    using namespace mervane_layout;
    setCaption(formText<"Mervane", "Financial Calculator - Loans">());
    setRect({0, 0, 11340 + 2 * kBorderTwips, 6120 + kTitleBarTwips + 2 * kBorderTwips + kMenuBarTwips});
    declareToolbar();
    toolbar("Toolbar1").setRect({0, 0, clientWidth(), 450});
    option(describe(m_loanOption).button).setValue(true);
    option(describe(m_investOption).button).setValue(true);
    option(kCompoundingButtons[0].button).setValue(true);
    option(kFrequencyButtons[0].button).setValue(true);
    for (LabelName name :
         NameList<Kind::Label>{"lbl_Prin", "lbl_IntRate", "lbl_Time", "lbl_Payment", "lbl_xpaystrt", "lbl_xpay",
                               "lbl_hipayoff", "lbl_IntRate_IA", "lbl_dur1", "lbl_lstPay", "lbl_totInt", "lbl_totPay"})
        label(name).setAlignment(Alignment::Right);
    for (NameOf<Kind::MaskedBox> name :
         NameList<Kind::MaskedBox>{"fp_Prin", "fp_Time", "fp_Payment", "fp_xpaystrt", "fp_xpay", "fp_hipayoff",
                                   "fp_totInt", "fp_totpay", "fp_totIntwX", "fp_totPaywX", "fp_lstPay", "fpRetFund"})
        box(name).setAlignment(Alignment::Right);
    for (NameOf<Kind::MaskedBox> name :
         NameList<Kind::MaskedBox>{"fp_totInt", "fp_totpay", "fp_totIntwX", "fp_totPaywX", "fp_lstPay", "fp_hipayoff"})
        box(name).setLocked(true);
    Font heading;
    heading.bold = true;
    for (LabelName name : NameList<Kind::Label>{"lbl_BldFund", "lbl_annuityPay", "lbl_combo", "lbl_wXP"})
        label(name).setFont(heading);
    label("lbl_wXP").setAlignment(Alignment::Right);
    label("lbl_exactRate").setAlignment(Alignment::Right);
    label("lbl_balloon").setVisible(false);
    button("btn_Calc").setDefault(true);
    // The two rate lists also take a typed rate.
    combo("comIntr").setEditable(true);
    combo("comIntr_IA").setEditable(true);
    setInputErrorStyle(inputErrorTitle());
    bindHandlers();
}

Module1& Mervane::module1() const
{
    return m_program.module1();
}

bool Mervane::inLoanView() const
{
    return menu("mnu_view_loan").checked();
}

bool Mervane::inMonthView() const
{
    return menu("mnu_Months").checked();
}

RateList Mervane::rateList() const
{
    return RateList(combo("comIntr"), RateScale::Main);
}

RateList Mervane::annuityRateList() const
{
    return RateList(combo("comIntr_IA"), RateScale::Main);
}

void Mervane::bindHandlers()
{
    bind("Form_Load", [this] { Form_Load(); });
    bind("Form_Unload", [this](EventArgs& args) { Form_Unload(args); });
    bind("mnu_exit_Click", [this] { mnu_exit_Click(); });
    bind("mnu_IniReset_Click", [this] { mnu_IniReset_Click(); });
    bind("mnu_view_loan_Click", [this] { mnu_view_loan_Click(); });
    bind("mnu_view_invest_Click", [this] { mnu_view_invest_Click(); });
    bind("mnu_Years_Click", [this] { mnu_Years_Click(); });
    bind("mnu_Months_Click", [this] { mnu_Months_Click(); });
    bind("mnu_InvInpChk_Click", [this] { mnu_InvInpChk_Click(); });
    bind("btn_Calc_Click", [this] { btn_Calc_Click(); });
    bind("btn_Clear_Click", [this] { Btn_Clear_Click(); });
    bind("btn_RFclear_Click", [this] { btn_RFclear_Click(); });
    bindInvestmentHandlers();
    bindTableHandlers();
    bindSettingsHandlers();
    bindToolbarHandlers();

    // Every input box selects its whole text when it receives the focus, so typing replaces it.
    for (NameOf<Kind::MaskedBox> name : NameList<Kind::MaskedBox>{"fp_Prin", "fp_Time", "fp_Payment", "fp_xpaystrt",
                                                                  "fp_xpay", "fp_hipayoff", "fpRetFund"}) {
        bind(std::string(name.name()) + "_GotFocus", [this, name] {
            MaskedBox& b = box(name);
            b.setSelection(0, static_cast<int>(b.text().size()));
        });
    }
    bind("fp_xpaystrt_Change", [this] {
        if (investInfo().adjustsAgainOnStartChange) button("btn_InfAdj").setEnabled(true);
    });

    // The chosen option of each view is taken where its buttons are clicked, and nowhere else.
    for (const LoanOptionInfo& info : loanOptions()) {
        bind(std::string(info.button.name()) + "_Click", [this, id = info.id] {
            m_loanOption = id;
            Init_Input();
        });
    }
    for (const InvestOptionInfo& info : investOptions()) {
        bind(std::string(info.button.name()) + "_Click", [this, id = info.id, group = info.group] {
            m_investOption = id;
            m_calc.invGroup = group;
            Init_Input();
        });
    }
    // A rate typed into a rate list: one the list can hold is kept, anything else is refused and the list keeps
    // what it held.
    for (NameOf<Kind::ComboList> name : NameList<Kind::ComboList>{"comIntr", "comIntr_IA"}) {
        bind(std::string(name.name()) + "_Change", [this, name] {
            ComboList& list = combo(name);
            if (!RateList(list, RateScale::Main).type(list.pendingText()))
                refuseInput(mervane_messages::missingInput());
        });
    }
    bind("btn_UseExact_Click", [this] { btn_UseExact_Click(); });

    for (const CompoundingButton& c : kCompoundingButtons)
        bind(std::string(c.button.name()) + "_Click", [this, id = c.id] { m_compounding = id; });

    // A new frequency calculates again. Solving for the rate keeps the payment per year: between monthly and
    // twice-monthly or biweekly installments the payment box is doubled or halved.
    for (const FrequencyButton& f : kFrequencyButtons) {
        bind(std::string(f.button.name()) + "_Click", [this, freq = f.perYear] {
            const bool monthly = freq == 12;
            if (loanInfo().solvesRate && (m_calc.instPerYear == 12) != monthly && !box("fp_Payment").text().empty())
                setBoxNumber("fp_Payment", monthly ? value("fp_Payment") * 2 : value("fp_Payment") / 2);
            m_calc.instPerYear = freq;
            btn_Calc_Click();
        });
    }
}

void Mervane::Main()
{
    show();
    Set_From_Ini();
    Init_Input();
    bool loan = inLoanView();
    setToolPressed(MainTool::Loan, loan);
    setToolPressed(MainTool::Invest, !loan);
    bool months = inMonthView();
    setToolPressed(MainTool::Months, months);
    setToolPressed(MainTool::Years, !months);
    app().setPointer(Pointer::Default);
}

void Mervane::Form_Load()
{
    Module1& m = module1();
    m.gTanColor = rgb(230, 216, 174);
    m.gLtTanColor = rgb(240, 232, 206);
    app().setPointer(Pointer::Hourglass);
    crlf = "\r\n";
    label("lbl_Prin").setCaption(formText<"Mervane", "Loan &Amount:     ">());
    label("lbl_Payment").setCaption(formText<"Mervane", "&Payment:            ">());
    m.CenterForm(*this, 0, 0);
    m_calc.instPerYear = 12;
    // Exactly one duration unit is checked: years until the settings or the user choose months.
    menu("mnu_Years").setChecked(true);
    menu("mnu_Months").setChecked(false);
    frame("frm_LnInstFreq").setVisible(true);
    frame("frm_LnSolve").setVisible(true);
    // The investment frame sits exactly where the loan frame does.
    frame("frm_invSolve").setVisible(false);
    frame("frm_invSolve").move(frame("frm_LnSolve").left(), frame("frm_LnSolve").top());
    frame("frm_invIntComp").setVisible(false);
    frame("frm_invRetFund").setVisible(false);
    menu("mnu_view_loan").setChecked(true);
    menu("mnu_view_invest").setChecked(false);
    rateList().fill();
    annuityRateList().fill();
    Toolbar& tb = toolbar("Toolbar1");
    const std::pair<MainTool, int> images[] = {
        {MainTool::Loan, 1},        {MainTool::Table, 10}, {MainTool::Invest, 3}, {MainTool::PayoffToAmount, 12},
        {MainTool::CheckInput, 14}, {MainTool::Years, 6},  {MainTool::Months, 7}, {MainTool::IniFile, 11},
        {MainTool::History, 17},    {MainTool::Exit, 16},
    };
    for (auto [tool, image] : images) tb.setImage(static_cast<int>(tool), image);
    app().setPointer(Pointer::Default);
}

void Mervane::Form_Unload(EventArgs&)
{
    m_program.unloadLoanSheet();
    // Closing the main window ends the program.
    app().end();
}

void Mervane::mnu_exit_Click()
{
    app().end();
}

void Mervane::mnu_IniReset_Click()
{
    Set_From_Ini();
    app().setPointer(Pointer::Default);
}

void Mervane::Set_From_Ini()
{
    ProfileFile ini(m_program.settingsPath(), m_program.fileSystem());
    // A file that is there but cannot be used is named once, with the reason; the defaults are used.
    if (std::optional<UserText> problem = ini.problem()) msgBox(*problem, MsgButtons::Ok, MsgIcon::Exclamation);
    m_startup = StartupDefaults::read(ini);
    if (m_startup.startsInLoanView())
        mnu_view_loan_Click();
    else
        mnu_view_invest_Click();
    if (m_startup.startsInMonths()) mnu_Months_Click();
    // Reading the colours shows the hourglass; start-up or the reset command restores the pointer.
    app().setPointer(Pointer::Hourglass);
    ReadIniColors(module1(), ini);
}

TableStart Mervane::tableStart() const
{
    // The value a box shows, or nothing when it is empty or not a number.
    auto shown = [this](NameOf<Kind::MaskedBox> name) -> std::optional<double> {
        const std::string& text = box(name).text();
        if (text.find_first_not_of(' ') == std::string::npos) return std::nullopt;
        return parseBoxValue(text);
    };
    TableStart start;
    start.months = inMonthView();
    start.duration = shown("fp_Time").value_or(m_startup.loanDuration * (start.months ? 12 : 1));
    start.amount = shown("fp_Prin").value_or(m_startup.loanAmount);
    start.ratePercent = rateList().percent();
    return start;
}

void Mervane::setToolPressed(MainTool tool, bool pressed)
{
    toolbar("Toolbar1").setPressed(static_cast<int>(tool), pressed);
}

void Mervane::colorsChanged()
{
    SetMainColors();
    Init_Input();
}

std::vector<StateField> Mervane::stateFields() const
{
    const CalcState& c = m_calc;
    auto whole = [](std::int16_t v) { return static_cast<long long>(v); };
    return {
        {"durYears", c.durYears},
        {"intRate", c.intRate},
        {"instPerYear", whole(c.instPerYear)},
        {"valPayment", c.valPayment},
        {"valXpay", c.valXpay},
        {"valXpayStrt", c.valXpayStrt},
        {"valHiPayoff", c.valHiPayoff},
        {"valTotIntwX", c.valTotIntwX},
        {"valTotPaywX", c.valTotPaywX},
        {"valLstPay", c.valLstPay},
        {"inputCheckOn", c.inputCheckOn},
        {"invGroup", whole(c.invGroup)},
        {"rateGroup", whole(c.rateGroup)},
        {"viewSwitchCount", whole(c.viewSwitchCount)},
    };
}

double Mervane::value(NameOf<Kind::MaskedBox> boxName) const
{
    return readBoxValue(box(boxName).text());
}

bool Mervane::isZeroRateText() const
{
    return rateList().zeroChosen();
}

void Mervane::setBoxNumber(NameOf<Kind::MaskedBox> boxName, double v)
{
    box(boxName).setText(plainText(v));
}

double Mervane::wholeMonths(double years)
{
    return std::round(years * 12);
}

bool Mervane::paymentShowsAsMoney()
{
    if (std::round(m_calc.valPayment * 100) != 0) return true;
    refuse(composeText<"Payment too small - it would show as %1; increase the amount or shorten the duration">(
        formatNumber(0.0, kCurrencyFormat)));
    return false;
}

void Mervane::refuse(const UserText& text)
{
    module1().msgAnswer = msgBox(text, MsgButtons::Ok, MsgIcon::None, inputErrorTitle());
}

bool Mervane::askYesNo(const UserText& text)
{
    module1().msgAnswer = msgBox(text, MsgButtons::YesNo, MsgIcon::None, inputErrorTitle());
    return module1().msgAnswer == kAnswerYes;
}

}  // namespace tv
