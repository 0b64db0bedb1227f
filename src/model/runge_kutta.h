#pragma once
// One classical fourth-order Runge-Kutta step of dY/dt = Vy, dVy/dt = accel(Vy)
// from (y, v) over the step s. The increments k.. are the derivatives times the
// step, and the sums are grouped as below on purpose: the last bits of the run
// depend on it.

namespace velunta {

struct RungeKuttaStep {
    double k11, k21, k31, k41;  // height increments
    double k12, k22, k32, k42;  // velocity increments
    double Y, Vy;               // the state at the end of the step
};

template <class Accel>
RungeKuttaStep rungeKuttaStep(double y, double v, double s, const Accel& accel) {
    RungeKuttaStep k;
    k.k11 = v * s;
    k.k12 = accel(v) * s;
    k.k21 = (v + k.k12 / 2) * s;
    k.k22 = accel(v + k.k12 / 2) * s;
    k.k31 = (v + k.k22 / 2) * s;
    k.k32 = accel(v + k.k22 / 2) * s;
    k.k41 = (k.k32 + v) * s;
    k.k42 = accel(k.k32 + v) * s;
    k.Y = ((k.k11 + 2 * k.k21) + 2 * k.k31 + k.k41) / 6 + y;
    k.Vy = ((k.k12 + 2 * k.k22) + 2 * k.k32 + k.k42) / 6 + v;
    return k;
}

}  // namespace velunta
