#include "lesson/lesson_graph.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace velunta {

namespace {
const QColor kCursor(0x70, 0x30, 0xA0);  // apart from every model's colour
}

LessonGraph::LessonGraph(const QString& name, const QString& description, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAccessibleName(description);
    setToolTip(description);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

DrawingSurface& LessonGraph::beginDrawing(double textScale) {
    textScale_ = textScale;
    // Drawn at the device's pixels, pens and fonts grown by the text size and the pixel ratio.
    const double ratio = devicePixelRatioF();
    surface_.setSurfaceSize((QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1)));
    surface_.setPenScale(textScale_ * ratio);
    surface_.setBaseFont(QFont(font().family()));
    return surface_;
}

void LessonGraph::finishDrawing() {
    drawn_ = true;
    shownCursor_ = cursorX();
    update();
}

int LessonGraph::cursorX() const {
    const QSize s = surface_.surfaceSize();
    if (s.width() <= 1 || surface_.ScaleWidth() == 0) return -1;
    const double x = surface_.toPixel(time_, 0).x() * width() / s.width();
    return std::isfinite(x) && x >= 0 && x < width() ? int(std::floor(x)) : -1;
}

QRect LessonGraph::cursorStrip(int x) const {
    const int w = std::max(1, int(std::lround(textScale_)));
    return QRect(x - w, 0, 2 * w + 1, height());
}

void LessonGraph::setTime(double t) {
    time_ = t;
    const int x = cursorX();
    if (x == shownCursor_) return;
    // Only the two strips change: the old line goes, the new one comes.
    if (shownCursor_ >= 0) update(cursorStrip(shownCursor_));
    if (x >= 0) update(cursorStrip(x));
    shownCursor_ = x;
}

void LessonGraph::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    const QImage& picture = surface_.image();
    if (!drawn_ || picture.isNull()) {
        p.fillRect(r, Qt::white);
        return;
    }
    const double ratio = double(picture.width()) / std::max(1, width());
    p.drawImage(QRectF(r), picture, QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
    if (shownCursor_ >= 0) {
        p.setPen(QPen(kCursor, std::max(1.0, std::round(textScale_))));
        p.drawLine(QPointF(shownCursor_ + 0.5, 0), QPointF(shownCursor_ + 0.5, height()));
    }
}

void LessonGraph::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit needsDrawing();
}

}  // namespace velunta
