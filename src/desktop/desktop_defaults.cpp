#include "desktop/desktop_defaults.h"

#include <QApplication>
#include <QScreen>
#include <cmath>

#include "desktop/icons.h"
#include "screen_model/platform.h"

namespace tvqt {

QFont defaultFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kDefaultFontPoints);
    return font;
}

void applyDesktopDefaults(QApplication& app)
{
    QApplication::setFont(defaultFont());
    QApplication::setApplicationName(QString::fromUtf8(tv::kProductName));
    QApplication::setWindowIcon(programIcon());
    // The model decides when the program ends (its main form unloads, or Exit), not the window count.
    app.setQuitOnLastWindowClosed(false);
}

QFont qtFont(const tv::Font& font, const QFont& base)
{
    QFont f = base;
    if (!font.name.empty()) f.setFamilies({QString::fromStdString(font.name)});
    if (font.size > 0) f.setPointSizeF(font.size);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

TwipScale TwipScale::forScreen(const QScreen* screen)
{
    if (!screen) screen = QGuiApplication::primaryScreen();
    double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    if (!(dpi > 0)) dpi = 96.0;
    return TwipScale(dpi);
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
