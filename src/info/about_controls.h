#pragma once
// The controls of the About and update history windows, declared once. Positions are twips.
#include "screen_model/form.h"

namespace tv {

inline constexpr ControlDecl kAboutControls[] = {
    {Kind::Picture, "Image1", "", "", {240, 240, 720, 720}},
    {Kind::Label, "lbl_Title", "", "Tarvolin", {1200, 240, 3600, 420}},
    {Kind::Label, "lbl_Ver", "", "", {1200, 720, 3600, 255}},
    {Kind::Label, "lbl_Date", "", "", {1200, 990, 3600, 255}},
    {Kind::Label, "Label1", "", "", {1200, 1260, 3600, 255}},
    {Kind::Line, "Line1", "", "", {240, 1680, 4800, 0}},
    {Kind::Label, "lbl_Disclaimer1", "", "Mervane Disclaimer", {240, 1800, 4800, 255}},
    {Kind::Label, "lbl_Disclaimer2", "", "", {240, 2100, 4800, 1020}},
    // The settings file in use, on up to two lines below the disclaimer.
    {Kind::Label, "lbl_Settings", "", "", {240, 3240, 4800, 450}},
    {Kind::CommandButton, "Updates", "", "Updates", {2520, 3840, 1200, 375}},
    {Kind::CommandButton, "Command1", "", "OK", {3840, 3840, 1200, 375}},
};

inline constexpr ControlDecl kHistoryControls[] = {
    {Kind::TextArea, "txt_UpdateHist", "", "", {120, 120, 8520, 4560}},
    {Kind::CommandButton, "btn_OK", "", "&OK", {7440, 4800, 1200, 375}},
};

}  // namespace tv
