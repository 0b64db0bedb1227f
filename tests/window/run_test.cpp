// The start command as the user meets it: the caption with the run's times,
// the drawing during the run, and what the user's actions during the fall do.

#include <QTest>

#include "window/form1.h"
#include "support/fake_desktop.h"

using namespace velunta;

namespace {

const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), timeMark = qRgb(128, 0, 0);

int pixelsOf(const Canvas* picture, QRgb colour) {
    const QImage rgb = picture->image().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constBits());
    return int(std::count(pixels, pixels + rgb.width() * rgb.height(), colour));
}

// The run's last frame: the landing time, the ball's centre on the ground.
bool landed(Form1& w) {
    const Model& m = w.model();
    const double ballCentre = w.controls().Shape1->Top() - w.controls().Shape1->Height() / 2;
    return std::abs(m.t - (m.Tp2 + m.Ts2)) < 1e-5 && std::abs(ballCentre) < 1e-3;
}

std::vector<QImage> pictures(const Form1& w) {
    return {w.controls().Picture1->image(), w.controls().Picture2->image(), w.controls().Picture3->image()};
}

struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override { paints += e->type() == QEvent::Paint; return false; }
};

}  // namespace

class RunTest : public QObject {
    Q_OBJECT

    testing::FakeDesktop desktop;
    testing::FakeDialogs& dialogs = desktop.dialogs;
    const testing::FakeTone& tone = desktop.tone;

    std::unique_ptr<Form1> makeWindow(int tormoz) {
        auto w = desktop.window();
        if (!w) qFatal("window not exposed");
        w->controls().HScroll2->setValue(tormoz);
        return w;
    }

private slots:
    // Three runs without pauses: the caption tells the last one only, its duration in whole clock
    // seconds; the rise is painted without handling input; the red curves, the ball on the ground
    // and the counters stay.
    void runsLeaveCaptionAndPictures() {
        const struct { QString at[2]; int seconds; } runs[] = {  // the clock at the start and at the end
            {{"2026-12-06T14:05:09.100", "2026-12-06T14:05:09.900"}, 0},   // within one second
            {{"2026-12-06T14:05:09.900", "2026-12-06T14:05:10.100"}, 1},   // 200 ms across a second's turn
            {{"2026-12-06T23:59:58.000", "2026-12-07T00:00:03.000"}, 5}};  // across midnight
        auto w = makeWindow(0);
        const Form1Controls& c = w->controls();
        int reads = 0, run = 0;
        w->setClock([&] { return QDateTime::fromString(runs[run].at[reads++ % 2], Qt::ISODateWithMs); });
        PaintCounter counter;
        c.Picture1->installEventFilter(&counter);
        bool handled = false;
        QTimer::singleShot(0, [&] { handled = true; });
        for (; run < 3; ++run) {
            w->CmdOK_Click();
            QCOMPARE(w->windowTitle(), QString("Велунта.  Начало %1.  Конец %2.  Время расчёта %3 c")
                                           .arg(runs[run].at[0].mid(11, 8), runs[run].at[1].mid(11, 8))
                                           .arg(runs[run].seconds));
        }
        QVERIFY(!handled && counter.paints > 0);  // painted, but the event left for after the runs
        QTRY_VERIFY(handled);
        QVERIFY(landed(*w) && pixelsOf(c.Picture3, red) > 200);

        // A resize redraws the run with its time marks and leaves the counters with the last run's time
        // and height; new inputs take the run's drawing, "Пересчёт" the counters too.
        const int counter4 = pixelsOf(c.Picture4, green), marks = pixelsOf(c.Picture1, timeMark);
        w->resize(w->width() + 20, w->height());
        w->Form_Resize();
        QVERIFY(counter4 > 10 && pixelsOf(c.Picture4, green) == counter4 && pixelsOf(c.Picture14, green) > 10);
        QVERIFY(marks > 100 && pixelsOf(c.Picture1, timeMark) == marks && c.Picture1->toolTip().endsWith("через 0.1 c"));
        c.Text1->setText("2.5");
        QVERIFY(pixelsOf(c.Picture1, timeMark) == 0 && !c.Picture1->toolTip().contains("Метки"));
        QVERIFY(pixelsOf(c.Picture4, green) > 10);
        w->Command1_Click();
        QCOMPARE(pixelsOf(c.Picture4, green) + pixelsOf(c.Picture14, green), 0);
    }

    // During the fall (pauses of 10 ms): a change of the view redraws the run and it goes on to the same
    // pictures as a run left alone; new inputs and "Пересчёт" stop it; the slow-down changes at once;
    // a second start runs its own; closing asks first; Space pauses and resumes.
    void actionDuringTheFall_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("ending");  // of the caption
        for (const char* what : {"resize", "zoom", "same value typed", "second start", "close, Нет", "Space"})
            QTest::newRow(what) << QString(what) << "c";
        for (const char* what : {"edit", "recompute", "edit while paused"}) QTest::newRow(what) << QString(what) << "Прервано";
        QTest::newRow("close, Да") << "close, Да" << "";  // it quits the application
    }

    void actionDuringTheFall() {
        QFETCH(QString, what);
        QFETCH(QString, ending);
        const bool runEnds = ending == "c";
        std::vector<QImage> reference;
        if (runEnds) {  // the same run left alone
            auto w = makeWindow(0);
            w->CmdOK_Click();
            reference = pictures(*w);
        }
        auto w = makeWindow(1);
        const Form1Controls& c = w->controls();
        const QSize size = w->size();
        dialogs.answers = {what == "close, Да" ? vbYes : vbNo};
        int depthDuringAction = -1;
        double pausedAt = -1;
        // On the focused start button: Space would press it, were it not for the pause.
        const auto space = [&] { QTest::keyClick(c.CmdOK, Qt::Key_Space); };
        // Three steps, 200 ms apart, each set off by the one before.
        std::function<void()> steps[3];
        steps[0] = [&] {
            depthDuringAction = w->runsInProgress();
            if (what == "edit") c.Text1->setText("3.000");
            if (what == "same value typed") c.Text1->setText("2");
            if (what == "resize") w->resize(size + QSize(60, 40));
            if (what == "zoom") c.VScroll1->setValue(200);
            if (what == "recompute") w->Command1_Click();
            if (what == "second start") c.HScroll2->setValue(0), w->CmdOK_Click();
            if (what.startsWith("close")) w->close();
            if (what == "Space" || what == "edit while paused") space();
            QTimer::singleShot(200, w.get(), steps[1]);
        };
        steps[1] = [&] {
            if (what == "Space" || what == "edit while paused") {
                QVERIFY2(w->runPaused() && w->windowTitle().endsWith(".  Пауза"), qPrintable(w->windowTitle()));
                pausedAt = w->model().t;
            }
            if (what == "resize") w->resize(size);
            if (what == "zoom") c.VScroll1->setValue(100);  // the start-up scale
            QTimer::singleShot(200, w.get(), steps[2]);
        };
        steps[2] = [&] {
            if (what == "Space") {
                QCOMPARE(w->model().t, pausedAt);
                space();
            }
            if (what == "edit while paused") c.Text1->setText("3.000");
            c.HScroll2->setValue(0);
        };
        QTimer::singleShot(200, w.get(), steps[0]);
        w->CmdOK_Click();
        QTest::qWait(50);  // a resize may still be on its way
        QCOMPARE(depthDuringAction, 1);
        QVERIFY2(w->windowTitle().endsWith(ending), qPrintable(w->windowTitle()));
        QVERIFY(w->windowTitle().count(".  Конец ") == int(runEnds) && int(tone.beeps.size()) == int(runEnds));
        QCOMPARE(dialogs.shown.size() == 1 && dialogs.shown[0].title == "На Выход", what.startsWith("close"));
        QCOMPARE(w->isVisible(), what != "close, Да");
        QVERIFY(landed(*w) == runEnds && !w->runPaused());
        if (runEnds && what != "second start") QVERIFY(pictures(*w) == reference);
        if (runEnds || what == "close, Да") return;
        // Stopped: the counters are cleared, the time marks gone, and nothing more is drawn.
        QCOMPARE(pixelsOf(c.Picture4, green) + pixelsOf(c.Picture14, green) + pixelsOf(c.Picture1, timeMark), 0);
        QCOMPARE(c.Picture4->toolTip(), QString("счетчик времени"));
        const auto settled = std::pair(pictures(*w), c.Shape1->Top());
        w->Form_Resize();
        QVERIFY2(settled == std::pair(pictures(*w), c.Shape1->Top()), "the run drew after the recompute");
    }
};

QTEST_MAIN(RunTest)
#include "run_test.moc"
