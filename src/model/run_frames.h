#pragma once
// The frame sequence of the animated run of the full model, without any
// drawing, so that the headless `--frames` output and the window show the very
// same frames: the rise integrated step by step with Runge-Kutta, the fall taken
// frame by frame from the closed-form descent.

#include <vector>

#include "model/model.h"

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

}  // namespace velunta
