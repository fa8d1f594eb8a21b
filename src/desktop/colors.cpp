#include "desktop/colors.h"

namespace tvqt {

SystemColorRole systemColorRole(unsigned index)
{
    using P = QPalette;
    switch (index) {
    case 0x00: return {P::Active, P::Mid};              // scroll bar
    case 0x01: return {P::Active, P::Dark};             // desktop
    case 0x02: return {P::Active, P::Highlight};        // active title bar
    case 0x03: return {P::Inactive, P::Mid};            // inactive title bar
    case 0x04: return {P::Active, P::Window};           // menu bar
    case 0x05: return {P::Active, P::Base};             // window background
    case 0x06: return {P::Active, P::Shadow};           // window frame
    case 0x07: return {P::Active, P::WindowText};       // menu text
    case 0x08: return {P::Active, P::Text};             // window text
    case 0x09: return {P::Active, P::HighlightedText};  // active title text
    case 0x0A: return {P::Active, P::Button};           // active border
    case 0x0B: return {P::Inactive, P::Button};         // inactive border
    case 0x0C: return {P::Active, P::Mid};              // application workspace
    case 0x0D: return {P::Active, P::Highlight};
    case 0x0E: return {P::Active, P::HighlightedText};
    case 0x0F: return {P::Active, P::Button};           // button face
    case 0x10: return {P::Active, P::Dark};             // button shadow
    case 0x11: return {P::Disabled, P::WindowText};     // grey text
    case 0x12: return {P::Active, P::ButtonText};
    case 0x13: return {P::Inactive, P::WindowText};     // inactive title text
    case 0x14: return {P::Active, P::Light};            // button highlight
    case 0x15: return {P::Active, P::Shadow};           // 3-D dark shadow
    case 0x16: return {P::Active, P::Midlight};         // 3-D light
    case 0x17: return {P::Active, P::ToolTipText};      // tool-tip text
    case 0x18: return {P::Active, P::ToolTipBase};      // tool-tip background
    default: return {P::Active, P::Button};
    }
}

QColor toQColor(tv::Color color, const QPalette& palette)
{
    if (tv::isSystemColor(color)) {
        SystemColorRole r = systemColorRole(color & 0xFFu);
        return palette.color(r.group, r.role);
    }
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

}  // namespace tvqt
