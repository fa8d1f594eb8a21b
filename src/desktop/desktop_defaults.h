#pragma once

#include <QFont>
#include <QRect>

#include "screen_model/types.h"

class QApplication;
class QScreen;

namespace tvqt {

// The screens are laid out in twips for the classic 8 pt dialog font. The desktop program therefore uses
// an Arial-metric sans font (Arial where installed, otherwise its metric twin Liberation Sans) at 8 pt as
// the application font instead of the desktop's own, which is often larger and would overflow the
// layouts. Points and twips both scale with the screen's logical DPI, so text and layout grow together
// at 200 % scaling.
inline constexpr double kDefaultFontPoints = 8.0;
QFont defaultFont();

// Sets the application font, name and window icon. Call once after creating the QApplication.
void applyDesktopDefaults(QApplication& app);

// A control's font: the name is passed to Qt as it is (fontconfig substitutes metric twins), the size in
// points; an empty name or a zero size keep the application font's.
QFont qtFont(const tv::Font& font, const QFont& base);

// Twips (1/1440 inch) to device-independent pixels: px = twips * logical DPI / 1440.
class TwipScale {
public:
    explicit TwipScale(double logicalDpi = 96.0) : m_pxPerTwip(logicalDpi / 1440.0) {}
    static TwipScale forScreen(const QScreen* screen);

    double pxPerTwip() const { return m_pxPerTwip; }
    int px(int twips) const;
    int twips(int px) const;
    // Edges are rounded, not sizes, so neighbouring controls neither overlap nor leave gaps.
    QRect rect(const tv::Rect& r) const;

private:
    double m_pxPerTwip;
};

}  // namespace tvqt
