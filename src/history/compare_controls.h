#pragma once
// The Compare window's controls and menus, declared once. Positions are twips inside the client area.
#include "screen_model/form.h"

namespace tv {

namespace compare_layout {

inline constexpr int kLeft = 120;
inline constexpr int kWidth = 9960;
inline constexpr int kButtonWidth = 1815;
inline constexpr int kButtonPitch = 2035;
inline constexpr int kButtonHeight = 405;
inline constexpr int kButtonsTop = 8040;
inline constexpr int kClientWidth = kLeft + kWidth + kLeft;
inline constexpr int kClientHeight = kButtonsTop + kButtonHeight + kLeft;

constexpr Rect button(int n)
{
    return {kLeft + n * kButtonPitch, kButtonsTop, kButtonWidth, kButtonHeight};
}

// The grid over the chart; both grow with the window, the note and the buttons keep under them.
inline constexpr ControlDecl kCompareControls[] = {
    {Kind::Label, "lblGrid", "", "Calculations &compared", {kLeft, 90, kWidth, 240}},
    {Kind::Grid, "grdCompare", "", "", {kLeft, 330, kWidth, 3480}},
    {Kind::Label, "lblNote", "", "", {kLeft, 3870, kWidth, 420}},
    {Kind::ChartView, "chtCompare", "", "", {kLeft, 4350, kWidth, 3570}},
    {Kind::CommandButton, "cmdCopy", "", "Cop&y", button(0)},
    {Kind::CommandButton, "cmdPrint", "", "&Print...", button(1)},
    {Kind::CommandButton, "cmdSaveCsv", "", "Save as C&SV...", button(2)},
    {Kind::CommandButton, "cmdSavePdf", "", "Save as P&DF...", button(3)},
    {Kind::CommandButton, "cmdClose", "", "C&lose", button(4)},
};

// Access keys of the window: O(ptions), C(ompared), Y, P, S, D, L; the menu's own within the menu.
inline constexpr MenuDecl kCompareMenus[] = {
    {0, "mnuOptions", "&Options"},
    {1, "mnuCopy", "&Copy table to Clipboard"},
    {1, "mnuPrint", "&Print table"},
    {1, "mnuSaveCsv", "&Save as CSV..."},
    {1, "mnuSavePdf", "Save as P&DF..."},
    {1, "mnuSep", "-"},
    {1, "mnuClose", "C&lose"},
};

}  // namespace compare_layout

using compare_layout::kCompareControls;
using compare_layout::kCompareMenus;

}  // namespace tv
