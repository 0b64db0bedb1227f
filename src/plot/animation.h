#pragma once
// The animated run of the full model (linear plus quadratic drag), drawn in red:
// the rise integrated step by step with Runge-Kutta, the fall played frame by
// frame from the closed-form descent with a pause after every frame.
//
// RunFrames is the frame sequence alone, without Qt drawing, so that the
// headless `--frames` output and the window show the very same frames.
// raschet4 draws those frames; the window supplies the pauses through RunHost.

#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/model.h"
#include "draw/drawing_surface.h"

class QTimer;

namespace velunta {

enum class RunPhase { rise, fall };

struct RunFrame {
    RunPhase phase;
    double t, Y, Vy;
};

// Walks the model through the frames of a run. Each successful next() leaves
// the frame to show in the model's t, Y and Vy (and the integrator's state in
// outy, outVy, shag_t); after the last frame shag_t holds the fall's step.
class RunFrames {
public:
    explicit RunFrames(Model& m);
    bool next();
    RunPhase phase() const { return phase_; }

private:
    void startFall();

    Model& m_;
    RunPhase phase_ = RunPhase::rise;
    bool rising_ = false;
    int k_ = 0;             // frames of the fall shown so far
    double fallFrames_ = 0; // n / 5
};

// The whole sequence at once (tests, benchmarks, `--frames`).
std::vector<RunFrame> collectRunFrames(Model& m);

// The surfaces a run draws on.
struct RunSurfaces {
    DrawingSurface& Picture1;   // trajectory picture, with the ball
    DrawingSurface& Picture2;   // Y(t)
    DrawingSurface& Picture3;   // Vy(t)
    DrawingSurface& Picture4;   // time counter
    DrawingSurface& Picture14;  // height counter
    Shape& Shape1;      // the ball
};

// What the run asks of the window.
class RunHost {
public:
    virtual ~RunHost() = default;
    // After each frame: a chance to show it without handling any input (the
    // rise, and a fall without pauses, handle no events at all).
    virtual void frameShown() = 0;
    // The pause after each frame of the fall; false when the run is to stop.
    virtual bool Wait(double k) = 0;
    // The closing tone, 880 Hz for 12 * k ms.
    virtual void signal(double k) = 0;
};

// The run: starting marks, rise, fall, the two tooltips, the tone. Expects the
// graphs freshly drawn (Picture2 and Picture3 three pixels wide). Returns false
// when the host stopped it; the surfaces are then left as the last frame drew them.
bool raschet4(Model& m, const RunSurfaces& s, RunHost& host);

// One frame: the red curves grow to (t, Y) and (t, Vy), the ball moves to
// height Y, the counters show t and Y.
void show_state(const Model& m, const RunSurfaces& s);

// Counter texts, always with a point.
QString timeCounterText(double t);
QString heightCounterText(double Y);
// Tooltips composed at the end of a run; the numbers keep the decimal separator
// of the user's locale (m.locale_decimal_point).
std::string timeStepToolTip(const Model& m);
std::string heightErrorToolTip(const Model& m);

// The length of each pause so that the pauses keep a steady pace: a pause
// that ends late (timers fire up to a millisecond after their time, and the
// frame takes its own time to draw) shortens the next one, so 1000 pauses of
// 10 ms take 10 s, not 10.6. After a longer break (a dialog, another run, the
// first pause) the pace starts afresh from a whole pause.
class PausePace {
public:
    using Clock = std::chrono::steady_clock;
    // The interval in whole milliseconds (at least 1) for a pause of `ms` starting at `now`.
    int next(int ms, Clock::time_point now);
    // The pace is broken (a pause of 0, a stop).
    void reset() { due_.reset(); }

private:
    std::optional<Clock::time_point> due_;  // when the last pause was due to end
};

// The pause of the fall, paced by Timer1: about 10 * k ms during which the
// window's events are handled.
class FramePause : public QObject {
    Q_OBJECT
public:
    explicit FramePause(QTimer* Timer1);
    // Returns when Timer1_Timer has ended the pause or `stopped` turns true.
    // k = 0 (or less) makes no pause.
    void Wait(double k, const std::function<bool()>& stopped = {});
    // Timer1's tick: ends the pause.
    void Timer1_Timer();

private:
    QTimer* Timer1_;
    PausePace pace_;
};

}  // namespace velunta
