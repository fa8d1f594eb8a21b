#include "desktop/desktop_defaults.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
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

QString windowPlacesFile()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config)) config = QDir::home().filePath(QStringLiteral(".config"));
    return QDir(config).filePath(QStringLiteral("Tarvolin/windows.json"));
}

namespace {

QJsonObject readWindowPlaces()
{
    QFile file(windowPlacesFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QJsonDocument doc = QJsonDocument::fromJson(file.read(1 << 20));
    return doc.isObject() ? doc.object() : QJsonObject();
}

}  // namespace

std::optional<QRect> savedWindowPlace(const QString& formName)
{
    const QJsonValue entry = readWindowPlaces().value(formName);
    if (!entry.isObject()) return std::nullopt;
    const QJsonObject o = entry.toObject();
    for (const char* key : {"x", "y", "width", "height"})
        if (!o.value(QLatin1String(key)).isDouble()) return std::nullopt;
    QRect place(o.value(QLatin1String("x")).toInt(), o.value(QLatin1String("y")).toInt(),
                o.value(QLatin1String("width")).toInt(), o.value(QLatin1String("height")).toInt());
    if (place.width() <= 0 || place.height() <= 0) return std::nullopt;
    return place;
}

bool saveWindowPlace(const QString& formName, const QRect& place)
{
    QJsonObject places = readWindowPlaces();
    places.insert(formName, QJsonObject{{QStringLiteral("x"), place.x()},
                                        {QStringLiteral("y"), place.y()},
                                        {QStringLiteral("width"), place.width()},
                                        {QStringLiteral("height"), place.height()}});
    const QString path = windowPlacesFile();
    if (!QDir().mkpath(QFileInfo(path).path())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QJsonDocument(places).toJson());
    return file.commit();
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

QPalette darkDesktopPalette()
{
    QPalette pal;
    const QColor window(53, 53, 53);
    pal.setColor(QPalette::Window, window);
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::Base, QColor(42, 42, 42));
    pal.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    pal.setColor(QPalette::ToolTipBase, window);
    pal.setColor(QPalette::ToolTipText, Qt::white);
    pal.setColor(QPalette::Text, Qt::white);
    pal.setColor(QPalette::Button, window);
    pal.setColor(QPalette::ButtonText, Qt::white);
    pal.setColor(QPalette::BrightText, Qt::red);
    pal.setColor(QPalette::Light, QColor(80, 80, 80));
    pal.setColor(QPalette::Midlight, QColor(66, 66, 66));
    pal.setColor(QPalette::Mid, QColor(40, 40, 40));
    pal.setColor(QPalette::Dark, QColor(30, 30, 30));
    pal.setColor(QPalette::Shadow, QColor(20, 20, 20));
    pal.setColor(QPalette::Highlight, QColor(42, 130, 218));
    pal.setColor(QPalette::HighlightedText, Qt::black);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
    return pal;
}

}  // namespace tvqt
