// The start command as the user meets it: the caption with the run's times,
// the drawing during the run, and what the user's actions during the fall do.

#include <QtTest>
#include <sstream>

#include "app/form1.h"
#include "app/frames.h"
#include "app/command_line.h"
#include "app/pipeline.h"
#include "plot/animation.h"
#include "support/fakes.h"

using namespace velunta;

namespace {

int pixelsOf(const QImage& image, QRgb colour) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constBits());
    return int(std::count(pixels, pixels + rgb.width() * rgb.height(), colour));
}

// The run's last frame: the landing time, the ball's centre on the ground.
bool landed(Form1& w) {
    const Model& m = w.model();
    const double ballCentre = w.controls().Shape1->Top() - w.controls().Shape1->Height() / 2;
    return std::abs(m.t - (m.Tp2 + m.Ts2)) < 1e-5 && std::abs(ballCentre) < 1e-3;
}

struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override { paints += e->type() == QEvent::Paint; return false; }
};

}  // namespace

class RunTest : public QObject {
    Q_OBJECT

    testing::FakeDialogs dialogs;
    testing::FakeTone tone;
    testing::FakeOpener opener;

    std::unique_ptr<Form1> makeWindow(int tormoz) {
        auto w = std::make_unique<Form1>(Form1Services{&dialogs, &tone, &opener});
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get())) qFatal("window not exposed");
        w->controls().HScroll2->setValue(tormoz);
        return w;
    }

private slots:
    void init() { dialogs = {}; tone = {}; }

    // Four runs without pauses: the caption tells the last one only, its duration in whole clock
    // seconds; the rise is painted without handling input; the red curves, the ball on the ground
    // and the counters stay.
    void runsLeaveCaptionAndPictures() {
        const struct { QString at[2]; int seconds; } runs[] = {  // the clock at the start and at the end
            {{"2026-12-06T14:05:09.100", "2026-12-06T14:05:09.900"}, 0},   // within one second
            {{"2026-12-06T14:05:09.900", "2026-12-06T14:05:10.100"}, 1},   // 200 ms across a second's turn
            {{"2026-12-06T13:59:50.500", "2026-12-06T14:00:12.200"}, 22},  // across the hour
            {{"2026-12-06T23:59:58.000", "2026-12-07T00:00:03.000"}, 5}};  // across midnight
        auto w = makeWindow(0);
        const Form1Controls& c = w->controls();
        const int redBefore = pixelsOf(c.Picture2->image(), qRgb(255, 0, 0));
        int reads = 0, run = 0;
        w->setClock([&] { return QDateTime::fromString(runs[run].at[reads++ % 2], Qt::ISODateWithMs); });
        PaintCounter counter;
        c.Picture1->installEventFilter(&counter);
        bool handled = false;
        QTimer::singleShot(0, [&] { handled = true; });
        const qint64 started = QDateTime::currentMSecsSinceEpoch();
        for (; run < 4; ++run) {
            w->CmdOK_Click();
            QCOMPARE(w->windowTitle(), QString("Велунта.  Начало %1.  Конец %2.  Время расчёта %3 c")
                                           .arg(runs[run].at[0].mid(11, 8), runs[run].at[1].mid(11, 8))
                                           .arg(runs[run].seconds));
        }
        QVERIFY(!handled);  // left for after the runs
        // A repaint at least every 16 ms of drawing; allow for a slow machine.
        QVERIFY(counter.paints >= 1 + (QDateTime::currentMSecsSinceEpoch() - started) / 40);
        QTRY_VERIFY(handled);
        QVERIFY(pixelsOf(c.Picture2->image(), qRgb(255, 0, 0)) > redBefore + 200);
        QVERIFY(pixelsOf(c.Picture3->image(), qRgb(255, 0, 0)) > 200);
        QVERIFY(pixelsOf(c.Picture4->image(), qRgb(0, 255, 0)) > 10);
        QVERIFY(landed(*w));

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

    // During the fall (1000 pauses of 10 ms): a recompute renews the pictures and the run gives
    // way; the slow-down changes at once; a second start runs its own; closing asks first.
    void actionDuringTheFall_data() {
        QTest::addColumn<QString>("what");
        for (const char* what : {"edit", "resize", "recompute", "slow-down 0", "second start", "close, Нет",
                                 "close, Да"})  // last: it quits the application
            QTest::newRow(what) << QString(what);
    }

    void actionDuringTheFall() {
        QFETCH(QString, what);
        // The run, or the second one, reaches the landing with its tone and caption.
        const bool runEnds = what == "slow-down 0" || what == "second start" || what == "close, Нет";
        auto w = makeWindow(1);
        const Form1Controls& c = w->controls();
        dialogs.answers = {what == "close, Да" ? vbYes : vbNo};
        int depthDuringAction = -1, ticks = 0;
        connect(c.Timer1, &QTimer::timeout, [&ticks] { ++ticks; });
        QTimer::singleShot(200, [&] {
            depthDuringAction = w->runsInProgress();
            if (what == "edit") c.Text1->setText("3.000");
            if (what == "resize") w->resize(w->width() + 60, w->height() + 40);
            if (what == "recompute") w->Command1_Click();
            if (what == "slow-down 0" || what == "second start") c.HScroll2->setValue(0);
            if (what == "second start") w->CmdOK_Click();
            if (what.startsWith("close")) w->close();
        });
        w->CmdOK_Click();
        QCOMPARE(depthDuringAction, 1);
        QVERIFY2(ticks < 50 || what == "close, Нет", qPrintable(QString::number(ticks)));
        QCOMPARE(w->windowTitle().count(".  Конец "), int(runEnds));
        QCOMPARE(int(tone.beeps.size()), int(runEnds));
        QCOMPARE(dialogs.shown.size() == 1 && dialogs.shown[0].title == "На Выход", what.startsWith("close"));
        QCOMPARE(w->isVisible(), what != "close, Да");
        QCOMPARE(landed(*w), runEnds);
        if (runEnds) return;
        QCOMPARE(c.Picture4->toolTip(), QString("счетчик времени"));
        QTest::qWait(50);  // a resize may still be on its way
        const auto drawn = [&] { return std::pair(std::vector{c.Picture1->image(), c.Picture2->image(),
                                                              c.Picture3->image(), c.Picture4->image(),
                                                              c.Picture14->image()}, c.Shape1->Top()); };
        const auto settled = drawn();
        w->Form_Resize();
        QVERIFY2(what == "close, Да" || settled == drawn(), "the run drew after the recompute");
    }

    // `velunta --frames`: the window's frames as text that reads back exactly; refused as --report refuses.
    void framesCommand() {
        std::ostringstream out, err, refusedOut, reportErr;
        QCOMPARE(runCommandLine({"--frames", "--h=-1"}, refusedOut, err), 2);
        QCOMPARE(runCommandLine({"--report", "--h=-1"}, refusedOut, reportErr), 2);
        QVERIFY(refusedOut.str().empty() && !err.str().empty() && err.str() == reportErr.str());
        QCOMPARE(runCommandLine({"--frames"}, out, err), 0);

        Model m;
        m.set_defaults();
        recompute(m);
        const std::vector<RunFrame> frames = collectRunFrames(m);
        const QStringList lines = QString::fromStdString(out.str()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.front(), QString("phase,t,Y,Vy"));
        QCOMPARE(lines.size(), int(frames.size()) + 1);
        for (std::size_t i = 0; i < frames.size(); ++i) {
            const QStringList f = lines[int(i) + 1].split(',');
            const RunFrame& r = frames[i];
            QVERIFY2(f.size() == 4 && f[0] == (r.phase == RunPhase::rise ? "rise" : "fall") && f[1].toDouble() == r.t &&
                         f[2].toDouble() == r.Y && f[3].toDouble() == r.Vy, qPrintable(f.join(',')));
        }
    }
};

QTEST_MAIN(RunTest)
#include "run_test.moc"
