// Classroom tools of the main window: balls and media from the data file, kept
// curves, the readout of the graphs, the flow regime, the projector view and the
// pictures, table and results saved or copied from the window.

#include <QClipboard>
#include <clocale>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>
#include <QToolTip>

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
        const auto shownTip = [] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->objectName() == "qtooltip_label" && top->isVisible()) return qobject_cast<QLabel*>(top);
            return static_cast<QLabel*>(nullptr);
        };
        QTRY_VERIFY(shownTip());
        const QLabel* tip = shownTip();
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
        for (const auto& [label, text] : w->model().labels.captions())
            QVERIFY2(!QString::fromStdString(text).contains(QRegularExpression("\\d,\\d")), text.c_str());
        QVERIFY2(!w->statusLine()->regimeLabel()->text().contains(QRegularExpression("\\d,\\d")), qPrintable(w->statusLine()->regimeLabel()->text()));
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

        // A row per quantity, a column per model, the number and its unit in cells of their own.
        w->Form_Resize();  // the landings too, as a shown window has them
        w->copyResults();
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        QVERIFY(lines.contains("h\t2.000\tм\tначальная высота"));
        QVERIFY(lines.contains("Tp\tвремя подъёма\t0.305686\tc\t0.349224\tc\t0.183211\tc"));
        QVERIFY(lines.contains("Vy(y=0)\tскорость при падении\t-6.947\tм/c\t-6.532\tм/c\t-1.373\tм/c"));
        const qsizetype header = lines.indexOf(QRegularExpression("Величина\t.*"));
        QVERIFY(header > 0 && lines.size() - header - 2 == 12);
        for (qsizetype i = header + 1; i < lines.size() - 1; ++i) {
            const QStringList cells = lines[i].split('\t');
            QCOMPARE(cells.size(), 8);
            for (int model = 0; model < 3; ++model) {
                bool number = false;
                cells[2 + 2 * model].toDouble(&number);
                QVERIFY2(number || (cells[2 + 2 * model].isEmpty() && cells[3 + 2 * model].isEmpty()), qPrintable(lines[i]));
            }
        }
    }
};

QTEST_MAIN(ClassroomTest)
#include "classroom_test.moc"
