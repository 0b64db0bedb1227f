// The headless report gives the very ranges and grid steps the window draws with.

#include <QtTest>

#include "app/form1.h"
#include "app/report.h"
#include "plot/plot_test_support.h"
#include "support/fakes.h"

using namespace plot_test;
Q_DECLARE_METATYPE(plot_test::Inputs)

class PlotPipelineTest : public QObject {
    Q_OBJECT
private slots:
    void reportGivesTheWindowsRanges_data() {
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<float>("zoom");
        QTest::newRow("defaults") << Inputs{} << 1.0f;
        QTest::newRow("heavy drag, zoom 0.5") << Inputs{10, 5, 0.01, 0.001, 1000, 0.1, 0.47} << 0.5f;
        QTest::newRow("released, zoom 2") << Inputs{10, 0, 0.01, 0.001, 1000, 0.1, 0.47} << 2.0f;
        QTest::newRow("thrown down in air") << Inputs{7.5, -4, 0.02, 0.03, 1.23, 1.82e-5, 0.47} << 1.3f;
    }

    void reportGivesTheWindowsRanges() {
        QFETCH(Inputs, inputs);
        QFETCH(float, zoom);
        testing::FakeDialogs dialogs;  // a refused input would show a box, not wait for a click
        Form1 w(Form1Services{&dialogs});
        w.show();
        Model headless;
        headless.set_defaults();
        for (Model* m : {&w.model(), &headless}) m->set_inputs(inputs), m->mashtab_y = zoom;
        w.Form_Resize();
        recompute(headless);
        // Each entry of the report, with the comma or line end after it, is in the window's own report.
        const std::string report = reportJson(headless), shown = reportJson(w.model());
        for (const char* key : {"ymax", "y_top", "x_right", "X", "t_max", "t_right", "Vy_max", "Vy_min", "shag_setki_y",
                                "shag_setki_t", "shag_setki_Vy", "d_shar"}) {
            const std::size_t at = report.find('"' + std::string(key) + "\": ");
            QVERIFY2(at != std::string::npos, key);
            const std::string entry = report.substr(at, report.find_first_of(",\n", at) + 1 - at);
            QVERIFY2(shown.find(entry) != std::string::npos, entry.c_str());
        }
    }
};

QTEST_MAIN(PlotPipelineTest)
#include "plot_pipeline_test.moc"
