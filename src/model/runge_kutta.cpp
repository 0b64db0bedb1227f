// The run of the full model, dY/dt = Vy,  dVy/dt = -(Vp + Vy)/tau - Vy*|Vy|/R2,
// one Runge-Kutta step at a time from (t, outy, outVy).

#include <cmath>

#include "model/model.h"
#include "model/runge_kutta.h"

namespace velunta {

double Model::ff_2(const double& /*time*/, const double& /*coordinate*/, const double& velocity) const {
    // |velocity| makes the quadratic drag oppose the motion both ways.
    return -(velocity * std::fabs(velocity) / R2 + (velocity / tau + Vp / tau));
}

void Model::rk_step() {
    const RungeKuttaStep k = rungeKuttaStep(outy, outVy, shag_t, [this](double v) { return ff_2(t, outy, v); });
    k11 = k.k11, k21 = k.k21, k31 = k.k31, k41 = k.k41;
    k12 = k.k12, k22 = k.k22, k32 = k.k32, k42 = k.k42;
    Y = k.Y;
    Vy = k.Vy;
    // The carried velocity is single precision: its rounding is part of the run.
    outy = Y;
    outVy = float(Vy);
    t = t + shag_t;
}

}  // namespace velunta
