// Classroom tools of the main window: balls and media from the data file, kept
// curves, the readout of the graphs, the flow regime, the projector view and the
// pictures, table and results saved or copied from the window.

#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include "app/comparison_menu.h"
#include "app/preset_menus.h"
#include "app/status_line.h"
#include "app/view_scale.h"
#include "model/flow_regime.h"
#include "model/format.h"
#include "model/number_reader.h"
#include "model/trajectory.h"
#include "plot/kept_curves.h"
#include "support/fake_desktop.h"
#include "ui/layout_grid.h"

using namespace velunta;
using velunta::testing::FakeDesktop;

namespace {

QString text(double value, InputField field) { return QString::fromStdString(point(Format(value, fieldInfo(field).pattern))); }

QString readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}  // namespace

class ClassroomTest : public QObject {
    Q_OBJECT
    FakeDesktop desktop;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Every ball with every medium it sinks in: the fields show exactly the data
    // file's numbers and none of their checks refuses them.
    void everyEntryIsAcceptedAsItStands() {
        const Presets& p = builtInPresets();
        QVERIFY(p.balls.size() >= 8 && p.media.size() >= 6);
        const InputValues start;  // the first ball is the start-up one
        QVERIFY(p.balls[0].d == start.d && p.balls[0].massa == start.massa && p.balls[0].c == start.c);
        int pairs = 0;
        for (const BallPreset& b : p.balls)
            for (const MediumPreset& s : p.media) {
                if (floats(b.density(), s.r0)) continue;
                Model m;
                m.set_defaults();
                m.set_inputs({start.h, start.V0y, b.d, b.massa, s.r0, s.eta, b.c});
                for (int i = 0; i < inputFieldCount; ++i) {
                    const InputField f = inputFields()[i].field;
                    QCOMPARE(ReadNumber(text(inputValue(m, f), f).toStdString()).value, inputValue(m, f));
                    QVERIFY2(!checkInput(m, f), qPrintable(b.name + " / " + s.name));
                }
                ++pairs;
            }
        QVERIFY(pairs > 40);
    }

    // The help document's tables are made from the data file at build time.
    void helpTablesComeFromTheDataFile() {
        const QString source = readFile(qEnvironmentVariable("VELUNTA_SOURCE_DIR") + "/docs/spravka.md");
        const QString built = withPresetTables(source, builtInPresets());
        QVERIFY(!built.contains("<!--"));
        for (const MediumPreset& s : builtInPresets().media)
            QVERIFY2(built.contains("| " + s.name + " | 20 |") && built.contains(QString::number(s.eta, 'f', 7) + " |"),
                     qPrintable(s.name));
        for (const BallPreset& b : builtInPresets().balls)
            QVERIFY2(built.contains("| " + b.name + " | " + QString::number(b.d, 'f', 6)), qPrintable(b.name));
        QCOMPARE(readFile(qEnvironmentVariable("VELUNTA_RUN_DIR") + "/../docs/spravka.md"), built);
    }

    void menusCheckAndDisableEntries() {
        auto w = desktop.window();
        PresetMenus& menus = *w->presetMenus();
        QAction* const steel = menus.ballActions().value(0);  // the start-up ball
        QAction* const tennis = menus.ballActions().value(3);
        QVERIFY(steel->text() == "стальной шарик 10 мм" && tennis->text() == "шарик для настольного тенниса");
        QVERIFY(steel->isChecked());
        // In water (the start-up medium) the table-tennis ball floats.
        QVERIFY(!tennis->isEnabled() && tennis->toolTip().startsWith("Всплывает"));
        menus.chooseMedium(0);  // воздух
        QCOMPARE(menus.chosenMedium(), QString("воздух"));
        QVERIFY(tennis->isEnabled());
        const long runs = w->pipelineRuns();
        tennis->trigger();
        QCOMPARE(w->pipelineRuns(), runs + 1);
        QCOMPARE(w->controls().Text4->text() + " " + w->controls().Text5->text(), QString("0.040000 0.002700"));
        QCOMPARE(w->model().massa, 0.0027);
        QVERIFY(tennis->isChecked() && !steel->isChecked());
        // Water would now float the ball: that medium is disabled.
        QVERIFY(!menus.mediumActions()[1]->isEnabled());
        // A field edited by hand unchecks the ball.
        w->controls().Text4->setText("0.041");
        QVERIFY(menus.chosenBall().isEmpty());
        QCOMPARE(menus.chosenMedium(), QString("воздух"));
        menus.startValuesAction()->trigger();
        QVERIFY(steel->isChecked());
        QCOMPARE(w->controls().Text6->text(), QString("1000.000"));
        QVERIFY(desktop.dialogs.shown.empty());
    }

    // Values of the readout against the model at the time under the mouse.
    void readoutGivesTheModelsAtTheMouse() {
        auto w = desktop.window();
        for (Canvas* graph : {w->controls().Picture2, w->controls().Picture3}) {
            const bool velocity = graph == w->controls().Picture3;
            const int px = graph->width() / 4;
            const double t = graph->ScaleLeft() + (px + 0.5) * graph->ScaleWidth() / graph->width();
            const QString line = w->statusLine()->readout(graph, QPointF(px, 10));
            QVERIFY(line.startsWith(QStringLiteral("t = %1 c").arg(t, 0, 'f', 3)));
            for (DragModel model : {DragModel::vacuum, DragModel::linear, DragModel::full}) {
                const MotionState s = motionAt(w->model(), model, t);
                const QString value = velocity ? QStringLiteral("Vy = %1 м/с").arg(s.Vy, 0, 'f', 3)
                                               : QStringLiteral("Y = %1 м").arg(s.Y, 0, 'f', 3);
                QVERIFY2(line.contains(value), qPrintable(line + " / " + value));
            }
        }
        // The regime of the start-up inputs in the status bar.
        // The whole of it, or its start with "…" and the whole in the tooltip.
        const QString summary = QString::fromStdString(flowRegime(w->model()).summary);
        const QLabel* regime = w->statusLine()->regimeLabel();
        QVERIFY(regime->text() == summary || (regime->text().endsWith(u'…') && regime->toolTip().startsWith(summary)));
        QVERIFY(summary.startsWith("Re ≈ 1,4·10⁴"));
    }

    // A kept full-model curve stays drawn, dashed in red, after the inputs change.
    void keptCurveStaysAfterTheInputsChange() {
        auto w = desktop.window();
        const Model before = w->model();
        w->comparisonMenu()->keepAction()->trigger();
        w->presetMenus()->chooseMedium(8);  // глицерин: much slower curves
        const KeptSet& set = w->keptCurves().sets.at(0);
        QCOMPARE(QString::fromStdString(set.label), QString("стальной шарик 10 мм"));
        Canvas* graph = w->controls().Picture2;
        QVERIFY(w->model().t_right >= before.Tmax2);
        // Search a few pixels around the curve's points for its red.
        int found = 0, tried = 0;
        for (std::size_t i = 20; i < set.models[2].t.size(); i += 37, ++tried) {
            const QPoint p = graph->toPixel(set.models[2].t[i], set.models[2].Y[i]).toPoint();
            const QImage near = graph->image().copy(QRect(p - QPoint(2, 2), QSize(5, 5))).convertToFormat(QImage::Format_RGB32);
            found += std::count(reinterpret_cast<const QRgb*>(near.constBits()), reinterpret_cast<const QRgb*>(near.constBits()) + 25, qRgb(255, 0, 0)) > 0;
        }
        QVERIFY2(found >= tried * 2 / 3, qPrintable(QString("%1 of %2").arg(found).arg(tried)));
        w->comparisonMenu()->forgetAction()->trigger();
        QVERIFY(w->keptCurves().empty());
    }

    // 150 %: the layout of the client size / 1.5, times 1.5, within a pixel.
    void projectorViewScalesTheLayout() {
        auto w = desktop.window();
        QCOMPARE(w->centralWidget()->size(), QSize(800, 512));  // the design size, between the bars
        const QLabel* regime = w->statusLine()->regimeLabel();
        const auto regimeFits = [regime] {
            return regime->fontMetrics().horizontalAdvance(regime->text()) <= regime->contentsRect().width();
        };
        QVERIFY(regimeFits());
        QHash<QString, QRect> small;
        for (const auto& [name, rect] : computeLayout(800, 512).named())
            small[name] = w->centralWidget()->findChild<QWidget*>(name)->geometry();
        w->viewScale()->setScale(1.5);
        w->resize(w->size() + QSize(1200, 768) - w->centralWidget()->size());
        QTRY_COMPARE(w->centralWidget()->size(), QSize(1200, 768));
        QVERIFY(regimeFits());
        for (auto it = small.cbegin(); it != small.cend(); ++it) {
            const QRect got = w->centralWidget()->findChild<QWidget*>(it.key())->geometry(), want = it.value();
            QVERIFY2(std::max({std::abs(got.x() - 1.5 * want.x()), std::abs(got.y() - 1.5 * want.y()),
                               std::abs(got.width() - 1.5 * want.width()), std::abs(got.height() - 1.5 * want.height())}) <= 1,
                     qPrintable(it.key()));
        }
        // The pictures are drawn at their real size, not stretched.
        QCOMPARE(w->controls().Picture2->image().size(), w->controls().Picture2->size());
        QCOMPARE(w->controls().Text1->font().pointSizeF(), 18.0);
        w->viewScale()->enlarge();
        QCOMPARE(w->viewScale()->scale(), 1.75);
        QVERIFY(regimeFits());  // the larger font, the same bar
        w->viewScale()->reset();
        QCOMPARE(w->controls().Text1->font().pointSizeF(), 12.0);
    }
    // The picture shown (the trajectory at start), twice its size, and the Y(t) graph with the red curve;
    // the table; the results copied.
    void savedFromTheWindow() {
        QTemporaryDir dir;
        const auto w = desktop.window(false);
        QString error;
        QVERIFY(w->savePictureFile(dir.filePath("w.png"), QSize(), error));
        QCOMPARE(QImage(dir.filePath("w.png")).size(), w->controls().Picture1->size() * 2);
        w->controls().Option2->click();
        QVERIFY(w->savePictureFile(dir.filePath("w.svg"), QSize(), error));
        QVERIFY(readFile(dir.filePath("w.svg")).contains("stroke=\"#ff0000\""));
        QVERIFY(!w->saveTableFile(dir.filePath("w.csv"), 0, error) && !QFile::exists(dir.filePath("w.csv")));
        QVERIFY(w->saveTableFile(dir.filePath("w.csv"), 0.1, error));

        w->copyResults();
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        QVERIFY(lines.contains("h\t2.000\tм\tначальная высота"));  // an input and a row of results
        QVERIFY(lines.contains("Tp = 0.305686 c\tτ = 4.316e+01 c\tR= 2.213E-01 м"));
    }
};

QTEST_MAIN(ClassroomTest)
#include "classroom_test.moc"
