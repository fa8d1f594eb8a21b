#include "desktop/icons.h"

#include <QFile>

namespace tvqt {

QIcon toolbarIcon(int image)
{
    if (image < 1 || image > 16) return {};
    // QIcon keeps the file name and renders through the SVG icon engine only when painted.
    return QIcon(QStringLiteral(":/icons/tool%1.svg").arg(image, 2, 10, QLatin1Char('0')));
}

QIcon programIcon()
{
    return QIcon(QStringLiteral(":/icons/tarvolin.svg"));
}

QIcon pictureIcon(const QString& name)
{
    if (name.isEmpty()) return {};
    if (name == QLatin1String("app-icon") || name == QLatin1String("tarvolin")) return programIcon();
    QString path = name.startsWith(QLatin1Char(':')) ? name : QStringLiteral(":/icons/%1.svg").arg(name);
    if (!QFile::exists(path)) return {};
    return QIcon(path);
}

}  // namespace tvqt
