// The drawings as pixels: axes, grid, marks, curves and the ball where the
// user coordinates put them.

#include <QSet>
#include <QTest>
#include <cmath>

#include "plot/pipeline.h"
#include "model/format.h"
#include "model/trajectory.h"
#include "plot/axes.h"
#include "plot/curves.h"
#include "plot/kept_curves.h"
#include "plot/legend.h"
#include "plot/measured_marks.h"
#include "plot/minmax.h"
#include "ui/canvas.h"

namespace {

using namespace velunta;
using Inputs = InputValues;

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
inline bool dark(QRgb p) { return qGray(p) < 100; }  // text or an axis, not the grid

}  // namespace

Q_DECLARE_METATYPE(Inputs)
Q_DECLARE_METATYPE(velunta::MeasuredData)

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
        // Each top in its model's colour across the trajectory picture where no later mark covers it; none
        // without an ascent. Y up on both graphs: a ball thrown up starts above the zero line of Vy(t).
        const std::pair<double, QColor> tops[] = {{m.Ymax0, black}, {m.Ymax1, blue}, {m.Ymax2, red}};
        for (int k = 0; k < 3; ++k)
            if (std::none_of(tops + k + 1, tops + 3, [&](auto& later) { return std::abs(pixelOf(c.Picture1, 0, later.first).y() - pixelOf(c.Picture1, 0, tops[k].first).y()) < 2; }))
                for (double x : {0.3, 0.95}) QCOMPARE(colourAt(c.Picture1, x * m.x_right, tops[k].first) == tops[k].second, m.V0y > 0);
        QVERIFY(pixelOf(c.Picture2, 0, m.h).y() < pixelOf(c.Picture2, 0, 0).y());
        QCOMPARE(pixelOf(c.Picture3, 0, m.V0y).y() < pixelOf(c.Picture3, 0, 0).y(), m.V0y > 0);
        // The curves: where the other curve is 4 pixels away, a black one has its colour; blue is drawn last.
        int blackChecked = 0;
        for (double fraction : {0.1, 0.3, 0.5, 0.7, 0.9, 0.98}) {
            const double t0 = fraction * m.Tmax0, t1 = fraction * m.Tmax1;
            const MotionState v = motionAt(m, DragModel::vacuum, t0), l0 = motionAt(m, DragModel::linear, t0), l = motionAt(m, DragModel::linear, t1);
            const auto apart = [&](const Canvas& canvas, double a, double b) {
                return std::abs(pixelOf(canvas, t0, a).y() - pixelOf(canvas, t0, b).y()) >= 4;
            };
            if (apart(c.Picture2, v.Y, l0.Y) && ++blackChecked) QCOMPARE(colourAt(c.Picture2, t0, v.Y), black);
            if (apart(c.Picture3, v.Vy, l0.Vy) && ++blackChecked) QCOMPARE(colourAt(c.Picture3, t0, v.Vy), black);
            QCOMPARE(colourAt(c.Picture2, t1, l.Y), blue);
            QCOMPARE(colourAt(c.Picture3, t1, l.Vy), blue);
        }
        QVERIFY2(blackChecked >= 4, "the black curves were hidden at too many sample times");
        // The graphs' pen is three pixels across: the falling Y(t), nearly flat there, is blue one pixel up and down.
        const QPoint p = pixelOf(c.Picture2, 0.6 * m.Tmax1, motionAt(m, DragModel::linear, 0.6 * m.Tmax1).Y);
        for (int dy : {-1, 1}) QCOMPARE(c.Picture2.image().pixelColor(p + QPoint(0, dy)), blue);
        QVERIFY(c.Picture2.image().pixelColor(p + QPoint(0, 3)) != blue);
    }

    // Before any run, through the recompute pipeline: the full model's red beside the others unless
    // hidden; the last five kept sets each in their own dashes, their numbers apart, inside and off the
    // legend, which lies off the current curves.
    void pipeline_data() {
        QTest::addColumn<bool>("fullModel");
        QTest::addColumn<int>("sets");
        QTest::addColumn<MeasuredData>("data");  // markers hollow, derived velocities filled
        const MeasuredData heights{"h", {{0.1, 9.5, {}}, {0.9, 7, {}}, {2.5, 1, {}}}, DataAlignment::asMeasured};
        const MeasuredData late{"v", {{1, 12, -1.5}, {14, 0.5, -2}}, DataAlignment::asMeasured};  // past the graphs' ranges
        const MeasuredData moved{"a", {{5, 3, {}}, {6, 1, {}}}, DataAlignment::firstPointAtLaunch};
        QTest::newRow("red shown") << true << 0 << MeasuredData{};
        QTest::newRow("red hidden") << false << 0 << heights;
        QTest::newRow("five sets, three alike") << true << 5 << late;
        QTest::newRow("first point at the launch") << true << 0 << moved;
        QTest::newRow("six sets, the first gone") << true << 6 << MeasuredData{};
    }

    void pipeline() {
        QFETCH(bool, fullModel);
        QFETCH(int, sets);
        QFETCH(MeasuredData, data);
        Drawn c(Inputs{10, 5, 0.01, 0.001, 1000, 0.1, 0.47});
        KeptCurves kept;
        for (int i = 0; i < sets; ++i) {
            Model other = c.m;
            other.set_inputs(Inputs{10, 5, 0.01, i < 3 ? 0.001 : 0.002 * i, 1000, 0.1, 0.47});
            recompute(other), kept.keep(other, std::to_string(i));
        }
        for (std::size_t i = 0; i < kept.sets.size(); ++i) QCOMPARE(kept.sets[i].label, std::to_string(sets - int(kept.sets.size() - i)));
        const PipelineSurfaces s{c.Picture1, c.Picture2, c.Picture3, *c.Shape1, &kept, fullModel, &data};
        recompute(c.m, &s);
        const MeasuredMarks marks = measuredMarks(data, c.m);
        const QColor violet = toQColor(kMeasuredColour);
        for (std::size_t i = 0; i < marks.t.size(); ++i) {
            if (data.alignment == DataAlignment::firstPointAtLaunch) QCOMPARE(marks.Y[i] - c.m.h, data.points[i].Y - 3);
            QVERIFY(marks.t[i] <= c.m.t_right && marks.Y[i] <= c.m.y_top && marks.Vy[i] >= c.m.Vy_bottom);
            for (auto [graph, y] : {std::pair{&c.Picture2, marks.Y[i]}, std::pair{&c.Picture3, marks.Vy[i]}}) {
                const QPoint p = pixelOf(*graph, marks.t[i], y);
                QCOMPARE(graph->image().pixelColor(p + QPoint(kMarkerRadius, 0)), violet);
                QCOMPARE(graph->image().pixelColor(p) == violet, graph == &c.Picture3 && marks.derivedVy);
            }
        }
        QCOMPARE(legendRows(kept, &marks).contains("опыт"), !data.empty());
        int reds = 0;
        for (double t : {0.2, 0.4, 0.6, 0.8}) {
            const MotionState full = motionAt(c.m, DragModel::full, t *= c.m.Tp2 + c.m.Ts2);
            reds += (colourAt(c.Picture3, t, full.Vy) == red) + (colourAt(c.Picture2, t, full.Y) == red);
        }
        QVERIFY2(fullModel ? reds >= 6 : reds == 0, qPrintable(QString::number(reds)));
        QCOMPARE(c.Picture2.DrawWidth(), 3);  // as the run expects the pen
        QVERIFY(pixelOf(c.Picture3, 0, c.m.V0y).y() < pixelOf(c.Picture3, 0, 0).y());  // Vy up, kept sets or not
        for (Canvas* graph : {&c.Picture2, &c.Picture3}) {
            const QRect legend = drawLegend(c.m, kept, *graph, graph == &c.Picture3);
            const QList<QRectF> boxes = setNumberBoxes(c.m, kept, *graph, graph == &c.Picture3, legend);
            QCOMPARE(boxes.size(), std::min(sets, KeptCurves::kMaxSets));
            int hidden = 0;
            for (DragModel model : {DragModel::vacuum, DragModel::linear, DragModel::full})
                for (int i = 0; i <= 100; ++i) {
                    const double t = landingTime(c.m, model) * i / 100;
                    const MotionState s = motionAt(c.m, model, t);
                    hidden += legend.contains(graph->toPixel(t, graph == &c.Picture3 ? s.Vy : s.Y).toPoint());
                }
            QCOMPARE(hidden, 0);
            for (int i = 0; i < boxes.size(); ++i) {
                QVERIFY(QRectF(graph->rect()).contains(boxes[i]) && !boxes[i].intersects(legend));
                for (int j = 0; j < i; ++j) QVERIFY2(!boxes[i].intersects(boxes[j]), qPrintable(QString("%1 on %2").arg(i).arg(j)));
            }
        }
        QStringList runs;  // each set's dashes along a straight line, as '#' and '.'
        for (int set = 0; set < KeptCurves::kMaxSets; ++set) {
            Canvas line;
            line.resize(120, 3);
            dashed(line, {0.5, 119.5}, {1.5, 1.5}, 0, set);
            runs << QString();
            for (int x = 0; x < 120; ++x) runs.back() += line.image().pixelColor(x, 1) == black ? '#' : '.';
        }
        QCOMPARE(QSet<QString>(runs.begin(), runs.end()).size(), KeptCurves::kMaxSets);
    }

    // The numbers keep a pixel clear of the thick axis lines (pixels 0 and 1 for t = 0, three rows at
    // Vy = 0); one "0.00" at the origin: where a lone one leaves white (a pixel either side too), no ink.
    void numbersClearOfTheAxes_data() {
        drawings_data();
        QTest::newRow("thrown down") << Inputs{30, -8, 0.05, 0.5, 1000, 0.1, 0.47};
    }

    void numbersClearOfTheAxes() {
        QFETCH(Inputs, inputs);
        Drawn c(inputs);
        c.Picture2.Cls(), axes_2(c.m, c.Picture2);
        c.Picture3.Cls(), axes_3(c.m, c.Picture3);
        for (Canvas* graph : {&c.Picture2, &c.Picture3}) {
            const QImage image = graph->image().convertToFormat(QImage::Format_RGB32);
            int inkAfter = 0;
            for (int y = 0; y < image.height(); ++y)
                if (!dark(image.pixel(40, y))) {  // not a horizontal axis
                    QVERIFY2(!dark(image.pixel(2, y)), qPrintable(QString("row %1").arg(y)));
                    for (int x = 3; x < 10; ++x) inkAfter += dark(image.pixel(x, y));
                }
            QVERIFY(inkAfter > 20);
        }
        const QImage v = c.Picture3.image().convertToFormat(QImage::Format_RGB32);
        const QPointF origin = c.Picture3.toPixel(0, 0) + QPointF(3, 3);
        for (int x = 3; x < v.width(); ++x) QVERIFY2(!dark(v.pixel(x, int(origin.y()) - 1)), qPrintable(QString("column %1").arg(x)));
        Canvas alone;
        alone.resize(c.Picture3.size());
        alone.setFontSize(11.25);
        alone.setCurrentX(origin.x()), alone.setCurrentY(origin.y());
        const QString zero = QString::fromStdString(Format(0.0, "#0.00", c.m.locale_decimal_point));
        alone.Print(zero);
        const QImage one = alone.image().convertToFormat(QImage::Format_RGB32);
        int shared = 0, ink = 0, inkAlone = 0;  // a second one over it would darken its smoothed edges
        for (int y = int(origin.y()); y < origin.y() + alone.textSize(zero).height(); ++y)
            for (int x = 3; x < origin.x() + alone.textSize(zero).width(); ++x) {
                const auto white = [&one, y](int at) { return one.pixel(at, y) == qRgb(255, 255, 255); };
                if (white(x - 1) && white(x) && white(x + 1)) QVERIFY2(!dark(v.pixel(x, y)), qPrintable(QString("%1, %2").arg(x).arg(y)));
                shared += dark(one.pixel(x, y)) && dark(v.pixel(x, y));
                if (!white(x)) ink += 255 - qGray(v.pixel(x, y)), inkAlone += 255 - qGray(one.pixel(x, y));
            }
        QVERIFY(shared > 10);
        QVERIFY2(ink < inkAlone * 1.04, qPrintable(QString("%1 / %2").arg(ink).arg(inkAlone)));
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
