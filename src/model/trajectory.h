#pragma once
// The motion of each model at any time after the launch, from the closed forms.

#include "model/model.h"

namespace velunta {

enum class DragModel { vacuum, linear, full };
struct MotionState { double Y; double Vy; };

// Height and vertical velocity of a model at time t after the launch, from its
// closed forms (the full model: its ascent solution up to Tp2, then its descent
// solution). Needs a model on which parametr, raschet1 and raschet2 have run.
// t beyond the landing: the landing state.
MotionState motionAt(const Model& m, DragModel model, double t);

// The time of the landing of each model after the launch.
double landingTime(const Model& m, DragModel model);

}  // namespace velunta
