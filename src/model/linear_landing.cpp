// Landing of the linear-drag model: Y(t) = h + tau*(V0y + Vp)*(1 - e^(-t/tau)) - Vp*t.
// A scan on the grid Tmax0/n brackets the landing, then the fixed-point
// iteration T = (h + tau*(V0y + Vp)*(1 - e^(-T/tau))) / Vp refines it from the
// last grid time above ground.
//
// The iteration map F is increasing for V0y + Vp >= 0: from below the root the
// iterates then climb to it and never pass it, only slowly when the landing
// speed is small against Vp. For a throw downwards faster than Vp the map is
// decreasing, the iterates jump around the root, and beyond a landing speed of
// 2*Vp they run away from it. The loop therefore also stops when it has taken
// too long, when an iterate leaves the scan's bracket by more than a grid step
// (impossible while the iteration contracts), or when it falls into a 2-cycle;
// the landing is then the root of the closed form bisected inside the bracket,
// as it is when the iteration settles too slowly for its stop to bound the error.

#include <cmath>
#include <limits>

#include "model/landing_bisection.h"
#include "model/landing_search.h"
#include "model/model.h"
#include "model/relaxation.h"

namespace velunta {

namespace {

// Enough for every converging input of a school lesson (the defaults need 450);
// only a landing far slower than Vp in a thin medium needs more.
constexpr long kMaxFixedPointIterations = 100000;

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();

}  // namespace

void Model::raschet1() {
    cleanVectorState();
    // Start of the scan: the vacuum flight time in n steps.
    t = 0;
    Y = h;
    shag_t = Tmax0 / n;

    // The scan, with the coordinate exactly as it evaluates it.
    const auto coordinate = [this](double time) {
        return tau * (V0y + Vp) * one_minus_exp(time / tau) + (h - Vp * time);
    };
    // A generous bound of its rounding error, not decreasing in time.
    const double amplitude = std::fabs(tau * (V0y + Vp));
    const auto rounding = [this, amplitude](double time) {
        return 64 * kEpsilon * (amplitude + std::fabs(h) + std::fabs(Vp) * std::fabs(time));
    };
    const GridCrossing crossing = find_first_crossing(shag_t, Y, kLiteralScanSteps, coordinate, rounding);
    t = crossing.t;
    Y = crossing.y;

    // Initial guess: the last grid time above ground.
    Tmax1 = crossing.on_grid ? t - shag_t : crossing.t_before;

    // Fixed-point iteration; the previous iterate is kept on the stop.
    const double margin = std::fmax(shag_t, crossing.t - crossing.t_before);
    const double lowest = crossing.t_before - margin;
    const double highest = crossing.t + margin;
    double before_last = std::numeric_limits<double>::quiet_NaN();
    bool settled = false;
    fixed_point_iterations = 0;
    for (;;) {
        t = (tau * (V0y + Vp) * one_minus_exp(Tmax1 / tau) + h) / Vp;
        ++fixed_point_iterations;
        if (std::fabs(t - Tmax1) <= 1e-9) {
            settled = true;
            break;
        }
        if (fixed_point_iterations >= kMaxFixedPointIterations) break;
        if (!(t >= lowest && t <= highest)) break;  // running away (or not a number)
        if (t == before_last) break;                // the same two values for ever
        before_last = Tmax1;
        Tmax1 = t;
    }
    // Two iterates 1e-9 s apart are still about 1e-9 * Vp / |Vy| from the root,
    // the slope of the map being 1 + Vy/Vp there: for a heavy ball landing far
    // slower than Vp that is whole milliseconds, and the stop says nothing. The
    // landing is then bisected too, when the estimate exceeds a tenth of the
    // last shown digit.
    if (settled) {
        const double landing_speed = Vp - (V0y + Vp) * std::exp(-t / tau);
        settled = std::fabs(t - Tmax1) * Vp <= 1e-7 * landing_speed;
    }
    if (!settled && crossing.index > 0) {
        Tmax1 = bisect_root(crossing.t_before, crossing.t, coordinate);
        t = Tmax1;
    }

    // Landing velocity, in the plain numeric form.
    Vymax1 = (V0y + Vp) * std::exp(-Tmax1 / tau) - Vp;

    // What is left of the coordinate at the found time.
    Yend1 = one_minus_exp(Tmax1 / tau) * tau * (V0y + Vp) + (h - Vp * Tmax1);
    stagesRun |= kLinearLanding;
}

}  // namespace velunta
