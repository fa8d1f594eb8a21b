// The main screen's colours from the colour table, per view.
#include "app/program.h"
#include "main_screen/mervane.h"

namespace tv {

void Mervane::SetMainColors()
{
    const ColorTable& t = module1().colors;
    for (NameOf<Kind::ComboList> name : NameList<Kind::ComboList>{"comIntr", "comIntr_IA"})
        combo(name).setBackColor(t.gTextBoxBgColor);
    for (NameOf<Kind::MaskedBox> name :
         NameList<Kind::MaskedBox>{"fp_Prin", "fp_Time", "fp_Payment", "fp_xpaystrt", "fp_xpay", "fp_hipayoff",
                                   "fp_totInt", "fp_totpay", "fp_totIntwX", "fp_totPaywX", "fp_lstPay", "fpRetFund"})
        box(name).setBackColor(t.gTextBoxBgColor);
    for (NameOf<Kind::CommandButton> name :
         NameList<Kind::CommandButton>{"btn_Payoff2Amt", "btn_Payoff2RF", "btn_RFclear", "btn_RF2Amt", "btn_InfAdj"})
        button(name).setBackColor(t.gInvestButtonColor);

    auto paint = [this](AnyNames names, Color back, Color fore) {
        for (AnyName name : names) control(name).setBackColor(back);
        for (AnyName name : names) control(name).setForeColor(fore);
    };
    // The option buttons of a view, from its option table.
    auto paintOptions = [this](auto options, Color back, Color fore) {
        for (const auto& info : options) option(info.button).setBackColor(back);
        for (const auto& info : options) option(info.button).setForeColor(fore);
    };

    if (inLoanView()) {
        setBackColor(t.gLoanBkgrndColor);
        paint({"lbl_Prin", "lbl_IntRate", "lbl_Time", "lbl_Payment", "lbl_xpaystrt", "lbl_hipayoff", "lbl_xpay",
               "lbl_totInt", "lbl_totPay", "lbl_wXP", "lbl_xtra_w_last", "lbl_dur1", "lbl_dur2", "lbl_lstPay"},
              t.gLoanBkgrndColor, t.gLoanTxtColor);
        paint({"lbl_payoff_msg", "lbl_exactRate", "lbl_xtra_saved", "lbl_balloon"}, t.gLoanBkgrndColor,
              t.gLoanContrastColor);
        paint({"frm_LnInstFreq"}, t.gLoanBkgrndColor, t.gLoanContrastColor);
        paintOptions(loanOptions(), t.gLoanBkgrndColor, t.gLoanContrastColor);
        paint({"frm_LnSolve"}, t.gLoanBkgrndColor, t.gLoanContrastColor);
        paint({"opt_12", "opt_24", "opt_26"}, t.gLoanBkgrndColor, t.gLoanContrastColor);
        button("btn_Calc").setBackColor(t.gLoanButtonColor);
        button("btn_UseExact").setBackColor(t.gLoanButtonColor);
        button("btn_Clear").setBackColor(t.gLoanButtonColor);
        return;
    }

    setBackColor(t.gInvestBkgrndColor);
    paint({"lbl_Prin", "lbl_IntRate", "lbl_Time", "lbl_Payment", "lbl_xpaystrt", "lbl_IntRate_IA", "lbl_xpay",
           "lbl_totInt", "lbl_totPay", "lbl_wXP", "lbl_hipayoff"},
          t.gInvestBkgrndColor, t.gInvestTxtColor);
    paint({"lbl_payoff_msg", "lbl_exactRate", "lbl_xtra_saved", "lbl_balloon"}, t.gInvestBkgrndColor,
          t.gInvestContrastColor);
    paint({"frm_invSolve", "Opt_Invest", "Opt_invest_mnthly", "Opt_invest_1xmnthly", "Opt_invest_yearly", "Opt_Annuity",
           "Opt_Annuity_Mnthly", "Opt_Annuity_Duration", "Opt_Spec_Dur", "Opt_Inv2Annuity"},
          t.gInvestBkgrndColor, t.gInvestContrastColor);
    paint({"lbl_BldFund", "lbl_annuityPay", "lbl_combo"}, t.gInvestBkgrndColor, t.gInvestContrastColor);
    paint({"frm_invIntComp", "Opt_CI_daily", "Opt_CI_monthly"}, t.gInvestBkgrndColor, t.gInvestContrastColor);
    frame("frm_invRetFund").setBackColor(t.gInvestBkgrndColor);
    button("btn_Calc").setBackColor(t.gInvestButtonColor);
    button("btn_Clear").setBackColor(t.gInvestButtonColor);
}

}  // namespace tv
