// The Runge-Kutta step of the full model: its right-hand sides, what one step
// leaves behind, and its order against the closed-form descent.

#include <gtest/gtest.h>

#include <cmath>

#include "computed.h"

using velunta::Model;

namespace {

// A 1 cm steel ball from 2 m: the full model's constants and landing only.
Model prepared(double V0y, double r0, double eta) {
    return velunta::computed({2, V0y, 0.01, 0.004084, r0, eta}, false);
}

// At the terminal velocity a hundred steps leave Vy as it was, to its last bits
// (a right-hand side that read the time or the height would spoil the order below
// and the top of the run). Water (b far above 1) and glycerin thrown down (b below 1).
TEST(RungeKutta, TerminalVelocityStays) {
    for (Model m : {prepared(0, 1000, 0.001004), prepared(-0.5, 1260, 1.4)}) {
        const float terminal = float(-m.vp_2_1);
        m.shag_t = m.Tmax0 / m.n;
        m.outVy = terminal;
        for (int i = 0; i < 100; ++i) m.rk_step();
        const float ulp = std::fabs(std::nextafter(terminal, 0.0f) - terminal);
        EXPECT_LE(std::fabs(m.outVy - terminal), 2 * ulp) << m.eta;
    }
}

// One step rounds the carried velocity to single precision; halving the step
// divides the error of a fourth-order method by about 16.
TEST(RungeKutta, RoundsVyAndIsOfFourthOrder) {
    Model m = prepared(0, 1000, 0.001004);  // released in water: delta2 is about 12 1/s
    m.t = 0.1, m.shag_t = 1e-3, m.outy = 2, m.outVy = -1.0f / 3;
    m.rk_step();
    EXPECT_EQ(m.t, 0.1 + 1e-3);
    EXPECT_TRUE(m.outVy == float(m.Vy) && double(m.outVy) != m.Vy);
    double errors[2];
    for (int i = 0; i < 2; ++i) {
        m.t = 0, m.shag_t = 0.8 / (16 << i), m.outy = m.h, m.outVy = 0;
        for (int s = 0; s < 16 << i; ++s) m.rk_step();
        errors[i] = std::fabs(m.outy - double(m.Y2_f(0.8)));
    }
    EXPECT_NEAR(errors[0] / errors[1], 16, 5);
}

}  // namespace
