// The drawing stages inside the window's recompute pipeline, and the headless
// report, which must give the same ranges and steps without drawing.

#include <QtTest>

#include "app/form1.h"
#include "app/report.h"
#include "plot/plot_test_support.h"
#include "support/fakes.h"

using namespace plot_test;
Q_DECLARE_METATYPE(plot_test::Inputs)

namespace {

int countColour(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

}  // namespace

class PlotPipelineTest : public QObject {
    Q_OBJECT
    velunta::testing::FakeDialogs dialogs;
    velunta::testing::FakeTone tone;
    velunta::testing::FakeOpener opener;

    std::unique_ptr<velunta::Form1> makeWindow() {
        auto w = std::make_unique<velunta::Form1>(velunta::Form1Services{&dialogs, &tone, &opener});
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get())) return nullptr;
        return w;
    }

private slots:
    void reportGivesTheWindowsRanges_data();
    void reportGivesTheWindowsRanges();
    void everyRunRedrawsAllThreePictures();
};

void PlotPipelineTest::reportGivesTheWindowsRanges_data() {
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<float>("zoom");
    QTest::newRow("defaults") << kDefaults << 1.0f;
    QTest::newRow("heavy drag, zoom 0.5") << kHeavyDrag << 0.5f;
    QTest::newRow("released, zoom 2") << kReleased << 2.0f;
    QTest::newRow("thrown down") << Inputs{7.5, -4, 0.02, 0.03, 1.23, 1.82e-5, 0.47} << 1.3f;
}

void PlotPipelineTest::reportGivesTheWindowsRanges() {
    QFETCH(Inputs, inputs);
    QFETCH(float, zoom);
    auto w = makeWindow();
    QVERIFY(w);
    velunta::Model& shown = w->model();
    shown.set_inputs(inputs);
    shown.mashtab_y = zoom;
    w->Form_Resize();

    velunta::Model headless;
    headless.set_defaults();
    headless.set_inputs(inputs);
    headless.mashtab_y = zoom;
    velunta::computeModel(headless);

    QCOMPARE(headless.ymax, shown.ymax);
    QCOMPARE(headless.y_top, shown.y_top);
    QCOMPARE(headless.x_right, shown.x_right);
    QCOMPARE(headless.X, shown.X);
    QCOMPARE(headless.t_max, shown.t_max);
    QCOMPARE(headless.t_right, shown.t_right);
    QCOMPARE(headless.Vy_max, shown.Vy_max);
    QCOMPARE(headless.Vy_min, shown.Vy_min);
    QCOMPARE(headless.shag_setki_y, shown.shag_setki_y);
    QCOMPARE(headless.shag_setki_t, shown.shag_setki_t);
    QCOMPARE(headless.shag_setki_Vy, shown.shag_setki_Vy);
    QCOMPARE(headless.d_shar, shown.d_shar);

    // The window's pictures carry those ranges.
    const velunta::Form1Controls& c = w->controls();
    QCOMPARE(c.Picture1->ScaleTop(), shown.y_top);
    QCOMPARE(c.Picture1->ScaleWidth(), shown.x_right);
    QCOMPARE(c.Picture2->ScaleTop(), shown.y_top);
    QCOMPARE(c.Picture2->ScaleWidth(), shown.t_right);
    QCOMPARE(c.Picture3->ScaleTop(), shown.Vy_top);
    QCOMPARE(c.Picture3->ScaleHeight(), shown.Vy_bottom - shown.Vy_top);
    QCOMPARE(c.Shape1->Height(), double(shown.d_shar));
    // The report names them.
    const std::string json = velunta::reportJson(headless);
    for (const char* key : {"ymax", "y_top", "x_right", "X", "t_max", "t_right", "Vy_max", "Vy_min", "shag_setki_y",
                            "shag_setki_t", "shag_setki_Vy", "d_shar"})
        QVERIFY2(json.find('"' + std::string(key) + "\": ") != std::string::npos, key);
}

// Every pipeline run clears and redraws the three pictures, the hidden ones too.
void PlotPipelineTest::everyRunRedrawsAllThreePictures() {
    auto w = makeWindow();
    QVERIFY(w);
    const velunta::Form1Controls& c = w->controls();
    QVERIFY(c.Picture1->isVisible());
    QVERIFY(!c.Picture2->isVisible() && !c.Picture3->isVisible());
    velunta::Model& m = w->model();

    m.set_inputs(kDefaults);
    w->Form_Resize();
    const QImage coordinateBefore = c.Picture2->image().copy();
    const QImage velocityBefore = c.Picture3->image().copy();
    QVERIFY(countColour(coordinateBefore, kBlue) > 300);
    QVERIFY(countColour(velocityBefore, kBlue) > 300);
    QCOMPARE(colourAt(*c.Picture1, 0.9 * m.x_right, m.Ymax2), kRed);

    m.set_inputs(kHeavyDrag);
    w->Form_Resize();
    // Redrawn: the old curves are gone, the new ones lie where their closed forms put them.
    QVERIFY(c.Picture2->image() != coordinateBefore);
    QVERIFY(c.Picture3->image() != velocityBefore);
    const double t = 0.5 * m.Tmax1;
    QCOMPARE(colourAt(*c.Picture2, t, linearY(m, t)), kBlue);
    QCOMPARE(colourAt(*c.Picture3, t, linearVy(m, t)), kBlue);
    QCOMPARE(colourAt(*c.Picture1, 0.9 * m.x_right, m.Ymax2), kRed);
    const int blueNow = countColour(c.Picture2->image(), kBlue);
    w->Form_Resize();  // the same inputs again draw the same picture, not over it
    QCOMPARE(countColour(c.Picture2->image(), kBlue), blueNow);
}

QTEST_MAIN(PlotPipelineTest)
#include "plot_pipeline_test.moc"
