// Landing times of the two resistance models: the values a class sees, the
// classroom procedures replayed as the reference for long scans, and the
// inputs where those procedures would diverge, never end or divide by zero.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "model/landing_bisection.h"
#include "model/model.h"
#include "model/relaxation.h"

using velunta::Model;

namespace {

using Inputs = velunta::InputValues;

Model computed(const Inputs& in, const char* decimal_point = ".") {
    Model m;
    m.set_defaults();
    m.set_inputs(in);
    m.locale_decimal_point = decimal_point;
    m.parametr();
    m.raschet1();
    m.raschet2();
    return m;
}

// The linear model's landing, bisected in long double on its closed form.
long double linearRoot(const Model& m, long double lo, long double hi) {
    for (int i = 0; i < 200; ++i) {
        const long double mid = (lo + hi) / 2, tau = m.tau;
        (m.h - tau * (m.V0y + m.Vp) * std::expm1(-mid / tau) - m.Vp * mid > 0 ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

// The captions and hint of the defaults, also with a comma as the user's separator.
TEST(Landing, DefaultsAsShownInBothLocales) {
    for (const char* decimal_point : {".", ","}) {
        const Model m = computed({}, decimal_point);
        for (const auto& [label, text] : {std::pair{"Label26", "Tmax1 = 1.119497 c"},
                                          {"Label40", "Vy1(y=0)= -6.532 м/c"}, {"Label33", "Ts2 = 1.70840100 c"},
                                          {"Label31", "Tmax2= 1.89161193 c"}, {"Label42", "Vy2(y=0)= -1.373 м/c"}})
            EXPECT_EQ(m.labels.caption(label), text);
        EXPECT_LT(std::fabs(m.Yend1), 1e-6);
        EXPECT_EQ(m.fixed_point_iterations, 450);
        EXPECT_EQ(m.labels.toolTip("Label33"),
                  "Время спуска с максимальной высоты. Уточнение корня методом половинного деления.\r\n"
                  "точность 0,00000001 с. 14 итераций.");
    }
}

// A viscous and an oily medium (b < 1 and b > 1), worked out to the digits given.
TEST(Landing, ViscousAndOilyMedia) {
    struct Case { double eta, tolerance, Tmax1, Vymax1, Ts2, Tmax2, Vy2; };
    for (const Case& c : {Case{1, 5e-5, 5.7885, -0.3707, 6.0172, 6.1016, -0.3471},
                          Case{0.05, 5e-6, 1.17229, -4.722, 1.84423, 2.01625, -1.2542}}) {
        const Model m = computed({2, 3, 0.01, 0.004084, 1000, c.eta});
        EXPECT_NEAR(m.Tmax1, c.Tmax1, c.tolerance);
        EXPECT_NEAR(m.Vymax1, c.Vymax1, 5e-4);
        EXPECT_NEAR(m.Ts2, c.Ts2, c.tolerance);
        EXPECT_NEAR(m.Tmax2, c.Tmax2, c.tolerance);
        EXPECT_NEAR(m.Vy_end2, c.Vy2, 5e-4);
        EXPECT_EQ(m.k, 14);
        EXPECT_LT(std::fabs(m.Yend1) + std::fabs(m.Y_end2), 1e-6);
    }
}

// Released, the descent is the whole flight; thrown down (slower than the
// terminal speed of 1.373 m/s), it is shorter.
TEST(Landing, ReleaseAndThrowDown) {
    const Model m0 = computed({2, 0}), md = computed({2, -1}), mu = computed({});
    EXPECT_TRUE(m0.Vy2_f(0.0) == 0 && m0.Y2_f(0.0) == float(m0.h));
    EXPECT_EQ(m0.Tmax2, double(m0.Ts2));
    EXPECT_NEAR(md.Vy2_f(0.0), -1.0f, 1e-6);
    EXPECT_TRUE(md.Tmax1 < m0.Tmax1 && m0.Tmax1 < mu.Tmax1 && md.Tmax2 < m0.Tmax2);
}

// Thrown down faster than 2*Vp (about 740 m/s): the linear fixed-point map
// expands and its iterates run away from the root; the quadratic model has f_V_2 > 1.
class ThrownFast : public ::testing::TestWithParam<double> {};

TEST_P(ThrownFast, LandsAtTheRoots) {
    const Model m = computed({2, GetParam()});
    EXPECT_LT((m.V0y + m.Vp) * std::exp(-m.Tmax1 / m.tau) / m.Vp, -1);  // the map's slope
    const double root = double(linearRoot(m, 0, 2 * m.Tmax0));
    EXPECT_NEAR(m.Tmax1, root, 1e-12 * root);
    EXPECT_NEAR(m.Vymax1, (m.V0y + m.Vp) * std::exp(-root / m.tau) - m.Vp, 1e-6);
    EXPECT_GT(m.f_V_2, 1);
    EXPECT_TRUE(m.V0y < m.Vy_end2 && m.Vy_end2 < -m.vp_2_1) << m.Vy_end2;
    EXPECT_TRUE(std::fabs(m.Vy2_f(0.0) - m.V0y) < 1e-6 * -m.V0y && m.Y2_f(0.0) == float(m.h));  // starts as thrown
}

INSTANTIATE_TEST_SUITE_P(Landing, ThrownFast, ::testing::Values(-1000.0, -10000.0));

// A product of exactly zero (an exact root at the midpoint, or a single
// precision underflow to -0) is not negative: T_1 moves, T_2 never does.
TEST(Landing, ZeroProductMovesTheLowerEnd) {
    const auto exact = velunta::bisect_descent(0.5, 1.5, [](double t) { return float(1 - t); });
    EXPECT_TRUE(exact.T_2 == 1.5 && exact.T_1 > 1.5 - 1e-8) << exact.T_1;
    const auto tiny = velunta::bisect_descent(0.0, 1.0, [](double t) { return t < 0.25 ? 1e-30f : -1e-30f; });
    EXPECT_EQ(tiny.T_2, 1.0);
}

// Both landings as the class derives them, without any bound.
struct Replay { double Tmax1 = 0, scan2_y = 0, T_1 = 0, T_2 = 0, T_sr = 0; int k = 0; };

Replay replay(const Model& m) {
    Replay r;
    const double step = m.Tmax0 / m.n;
    double t = 0, Y = m.h, T = 0;
    while (Y > 0) {
        t = t + step;
        Y = m.tau * (m.V0y + m.Vp) * velunta::one_minus_exp(t / m.tau) + (m.h - m.Vp * t);
    }
    for (T = t - step;; T = t) {
        t = (m.tau * (m.V0y + m.Vp) * velunta::one_minus_exp(T / m.tau) + m.h) / m.Vp;
        if (std::fabs(t - T) <= 1e-9) break;
    }
    r.Tmax1 = T;
    for (t = 0, Y = m.V0y <= 0 ? m.h : m.Ymax2; Y > 0;) Y = m.Y2_f(t = t + step);
    r.scan2_y = Y;
    for (r.T_1 = t - step, r.T_2 = t;; ++r.k) {
        r.T_sr = (r.T_2 + r.T_1) / 2;
        (m.Y2_f(r.T_sr) * m.Y2_f(r.T_1) < 0 ? r.T_2 : r.T_1) = r.T_sr;
        if (r.T_2 - r.T_1 <= 1e-8) break;
    }
    return r;
}

// Scans beyond the 50000 written steps: just beyond, long in tar, thrown down with
// a converging fixed point.
class LongScan : public ::testing::TestWithParam<Inputs> {};

TEST_P(LongScan, SameBitsAsTheWrittenProcedures) {
    const Model m = computed(GetParam());
    const Replay r = replay(m);
    // Y is the scan value raschet2 left, as it ran last.
    EXPECT_EQ(std::tie(m.Y, m.Tmax1, m.T_1, m.T_2, m.T_sr, m.k),
              std::tie(r.scan2_y, r.Tmax1, r.T_1, r.T_2, r.T_sr, r.k));
    EXPECT_EQ(m.Ts2, float((r.T_1 + r.T_2) / 2));
}

INSTANTIATE_TEST_SUITE_P(Landing, LongScan,
                         ::testing::Values(Inputs{2, 3, 0.01, 0.004084, 1000, 2}, Inputs{2, -700},
                                           Inputs{10, 0, 0.01, 0.004084, 1000, 50}));

// Where the written procedures would creep on for millions of passes, divide by
// zero or never end: a medium far thinner than air, a throw at exactly the
// terminal speed, a grain barely denser than tar (t + step freezes).
TEST(Landing, EdgesEndAtTheirRoots) {
    EXPECT_LE(computed({1000, 0, 0.01, 0.004084, 1.23, 1e-7}).fixed_point_iterations, 100000);
    const Model exact = computed({2, -computed({}).vp_2_1});
    EXPECT_NEAR(exact.Ts2, exact.h / exact.vp_2_1, 1e-6);
    Inputs in{100000, 0, 0.00027, 0.000001, 0, 10000};
    in.r0 = std::ceil(in.massa * 6 / 3.14159265 / (in.d * in.d * in.d) * 1000 - 1) / 1000;
    const Model dust = computed(in);
    const double expected = (dust.h + dust.tau * (dust.V0y + dust.Vp)) / dust.Vp;
    EXPECT_NEAR(dust.Tmax1, expected, 1e-12 * expected);
    EXPECT_NEAR(dust.Ts2, expected, 1e-6 * expected);
}

struct HeavyBallCase {
    const char* name;
    velunta::InputValues in;
};

// Balls so heavy for their size that the air barely holds them: tau*Vp is
// enormous, and 1 - e^(-t/tau) computed as a subtraction would leave metres of
// rounding in the coordinate. The linear model then lands with the vacuum.
const HeavyBallCase kHeavyBalls[] = {
    {"SteelBall10cmInAir", {2, 3, 0.1, 4.084, 1.23, 1.82e-5, 0.47}},
    {"DenseGrainInAir", {2, 0, 0.001, 753, 1.23, 1.82e-5, 0.47}},
    {"DenseGrainThrownDown", {50, -20, 0.001, 753, 1.23, 1.82e-5, 0.47}},
};

class HeavyBall : public ::testing::TestWithParam<HeavyBallCase> {};

TEST_P(HeavyBall, LandsWithTheVacuum) {
    velunta::Model m;
    m.set_defaults();
    m.set_inputs(GetParam().in);
    m.parametr();
    m.raschet1();
    const double root = double(linearRoot(m, 0, 2 * m.Tmax0));
    EXPECT_NEAR(root, m.Tmax0, 1e-3 * m.Tmax0);  // the air barely slows such a ball
    // The fixed point contracts so slowly here that it stops at once, or soon,
    // on its way up from the last grid time above ground: within one step.
    const double step = m.Tmax0 / m.n;
    EXPECT_NEAR(m.Tmax1, root, step);
    EXPECT_LE(std::fabs(m.Yend1), 1.01 * std::fabs(m.Vymax0) * step);
}

INSTANTIATE_TEST_SUITE_P(Landing, HeavyBall, ::testing::ValuesIn(kHeavyBalls),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
