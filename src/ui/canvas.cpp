#include "ui/canvas.h"

#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>

namespace velunta {

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::surfaceChanged() {
    // update() is not free; one request per paint is enough. A request made
    // while hidden is dropped by Qt, but showing the widget paints it anyway.
    if (repaintPending_) return;
    repaintPending_ = true;
    update();
}

void Canvas::setPicture(const QImage& picture) {
    picture_ = picture;
    surfaceChanged();
}

void Canvas::setPictureScale(double scale) {
    if (scale == pictureScale_) return;
    pictureScale_ = scale;
    surfaceChanged();
}

void Canvas::paintEvent(QPaintEvent* event) {
    repaintPending_ = false;
    QPainter p(this);
    p.drawImage(event->rect().topLeft(), image(), event->rect());
    if (!picture_.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, pictureScale_ != 1.0);
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(picture_.size()) * pictureScale_), picture_);
    }
    drawShapes(p);
}

void Canvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ensureImage();
}

void Canvas::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) baseFontChanged();
    QWidget::changeEvent(event);
}

}  // namespace velunta
