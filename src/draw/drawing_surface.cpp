#include "draw/drawing_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace velunta {

QColor toQColor(Colour bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

namespace {
// 0x00BBGGRR to the image's 0xFFRRGGBB.
std::uint32_t toArgb(Colour bgr) {
    return 0xFF000000u | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}
}  // namespace

// ---- Shape ---------------------------------------------------------------------

Shape::Shape(DrawingSurface* surface) : QObject(surface->shapeOwner()), surface_(surface) {
    surface_->shapes_.push_back(this);
}

void Shape::setLeft(double v) { left_ = v; surface_->surfaceChanged(); }
void Shape::setTop(double v) { top_ = v; surface_->surfaceChanged(); }
void Shape::setWidth(double v) { width_ = v; surface_->surfaceChanged(); }
void Shape::setHeight(double v) { height_ = v; surface_->surfaceChanged(); }
void Shape::setFillColor(Colour c) { fill_ = c; surface_->surfaceChanged(); }
void Shape::setVisible(bool v) { visible_ = v; surface_->surfaceChanged(); }

// ---- DrawingSurface --------------------------------------------------------------

DrawingSurface::DrawingSurface(QSize size) : size_(size) {}

DrawingSurface::~DrawingSurface() {
    painter_.reset();
    for (Shape* s : shapes_)
        if (!s->parent()) delete s;
}

void DrawingSurface::ensureImage() const {
    const QSize wanted = surfaceSize();
    const QSize size(std::max(1, wanted.width()), std::max(1, wanted.height()));
    if (image_.size() == size) return;
    flush();
    QImage fresh(size, QImage::Format_RGB32);
    fresh.fill(toQColor(back_));
    if (!image_.isNull()) {
        QPainter p(&fresh);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(fresh);
}

const QImage& DrawingSurface::image() const {
    ensureImage();
    flush();
    return image_;
}

void DrawingSurface::flush() const { painter_.reset(); }

void DrawingSurface::Scale(double x1, double y1, double x2, double y2) {
    x1_ = x1; y1_ = y1; x2_ = x2; y2_ = y2;
    pixelScale_ = false;
    factorsWidth_ = -1;
    surfaceChanged();  // the shapes sit in user coordinates
}

void DrawingSurface::refreshMapping() const {
    const QSize size = surfaceSize();
    if (factorsWidth_ == size.width() && factorsHeight_ == size.height()) return;
    // Pixels per user unit, kept until the size or the scale changes.
    factorsWidth_ = size.width();
    factorsHeight_ = size.height();
    if (pixelScale_) {
        originX_ = originY_ = 0;
        pixelsPerX_ = pixelsPerY_ = 1;
    } else {
        originX_ = x1_;
        originY_ = y1_;
        pixelsPerX_ = (x2_ - x1_) != 0 ? size.width() / (x2_ - x1_) : 0;
        pixelsPerY_ = (y2_ - y1_) != 0 ? size.height() / (y2_ - y1_) : 0;
    }
    ++mappingVersion_;
}

QPointF DrawingSurface::toPixel(double x, double y) const {
    refreshMapping();
    return QPointF((x - originX_) * pixelsPerX_, (y - originY_) * pixelsPerY_);
}

QPointF DrawingSurface::toUser(QPointF pixel) const {
    // The mapping is linear in each axis: from where the user origin and the unit point fall.
    const QPointF origin = toPixel(0, 0), unit = toPixel(1, 1) - origin;
    return QPointF(unit.x() != 0 ? (pixel.x() - origin.x()) / unit.x() : 0,
                   unit.y() != 0 ? (pixel.y() - origin.y()) / unit.y() : 0);
}

bool DrawingSurface::toPixelIndex(double x, double y, PixelPoint& p) const {
    refreshMapping();
    return velunta::toPixelIndex((x - originX_) * pixelsPerX_, p.x) &&
           velunta::toPixelIndex((y - originY_) * pixelsPerY_, p.y);
}

void DrawingSurface::Cls() {
    ensureImage();
    flush();
    image_.fill(toQColor(back_));
    forgetLastStroke();
    clearDisplayList();
    cx_ = pixelScale_ ? 0 : x1_;
    cy_ = pixelScale_ ? 0 : y1_;
    surfaceChanged();
}

void DrawingSurface::stroke(double x1, double y1, double x2, double y2, Colour c) {
    if (recording_) recordStroke(x1, y1, x2, y2, c);
    refreshMapping();
    const double toX = (x2 - originX_) * pixelsPerX_, toY = (y2 - originY_) * pixelsPerY_;
    // A polyline starts where the last stroke ended: its pixel is known.
    const bool fromLastEnd =
        x1 == lastStroke_.x && y1 == lastStroke_.y && lastStroke_.mappingVersion == mappingVersion_;
    // A point on the end of the stroke just drawn, with the same pen, adds nothing.
    // (Most points of a dense curve: checked before any rounding.)
    const bool samePen = lastStroke_.pixelsIntact && c == lastStroke_.colour && drawWidth_ == lastStroke_.width;
    const auto inPixel = [](double v, std::int64_t pixel) { return v >= double(pixel) && v < double(pixel) + 1; };
    if (fromLastEnd && samePen && inPixel(toX, lastStroke_.p.x) && inPixel(toY, lastStroke_.p.y)) {
        lastStroke_.x = x2;
        lastStroke_.y = y2;
        return;
    }
    PixelPoint a, b;
    if (!velunta::toPixelIndex(toX, b.x) || !velunta::toPixelIndex(toY, b.y)) return;
    if (fromLastEnd)
        a = lastStroke_.p;
    else if (!toPixelIndex(x1, y1, a))
        return;
    if (samePen && a == b && b == lastStroke_.p) {
        lastStroke_.x = x2;
        lastStroke_.y = y2;
        return;
    }
    ensureImage();
    // bits() keeps the buffer the text painter works on: the image has no other owner
    // while the painter is open (image() closes it before anyone can copy).
    const PixelBuffer buffer{reinterpret_cast<std::uint32_t*>(image_.bits()), image_.bytesPerLine() / 4,
                             image_.width(), image_.height()};
    strokeSegment(buffer, a, b, penWidth(), toArgb(c));
    lastStroke_ = {x2, y2, mappingVersion_, b, c, drawWidth_, true};
    surfaceChanged();
}

void DrawingSurface::Line(double x1, double y1, double x2, double y2, Colour c) {
    stroke(x1, y1, x2, y2, c);
    cx_ = x2;
    cy_ = y2;
}

void DrawingSurface::Line(double x1, double y1, double x2, double y2) { Line(x1, y1, x2, y2, fore_); }

void DrawingSurface::LineTo(double x, double y, Colour c) { Line(cx_, cy_, x, y, c); }

void DrawingSurface::LineTo(double x, double y) { LineTo(x, y, fore_); }

void DrawingSurface::PSet(double x, double y, Colour c) {
    stroke(x, y, x, y, c);
    cx_ = x;
    cy_ = y;
}

void DrawingSurface::PSet(double x, double y) { PSet(x, y, fore_); }

QPainter& DrawingSurface::textPainter() {
    ensureImage();
    if (printFontStale_) {
        QFont font = baseFont();
        font.setPointSizeF(fontSize_ * penScale_);
        font.setBold(fontBold_);
        if (font != printFont_) shaped_.clear();
        printFont_ = font;
        const QFontMetricsF fm(printFont_, &image_);
        printAscent_ = fm.ascent();
        printLineHeight_ = fm.height();
        printFontStale_ = false;
        if (painter_) painter_->setFont(printFont_);
    }
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setFont(printFont_);
    }
    return *painter_;
}

DrawingSurface::ShapedText& DrawingSurface::shaped(const QString& text) {
    // Numbers of many inputs pass through the labels; the ones of one input set are few.
    constexpr qsizetype kKept = 1000;
    if (shaped_.size() >= kKept && !shaped_.contains(text)) shaped_.clear();
    return shaped_[text];
}

QSizeF DrawingSurface::textSize(const QString& text) {
    textPainter();  // brings the print font up to date
    ShapedText& s = shaped(text);
    if (s.advance < 0) s.advance = QFontMetricsF(printFont_, &image_).horizontalAdvance(text);
    return QSizeF(s.advance, printLineHeight_);
}

void DrawingSurface::Print(const QString& text) {
    QPainter& p = textPainter();
    const QColor colour = toQColor(fore_);
    if (p.pen().color() != colour) p.setPen(colour);
    const QPointF at = toPixel(cx_, cy_);
    ShapedText& s = shaped(text);
    if (!s.laidOut) {
        s.glyphs.setText(text);
        s.glyphs.setTextFormat(Qt::PlainText);
        s.glyphs.prepare(QTransform(), printFont_);
        s.laidOut = true;
    }
    p.drawStaticText(at, s.glyphs);
    forgetLastStroke();
    const QSize size = surfaceSize();
    if (recording_ && std::isfinite(at.x()) && std::isfinite(at.y()) && !text.isEmpty()) {
        DrawnItem item;
        item.points << QPointF(at.x() / std::max(1, size.width()), at.y() / std::max(1, size.height()));
        item.text = text;
        item.font = printFont_;
        item.fontPixels = printFont_.pointSizeF() * image_.logicalDpiY() / 72;
        item.ascent = printAscent_;
        item.colour = fore_;
        drawn_.push_back(std::move(item));
    }
    // Like the classic Print: the current point moves to the start of the next line.
    const double sy = pixelScale_ ? 1.0 : (y2_ - y1_) / std::max(1, surfaceSize().height());
    cx_ = pixelScale_ ? 0 : x1_;
    cy_ += printLineHeight_ * sy;
    surfaceChanged();
}

void DrawingSurface::setDrawWidth(int w) {
    drawWidth_ = std::max(1, w);
    penWidth_ = penScale_ == 1 ? drawWidth_ : std::max(1, int(std::lround(drawWidth_ * penScale_)));
}

void DrawingSurface::setPenScale(double scale) {
    penScale_ = scale > 0 ? scale : 1;
    printFontStale_ = true;
    setDrawWidth(drawWidth_);
}

void DrawingSurface::setBackColor(Colour c) {
    // A new background clears the surface; setting the one it has changes
    // nothing, so the layout, which sets the counters' colours on every
    // recompute, leaves the last run's time and height standing.
    if (c == back_ && !image_.isNull()) return;
    back_ = c;
    ensureImage();
    flush();
    image_.fill(toQColor(back_));
    forgetLastStroke();
    clearDisplayList();
    surfaceChanged();
}

void DrawingSurface::setFontSize(double pt) {
    fontSize_ = pt;
    printFontStale_ = true;
}

void DrawingSurface::setFontBold(bool bold) {
    fontBold_ = bold;
    printFontStale_ = true;
}

// A shape's corners in pixels; its extents run in the direction of the axes.
QRectF DrawingSurface::shapePixels(const Shape& s) const {
    const double sx = (pixelScale_ || ScaleWidth() >= 0) ? 1 : -1;
    const double sy = (pixelScale_ || ScaleHeight() >= 0) ? 1 : -1;
    return QRectF(toPixel(s.Left(), s.Top()), toPixel(s.Left() + sx * s.Width(), s.Top() + sy * s.Height()));
}

void DrawingSurface::drawShapes(QPainter& p) const {
    p.setPen(Qt::NoPen);
    for (const Shape* s : shapes_) {
        if (!s->isVisible()) continue;
        const QRectF box = shapePixels(*s);
        p.setBrush(toQColor(s->fillColor()));
        p.drawEllipse(box.normalized());
    }
}

// ---- The display list ------------------------------------------------------------

void DrawingSurface::clearDisplayList() { drawn_.clear(); }

void DrawingSurface::setRecording(bool on) {
    recording_ = on;
    if (!on) clearDisplayList();
}

void DrawingSurface::recordStroke(double x1, double y1, double x2, double y2, Colour c) {
    const QSize size = surfaceSize();
    // Far outside points are pulled in, as the pixel path pulls them in: a
    // vector file keeps its numbers finite and short.
    const auto fraction = [&](double x, double y, QPointF& f) {
        const QPointF p = toPixel(x, y);
        if (!std::isfinite(p.x()) || !std::isfinite(p.y())) return false;
        f = QPointF(std::clamp(p.x() / std::max(1, size.width()), -1e4, 1e4),
                    std::clamp(p.y() / std::max(1, size.height()), -1e4, 1e4));
        return true;
    };
    QPointF a, b;
    if (!fraction(x1, y1, a) || !fraction(x2, y2, b)) return;
    if (!drawn_.empty()) {
        DrawnItem& last = drawn_.back();
        if (last.text.isEmpty() && last.colour == c && last.width == penWidth() && last.points.back() == a) {
            if (b != a || last.points.size() == 1) last.points << b;
            return;
        }
    }
    DrawnItem item;
    item.points << a;
    if (b != a) item.points << b;
    item.colour = c;
    item.width = penWidth();
    drawn_.push_back(std::move(item));
}

void DrawingSurface::replay(QPainter& p, const QRectF& target, double textGrowth) const {
    const QSize size = surfaceSize();
    const double k = std::min(target.width() / std::max(1, size.width()), target.height() / std::max(1, size.height()));
    const auto at = [&target](QPointF f) {
        return QPointF(target.left() + f.x() * target.width(), target.top() + f.y() * target.height());
    };
    const double targetDpi = p.device() ? p.device()->logicalDpiY() : 96;
    p.save();
    p.setClipRect(target);
    p.fillRect(target, toQColor(back_));
    for (const DrawnItem& item : drawn_) {
        if (!item.text.isEmpty()) {
            QFont font = item.font;
            font.setPointSizeF(item.fontPixels * k * textGrowth * 72 / targetDpi);
            const QFontMetricsF metrics(font, p.device());
            const QPointF corner = at(item.points.front());
            // Labels beyond the picture are drawn on screen too, where nobody sees
            // them; in a document they would still be found by a text search.
            if (!target.intersects(QRectF(corner, QSizeF(metrics.horizontalAdvance(item.text), metrics.height()))))
                continue;
            p.setFont(font);
            p.setPen(toQColor(item.colour));
            p.drawText(QPointF(corner.x(), corner.y() + item.ascent * k * textGrowth), item.text);
            continue;
        }
        p.setPen(QPen(toQColor(item.colour), item.width * k, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (item.points.size() == 1) {
            p.drawPoint(at(item.points.front()));
            continue;
        }
        QPolygonF line;
        line.reserve(item.points.size());
        for (const QPointF& f : item.points) line << at(f);
        p.drawPolyline(line);
    }
    // The shapes, mapped like the strokes.
    p.setPen(Qt::NoPen);
    for (const Shape* s : shapes_) {
        if (!s->isVisible()) continue;
        const QRectF box = shapePixels(*s);
        const auto scaled = [&](QPointF px) {
            return at(QPointF(px.x() / std::max(1, size.width()), px.y() / std::max(1, size.height())));
        };
        p.setBrush(toQColor(s->fillColor()));
        p.drawEllipse(QRectF(scaled(box.topLeft()), scaled(box.bottomRight())).normalized());
    }
    p.restore();
}

void DrawingSurface::copySetupFrom(const DrawingSurface& other) {
    flush();
    size_ = other.surfaceSize();
    baseFont_ = other.baseFont();
    x1_ = other.x1_; y1_ = other.y1_; x2_ = other.x2_; y2_ = other.y2_;
    pixelScale_ = other.pixelScale_;
    factorsWidth_ = -1;
    cx_ = other.cx_; cy_ = other.cy_;
    drawWidth_ = other.drawWidth_;
    fore_ = other.fore_; back_ = other.back_;
    fontSize_ = other.fontSize_; fontBold_ = other.fontBold_;
    penScale_ = other.penScale_;
    penWidth_ = other.penWidth_;
    printFontStale_ = true;
    image_ = QImage();
    lastStroke_ = {};
    clearDisplayList();
    surfaceChanged();
}

}  // namespace velunta
