#pragma once
// A surface to draw on: user coordinates set with Scale, lines, points and
// text, all kept in a QImage backing store. It needs Qt Gui only; the window's
// picture boxes (ui/canvas.h) show such a surface on screen.
//
// Lines and points go straight into the image's pixels (draw/pixel_stroke.h):
// a user point falls on the pixel that holds it, DrawWidth 1 draws one-pixel
// lines, a wider pen draws round. Each drawing call is in the image when it
// returns, so a frame drawn with LineTo shows at once; a point that would only
// repeat the end of the stroke just drawn with the same pen is skipped. Text
// goes through one QPainter kept open on the image until the image is read.
//
// A surface set to record also keeps what was drawn since its last clear as
// a display list in coordinates relative to its size (independent of its
// resolution), so that the same drawing can be replayed on any QPainter: a
// picture at any size, a vector file, a printer. The window's pictures do not
// record (a keystroke would pay for a list nobody reads); an export draws the
// pictures again on recording surfaces.
//
// Colours are 0x00BBGGRR values (255 is red, 0xFF0000 blue), as the drawing
// code of the model writes them.

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QHash>
#include <QSize>
#include <QStaticText>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "draw/pixel_stroke.h"

namespace velunta {

using Colour = std::uint32_t;  // 0x00BBGGRR
QColor toQColor(Colour bgr);
constexpr Colour RGB(int r, int g, int b) { return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16); }

class DrawingSurface;

// A filled shape placed on a surface in the surface's user coordinates
// (Top is the user y of the upper edge, Width and Height positive extents).
class Shape : public QObject {
    Q_OBJECT
public:
    explicit Shape(DrawingSurface* surface);
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void setLeft(double v);
    void setTop(double v);
    void setWidth(double v);
    void setHeight(double v);
    void setFillColor(Colour c);
    Colour fillColor() const { return fill_; }
    bool isVisible() const { return visible_; }
    void setVisible(bool v);

private:
    friend class DrawingSurface;
    DrawingSurface* surface_;
    double left_ = 0, top_ = 0, width_ = 10, height_ = 10;
    Colour fill_ = 0xFF;
    bool visible_ = true;
};

class DrawingSurface {
public:
    // A surface of the given size in pixels (a widget supplies its own size instead).
    explicit DrawingSurface(QSize size = QSize(1, 1));
    virtual ~DrawingSurface();
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;

    // The size in pixels of the surface.
    virtual QSize surfaceSize() const { return size_; }
    void setSurfaceSize(QSize size) { size_ = size; }

    // User coordinates: x1 at the left edge, x2 at the right, y1 at the top, y2 at the bottom.
    void Scale(double x1, double y1, double x2, double y2);
    double ScaleLeft() const { return x1_; }
    double ScaleTop() const { return y1_; }
    double ScaleWidth() const { return x2_ - x1_; }
    double ScaleHeight() const { return y2_ - y1_; }

    // Fill with the background colour; the current point goes to the origin of the user coordinates.
    void Cls();
    // Line (x1, y1)-(x2, y2), c
    void Line(double x1, double y1, double x2, double y2, Colour c);
    // Line (x1, y1)-(x2, y2) in ForeColor
    void Line(double x1, double y1, double x2, double y2);
    // Line -(x, y), c: from the current point
    void LineTo(double x, double y, Colour c);
    void LineTo(double x, double y);
    // PSet (x, y) [, c]: one point DrawWidth across; the current point moves there.
    void PSet(double x, double y);
    void PSet(double x, double y, Colour c);
    // Text with its top-left corner at the current point.
    void Print(const QString& text);
    // The size in pixels of the box Print fills with the text.
    QSizeF textSize(const QString& text);

    void setCurrentX(double x) { cx_ = x; }
    void setCurrentY(double y) { cy_ = y; }
    double CurrentX() const { return cx_; }
    double CurrentY() const { return cy_; }

    void setDrawWidth(int w);
    int DrawWidth() const { return drawWidth_; }
    // Pens and fonts drawn this many times their set size (a larger text for a
    // projector, a screen's device-pixel ratio), so that the same drawing code
    // fills more pixels with thicker lines rather than an enlarged bitmap.
    void setPenScale(double scale);
    double penScale() const { return penScale_; }
    void setForeColor(Colour c) { fore_ = c; }
    Colour ForeColor() const { return fore_; }
    void setBackColor(Colour c);
    Colour BackColor() const { return back_; }
    void setFontSize(double pt);
    double FontSize() const { return fontSize_; }
    void setFontBold(bool bold);
    // The font that Print starts from (a surface on screen takes its widget's).
    void setBaseFont(const QFont& font) { baseFont_ = font; printFontStale_ = true; }
    // A hint for the reader; only a surface on screen shows it.
    virtual void setToolTipText(const QString&) {}

    // The backing store.
    const QImage& image() const;
    // Pixel position of a user point (fractional).
    QPointF toPixel(double x, double y) const;
    // User point at a pixel position (fractional; a pixel's centre is 0.5 in).
    QPointF toUser(QPointF pixel) const;

    // Finishes the text painter, so that the backing image is complete and free.
    void flush() const;

    // The visible shapes, filled, in the current pixel mapping.
    void drawShapes(QPainter& p) const;
    QRectF shapePixels(const Shape& s) const;

    // Keeps the display list from now on; off (the start) empties it.
    void setRecording(bool on);
    bool recording() const { return recording_; }

    // Draws the background, everything drawn since the last clear and the
    // shapes into `target` of the painter's device, scaled from the surface's
    // size; pens and fonts grow with the smaller of the two scale factors, the
    // fonts `textGrowth` times more. A text wholly outside is left out.
    void replay(QPainter& p, const QRectF& target, double textGrowth = 1) const;
    // Takes over another surface's size, scale, pen, colours and fonts, not its
    // drawing nor its shapes, so that the same drawing calls draw the same here.
    void copySetupFrom(const DrawingSurface& other);

protected:
    // Something changed what the surface shows (a stroke, a shape, a scale).
    virtual void surfaceChanged() {}
    // The font that Print starts from before its size and weight.
    virtual QFont baseFont() const { return baseFont_; }
    // The parent of the shapes placed on this surface; without one the surface deletes them.
    virtual QObject* shapeOwner() { return nullptr; }
    // The base font changed.
    void baseFontChanged() { printFontStale_ = true; }
    // The backing image, grown or shrunk to the surface's size, its drawing kept.
    void ensureImage() const;

private:
    friend class Shape;
    // The pixel that holds a user point; false for a NaN coordinate.
    bool toPixelIndex(double x, double y, PixelPoint& p) const;
    // Recomputes the user-to-pixel factors after a change of size or scale.
    void refreshMapping() const;
    void stroke(double x1, double y1, double x2, double y2, Colour c);
    QPainter& textPainter();
    // A text's shaping in the print font, kept while that font stays: every
    // recompute prints and measures the same labels again.
    struct ShapedText {
        double advance = -1;  // its width in pixels; negative until measured
        QStaticText glyphs;   // laid out once printed
        bool laidOut = false;
    };
    ShapedText& shaped(const QString& text);
    // Something other than a stroke changed pixels: the next point must be drawn.
    void forgetLastStroke() { lastStroke_.pixelsIntact = false; }
    // Empties the display list (the surface was filled with its background).
    void clearDisplayList();
    void recordStroke(double x1, double y1, double x2, double y2, Colour c);

    // One entry of the display list. Points are fractions of the surface's
    // width and height; a polyline drawn with one pen grows in one entry.
    struct DrawnItem {
        QPolygonF points;  // a stroke: its polyline (a dot when all points are equal)
        QString text;      // a text: its top-left corner is points[0]
        QFont font;
        double fontPixels = 0, ascent = 0;  // the text's size and ascent in the surface's pixels
        Colour colour = 0;
        int width = 1;
    };

    // The end of the last stroke: its user point and pixel (valid while the
    // mapping is unchanged), and its pen, to skip points that would only repeat it.
    struct StrokeEnd {
        double x = 0, y = 0;
        long mappingVersion = -1;
        PixelPoint p;
        Colour colour = 0;
        int width = 0;
        bool pixelsIntact = false;  // nothing but strokes drawn since
    };

    QSize size_;
    std::vector<DrawnItem> drawn_;
    QFont baseFont_;
    mutable QImage image_;
    mutable std::unique_ptr<QPainter> painter_;
    QFont printFont_;
    QHash<QString, ShapedText> shaped_;
    double printAscent_ = 0, printLineHeight_ = 0;
    bool printFontStale_ = true;
    StrokeEnd lastStroke_;
    double x1_ = 0, y1_ = 0, x2_ = 1, y2_ = 1;
    bool pixelScale_ = true;
    mutable double originX_ = 0, originY_ = 0;          // user point at the top-left corner
    mutable double pixelsPerX_ = 1, pixelsPerY_ = 1;    // of the user coordinates
    mutable int factorsWidth_ = -1, factorsHeight_ = -1;  // size they were computed for
    mutable long mappingVersion_ = 0;                     // counts changes of the mapping
    double cx_ = 0, cy_ = 0;
    int drawWidth_ = 1;
    Colour fore_ = 0, back_ = 0xFFFFFF;
    double fontSize_ = 8.25;
    double penScale_ = 1;
    int penWidth_ = 1;  // the pixels a stroke is wide
    int penWidth() const { return penWidth_; }
    bool fontBold_ = false;
    bool recording_ = false;
    std::vector<Shape*> shapes_;
};

}  // namespace velunta
