#include "model/forces.h"

#include <cmath>

#include "model/constants.h"

namespace velunta {

Forces forcesAt(const Model& m, DragModel model, double Vy) {
    Forces f;
    f.gravity = -m.massa * kGravity;
    if (model == DragModel::vacuum) return f;
    // ρo V g = m g ρo / ρ: the ball's own density keeps V out of it.
    if (m.r > 0) f.buoyancy = m.massa * kGravity * m.r0 / m.r;
    if (m.tau > 0) f.linearDrag = -m.massa * Vy / m.tau;
    if (model == DragModel::full && m.R2 > 0 && std::isfinite(m.R2)) f.quadraticDrag = -m.massa * Vy * std::fabs(Vy) / m.R2;
    return f;
}

Forces forcesAtTime(const Model& m, DragModel model, double t) {
    if (t >= landingTime(m, model)) return {};
    return forcesAt(m, model, motionAt(m, model, t).Vy);
}

double accelerationAt(const Model& m, DragModel model, double t) {
    return m.massa > 0 ? forcesAtTime(m, model, t).net() / m.massa : 0;
}

}  // namespace velunta
