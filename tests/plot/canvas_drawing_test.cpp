// The canvas's pixel rules: user coordinates, one-pixel and round pens against a
// brute-force reference, points, and what the animation relies on.

#include <QTest>
#include <cmath>
#include <optional>

#include "ui/canvas.h"

using namespace velunta;

namespace {

const QColor red(255, 0, 0), blue(0, 0, 255), paper(255, 255, 255);

std::optional<bool> verdict(long twice, long limit) {
    return twice == limit ? std::nullopt : std::optional(twice < limit);
}

// Whether a pen w pixels wide from pixel a to pixel b covers pixel p, in exact integers; empty on a
// boundary, where either answer is right. One pixel: per step along the major axis, the pixel within
// half a pixel of the line. Wider: the pixels whose centres lie within w/2 of the segment.
std::optional<bool> covers(QPoint a, QPoint b, int w, QPoint p) {
    const long dx = b.x() - a.x(), dy = b.y() - a.y(), px = p.x() - a.x(), py = p.y() - a.y();
    if (w == 1) {
        const bool xMajor = std::abs(dx) >= std::abs(dy);
        const long du = xMajor ? dx : dy, dv = xMajor ? dy : dx, u = xMajor ? px : py, v = xMajor ? py : px;
        if (u * du < 0 || std::abs(u) > std::abs(du)) return false;
        return du == 0 ? verdict(2 * std::abs(v), 1) : verdict(std::abs(2 * (v * du - u * dv)), std::abs(du));
    }
    const long len2 = dx * dx + dy * dy, dot = px * dx + py * dy, qx = px - dx, qy = py - dy, cross = px * dy - py * dx;
    if (dot <= 0 || dot >= len2) return verdict(4 * std::min(px * px + py * py, qx * qx + qy * qy), w * w);
    return verdict(4 * cross * cross, w * w * len2);
}

}  // namespace

class CanvasDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void linesMatchTheReference_data() {
        QTest::addColumn<QLine>("segment");
        QTest::addColumn<int>("width");
        const QList<QLine> segments{{2, 5, 30, 9},  {4, 2, 9, 27},  {19, 19, 0, 0},   {3, 3, 13, 8},
                                    {30, 2, 26, 25}, {-8, -3, 45, 33}, {10, 10, 11, 11}, {12, 7, 12, 7}};
        for (int width : {1, 3})
            for (const QLine& s : segments)
                QTest::addRow("%d px, %d,%d-%d,%d", width, s.x1(), s.y1(), s.x2(), s.y2()) << s << width;
    }

    void linesMatchTheReference() {
        QFETCH(QLine, segment);
        QFETCH(int, width);
        Canvas canvas;  // in pixels: the user point (x, y) is pixel (x, y)
        canvas.resize(40, 30);
        canvas.setDrawWidth(width);
        canvas.Line(segment.x1(), segment.y1(), segment.x2(), segment.y2(), 0xFF);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                if (const auto expected = covers(segment.p1(), segment.p2(), width, {x, y}))
                    QCOMPARE(std::tuple(x, y, canvas.image().pixelColor(x, y) == red), std::tuple(x, y, *expected));
    }

    // Scale with the y axis up; PSet with its colour or ForeColor; Cls clears and forgets the last stroke.
    // The animation draws a segment and shows the frame: each is in image() at once, also after text output.
    void userCoordinatesPointsAndCls() {
        Canvas canvas;
        canvas.resize(100, 50);
        canvas.Scale(0, 5, 10, 0);  // 10 px per unit, y up
        canvas.setForeColor(0xFF0000);
        canvas.PSet(2.05, 4.95);
        canvas.PSet(9.99, 0.01, 0xFF);
        QCOMPARE(canvas.image().pixelColor(20, 0), blue);
        QCOMPARE(canvas.image().pixelColor(99, 49), red);
        QCOMPARE(canvas.image().pixelColor(21, 0), paper);
        canvas.Cls();
        QCOMPARE(canvas.image().pixelColor(99, 49), paper);
        canvas.PSet(9.99, 0.01, 0xFF);  // the very same point again: drawn anew
        QCOMPARE(canvas.image().pixelColor(99, 49), red);
        for (int frame = 1; frame <= 5; ++frame) {
            canvas.LineTo(frame * 1.5, 2 + frame * 0.5, 0xFF);
            QCOMPARE(canvas.image().pixelColor(frame * 15, 30 - frame * 5), red);
            canvas.Print(QString::number(frame));  // text in between, as on the counters
        }
    }
};

QTEST_MAIN(CanvasDrawingTest)
#include "canvas_drawing_test.moc"
