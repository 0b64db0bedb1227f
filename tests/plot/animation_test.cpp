// The animated run: its frames (rise by Runge-Kutta, fall from the closed form),
// what the drawing run asks of the window, its texts, and the pause.

#include <QTimer>
#include <QTest>
#include <ctime>

#include "plot/pipeline.h"
#include "plot/animation.h"
#include "window/frame_pause.h"
#include "ui/canvas.h"

using namespace velunta;
Q_DECLARE_METATYPE(velunta::InputValues)

namespace {

Model computed(const InputValues& inputs) {
    Model m;
    m.set_defaults();
    m.set_inputs(inputs);
    recompute(m);
    return m;
}

// Records what the run asks of the window; `duringWait` runs inside each pause, with its number.
struct RecordingHost : RunHost {
    int framesShown = 0;
    std::vector<double> waits, tones;
    std::function<void(int)> duringWait;
    void frameShown() override { ++framesShown; }
    bool Wait(double k) override { return waits.push_back(k), duringWait(int(waits.size())), true; }
    void signal(double k) override { tones.push_back(k); }
};

}  // namespace

class AnimationTest : public QObject {
    Q_OBJECT
private slots:
    void frameSequence_data() {
        QTest::addColumn<InputValues>("inputs");
        QTest::newRow("defaults: thrown up 3 m/s from 2 m") << InputValues{};
        QTest::newRow("heavy ball in air") << InputValues{2, 8, 0.01, 0.004084, 1.2, 0.0000182};
        QTest::newRow("released") << InputValues{10, 0};  // as a throw down: no rise
    }

    // Rise: n equal Runge-Kutta steps up to the top (the last within a step past it), only when thrown up.
    // Fall: n / 5 frames at equal steps of 5 Ts2 / n from the closed form, down to the ground.
    void frameSequence() {
        QFETCH(InputValues, inputs);
        const Model m = computed(inputs);
        const std::vector<RunFrame> frames = [](Model run) { return collectRunFrames(run); }(m);
        const auto rising = [](const RunFrame& f) { return f.phase == RunPhase::rise; };
        QVERIFY(std::is_partitioned(frames.begin(), frames.end(), rising));
        const auto firstFall = std::partition_point(frames.begin(), frames.end(), rising);
        const std::vector<RunFrame> rise(frames.begin(), firstFall), fall(firstFall, frames.end());
        QVERIFY2(m.V0y > 0 ? rise.size() == 5000 || rise.size() == 5001 : rise.empty(),
                 qPrintable(QString::number(rise.size())));
        const double step = m.Tp2 / m.n, fallStep = double(5.0f * m.Ts2) / m.n;
        double top = m.h;
        for (std::size_t i = 0; i < rise.size(); ++i) {
            QVERIFY(std::abs(rise[i].t - double(i + 1) * step) < 1e-9 * m.Tp2);
            top = std::max(top, rise[i].Y);
        }
        QVERIFY2(std::abs(top - m.Ymax2) < 1e-5 * m.Ymax2, qPrintable(QString::number(top - m.Ymax2)));
        QCOMPARE(int(fall.size()), 1000);
        for (std::size_t k = 0; k < fall.size(); ++k) {
            QCOMPARE(fall[k].t, m.Tp2 + double(k + 1) * fallStep);
            QCOMPARE(fall[k].Y, double(m.Y2_f(fall[k].t - m.Tp2)));
        }
        QVERIFY2(std::abs(fall.back().Y) < 1e-4 * m.Ymax2, qPrintable(QString::number(fall.back().Y)));
    }

    // Every frame shown, tormoz read anew for every pause of the fall, then the two tooltips and the tone.
    void runAsksForEveryFrameAndPause() {
        Model m = computed({}), copy = m;
        Canvas Picture1, Picture2, Picture3, Picture4, Picture14;
        RecordingHost host;
        host.duringWait = [&m](int k) { m.tormoz = k < 10 ? 1 : 0; };  // the scroll bar moved in the tenth pause
        Picture1.resize(145, 485);
        Picture1.Scale(m.x_left, m.y_top, m.x_right, m.y_bottom);
        RunTrail trail;
        QVERIFY(raschet4(m, {Picture1, Picture2, Picture3, Picture4, Picture14, *new Shape(&Picture1)}, host, &trail));
        const std::vector<RunFrame> frames = collectRunFrames(copy);
        QCOMPARE(host.framesShown, int(frames.size()));
        // The time marks: every step from the launch to the landing, each where the closed forms put the ball.
        const double step = trail.markStep(), flight = m.Tp2 + m.Ts2;
        QCOMPARE(int(trail.marks().size()), int(std::floor(flight / step)) + 1);
        for (std::size_t i = 0; i < trail.marks().size(); ++i) {
            const TimeMark& mark = trail.marks()[i];
            const double t = double(i) * step;
            const bool rising = t < m.Tp2;
            // Rising: the nearest Runge-Kutta frame, within the way the ball goes in a step.
            const RunFrame near = *std::min_element(frames.begin(), frames.end(), [t](auto& a, auto& b) {
                return std::abs(a.t - t) < std::abs(b.t - t); });
            const double Y = t == 0 ? m.h : rising ? near.Y : double(m.Y2_f(t - m.Tp2));
            const double tolerance = rising ? std::abs(near.Vy) * m.Tp2 / m.n + 1e-9 : 1e-4 * m.Ymax2;
            QVERIFY2(mark.t == t && mark.rising == rising && std::abs(mark.Y - Y) <= tolerance,
                     qPrintable(QString("%1: %2 %3").arg(t).arg(mark.Y).arg(Y)));
        }
        QCOMPARE(int(host.waits.size()), 1000);  // none in the rise
        for (int k = 1; k <= 1000; ++k) QCOMPARE(host.waits[k - 1], k <= 10 ? 1.0 : 0.0);
        QCOMPARE(host.tones, std::vector<double>{50});
        QCOMPARE(Picture4.toolTip().toStdString(), timeStepToolTip(m));
        QCOMPARE(Picture14.toolTip().toStdString(), heightErrorToolTip(m));
    }

    // No time marks for a flight that is no flight.
    void noMarksWithoutAFlight() {
        for (double flight : {0.0, -1.0, std::nan("")}) QCOMPARE(timeMarkStep(flight), 0.0);
    }

    // The counters always with a point; the tooltips with the user's separator, the error by its size.
    void texts() {
        QCOMPARE(timeCounterText(1.8916118304651914), QString("1.891612"));
        QCOMPARE(heightCounterText(-0.0001234), QString("-1.234e-04"));
        Model m;
        m.locale_decimal_point.assign(1, ',');  // (assigning "," trips a false -Wrestrict in GCC 12)
        std::tie(m.shag_t, m.Y, m.Ymax2) = std::tuple(0.0017084012031555176, -0.01, 2.0);
        QVERIFY(QString::fromStdString(timeStepToolTip(m)).contains("dt=0,001708 с"));
        QVERIFY(QString::fromStdString(heightErrorToolTip(m)).contains("Погрешность = 0,500000 %"));
    }

    // A late pause shortens the next (never below 1 ms); after a long break the pace starts afresh.
    // With tormoz 0 no pause at all; a pause handles events, asleep, until Timer1's tick or a stop.
    void pause() {
        PausePace pace;
        const auto at = [t0 = PausePace::Clock::now()](int us) { return t0 + std::chrono::microseconds(us); };
        const int startUs[] = {0, 10600, 20700, 33000, 49900, 85000, 95200}, interval[] = {10, 9, 9, 7, 1, 10, 10};
        for (int i = 0; i < 7; ++i) QCOMPARE(pace.next(10, at(startUs[i])), interval[i]);
        pace.reset();
        QCOMPARE(pace.next(10, at(95300)), 10);
        QTimer Timer1;
        FramePause pause(&Timer1);
        bool handled = false, stop = false;
        QTimer::singleShot(0, [&handled] { handled = true; });
        pause.Wait(0);
        QVERIFY(!handled && !Timer1.isActive());
        const std::clock_t cpu = std::clock();
        pause.Wait(30);  // 300 ms
        QVERIFY(handled && !Timer1.isActive());
        QVERIFY2(std::clock() - cpu < CLOCKS_PER_SEC / 10, "the pause spun instead of sleeping");
        QTimer::singleShot(20, [&stop] { stop = true; });
        pause.Wait(100000, [&stop] { return stop; });  // 1000 s unless stopped
        QVERIFY(stop && !Timer1.isActive());
    }
};

QTEST_MAIN(AnimationTest)
#include "animation_test.moc"
