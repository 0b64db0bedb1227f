#pragma once
// The height and vertical velocity of each of the three models at any time of
// the flight, from their closed forms: what the tables, pictures and worksheets
// show, so that they agree with the curves and with the results in the window.

#include "model/model.h"

namespace velunta {

enum class DragModel { vacuum, linear, full };

struct MotionState {
    double Y;   // height, m
    double Vy;  // vertical velocity, m/s, up is positive
};

// Height and vertical velocity of a model at time t after the launch, from its
// closed forms (the full model: its ascent solution up to Tp2, then its descent
// solution). Needs a model on which parametr, raschet1 and raschet2 have run.
// t beyond the landing: the landing state; t before the launch: the launch.
MotionState motionAt(const Model& m, DragModel model, double t);

// The same closed forms continued past the landing, as if the ground were not
// there (a measured point after a model's landing is still compared with the
// model's fall). Before the launch: the launch state (the ball is held).
MotionState motionContinued(const Model& m, DragModel model, double t);

// The time of the landing of a model after the launch: Tmax0, Tmax1, Tp2 + Ts2.
double landingTime(const Model& m, DragModel model);

// The descent of the full model in double precision, time measured from the
// top (from the launch when the ball is not thrown upwards): the closed form
// that Y2_f and Vy2_f round to single precision.
MotionState fullDescentAt(const Model& m, double time);

}  // namespace velunta
