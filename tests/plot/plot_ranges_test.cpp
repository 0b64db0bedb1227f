// Plot ranges and grid steps, computed on the model alone.

#include <QtTest>
#include <cmath>

#include "model/model.h"
#include "plot/grid_steps.h"
#include "plot/plot_ranges.h"

using velunta::Model;

class PlotRangesTest : public QObject {
    Q_OBJECT
private slots:
    void trajectoryRange_data();
    void trajectoryRange();
    void graphRanges_data();
    void graphRanges();
    void snapping_data();
    void snapping();
    void gridStepsFromRanges_data();
    void gridStepsFromRanges();
    void velocityStepIsSinglePrecision();
    void ballDiameter_data();
    void ballDiameter();
};

void PlotRangesTest::trajectoryRange_data() {
    QTest::addColumn<double>("Ymax0");
    QTest::addColumn<double>("Ymax1");
    QTest::addColumn<float>("zoom");
    QTest::addColumn<float>("ymax");
    QTest::addColumn<double>("y_top");

    QTest::newRow("vacuum higher") << 12.3 << 11.0 << 1.0f << 13.0f << 13.0;
    QTest::newRow("linear higher") << 11.0 << 12.3 << 1.0f << 13.0f << 13.0;
    QTest::newRow("whole height stays") << 20.0 << 19.5 << 1.0f << 20.0f << 20.0;
    QTest::newRow("zoom 2") << 12.3 << 11.0 << 2.0f << 13.0f << 26.0;
    // 0.1 is not exact in single precision: the product is the float one.
    QTest::newRow("zoom 0.1") << 2.459 << 2.46 << 0.1f << 3.0f << double(0.1f * 3.0f);
    QTest::newRow("just above whole") << 5.0000001 << 1.0 << 1.0f << 5.0f << 5.0;  // float rounds to 5
    QTest::newRow("low") << 0.2 << 0.1 << 1.0f << 1.0f << 1.0;
}

void PlotRangesTest::trajectoryRange() {
    QFETCH(double, Ymax0);
    QFETCH(double, Ymax1);
    QFETCH(float, zoom);
    QFETCH(float, ymax);
    QFETCH(double, y_top);
    Model m;
    m.Ymax0 = Ymax0;
    m.Ymax1 = Ymax1;
    m.mashtab_y = zoom;
    m.X = 0.1;
    velunta::minmax_ranges(m);
    QCOMPARE(m.ymax, ymax);
    QCOMPARE(m.y_top, y_top);
    QCOMPARE(m.x_right, y_top);
    QCOMPARE(m.X, y_top / 2);
    QCOMPARE(m.x_left, 0.0);
    QCOMPARE(m.y_bottom, 0.0);
}

void PlotRangesTest::graphRanges_data() {
    QTest::addColumn<double>("Tmax0");
    QTest::addColumn<double>("Tmax1");
    QTest::addColumn<double>("Tmax2");
    QTest::addColumn<double>("V0y");
    QTest::addColumn<double>("t_max");
    QTest::addColumn<float>("Vy_max");
    QTest::addColumn<double>("Vy_min");

    QTest::newRow("linear longest") << 3.2 << 3.4 << 3.3 << 3.0 << 4.0 << 3.0f << std::floor(3.0 - 9.814 * 3.2);
    QTest::newRow("quadratic longest") << 3.2 << 3.3 << 4.1 << 3.0 << 5.0 << 3.0f << std::floor(3.0 - 9.814 * 3.2);
    QTest::newRow("vacuum longest") << 3.5 << 3.3 << 3.4 << 3.0 << 4.0 << 3.0f << std::floor(3.0 - 9.814 * 3.5);
    QTest::newRow("whole time stays") << 2.9 << 3.0 << 2.5 << 1.0 << 3.0 << 1.0f << std::floor(1.0 - 9.814 * 2.9);
    QTest::newRow("thrown up fast") << 2.5 << 2.4 << 2.3 << 10.0 << 3.0 << 10.0f << -15.0;
    QTest::newRow("fractional speed up") << 1.0 << 1.1 << 1.2 << 2.5 << 2.0 << 3.0f << std::floor(2.5 - 9.814);
    QTest::newRow("released") << 1.4276 << 1.43 << 1.5 << 0.0 << 2.0 << 0.0f << -15.0;
    QTest::newRow("thrown down") << 0.5 << 0.6 << 0.7 << -3.0 << 1.0 << 0.0f << std::floor(-3.0 - 9.814 * 0.5);
}

void PlotRangesTest::graphRanges() {
    QFETCH(double, Tmax0);
    QFETCH(double, Tmax1);
    QFETCH(double, Tmax2);
    QFETCH(double, V0y);
    QFETCH(double, t_max);
    QFETCH(float, Vy_max);
    QFETCH(double, Vy_min);
    Model m;
    m.Tmax0 = Tmax0;
    m.Tmax1 = Tmax1;
    m.Tmax2 = Tmax2;
    m.V0y = V0y;
    m.mashtab_t = 1;
    velunta::minmax_2_ranges(m);
    QCOMPARE(m.t_max, t_max);
    QCOMPARE(m.t_left, 0.0);
    QCOMPARE(m.t_right, t_max);
    QCOMPARE(m.Vy_max, Vy_max);
    QCOMPARE(m.Vy_top, double(Vy_max));
    QCOMPARE(m.Vy_min, Vy_min);
    QCOMPARE(m.Vy_bottom, Vy_min);
    QVERIFY(m.Vy_bottom < 0 && m.Vy_top >= 0);
}

void PlotRangesTest::snapping_data() {
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("snapped");
    QTest::newRow("tiny") << 0.01 << 0.25;
    QTest::newRow("0.2") << 0.2 << 0.25;
    QTest::newRow("0.25 exactly") << 0.25 << 0.25;
    QTest::newRow("0.26") << 0.26 << 0.5;
    QTest::newRow("0.4") << 0.4 << 0.5;
    QTest::newRow("0.5 exactly") << 0.5 << 0.5;
    QTest::newRow("0.51") << 0.51 << 1.0;
    QTest::newRow("1.3") << 1.3 << 1.0;
    QTest::newRow("1.5 to even") << 1.5 << 2.0;
    QTest::newRow("2.5 to even") << 2.5 << 2.0;
    QTest::newRow("3.5 to even") << 3.5 << 4.0;
    QTest::newRow("2.51") << 2.51 << 3.0;
    QTest::newRow("12.5 to even") << 12.5 << 12.0;
}

void PlotRangesTest::snapping() {
    QFETCH(double, step);
    QFETCH(double, snapped);
    QCOMPARE(velunta::snap_grid_step(step), snapped);
    QCOMPARE(velunta::snap_grid_step(float(step)), float(snapped));
}

void PlotRangesTest::gridStepsFromRanges_data() {
    QTest::addColumn<double>("heightRange");
    QTest::addColumn<double>("timeRange");
    QTest::addColumn<double>("Vy_top");
    QTest::addColumn<double>("Vy_bottom");
    QTest::addColumn<double>("shag_y");
    QTest::addColumn<double>("shag_t");
    QTest::addColumn<float>("shag_Vy");

    QTest::newRow("13 m, 4 s, -15..10") << 13.0 << 4.0 << 10.0 << -15.0 << 1.0 << 0.5 << 2.0f;
    QTest::newRow("2 m, 2 s, -7..3") << 2.0 << 2.0 << 3.0 << -7.0 << 0.25 << 0.25 << 1.0f;
    QTest::newRow("4 m, 1 s, -5..0") << 4.0 << 1.0 << 0.0 << -5.0 << 0.5 << 0.25 << 0.5f;
    QTest::newRow("25 m, 25 s, -35..0") << 25.0 << 25.0 << 0.0 << -35.0 << 2.0 << 2.0 << 4.0f;
    QTest::newRow("35 m, 35 s, -2..0") << 35.0 << 35.0 << 0.0 << -2.0 << 4.0 << 4.0 << 0.25f;
}

void PlotRangesTest::gridStepsFromRanges() {
    QFETCH(double, heightRange);
    QFETCH(double, timeRange);
    QFETCH(double, Vy_top);
    QFETCH(double, Vy_bottom);
    QFETCH(double, shag_y);
    QFETCH(double, shag_t);
    QFETCH(float, shag_Vy);
    Model m;
    m.y_top = heightRange;
    m.y_bottom = 0;
    m.t_left = 0;
    m.t_right = timeRange;
    m.Vy_top = Vy_top;
    m.Vy_bottom = Vy_bottom;
    m.t = 7;  // the graphs' axes reset the model time

    velunta::axes_quantities(m);
    QCOMPARE(int(m.n_setki), 10);
    QCOMPARE(m.shag_setki_y, shag_y);

    m.shag_setki_y = 0;
    velunta::axes_2_quantities(m);
    QCOMPARE(m.shag_setki_y, shag_y);
    QCOMPARE(m.shag_setki_t, shag_t);
    QCOMPARE(m.t, 0.0);

    m.t = 7;
    m.shag_setki_t = 0;
    velunta::axes_3_quantities(m);
    QCOMPARE(m.shag_setki_t, shag_t);
    QCOMPARE(m.shag_setki_Vy, shag_Vy);
    QCOMPARE(m.t, 0.0);
    QCOMPARE(int(m.n_setki), 10);
}

// The velocity step is divided in double and compared in single precision:
// a range of 2.5000001 m/s gives 0.25000001 in double, exactly 0.25f in float.
void PlotRangesTest::velocityStepIsSinglePrecision() {
    Model m;
    m.Vy_top = 0;
    m.Vy_bottom = -2.5000001;
    velunta::axes_3_quantities(m);
    QCOMPARE(m.shag_setki_Vy, 0.25f);
    m.y_top = 2.5000001;
    velunta::axes_quantities(m);
    QCOMPARE(m.shag_setki_y, 0.5);  // the height step stays double: 0.25000001 > 0.25
}

void PlotRangesTest::ballDiameter_data() {
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("y_top");
    QTest::addColumn<float>("d_shar");
    QTest::newRow("5 mm ball in 13 m") << 0.005 << 13.0 << float(0.01 * 13.0);
    QTest::newRow("0.5 m ball true size") << 0.5 << 13.0 << 0.5f;
    QTest::newRow("1 cm ball in 1 m, exactly the floor") << 0.01 << 1.0 << 0.01f;
    QTest::newRow("1 cm ball in 3 m") << 0.01 << 3.0 << float(0.01 * 3.0);
}

void PlotRangesTest::ballDiameter() {
    QFETCH(double, d);
    QFETCH(double, y_top);
    QFETCH(float, d_shar);
    Model m;
    m.d = d;
    m.y_top = y_top;
    velunta::axes_quantities(m);
    QCOMPARE(m.d_shar, d_shar);
}

QTEST_GUILESS_MAIN(PlotRangesTest)
#include "plot_ranges_test.moc"
