// Lessons in files and undo: what is saved comes back exactly (a kept set drawn
// to the same pixels), a bad file changes nothing and says what is wrong, every
// finished change is one step back, and unsaved work is asked about.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "export/lesson_file.h"
#include "lesson/graph_panel.h"
#include "lesson/lesson_window.h"
#include "lesson/view_switch.h"
#include "window/experiment_menu.h"
#include "plot/kept_curves.h"
#include "support/fake_desktop.h"
#include "window/comparison_menu.h"
#include "window/main_menu.h"

using namespace velunta;
using namespace velunta::testing;

class LessonFileTest : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    QTemporaryDir dir;

    QString file(const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
    static void type(QLineEdit* field, const QString& text) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void roundTrip_data() {
        QTest::addColumn<QString>("h");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("graph");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<int>("experiment");  // a published set chosen (-1: none), its c fitted
        QTest::addColumn<bool>("lessonView");
        QTest::newRow("start-up values") << "" << 0 << 1 << "" << -1 << false;
        QTest::newRow("two kept sets, Y(t)") << "7.5" << 2 << 2 << "Сравнить с опытом.\nСтр. 12" << -1 << false;
        QTest::newRow("five kept sets, Vy(t)") << "0.125" << 5 << 3 << "" << -1 << false;
        QTest::newRow("Newton's globe, c fitted, Y(t)") << "" << 1 << 2 << "" << 2 << false;
        QTest::newRow("lesson view at 200 %, a(t)") << "" << 0 << 2 << "" << 0 << true;
    }
    void roundTrip() {
        QFETCH(QString, h);
        QFETCH(int, kept);
        QFETCH(int, graph);
        QFETCH(QString, notes);
        QFETCH(int, experiment);
        QFETCH(bool, lessonView);
        auto saved = desktop.window();
        ViewSwitch savedViews(*saved);
        for (int i = 0; i < kept; ++i) {
            type(saved->controls().Text2, QString::number(i + 1));
            saved->comparisonMenu()->keep();
        }
        if (!h.isEmpty()) type(saved->controls().Text1, h);
        (graph == 2 ? saved->controls().Option2 : graph == 3 ? saved->controls().Option3 : saved->controls().Option1)->click();
        saved->setLessonNotes(notes);
        if (experiment >= 0) {
            saved->experiment()->chooseSet(experiment);
            QVERIFY(saved->experiment()->applyFit(saved->experiment()->fit(FitChoice{true, false, false})));
            QVERIFY(saved->experiment()->lastFit());
        }
        if (lessonView) {
            savedViews.showLesson();
            savedViews.lesson()->setTextScale(2);
            savedViews.lesson()->graphs()->choice(GraphPanel::acceleration)->setChecked(true);
            savedViews.lesson()->graphs()->choice(GraphPanel::coordinate)->setChecked(false);
        }
        QString error;
        const QString path = dir.filePath(QString("урок %1.velunta").arg(QTest::currentDataTag()));
        QVERIFY2(saved->saveLessonFile(path, error), qPrintable(error));
        QVERIFY(!saved->hasUnsavedLesson());
        QVERIFY(!saved->isWindowModified() && saved->windowTitle().startsWith(QFileInfo(path).completeBaseName()));

        auto opened = desktop.window();
        ViewSwitch openedViews(*opened);
        QVERIFY(opened->openLessonFile(path));
        QVERIFY(desktop.dialogs.shown.empty());
        QVERIFY(opened->lessonDocument() == saved->lessonDocument());
        QVERIFY(opened->lessonState() == saved->lessonState());
        QCOMPARE(bool(opened->experiment()->shown()), experiment >= 0);
        QCOMPARE(opened->experiment()->panel()->text(), saved->experiment()->panel()->text());
        QCOMPARE(openedViews.lessonShown(), lessonView);
        if (lessonView) {
            QCOMPARE(openedViews.lesson()->textScale(), 2.0);
            QVERIFY(!openedViews.lesson()->graphs()->choice(GraphPanel::coordinate)->isChecked());
            savedViews.showClassic(), openedViews.showClassic();
        }
        QCOMPARE(opened->keptCurves().sets.size(), std::size_t(kept));
        QCOMPARE(opened->controls().Text1->text(), saved->controls().Text1->text());
        QCOMPARE(opened->controls().Picture2->grab().toImage(), saved->controls().Picture2->grab().toImage());
        QVERIFY(!opened->hasUnsavedLesson() && !opened->undoHistory().stack().canUndo());
    }

    // Each bad file: its message, and the window exactly as it was.
    void badFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QByteArray inputs = R"("inputs": {"h": 2, "V0y": 3, "d": 0.01, "massa": 0.004, "r0": 1000, "eta": 0.001, "c": 0.47})";
        const QByteArray head = R"({"format": "velunta-lesson", "version": 1, )";
        QTest::newRow("not JSON") << QByteArray("h=2\n") << "текст не JSON (строка 1";
        QTest::newRow("another program's JSON") << QByteArray(R"({"h": 2})") << "нет пометки «format»";
        QTest::newRow("no inputs") << head.chopped(2) + "}" << "«inputs» — не раздел с полями";
        QTest::newRow("a height in words") << head + R"("inputs": {"h": "два"}})" << "«inputs», «h» — не число";
        QTest::newRow("a missing input") << head + R"("inputs": {"h": 2}})" << "нет величины «V0y»";
        QTest::newRow("six kept sets") << head + inputs + R"(, "kept": [1,2,3,4,5,6]})" << "6 элементов, а не больше 5";
        QTest::newRow("time going back") << head + inputs + R"(, "data": {"points": [[1, 2], [0.5, 1]]}})"
                                         << "«data», точка 2: время идёт назад";
        const QByteArray points = R"(, "data": {"points": [[0, 2], [0.5, 1]]})";
        QTest::newRow("no points") << head + inputs + R"(, "data": {"points": []}})" << "«data», «points»: нет ни одной точки";
        QTest::newRow("a fit without data") << head + inputs + R"(, "fit": {"c": 0.4, "rms": 0.1}})" << "«fit» без «data»";
        QTest::newRow("a fit of t0 alone") << head + inputs + points + R"(, "fit": {"t0": 0.1, "rms": 0.1}})"
                                           << "не подобраны ни «c», ни «eta»";
        QTest::newRow("a negative c") << head + inputs + points + R"(, "fit": {"c": -1, "rms": 0.1}})" << "«fit», «c»: -1 — не больше нуля";
        QTest::newRow("a fit without rms") << head + inputs + points + R"(, "fit": {"c": 0.4}})" << "«fit», «rms» — не число";
        QTest::newRow("an unknown graph") << head + inputs + R"j(, "view": {"lessonGraphs": ["x(t)"]}})j"
                                          << "«x(t)» — нет такого графика";
        QTest::newRow("over 10 MB") << head + inputs + ", \"notes\": \"" + QByteArray(kMaxLessonBytes, 'x') + "\"}"
                                    << "больше 10 МБ";
    }
    void badFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        auto w = desktop.window();
        type(w->controls().Text1, "5");
        const LessonDocument before = w->lessonDocument();
        QVERIFY(!w->openLessonFile(file("bad.velunta", bytes)));
        QCOMPARE(desktop.dialogs.shown.size(), std::size_t(1));
        QVERIFY2(desktop.dialogs.shown[0].text.contains(message), qPrintable(desktop.dialogs.shown[0].text));
        QVERIFY(w->lessonDocument() == before && w->lessonPath().isEmpty());
    }

    // Inputs the fields refuse are refused with the fields' messages; a newer file says what it skipped.
    void openingTakesTheFieldsAcceptance() {
        auto w = desktop.window();
        const QByteArray lesson = R"({"format": "velunta-lesson", "version": 2, "sound": true,
            "inputs": {"h": 2, "V0y": 3, "d": 0, "massa": 0.004, "r0": 1000, "eta": 0.001, "c": 0.47}})";
        QVERIFY(w->openLessonFile(file("newer.velunta", lesson)));
        QCOMPARE(desktop.dialogs.shown.size(), std::size_t(2));
        QCOMPARE(desktop.dialogs.shown[0].title, QString("Ошибка"));
        QVERIFY(w->model().d > 0);
        QVERIFY(desktop.dialogs.shown[1].text.contains("Не прочитано: sound"));
    }

    // Real keys: each finished edit, chosen ball and kept set is one step, named in "Правка".
    void undoAndRedo() {
        auto w = desktop.window();
        QAction* undo = w->findChild<QAction*>("mnuEditUndo");
        QVERIFY(!undo->isEnabled());
        type(w->controls().Text1, "10");
        QCOMPARE(undo->text(), QString("Отменить: h = 10.000"));
        w->comparisonMenu()->keep();
        QCOMPARE(undo->text(), QString("Отменить: запомнить кривые"));
        QVERIFY(w->isWindowModified());
        const long runs = w->pipelineRuns();
        QTest::keyClick(w->controls().Text1, Qt::Key_Z, Qt::ControlModifier);  // in the field: the window's undo
        QVERIFY(w->keptCurves().empty());
        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w->controls().Text1->text(), QString("2.000"));
        QCOMPARE(w->pipelineRuns(), runs + 2);  // one recompute a step
        QVERIFY(!w->isWindowModified() && !undo->isEnabled());
        QTest::keyClick(w.get(), Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w->controls().Text1->text(), QString("10.000"));
        QCOMPARE(w->keptCurves().sets.size(), std::size_t(1));
    }

    // Opened data and an applied fit: one step each, named, undone with the keys to the points and fields before.
    void undoDataAndFit() {
        auto w = desktop.window();
        QAction* undo = w->findChild<QAction*>("mnuEditUndo");
        const QString c = w->controls().Text3->text();
        QVERIFY(w->experiment()->load("t;y\n0,25;2,07982\n0,5;1,85725\n0,75;1,62188\n1;1,38636\n", "опыт.csv"));
        QCOMPARE(undo->text(), QString("Отменить: данные опыта"));
        const LessonState opened = w->lessonState();
        QVERIFY(w->experiment()->applyFit(w->experiment()->fit(FitChoice{true, false, false})));
        QCOMPARE(undo->text(), QString("Отменить: подбор c"));
        QVERIFY(w->controls().Text3->text() != c && w->experiment()->panel()->text().contains("Подбор: c = "));
        const long runs = w->pipelineRuns();
        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(w->lessonState() == opened && !w->experiment()->lastFit());
        QCOMPARE(w->controls().Text3->text(), c);
        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!w->experiment()->shown() && !undo->isEnabled());
        QCOMPARE(w->pipelineRuns(), runs + 2);
        QTest::keyClick(w.get(), Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(w.get(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(w->experiment()->lastFit() && w->controls().Text3->text() != c);
    }

    // Leaving with unsaved changes: Отмена stays, Не сохранять goes on to the exit question, Сохранить saves first.
    void unsavedChangesQuestion_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Отмена") << int(vbCancel) << false << false;
        QTest::newRow("Не сохранять") << int(vbNo) << true << false;
        QTest::newRow("Сохранить") << int(vbYes) << true << true;
    }
    void unsavedChangesQuestion() {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        auto w = desktop.window();
        QString error;
        const QString path = dir.filePath("leaving.velunta");
        QVERIFY(w->saveLessonFile(path, error));
        type(w->controls().Text1, "3");
        desktop.dialogs.answers = {answer, vbYes};
        QCOMPARE(w->close(), closed);
        QCOMPARE(desktop.dialogs.shown[0].style, int(vbYesNoCancel));
        QCOMPARE(desktop.dialogs.shown.size(), std::size_t(closed ? 2 : 1));
        if (closed) QCOMPARE(desktop.dialogs.shown[1].text, QString("Вы абсолютно уверены?"));
        QCOMPARE(readLessonFile(path).lesson->inputs.h, saved ? 3.0 : 2.0);
    }
};

QTEST_MAIN(LessonFileTest)
#include "lesson_file_test.moc"
