#include "model/trajectory.h"

#include <algorithm>
#include <cmath>

#include "model/relaxation.h"

namespace velunta {

namespace {

// Ascent of the full model: dv/dt = -(v^2 + 2a v + 4Vp^2/b)/R2 with a = 2Vp/b,
// written for w = v + a; its three forms for b above, below and at 1.
MotionState fullAscent(const Model& m, double t) {
    const double a = 2 * m.Vp / m.b, w0 = m.V0y + a;
    if (m.b > 1) {
        const double k = a * std::sqrt(m.b - 1), theta0 = std::atan(w0 / k), u = theta0 - k * t / m.R2;
        return {m.h - a * t + m.R2 * std::log(std::cos(u) / std::cos(theta0)), k * std::tan(u) - a};
    }
    if (m.b < 1) {
        const double q = a * std::sqrt(1 - m.b), phi0 = 0.5 * std::log((w0 + q) / (w0 - q));
        const double phi = phi0 + q * t / m.R2;
        return {m.h - a * t + m.R2 * std::log(std::sinh(phi) / std::sinh(phi0)), q / std::tanh(phi) - a};
    }
    return {m.h - a * t + m.R2 * std::log1p(w0 * t / m.R2), w0 / (1 + w0 * t / m.R2) - a};
}

}  // namespace

double landingTime(const Model& m, DragModel model) {
    switch (model) {
    case DragModel::vacuum: return m.Tmax0;
    case DragModel::linear: return m.Tmax1;
    case DragModel::full: return m.Tmax2;
    }
    return 0;
}

MotionState motionAt(const Model& m, DragModel model, double t) {
    t = std::clamp(t, 0.0, landingTime(m, model));
    switch (model) {
    case DragModel::vacuum: return {m.h + m.V0y * t - 9.814 * t * t / 2, m.V0y - 9.814 * t};
    case DragModel::linear:
        return {(m.h - t * m.Vp) + (m.V0y + m.Vp) * m.tau * one_minus_exp(t / m.tau),
                (m.V0y + m.Vp) * std::exp(-t / m.tau) - m.Vp};
    case DragModel::full:
        if (m.V0y > 0 && t <= m.Tp2) return fullAscent(m, t);
        return {m.Y2_f(m.V0y > 0 ? t - m.Tp2 : t), m.Vy2_f(m.V0y > 0 ? t - m.Tp2 : t)};
    }
    return {0, 0};
}

}  // namespace velunta
