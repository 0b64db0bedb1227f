// The main window as a user meets it: start-up, the input fields with their
// checks, and the confirmation at the end.

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QScreen>
#include <QtTest>

#include "app/form1.h"
#include "support/fake_desktop.h"

using namespace velunta;
using velunta::testing::FakeDesktop;

class Form1Test : public QObject {
    Q_OBJECT

    FakeDesktop desktop;
    const std::vector<velunta::testing::ShownBox>& boxes = desktop.dialogs.shown;
    const std::vector<velunta::testing::BeepCall>& tones = desktop.tone.beeps;

    std::unique_ptr<Form1> shownWindow() { return desktop.window(); }
    static QLineEdit* box(Form1& w, const QString& name) { return w.findChild<QLineEdit*>(name); }
    static QString caption(Form1& w, const QString& name) { return w.findChild<QLabel*>(name)->text(); }

    // As a paste: the whole text replaced in one change.
    static void paste(QLineEdit* field, const QString& text) {
        field->selectAll();
        field->insert(text);
    }

private slots:
    void startUpFillsTheFieldsButComputesNothing() {
        auto w = desktop.window(false);
        QCOMPARE(w->zagruzka(), std::optional<int>(1));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(w->pos(), QPoint(int(0.05 * screen.width()), int(0.05 * screen.height())));
        const QStringList names{"Text1", "Text2", "Text4", "Text5", "Text6", "Text7", "Text3"};
        const QStringList texts{"2.000", "3.000", "0.010000", "0.004084", "1000.000", "0.0010040", "0.470"};
        for (int i = 0; i < names.size(); ++i) QCOMPARE(box(*w, names[i])->text(), texts[i]);
        QCOMPARE(caption(*w, "Label27"), QString("1"));
        QCOMPARE(w->findChild<QScrollBar*>("VScroll1")->value(), 100);
        // Start-up computed the characteristics once, but ran no pipeline: the
        // landing boxes still show their own names.
        QCOMPARE(w->pipelineRuns(), 0L);
        QCOMPARE(caption(*w, "Label16"), QString("Tp = 0.305686 c"));
        QCOMPARE(caption(*w, "Label26"), QString("Label26"));
        QVERIFY(boxes.empty());
        QVERIFY(tones.empty());
    }

    // Showing the window runs the pipeline; closing asks, and "Нет" changes nothing.
    void closingAsksAndNoKeepsEverything() {
        auto w = shownWindow();
        QCOMPARE(w->windowTitle(), QString("Велунта."));
        const long runs = w->pipelineRuns();
        QVERIFY(runs >= 1);
        QCOMPARE(caption(*w, "Label26"), QString("Tmax1 = 1.119497 c"));
        desktop.dialogs.answers = {vbNo};
        QVERIFY(!w->close());
        QCOMPARE(int(boxes.size()), 1);
        QCOMPARE(boxes[0].text, QString("Вы абсолютно уверены?"));
        QCOMPARE(boxes[0].title, QString("На Выход"));
        QCOMPARE(boxes[0].style, int(vbYesNo));
        QVERIFY(w->isVisible());
        QCOMPARE(box(*w, "Text1")->text(), QString("2.000"));
        QCOMPARE(caption(*w, "Label26"), QString("Tmax1 = 1.119497 c"));
        QCOMPARE(w->pipelineRuns(), runs);

        desktop.dialogs.answers = {vbYes};
        QVERIFY(w->close());
        QVERIFY(!w->isVisible());
    }

    void refusedInputs_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");  // empty: no box
        QTest::addColumn<bool>("beeps");
        QTest::addColumn<QString>("shown");

        QTest::newRow("emptied height") << "Text1" << "" << "Уже упало?!" << true << "2.000";
        QTest::newRow("height below ground")
            << "Text1" << "-1" << "тело под Землей?! такой расчёт не предусмотрен!" << true << "3.000";
        QTest::newRow("height that rounds to zero") << "Text1" << "0.0004" << "Уже упало?!" << true << "2.000";
        QTest::newRow("comma stops the number") << "Text1" << "1,5" << "" << false << "1.000";
        QTest::newRow("hexadecimal height") << "Text1" << "&H10" << "" << false << "16.000";
        QTest::newRow("diameter too large for the mass")
            << "Text4" << "0.1"
            << "Плотность шара получается меньше плотности среды. Всплывание не моделируется! При таких "
               "параметрах диаметр не больше, чем..."
            << true << "0.009901";
        QTest::newRow("no diameter") << "Text4" << "0" << "Это не материальная точка!" << true << "0.001000";
        QTest::newRow("mass too small")
            << "Text5" << "0.000001"
            << "Масса мала. Плотность шара получается меньше плотности среды.Всплывание не моделируется! При "
               "таких параметрах масса не меньше, чем..."
            << true << "0.004125";
        QTest::newRow("medium denser than the ball")
            << "Text6" << "8000" << "Всплывание не моделируется" << true << "3899.933";
        QTest::newRow("vacuum as medium")
            << "Text6" << "0" << "Для вакуума всё и так известно! Возьмите хотя бы воздух." << true << "1.230";
        QTest::newRow("no viscosity")
            << "Text7" << "0" << "Для вакуума всё и так известно! Возьмите воздух!" << true << "0.0000182";
        QTest::newRow("viscosity that rounds to zero")
            << "Text7" << "0.00000001" << "Для вакуума всё и так известно! Возьмите воздух!" << true << "0.0000182";
        QTest::newRow("no drag, no beep")
            << "Text3" << "0" << "Для случая с <= 0 программа не работает." << false << "0.470";
        QTest::newRow("release") << "Text2" << "0" << "" << false << "0.000";
        QTest::newRow("number beyond a double")
            << "Text1" << "1e400" << "Слишком большое число! Такой расчёт не предусмотрен." << true << "2.000";
        QTest::newRow("absurd height")
            << "Text1" << "1e300" << "Слишком высоко! Расчёт предусмотрен для высот не больше 100000 м." << true
            << "2.000";
        QTest::newRow("absurd throw")
            << "Text2" << "1e200"
            << "Слишком быстро! Расчёт предусмотрен для скоростей не больше 10000 м/с по модулю." << true << "3.000";
    }

    void refusedInputs() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(bool, beeps);
        QFETCH(QString, shown);
        auto w = shownWindow();
        paste(box(*w, field), typed);
        QCOMPARE(box(*w, field)->text(), shown);
        if (message.isEmpty()) {
            QVERIFY(boxes.empty());
        } else {
            QCOMPARE(int(boxes.size()), 1);
            QCOMPARE(boxes[0].text, message);
            QCOMPARE(boxes[0].title, QString("Ошибка"));
            QCOMPARE(boxes[0].style, int(vbOKOnly));
        }
        QCOMPARE(int(tones.size()), beeps ? 1 : 0);
        if (beeps) {
            QCOMPARE(tones[0].frequencyHz, 880);
            QCOMPARE(tones[0].durationMs, 300);
        }
        // The model uses exactly what the field shows.
        const FieldInfo* info = findField(field.toStdString());
        QCOMPARE(inputValue(w->model(), info->field), shown.toDouble());
    }

    void releaseHidesTheAscentAndAThrowShowsIt() {
        auto w = shownWindow();
        const QStringList ascent{"Label16", "Label24", "Label29", "Label19", "Label25", "Label30"};
        paste(box(*w, "Text2"), "0");
        for (const QString& name : ascent) QVERIFY2(!w->findChild<QLabel*>(name)->isVisible(), qPrintable(name));
        QCOMPARE(w->model().V0y, 0.0);
        paste(box(*w, "Text2"), "-2");
        for (const QString& name : ascent) QVERIFY(!w->findChild<QLabel*>(name)->isVisible());
        paste(box(*w, "Text2"), "4");
        for (const QString& name : ascent) QVERIFY(w->findChild<QLabel*>(name)->isVisible());
        QCOMPARE(w->model().V0y, 4.0);
    }

    // A keystroke into a formatted text runs the pipeline once; one that
    // leaves the text unformatted runs it twice (the rewrite is a change too).
    void pipelineRunsOncePerFormattedKeystroke() {
        auto w = shownWindow();
        QLineEdit* v0 = box(*w, "Text2");
        v0->setFocus();
        v0->setCursorPosition(1);  // 3|.000
        long runs = w->pipelineRuns();
        QTest::keyClick(v0, Qt::Key_1);
        QCOMPARE(v0->text(), QString("31.000"));
        QCOMPARE(w->pipelineRuns() - runs, 1L);

        v0->end(false);  // 31.000|
        runs = w->pipelineRuns();
        QTest::keyClick(v0, Qt::Key_2);  // 31.0002 shows as 31.000
        QCOMPARE(v0->text(), QString("31.000"));
        QCOMPARE(w->pipelineRuns() - runs, 2L);
    }

    // A number typed digit by digit into a selected field grows in front of the
    // decimals, and the caret keeps its place in the decimals.
    void typingDigitByDigit() {
        auto w = shownWindow();
        QLineEdit* v0 = box(*w, "Text2");
        v0->setFocus();
        v0->selectAll();
        QTest::keyClicks(v0, "12");
        QCOMPARE(v0->text(), QString("12.000"));
        QCOMPARE(v0->cursorPosition(), 2);
        QTest::keyClick(v0, Qt::Key_Right);  // past the point
        QTest::keyClicks(v0, "5");
        QCOMPARE(v0->text(), QString("12.500"));
        QCOMPARE(v0->cursorPosition(), 4);
        QCOMPARE(w->model().V0y, 12.5);
        QVERIFY(boxes.empty());
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
