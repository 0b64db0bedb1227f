// The canvas's pixel rules, and what the graphs and the animation rely on:
// every drawing call is in the image when it returns, skipped points change
// nothing, a hidden canvas keeps its drawing.

#include <QRandomGenerator>
#include <QtTest>
#include <cmath>

#include "ui/canvas.h"
#include "ui/pixel_stroke.h"

using velunta::Canvas;
using velunta::PixelBuffer;
using velunta::PixelPoint;

namespace {

constexpr std::uint32_t kInk = 0xFF123456, kPaper = 0xFFFFFFFF;

QImage blank(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kPaper);
    return image;
}

PixelBuffer bufferOf(QImage& image) {
    return {reinterpret_cast<std::uint32_t*>(image.bits()), image.bytesPerLine() / 4, image.width(), image.height()};
}

// Distance from (px, py) to the segment a-b, in long double.
long double distanceToSegment(long double px, long double py, PixelPoint a, PixelPoint b) {
    const long double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    long double s = len2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / len2 : 0;
    s = std::clamp<long double>(s, 0, 1);
    const long double ex = a.x + s * dx - px, ey = a.y + s * dy - py;
    return std::sqrt(ex * ex + ey * ey);
}

}  // namespace

class CanvasDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void roundPenIsTheCapsule_data();
    void roundPenIsTheCapsule();
    void thinLineFollowsTheLine_data();
    void thinLineFollowsTheLine();
    void polylineInAnyOrder();
    void dotShapes_data();
    void dotShapes();
    void userPointsFallOnTheirPixel();
    void repeatedPointsChangeNothing();
    void pointIsRedrawnAfterOtherDrawing_data();
    void pointIsRedrawnAfterOtherDrawing();
    void frameByFrame();
    void farAwayLinesEnd();
    void resizeKeepsTheDrawing();
};

void CanvasDrawingTest::roundPenIsTheCapsule_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<quint32>("seed");
    for (int width : {2, 3, 4, 5, 7})
        for (quint32 seed : {1u, 2u, 3u})
            QTest::addRow("width %d seed %u", width, seed) << width << seed;
}

// Every pixel whose centre lies within width/2 of the segment, and no other.
void CanvasDrawingTest::roundPenIsTheCapsule() {
    QFETCH(int, width);
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    for (int round = 0; round < 40; ++round) {
        QImage image = blank(40, 30);
        // Ends inside, near and beyond the edges; short and long, steep and flat.
        const PixelPoint a{random.bounded(-10, 50), random.bounded(-10, 40)};
        // Every fourth a dot, every fourth a step to a neighbour, the rest anywhere.
        PixelPoint b{random.bounded(-10, 50), random.bounded(-10, 40)};
        if (round % 4 == 0) b = a;
        if (round % 4 == 1) b = PixelPoint{a.x + random.bounded(-1, 2), a.y + random.bounded(-1, 2)};
        velunta::strokeSegment(bufferOf(image), a, b, width, kInk);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const long double dist = distanceToSegment(x, y, a, b);
                if (std::abs(dist - width / 2.0L) < 1e-12L) continue;  // on the boundary: either is fine
                const bool expected = dist < width / 2.0L;
                QVERIFY2((image.pixel(x, y) == kInk) == expected,
                         qPrintable(QString("pixel %1,%2 for %3,%4-%5,%6").arg(x).arg(y).arg(a.x).arg(a.y).arg(b.x).arg(b.y)));
            }
    }
}

void CanvasDrawingTest::thinLineFollowsTheLine_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {11u, 12u, 13u, 14u}) QTest::addRow("seed %u", seed) << seed;
}

// One pixel per step along the major axis, within half a pixel of the line,
// both ends included; nothing else.
void CanvasDrawingTest::thinLineFollowsTheLine() {
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    for (int round = 0; round < 60; ++round) {
        QImage image = blank(50, 50);
        const PixelPoint a{random.bounded(0, 50), random.bounded(0, 50)};
        const PixelPoint b{random.bounded(0, 50), random.bounded(0, 50)};
        velunta::strokeSegment(bufferOf(image), a, b, 1, kInk);
        const bool xMajor = std::abs(b.x - a.x) >= std::abs(b.y - a.y);
        const int uFrom = int(std::min(xMajor ? a.x : a.y, xMajor ? b.x : b.y));
        const int uTo = int(std::max(xMajor ? a.x : a.y, xMajor ? b.x : b.y));
        int inked = 0;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x) inked += image.pixel(x, y) == kInk;
        QCOMPARE(inked, uTo - uFrom + 1);
        QCOMPARE(image.pixel(int(a.x), int(a.y)), kInk);
        QCOMPARE(image.pixel(int(b.x), int(b.y)), kInk);
        for (int u = uFrom; u <= uTo; ++u) {
            int found = -1;
            for (int v = 0; v < 50; ++v)
                if (image.pixel(xMajor ? u : v, xMajor ? v : u) == kInk) found = v;
            QVERIFY(found >= 0);
            const double du = (xMajor ? b.x - a.x : b.y - a.y), dv = (xMajor ? b.y - a.y : b.x - a.x);
            const double trueV = du == 0 ? (xMajor ? a.y : a.x) : (xMajor ? a.y : a.x) + (u - (xMajor ? a.x : a.y)) * dv / du;
            QVERIFY(std::abs(found - trueV) <= 0.5);
        }
    }
}

// A polyline drawn point by point covers the same pixels as its segments drawn
// backwards: the rules only add pixels.
void CanvasDrawingTest::polylineInAnyOrder() {
    QRandomGenerator random(7);
    for (int width : {1, 3}) {
        Canvas forward, backward;
        for (Canvas* c : {&forward, &backward}) {
            c->resize(120, 90);
            c->Scale(0, 10, 12, 0);
            c->setDrawWidth(width);
            c->Cls();
        }
        QList<QPointF> points;
        for (int i = 0; i < 300; ++i) points << QPointF(random.generateDouble() * 12, random.generateDouble() * 10);
        forward.PSet(points[0].x(), points[0].y(), 0xFF0000);
        for (const QPointF& p : points) forward.LineTo(p.x(), p.y(), 0xFF0000);
        for (int i = int(points.size()) - 1; i > 0; --i)
            backward.Line(points[i].x(), points[i].y(), points[i - 1].x(), points[i - 1].y(), 0xFF0000);
        QCOMPARE(forward.image(), backward.image());
    }
}

void CanvasDrawingTest::dotShapes_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<QPoint>>("offsets");
    QTest::newRow("1: one pixel") << 1 << QList<QPoint>{{0, 0}};
    QTest::newRow("2: a plus") << 2 << QList<QPoint>{{0, 0}, {1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    QList<QPoint> square;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) square << QPoint(dx, dy);
    QTest::newRow("3: three by three") << 3 << square;
}

// PSet in a pen of the given width.
void CanvasDrawingTest::dotShapes() {
    QFETCH(int, width);
    QFETCH(QList<QPoint>, offsets);
    Canvas canvas;
    canvas.resize(20, 20);
    canvas.Cls();
    canvas.setDrawWidth(width);
    canvas.PSet(10.5, 10.5, 0xFF);
    const QImage& image = canvas.image();
    int red = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (image.pixelColor(x, y) == QColor(255, 0, 0)) {
                ++red;
                QVERIFY(offsets.contains(QPoint(x - 10, y - 10)));
            }
    QCOMPARE(red, offsets.size());
}

// A user point falls on the pixel that holds it; PSet without a colour uses ForeColor.
void CanvasDrawingTest::userPointsFallOnTheirPixel() {
    Canvas canvas;
    canvas.resize(100, 50);
    canvas.Scale(0, 5, 10, 0);  // 10 px per unit, y up
    canvas.Cls();
    canvas.setForeColor(0xFF0000);
    canvas.PSet(2.05, 4.95);
    canvas.PSet(9.99, 0.01, 0xFF);
    const QImage& image = canvas.image();
    QCOMPARE(image.pixelColor(20, 0), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(99, 49), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(21, 0), QColor(255, 255, 255));
    QCOMPARE(canvas.CurrentX(), 9.99);
    QCOMPARE(canvas.CurrentY(), 0.01);
}

// Points that repeat the end of the stroke just drawn are skipped; the picture
// is the one every point drawn gives.
void CanvasDrawingTest::repeatedPointsChangeNothing() {
    Canvas dense, sparse;
    for (Canvas* c : {&dense, &sparse}) {
        c->resize(200, 100);
        c->Scale(0, 1, 1, -1);
        c->setDrawWidth(3);
        c->Cls();
        c->PSet(0, 0, 0xFF0000);
    }
    // Forty points per pixel column on the dense canvas, one on the sparse one.
    for (int i = 0; i <= 8000; ++i) dense.LineTo(i / 8000.0, std::sin(i / 8000.0 * 6.283), 0xFF0000);
    for (int i = 0; i <= 8000; i += 40) sparse.LineTo(i / 8000.0, std::sin(i / 8000.0 * 6.283), 0xFF0000);
    // The dense curve covers the sparse one's pixels and lies within a pixel of it.
    const QImage& d = dense.image();
    const QImage& s = sparse.image();
    int differing = 0;
    for (int y = 0; y < d.height(); ++y)
        for (int x = 0; x < d.width(); ++x)
            if (d.pixel(x, y) != s.pixel(x, y)) {
                ++differing;
                QVERIFY2(d.pixelColor(x, y) == QColor(0, 0, 255), "the dense curve misses a pixel");
            }
    QVERIFY(differing < 200);
}

void CanvasDrawingTest::pointIsRedrawnAfterOtherDrawing_data() {
    QTest::addColumn<QString>("between");
    QTest::newRow("Cls") << "Cls";
    QTest::newRow("BackColor") << "BackColor";
    QTest::newRow("Print") << "Print";
    QTest::newRow("other colour") << "other colour";
    QTest::newRow("thinner pen") << "thinner pen";
}

// The skip applies only while nothing else has drawn over the last point.
void CanvasDrawingTest::pointIsRedrawnAfterOtherDrawing() {
    QFETCH(QString, between);
    Canvas canvas;
    canvas.resize(60, 60);
    canvas.setFontSize(30);
    canvas.Cls();
    canvas.setDrawWidth(5);
    canvas.PSet(30, 30, 0xFF);
    const QPoint p(30, 30), neighbour(32, 30);
    if (between == "Cls") {
        canvas.Cls();
    } else if (between == "BackColor") {
        canvas.setBackColor(0xFFFF00);
    } else if (between == "Print") {
        canvas.setForeColor(0);
        canvas.setCurrentX(10);
        canvas.setCurrentY(10);
        canvas.Print(QStringLiteral("███"));
    } else if (between == "other colour") {
        canvas.PSet(30, 30, 0xFF0000);
    } else if (between == "thinner pen") {
        canvas.setDrawWidth(1);
        canvas.PSet(30, 30, 0x00FF00);
        canvas.setDrawWidth(5);
    }
    QVERIFY2(canvas.image().pixelColor(p) != QColor(255, 0, 0), "the drawing in between did not reach the point");
    canvas.setCurrentX(30);
    canvas.setCurrentY(30);
    canvas.LineTo(30.4, 30.4, 0xFF);
    QCOMPARE(canvas.image().pixelColor(p), QColor(255, 0, 0));
    QCOMPARE(canvas.image().pixelColor(neighbour), QColor(255, 0, 0));
}

// The animation draws a segment, the window paints, the next segment follows:
// each painted frame shows every segment drawn so far, also after text output.
void CanvasDrawingTest::frameByFrame() {
    Canvas canvas;
    canvas.resize(100, 100);
    canvas.Scale(0, 10, 10, 0);
    canvas.Cls();
    canvas.setDrawWidth(3);
    canvas.PSet(0, 5, 0xFF);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    for (int frame = 1; frame <= 5; ++frame) {
        canvas.LineTo(frame * 1.5, 5 + frame * 0.5, 0xFF);
        canvas.setCurrentX(0);
        canvas.setCurrentY(10);
        canvas.Print(QString::number(frame));
        canvas.setCurrentX(frame * 1.5);
        canvas.setCurrentY(5 + frame * 0.5);
        QCOMPARE(canvas.image().pixelColor(int(frame * 15), int(100 - (5 + frame * 0.5) * 10)), QColor(255, 0, 0));
        const QImage painted = canvas.grab().toImage();
        for (int earlier = 1; earlier <= frame; ++earlier)
            QCOMPARE(painted.pixelColor(int(earlier * 15), int(100 - (5 + earlier * 0.5) * 10)), QColor(255, 0, 0));
    }
}

// Lines far beyond the canvas (grid lines at negative times, huge values) end
// at once and draw only what is visible.
void CanvasDrawingTest::farAwayLinesEnd() {
    Canvas canvas;
    canvas.resize(100, 100);
    canvas.Scale(0, 1, 1, 0);
    canvas.Cls();
    QElapsedTimer timer;
    timer.start();
    for (int width : {1, 3}) {
        canvas.setDrawWidth(width);
        canvas.Line(-1e12, 0.5, 1e12, 0.5, 0xFF);      // across the whole canvas
        canvas.Line(-1e12, -1e12, 1e12, 1e12, 0xFF);   // diagonal through it
        canvas.Line(-5e9, 3, -5e9, -3, 0xFF);          // entirely to the left
        canvas.Line(0.5, std::nan(""), 0.5, 0.5, 0xFF);  // nothing
    }
    QVERIFY(timer.elapsed() < 1000);
    const QImage& image = canvas.image();
    QCOMPARE(image.pixelColor(0, 50), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(99, 49), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(50, 49), QColor(255, 0, 0));  // on the diagonal y = x
    QCOMPARE(image.pixelColor(10, 20), QColor(255, 255, 255));
}

// Growing the canvas keeps what is drawn; the new part is background.
void CanvasDrawingTest::resizeKeepsTheDrawing() {
    Canvas canvas;
    canvas.resize(50, 50);
    canvas.Cls();
    canvas.PSet(10, 10, 0xFF);
    canvas.resize(80, 60);
    QCOMPARE(canvas.image().size(), QSize(80, 60));
    QCOMPARE(canvas.image().pixelColor(10, 10), QColor(255, 0, 0));
    QCOMPARE(canvas.image().pixelColor(70, 55), QColor(255, 255, 255));
    canvas.PSet(70, 55, 0xFF);
    QCOMPARE(canvas.image().pixelColor(70, 55), QColor(255, 0, 0));
}

QTEST_MAIN(CanvasDrawingTest)
#include "canvas_drawing_test.moc"
