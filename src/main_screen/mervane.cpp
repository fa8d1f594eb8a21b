#include "main_screen/mervane.h"

#include <cmath>

#include "app/program.h"
#include "common/formats.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "engine/loan.h"
#include "settings/colors.h"
#include "settings/profile.h"

namespace tv {

namespace {

// The rate lists: "0.000", then 0.125 to 25.000 in steps of 0.125.
std::vector<std::string> rateEntries()
{
    std::vector<std::string> items;
    items.reserve(201);
    for (int k = 0; k <= kMaxRateIndex; ++k) items.push_back(formatNumber(k * kRateStepPercent, kFixed3Format));
    return items;
}

}  // namespace

Mervane::Mervane(Program& program) : Form(program.app(), "Mervane", controlTable(), menuTable()), m_program(program)
{
    setCaption("Financial Calculator - Loans");
    setRect({0, 0, 11340 + 2 * kBorderTwips, 6120 + kTitleBarTwips + 2 * kBorderTwips + kMenuBarTwips});
    declareToolbar();
    toolbar("Toolbar1").setRect({0, 0, clientWidth(), 450});
    option("opt_payment").setValue(true);
    option("Opt_Invest").setValue(true);
    option("Opt_CI_monthly").setValue(true);
    option("opt_12").setValue(true);
    for (const char* name : {"lbl_Prin", "lbl_IntRate", "lbl_Time", "lbl_Payment", "lbl_xpaystrt", "lbl_xpay",
                             "lbl_hipayoff", "lbl_IntRate_IA", "lbl_dur1", "lbl_lstPay", "lbl_totInt", "lbl_totPay"})
        label(name).setAlignment(Alignment::Right);
    for (const char* name : {"fp_Prin", "fp_Time", "fp_Payment", "fp_xpaystrt", "fp_xpay", "fp_hipayoff", "fp_totInt",
                             "fp_totpay", "fp_totIntwX", "fp_totPaywX", "fp_lstPay", "fpRetFund"})
        box(name).setAlignment(Alignment::Right);
    for (const char* name : {"fp_totInt", "fp_totpay", "fp_totIntwX", "fp_totPaywX", "fp_lstPay", "fp_hipayoff"})
        box(name).setLocked(true);
    Font heading;
    heading.bold = true;
    for (const char* name : {"lbl_BldFund", "lbl_annuityPay", "lbl_combo", "lbl_wXP"}) label(name).setFont(heading);
    label("lbl_wXP").setAlignment(Alignment::Right);
    button("btn_Calc").setDefault(true);
    setInputErrorStyle("input Error");
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
    for (const char* name :
         {"fp_Prin", "fp_Time", "fp_Payment", "fp_xpaystrt", "fp_xpay", "fp_hipayoff", "fpRetFund"}) {
        bind(std::string(name) + "_GotFocus", [this, name] {
            MaskedBox& b = box(name);
            b.setSelection(0, static_cast<int>(b.text().size()));
        });
    }
    bind("fp_xpaystrt_Change", [this] {
        if (option("Opt_Annuity").value() || option("Opt_Annuity_Mnthly").value())
            button("btn_InfAdj").setEnabled(true);
    });

    for (const char* name : {"opt_Prin", "opt_intRate", "opt_time", "opt_payment", "opt_IntOnly", "opt_payoff",
                             "opt_xpaymo", "opt_xpay1x", "opt_xpayperiodic"})
        bind(std::string(name) + "_Click", [this] { Init_Input(); });
    for (const char* name :
         {"Opt_Invest", "Opt_invest_mnthly", "Opt_invest_1xmnthly", "Opt_invest_yearly", "Opt_Inv2Annuity"})
        bind(std::string(name) + "_Click", [this] {
            invGroup = 1;
            Init_Input();
        });
    for (const char* name : {"Opt_Annuity", "Opt_Annuity_Mnthly", "Opt_Annuity_Duration", "Opt_Spec_Dur"})
        bind(std::string(name) + "_Click", [this] {
            invGroup = 2;
            Init_Input();
        });
    bind("opt_12_Click", [this] {
        if (option("opt_intRate").value() && instPerYear != 12 && !box("fp_Payment").text().empty())
            setBoxNumber("fp_Payment", value("fp_Payment") * 2);
        instPerYear = 12;
        btn_Calc_Click();
    });
    for (std::int16_t freq : {std::int16_t{24}, std::int16_t{26}}) {
        bind("opt_" + std::to_string(freq) + "_Click", [this, freq] {
            if (option("opt_intRate").value() && instPerYear == 12 && !box("fp_Payment").text().empty())
                setBoxNumber("fp_Payment", value("fp_Payment") / 2);
            instPerYear = freq;
            btn_Calc_Click();
        });
    }
}

void Mervane::Main()
{
    show();
    Set_From_Ini();
    Init_Input();
    Toolbar& tb = toolbar("Toolbar1");
    bool loan = inLoanView();
    tb.setPressed(1, loan);
    tb.setPressed(4, !loan);
    bool months = inMonthView();
    tb.setPressed(9, months);
    tb.setPressed(8, !months);
    app().setPointer(Pointer::Default);
}

void Mervane::Form_Load()
{
    Module1& m = module1();
    m.gTanColor = rgb(230, 216, 174);
    m.gLtTanColor = rgb(240, 232, 206);
    app().setPointer(Pointer::Hourglass);
    crlf = "\r\n";
    label("lbl_Prin").setCaption("Loan &Amount:     ");
    label("lbl_Payment").setCaption("&Payment:            ");
    m.CenterForm(*this, 0, 0);
    instPerYear = 12;
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
    std::vector<std::string> rates = rateEntries();
    combo("comIntr").setItems(rates);
    combo("comIntr_IA").setItems(rates);
    Toolbar& tb = toolbar("Toolbar1");
    const std::pair<int, int> images[] = {{1, 1}, {2, 10}, {4, 3},   {5, 12}, {6, 14},
                                          {8, 6}, {9, 7},  {11, 11}, {15, 16}};
    for (auto [button, image] : images) tb.setImage(button, image);
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
    ProfileFile ini(Program::kIniFile, m_program.fileSystem());
    auto read = [&](const char* key, int def) { return static_cast<double>(ini.readInt(kIniSection, key, def)); };
    iniLoanAmount = read("LoanAmount", 100000);
    iniLoanDuration = read("LoanDuration", 15);
    iniLoanInterest = read("LoanInterest", 64);
    iniInvestBFamt1x = read("InvestBFamt1x", 100000);
    iniInvestBFamtMo = read("InvestBFamtMo", 1000);
    iniInvestBFamtYr = read("InvestBFamtYr", 10000);
    iniInvestBFduration = read("InvestBFduration", 10);
    iniInvestBFInt = read("InvestBFInt", 80);
    iniInvestAnnuityAmt = read("InvestAnnuityAmt", 30000);
    iniInvestAnnuityDuration = read("InvestAnnuityDuration", 25);
    iniInvestAnnuityInt = read("InvestAnnuityInt", 60);
    iniInvestAnnuityPayment = read("InvestAnnuityPayment", 3000);
    if (read("MenuStart", 1) == 1)
        mnu_view_loan_Click();
    else
        mnu_view_invest_Click();
    if (read("DurationType", 2) == 1) mnu_Months_Click();
    // Reading the colours shows the hourglass; start-up or the reset command restores the pointer.
    app().setPointer(Pointer::Hourglass);
    ReadIniColors(module1(), ini);
}

double Mervane::value(const std::string& boxName) const
{
    return readBoxValue(box(boxName).text());
}

bool Mervane::isZeroRateText() const
{
    return combo("comIntr").text() == "0.000";
}

void Mervane::setBoxNumber(const std::string& boxName, double v)
{
    box(boxName).setText(plainText(v));
}

void Mervane::refuse(const std::string& text)
{
    module1().msgAnswer = msgBox(text, MsgButtons::Ok, MsgIcon::None, "input Error");
}

}  // namespace tv
