#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tv {

// Colours in the Windows encoding: red + 256 * green + 65536 * blue, or 0x800000nn for system colour nn.
using Color = std::uint32_t;

namespace syscolor {
inline constexpr Color kScrollBar = 0x80000000;
inline constexpr Color kDesktop = 0x80000001;
inline constexpr Color kWindowBackground = 0x80000005;
inline constexpr Color kWindowText = 0x80000008;
inline constexpr Color kHighlight = 0x8000000D;
inline constexpr Color kHighlightText = 0x8000000E;
inline constexpr Color kButtonFace = 0x8000000F;
inline constexpr Color kButtonShadow = 0x80000010;
inline constexpr Color kGrayText = 0x80000011;
inline constexpr Color kButtonText = 0x80000012;
inline constexpr Color kApplicationWorkspace = 0x8000000C;
inline constexpr Color kInfoText = 0x80000017;
inline constexpr Color kInfoBackground = 0x80000018;
}  // namespace syscolor

inline constexpr bool isSystemColor(Color c)
{
    return (c & 0xFF000000u) == 0x80000000u;
}

inline constexpr Color rgb(int r, int g, int b)
{
    return static_cast<Color>(r) + 256u * static_cast<Color>(g) + 65536u * static_cast<Color>(b);
}

// Positions and sizes in twips (1/1440 inch), relative to the control's container.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

struct Font {
    std::string name;  // empty: the desktop's default font
    double size = 0;   // points; 0: the default size
    bool bold = false;
    bool italic = false;
    bool operator==(const Font&) const = default;
};

enum class Alignment { Left, Right, Center };

enum class Kind {
    Label,
    MaskedBox,
    ComboList,
    OptionButton,
    CheckBox,
    Frame,
    CommandButton,
    Line,
    Picture,
    TextArea,
    Grid,
    Toolbar,
    ChartView,
};

const char* kindName(Kind kind);

enum class Pointer { Default, Hourglass };

enum class ScrollBars { None, Horizontal, Vertical, Both };

// What changed, for the observers that mirror the model (the Qt renderer, tests).
enum class Prop {
    Caption,
    Text,
    Visible,
    Enabled,
    BackColor,
    ForeColor,
    Geometry,
    ToolTip,
    Value,
    ListIndex,
    Items,
    Format,
    Selection,
    Font,
    Alignment,
    Checked,
    // toolbar
    Buttons,
    // grid
    GridShape,
    GridCell,
    GridCurrent,
    GridScroll,
    GridAlignment,
};

// Event arguments. `index` is the index within a control or menu array, or the toolbar button;
// `item` the toolbar drop-down item (1-based); `cancel` lets an Unload handler keep its form.
struct EventArgs {
    int index = -1;
    int item = -1;
    bool cancel = false;
};

using Handler = std::function<void(EventArgs&)>;

}  // namespace tv
