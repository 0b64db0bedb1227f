// The three balls racing: the time bar moves each ball to its closed-form
// height, the arrows are the forces of the equations of motion to one scale,
// and playback at ×1 runs as long as the flight.

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QStyle>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "lesson/playback.h"
#include "model/computed.h"
#include "lesson/race_scene.h"

using namespace velunta;
Q_DECLARE_METATYPE(velunta::InputValues)

namespace {

constexpr DragModel kModels[] = {DragModel::vacuum, DragModel::linear, DragModel::full};

const std::pair<const char*, InputValues> kBalls[] = {
    {"steel in water, thrown up", InputValues{}},
    {"steel in air, thrown up 8 m/s", InputValues{2, 8, 0.01, 0.004084, 1.2, 0.0000182}},
    {"glass in glycerine, released", InputValues{0.5, 0, 0.005, 0.0001636, 1260, 1.48}},
    {"steel in air, thrown down", InputValues{10, -5, 0.01, 0.004084, 1.2, 0.0000182}},
};

// A scene, its playback and bar wired as the lesson view wires them.
struct Rig {
    Model m;
    RaceScene scene;
    Playback playback;
    TimeBar bar{&playback};
    explicit Rig(const InputValues& in) : m(computed(in)) {
        scene.resize(900, 600);
        scene.setModel(&m);
        QObject::connect(&playback, &Playback::timeChanged, &scene, &RaceScene::setTime);
        playback.setEnd(lastLanding(m));
    }
};

}  // namespace

class RaceSceneTest : public QObject {
    Q_OBJECT
private slots:
    void ballsAtClosedFormHeights_data() {
        QTest::addColumn<InputValues>("inputs");
        QTest::addColumn<double>("fraction");  // of the slider; 1 is pressed with End, -1 a drag by the mouse
        for (const auto& [name, in] : kBalls)
            for (double f : {0.0, 0.137, 0.5, 0.9, 1.0, -1.0})
                QTest::addRow("%s, %g of the flight", name, f) << in << f;
    }

    void ballsAtClosedFormHeights() {
        QFETCH(InputValues, inputs);
        QFETCH(double, fraction);
        Rig rig(inputs);
        QSlider* slider = rig.bar.slider();
        slider->setValue(fraction < 0 ? 0 : TimeBar::kSteps / 2);  // somewhere else first
        if (fraction < 0) {
            rig.bar.resize(800, rig.bar.sizeHint().height());
            rig.bar.show();
            QVERIFY(QTest::qWaitForWindowExposed(&rig.bar));
            const int y = slider->height() / 2, grip = slider->style()->pixelMetric(QStyle::PM_SliderLength) / 2;
            QTest::mousePress(slider, Qt::LeftButton, {}, {grip, y});
            QTest::mouseMove(slider, {slider->width() * 3 / 5, y});
            QTest::mouseRelease(slider, Qt::LeftButton, {}, {slider->width() * 3 / 5, y});
            QVERIFY(slider->value() > TimeBar::kSteps / 2 && slider->value() < TimeBar::kSteps * 7 / 10);
        } else if (fraction == 1.0) {
            QTest::keyClick(slider, Qt::Key_End);
        } else {
            slider->setValue(int(std::lround(fraction * TimeBar::kSteps)));
        }
        const double t = rig.playback.end() * slider->value() / TimeBar::kSteps;
        QCOMPARE(rig.scene.time(), t);
        for (DragModel k : kModels) {
            const QRectF ball = rig.scene.ballRect(k);
            const double Y = motionAt(rig.m, k, t).Y;
            QVERIFY2(std::fabs(ball.bottom() - (rig.scene.groundY() - Y * rig.scene.pixelsPerMetre())) < 1,
                     qPrintable(QStringLiteral("model %1 at %2 px").arg(int(k)).arg(ball.bottom())));
            QVERIFY(ball.top() >= 0 && ball.bottom() <= rig.scene.groundY() + 0.5);
            if (t >= landingTime(rig.m, k)) QVERIFY(std::fabs(ball.bottom() - rig.scene.groundY()) < 1);
        }
    }

    void arrowsProportionalToForces_data() {
        QTest::addColumn<InputValues>("inputs");
        QTest::addColumn<double>("fraction");
        for (const auto& [name, in] : kBalls)
            for (double f : {0.0, 0.3, 0.7})
                QTest::addRow("%s, %g of the flight", name, f) << in << f;
    }

    // The forces from the inputs alone: m g, ρo V g, 3 π η d v (Stokes), c ρo π d² v² / 8.
    void arrowsProportionalToForces() {
        QFETCH(InputValues, inputs);
        QFETCH(double, fraction);
        Rig rig(inputs);
        rig.scene.setShowNetForce(true);
        rig.playback.setTime(fraction * rig.playback.end());
        const double t = rig.scene.time(), g = 9.814, pi = 3.14159265, d = inputs.d;
        const double ppn = rig.scene.pixelsPerNewton();
        QVERIFY(ppn > 0);
        int count[3] = {};
        for (const RaceScene::Arrow& a : rig.scene.arrows()) {
            ++count[int(a.model)];
            const double v = motionAt(rig.m, a.model, t).Vy;
            double expected = 0;
            switch (a.kind) {
                case RaceScene::ForceKind::gravity: expected = -inputs.massa * g; break;
                case RaceScene::ForceKind::buoyancy: expected = inputs.r0 * pi * d * d * d / 6 * g; break;
                case RaceScene::ForceKind::linearDrag: expected = -3 * pi * inputs.eta * d * v; break;
                case RaceScene::ForceKind::quadraticDrag: expected = -inputs.c * inputs.r0 * pi * d * d / 8 * v * std::fabs(v); break;
                case RaceScene::ForceKind::net: continue;
            }
            if (t >= landingTime(rig.m, a.model)) expected = 0;  // the ground holds a landed ball
            QVERIFY2(std::fabs(a.force - expected) <= 1e-6 * std::fabs(expected) + 1e-15,
                     qPrintable(QStringLiteral("model %1 kind %2: %3 N, not %4 N").arg(int(a.model)).arg(int(a.kind)).arg(a.force).arg(expected)));
            QVERIFY(std::fabs(a.length - expected * ppn) < 1e-6);
            // Every arrow of the flight stays inside the scene.
            QVERIFY(a.tail.y() - a.length > 0 && a.tail.y() - a.length < rig.scene.height());
        }
        QCOMPARE(count[0], 2);  // gravity, and the net force
        QCOMPARE(count[1], 4);
        QCOMPARE(count[2], 5);
    }

    // Each speed chosen from the keyboard: its text on the bar, a frame's step of shown time.
    void speeds_data() {
        QTest::addColumn<int>("downs");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("text");
        QTest::newRow("slowed 100 times") << 0 << 0.01 << "замедление ×100";
        QTest::newRow("slowed 10 times") << 1 << 0.1 << "замедление ×10";
        QTest::newRow("real time") << 2 << 1.0 << "реальное время";
        QTest::newRow("sped up 10 times") << 3 << 10.0 << "ускорение ×10";
    }

    void speeds() {
        QFETCH(int, downs);
        QFETCH(double, factor);
        QFETCH(QString, text);
        Rig rig(InputValues{});
        QTest::keyClick(rig.bar.speedBox(), Qt::Key_Home);
        for (int i = 0; i < downs; ++i) QTest::keyClick(rig.bar.speedBox(), Qt::Key_Down);
        QCOMPARE(rig.playback.speed(), factor);
        QCOMPARE(rig.playback.speedText(), text);
        QVERIFY(rig.bar.timeLabel()->text().endsWith(text));
        rig.playback.setTime(0.5);
        rig.playback.stepForward();
        QVERIFY(std::fabs(rig.scene.time() - (0.5 + factor / 60)) < 1e-12);
    }

    // A flight of about two seconds played at ×1 on the real clock.
    void playsInRealDuration() {
        Rig rig(InputValues{});
        QSignalSpy stopped(&rig.playback, &Playback::playingChanged);
        QElapsedTimer wall;
        wall.start();
        QTest::keyClick(&rig.bar, Qt::Key_Space);
        QVERIFY(rig.playback.isPlaying());
        QVERIFY(stopped.wait(int(rig.playback.end() * 2000) + 1000));  // the start was already recorded
        QCOMPARE(stopped.last().first().toBool(), false);
        const double took = double(wall.nsecsElapsed()) * 1e-9, flight = rig.playback.end();
        QVERIFY2(std::fabs(took - flight) < 0.05 * flight, qPrintable(QStringLiteral("%1 s for a %2 s flight").arg(took).arg(flight)));
        QCOMPARE(rig.scene.time(), flight);
    }
};

QTEST_MAIN(RaceSceneTest)
#include "race_scene_test.moc"
