// The drawings as pixels: axes, grids, marks, curves and the ball where the
// user coordinates put them.

#include <QtTest>

#include "plot/plot_test_support.h"

using namespace plot_test;
Q_DECLARE_METATYPE(plot_test::Inputs)

class PlotPixelsTest : public QObject {
    Q_OBJECT
private slots:
    void axes_data();
    void axes();
    void grids_data();
    void grids();
    void topMarks_data();
    void topMarks();
    void timeMarks_data();
    void timeMarks();
    void curvesFollowClosedForms_data();
    void curvesFollowClosedForms();
    void curvesLeaveTheirLastPoint_data();
    void curvesLeaveTheirLastPoint();
    void ball_data();
    void ball();
    void labelsKeepTheLocaleSeparator();
    void hiddenGraphShowsWhenShown();

private:
    void addThrows();
};

void PlotPixelsTest::addThrows() {
    QTest::addColumn<Inputs>("inputs");
    QTest::newRow("defaults") << kDefaults;
    QTest::newRow("heavy drag") << kHeavyDrag;
    QTest::newRow("released") << kReleased;
}

void PlotPixelsTest::axes_data() { addThrows(); }

void PlotPixelsTest::axes() {
    QFETCH(Inputs, inputs);
    velunta::Model m = makeModel(inputs);
    Canvases c;
    c.draw(m);

    // Trajectory picture: the left edge and the ground (its thick line shows
    // just inside the bottom edge).
    QCOMPARE(colourAt(c.Picture1, 0, m.y_top * 0.37), kBlack);
    QCOMPARE(c.Picture1.image().pixelColor(c.Picture1.width() / 2, c.Picture1.height() - 1), kBlack);
    // Coordinate graph: the time axis along the ground, the height axis at t = 0
    // (below the start of the curves and above the ground).
    // (Between grid lines: a grid line drawn after the thick axis crosses it.)
    const QPoint ground = pixelOf(c.Picture2, 0.5 * m.shag_setki_t, 0);
    QCOMPARE(c.Picture2.image().pixelColor(ground.x(), c.Picture2.height() - 1), kBlack);
    if (m.V0y > 0) QCOMPARE(colourAt(c.Picture2, 0, m.h / 2), kBlack);
    // Velocity graph: the time axis at Vy = 0, inside the graph, and the velocity axis.
    QCOMPARE(colourAt(c.Picture3, m.t_right * 0.8, 0), kBlack);
    QCOMPARE(colourAt(c.Picture3, m.t_right * 0.8, 0).rgb(), colourAt(c.Picture3, m.t_right * 0.3, 0).rgb());
    QCOMPARE(colourAt(c.Picture3, 0, m.Vy_bottom * 0.9), kBlack);
    // Thick, then thin: three pixels across (two when the axis is the top edge).
    const QPoint axis = pixelOf(c.Picture3, m.t_right * 0.8, 0);
    if (axis.y() > 0) QCOMPARE(c.Picture3.image().pixelColor(axis + QPoint(0, -1)), kBlack);
    QCOMPARE(c.Picture3.image().pixelColor(axis + QPoint(0, 1)), kBlack);
    QCOMPARE(c.Picture3.image().pixelColor(axis + QPoint(0, 2)) == kBlack, false);
}

void PlotPixelsTest::grids_data() { addThrows(); }

void PlotPixelsTest::grids() {
    QFETCH(Inputs, inputs);
    velunta::Model m = makeModel(inputs);
    Canvases c;
    c.draw(m);

    // The first height line, right end (labels sit at the left).
    QCOMPARE(colourAt(c.Picture1, m.x_right * 0.98, m.shag_setki_y), kGreen);
    // Its row and no other: the line is one pixel wide.
    const QPoint line = pixelOf(c.Picture1, m.x_right * 0.98, m.shag_setki_y);
    QCOMPARE(c.Picture1.image().pixelColor(line + QPoint(0, -2)), kWhite);
    QCOMPARE(c.Picture1.image().pixelColor(line + QPoint(0, 2)), kWhite);
    // The first time line of the coordinate graph, high up where no curve passes.
    QCOMPARE(colourAt(c.Picture2, m.shag_setki_t, m.y_top * 0.9), kGreen);
    QCOMPARE(colourAt(c.Picture2, m.t_right * 0.98, m.shag_setki_y), kGreen);
    // Velocity lines below the time axis, at the right where the flight is over.
    QCOMPARE(colourAt(c.Picture3, m.t_right * 0.9, -m.shag_setki_Vy), kGreen);
    QCOMPARE(colourAt(c.Picture3, m.shag_setki_t, m.Vy_bottom * 0.2 + m.Vy_top * 0.8 - 0.3 * m.shag_setki_Vy),
             kGreen);
}

void PlotPixelsTest::topMarks_data() { addThrows(); }

void PlotPixelsTest::topMarks() {
    QFETCH(Inputs, inputs);
    velunta::Model m = makeModel(inputs);
    Canvases c;
    c.draw(m);
    const QImage& image = c.Picture1.image();
    if (m.V0y > 0) {
        // The full model's top is drawn last, in red, across the whole width.
        for (double x : {0.3, 0.6, 0.95}) QCOMPARE(colourAt(c.Picture1, x * m.x_right, m.Ymax2), kRed);
        if (pixelOf(c.Picture1, 0, m.Ymax1).y() != pixelOf(c.Picture1, 0, m.Ymax2).y())
            QCOMPARE(colourAt(c.Picture1, 0.6 * m.x_right, m.Ymax1), kBlue);
        if (pixelOf(c.Picture1, 0, m.Ymax0).y() != pixelOf(c.Picture1, 0, m.Ymax1).y() &&
            pixelOf(c.Picture1, 0, m.Ymax0).y() != pixelOf(c.Picture1, 0, m.Ymax2).y())
            QCOMPARE(colourAt(c.Picture1, 0.6 * m.x_right, m.Ymax0), kBlack);
    } else {
        // No ascent, no marks: nothing red or blue in the trajectory picture.
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor p = image.pixelColor(x, y);
                QVERIFY2(p != kRed && p != kBlue, qPrintable(QString("at %1,%2").arg(x).arg(y)));
            }
    }
}

void PlotPixelsTest::timeMarks_data() { addThrows(); }

// The moment of each top on the coordinate graph, from the ground up to its height.
void PlotPixelsTest::timeMarks() {
    QFETCH(Inputs, inputs);
    velunta::Model m = makeModel(inputs);
    Canvases c;
    c.draw(m);
    QCOMPARE(colourAt(c.Picture2, m.Tp2, m.Ymax2 * 0.4), kRed);
    QCOMPARE(c.Picture2.image().pixelColor(pixelOf(c.Picture2, m.Tp2, m.Ymax2 * 0.4) + QPoint(2, 0)) == kRed, false);
    if (m.V0y <= 0) {
        QCOMPARE(m.Tp0, 0.0);
        // All three on the axis t = 0: the red one drawn last covers it.
        QCOMPARE(colourAt(c.Picture2, 0, m.h * 0.5), kRed);
    } else {
        QVERIFY(pixelOf(c.Picture2, m.Tp1, 0).x() != pixelOf(c.Picture2, m.Tp2, 0).x());
        QCOMPARE(colourAt(c.Picture2, m.Tp1, m.Ymax1 * 0.4), kBlue);
    }
}

void PlotPixelsTest::curvesFollowClosedForms_data() { addThrows(); }

// At sample times where the other curve is at least 4 pixels away, the pixel of
// the closed form has the curve's colour.
void PlotPixelsTest::curvesFollowClosedForms() {
    QFETCH(Inputs, inputs);
    velunta::Model m = makeModel(inputs);
    Canvases c;
    c.draw(m);
    int checked = 0;
    for (double fraction : {0.1, 0.3, 0.5, 0.7, 0.9, 0.98}) {
        const double t0 = fraction * m.Tmax0, t1 = fraction * m.Tmax1;
        const auto apart = [](const velunta::Canvas& canvas, double t, double a, double b) {
            return std::abs(pixelOf(canvas, t, a).y() - pixelOf(canvas, t, b).y()) >= 4;
        };
        if (apart(c.Picture2, t0, vacuumY(m, t0), linearY(m, t0))) {
            QCOMPARE(colourAt(c.Picture2, t0, vacuumY(m, t0)), kBlack);
            ++checked;
        }
        if (apart(c.Picture3, t0, vacuumVy(m, t0), linearVy(m, t0))) {
            QCOMPARE(colourAt(c.Picture3, t0, vacuumVy(m, t0)), kBlack);
            ++checked;
        }
        // The blue curves are drawn last: their pixels are always theirs.
        QCOMPARE(colourAt(c.Picture2, t1, linearY(m, t1)), kBlue);
        QCOMPARE(colourAt(c.Picture3, t1, linearVy(m, t1)), kBlue);
    }
    QVERIFY2(checked >= 4, "the black curves were hidden at too many sample times");
    // Three pixels wide: the rows two above and below a point of the falling
    // blue Y(t) line, where it is nearly flat, are not blue.
    const double tFlat = m.Tmax1 * 0.6;
    const QPoint p = pixelOf(c.Picture2, tFlat, linearY(m, tFlat));
    if (m.tau < 1) {
        QCOMPARE(c.Picture2.image().pixelColor(p + QPoint(0, -1)), kBlue);
        QCOMPARE(c.Picture2.image().pixelColor(p + QPoint(0, 1)), kBlue);
        QVERIFY(c.Picture2.image().pixelColor(p + QPoint(0, -3)) != kBlue);
        QVERIFY(c.Picture2.image().pixelColor(p + QPoint(0, 3)) != kBlue);
    }
}

void PlotPixelsTest::curvesLeaveTheirLastPoint_data() {
    QTest::addColumn<Inputs>("inputs");
    QTest::newRow("heavy drag") << kHeavyDrag;
    // tau of microseconds: exp(-t/tau) is 0 for nearly the whole curve.
    QTest::newRow("steel ball in tar") << Inputs{1, 1, 0.01, 0.004084, 1000, 1e4, 0.47};
}

void PlotPixelsTest::curvesLeaveTheirLastPoint() {
    QFETCH(Inputs, inputs);
    velunta::Model m = makeModel(inputs);
    Canvases c;
    c.draw(m);
    const double step = m.Tmax1 / m.n;
    QVERIFY(m.t > m.Tmax1);
    QVERIFY(m.t - step <= m.Tmax1 * (1 + 1e-12));
    QCOMPARE(m.Y, linearY(m, m.t - step));
    QVERIFY(std::abs(m.Vy - linearVy(m, m.t - step)) < 1e-9);
    QCOMPARE(c.Picture2.DrawWidth(), 3);
    QCOMPARE(c.Picture3.DrawWidth(), 3);
    QCOMPARE(c.Picture1.DrawWidth(), 1);
    // The current point is the end of the blue curve, in single precision.
    QCOMPARE(c.Picture2.CurrentY(), double(float(m.Y)));
}

void PlotPixelsTest::ball_data() {
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<float>("zoom");
    QTest::newRow("1 cm ball at 1.5 m") << Inputs{1.5, 0, 0.01, 0.004084, 1000, 0.001004, 0.47} << 1.0f;
    QTest::newRow("half metre ball at 4.5 m") << Inputs{4.5, 0, 0.5, 600, 1000, 0.001004, 0.47} << 1.0f;
    QTest::newRow("20 cm ball at 1 m, zoom 2") << Inputs{1, 0, 0.2, 10, 1000, 0.001004, 0.47} << 2.0f;
    QTest::newRow("thrown up") << Inputs{3, 2, 0.3, 100, 1000, 0.001004, 0.47} << 1.0f;
}

// The ball is centred at (X, h) and round on the screen.
void PlotPixelsTest::ball() {
    QFETCH(Inputs, inputs);
    QFETCH(float, zoom);
    velunta::Model m = makeModel(inputs, zoom);
    Canvases c;
    c.draw(m);
    const velunta::Shape& ball = *c.Shape1;
    QCOMPARE(ball.Height(), double(m.d_shar));
    QCOMPARE(ball.Left() + ball.Width() / 2, m.X);
    QCOMPARE(ball.Top() - ball.Height() / 2, m.h);

    // On the screen: the red pixels of the painted widget outside the drawing.
    const QImage before = c.Picture1.image().convertToFormat(QImage::Format_RGB32);
    const QImage shown = c.Picture1.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != before.pixel(x, y) && QColor(shown.pixel(x, y)) == kRed)
                box |= QRect(x, y, 1, 1);
    QVERIFY(!box.isEmpty());
    QVERIFY2(std::abs(box.width() - box.height()) <= 1,
             qPrintable(QString("ball %1 x %2 pixels").arg(box.width()).arg(box.height())));
    const QPointF centre = c.Picture1.toPixel(m.X, m.h);
    QVERIFY(std::abs(box.center().x() + 0.5 - centre.x()) <= 1);
    QVERIFY(std::abs(box.center().y() + 0.5 - centre.y()) <= 1);
    // Its height on the screen is d_shar in the picture's vertical scale.
    QVERIFY(std::abs(box.height() - m.d_shar * c.Picture1.height() / m.y_top) <= 1.5);
}

// The number labels keep the locale's separator: with "," they draw other pixels.
void PlotPixelsTest::labelsKeepTheLocaleSeparator() {
    velunta::Model m = makeModel(kDefaults);
    Canvases withPoint, withComma;
    withPoint.draw(m);
    m.locale_decimal_point.assign(1, ',');  // (assigning "," trips a false -Wrestrict in GCC 12)
    withComma.draw(m);
    QCOMPARE(withComma.Picture2.image().size(), withPoint.Picture2.image().size());
    QVERIFY(withComma.Picture1.image() != withPoint.Picture1.image());
    QVERIFY(withComma.Picture2.image() != withPoint.Picture2.image());
    QVERIFY(withComma.Picture3.image() != withPoint.Picture3.image());
}

// Every run draws into all three canvases; a hidden graph shows its drawing
// when it is shown.
void PlotPixelsTest::hiddenGraphShowsWhenShown() {
    velunta::Model m = makeModel(kHeavyDrag);
    Canvases c;
    c.Picture2.hide();
    c.draw(m);
    c.Picture2.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c.Picture2));
    const QImage shown = c.Picture2.grab().toImage();
    const double t = 0.5 * m.Tmax1;
    QCOMPARE(shown.pixelColor(pixelOf(c.Picture2, t, linearY(m, t))), kBlue);
    QCOMPARE(shown.pixelColor(pixelOf(c.Picture2, m.t_right * 0.98, m.shag_setki_y)), kGreen);
}

QTEST_MAIN(PlotPixelsTest)
#include "plot_pixels_test.moc"
