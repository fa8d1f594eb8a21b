#pragma once

#include <QPalette>

#include <QFont>
#include <QRect>
#include <QString>
#include <optional>

#include "screen_model/types.h"

class QApplication;
class QScreen;

namespace tvqt {

// The screens are laid out in twips for the classic 8 pt dialog font. The desktop program therefore uses
// an Arial-metric sans font (Arial where installed, otherwise its metric twin Liberation Sans) at 8 pt as
// the application font instead of the desktop's own, whose face is often wider and would overflow the
// layouts. Points and twips both scale with the screen's logical DPI, so text and layout grow together
// at 200 % scaling. A desktop whose font is set larger than the usual 10 pt scales both by the same
// factor (fontScale), so large fonts never clip a caption.
inline constexpr double kDefaultFontPoints = 8.0;
inline constexpr double kUsualDesktopFontPoints = 10.0;
QFont defaultFont(double scale = 1.0);

// How much larger than usual the desktop's font is: its size over 10 pt, from 1 (smaller fonts keep the
// design's size) to 2 (the windows still fit the screen).
double fontScale(double desktopFontPoints);

// The desktop program's name on the desktop: its menu entry, icon and AppStream file are named after it
// (resources/linux/).
inline constexpr const char* kDesktopFileName = "org.tarvolin.Tarvolin";

// Sets the application font (scaled for the desktop's font size), name, desktop file name and window
// icon. Call once after creating the QApplication.
void applyDesktopDefaults(QApplication& app);

// Where each window was left, by form name, in its own file of the per-user configuration folder
// ($XDG_CONFIG_HOME/Tarvolin/windows.json, else ~/.config/...): {"LoanSheet": {"x":..,"y":..,"width":..,
// "height":..}} in device-independent pixels, the frame's position and the window's size. A missing or broken file
// means no window has a place yet; the file is replaced whole, never left half written.
QString windowPlacesFile();
std::optional<QRect> savedWindowPlace(const QString& formName);
bool saveWindowPlace(const QString& formName, const QRect& place);

// A control's font: the name is passed to Qt as it is (fontconfig substitutes metric twins), the size in
// points grown as `base` is grown from 8 pt; an empty name or a zero size keep the base font's.
QFont qtFont(const tv::Font& font, const QFont& base);

// Twips (1/1440 inch) to device-independent pixels: px = twips * logical DPI / 1440, grown as the
// application font is grown from 8 pt.
// The common dark palette of Qt programs, as a dark desktop theme sets it (the picture tool and the tests draw on it).
QPalette darkDesktopPalette();

class TwipScale {
public:
    explicit TwipScale(double logicalDpi = 96.0) : m_pxPerTwip(logicalDpi / 1440.0) {}
    // The screen's logical DPI and the application font's size.
    static TwipScale forScreen(const QScreen* screen);

    int px(int twips) const;
    int twips(int px) const;
    // Edges are rounded, not sizes, so neighbouring controls neither overlap nor leave gaps.
    QRect rect(const tv::Rect& r) const;

private:
    double m_pxPerTwip;
};

}  // namespace tvqt
