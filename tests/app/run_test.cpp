// The start command as the user meets it: the caption with the run's times,
// the drawing during the run, and what happens when the user acts during the
// fall (edits, zoom, resize, a second start, closing).

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QtTest>
#include <deque>
#include <sstream>

#include "app/form1.h"
#include "app/frames.h"
#include "app/report.h"
#include "plot/animation.h"
#include "support/fakes.h"

using namespace velunta;
using velunta::testing::FakeDialogs;
using velunta::testing::FakeOpener;
using velunta::testing::FakeTone;

namespace {

// Everything a run could touch, to compare before and after.
struct Snapshot {
    QImage p1, p2, p3, p4, p14;
    double ballTop = 0;
    QString caption, timeTip, heightTip;

    static Snapshot of(Form1& w) {
        const Form1Controls& c = w.controls();
        return {c.Picture1->image(), c.Picture2->image(), c.Picture3->image(), c.Picture4->image(),
                c.Picture14->image(), c.Shape1->Top(), w.windowTitle(), c.Picture4->toolTip(),
                c.Picture14->toolTip()};
    }
};

int pixelsOf(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) ++count;
    return count;
}

int runTones(const FakeTone& tone) {
    return int(std::count_if(tone.beeps.begin(), tone.beeps.end(),
                             [](const auto& b) { return b.frequencyHz == 880 && b.durationMs == 600; }));
}

// Counts the paints of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

QDateTime at(const QString& text) { return QDateTime::fromString(text, "yyyy-MM-dd HH:mm:ss.zzz"); }

const QRegularExpression kFinishedCaption(
    "^Велунта\\.  Начало (\\d\\d:\\d\\d:\\d\\d)\\.  Конец (\\d\\d:\\d\\d:\\d\\d)\\.  Время расчёта (-?\\d+) c$");

}  // namespace

class RunTest : public QObject {
    Q_OBJECT

    FakeDialogs dialogs;
    FakeTone tone;
    FakeOpener opener;

    std::unique_ptr<Form1> makeWindow(int tormoz) {
        dialogs = {};
        tone = {};
        auto w = std::make_unique<Form1>(Form1Services{&dialogs, &tone, &opener});
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get())) qFatal("window not exposed");
        w->controls().HScroll2->setValue(tormoz);
        return w;
    }

    // Runs `action` once, during the fall of the next run, after about `ms`.
    static void duringTheFall(int ms, std::function<void()> action) { QTimer::singleShot(ms, std::move(action)); }

private slots:
    void captionTellsTheLastRunOnly() {
        auto w = makeWindow(0);
        for (int run = 1; run <= 3; ++run) {
            w->CmdOK_Click();
            const QString caption = w->windowTitle();
            QVERIFY2(kFinishedCaption.match(caption).hasMatch(), qPrintable(caption));
            QCOMPARE(caption.count("  Начало "), 1);
            QCOMPARE(runTones(tone), run);
        }
        QCOMPARE(w->runsInProgress(), 0);
        QVERIFY(w->controls().Picture4->toolTip().startsWith("Счётчик времени. шаг по времени ±dt=0"));
        QVERIFY(w->controls().Picture14->toolTip().startsWith("Координата. Погрешность = 0"));
    }

    void durationCountsWholeClockSeconds_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("startText");
        QTest::addColumn<QString>("endText");
        QTest::newRow("within one clock second") << "2026-12-06 14:05:09.100" << "2026-12-06 14:05:09.900" << 0
                                                 << "14:05:09" << "14:05:09";
        QTest::newRow("200 ms across a second's turn") << "2026-12-06 14:05:09.900" << "2026-12-06 14:05:10.100"
                                                       << 1 << "14:05:09" << "14:05:10";
        QTest::newRow("22 seconds") << "2026-12-06 14:05:09.000" << "2026-12-06 14:05:31.999" << 22 << "14:05:09"
                                    << "14:05:31";
        QTest::newRow("across the hour") << "2026-12-06 13:59:50.500" << "2026-12-06 14:00:12.200" << 22
                                         << "13:59:50" << "14:00:12";
        QTest::newRow("across midnight") << "2026-12-06 23:59:58.000" << "2026-12-07 00:00:03.000" << 5
                                         << "23:59:58" << "00:00:03";
    }

    void durationCountsWholeClockSeconds() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(int, seconds);
        QFETCH(QString, startText);
        QFETCH(QString, endText);
        auto w = makeWindow(0);
        std::deque<QDateTime> readings{at(start), at(end)};
        int reads = 0;
        w->setClock([&] {
            ++reads;
            const QDateTime t = readings.front();
            if (readings.size() > 1) readings.pop_front();
            return t;
        });
        w->CmdOK_Click();
        QCOMPARE(reads, 2);
        QCOMPARE(w->windowTitle(), QString("Велунта.  Начало %1.  Конец %2.  Время расчёта %3 c")
                                       .arg(startText, endText)
                                       .arg(seconds));
        QCOMPARE(int(w->vremja), seconds);
        QCOMPARE(w->s_nach, double(at(start).time().second()));
        QCOMPARE(w->m_nach, double(at(start).time().minute()));
        QCOMPARE(w->s_konets, double(at(end).time().second()));
        QCOMPARE(w->m_konets, double(at(end).time().minute()));
        // Within the hour this is the minute-and-second difference.
        if (at(start).time().hour() == at(end).time().hour() && at(start).date() == at(end).date())
            QCOMPARE(double(w->vremja), (w->m_konets - w->m_nach) * 60 + w->s_konets - w->s_nach);
    }

    // The run shows the red curves, the ball on the ground and the counters.
    void runLeavesItsPictures() {
        auto w = makeWindow(0);
        const Form1Controls& c = w->controls();
        const int redBefore = pixelsOf(c.Picture2->image(), qRgb(255, 0, 0));
        w->CmdOK_Click();
        const Model& m = w->model();
        QVERIFY(pixelsOf(c.Picture2->image(), qRgb(255, 0, 0)) > redBefore + 200);
        QVERIFY(pixelsOf(c.Picture3->image(), qRgb(255, 0, 0)) > 200);
        QVERIFY(pixelsOf(c.Picture4->image(), qRgb(0, 255, 0)) > 10);
        QVERIFY(pixelsOf(c.Picture14->image(), qRgb(0, 255, 0)) > 10);
        const double ballCentre = c.Shape1->Top() - c.Shape1->Height() / 2;
        QVERIFY2(std::abs(ballCentre) < 1e-3, qPrintable(QString::number(ballCentre)));
        QVERIFY(std::abs(m.t - (m.Tp2 + m.Ts2)) < 1e-5);

        // A recompute (here a resize) redraws the pictures but leaves the
        // counters with the last run's time and height...
        const int counterPixels = pixelsOf(c.Picture4->image(), qRgb(0, 255, 0));
        w->resize(w->width() + 20, w->height());
        w->Form_Resize();
        QCOMPARE(pixelsOf(c.Picture4->image(), qRgb(0, 255, 0)), counterPixels);
        QVERIFY(pixelsOf(c.Picture14->image(), qRgb(0, 255, 0)) > 10);

        // ...until "Пересчёт" recomputes and clears the two counters.
        w->Command1_Click();
        QCOMPARE(pixelsOf(c.Picture4->image(), qRgb(0, 255, 0)), 0);
        QCOMPARE(pixelsOf(c.Picture14->image(), qRgb(0, 255, 0)), 0);
    }

    // The rise handles no events but is painted as it goes.
    void riseIsPaintedWithoutHandlingInput() {
        auto w = makeWindow(0);  // no pauses: the whole run handles no events
        PaintCounter counter(w->controls().Picture1);
        bool handled = false, handledDuringRun = false;
        QTimer::singleShot(0, [&] {
            handled = true;
            handledDuringRun = w->runsInProgress() > 0;
        });
        QElapsedTimer clock;
        clock.start();
        w->CmdOK_Click();
        const qint64 elapsed = clock.elapsed();
        QVERIFY(!handled);  // left for after the run
        // A repaint at least every 16 ms of drawing (plus one frame); allow for a slow machine.
        QVERIFY2(counter.paints >= 1 + elapsed / 40,
                 qPrintable(QString("%1 paints in %2 ms").arg(counter.paints).arg(elapsed)));
        QTRY_VERIFY(handled);
        QVERIFY(!handledDuringRun);
    }

    void slowDownChangesAtOnce() {
        auto w = makeWindow(5);  // 1000 pauses of 50 ms: the fall would last 50 s
        int ticks = 0;
        connect(w->controls().Timer1, &QTimer::timeout, [&ticks] { ++ticks; });
        duringTheFall(150, [&] { w->controls().HScroll2->setValue(0); });
        w->CmdOK_Click();
        QVERIFY(kFinishedCaption.match(w->windowTitle()).hasMatch());
        QVERIFY2(ticks < 50, qPrintable(QString::number(ticks)));
        QCOMPARE(w->model().tormoz, std::int16_t(0));
    }

    // A recompute during the fall renews the pictures; the run gives way to it.
    void recomputeDuringTheFallStopsTheRun_data() {
        QTest::addColumn<QString>("what");
        QTest::newRow("edit of an input") << "edit";
        QTest::newRow("vertical zoom") << "zoom";
        QTest::newRow("window resize") << "resize";
        QTest::newRow("recompute command") << "recompute";
    }

    void recomputeDuringTheFallStopsTheRun() {
        QFETCH(QString, what);
        auto w = makeWindow(1);
        const Form1Controls& c = w->controls();
        int depthDuringAction = -1;
        duringTheFall(200, [&] {
            depthDuringAction = w->runsInProgress();
            if (what == "edit") c.Text1->setText("3.000");
            if (what == "zoom") c.VScroll1->setValue(150);
            if (what == "resize") w->resize(w->width() + 60, w->height() + 40);
            if (what == "recompute") w->Command1_Click();
        });
        w->CmdOK_Click();
        QCOMPARE(depthDuringAction, 1);
        QCOMPARE(w->runsInProgress(), 0);
        QCOMPARE(runTones(tone), 0);
        const Snapshot after = Snapshot::of(*w);
        QVERIFY(after.caption.startsWith("Велунта.  Начало "));
        QVERIFY2(!after.caption.contains("Конец"), qPrintable(after.caption));
        QCOMPARE(after.timeTip, QString("счетчик времени"));
        QCOMPARE(after.heightTip, QString("Координата"));
        // Nothing was drawn after the recompute: a fresh one gives the same pictures.
        QTest::qWait(50);  // a resize may still be on its way
        const Snapshot settled = Snapshot::of(*w);
        w->Form_Resize();
        const Snapshot fresh = Snapshot::of(*w);
        QVERIFY(settled.p1 == fresh.p1);
        QVERIFY(settled.p2 == fresh.p2);
        QVERIFY(settled.p3 == fresh.p3);
        QVERIFY(settled.p4 == fresh.p4);
        QVERIFY(settled.p14 == fresh.p14);
        QCOMPARE(settled.ballTop, fresh.ballTop);
    }

    void secondStartDuringTheFallRunsItsOwn() {
        auto w = makeWindow(1);
        int reads = 0;
        w->setClock([&reads] {
            ++reads;
            return QDateTime::currentDateTime();
        });
        int depthDuringAction = -1;
        duringTheFall(200, [&] {
            depthDuringAction = w->runsInProgress();
            w->controls().HScroll2->setValue(0);  // the second run without pauses
            w->CmdOK_Click();
        });
        w->CmdOK_Click();
        QCOMPARE(depthDuringAction, 1);
        QCOMPARE(w->runsInProgress(), 0);
        // Start of the first run; start and end of the second: the first one ended without a word.
        QCOMPARE(reads, 3);
        QCOMPARE(runTones(tone), 1);
        const QString caption = w->windowTitle();
        QVERIFY2(kFinishedCaption.match(caption).hasMatch(), qPrintable(caption));
        QCOMPARE(caption.count("  Начало "), 1);
        // The pictures are the second run's: its last frame, at the landing.
        const Model& m = w->model();
        QVERIFY(std::abs(m.t - (m.Tp2 + m.Ts2)) < 1e-5);
        const double ballCentre = w->controls().Shape1->Top() - w->controls().Shape1->Height() / 2;
        QVERIFY(std::abs(ballCentre) < 1e-3);
    }

    // `velunta --frames`: the window's frames, as text that reads back exactly.
    void framesCommand_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("riseLines");
        QTest::newRow("defaults") << QStringList{} << 5001;
        QTest::newRow("released from 10 m") << QStringList{"--h=10", "--V0y=0"} << 0;
    }

    void framesCommand() {
        QFETCH(QStringList, options);
        QFETCH(int, riseLines);
        std::vector<std::string> args{"--frames"};
        for (const QString& o : options) args.push_back(o.toStdString());
        std::ostringstream out, err;
        QCOMPARE(printFrames(args, out, err), 0);
        QVERIFY(err.str().empty());

        Model m;
        m.set_defaults();
        std::string message;
        QVERIFY(readInputOptions({args.begin() + 1, args.end()}, m, message));
        computeModel(m);
        const std::vector<RunFrame> frames = collectRunFrames(m);

        const QStringList lines = QString::fromStdString(out.str()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.front(), QString("phase,t,Y,Vy"));
        QCOMPARE(lines.size(), int(frames.size()) + 1);
        QCOMPARE(int(lines.filter(QRegularExpression("^rise,")).size()), riseLines);
        for (std::size_t i = 0; i < frames.size(); ++i) {
            const QStringList f = lines[int(i) + 1].split(',');
            QCOMPARE(f.size(), 4);
            QCOMPARE(f[0], QString(frames[i].phase == RunPhase::rise ? "rise" : "fall"));
            QCOMPARE(f[1].toDouble(), frames[i].t);
            QCOMPARE(f[2].toDouble(), frames[i].Y);
            QCOMPARE(f[3].toDouble(), frames[i].Vy);
        }
    }

    void framesCommandRefusesWhatTheReportRefuses_data() {
        QTest::addColumn<QString>("option");
        QTest::newRow("not a number") << "--h=abc";
        QTest::newRow("unknown option") << "--speed=3";
    }

    void framesCommandRefusesWhatTheReportRefuses() {
        QFETCH(QString, option);
        std::ostringstream out, err;
        QCOMPARE(printFrames({"--frames", option.toStdString()}, out, err), 2);
        QVERIFY(out.str().empty());
        QVERIFY(!err.str().empty());
    }

    void closingDuringTheRun_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("Нет: the run goes on") << int(vbNo);
        QTest::newRow("Да: the program ends at once") << int(vbYes);  // last: it asks the application to quit
    }

    void closingDuringTheRun() {
        QFETCH(int, answer);
        auto w = makeWindow(1);
        dialogs.answers = {answer};
        duringTheFall(150, [&] { w->close(); });
        w->CmdOK_Click();
        QCOMPARE(int(dialogs.shown.size()), 1);
        QCOMPARE(dialogs.shown[0].title, QString("На Выход"));
        QCOMPARE(w->runsInProgress(), 0);
        const Model& m = w->model();
        if (answer == vbNo) {
            QVERIFY(w->isVisible());
            QVERIFY(kFinishedCaption.match(w->windowTitle()).hasMatch());
            QCOMPARE(runTones(tone), 1);
            QVERIFY(std::abs(m.t - (m.Tp2 + m.Ts2)) < 1e-5);
        } else {
            QVERIFY(!w->isVisible());
            QVERIFY(!w->windowTitle().contains("Конец"));
            QCOMPARE(runTones(tone), 0);
            QCOMPARE(w->controls().Picture4->toolTip(), QString("счетчик времени"));
            QVERIFY2(m.t < m.Tp2 + m.Ts2 / 2, "the run stopped at its next frame");
        }
    }
};

QTEST_MAIN(RunTest)
#include "run_test.moc"
