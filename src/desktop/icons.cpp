#include "desktop/icons.h"

#include <QFile>
#include <QHash>

namespace tvqt {

namespace {

// One QIcon per file for the program's life: the SVG engine caches its renderings (QPixmapCache) under
// the icon's own key, so a new QIcon for every window would fill the cache with copies.
QIcon sharedIcon(const QString& path)
{
    static QHash<QString, QIcon> icons;
    auto it = icons.find(path);
    if (it == icons.end()) it = icons.insert(path, QIcon(path));
    return *it;
}

}  // namespace

QIcon toolbarIcon(int image)
{
    if (image < 1 || image > 17) return {};
    // QIcon keeps the file name and renders through the SVG icon engine only when painted.
    return sharedIcon(QStringLiteral(":/icons/tool%1.svg").arg(image, 2, 10, QLatin1Char('0')));
}

QIcon programIcon()
{
    return sharedIcon(QStringLiteral(":/icons/tarvolin.svg"));
}

QIcon pictureIcon(const QString& name)
{
    if (name.isEmpty()) return {};
    if (name == QLatin1String("app-icon") || name == QLatin1String("tarvolin")) return programIcon();
    QString path = name.startsWith(QLatin1Char(':')) ? name : QStringLiteral(":/icons/%1.svg").arg(name);
    if (!QFile::exists(path)) return {};
    return sharedIcon(path);
}

}  // namespace tvqt
