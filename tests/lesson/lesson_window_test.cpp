// The lesson view on the classic window's model: typed values are the same in
// both views, its layout holds from a netbook to a 4K screen at either pixel
// ratio, and every graph's time line stands where the time slider put it.

#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QSlider>
#include <QTest>

#include "ui/form1_controls.h"
#include "ui/canvas.h"

#include "lesson/graph_panel.h"
#include "lesson/input_panel.h"
#include "lesson/lesson_graph.h"
#include "lesson/lesson_window.h"
#include "lesson/playback.h"
#include "lesson/view_switch.h"
#include "support/fake_desktop.h"

using namespace velunta;

class LessonWindowTest : public QObject {
    Q_OBJECT
    testing::FakeDesktop desktop;

    static QLineEdit* classicField(Form1& w, InputField f) { return w.findChild<QLineEdit*>(fieldInfo(f).control); }

    // What is wrong with a widget and its visible children: too small for
    // their contents, outside their parent, or lying over a sibling.
    static QStringList faults(QWidget* w) {
        QStringList found;
        const QList<QWidget*> kids = w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QList<QWidget*> shown;
        for (QWidget* k : kids)
            if (k->isVisible() && !k->isWindow()) shown << k;
        for (QWidget* k : shown) {
            const QString name = QStringLiteral("%1 %2").arg(k->metaObject()->className(), k->objectName());
            const QSize least = k->minimumSizeHint();
            const bool ignored = k->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored;
            if (!ignored && least.isValid() && (k->width() < least.width() || k->height() < least.height()))
                found << name + QString(" smaller than its contents %1x%2 < %3x%4").arg(k->width()).arg(k->height()).arg(least.width()).arg(least.height());
            if (k->inherits("QLabel") && k->hasHeightForWidth() && k->height() < k->heightForWidth(k->width()))
                found << name + " text cut off";
            // A scroll area's contents may be larger than its viewport.
            const bool scrolled = w->parentWidget() && w->parentWidget()->inherits("QAbstractScrollArea");
            if (!scrolled && !QRect(QPoint(), w->size()).contains(k->geometry())) found << name + " outside its parent";
            for (QWidget* other : shown)
                if (other != k && other < k && other->geometry().intersects(k->geometry()))
                    found << name + " over " + other->objectName();
            // A list's or table's headers and scroll bars are its own business.
            if (!k->inherits("QAbstractItemView")) found << faults(k);
        }
        return found;
    }

private slots:
    // A value typed into a lesson field takes the classic field's one path: the same text,
    // the same refusals, and the value stays when the views change places.
    void typedValuesGoBothWays_data() {
        QTest::addColumn<InputField>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("finish");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("box");
        QTest::newRow("height, Enter") << InputField::h << "5" << int(Qt::Key_Return) << 5.0 << "";
        QTest::newRow("thrown down, decimal comma") << InputField::V0y << "-2,5" << int(Qt::Key_Tab) << -2.5 << "";
        QTest::newRow("no height: the classic refusal") << InputField::h << "0" << int(Qt::Key_Return) << 2.0 << "Уже упало?!";
        QTest::newRow("Esc gives the old diameter back") << InputField::d << "0.5" << int(Qt::Key_Escape) << 0.01 << "";
    }

    void typedValuesGoBothWays() {
        QFETCH(InputField, field);
        QFETCH(QString, keys);
        QFETCH(int, finish);
        QFETCH(double, value);
        QFETCH(QString, box);
        auto w = desktop.window();
        ViewSwitch views(*w);
        QTest::keyClick(w.get(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(views.lessonShown() && !w->isVisible() && ViewSwitch::lessonRemembered());
        LessonWindow& lesson = *views.lesson();
        QVERIFY(QTest::qWaitForWindowActive(&lesson));
        QLineEdit* typed = lesson.inputs()->field(field);
        typed->setFocus();
        typed->selectAll();
        QTest::keyClicks(typed, keys);
        QTest::keyClick(typed, Qt::Key(finish));
        QCOMPARE(inputValue(w->model(), field), value);
        QCOMPARE(desktop.dialogs.shown.empty() ? QString() : desktop.dialogs.shown.back().text, box);
        QCOMPARE(classicField(*w, field)->text(), typed->text());
        QTest::keyClick(&lesson, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(w->isVisible() && !lesson.isVisible() && !ViewSwitch::lessonRemembered());
        // And back: typed in the classic field, shown in the lesson's.
        classicField(*w, field)->setText("3");
        QTest::keyClick(classicField(*w, field), Qt::Key_Return);
        views.showLesson();
        QCOMPARE(typed->text(), classicField(*w, field)->text());
        QCOMPARE(lesson.inputs()->slider(field)->value(), InputPanel::sliderPosition(field, inputValue(w->model(), field)));
    }

    // Nothing too small for its contents, cut off or lying over another, on every screen.
    // A pixel ratio other than this process's runs the row in a process of its own.
    void layouts_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<double>("text");
        for (const QSize size : {QSize(1024, 600), QSize(1920, 1080), QSize(3840, 2160)})
            for (double ratio : {1.0, 2.0})
                QTest::addRow("%dx%d at %g", size.width(), size.height(), ratio) << size << ratio << 1.0;
        QTest::newRow("1920x1080, text 250 %") << QSize(1920, 1080) << 1.0 << 2.5;
        QTest::newRow("1024x600, text 150 %") << QSize(1024, 600) << 1.0 << 1.5;
    }

    void layouts() {
        QFETCH(QSize, size);
        QFETCH(double, ratio);
        QFETCH(double, text);
        if (qApp->devicePixelRatio() != ratio) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("QT_SCALE_FACTOR", QString::number(ratio));
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("layouts:") + QTest::currentDataTag()});
            QVERIFY(child.waitForFinished(120000));
            QVERIFY2(child.exitCode() == 0, child.readAllStandardOutput().right(2000).constData());
            return;
        }
        auto w = desktop.window(false);
        LessonWindow lesson(*w);
        lesson.setTextScale(text);
        lesson.resize(size - QSize(0, 30));  // the title bar's share of the screen
        lesson.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lesson));
        QCOMPARE(lesson.size(), size - QSize(0, 30));
        const QSize least = lesson.minimumSizeHint();
        QVERIFY2(least.boundedTo(text == 1 ? QSize(1024, 570) : lesson.size()) == least,
                 qPrintable(QString("%1x%2").arg(least.width()).arg(least.height())));
        const QStringList found = faults(&lesson);
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
        // The graphs are drawn at the device's pixels, their pens grown with the text.
        const LessonGraph* y = lesson.graphs()->graph(GraphPanel::coordinate);
        QCOMPARE(y->surface().surfaceSize(), (QSizeF(y->size()) * ratio).toSize());
        QCOMPARE(y->surface().penScale(), text * ratio);
    }

    // Typed while the classic window hides: it draws nothing then, and when shown
    // again its pictures are those a full recompute draws.
    void hiddenClassicWindowDrawnWhenShown() {
        auto w = desktop.window();
        ViewSwitch views(*w);
        views.showLesson();
        LessonWindow& lesson = *views.lesson();
        QVERIFY(QTest::qWaitForWindowExposed(&lesson));
        const Form1Controls& c = w->controls();
        const QImage before = c.Picture2->image();
        QLineEdit* typed = lesson.inputs()->field(InputField::h);
        typed->selectAll();
        QTest::keyClicks(typed, "7");
        QCOMPARE(w->model().h, 7.0);
        QCOMPARE(c.Picture2->image(), before);
        views.showClassic();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QImage shown = c.Picture2->image();
        w->Form_Resize();
        QCOMPARE(c.Picture2->image(), shown);
    }

    // Space plays or pauses and the arrows step a frame wherever the focus is,
    // but a text field keeps them for its text.
    void timeKeysAnywhere_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<int>("frames");
        QTest::newRow("Space on a graph's button") << "lessonGraphYChoice" << int(Qt::Key_Space) << true << 0;
        QTest::newRow("→ on the text size") << "lessonTextSize" << int(Qt::Key_Right) << false << 1;
        QTest::newRow("← on the time slider") << "lessonTimeSlider" << int(Qt::Key_Left) << false << -1;
        QTest::newRow("Space in the height field") << "h" << int(Qt::Key_Space) << false << 0;
        QTest::newRow("→ in the height field") << "h" << int(Qt::Key_Right) << false << 0;
    }

    void timeKeysAnywhere() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, playing);
        QFETCH(int, frames);
        auto w = desktop.window(false);
        LessonWindow lesson(*w);
        lesson.show();
        QVERIFY(QTest::qWaitForWindowActive(&lesson));
        lesson.playback()->setTime(0.5);
        lesson.timeBar()->slider()->setObjectName("lessonTimeSlider");
        QWidget* target = focus == "h" ? lesson.inputs()->field(InputField::h) : lesson.findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(lesson.playback()->isPlaying(), playing);
        if (!playing) QVERIFY(qAbs(lesson.time() - (0.5 + frames * Playback::kFrame)) < 1e-12);
    }

    // The time slider, moved with its keys, moves the time line of every graph shown.
    void timeLineFollowsTheSlider_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<double>("fraction");
        QTest::newRow("launch") << QList<int>{Qt::Key_Home} << 0.0;
        QTest::newRow("a quarter") << QList<int>{Qt::Key_Home, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp} << 0.25;
        QTest::newRow("last landing") << QList<int>{Qt::Key_End} << 1.0;
    }

    void timeLineFollowsTheSlider() {
        QFETCH(QList<int>, keys);
        QFETCH(double, fraction);
        auto w = desktop.window(false);
        LessonWindow lesson(*w);
        lesson.resize(1280, 800);
        lesson.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lesson));
        lesson.graphs()->choice(GraphPanel::acceleration)->click();
        QSlider* slider = lesson.timeBar()->slider();
        for (int key : keys) QTest::keyClick(slider, Qt::Key(key));
        const double t = lesson.playback()->end() * fraction;
        QVERIFY(qAbs(lesson.time() - t) < 1e-9 * lesson.playback()->end());
        for (GraphPanel::Graph g : {GraphPanel::coordinate, GraphPanel::velocity, GraphPanel::acceleration}) {
            LessonGraph* graph = lesson.graphs()->graph(g);
            const QPointF at = graph->surface().toPixel(t, 0);
            const int x = int(at.x() * graph->width() / graph->surface().surfaceSize().width());
            QCOMPARE(graph->cursorX(), x);
            const QImage shown = graph->grab().toImage();
            QCOMPARE(shown.pixelColor(x * shown.width() / graph->width(), shown.height() / 3), QColor(0x70, 0x30, 0xA0));
        }
    }
};

QTEST_MAIN(LessonWindowTest)
#include "lesson_window_test.moc"
