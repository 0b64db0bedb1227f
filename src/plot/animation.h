#pragma once
// The animated run of the full model (linear plus quadratic drag), drawn in red:
// the rise integrated step by step with Runge-Kutta, the fall played frame by
// frame from the closed-form descent with a pause after every frame.
//
// The frames themselves are model/run_frames.h; raschet4 draws them, and the
// window supplies the pauses through RunHost.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/run_frames.h"
#include "draw/drawing_surface.h"

namespace velunta {

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

// Where a run stands in the model: what a recompute of the same inputs
// overwrites and the run needs to go on.
struct RunPlace {
    double t, shag_t, Y, Vy, outy;
    float outVy;
    static RunPlace of(const Model& m) { return {m.t, m.shag_t, m.Y, m.Vy, m.outy, m.outVy}; }
    void restore(Model& m) const {
        m.t = t, m.shag_t = shag_t, m.Y = Y, m.Vy = Vy, m.outy = outy, m.outVy = outVy;
    }
};

// The spacing of the time marks for a flight of `flight` seconds: the smallest
// step of 1, 2 or 5 times a power of ten that gives at most 30 marks (the launch
// counted), hence at least 13. 0 when the flight has no positive length.
double timeMarkStep(double flight);

// A mark of the ball on its column at a round time, as on a stroboscopic
// photograph: evenly spaced marks show a steady speed.
struct TimeMark {
    double t, Y;
    bool rising;  // drawn left of the column while rising, right of it while falling
};

// What a run has drawn, kept so that the pictures can be renewed under it (a
// resize, the zoom) and show the same again: its frames and its time marks.
class RunTrail {
public:
    // A new run of the model's current inputs, from (0, h).
    void start(const Model& m);
    void clear();
    bool empty() const { return inputs_ == std::nullopt; }
    // The inputs the trail was drawn for.
    const std::optional<InputValues>& inputs() const { return inputs_; }
    // A frame shown; the marks whose time it has passed are drawn on Picture1.
    void add(const RunFrame& frame, const Model& m, DrawingSurface& Picture1);
    // The starting marks, the red curves so far, the time marks and the ball, on
    // freshly drawn pictures (the counters keep their own text).
    void redraw(const Model& m, const RunSurfaces& s) const;

    double markStep() const { return step_; }
    const std::vector<TimeMark>& marks() const { return marks_; }
    std::size_t frames() const { return frames_.size(); }

private:
    std::optional<InputValues> inputs_;
    std::vector<RunFrame> frames_;
    std::vector<TimeMark> marks_;
    double step_ = 0;
    double top_ = 0;  // the time of the highest point
    RunFrame last_{RunPhase::rise, 0, 0, 0};  // the frame before the next one
};

// Draws one time mark: a small dot beside the ball's column at X.
void drawTimeMark(const TimeMark& mark, double X, DrawingSurface& Picture1);

// The run: starting marks, rise, fall, the two tooltips, the tone. Expects the
// graphs freshly drawn (Picture2 and Picture3 three pixels wide). Returns false
// when the host stopped it; the surfaces are then left as the last frame drew them.
// A trail, if given, is started and records the run.
bool raschet4(Model& m, const RunSurfaces& s, RunHost& host, RunTrail* trail = nullptr);

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

}  // namespace velunta
