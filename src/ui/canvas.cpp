#include "ui/canvas.h"

#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>
#include <algorithm>

namespace velunta {

QColor toQColor(Colour bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// ---- Shape ---------------------------------------------------------------------

Shape::Shape(Canvas* canvas) : QObject(canvas), canvas_(canvas) {
    canvas_->shapes_.push_back(this);
}

void Shape::setLeft(double v) { left_ = v; canvas_->update(); }
void Shape::setTop(double v) { top_ = v; canvas_->update(); }
void Shape::setWidth(double v) { width_ = v; canvas_->update(); }
void Shape::setHeight(double v) { height_ = v; canvas_->update(); }
void Shape::setFillColor(Colour c) { fill_ = c; canvas_->update(); }
void Shape::setVisible(bool v) { visible_ = v; canvas_->update(); }

// ---- Canvas --------------------------------------------------------------------

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::ensureImage() const {
    const QSize size(std::max(1, width()), std::max(1, height()));
    if (image_.size() == size) return;
    QImage fresh(size, QImage::Format_RGB32);
    fresh.fill(toQColor(back_));
    if (!image_.isNull()) {
        QPainter p(&fresh);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(fresh);
}

const QImage& Canvas::image() const {
    ensureImage();
    flush();
    return image_;
}

void Canvas::flush() const {}

void Canvas::Scale(double x1, double y1, double x2, double y2) {
    x1_ = x1; y1_ = y1; x2_ = x2; y2_ = y2;
    pixelScale_ = false;
    update();
}

void Canvas::ScalePixels() {
    pixelScale_ = true;
    update();
}

QPointF Canvas::toPixel(double x, double y) const {
    if (pixelScale_) return QPointF(x, y);
    const double sx = (x2_ - x1_) != 0 ? width() / (x2_ - x1_) : 0;
    const double sy = (y2_ - y1_) != 0 ? height() / (y2_ - y1_) : 0;
    return QPointF((x - x1_) * sx, (y - y1_) * sy);
}

void Canvas::Cls() {
    ensureImage();
    image_.fill(toQColor(back_));
    cx_ = pixelScale_ ? 0 : x1_;
    cy_ = pixelScale_ ? 0 : y1_;
    update();
}

void Canvas::strokeSegment(QPointF a, QPointF b, Colour c) const {
    ensureImage();
    QPainter p(&image_);
    QPen pen(toQColor(c));
    pen.setWidth(drawWidth_);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    if (a == b)
        p.drawPoint(a);
    else
        p.drawLine(a, b);
}

void Canvas::Line(double x1, double y1, double x2, double y2, Colour c) {
    strokeSegment(toPixel(x1, y1), toPixel(x2, y2), c);
    cx_ = x2;
    cy_ = y2;
    update();
}

void Canvas::Line(double x1, double y1, double x2, double y2) { Line(x1, y1, x2, y2, fore_); }

void Canvas::LineTo(double x, double y, Colour c) { Line(cx_, cy_, x, y, c); }

void Canvas::LineTo(double x, double y) { LineTo(x, y, fore_); }

void Canvas::PSet(double x, double y, Colour c) {
    const QPointF p = toPixel(x, y);
    strokeSegment(p, p, c);
    cx_ = x;
    cy_ = y;
    update();
}

void Canvas::PSet(double x, double y) { PSet(x, y, fore_); }

void Canvas::Print(const QString& text) {
    ensureImage();
    QPainter p(&image_);
    QFont f = font();
    f.setPointSizeF(fontSize_);
    f.setBold(fontBold_);
    p.setFont(f);
    p.setPen(toQColor(fore_));
    const QPointF at = toPixel(cx_, cy_);
    const QFontMetricsF fm(f);
    p.drawText(QPointF(at.x(), at.y() + fm.ascent()), text);
    // Like the classic Print: the current point moves to the start of the next line.
    const double lineHeight = fm.height();
    const double sy = pixelScale_ ? 1.0 : (y2_ - y1_) / std::max(1, height());
    cx_ = pixelScale_ ? 0 : x1_;
    cy_ += lineHeight * sy;
    update();
}

void Canvas::setDrawWidth(int w) { drawWidth_ = std::max(1, w); }

void Canvas::setBackColor(Colour c) {
    back_ = c;
    // Changing the background of a picture box clears it.
    ensureImage();
    image_.fill(toQColor(back_));
    update();
}

void Canvas::setFontSize(double pt) { fontSize_ = pt; }
void Canvas::setFontBold(bool bold) { fontBold_ = bold; }

void Canvas::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void Canvas::paintEvent(QPaintEvent* event) {
    ensureImage();
    flush();
    QPainter p(this);
    p.drawImage(event->rect().topLeft(), image_, event->rect());
    if (!picture_.isNull()) p.drawImage(0, 0, picture_);
    p.setPen(Qt::NoPen);
    for (const Shape* s : shapes_) {
        if (!s->isVisible()) continue;
        // Extents run in the direction of the axes: down the screen and to the right.
        const double sx = (pixelScale_ || ScaleWidth() >= 0) ? 1 : -1;
        const double sy = (pixelScale_ || ScaleHeight() >= 0) ? 1 : -1;
        const QPointF topLeft = toPixel(s->Left(), s->Top());
        const QPointF bottomRight = toPixel(s->Left() + sx * s->Width(), s->Top() + sy * s->Height());
        p.setBrush(toQColor(s->fillColor()));
        p.drawEllipse(QRectF(topLeft, bottomRight).normalized());
    }
}

void Canvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ensureImage();
}

}  // namespace velunta
