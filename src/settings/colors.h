#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "screen_model/types.h"

namespace tv {

class Module1;
class ProfileFile;

// Positions in the colour list; the settings file and the colour screen's lists hold colours by position.
namespace colorpos {
enum : int {
    Black,
    Red,
    Green,
    Yellow,
    Blue,
    Magenta,
    Cyan,
    White,
    DkGray,
    DkRed,
    DkGreen,  // the last dark colour: backgrounds up to here get white contrast text
    LtGray,
    LtRed,
    LtGreen,
    LtYellow,
    LtBlue,
    LtMagenta,
    LtOrange,
    PaleGreen,
    Tan,    // value from Module1's gTanColor
    LtTan,  // value from Module1's gLtTanColor
    WindowDefault,
    WindowApplication,
    WindowButton,
    Count,
    Last = Count - 1,
};
}  // namespace colorpos

// The 24 named colours of the colour list, by position. Tan and Lt Tan take their values from Module1's
// gTanColor and gLtTanColor.
struct NamedColor {
    const char* name;
    Color value;
};
extern const std::array<NamedColor, colorpos::Count> kColorList;

inline constexpr Color kDarkGray = 0x00808080;
inline constexpr Color kBlack = 0x00000000;
inline constexpr Color kWhite = 0x00FFFFFF;

// The colour value of a list position; Dk Gray for a position outside the list.
Color GetColorValue(const Module1& module, std::int64_t position);
// The list position of a colour value (the inverse of GetColorValue); Lt Gray for any other value.
int GetColorIndex(const Module1& module, Color value);
// Text on a background at list position p: black when p is past Dk Green, otherwise white.
Color contrastColor(std::int64_t backgroundPosition);

// Fills the colour table from the settings file, or with system colours when UseWindowDefaults is 1.
void ReadIniColors(Module1& module, const ProfileFile& ini);
// Fills every slot but gUseWindowDefaults with the desktop's system colours.
void SetWindowColors(Module1& module);

}  // namespace tv
