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

QImage renderPictureOn(const QString& resource, QSize box, const QColor& background) {
    const QImage picture = renderPicture(resource, box);
    if (picture.isNull()) return {};
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(background);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, picture);
    return opaque;
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
