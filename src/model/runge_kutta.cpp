// One classical fourth-order Runge-Kutta step of the full model,
//   dY/dt = Vy,  dVy/dt = -(Vp + Vy)/tau - Vy*|Vy|/R2,
// from (t, outy, outVy). The increments k.. are the derivatives times the step.
// The sums are grouped as below on purpose: the last bits of the run depend on
// it, and so does the rounding of the carried velocity to single precision.

#include <cmath>

#include "model/model.h"

namespace velunta {

double Model::ff_1(const double& /*time*/, const double& /*coordinate*/, const double& velocity) const {
    return velocity;
}

double Model::ff_2(const double& /*time*/, const double& /*coordinate*/, const double& velocity) const {
    // |velocity| makes the quadratic drag oppose the motion both ways.
    return -(velocity * std::fabs(velocity) / R2 + (velocity / tau + Vp / tau));
}

void Model::rk_step() {
    const double s = shag_t;
    const double y = outy;
    const double v = outVy;

    k11 = ff_1(t, y, v) * s;
    k12 = ff_2(t, y, v) * s;

    k21 = ff_1(t + s / 2, y + k11 / 2, v + k12 / 2) * s;
    k22 = ff_2(t + s / 2, y + k11 / 2, v + k12 / 2) * s;

    k31 = ff_1(t + s / 2, y + k21 / 2, v + k22 / 2) * s;
    k32 = ff_2(t + s / 2, y + k21 / 2, v + k22 / 2) * s;

    k41 = ff_1(s + t, k31 + y, k32 + v) * s;
    k42 = ff_2(s + t, k31 + y, k32 + v) * s;

    Y = ((k11 + 2 * k21) + 2 * k31 + k41) / 6 + y;
    Vy = ((k12 + 2 * k22) + 2 * k32 + k42) / 6 + v;

    outy = Y;
    outVy = float(Vy);
    t = t + s;
}

}  // namespace velunta
