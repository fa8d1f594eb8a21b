#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace tvqt {

// The toolbar icon for an image number (1..17) of a toolbar's image list; a null icon for others.
// Icons are SVG, rendered at the size asked for when first painted.
QIcon toolbarIcon(int image);

// The program's own icon (window icon, About picture).
QIcon programIcon();

// A picture by name: "app-icon" or "tarvolin" (the program icon), "toolNN", or a resource path ":/...".
// Null when unknown.
QIcon pictureIcon(const QString& name);

}  // namespace tvqt
