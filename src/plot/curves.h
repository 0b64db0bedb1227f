#pragma once
// raschet3: the closed-form curves of the two models that have them, on the
// coordinate graph (Y against t) and the velocity graph (Vy against t):
// vacuum in black, linear drag in blue; and on the coordinate graph the moments
// of the three tops. The full model's red curves belong to the animated run.

#include <cmath>

#include "model/model.h"
#include "draw/drawing_surface.h"

namespace velunta {

void raschet3(Model& m, DrawingSurface& Picture1, DrawingSurface& Picture2, DrawingSurface& Picture3);

// The points of a curve sampled from 0 to T: t = 0 first, then t += T / n while
// t <= T (5001 points, or 5000 when the sum overshoots T). Calls point(t) for
// each and leaves the first time beyond T in t. Does nothing for a T or step
// that is not a positive finite number, so it always ends.
template <typename PointFn>
void for_each_curve_time(double& t, double T, int n, PointFn point) {
    const double step = T / n;
    t = 0;
    // A step of 0, NaN or infinity would never leave the loop (inf + inf stays inf).
    if (!(step > 0) || !std::isfinite(step)) return;
    for (; t <= T; t += step) point(t);
}

}  // namespace velunta
