#pragma once
// The main screen's controls and menus, declared once. Positions are twips inside the container.
#include "main_screen/mervane_option_ids.h"
#include "screen_model/form.h"

namespace tv {

namespace mervane_layout {

// The input column's geometry (twips): right-aligned labels end at kLabelRight; "Total Payments:" and
// "Total Contributions:" keep that right edge at their two widths.
inline constexpr int kLabelLeft = 120;
inline constexpr int kLabelRight = 3420;
inline constexpr int kBoxLeft = 3480;
inline constexpr int kBoxWidth = 1560;
inline constexpr int kExtraLeft = 5160;
inline constexpr int kTotPayNarrowLeft = kLabelRight - 1750;
inline constexpr int kTotPayNarrowWidth = 1750;
inline constexpr int kTotPayWideLeft = kLabelRight - 2100;
inline constexpr int kTotPayWideWidth = 2100;

inline constexpr const char* kMoney = "$#,##0.00;($#,##0.00)";
inline constexpr const char* kDuration = "#,###.###";
inline constexpr const char* kWhole = "#,##0";

// Input column: right-aligned labels, then the boxes, then the "with Xtra Payment" column. The rows are
// stacked without gaps by layoutInputColumn whenever fields are shown or hidden.
inline constexpr int kLabelWidth = kLabelRight - kLabelLeft;
inline constexpr int kRowHeight = 315;
// Solve-for column.
inline constexpr int kFrameLeft = 6840;
inline constexpr int kFrameWidth = 4380;
inline constexpr int kOptionPitch = 270;
inline constexpr int kOptionTop = 270;

constexpr Rect labelAt(int top, int height = kRowHeight)
{
    return {kLabelLeft, top + 45, kLabelWidth, height - 45};
}
constexpr Rect boxAt(int top)
{
    return {kBoxLeft, top, kBoxWidth, kRowHeight};
}
constexpr Rect optionAt(int row, int indent = 0)
{
    return {120 + indent, kOptionTop + row * kOptionPitch, kFrameWidth - 240 - indent, 255};
}

// Row tops of the input column.
inline constexpr int kTop = 600;
inline constexpr int kPitch = 375;

inline constexpr ControlDecl kMervaneControls[] = {
    {Kind::Toolbar, "Toolbar1", "", "", {0, 0, 9000, 450}},

    {Kind::Frame,
     "frm_LnSolve",
     "",
     "&Solve For:",
     {kFrameLeft, 570, kFrameWidth, kOptionTop + static_cast<int>(kLoanOptionCount) * kOptionPitch + 105}},
    {Kind::OptionButton, "opt_Prin", "frm_LnSolve", "Loan Amount (Principle)", optionAt(0), "How much can I borrow?"},
    {Kind::OptionButton, "opt_intRate", "frm_LnSolve", "Interest Rate", optionAt(1), "What will the interest rate be?"},
    {Kind::OptionButton, "opt_time", "frm_LnSolve", "Duration", optionAt(2),
     "How long will I have to pay off the loan?"},
    {Kind::OptionButton, "opt_payment", "frm_LnSolve", "Payment", optionAt(3), "What will my payment be?"},
    {Kind::OptionButton, "opt_IntOnly", "frm_LnSolve", "Interest Only Payment", optionAt(4, 300),
     "What will an interest payment be?"},
    {Kind::OptionButton, "opt_payoff", "frm_LnSolve", "Payoff Amount", optionAt(5),
     "I want to pay off my loan; what do I owe?"},
    {Kind::OptionButton, "opt_xpaymo", "frm_LnSolve", "Xtra Payment (@InstFreq)", optionAt(6),
     "How much will I shorten my loan if I make additional regular payments"},
    {Kind::OptionButton, "opt_xpay1x", "frm_LnSolve", "Xtra Payment (1x)", optionAt(7),
     "How much will I shorten my loan if I make a one time additional payment"},
    {Kind::OptionButton, "opt_xpayperiodic", "frm_LnSolve", "Xtra Payments (yearly)", optionAt(8),
     "How much will I shorten my loan if I make additional yearly payments"},

    {Kind::Frame,
     "frm_invSolve",
     "",
     "&Solve For:",
     {kFrameLeft, 570, kFrameWidth, kOptionTop + 12 * kOptionPitch + 105}},
    {Kind::Label, "lbl_BldFund", "frm_invSolve", "Build Fund", {120, kOptionTop, 2400, 240}},
    {Kind::OptionButton, "Opt_Invest", "frm_invSolve", "1x Investment", optionAt(1, 180),
     "Investment growth with a one time investment"},
    {Kind::OptionButton, "Opt_invest_mnthly", "frm_invSolve", "Monthly Investment", optionAt(2, 180),
     "Investment growth with monthly contributions"},
    {Kind::OptionButton, "Opt_invest_1xmnthly", "frm_invSolve", "1x + Monthly Investment", optionAt(3, 180),
     "Investment growth with monthly contributions after a one time investment"},
    {Kind::OptionButton, "Opt_invest_yearly", "frm_invSolve", "Yearly Investment", optionAt(4, 180),
     "Investment growth with a yearly contribution"},
    {Kind::Label,
     "lbl_annuityPay",
     "frm_invSolve",
     "Annuity Payments",
     {120, kOptionTop + 5 * kOptionPitch + 30, 2000, 240}},
    // Level with the "Annuity Payments" heading, ending where the option below it begins.
    {Kind::CommandButton,
     "btn_InfAdj",
     "frm_invSolve",
     "Inflation Adjustment",
     {kFrameWidth - 2040, kOptionTop + 6 * kOptionPitch - 315, 1920, 315}},
    {Kind::OptionButton, "Opt_Annuity", "frm_invSolve", "Annual Payments", optionAt(6, 180), "Annual annuity payments"},
    {Kind::OptionButton, "Opt_Annuity_Mnthly", "frm_invSolve", "Monthly Payments", optionAt(7, 180),
     "Monthly annuity payments"},
    {Kind::OptionButton, "Opt_Annuity_Duration", "frm_invSolve", "Duration w Monthly Pay.", optionAt(8, 180),
     "How long can I get a specified monthly annuity payment"},
    {Kind::OptionButton, "Opt_Spec_Dur", "frm_invSolve", "Fund: YrPay-SpecDur", optionAt(9, 180),
     "Fund balance after specific yearly payments for a duration"},
    {Kind::Label, "lbl_combo", "frm_invSolve", "Combination", {120, kOptionTop + 10 * kOptionPitch + 45, 2400, 240}},
    {Kind::OptionButton, "Opt_Inv2Annuity", "frm_invSolve", "Monthly Investment -> Monthly Annuity Payment",
     optionAt(11, 180), "Combination of monthly annuity payments after a monthy contribution"},

    {Kind::Frame, "frm_invIntComp", "", "Interest Compounded", {kFrameLeft, 4245, kFrameWidth, 555}},
    {Kind::OptionButton, "Opt_CI_monthly", "frm_invIntComp", "Monthly", {300, 240, 1500, 255}},
    {Kind::OptionButton, "Opt_CI_daily", "frm_invIntComp", "Daily", {2100, 240, 1500, 255}},

    {Kind::Frame, "frm_invRetFund", "", "Retirement Fund", {kFrameLeft, 4860, kFrameWidth, 1035}},
    {Kind::CommandButton, "btn_Payoff2RF", "frm_invRetFund", "PayOff -> RF", {120, 270, 1260, 315}},
    {Kind::MaskedBox, "fpRetFund", "frm_invRetFund", "", {1440, 270, 2820, 315}, "", kMoney},
    {Kind::CommandButton, "btn_RF2Amt", "frm_invRetFund", "RF -> Amt", {1440, 630, 1380, 315}},
    {Kind::CommandButton, "btn_RFclear", "frm_invRetFund", "Clear", {2880, 630, 1380, 315}},

    {Kind::Frame,
     "frm_LnInstFreq",
     "",
     "Installment &Frequency",
     {kFrameLeft, 3435, kFrameWidth, kOptionTop + 3 * kOptionPitch + 105}},
    {Kind::OptionButton, "opt_26", "frm_LnInstFreq", "26 (every 2 wks) Payments", optionAt(0)},
    {Kind::OptionButton, "opt_24", "frm_LnInstFreq", "24 (2x a month) Payments", optionAt(1)},
    {Kind::OptionButton, "opt_12", "frm_LnInstFreq", "12 (monthly) Payments", optionAt(2)},

    {Kind::Label, "lbl_Prin", "", "Loan &Amount: ", labelAt(kTop)},
    {Kind::MaskedBox, "fp_Prin", "", "", boxAt(kTop), "", kMoney},
    {Kind::Label, "lbl_IntRate", "", "&Interest Rate:  %", labelAt(kTop + kPitch)},
    {Kind::ComboList, "comIntr", "", "", boxAt(kTop + kPitch)},
    {Kind::Label, "lbl_Time", "", "&Duration:  (Yrs)", labelAt(kTop + 2 * kPitch)},
    {Kind::MaskedBox, "fp_Time", "", "", boxAt(kTop + 2 * kPitch), "", kDuration},
    {Kind::Label, "lbl_Payment", "", "&Payment: ", labelAt(kTop + 3 * kPitch)},
    {Kind::MaskedBox, "fp_Payment", "", "", boxAt(kTop + 3 * kPitch), "", kMoney},
    {Kind::Label, "lbl_xpaystrt", "", "Start &Xtra Payments which Installment:", labelAt(kTop + 4 * kPitch)},
    {Kind::MaskedBox, "fp_xpaystrt", "", "", boxAt(kTop + 4 * kPitch), "", kWhole},
    {Kind::Label, "lbl_xpay", "", "&Xtra Payment:", labelAt(kTop + 5 * kPitch)},
    {Kind::MaskedBox, "fp_xpay", "", "", boxAt(kTop + 5 * kPitch), "", kMoney},
    {Kind::Label, "lbl_hipayoff", "", "and:  ", labelAt(kTop + 6 * kPitch)},
    {Kind::MaskedBox, "fp_hipayoff", "", "", boxAt(kTop + 6 * kPitch), "", kMoney},
    {Kind::Label,
     "lbl_payoff_msg",
     "",
     "Varies with when payoff is made after last installment",
     {kLabelLeft, kTop + 7 * kPitch + 30, kExtraLeft + kBoxWidth - kLabelLeft, 300}},
    {Kind::Label, "lbl_IntRate_IA", "", "Annuity &Interest Rate:  %", labelAt(kTop + 9 * kPitch)},
    {Kind::ComboList, "comIntr_IA", "", "", boxAt(kTop + 9 * kPitch)},

    {Kind::Label, "lbl_dur1", "", "Duration:", labelAt(kTop + 6 * kPitch)},
    {Kind::Label, "lbl_dur2", "", "x", {kBoxLeft, kTop + 6 * kPitch + 45, 2 * kBoxWidth, 480}},
    {Kind::Label, "lbl_lstPay", "", "Last Payment:", labelAt(kTop + 8 * kPitch)},
    {Kind::MaskedBox, "fp_lstPay", "", "", boxAt(kTop + 8 * kPitch), "", kMoney},
    {Kind::Label,
     "lbl_xtra_w_last",
     "",
     "Xtra payment with last installment",
     {kBoxLeft, kTop + 9 * kPitch + 45, kExtraLeft + kBoxWidth - kBoxLeft, 270}},
    // Result notes beside the design's: the exact rate under the rate list, and what extra payments save.
    // Right-aligned under the rate list, with the command that takes the exact rate beside it.
    {Kind::Label,
     "lbl_exactRate",
     "",
     "",
     {kLabelLeft, kTop + 2 * kPitch + 45, kBoxLeft + kBoxWidth - kLabelLeft, 255}},
    {Kind::CommandButton,
     "btn_UseExact",
     "",
     "&Use exact rate",
     {kExtraLeft, kTop + 2 * kPitch, kBoxWidth, 300},
     "Put the exact rate into the rate box and calculate the payment again"},
    {Kind::Label,
     "lbl_xtra_saved",
     "",
     "",
     {kLabelLeft, kTop + 10 * kPitch + 45, kExtraLeft + kBoxWidth - kLabelLeft, 255}},

    {Kind::Line, "Line1", "", "", {kLabelLeft, kTop + 10 * kPitch + 120, kExtraLeft + kBoxWidth - kLabelLeft, 0}},
    {Kind::Label, "lbl_totInt", "", "Total Interest:", labelAt(kTop + 10 * kPitch + 240)},
    {Kind::MaskedBox, "fp_totInt", "", "", boxAt(kTop + 10 * kPitch + 240), "", kMoney},
    {Kind::Label,
     "lbl_totPay",
     "",
     "Total Payments:",
     {kTotPayNarrowLeft, kTop + 11 * kPitch + 240 + 45, kTotPayNarrowWidth, kRowHeight - 45}},
    {Kind::MaskedBox, "fp_totpay", "", "", boxAt(kTop + 11 * kPitch + 240), "", kMoney},
    // Spans both columns of totals and stands right-aligned over the second, so a long heading ("with 25
    // Yearly Payments") stays on one line.
    {Kind::Label,
     "lbl_wXP",
     "",
     "with Xtra Payment",
     {kBoxLeft, kTop + 9 * kPitch + 240, kExtraLeft + kBoxWidth - kBoxLeft, 240}},
    {Kind::MaskedBox, "fp_totIntwX", "", "", {kExtraLeft, kTop + 10 * kPitch + 240, kBoxWidth, kRowHeight}, "", kMoney},
    {Kind::MaskedBox, "fp_totPaywX", "", "", {kExtraLeft, kTop + 11 * kPitch + 240, kBoxWidth, kRowHeight}, "", kMoney},
    // Under the totals: the last installment is a balloon (shown only then).
    {Kind::Label,
     "lbl_balloon",
     "",
     "",
     {kLabelLeft, kTop + 12 * kPitch + 285, kExtraLeft + kBoxWidth - kLabelLeft, 480}},

    {Kind::CommandButton, "btn_Calc", "", "&Calculate", {kLabelLeft, 5595, 1560, 405}},
    {Kind::CommandButton, "btn_Clear", "", "&Reset Input", {kLabelLeft + 1680, 5595, 1560, 405}},
    {Kind::CommandButton, "btn_Payoff2Amt", "", "PayOff -> Amt", {kLabelLeft + 3360, 5595, 1560, 405}},
};

inline constexpr MenuDecl kMervaneMenus[] = {
    {0, "mnu_View", "&View"},
    {1, "mnu_Years", "&Years", "Ctrl+Y"},
    {1, "mnu_Months", "&Months", "Ctrl+M"},
    {1, "mnu_sep1", "-"},
    {1, "mnu_view_loan", "&Loan Options", "Ctrl+L"},
    {1, "mnu_view_invest", "&Investment Options", "Ctrl+I"},
    {1, "mnu_InvInpChk", "Investment Input Checker", "Ctrl+C"},
    {1, "mnu_FundChart", "Fund &Chart...", "Ctrl+G"},
    {1, "mnu_History", "&History…", "Ctrl+H"},
    {1, "mnu_sep2", "-"},
    {1, "mnu_exit", "&Exit"},
    {0, "mnu_Launch", "&Launch"},
    {1, "mnu_IniFileEd", "&Ini File Editor", "Ctrl+E"},
    {1, "mnu_SetColors", "Set &Colors -> Ini"},
    {1, "mnu_IniReset", "&Reset From Ini", "Ctrl+R"},
    {1, "mnu_sep3", "-"},
    {1, "mnu_LnSheet", "Loan Payment &Table", "Ctrl+T"},
    {1, "mnu_sep4", "-"},
    {1, "mnu_WinCalc", "Windows &Calculator"},
    {1, "mnu_DOSLnPrg", "Original &DOS Loan Program"},
    {0, "mnu_help", "&Help"},
    {1, "Mnu_HelpDefinitions", "&Definitions"},
    {1, "mnu_sep5", "-"},
    {1, "mnu_UpdateHist", "&Update History"},
    {1, "mnu_About", "&About"},
};

}  // namespace mervane_layout

using mervane_layout::kMervaneControls;
using mervane_layout::kMervaneMenus;

}  // namespace tv
