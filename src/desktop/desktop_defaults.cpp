#include "desktop/desktop_defaults.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "desktop/icons.h"
#include "screen_model/platform.h"

namespace tvqt {

namespace {

// How much the application font has grown from the design's 8 pt (1 for a font sized in pixels).
double fontGrowth(const QFont& font)
{
    return font.pointSizeF() > 0 ? std::max(1.0, font.pointSizeF() / kDefaultFontPoints) : 1.0;
}

}  // namespace

QFont defaultFont(double scale)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kDefaultFontPoints * scale);
    return font;
}

double fontScale(double desktopFontPoints)
{
    if (!(desktopFontPoints > 0)) return 1.0;
    return std::clamp(desktopFontPoints / kUsualDesktopFontPoints, 1.0, 2.0);
}

void applyDesktopDefaults(QApplication& app)
{
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    QApplication::setFont(defaultFont(fontScale(desktop.pointSizeF())));
    QApplication::setApplicationName(QString::fromUtf8(tv::kProductName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QApplication::setWindowIcon(programIcon());
    // The model decides when the program ends (its main form unloads, or Exit), not the window count.
    app.setQuitOnLastWindowClosed(false);
}

QFont qtFont(const tv::Font& font, const QFont& base)
{
    QFont f = base;
    if (!font.name.empty()) f.setFamilies({QString::fromStdString(font.name)});
    if (font.size > 0) f.setPointSizeF(font.size * fontGrowth(base));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

TwipScale TwipScale::forScreen(const QScreen* screen)
{
    if (!screen) screen = QGuiApplication::primaryScreen();
    double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    if (!(dpi > 0)) dpi = 96.0;
    return TwipScale(dpi * fontGrowth(QApplication::font()));
}

int TwipScale::px(int twips) const
{
    return static_cast<int>(std::lround(twips * m_pxPerTwip));
}

int TwipScale::twips(int px) const
{
    return static_cast<int>(std::lround(px / m_pxPerTwip));
}

QRect TwipScale::rect(const tv::Rect& r) const
{
    int left = px(r.left);
    int top = px(r.top);
    return QRect(left, top, px(r.left + r.width) - left, px(r.top + r.height) - top);
}

}  // namespace tvqt
