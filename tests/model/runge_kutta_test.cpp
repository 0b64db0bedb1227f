// The Runge-Kutta step of the full model: the right-hand sides, what one step
// leaves behind, and runs of steps against the closed-form descent.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/model.h"

using velunta::Model;

namespace {

struct Medium {
    const char* name;
    double V0y, r0, eta;
};

const Medium kMedia[] = {
    {"Water", 0, 1000, 0.001004},
    {"WaterThrownDown", -10, 1000, 0.001004},
    {"Syrup", 0, 1000, 1},
    {"Air", 0, 1.23, 1.82e-5},
    {"GlycerinThrownDown", -0.5, 1260, 1.4},
};

Model prepared(const Medium& medium) {
    Model m;
    m.set_defaults();
    m.V0y = medium.V0y;
    m.r0 = medium.r0;
    m.eta = medium.eta;
    m.parametr();
    m.raschet1();
    m.raschet2();
    return m;
}

class Derivatives : public ::testing::TestWithParam<Medium> {};

TEST_P(Derivatives, AtRestOnlyGravityLessBuoyancy) {
    const Model m = prepared(GetParam());
    const double zero = 0, any = 1.5;
    EXPECT_EQ(m.ff_2(any, any, zero), -m.Vp / m.tau);
    EXPECT_NEAR(-m.ff_2(any, any, zero), 9.814 * (1 - m.r0 / m.r), 1e-12 * 9.814);
    EXPECT_EQ(m.ff_1(any, any, zero), 0);
}

TEST_P(Derivatives, TimeAndCoordinateHaveNoInfluence) {
    const Model m = prepared(GetParam());
    const double velocities[] = {-3.25, -0.01, 0.7, 12};
    const double times[] = {0, 1e-3, 42, -7};
    const double coordinates[] = {0, 2, -1e3, 1e6};
    for (double v : velocities) {
        const double first = m.ff_2(times[0], coordinates[0], v);
        for (double t : times)
            for (double y : coordinates) {
                EXPECT_EQ(m.ff_2(t, y, v), first);
                EXPECT_EQ(m.ff_1(t, y, v), v);
            }
    }
}

TEST_P(Derivatives, TerminalVelocityIsKept) {
    Model m = prepared(GetParam());
    m.t = 0.25;
    m.shag_t = m.Tmax0 / m.n;
    m.outy = 1;
    m.outVy = float(-m.vp_2_1);
    const float before = m.outVy;
    for (int i = 0; i < 100; ++i) m.rk_step();
    EXPECT_LE(std::fabs(m.outVy - before), 2 * std::fabs(std::nextafter(before, 0.0f) - before));
}

INSTANTIATE_TEST_SUITE_P(RungeKutta, Derivatives, ::testing::ValuesIn(kMedia),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RungeKutta, OneStepBookkeeping) {
    Model m = prepared(kMedia[0]);
    m.t = 0.1;
    m.shag_t = 1e-3;
    m.outy = 2;
    m.outVy = -1.0f / 3;
    m.rk_step();
    EXPECT_EQ(m.t, 0.1 + 1e-3);
    EXPECT_EQ(m.outy, m.Y);
    EXPECT_EQ(m.outVy, float(m.Vy));
    EXPECT_NE(double(m.outVy), m.Vy);  // the carried velocity is rounded
    EXPECT_EQ(m.k11, double(-1.0f / 3) * 1e-3);
    EXPECT_LT(m.Y, 2);
}

// Steps of Tmax0/5000 from the start of the descent follow the closed form.
class Descent : public ::testing::TestWithParam<Medium> {};

TEST_P(Descent, FollowsTheClosedForm) {
    Model m = prepared(GetParam());
    m.t = 0;
    m.shag_t = m.Tmax0 / m.n;
    m.outy = m.h;
    m.outVy = float(m.V0y);
    const double end = std::min(0.5, double(m.Ts2));
    while (m.t + m.shag_t <= end) m.rk_step();
    const double speed_scale = std::max(std::fabs(m.V0y), m.vp_2_1);
    EXPECT_NEAR(m.outVy, m.Vy2_f(m.t), 2e-5 * speed_scale);
    EXPECT_NEAR(m.outy, m.Y2_f(m.t), 2e-5 * m.h);
}

INSTANTIATE_TEST_SUITE_P(RungeKutta, Descent, ::testing::ValuesIn(kMedia),
                         [](const auto& info) { return std::string(info.param.name); });

// Halving the step divides the error of a fourth-order method by about 16.
TEST(RungeKutta, FourthOrder) {
    Model m = prepared(kMedia[0]);  // released in water: delta2 is about 12 1/s
    const double end = 0.8;
    double errors[2];
    for (int i = 0; i < 2; ++i) {
        const int steps = 16 << i;
        m.t = 0;
        m.shag_t = end / steps;
        m.outy = m.h;
        m.outVy = 0;
        for (int s = 0; s < steps; ++s) m.rk_step();
        errors[i] = std::fabs(m.outy - double(m.Y2_f(end)));
    }
    const double ratio = errors[0] / errors[1];
    EXPECT_GT(ratio, 11);
    EXPECT_LT(ratio, 22);
}

// The rise integrated step by step tops out where the closed form says.
TEST(RungeKutta, RiseEndsAtTheTop) {
    Medium thrown{"Thrown", 3, 1000, 0.001004};
    Model m = prepared(thrown);
    m.t = 0;
    m.shag_t = m.Tp2 / 20000;
    m.outy = m.h;
    m.outVy = float(m.V0y);
    double highest = m.outy;
    while (m.outVy > 0) {
        m.rk_step();
        highest = std::max(highest, m.outy);
    }
    EXPECT_NEAR(m.t, m.Tp2, 2 * m.shag_t);
    EXPECT_NEAR(highest, m.Ymax2, 1e-6);
}

}  // namespace
