// The animated run: its frames (rise by Runge-Kutta, fall from the closed form),
// what the drawing run shows and asks of the window, its texts, and the pause.

#include <QTimer>
#include <QtTest>
#include <ctime>

#include "app/report.h"
#include "plot/animation.h"
#include "plot/axes.h"
#include "plot/curves.h"
#include "plot/minmax.h"

using namespace velunta;

namespace {

Model computed(const QStringList& options) {
    Model m;
    m.set_defaults();
    std::vector<std::string> args;
    for (const QString& o : options) args.push_back(o.toStdString());
    std::string message;
    if (!readInputOptions(args, m, message)) qFatal("inputs refused: %s", message.c_str());
    computeModel(m);
    return m;
}

// Records what the run asks of the window; can stop it after a number of pauses.
struct RecordingHost : RunHost {
    int framesShown = 0;
    std::vector<double> waits;
    std::vector<double> tones;
    int stopAtWait = -1;                   // Wait number (1-based) that answers "stop"
    std::function<void(int)> duringWait;   // runs inside each pause, with its number

    void frameShown() override { ++framesShown; }
    bool Wait(double k) override {
        waits.push_back(k);
        if (duringWait) duringWait(int(waits.size()));
        return stopAtWait < 0 || int(waits.size()) < stopAtWait;
    }
    void signal(double k) override { tones.push_back(k); }
};

// The three drawings and the two counters, prepared as the start command leaves them.
struct Surfaces {
    Canvas Picture1, Picture2, Picture3, Picture4, Picture14;
    Shape* Shape1 = new Shape(&Picture1);

    explicit Surfaces(Model& m) {
        for (Canvas* c : {&Picture1, &Picture2, &Picture3}) c->resize(400, 300);
        for (Canvas* c : {&Picture4, &Picture14}) {
            c->resize(120, 30);
            c->setBackColor(RGB(0, 0, 0));
            c->setForeColor(RGB(0, 255, 0));
        }
        Picture4.setToolTipText("счетчик времени");
        Picture14.setToolTipText("Координата");
        minmax(m, &Picture1);
        axes(m, Picture1, *Shape1);
        minmax_2(m, &Picture2, &Picture3);
        axes_2(m, Picture2);
        axes_3(m, Picture3);
        raschet3(m, Picture1, Picture2, Picture3);
    }
    RunSurfaces run() { return {Picture1, Picture2, Picture3, Picture4, Picture14, *Shape1}; }
};

int redPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 0, 0)) ++count;
    return count;
}

double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec * 1e-9;
}

}  // namespace

class AnimationTest : public QObject {
    Q_OBJECT

private slots:
    // ---- The frame sequence ----------------------------------------------------

    void frameSequence_data() {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("defaults: thrown up 3 m/s from 2 m") << QStringList{};
        QTest::newRow("thrown up fast") << QStringList{"--V0y=15"};
        QTest::newRow("heavy ball in air") << QStringList{"--r0=1.2", "--eta=0.0000182", "--V0y=8"};
        QTest::newRow("released") << QStringList{"--h=10", "--V0y=0"};
        QTest::newRow("thrown down") << QStringList{"--h=5", "--V0y=-3"};
    }

    void frameSequence() {
        QFETCH(QStringList, options);
        Model m = computed(options);
        const Model before = m;
        const std::vector<RunFrame> frames = collectRunFrames(m);

        std::vector<RunFrame> rise, fall;
        for (const RunFrame& f : frames) (f.phase == RunPhase::rise ? rise : fall).push_back(f);
        // All rise frames come first.
        for (std::size_t i = 1; i < frames.size(); ++i)
            QVERIFY(!(frames[i].phase == RunPhase::rise && frames[i - 1].phase == RunPhase::fall));

        if (before.V0y > 0) {
            // About n Runge-Kutta steps up to the top, equally spaced, the last within a step past it.
            const double step = before.Tp2 / before.n;
            QVERIFY2(rise.size() == 5000 || rise.size() == 5001, qPrintable(QString::number(rise.size())));
            QVERIFY(std::abs(rise.front().t - step) < 1e-12);
            for (std::size_t i = 1; i < rise.size(); ++i) {
                QVERIFY(std::abs(rise[i].t - rise[i - 1].t - step) < 1e-9 * before.Tp2);
                QVERIFY(rise[i].Y >= rise[i - 1].Y - 1e-9 || rise[i].Vy < 0);
            }
            QVERIFY(rise.back().t >= before.Tp2 - 1e-9 * before.Tp2);
            QVERIFY(rise.back().t < before.Tp2 + step);
            // The integrated top agrees with the closed form, and the ball is at rest there.
            double top = before.h;
            for (const RunFrame& f : rise) top = std::max(top, f.Y);
            QVERIFY2(std::abs(top - before.Ymax2) < 1e-5 * before.Ymax2,
                     qPrintable(QString("%1 vs %2").arg(top, 0, 'g', 17).arg(before.Ymax2, 0, 'g', 17)));
            QVERIFY(std::abs(rise.back().Vy) < 20 * step);
        } else {
            QVERIFY(rise.empty());
        }

        // The fall: n / 5 frames at equal steps of 5 Ts2 / n after the top, down to the ground.
        QCOMPARE(int(fall.size()), 1000);
        const double fallStep = double(5.0f * before.Ts2) / before.n;
        QCOMPARE(m.shag_t, fallStep);
        for (std::size_t k = 0; k < fall.size(); ++k) {
            QCOMPARE(fall[k].t, before.Tp2 + double(k + 1) * fallStep);
            QCOMPARE(fall[k].Y, double(before.Y2_f(fall[k].t - before.Tp2)));
            QVERIFY(fall[k].Vy <= 0);
            if (k > 0) QVERIFY(fall[k].Y <= fall[k - 1].Y);
        }
        QVERIFY(std::abs(fall.back().t - before.Tp2 - before.Ts2) < 1e-6 * before.Ts2);
        QVERIFY2(std::abs(fall.back().Y) < 1e-4 * before.Ymax2, qPrintable(QString::number(fall.back().Y)));
        // The model is left at the last frame.
        QCOMPARE(m.t, fall.back().t);
        QCOMPARE(m.Y, fall.back().Y);
    }

    // ---- The drawn run ------------------------------------------------------------

    void runDrawsEveryFrameAndEndsWithTooltipsAndTone() {
        Model frameModel = computed({});
        const std::vector<RunFrame> frames = collectRunFrames(frameModel);

        Model m = computed({});
        Surfaces s(m);
        const int redBefore = redPixels(s.Picture2.image());
        RecordingHost host;
        QVERIFY(raschet4(m, s.run(), host));

        QCOMPARE(host.framesShown, int(frames.size()));
        QCOMPARE(int(host.waits.size()), 1000);  // one pause per frame of the fall
        QCOMPARE(host.tones, std::vector<double>{50});
        // The counters show the last frame of the very same sequence.
        QCOMPARE(m.t, frames.back().t);
        QCOMPARE(m.Y, frames.back().Y);
        QCOMPARE(s.Picture4.toolTip().toStdString(), timeStepToolTip(m));
        QCOMPARE(s.Picture14.toolTip().toStdString(), heightErrorToolTip(m));
        QCOMPARE(m.fff, heightErrorToolTip(m));
        // The red curve grew on the coordinate graph; the ball stands on the ground.
        QVERIFY(redPixels(s.Picture2.image()) > redBefore + 200);
        QVERIFY(redPixels(s.Picture3.image()) > 200);
        const double ballCentre = s.Shape1->Top() - s.Shape1->Height() / 2;
        QVERIFY(std::abs(ballCentre) < 1e-3);
        QVERIFY(std::abs(s.Shape1->Left() + s.Shape1->Width() / 2 - m.X) < 1e-9);
    }

    void slowDownIsReadForEveryFrame() {
        Model m = computed({});
        Surfaces s(m);
        RecordingHost host;
        m.tormoz = 2;
        host.duringWait = [&m](int k) {
            if (k == 10) m.tormoz = 0;   // the scroll bar moved during the tenth pause
            if (k == 600) m.tormoz = 5;
        };
        QVERIFY(raschet4(m, s.run(), host));
        QCOMPARE(int(host.waits.size()), 1000);
        for (int k = 1; k <= 1000; ++k) QCOMPARE(host.waits[k - 1], k <= 10 ? 2.0 : k <= 600 ? 0.0 : 5.0);
    }

    void stoppedRunLeavesTooltipsAndToneAlone() {
        Model m = computed({});
        Surfaces s(m);
        RecordingHost host;
        host.stopAtWait = 5;
        const std::string fff = m.fff;
        QVERIFY(!raschet4(m, s.run(), host));
        QCOMPARE(int(host.waits.size()), 5);
        QVERIFY(host.tones.empty());
        QCOMPARE(s.Picture4.toolTip(), QString("счетчик времени"));
        QCOMPARE(s.Picture14.toolTip(), QString("Координата"));
        QCOMPARE(m.fff, fff);
    }

    void noRiseWhenNotThrownUp() {
        Model m = computed({"--h=10", "--V0y=0"});
        Surfaces s(m);
        RecordingHost host;
        QVERIFY(raschet4(m, s.run(), host));
        QCOMPARE(host.framesShown, 1000);
        QCOMPARE(int(host.waits.size()), 1000);
    }

    // ---- Texts ----------------------------------------------------------------------

    void counterTexts_data() {
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("Y");
        QTest::addColumn<QString>("timeText");
        QTest::addColumn<QString>("heightText");
        QTest::newRow("landing of the defaults") << 1.8916118304651914 << 6.788626194520475e-08 << "1.891612"
                                                 << "6.789e-08";
        QTest::newRow("top of the defaults") << 0.18324736482162113 << 2.1932878083643264 << "0.183247"
                                             << "2.193e+00";
        QTest::newRow("a step below ground") << 1.427552 << -0.0001234 << "1.427552" << "-1.234e-04";
        QTest::newRow("start") << 0.0 << 0.0 << "0.000000" << "0.000e+00";
    }

    void counterTexts() {
        QFETCH(double, t);
        QFETCH(double, Y);
        QFETCH(QString, timeText);
        QFETCH(QString, heightText);
        QCOMPARE(timeCounterText(t), timeText);
        QCOMPARE(heightCounterText(Y), heightText);
    }

    void tooltips_data() {
        QTest::addColumn<QString>("decimalPoint");
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("Y");
        QTest::addColumn<double>("Ymax2");
        QTest::addColumn<QString>("stepTip");
        QTest::addColumn<QString>("errorTip");
        const QString stepHead = "Счётчик времени. шаг по времени ±dt=";
        const QString stepTail = " с. Метод Рунге-Кутты. Сравните с аналитическим решением Тmax2 и Y_end";
        const QString errorHead = "Координата. Погрешность = ";
        const QString errorTail = " %. Метод Рунге-Кутты. Сравните с аналитическим решением и Y_end";
        QTest::newRow("point locale, defaults")
            << "." << 0.0017084012031555176 << 6.788626194520475e-08 << 2.1932877270273674
            << stepHead + "0.001708" + stepTail << errorHead + "0.000003" + errorTail;
        QTest::newRow("comma locale keeps its comma")
            << "," << 0.0017084012031555176 << 6.788626194520475e-08 << 2.1932877270273674
            << stepHead + "0,001708" + stepTail << errorHead + "0,000003" + errorTail;
        QTest::newRow("ended below ground: the size counts")
            << "," << 0.0123456789 << -0.01 << 2.0 << stepHead + "0,012346" + stepTail
            << errorHead + "0,500000" + errorTail;
    }

    void tooltips() {
        QFETCH(QString, decimalPoint);
        QFETCH(double, step);
        QFETCH(double, Y);
        QFETCH(double, Ymax2);
        QFETCH(QString, stepTip);
        QFETCH(QString, errorTip);
        Model m;
        m.locale_decimal_point = decimalPoint.toStdString();
        m.shag_t = step;
        m.Y = Y;
        m.Ymax2 = Ymax2;
        QCOMPARE(QString::fromStdString(timeStepToolTip(m)), stepTip);
        QCOMPARE(QString::fromStdString(heightErrorToolTip(m)), errorTip);
    }

    // ---- The pause ------------------------------------------------------------------------

    // Pauses keep their pace: lateness of one is taken off the next.
    void pausesKeepAPace_data() {
        QTest::addColumn<QList<int>>("startUs");   // when each pause starts, after the first
        QTest::addColumn<QList<int>>("lengthMs");  // the pause asked for
        QTest::addColumn<QList<int>>("interval");  // the timer interval given
        QTest::newRow("first pause is whole") << QList<int>{0} << QList<int>{10} << QList<int>{10};
        QTest::newRow("a late tick shortens the next")
            << QList<int>{0, 10600, 20700, 30400} << QList<int>{10, 10, 10, 10} << QList<int>{10, 9, 9, 10};
        QTest::newRow("drawing time is taken off") << QList<int>{0, 13000} << QList<int>{10, 10} << QList<int>{10, 7};
        QTest::newRow("never less than a millisecond")
            << QList<int>{0, 19900} << QList<int>{10, 10} << QList<int>{10, 1};
        QTest::newRow("after a long break the pace starts afresh")
            << QList<int>{0, 35000, 45200} << QList<int>{10, 10, 10} << QList<int>{10, 10, 10};
        QTest::newRow("a slower pace from the next pause on")
            << QList<int>{0, 10300, 60300} << QList<int>{10, 50, 50} << QList<int>{10, 50, 50};
    }

    void pausesKeepAPace() {
        QFETCH(QList<int>, startUs);
        QFETCH(QList<int>, lengthMs);
        QFETCH(QList<int>, interval);
        PausePace pace;
        const auto t0 = PausePace::Clock::now();
        for (int i = 0; i < startUs.size(); ++i)
            QCOMPARE(pace.next(lengthMs[i], t0 + std::chrono::microseconds(startUs[i])), interval[i]);
        pace.reset();
        QCOMPARE(pace.next(10, t0 + std::chrono::microseconds(startUs.back() + 1000)), 10);
    }

    void zeroPauseHandlesNothing() {
        QTimer Timer1;
        FramePause pause(&Timer1);
        bool handled = false;
        QTimer::singleShot(0, [&handled] { handled = true; });
        pause.Wait(0);
        QVERIFY(!handled);
        QVERIFY(!Timer1.isActive());
        QTRY_VERIFY(handled);  // the event was only left for later
    }

    void pauseHandlesEventsUntilTheTick() {
        QTimer Timer1;
        FramePause pause(&Timer1);
        bool handled = false;
        QTimer::singleShot(0, [&handled] { handled = true; });
        pause.Wait(2);
        QVERIFY(handled);
        QCOMPARE(Timer1.interval(), 0);
        QVERIFY(!Timer1.isActive());
    }

    void stopEndsALongPause() {
        QTimer Timer1;
        FramePause pause(&Timer1);
        bool stop = false;
        QTimer::singleShot(20, [&stop] { stop = true; });
        QElapsedTimer clock;
        clock.start();
        pause.Wait(100000, [&stop] { return stop; });  // 1000 s unless stopped
        QVERIFY(stop);
        QVERIFY(!Timer1.isActive());
        QVERIFY(clock.elapsed() < 60000);
    }

    // A run started from a handler pauses on the same timer; the outer pause must still end.
    void nestedPauseLeavesTheOuterOneItsTick() {
        QTimer Timer1;
        FramePause pause(&Timer1);
        int nested = 0;
        QTimer::singleShot(0, [&] {
            pause.Wait(1);
            pause.Wait(0);
            ++nested;
        });
        pause.Wait(3);
        QCOMPARE(nested, 1);
        QVERIFY(!Timer1.isActive());
    }

    void pauseSleepsInsteadOfSpinning() {
        QTimer Timer1;
        FramePause pause(&Timer1);
        const double cpuBefore = cpuSeconds();
        pause.Wait(30);  // 300 ms
        const double cpu = cpuSeconds() - cpuBefore;
        QVERIFY2(cpu < 0.1, qPrintable(QString("%1 s of processor time in a 0.3 s pause").arg(cpu)));
    }
};

QTEST_MAIN(AnimationTest)
#include "animation_test.moc"
