#include "model/trajectory.h"

#include <algorithm>
#include <cmath>

#include "model/constants.h"
#include "model/relaxation.h"

namespace velunta {

namespace {

// The ascent of the full model, 0 <= t <= Tp2, V0y > 0. With the upward speed
// v the drag law reads dv/dt = -((v + a)^2 + a^2 (b - 1)) / R2, a = R2/(2 tau):
// a tangent for b > 1, a ratio of exponentials for b < 1, a hyperbola for b = 1.
MotionState fullAscentAt(const Model& m, double t) {
    const double a = m.R2 / (2 * m.tau);
    if (m.b > 1) {
        const double s = std::sqrt(m.b - 1);
        const double w = a * s;
        const double start = std::atan((m.V0y + a) / w);
        const double phase = start - s / m.tau * t / 2;
        return {m.h - a * t + m.R2 * std::log(std::cos(phase) / std::cos(start)), w * std::tan(phase) - a};
    }
    if (m.b < 1) {
        const double s = std::sqrt(1 - m.b);
        // a - a*s and a + a*s: the first written so that a tiny b (a huge a)
        // keeps its digits; there the motion tends to the linear model's.
        const double slow = 2 * m.Vp / (1 + s), fast = a * (1 + s);
        const double q0 = (m.V0y + slow) / (m.V0y + fast);
        const double q = q0 * std::exp(-s / m.tau * t);
        const double rise = m.R2 * std::log1p(q0 * -std::expm1(-s / m.tau * t) / (1 - q0));
        return {m.h - slow * t + rise, (q * fast - slow) / (1 - q)};
    }
    const double u0 = m.V0y + a;
    return {m.h - a * t + m.R2 * std::log1p(u0 * t / m.R2), u0 * m.R2 / (m.R2 + u0 * t) - a};
}

}  // namespace

MotionState fullDescentAt(const Model& m, double time) {
    const double E = decay(m.delta2 * time);
    if (m.V0y <= 0) {
        // Thrown at exactly the terminal speed: it keeps it.
        if (m.vp_2_1 + m.V0y == 0) return {m.h - m.vp_2_1 * time, m.V0y};
        return {(m.h - m.vp_2_1 * time) - m.R2 * std::log((E - m.f_V_2) / (1 - m.f_V_2)),
                -m.vp_2_1 * (1 - (m.f_V_1 / m.f_V_2) * E) / (1 - E / m.f_V_2)};
    }
    return {(m.Ymax2 - m.vp_2_1 * time) - m.R2 * std::log((E - m.f_V_1) / (1 - m.f_V_1)),
            -m.vp_2_1 * (1 - E) / (1 - E / m.f_V_1)};
}

double landingTime(const Model& m, DragModel model) {
    switch (model) {
        case DragModel::vacuum: return m.Tmax0;
        case DragModel::linear: return m.Tmax1;
        case DragModel::full: return m.Tmax2;
    }
    return 0;
}

MotionState motionAt(const Model& m, DragModel model, double t) {
    return motionContinued(m, model, std::min(t, landingTime(m, model)));
}

MotionState motionContinued(const Model& m, DragModel model, double t) {
    t = std::max(t, 0.0);
    switch (model) {
        case DragModel::vacuum:
            return {(m.h + m.V0y * t) - kGravity * t * t / 2, m.V0y - kGravity * t};
        case DragModel::linear:
            return {(m.h - t * m.Vp) + (m.V0y + m.Vp) * m.tau * one_minus_exp(t / m.tau),
                    (m.V0y + m.Vp) * decay(t / m.tau) - m.Vp};
        case DragModel::full:
            if (m.V0y > 0 && t < m.Tp2) return fullAscentAt(m, t);
            return fullDescentAt(m, t - m.Tp2);
    }
    return {m.h, m.V0y};
}

}  // namespace velunta
