#pragma once
// The colour-scheme screen's controls, declared once. Positions are twips inside the client area.
#include "screen_model/form.h"

namespace tv {

namespace color_form_layout {

// Twips inside the client area, for the 8 pt dialog font: the loan column at the left, the investment
// column beside it, the common and preset groups below them and the buttons at the right edge.
inline constexpr int kMargin = 240;
inline constexpr int kCaptionWidth = 1620;
inline constexpr int kListOffset = kCaptionWidth + 60;  // from a column's left edge to its lists
inline constexpr int kListWidth = 1980;
inline constexpr int kColumnWidth = kListOffset + kListWidth;
inline constexpr int kColumnGap = 480;
inline constexpr int kLoanLeft = kMargin;
inline constexpr int kInvestLeft = kLoanLeft + kColumnWidth + kColumnGap;
inline constexpr int kButtonLeft = kInvestLeft + kColumnWidth + kColumnGap;
inline constexpr int kButtonWidth = 1440;
inline constexpr int kButtonHeight = 375;

inline constexpr int kHeadingTop = 180;
inline constexpr int kHeadingHeight = 300;
inline constexpr int kRowHeight = 315;
inline constexpr int kLabelDrop = 45;  // a caption's text sits level with the text of the list beside it
inline constexpr int kLabelHeight = 255;
inline constexpr int kListTop = 600;
inline constexpr int kListPitch = 420;
inline constexpr int kSampleTop = kListTop + 4 * kListPitch + kRowHeight + 165;
inline constexpr int kSamplePitch = 375;
inline constexpr int kLowerHeadingTop = kSampleTop + 2 * kSamplePitch + kRowHeight + 255;
inline constexpr int kLowerTop = kLowerHeadingTop + kHeadingHeight + 120;

inline constexpr int kClientWidth = kButtonLeft + kButtonWidth + kMargin;
inline constexpr int kClientHeight = kLowerTop + 660 + kRowHeight + kMargin;

constexpr Rect heading(int left, int top)
{
    return {left, top, kColumnWidth, kHeadingHeight};
}
constexpr Rect caption(int left, int row)
{
    return {left, kListTop + row * kListPitch + kLabelDrop, kCaptionWidth, kLabelHeight};
}
constexpr Rect list(int left, int row)
{
    return {left + kListOffset, kListTop + row * kListPitch, kListWidth, kRowHeight};
}
constexpr Rect sample(int left, int row)
{
    return {left + kListOffset, kSampleTop + row * kSamplePitch, kListWidth, kRowHeight};
}
// The common and preset groups: `offset` twips below the first row under their headings.
constexpr Rect below(int left, int offset, int width, int height)
{
    return {left, kLowerTop + offset, width, height};
}
inline constexpr int kLowerList = kLoanLeft + kListOffset;
inline constexpr Rect kWinDefaultsBox = below(kInvestLeft, 720, kColumnWidth, kLabelHeight);
constexpr Rect button(int row)
{
    return {kButtonLeft, kListTop + row * 480, kButtonWidth, kButtonHeight};
}

inline constexpr ControlDecl kColorFmControls[] = {
    {Kind::Label, "lbl_LoanScr", "", "Loan Screen", heading(kLoanLeft, kHeadingTop)},
    {Kind::Label, "lbl_LnBackGrnd", "", "Background", caption(kLoanLeft, 0)},
    {Kind::ComboList, "cbo_LnBackGrnd", "", "", list(kLoanLeft, 0)},
    {Kind::Label, "lbl_LnText", "", "Text", caption(kLoanLeft, 1)},
    {Kind::ComboList, "cbo_LnText", "", "", list(kLoanLeft, 1)},
    {Kind::Label, "lbl_LnHiTxt", "", "Hilite Text", caption(kLoanLeft, 2)},
    {Kind::ComboList, "cbo_LnHiTxt", "", "", list(kLoanLeft, 2)},
    {Kind::Label, "lbl_LnButBG", "", "Button Bkgrnd", caption(kLoanLeft, 3)},
    {Kind::ComboList, "cbo_LnButBG", "", "", list(kLoanLeft, 3)},
    {Kind::Label, "lbl_LnButTxt", "", "Button Text", caption(kLoanLeft, 4)},
    {Kind::ComboList, "cbo_LnButTxt", "", "", list(kLoanLeft, 4)},
    {Kind::Label, "lbl_lnSample", "", "Lable Sample", sample(kLoanLeft, 0)},
    {Kind::Label, "lbl_LnHiSample", "", "Hilite Sample", sample(kLoanLeft, 1)},
    {Kind::Label, "lbl_LnButSample", "", "Button Sample", sample(kLoanLeft, 2)},

    {Kind::Label, "lbl_Investments", "", "Investments", heading(kInvestLeft, kHeadingTop)},
    {Kind::Label, "lbl_InvBackGrnd", "", "Background", caption(kInvestLeft, 0)},
    {Kind::ComboList, "cbo_InvBackGrnd", "", "", list(kInvestLeft, 0)},
    {Kind::Label, "lbl_InvText", "", "Text", caption(kInvestLeft, 1)},
    {Kind::ComboList, "cbo_InvText", "", "", list(kInvestLeft, 1)},
    {Kind::Label, "lbl_InvHiTxt", "", "Hilite Text", caption(kInvestLeft, 2)},
    {Kind::ComboList, "cbo_InvHiTxt", "", "", list(kInvestLeft, 2)},
    {Kind::Label, "lbl_invButBG", "", "Button Bkgrnd", caption(kInvestLeft, 3)},
    {Kind::ComboList, "cbo_invButBG", "", "", list(kInvestLeft, 3)},
    {Kind::Label, "lbl_invButTxt", "", "Button Text", caption(kInvestLeft, 4)},
    {Kind::ComboList, "cbo_invButTxt", "", "", list(kInvestLeft, 4)},
    {Kind::Label, "lbl_invSample", "", "Lable Sample", sample(kInvestLeft, 0)},
    {Kind::Label, "lbl_invHiSample", "", "Hilite Sample", sample(kInvestLeft, 1)},
    {Kind::Label, "lbl_invButSample", "", "Button Sample", sample(kInvestLeft, 2)},

    {Kind::Label, "lbl_forAll", "", "Everywhere", heading(kLoanLeft, kLowerHeadingTop)},
    {Kind::Label, "lbl_TxtBxBg", "", "Textbox Background", below(kLoanLeft, kLabelDrop, kCaptionWidth, kLabelHeight)},
    {Kind::ComboList, "cbo_TextBoxBG", "", "", below(kLowerList, 0, kListWidth, kRowHeight)},
    {Kind::Label, "lbl_TxtIsBlk", "", "Text will be Black", below(kLowerList, 360, kListWidth, kLabelHeight)},
    {Kind::Label, "cbo_Sample", "", "Textbox Sample", below(kLowerList, 660, kListWidth, kRowHeight)},

    {Kind::Label, "lbl_Presets", "", "Preset Color schemes", heading(kInvestLeft, kLowerHeadingTop)},
    {Kind::ComboList, "cbo_Pesets", "", "", below(kInvestLeft, 0, kColumnWidth, kRowHeight)},
    // Room for the longer words other languages use ("Préstamo", "Placement").
    {Kind::OptionButton, "opt_loan", "", "Loan", below(kInvestLeft, 405, 1080, kLabelHeight)},
    {Kind::OptionButton, "opt_invest", "", "Invest", below(kInvestLeft + 1200, 405, 1200, kLabelHeight)},
    {Kind::CheckBox, "chk_WinDefaults", "", "Use Window Defaults for all Screens", kWinDefaultsBox},

    {Kind::CommandButton, "but_testScheme", "", "&Test Scheme", button(0)},
    {Kind::CommandButton, "Btn_S_C", "", "&Save && Close", button(1)},
    {Kind::CommandButton, "btn_cancel", "", "&Cancel", button(2)},
};

}  // namespace color_form_layout

using color_form_layout::kColorFmControls;

}  // namespace tv
