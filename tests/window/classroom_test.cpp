// Classroom tools of the main window: balls and media from the data file, kept
// curves, the readout of the graphs, the flow regime, the projector view and the
// pictures, table and results saved or copied from the window.

#include <QApplication>
#include <QClipboard>
#include <clocale>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>
#include <QToolTip>

#include "window/comparison_menu.h"
#include "window/experiment_menu.h"
#include "window/preset_menus.h"
#include "window/status_line.h"
#include "window/view_scale.h"
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
        const InputValues start;
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
        tennis->trigger();
        QCOMPARE(w->controls().Text4->text() + " " + w->controls().Text5->text(), QString("0.040000 0.002700"));
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

    // Values of the readout of the Vy(t) graph against the models at the time under the mouse.
    void readoutGivesTheModelsAtTheMouse() {
        auto w = desktop.window();
        Canvas* graph = w->controls().Picture3;
        const int px = graph->width() / 4;
        const double t = graph->ScaleLeft() + (px + 0.5) * graph->ScaleWidth() / graph->width();
        const QString line = w->statusLine()->readout(graph, QPointF(px, 10));
        QVERIFY(line.startsWith(QStringLiteral("t = %1 c").arg(t, 0, 'f', 3)));
        for (DragModel model : {DragModel::vacuum, DragModel::linear, DragModel::full}) {
            const double vy = motionAt(w->model(), model, t).Vy;
            QVERIFY2(line.contains(QStringLiteral("Vy = %1 м/с").arg(vy, 0, 'f', 3)), qPrintable(line));
        }
    }

    // A table read is drawn, compared, named in the readout and saved; one that cannot be
    // read is said with its line and changes nothing, however many points were shown before.
    void measuredFall_data() {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("said");  // the reader's message, or empty: read
        QTest::newRow("read") << QByteArray("t;y\n0,2;2,3\n0,6;2,1\n1,0;1,4\n") << QString();
        QTest::newRow("not a number") << QByteArray("t;y\n0,2;2,3\n0,6;abc\n") << "строка 3";
        QTest::newRow("time going back") << QByteArray("0.5 1\n0.2 1.5\n") << "строка 2";
    }
    void measuredFall() {
        QFETCH(QByteArray, table);
        QFETCH(QString, said);
        auto w = desktop.window();
        ExperimentMenu& e = *w->experiment();
        QVERIFY(e.load("t y\n0 2\n0.5 2.4\n", "before"));
        const QImage graph = w->controls().Picture2->image();
        const long runs = w->pipelineRuns();
        QCOMPARE(e.load(table, "fall"), said.isEmpty());
        QCOMPARE(desktop.dialogs.shown.size(), std::size_t(!said.isEmpty()));
        if (!said.isEmpty()) {
            QVERIFY2(desktop.dialogs.shown[0].text.contains(said), qPrintable(desktop.dialogs.shown[0].text));
            QVERIFY(e.data().name == "before" && w->pipelineRuns() == runs && w->controls().Picture2->image() == graph);
            return;
        }
        QVERIFY(e.data().name == "fall" && w->pipelineRuns() == runs + 1 && e.panel()->isVisible());
        QVERIFY(w->statusLine()->experimentLabel()->text().contains(dragModelName(e.comparison().best)));
        Canvas* Y = w->controls().Picture2;
        QVERIFY(w->statusLine()->readout(Y, Y->toPixel(0.95, 1)).contains("опыт, точка 3: t = 1.000 c, Y = 1.400 м"));
        QTemporaryDir dir;
        QString error;
        QVERIFY(w->saveTableFile(dir.filePath("w.csv"), 0.1, error));
        QVERIFY(readFile(dir.filePath("w.csv")).contains("\r\n1;1,4;-1,75;"));
        e.forget();
        QVERIFY(!e.panel()->isVisible() && !w->statusLine()->experimentLabel()->isVisible());
    }

    // The fit's values go in as the fields take them: a refused one with its message and
    // the field's replacement, a failed fit not at all; each applied fit recomputes once.
    void fitIsAppliedAsTheFieldsTakeIt_data() {
        QTest::addColumn<double>("c");
        QTest::addColumn<bool>("converged");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("field");
        QTest::newRow("taken") << 0.8 << true << QString() << "0.800";
        QTest::newRow("refused") << 5000.0 << true << "Слишком большой коэффициент" << "0.470";
        QTest::newRow("not converged") << 0.8 << false << QString() << "0.470";
    }
    void fitIsAppliedAsTheFieldsTakeIt() {
        QFETCH(double, c);
        QFETCH(bool, converged);
        QFETCH(QString, said);
        QFETCH(QString, field);
        auto w = desktop.window();
        QVERIFY(w->experiment()->load("0.2 2.3\n0.6 2.1\n", "fall"));
        const long runs = w->pipelineRuns();
        DragFit fit;
        fit.converged = converged;
        fit.values = {{FitParameter::c, c, 0.01}};
        QCOMPARE(w->experiment()->applyFit(fit), converged && said.isEmpty());
        QCOMPARE(w->controls().Text3->text(), field);
        QCOMPARE(w->pipelineRuns(), runs + converged);
        QCOMPARE(desktop.dialogs.shown.empty(), said.isEmpty());
        if (!said.isEmpty()) QVERIFY(desktop.dialogs.shown[0].text.startsWith(said));
    }

    // The verdict of the status bar at the start-up width and narrower: never cut, it
    // shortens to a form that ends as the whole does; the tooltip then holds the whole,
    // wrapped into lines far narrower than the screen.
    void regimeIsNeverCut_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("shortened");
        QTest::newRow("start-up width") << 800 << true;
        QTest::newRow("narrow") << 420 << true;
        QTest::newRow("wide") << 1270 << false;
    }
    void regimeIsNeverCut() {
        QFETCH(int, width);
        QFETCH(bool, shortened);
        auto w = desktop.window();
        w->presetMenus()->chooseMedium(0);  // воздух: the verdict with its "годится и вакуум"
        w->resize(width, w->height());
        const FlowRegime f = flowRegime(w->model());
        const QString summary = QString::fromStdString(f.summary);
        const QLabel* regime = w->statusLine()->regimeLabel();
        QTRY_COMPARE(w->width(), width);
        QCoreApplication::processEvents();
        QVERIFY2(regime->fontMetrics().horizontalAdvance(regime->text()) <= regime->contentsRect().width(), qPrintable(regime->text()));
        QVERIFY2(QStringList({summary, QString::fromStdString(f.verdict), QString::fromStdString(f.conclusion)})
                     .contains(regime->text()), qPrintable(regime->text()));
        QCOMPARE(regime->text() != summary, shortened);
        QCOMPARE(regime->toolTip().contains(summary), shortened);
        QToolTip::showText(regime->mapToGlobal(QPoint(5, 5)), regime->toolTip(), const_cast<QLabel*>(regime));
        const QLabel* tip = nullptr;
        QTRY_VERIFY(std::ranges::any_of(QApplication::topLevelWidgets(), [&](QWidget* top) {
            return top->objectName() == "qtooltip_label" && top->isVisible() && (tip = qobject_cast<QLabel*>(top));
        }));
        QVERIFY2(tip->width() <= tip->screen()->geometry().width() / 2, qPrintable(QString::number(tip->width())));
        QVERIFY(tip->height() >= 3 * tip->fontMetrics().lineSpacing());  // the explanation's lines at least
        QToolTip::hideText();
    }

    // Under a Russian locale (a decimal comma) the result captions and the status line
    // write the point, all of them; the model still gets the locale's comma for the axes.
    void captionsWriteThePointUnderARussianLocale() {
        QLocale::setDefault(QLocale::Russian);
        std::setlocale(LC_NUMERIC, "ru_RU.UTF-8");  // where the system has it
        auto w = desktop.window();
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_NUMERIC, "C");
        QCOMPARE(QString::fromStdString(w->model().locale_decimal_point), QString(","));
        const QString regime = w->statusLine()->regimeLabel()->text();
        QVERIFY2(!regime.contains(QRegularExpression("\\d,\\d")), qPrintable(regime));
    }

    // A kept full-model curve stays drawn, dashed in red, after the inputs change.
    void keptCurveStaysAfterTheInputsChange() {
        auto w = desktop.window();
        w->comparisonMenu()->keepAction()->trigger();
        w->presetMenus()->chooseMedium(8);  // глицерин: much slower curves
        const KeptSet& set = w->keptCurves().sets.at(0);
        QCOMPARE(QString::fromStdString(set.label), QString("стальной шарик 10 мм"));
        Canvas* graph = w->controls().Picture2;
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

    // The projector view on a projector's 1920 x 1080 and a laptop's 1280 x 800: a step whose window would
    // not fit shows as the largest one that does (the design area, 800 x 512, and the bars, times the step).
    void projectorView_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("shown");
        for (double step : ViewScale::kSteps) {
            QTest::addRow("1920x1080 %d %%", qRound(step * 100)) << QSize(1920, 1080) << step << std::min(step, 1.75);
            QTest::addRow("1280x800 %d %%", qRound(step * 100)) << QSize(1280, 800) << step << std::min(step, 1.25);
        }
    }

    // Every control on the screen, in the cell of the 100 % layout times the step, captions fitted to
    // their grown boxes, Greek letters grown alike; Ctrl+0 gives back the 100 % window exactly; the step
    // shown is the one remembered.
    void projectorView() {
        QFETCH(QSize, screen);
        QFETCH(double, step);
        QFETCH(double, shown);
        auto w = desktop.window();
        const QList<QScreen*> screens = QGuiApplication::screens();
        QScreen* on = *std::ranges::find_if(screens, [&](QScreen* s) { return s->size() == screen; });
        const QRect free = on->availableGeometry();
        w->move(free.topLeft() + QPoint(60, 40));
        QTRY_COMPARE(w->screen(), on);
        QWidget* client = w->centralWidget();
        const auto layoutOf = [&] {
            QHash<QString, QPair<QRect, QFont>> cells;
            for (const auto& [name, rect] : computeLayout(800, 512).named())
                if (const QWidget* c = client->findChild<QWidget*>(name); c->isVisible()) cells[name] = {c->geometry(), c->font()};
            return cells;
        };
        const auto before = layoutOf();
        const QSize size = w->size();
        const double dialogs = QApplication::font().pointSizeF();
        w->viewScale()->setScale(step);
        QCOMPARE(w->viewScale()->scale(), shown);
        QVERIFY2(free.contains(w->frameGeometry()), qPrintable(QString("%1x%2").arg(w->width()).arg(w->height())));
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            const QWidget* control = client->findChild<QWidget*>(it.key());
            const QRect got = control->geometry(), at100 = it.value().first;
            QVERIFY2(free.contains(QRect(control->mapToGlobal(QPoint(0, 0)), got.size())), qPrintable(it.key()));
            QVERIFY2(std::max({std::abs(got.x() - shown * at100.x()), std::abs(got.y() - shown * at100.y()),
                               std::abs(got.width() - shown * at100.width()), std::abs(got.height() - shown * at100.height())}) <= 1,
                     qPrintable(it.key()));
            const auto* label = qobject_cast<const QLabel*>(control);
            if (!label) continue;
            const double font = label->font().pointSizeF(), font100 = it.value().second.pointSizeF();
            QVERIFY2(font >= font100 * shown * 0.9, qPrintable(QString("%1: %2 pt at 100 %: %3").arg(it.key()).arg(font).arg(font100)));
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(), qPrintable(it.key()));
        }
        const QLabel* regime = w->statusLine()->regimeLabel();  // the larger font, the taller bar: it still fits
        QVERIFY(regime->fontMetrics().horizontalAdvance(regime->text()) <= regime->contentsRect().width());
        QCOMPARE(QApplication::font().pointSizeF(), dialogs * shown);
        QCOMPARE(QSettings("Velunta", "velunta").value("view/scale").toDouble(), shown);
        // The pictures are drawn at their real size, not stretched.
        QCOMPARE(w->controls().Picture2->image().size(), w->controls().Picture2->size());
        w->viewScale()->resetAction()->trigger();
        QCOMPARE(w->size(), size);
        QVERIFY(layoutOf() == before && QApplication::font().pointSizeF() == dialogs);
        // A saved step the screen cannot hold opens as the one it can, once the window is shown.
        QSettings("Velunta", "velunta").setValue("view/scale", step);
        w.reset();
        auto next = desktop.window(false);
        next->move(free.topLeft() + QPoint(60, 40));
        next->viewScale()->restore();
        next->show();
        QTRY_COMPARE(next->viewScale()->scale(), shown);
        QVERIFY(free.contains(next->frameGeometry()));
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
        // A row per quantity, a column per model, the number and its unit in cells of their own.
        w->Form_Resize();  // the landings too, as a shown window has them
        w->copyResults();
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        QVERIFY(lines.contains("h\t2.000\tм\tначальная высота"));
        QVERIFY(lines.contains("Tp\tвремя подъёма\t0.305686\tc\t0.349224\tc\t0.183211\tc"));
        QVERIFY(lines.contains("Vy(y=0)\tскорость при падении\t-6.947\tм/c\t-6.532\tм/c\t-1.373\tм/c"));
        const qsizetype header = lines.indexOf(QRegularExpression("Величина\t.*"));
        QVERIFY(header > 0 && lines.size() - header - 2 == 12);
        const QRegularExpression row("^[^\t]*\t[^\t]*(\t-?\\d[\\d.eE+-]*\t[^\t]*|\t\t){3}$");  // a number and its unit, or neither
        for (qsizetype i = header + 1; i < lines.size() - 1; ++i) QVERIFY2(row.match(lines[i]).hasMatch(), qPrintable(lines[i]));
    }
};

// Two screens side by side, a projector's and a laptop's, for the projector view.
int main(int argc, char* argv[]) {
    QTemporaryDir dir;
    QFile screens(dir.filePath("screens.json"));
    if (!screens.open(QIODevice::WriteOnly)) return 1;
    screens.write(R"({"screens": [{"name": "projector", "x": 0, "y": 0, "width": 1920, "height": 1080},
                                  {"name": "laptop", "x": 1920, "y": 0, "width": 1280, "height": 800}]})");
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toUtf8());
    QApplication app(argc, argv);
    ClassroomTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "classroom_test.moc"
