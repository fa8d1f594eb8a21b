#pragma once
// The settings editor's controls, declared once. Positions are twips inside the client area.
#include "screen_model/form.h"

namespace tv {

namespace ini_file_layout {

inline constexpr const char* kMoney = "$#,##0.00;($#,##0.00)";
inline constexpr const char* kCount = "#,##0";

// Twips inside the form's client area, laid out for the 8 pt dialog font. Rows of both groups share
// one grid so the loan inputs line up with the investment inputs beside them.
inline constexpr int kMargin = 240;
inline constexpr int kRowHeight = 315;
inline constexpr int kPitch = 420;
inline constexpr int kFirstRow = 960;
inline constexpr int kLabelDrop = 45;  // a label's text sits level with the text in the box beside it
inline constexpr int kLabelHeight = 255;
inline constexpr int kInputWidth = 1560;
inline constexpr int kButtonWidth = 1800;  // as wide as the frames above, so the 2 x 2 buttons line up with them
inline constexpr int kButtonHeight = 360;

// Left half: the two start-up frames, the loan group and the buttons.
inline constexpr int kFrameTop = 600;
inline constexpr int kFrameWidth = 1800;
inline constexpr int kFrameGap = 120;
inline constexpr int kLoanLabelWidth = 1020;
inline constexpr int kLoanInputLeft = kMargin + kLoanLabelWidth + 60;
// Right half: the investment group, labels at one edge and the eight inputs in one column.
inline constexpr int kInvestLeft = kMargin + 2 * kFrameWidth + kFrameGap + 480;
inline constexpr int kInvestLabelWidth = 2280;
inline constexpr int kInvestInputLeft = kInvestLeft + kInvestLabelWidth + 60;

inline constexpr int kClientWidth = kInvestInputLeft + kInputWidth + kMargin;
inline constexpr int kClientHeight = kFirstRow + 7 * kPitch + kButtonHeight + kMargin;

inline constexpr int row(int i)
{
    return kFirstRow + i * kPitch;
}
inline constexpr Rect loanLabel(int i)
{
    return {kMargin, row(i) + kLabelDrop, kLoanLabelWidth, kLabelHeight};
}
inline constexpr Rect loanInput(int i)
{
    return {kLoanInputLeft, row(i), kInputWidth, kRowHeight};
}
inline constexpr Rect investLabel(int i)
{
    return {kInvestLeft, row(i) + kLabelDrop, kInvestLabelWidth, kLabelHeight};
}
inline constexpr Rect investInput(int i)
{
    return {kInvestInputLeft, row(i), kInputWidth, kRowHeight};
}
inline constexpr Rect frameOption(int i)
{
    return {180, 300 + i * 300, kFrameWidth - 300, kLabelHeight};
}

inline constexpr Rect kLoanHeading{kMargin, row(2) + kLabelDrop, 2 * kFrameWidth + kFrameGap, kLabelHeight};
inline constexpr Rect kInvestHeading{kInvestLeft, kFrameTop, kInvestLabelWidth + 60 + kInputWidth, kLabelHeight};
// The buttons: "&Save && Close" above "&Cancel" under the left frame, "&Restore Defaults" above "Colors"
// under the right one.
inline constexpr int kRightButtonLeft = kMargin + kFrameWidth + kFrameGap;
inline constexpr Rect kSaveButton{kMargin, row(6), kButtonWidth, kButtonHeight};
inline constexpr Rect kCancelButton{kMargin, row(7), kButtonWidth, kButtonHeight};
inline constexpr Rect kDefaultsButton{kRightButtonLeft, row(6), kButtonWidth, kButtonHeight};
inline constexpr Rect kColorsButton{kRightButtonLeft, row(7), kButtonWidth, kButtonHeight};

inline constexpr ControlDecl kIniFileControls[] = {
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

    {Kind::CommandButton, "btn_save", "", "&Save && Close", kSaveButton},
    {Kind::CommandButton, "btn_defaults", "", "&Restore Defaults", kDefaultsButton},
    {Kind::CommandButton, "btn_close", "", "&Cancel", kCancelButton},
    {Kind::CommandButton, "btn_colors", "", "Colors", kColorsButton},
};

}  // namespace ini_file_layout

using ini_file_layout::kIniFileControls;

}  // namespace tv
