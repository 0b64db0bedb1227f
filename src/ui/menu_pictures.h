#pragma once
// Pictures built into the program (SVG resources) turned into what the widgets
// show: images for picture boxes and labels, icons for the menu items.

#include <QIcon>
#include <QImage>
#include <QSize>
#include <QString>

namespace velunta {

// The SVG resource drawn as large as fits into `box` with its proportions kept,
// on a transparent background. A null image when the resource is missing or invalid.
QImage renderPicture(const QString& resource, QSize box);

// A menu picture (32 x 32 design size): the same picture for the checked and the
// unchecked state of the item. A null icon when the resource is missing.
QIcon menuPicture(const QString& resource);

}  // namespace velunta
