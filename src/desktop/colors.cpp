#include "desktop/colors.h"

#include <algorithm>
#include <cmath>

namespace tvqt {

SystemColorRole systemColorRole(unsigned index)
{
    using P = QPalette;
    switch (index) {
        case 0x00:
            return {P::Active, P::Mid};  // scroll bar
        case 0x01:
            return {P::Active, P::Dark};  // desktop
        case 0x02:
            return {P::Active, P::Highlight};  // active title bar
        case 0x03:
            return {P::Inactive, P::Mid};  // inactive title bar
        case 0x04:
            return {P::Active, P::Window};  // menu bar
        case 0x05:
            return {P::Active, P::Base};  // window background
        case 0x06:
            return {P::Active, P::Shadow};  // window frame
        case 0x07:
            return {P::Active, P::WindowText};  // menu text
        case 0x08:
            return {P::Active, P::Text};  // window text
        case 0x09:
            return {P::Active, P::HighlightedText};  // active title text
        case 0x0A:
            return {P::Active, P::Button};  // active border
        case 0x0B:
            return {P::Inactive, P::Button};  // inactive border
        case 0x0C:
            return {P::Active, P::Mid};  // application workspace
        case 0x0D:
            return {P::Active, P::Highlight};
        case 0x0E:
            return {P::Active, P::HighlightedText};
        case 0x0F:
            return {P::Active, P::Button};  // button face
        case 0x10:
            return {P::Active, P::Dark};  // button shadow
        case 0x11:
            return {P::Disabled, P::WindowText};  // grey text
        case 0x12:
            return {P::Active, P::ButtonText};
        case 0x13:
            return {P::Inactive, P::WindowText};  // inactive title text
        case 0x14:
            return {P::Active, P::Light};  // button highlight
        case 0x15:
            return {P::Active, P::Shadow};  // 3-D dark shadow
        case 0x16:
            return {P::Active, P::Midlight};  // 3-D light
        case 0x17:
            return {P::Active, P::ToolTipText};  // tool-tip text
        case 0x18:
            return {P::Active, P::ToolTipBase};  // tool-tip background
        default:
            return {P::Active, P::Button};
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

namespace {

double luminance(const QColor& c)
{
    auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    double la = luminance(a);
    double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& preferred, const QColor& back)
{
    // A little above the threshold, so that anti-aliased edges still reach it.
    constexpr double aim = kReadableContrast + 0.3;
    if (contrastRatio(preferred, back) >= kReadableContrast) return preferred;
    const QColor target = contrastRatio(Qt::black, back) >= contrastRatio(Qt::white, back) ? Qt::black : Qt::white;
    const QColor from = preferred.toRgb();
    QColor color = from;
    for (int step = 1; step <= 10 && contrastRatio(color, back) < aim; ++step) {
        const double t = step / 10.0;
        color = QColor::fromRgbF(static_cast<float>(from.redF() + (target.redF() - from.redF()) * t),
                                 static_cast<float>(from.greenF() + (target.greenF() - from.greenF()) * t),
                                 static_cast<float>(from.blueF() + (target.blueF() - from.blueF()) * t));
    }
    return color;
}

QColor readableTextColor(tv::Color fore, const QColor& back, const QPalette& palette)
{
    QColor color = toQColor(fore, palette);
    if (!tv::isSystemColor(fore) || contrastRatio(color, back) >= kReadableContrast) return color;
    const bool darker = contrastRatio(Qt::black, back) >= contrastRatio(Qt::white, back);
    // Plain text becomes black or white, whichever reads better.
    if (fore != tv::syscolor::kHighlightText) return darker ? QColor(Qt::black) : QColor(Qt::white);
    // Highlighted text is meant to stand out: in the highlight's hue, darker or lighter in steps of 5 %
    // lightness until it reads.
    color = palette.color(QPalette::Active, QPalette::Highlight);
    const QColor hsl = color.toHsl();
    const float hue = std::max(0.0f, hsl.hslHueF());  // -1 for a grey
    float lightness = hsl.lightnessF();
    while (contrastRatio(color, back) < kReadableContrast) {
        if (darker ? lightness <= 0.0f : lightness >= 1.0f) break;
        lightness = std::clamp(lightness + (darker ? -0.05f : 0.05f), 0.0f, 1.0f);
        color = QColor::fromHslF(hue, hsl.hslSaturationF(), lightness).toRgb();
    }
    return color;
}

}  // namespace tvqt
