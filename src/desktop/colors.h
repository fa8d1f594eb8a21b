#pragma once

#include <QColor>
#include <QPalette>

#include "screen_model/types.h"

namespace tvqt {

// A colour of the Windows encoding (red + 256 * green + 65536 * blue) as a QColor. System colours
// (0x800000nn) are resolved through `palette`, normally the running desktop's, so that a scheme of
// system colours looks like the desktop itself.
QColor toQColor(tv::Color color, const QPalette& palette);

// The colour a control's text is drawn in. An explicit colour is the scheme's choice and stays as it is.
// A system colour follows the desktop's palette, which may be dark; when it would read badly on the
// control's background (contrast below 4.5:1, for instance white window text on a pale green box) it
// becomes black or white, whichever reads better, except the highlight-text colour, which becomes the
// highlight colour made darker or lighter, keeping its hue, until it reads.
QColor readableTextColor(tv::Color fore, const QColor& back, const QPalette& palette);

// The contrast ratio of two colours, from 1 (the same lightness) to 21 (black on white), by their relative
// luminance as the web's accessibility guidelines define it.
double contrastRatio(const QColor& a, const QColor& b);
inline constexpr double kReadableContrast = 4.5;

// `preferred` if it reads on `back` (kReadableContrast), otherwise `preferred` mixed towards black or
// white, whichever reads better, in steps of 10 % until it reads with a small margin: a grey stays a grey
// where it can.
QColor readableOn(const QColor& preferred, const QColor& back);

// The palette role that stands for system colour `index` (the low byte of 0x800000nn), and the colour
// group to read it from (grey text is the disabled window text).
struct SystemColorRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};
SystemColorRole systemColorRole(unsigned index);

}  // namespace tvqt
