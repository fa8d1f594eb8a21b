#pragma once

#include <QColor>
#include <QPalette>

#include "screen_model/types.h"

namespace tvqt {

// A colour of the Windows encoding (red + 256 * green + 65536 * blue) as a QColor. System colours
// (0x800000nn) are resolved through `palette`, normally the running desktop's, so that a scheme of
// system colours looks like the desktop itself.
QColor toQColor(tv::Color color, const QPalette& palette);

// The palette role that stands for system colour `index` (the low byte of 0x800000nn), and the colour
// group to read it from (grey text is the disabled window text).
struct SystemColorRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};
SystemColorRole systemColorRole(unsigned index);

}  // namespace tvqt
