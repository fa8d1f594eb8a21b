#pragma once
// The history window's controls, declared once. Positions are twips.
#include "screen_model/form.h"

namespace tv {

namespace history_layout {

inline constexpr int kWidth = 12600;  // the client area; a line of the list fits its column
inline constexpr int kButtonTop = 5490;
inline constexpr int kButtonWidth = 1440;
inline constexpr int kButtonPitch = 1560;

constexpr Rect buttonAt(int n)
{
    return {120 + n * kButtonPitch, kButtonTop, kButtonWidth, 405};
}

inline constexpr ControlDecl kHistoryWindowControls[] = {
    {Kind::Label, "lbl_Show", "", "&Show:", {120, 150, 660, 255}},
    {Kind::ComboList, "cbo_View", "", "", {780, 120, 1800, 315}, "Which calculations the list shows"},
    {Kind::Label, "lbl_Find", "", "&Find:", {2760, 150, 600, 255}},
    {Kind::MaskedBox,
     "txt_Find",
     "",
     "",
     {3420, 120, 3000, 315},
     "Show only the calculations whose line holds this text"},
    {Kind::Grid, "grd_History", "", "", {120, 555, kWidth - 240, 4500}},
    {Kind::Label, "lbl_Status", "", "", {120, 5145, kWidth - 240, 255}},
    {Kind::CommandButton, "btn_Restore", "", "&Restore", buttonAt(0),
     "Put the chosen calculation back into the calculator and calculate it again"},
    {Kind::CommandButton, "btn_Mark", "", "&Mark", buttonAt(1), "Mark or unmark the chosen calculation for Compare"},
    {Kind::CommandButton, "btn_Compare", "", "C&ompare", buttonAt(2),
     "Show the two to four marked calculations side by side"},
    {Kind::CommandButton, "btn_Delete", "", "&Delete", buttonAt(3), "Remove the chosen calculation from the history"},
    {Kind::CommandButton, "btn_ClearAll", "", "Clear &All", buttonAt(4), "Remove every calculation from the history"},
    {Kind::CommandButton, "btn_Close", "", "&Close", {kWidth - 120 - kButtonWidth, kButtonTop, kButtonWidth, 405}},
};

}  // namespace history_layout

using history_layout::kHistoryWindowControls;

}  // namespace tv
