// Landing of the full model (linear plus quadratic drag). The descent has a
// closed form: the downward speed u obeys du/dt = Vp/tau - u/tau - u^2/R2,
// whose stationary values are vp_2_1 > 0 (the terminal speed) and vp_2_2 < 0.
// A scan on the grid Tmax0/n brackets the landing, a bisection on the closed
// form narrows the bracket to 1e-8 s.

#include <cmath>
#include <limits>
#include <string>

#include "model/landing_bisection.h"
#include "model/landing_search.h"
#include "model/model.h"
#include "model/trajectory.h"

namespace velunta {

namespace {

// Below this ratio b the difference sqrt(b + 1) - 1 keeps too few digits
// (none at all below 1e-16, which gave a terminal speed of 0): the same
// quantity is then taken as b / (sqrt(b + 1) + 1).
constexpr double kSmallRatio = 1e-6;

// A generous bound of the rounding error of Y2_f at time t, growing with t:
// a few units in the last place of the start height, of vp_2_1*t and of the
// logarithmic term, whose argument (E - f)/(1 - f) is computed to a relative
// accuracy of about eps/|E - f| <= eps/min(|f|, f - 1).
struct DescentRounding {
    double start = 0, speed = 0, length = 0;
    double operator()(double time) const {
        return 64 * std::numeric_limits<double>::epsilon() * (start + speed * std::fabs(time) + length);
    }
};

DescentRounding descentRounding(const Model& m) {
    const bool from_launch = m.V0y <= 0;
    const double f = from_launch ? m.f_V_2 : m.f_V_1;
    DescentRounding r;
    r.start = std::fabs(from_launch ? m.h : m.Ymax2);
    r.speed = std::fabs(m.vp_2_1);
    const double R = std::fabs(m.R2);
    if (from_launch && m.vp_2_1 + m.V0y == 0)
        r.length = 0;  // uniform motion, no logarithm
    else if (f < 0)
        r.length = R * (1 + 1 / -f + std::fabs(std::log(-f / (1 - f))));
    else if (f > 1)
        r.length = R * (1 + 1 / (f - 1) + std::log(f / (f - 1)));
    else
        r.length = std::numeric_limits<double>::infinity();  // no such descent: nothing is vouched for
    return r;
}

}  // namespace

float Model::Y2_f(const double& time) const { return float(fullDescentAt(*this, time).Y); }

float Model::Vy2_f(const double& time) const { return float(fullDescentAt(*this, time).Vy); }

void Model::raschet2() {
    cleanVectorState();
    // Constants of the descent.
    const double root = std::sqrt(b + 1);
    vp_2_1 = b >= kSmallRatio ? (root - 1) * (2 * Vp / b) : 2 * Vp / (root + 1);
    vp_2_2 = (root + 1) * (-2 * Vp / b);
    f_V_1 = vp_2_2 / vp_2_1;
    f_V_2 = (vp_2_2 + V0y) / (vp_2_1 + V0y);

    // The scan from the start of the descent: the top, or the launch when the
    // ball is not thrown upwards.
    t = 0;
    Y = V0y <= 0 ? h : Ymax2;
    shag_t = Tmax0 / n;

    const auto coordinate = [this](double time) { return double(Y2_f(time)); };
    const GridCrossing crossing = find_first_crossing(shag_t, Y, kLiteralScanSteps, coordinate, descentRounding(*this));
    t = crossing.t;
    Y = crossing.y;

    // Bisection of the last step.
    T_1 = crossing.on_grid ? t - shag_t : crossing.t_before;
    T_2 = t;
    const DescentBisection bisection = bisect_descent(T_1, T_2, [this](double time) { return Y2_f(time); });
    T_1 = bisection.T_1;
    T_2 = bisection.T_2;
    T_sr = bisection.T_sr;
    k = bisection.passes_after_first;

    Ts2 = float((T_1 + T_2) / 2);
    Tmax2 = Ts2 + Tp2;

    Y_end2 = Y2_f(Ts2);
    Vy_end2 = Vy2_f(Ts2);
    stagesRun |= kFullLanding;
}

}  // namespace velunta
