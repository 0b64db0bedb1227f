#include "ui/menu_pictures.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace velunta {

QImage renderPicture(const QString& resource, QSize box) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid() || box.isEmpty()) return {};
    QSize size = renderer.defaultSize();
    if (size.isEmpty()) size = box;
    size.scale(box, Qt::KeepAspectRatio);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QIcon menuPicture(const QString& resource) {
    QIcon icon;
    // Menus ask for small sizes; drawing each size from the vector keeps the lines sharp.
    for (int side : {16, 24, 32}) {
        const QImage picture = renderPicture(resource, QSize(side, side));
        if (picture.isNull()) return {};
        const QPixmap pixmap = QPixmap::fromImage(picture);
        icon.addPixmap(pixmap, QIcon::Normal, QIcon::Off);
        icon.addPixmap(pixmap, QIcon::Normal, QIcon::On);
    }
    return icon;
}

}  // namespace velunta
