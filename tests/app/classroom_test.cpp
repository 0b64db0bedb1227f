// Classroom tools of the main window: balls and media from the data file, kept
// curves, the readout of the graphs, the flow regime, the projector view and the
// pictures, table and results saved or copied from the window.

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

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
        // The regime of the start-up inputs in the status bar.
        // The whole of it, or its start with "…" and the whole in the tooltip.
        const QString summary = QString::fromStdString(flowRegime(w->model()).summary);
        const QLabel* regime = w->statusLine()->regimeLabel();
        QVERIFY(regime->text() == summary || (regime->text().endsWith(u'…') && regime->toolTip().startsWith(summary)));
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

    // 150 %: the layout of the client size / 1.5, times 1.5, within a pixel.
    void projectorViewScalesTheLayout() {
        auto w = desktop.window();
        QCOMPARE(w->centralWidget()->size(), QSize(800, 512));  // the design size, between the bars
        QHash<QString, QRect> small;
        for (const auto& [name, rect] : computeLayout(800, 512).named())
            small[name] = w->centralWidget()->findChild<QWidget*>(name)->geometry();
        w->viewScale()->setScale(1.5);
        w->resize(w->size() + QSize(1200, 768) - w->centralWidget()->size());
        QTRY_COMPARE(w->centralWidget()->size(), QSize(1200, 768));
        const QLabel* regime = w->statusLine()->regimeLabel();  // the larger font, the same bar: it still fits
        QVERIFY(regime->fontMetrics().horizontalAdvance(regime->text()) <= regime->contentsRect().width());
        for (auto it = small.cbegin(); it != small.cend(); ++it) {
            const QRect got = w->centralWidget()->findChild<QWidget*>(it.key())->geometry(), want = it.value();
            QVERIFY2(std::max({std::abs(got.x() - 1.5 * want.x()), std::abs(got.y() - 1.5 * want.y()),
                               std::abs(got.width() - 1.5 * want.width()), std::abs(got.height() - 1.5 * want.height())}) <= 1,
                     qPrintable(it.key()));
        }
        // The pictures are drawn at their real size, not stretched.
        QCOMPARE(w->controls().Picture2->image().size(), w->controls().Picture2->size());
        QCOMPARE(w->controls().Text1->font().pointSizeF(), 18.0);
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
        // A write that fails half-way (here at a file-size limit, which binds root too, without a
        // mount): the reason in Russian, the old table as it was, no other file left.
        const QString old = readFile(dir.filePath("w.csv"));
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{rlim_t(old.size() / 2), limit.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        const bool saved = w->saveTableFile(dir.filePath("w.csv"), 0.1, error);
        setrlimit(RLIMIT_FSIZE, &limit);
        QVERIFY(!saved);
        QCOMPARE(error, QString("Не удалось записать файл «%1»: файл слишком велик").arg(dir.filePath("w.csv")));
        QCOMPARE(readFile(dir.filePath("w.csv")), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"w.csv", "w.png", "w.svg"}));
        QVERIFY(!w->savePictureFile("/dev/null/w.png", QSize(), error) && error.endsWith(": часть пути — не папка"));

        w->copyResults();
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        QVERIFY(lines.contains("h\t2.000\tм\tначальная высота"));  // an input and a row of results
        QVERIFY(lines.contains("Tp = 0.305686 c\tτ = 4.316e+01 c\tR= 2.213E-01 м"));
    }
};

QTEST_MAIN(ClassroomTest)
#include "classroom_test.moc"
