// The drawings as pixels: axes, grid, marks, curves and the ball where the
// user coordinates put them.

#include <QTest>
#include <cmath>

#include "app/pipeline.h"
#include "model/constants.h"
#include "plot/axes.h"
#include "plot/curves.h"
#include "plot/minmax.h"
#include "ui/canvas.h"

namespace {

using namespace velunta;
using Inputs = InputValues;

// Closed forms of the vacuum and the linear-drag models.
inline double linearY(const Model& m, double t) {
    return m.h - m.Vp * t - m.tau * (m.V0y + m.Vp) * std::expm1(-t / m.tau);
}
inline double linearVy(const Model& m, double t) { return (m.V0y + m.Vp) * std::exp(-t / m.tau) - m.Vp; }
inline double vacuumY(const Model& m, double t) { return m.h + m.V0y * t - kGravity * t * t / 2; }
inline double vacuumVy(const Model& m, double t) { return m.V0y - kGravity * t; }

// The model of a throw and Picture1 to Picture3 (145 x 485, 773 x 382) after the recompute pipeline.
struct Drawn {
    Model m;
    Canvas Picture1, Picture2, Picture3;
    Shape* Shape1 = new Shape(&Picture1);
    explicit Drawn(const Inputs& in, float zoom = 1.0f) {
        m.set_defaults();
        m.set_inputs(in);
        m.mashtab_y = zoom;
        recompute(m);
        for (Canvas* c : {&Picture1, &Picture2, &Picture3}) c->setFontSize(11.25), c->resize(773, 382);
        Picture1.resize(145, 485);
        minmax(m, &Picture1);
        axes(m, Picture1, *Shape1);
        minmax_2(m, &Picture2, &Picture3);
        axes_2(m, Picture2);
        axes_3(m, Picture3);
        raschet3(m, Picture1, Picture2, Picture3);
    }
};

inline QPoint pixelOf(const Canvas& c, double x, double y) {  // the pixel that holds the user point
    return QPoint(int(std::floor(c.toPixel(x, y).x())), int(std::floor(c.toPixel(x, y).y())));
}
inline QColor colourAt(const Canvas& c, double x, double y) { return c.image().pixelColor(pixelOf(c, x, y)); }
inline const QColor black(0, 0, 0), green(0x80, 0xFF, 0x80), blue(0, 0, 255), red(255, 0, 0);  // as painted

}  // namespace

Q_DECLARE_METATYPE(Inputs)

class PlotPixelsTest : public QObject {
    Q_OBJECT
private slots:
    void drawings_data() {
        QTest::addColumn<Inputs>("inputs");
        QTest::newRow("defaults") << Inputs{};
        QTest::newRow("heavy drag") << Inputs{10, 5, 0.01, 0.001, 1000, 0.1, 0.47};  // the three models part clearly
        QTest::newRow("released") << Inputs{10, 0, 0.01, 0.001, 1000, 0.1, 0.47};    // no ascent, no marks
    }

    void drawings() {
        QFETCH(Inputs, inputs);
        Drawn c(inputs);
        const Model& m = c.m;
        // Axes: the trajectory picture's left edge, the time axis at Vy = 0, the axes at t = 0.
        QCOMPARE(colourAt(c.Picture1, 0, m.y_top * 0.37), black);
        QCOMPARE(colourAt(c.Picture3, m.t_right * 0.8, 0), black);
        QCOMPARE(colourAt(c.Picture3, 0, m.Vy_bottom * 0.9), black);
        if (m.V0y > 0) QCOMPARE(colourAt(c.Picture2, 0, m.h / 2), black);
        // The ground of the coordinate graph shows just inside its bottom edge (between grid lines).
        const QPoint ground = pixelOf(c.Picture2, 0.5 * m.shag_setki_t, 0);
        QCOMPARE(c.Picture2.image().pixelColor(ground.x(), c.Picture2.height() - 1), black);
        // The first height grid line, one pixel wide, at the right end (labels sit at the left).
        const QPoint line = pixelOf(c.Picture1, m.x_right * 0.98, m.shag_setki_y);
        QCOMPARE(c.Picture1.image().pixelColor(line), green);
        QVERIFY(c.Picture1.image().pixelColor(line + QPoint(0, 2)) != green);
        QCOMPARE(colourAt(c.Picture3, m.t_right * 0.9, -m.shag_setki_Vy), green);
        QCOMPARE(colourAt(c.Picture2, m.t_right * 0.98, m.shag_setki_y), green);
        // The full model's top, red across the trajectory picture; no mark without an ascent.
        for (double x : {0.3, 0.95}) QCOMPARE(colourAt(c.Picture1, x * m.x_right, m.Ymax2) == red, m.V0y > 0);
        // The curves: where the other curve is 4 pixels away, a black one has its colour; blue is drawn last.
        int blackChecked = 0;
        for (double fraction : {0.1, 0.3, 0.5, 0.7, 0.9, 0.98}) {
            const double t0 = fraction * m.Tmax0, t1 = fraction * m.Tmax1;
            const auto apart = [&](const Canvas& canvas, double a, double b) {
                return std::abs(pixelOf(canvas, t0, a).y() - pixelOf(canvas, t0, b).y()) >= 4;
            };
            if (apart(c.Picture2, vacuumY(m, t0), linearY(m, t0)) && ++blackChecked)
                QCOMPARE(colourAt(c.Picture2, t0, vacuumY(m, t0)), black);
            if (apart(c.Picture3, vacuumVy(m, t0), linearVy(m, t0)) && ++blackChecked)
                QCOMPARE(colourAt(c.Picture3, t0, vacuumVy(m, t0)), black);
            QCOMPARE(colourAt(c.Picture2, t1, linearY(m, t1)), blue);
            QCOMPARE(colourAt(c.Picture3, t1, linearVy(m, t1)), blue);
        }
        QVERIFY2(blackChecked >= 4, "the black curves were hidden at too many sample times");
        // The graphs' pen is three pixels across: the falling Y(t), nearly flat there, is blue one pixel up and down.
        const QPoint p = pixelOf(c.Picture2, 0.6 * m.Tmax1, linearY(m, 0.6 * m.Tmax1));
        for (int dy : {-1, 1}) QCOMPARE(c.Picture2.image().pixelColor(p + QPoint(0, dy)), blue);
        QVERIFY(c.Picture2.image().pixelColor(p + QPoint(0, 3)) != blue);
    }

    void labelsKeepTheDecimalSeparator() {
        Drawn withPoint(Inputs{}), withComma(Inputs{});
        withComma.m.locale_decimal_point.assign(1, ',');  // (assigning "," trips a false -Wrestrict in GCC 12)
        for (Drawn* d : {&withPoint, &withComma}) d->Picture1.Cls(), axes(d->m, d->Picture1, *d->Shape1);
        QVERIFY(withComma.Picture1.image() != withPoint.Picture1.image());
    }

    void ball_data() {
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<float>("zoom");
        QTest::newRow("1 cm ball at 1.5 m") << Inputs{1.5, 0, 0.01, 0.004084, 1000, 0.001004, 0.47} << 1.0f;
        QTest::newRow("half metre ball at 4.5 m") << Inputs{4.5, 0, 0.5, 600, 1000, 0.001004, 0.47} << 1.0f;
        QTest::newRow("20 cm ball at 1 m, zoom 2") << Inputs{1, 0, 0.2, 10, 1000, 0.001004, 0.47} << 2.0f;
    }

    // The ball is centred at (X, h) and round on the screen, d_shar high in the picture's scale.
    void ball() {
        QFETCH(Inputs, inputs);
        QFETCH(float, zoom);
        Drawn c(inputs, zoom);
        const Model& m = c.m;
        // On the screen: the red pixels of the painted widget that the drawing does not have.
        const QImage drawing = c.Picture1.image().convertToFormat(QImage::Format_RGB32);
        const QImage shown = c.Picture1.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QRect box;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != drawing.pixel(x, y) && QColor(shown.pixel(x, y)) == red)
                    box |= QRect(x, y, 1, 1);
        QVERIFY2(!box.isEmpty() && std::abs(box.width() - box.height()) <= 1,
                 qPrintable(QString("ball %1 x %2 pixels").arg(box.width()).arg(box.height())));
        const QPointF centre = c.Picture1.toPixel(m.X, m.h);
        QVERIFY(std::abs(box.center().x() + 0.5 - centre.x()) <= 1);
        QVERIFY(std::abs(box.center().y() + 0.5 - centre.y()) <= 1);
        QVERIFY(std::abs(box.height() - m.d_shar * c.Picture1.height() / m.y_top) <= 1.5);
    }
};

QTEST_MAIN(PlotPixelsTest)
#include "plot_pixels_test.moc"
