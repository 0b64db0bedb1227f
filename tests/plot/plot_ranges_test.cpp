// Plot ranges and grid steps, computed on the model alone.

#include <QTest>

#include "plot/grid_steps.h"
#include "plot/plot_ranges.h"

using namespace velunta;

namespace {

// Heights up to a whole metre times the zoom (in single precision), the picture as wide as high; the
// longest flight up to a whole second; velocities from the throw (0 if not up) down to the vacuum landing.
struct RangeRow {
    const char* name;
    double Ymax0, Ymax1, zoom, Tmax0, Tmax1, Tmax2, V0y, y_top, t_right, Vy_top, Vy_bottom;
};
const RangeRow kRanges[] = {
    {"12.3 m to 13, linear 3.4 s longest to 4", 12.3, 11.0, 1, 3.2, 3.4, 3.3, 3, 13, 4, 3, -29},
    {"whole 20 m and 3 s stay", 20.0, 19.5, 1, 2.9, 3.0, 2.5, 1, 20, 3, 1, -28},
    {"linear higher, zoom 2, quadratic longest", 11.0, 12.3, 2, 3.2, 3.3, 4.1, 3, 26, 5, 3, -29},
    {"thrown up fast: floor(-14.535)", 2.0, 1.9, 1, 2.5, 2.4, 2.3, 10, 2, 3, 10, -15},
    {"zoom 0.1 in single precision, vacuum longest", 2.459, 2.46, 0.1f, 4.2, 3.3, 3.4, 2.5, 0.1f * 3.0f, 5, 3, -39},
    {"thrown down", 5.0, 5.0, 1, 0.5, 0.6, 0.7, -3, 5, 1, 0, -8},
};

// A tenth of each range taken to 0.25, 0.5 or the nearest whole number (a half to the even one), the
// velocity step in single precision; the ball drawn at least a hundredth of the height across.
struct GridRow { const char* name; double height, time, Vy_top, Vy_bottom, d, shag_y, shag_t; float shag_Vy, d_shar; };
const GridRow kGrids[] = {
    {"13 m, 4 s, -15..10", 13, 4, 10, -15, 0.005, 1, 0.5, 2, float(0.01 * 13)},
    {"2 m, 2 s, -7..3", 2, 2, 3, -7, 0.5, 0.25, 0.25, 1, 0.5},
    {"4 m, 1 s, -5..0", 4, 1, 0, -5, 0.01, 0.5, 0.25, 0.5, float(0.01 * 4)},
    {"35 m, 35 s, -2..0", 35, 35, 0, -2, 0.01, 4, 4, 0.25, float(0.01 * 35)},
    {"2.5000001: 0.5 in double, 0.25 in single", 2.5000001, 1, 0, -2.5000001, 0.01, 0.5, 0.25, 0.25, 0.025f},
};

template <class Row, std::size_t N>
void addRows(const Row (&rows)[N]) {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i) QTest::newRow(rows[i].name) << int(i);
}

}  // namespace

class PlotRangesTest : public QObject {
    Q_OBJECT
private slots:
    void ranges_data() { addRows(kRanges); }
    void ranges() {
        QFETCH(int, row);
        const RangeRow& r = kRanges[row];
        Model m;
        std::tie(m.Ymax0, m.Ymax1, m.Tmax0, m.Tmax1, m.Tmax2, m.V0y) =
            std::tie(r.Ymax0, r.Ymax1, r.Tmax0, r.Tmax1, r.Tmax2, r.V0y);
        m.mashtab_y = float(r.zoom);
        m.mashtab_t = 1;
        minmax_ranges(m);
        minmax_2_ranges(m);
        QCOMPARE(std::tuple(m.y_top, m.x_right, m.X), std::tuple(r.y_top, r.y_top, r.y_top / 2));
        QCOMPARE(std::tuple(m.t_right, m.Vy_top, m.Vy_bottom), std::tuple(r.t_right, r.Vy_top, r.Vy_bottom));
    }

    // Each axes procedure computes the steps of its own drawing.
    void gridSteps_data() { addRows(kGrids); }
    void gridSteps() {
        QFETCH(int, row);
        const GridRow& r = kGrids[row];
        Model m;
        std::tie(m.y_top, m.t_right, m.Vy_top, m.Vy_bottom, m.d) =
            std::tie(r.height, r.time, r.Vy_top, r.Vy_bottom, r.d);
        axes_quantities(m);
        QCOMPARE(std::pair(m.shag_setki_y, m.d_shar), std::pair(r.shag_y, r.d_shar));
        m.shag_setki_y = 0;
        axes_2_quantities(m);
        QCOMPARE(std::pair(m.shag_setki_y, m.shag_setki_t), std::pair(r.shag_y, r.shag_t));
        m.shag_setki_t = 0;
        axes_3_quantities(m);
        QCOMPARE(std::pair(m.shag_setki_t, m.shag_setki_Vy), std::pair(r.shag_t, r.shag_Vy));
    }
};

QTEST_GUILESS_MAIN(PlotRangesTest)
#include "plot_ranges_test.moc"
