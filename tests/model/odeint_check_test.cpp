// An independent check of the landing times and of the top of the full model:
// the equations of motion are integrated with an adaptive Dormand-Prince
// method at a tight tolerance, the events (top, landing) are found on its dense
// output, and the program's closed forms and root finding must agree to the
// single precision of what they show.
//
//   full model:    dVy/dt = -(Vp + Vy)/tau - Vy*|Vy|/R2,  dY/dt = Vy
//   linear model:  dVy/dt = -(Vp + Vy)/tau,               dY/dt = Vy
//   vacuum:        dVy/dt = -g (no medium, so no buoyancy), dY/dt = Vy

#include <gtest/gtest.h>

#include <array>
#include <boost/numeric/odeint.hpp>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "model/constants.h"
#include "model/trajectory.h"
#include "computed.h"

using velunta::DragModel;
using velunta::Model;

namespace {

namespace odeint = boost::numeric::odeint;
using State = std::array<double, 2>;  // coordinate, velocity

// The top: the first time the velocity reaches 0 from above.
struct Events { double top_time = 0, top_height = 0, landing_time = 0, landing_velocity = 0; };

// The right-hand side of a model's equation of motion.
auto motion(const Model& m, DragModel model) {
    return [&m, model](const State& x, State& dxdt, double) {
        const double quadratic = model == DragModel::full ? x[1] * std::fabs(x[1]) / m.R2 : 0;
        dxdt[0] = x[1];
        dxdt[1] = model == DragModel::vacuum ? -velunta::kGravity : -(m.Vp + x[1]) / m.tau - quadratic;
    };
}

// A model's closed-form height and velocity at shares of its own flight against
// the integration of its own equation of motion, each within the share tol of
// its scale (the top's height, the fastest speed), plus a few roundings of the
// terms of order `large` (a speed) and large*t that the closed form sums.
void checkAlong(const Model& m, DragModel model, double height, double speed, double tol, double large = 0) {
    const double rounding = 4 * std::numeric_limits<double>::epsilon() * large;
    std::vector<double> times{0};
    for (double share : {0.05, 0.25, 0.5, 0.75, 0.95, 0.999}) times.push_back(share * velunta::landingTime(m, model));
    State x{m.h, m.V0y};
    odeint::integrate_times(odeint::make_dense_output(1e-13, 1e-13, odeint::runge_kutta_dopri5<State>()), motion(m, model),
                            x, times.begin(), times.end(), 1e-7, [&](const State& s, double t) {
                                const velunta::MotionState got = velunta::motionAt(m, model, t);
                                EXPECT_NEAR(got.Y, s[0], tol * height + rounding * t) << "t = " << t;
                                EXPECT_NEAR(got.Vy, s[1], tol * speed + rounding) << "t = " << t;
                            });
}

// Integrates from (h, V0y) until the coordinate reaches 0, or only up to the top.
template <class System>
Events integrate(const System& system, double h, double V0y, bool top_only = false) {
    auto stepper = odeint::make_dense_output(1e-13, 1e-13, odeint::runge_kutta_dopri5<State>());
    stepper.initialize(State{h, V0y}, 0.0, 1e-7);
    Events events{0, h};
    bool top_found = V0y <= 0;

    // Bisection of a component of the dense output between two step ends: the time and the state there.
    const auto root = [&stepper](double lo, double hi, int component) {
        State x;
        for (int i = 0; i < 100; ++i) {
            stepper.calc_state(lo + (hi - lo) / 2, x);
            (x[component] > 0 ? lo : hi) = lo + (hi - lo) / 2;
        }
        stepper.calc_state(lo, x);
        return std::pair{lo, x};
    };

    State x;
    for (int steps = 0; steps < 50000000; ++steps) {
        const auto [t0, t1] = stepper.do_step(system);
        const State& now = stepper.current_state();
        if (!top_found && now[1] <= 0) {
            std::tie(events.top_time, x) = root(t0, t1, 1);
            events.top_height = x[0];
            top_found = true;
            if (top_only) return events;
        }
        if (now[0] <= 0) {
            std::tie(events.landing_time, x) = root(t0, t1, 0);
            events.landing_velocity = x[1];
            return events;
        }
    }
    ADD_FAILURE() << "no landing";
    return events;
}

struct CheckCase {
    const char* name;
    double h, V0y, r0, eta;
    double d = 0.01, massa = 0.004084;
};

// Steel ball of 1 cm (4.084 g) in water, syrups, a glycerin-like liquid and
// honey; thrown up, released, thrown down slower and faster than the terminal
// speed (the linear one about 370 m/s); b far above 1, near 1 on both sides,
// and below 1.
const CheckCase kCases[] = {
    {"WaterUp", 2, 3, 1000, 0.001004},
    {"WaterReleased", 2, 0, 1000, 0.001004},
    {"WaterDownSlow", 2, -1, 1000, 0.001004},
    {"WaterDownFast", 2, -10, 1000, 0.001004},
    {"WaterDownFasterThanTwiceVp", 2, -1000, 1000, 0.001004},  // the linear fixed-point map expands
    {"SyrupUpRatioAboveOne", 2, 3, 1000, 0.5},
    {"SyrupUpRatioBelowOne", 2, 3, 1000, 0.6},
    {"GlycerinDownFast", 2, -2, 1260, 1.4},
    {"HoneyLongScan", 2, 0, 1400, 10},
    // A plastic ball of 4 cm barely denser than water (1044 kg/m3): the buoyancy takes most of g.
    {"NearlyFloatingBallThrownUp", 1, 2, 1000, 0.001004, 0.04, 0.035},
    // Heavy balls in air: landing far slower than Vp, the fixed point barely contracts, and
    // tau*Vp so enormous that 1 - e^(-t/tau) as a subtraction would leave metres of rounding
    // in the coordinate: they land with the vacuum.
    {"SteelBallOf10cmInAir", 2, 3, 1.23, 1.82e-5, 0.1, 4.084},
    {"DenseGrainThrownDownInAir", 50, -20, 1.23, 1.82e-5, 0.001, 753},
};

class AgainstIntegration : public ::testing::TestWithParam<CheckCase> {};

TEST_P(AgainstIntegration, BothModels) {
    const CheckCase& c = GetParam();
    const Model m = velunta::computed({c.h, c.V0y, c.d, c.massa, c.r0, c.eta});
    const Events e = integrate(motion(m, DragModel::full), m.h, m.V0y);
    const double T = e.landing_time;
    if (m.V0y > 0) {  // (without an ascent Tp2 is 0: HeavyBallsKeepTheirDigits)
        EXPECT_NEAR(m.Tp2, e.top_time, 1e-6 * e.top_time);
        EXPECT_NEAR(m.Ymax2, e.top_height, 1e-6 * e.top_height);
    }
    EXPECT_NEAR(m.Ts2, T - e.top_time, 1e-6 * T);
    EXPECT_NEAR(m.Tmax2, T, 1e-6 * T);
    EXPECT_NEAR(m.Vy_end2, e.landing_velocity, 1e-6 * std::fabs(e.landing_velocity) + 1e-7);

    // The closed forms along the whole flight against the integration. The full
    // model's carry single-precision parts (fi, Ts2); the vacuum's and the linear
    // model's are double, but the linear one sums terms of order Vp and Vp*t
    // (4e10 m/s for the dense grain in air, whose sums then keep 1e-5 m).
    checkAlong(m, DragModel::full, m.Ymax2, std::fabs(m.V0y) + std::fabs(e.landing_velocity), 2e-6);
    checkAlong(m, DragModel::linear, m.Ymax1, std::fabs(m.V0y) + std::fabs(m.Vymax1), 1e-8, m.Vp);
    checkAlong(m, DragModel::vacuum, m.Ymax0, std::fabs(m.V0y) + std::fabs(m.Vymax0), 1e-8);

    const Events l = integrate(motion(m, DragModel::linear), m.h, m.V0y);
    // The fixed point stops when two iterates differ by 1e-9 s, which may
    // leave 1e-9 / (1 - contraction) to the root when it contracts slowly, up
    // to 1e-7 s, beyond which the landing is bisected, as where it expands.
    const double contraction = std::fabs((m.V0y + m.Vp) * std::exp(-l.landing_time / m.tau) / m.Vp);
    const double stop_gap = contraction < 1 ? std::fmin(2e-9 / (1 - contraction), 2e-7) : 0;
    EXPECT_NEAR(m.Tmax1, l.landing_time, 1e-6 * l.landing_time + stop_gap);
    // The velocity then carries that gap times the acceleration (below g).
    EXPECT_NEAR(m.Vymax1, l.landing_velocity, 1e-6 * std::fabs(l.landing_velocity) + 1e-7 + velunta::kGravity * stop_gap);
    // The coordinate shown at that time: the gap times the landing speed, and no rounding beyond.
    const double landing_gap = 1e-6 * l.landing_time + stop_gap;
    EXPECT_NEAR(m.Yend1, 0, std::fabs(l.landing_velocity) * landing_gap + 1e-9 * m.h);
}

INSTANTIATE_TEST_SUITE_P(OdeintCheck, AgainstIntegration, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A medium so viscous and a drag so small that b is tiny: the top stays above the
// launch height and agrees with the integration, also where the closed form would
// subtract two numbers of order 1/b; the terminal speed of the landing keeps its
// digits where sqrt(b + 1) - 1 would lose them. Tar, and dust thrown fast in tar.
TEST(OdeintCheck, TinyRatioTopAgreesWithIntegration) {
    for (const velunta::InputValues& in : {velunta::InputValues{2, 3, 0.01, 0.004084, 1000, 1000, 0.001},
                                          velunta::InputValues{2, 10000, 0.0001, 0.004084, 1000, 10000, 0.01}}) {
        SCOPED_TRACE(testing::Message() << "V0y " << in.V0y << ", eta " << in.eta);
        const Model m = velunta::computed(in, false);
        ASSERT_LT(m.b, 1e-3);
        const Events top = integrate(motion(m, DragModel::full), m.h, m.V0y, true);
        EXPECT_NEAR(m.Tp2, top.top_time, 1e-8 * top.top_time);
        EXPECT_NEAR(m.Ymax2 - m.h, top.top_height - m.h, 1e-6 * (top.top_height - m.h));
        EXPECT_NEAR(m.fi, -m.b / 4, m.b * 1e-3);
        const double terminal_tolerance = m.Vp * (m.b * m.b / 4 + 1e-12);  // the next term is b^2/8
        EXPECT_NEAR(m.Vp2, m.Vp * (1 - m.b / 4), terminal_tolerance);
        EXPECT_NEAR(m.vp_2_1, m.Vp * (1 - m.b / 4), terminal_tolerance);
    }
}

}  // namespace
