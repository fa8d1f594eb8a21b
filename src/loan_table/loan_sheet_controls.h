#pragma once
// The table screen's controls and menus, declared once. Positions are twips inside the container.
#include "screen_model/form.h"

namespace tv {

namespace loan_sheet_layout {

inline constexpr const char* kMoney = "$#,##0.00;($#,##0.00)";
inline constexpr const char* kPercent = "0%";
// Lengths may hold fractions (31 months are 2.583 years), so the boxes show up to three decimals: a box
// always shows the value the table is computed with.
inline constexpr const char* kLength = "#,###.###";

// The input column on the left, the grid on the right.
inline constexpr int kLeft = 120;
inline constexpr int kColumnWidth = 2490;
inline constexpr int kBoxHeight = 315;
inline constexpr int kLabelHeight = 240;
inline constexpr int kHalf = 1095;  // a box of the two-box frames
inline constexpr int kFrameHeight = 1035;
inline constexpr int kButtonHeight = 405;
inline constexpr int kButtonPitch = 495;
inline constexpr int kButtonsTop = 3765;

constexpr Rect button(int n)
{
    return {kLeft, kButtonsTop + n * kButtonPitch, kColumnWidth, kButtonHeight};
}

inline constexpr ControlDecl kLoanSheetControls[] = {
    {Kind::Label, "lblPurchTotl", "", "&Purchase Amount", {kLeft, 120, kColumnWidth, kLabelHeight}},
    {Kind::MaskedBox, "txtPurchTotl", "", "", {kLeft, 360, kColumnWidth, kBoxHeight}, "", kMoney},
    {Kind::Label, "lblDwnPay", "", "Percent &Down", {kLeft, 795, kColumnWidth, kLabelHeight}},
    {Kind::MaskedBox, "txtDwnPay", "", "", {kLeft, 1035, kHalf, kBoxHeight}, "", kPercent},

    {Kind::Frame, "frmLoanLen", "", "&Years in Loan", {kLeft, 1500, kColumnWidth, kFrameHeight}},
    {Kind::Label, "lbl_MinLen", "frmLoanLen", "Minimum", {120, 300, kHalf, kLabelHeight}},
    {Kind::MaskedBox, "txtLenMin", "frmLoanLen", "", {120, 540, kHalf, kBoxHeight}, "", kLength},
    {Kind::Label, "lbl_MaxLen", "frmLoanLen", "Maximum", {1275, 300, kHalf, kLabelHeight}},
    {Kind::MaskedBox, "txtLenMax", "frmLoanLen", "", {1275, 540, kHalf, kBoxHeight}, "", kLength},

    {Kind::Frame, "frmIntr", "", "Interest &Rates", {kLeft, 2625, kColumnWidth, kFrameHeight}},
    {Kind::Label, "lbl_MinPercent", "frmIntr", "Minimum %", {120, 300, kHalf, kLabelHeight}},
    {Kind::ComboList, "comIntrMin", "frmIntr", "", {120, 540, kHalf, kBoxHeight}},
    {Kind::Label, "lbl_MaxPercent", "frmIntr", "Maximum %", {1275, 300, kHalf, kLabelHeight}},
    {Kind::ComboList, "comIntrMax", "frmIntr", "", {1275, 540, kHalf, kBoxHeight}},

    {Kind::CommandButton, "cmdCalcPmts", "", "&Show Payments", button(0)},
    {Kind::CommandButton, "cmdCalcAmort", "", "Show &Amortization", button(1)},
    {Kind::CommandButton, "Btn_Clear", "", "Clear &Table", button(2)},
    {Kind::CommandButton, "Btn_Close", "", "&Close", button(3)},

    {Kind::Grid, "grdPayments", "", "", {2730, 90, 5235, 5655}},
    // Under the grid: what a schedule's last installment does that its rows alone do not say.
    {Kind::Label, "lblScheduleNote", "", "", {2730, 5850, 5235, 420}},
};

inline constexpr MenuDecl kLoanSheetMenus[] = {
    {0, "mnuOptions", "&Options"},
    {1, "mnuOptCopy", "&Copy table  to Clipboard"},
    {1, "mnuOptPrint", "&Print table"},
    {1, "mnuOptSaveCsv", "&Save as CSV..."},
    {1, "mnuOptSavePdf", "Save as P&DF..."},
    {1, "mnuOptInstruct", "&Instructions..."},
    {1, "mnuOptSep", "-"},
    {1, "mnuOptExit", "&Return to Calculator"},
    {0, "mnuDwnPay", "&Down Payment"},
    {1, "mnuOptDwn", "&Percent Down", "", 0},
    {1, "mnuOptDwn", "&Amount Down", "", 1},
    {0, "mnuLoanLen", "&Duration"},
    {1, "mnuOptLen", "&Years", "", 0},
    {1, "mnuOptLen", "&Months", "", 1},
    {0, "mnuChart", "C&hart"},  // Alt+C stays with the Close button
};

}  // namespace loan_sheet_layout

using loan_sheet_layout::kLoanSheetControls;
using loan_sheet_layout::kLoanSheetMenus;

}  // namespace tv
