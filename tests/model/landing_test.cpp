// Landing times of the two resistance models: the values a class sees, the
// unbounded classroom procedures replayed step by step as the reference for
// long scans, and the inputs where those procedures would never end.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/model.h"
#include "model/relaxation.h"

using velunta::Model;

namespace {

using Inputs = velunta::InputValues;

Model computed(const Inputs& in) {
    Model m;
    m.set_defaults();
    m.set_inputs(in);
    m.parametr();
    m.raschet1();
    m.raschet2();
    return m;
}

bool showsNoNumberFault(const Model& m) {
    for (const char* label : {"Label26", "Label40", "Label37", "Label33", "Label31", "Label35", "Label42"}) {
        const std::string text = m.labels.caption(label);
        if (text.empty() || text.find("nan") != std::string::npos || text.find("inf") != std::string::npos)
            return false;
    }
    return true;
}

// The linear model's coordinate, in long double, for an independent root.
long double linearY(const Model& m, long double t) {
    return m.h - (long double)m.tau * (m.V0y + m.Vp) * std::expm1(-t / m.tau) - (long double)m.Vp * t;
}

long double linearRoot(const Model& m, long double lo, long double hi) {
    for (int i = 0; i < 200; ++i) {
        const long double mid = (lo + hi) / 2;
        (linearY(m, mid) > 0 ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

// ---- What the class sees --------------------------------------------------------

struct ShownCase {
    const char* name;
    Inputs in;
    double Tmax1, Tmax1_tolerance, Vymax1;
    long iterations;  // of the fixed point, -1 when not stated
    double Ts2, Ts2_tolerance, Tmax2, Vy2;
    int k;
};

const ShownCase kShown[] = {
    {"Defaults", {}, 1.119497, 5e-7, -6.532, 450, 1.708401, 5e-7, 1.891612, -1.373, 14},
    {"Viscous", {2, 3, 0.01, 0.004084, 1000, 1, 0.47}, 5.7885, 5e-5, -0.3707, 2, 6.0172, 5e-5, 6.1016, -0.3471, 14},
    {"Oily", {2, 3, 0.01, 0.004084, 1000, 0.05, 0.47}, 1.17229, 5e-6, -4.722, -1, 1.84423, 5e-6, 2.01625, -1.2542,
     14},
};

class Shown : public ::testing::TestWithParam<ShownCase> {};

TEST_P(Shown, LandingValues) {
    const ShownCase& c = GetParam();
    const Model m = computed(c.in);
    EXPECT_NEAR(m.Tmax1, c.Tmax1, c.Tmax1_tolerance);
    EXPECT_NEAR(m.Vymax1, c.Vymax1, 5e-4);
    if (c.iterations >= 0) {
        EXPECT_EQ(m.fixed_point_iterations, c.iterations);
    }
    EXPECT_NEAR(m.Ts2, c.Ts2, c.Ts2_tolerance);
    EXPECT_NEAR(m.Tmax2, c.Tmax2, c.Ts2_tolerance);
    EXPECT_NEAR(m.Vy_end2, c.Vy2, 5e-4);
    EXPECT_EQ(m.k, c.k);
    // The check values are residues of the root finding.
    EXPECT_LT(std::fabs(m.Yend1), 1e-6);
    EXPECT_LT(std::fabs(m.Y_end2), 1e-6);
    EXPECT_TRUE(showsNoNumberFault(m));
}

INSTANTIATE_TEST_SUITE_P(Landing, Shown, ::testing::ValuesIn(kShown),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Landing, DefaultCaptionsAndHint) {
    const Model m = computed({});
    EXPECT_EQ(m.labels.caption("Label26"), "Tmax1 = 1.119497 c");
    EXPECT_EQ(m.labels.caption("Label40"), "Vy1(y=0)= -6.532 м/c");
    EXPECT_EQ(m.labels.caption("Label33"), "Ts2 = 1.70840100 c");
    EXPECT_EQ(m.labels.caption("Label31"), "Tmax2= 1.89161193 c");
    EXPECT_EQ(m.labels.caption("Label42"), "Vy2(y=0)= -1.373 м/c");
    // Residues: sign, digits and exponent, e.g. "Yend1= 3.663e-07 м".
    const std::string yend1 = m.labels.caption("Label37");
    EXPECT_EQ(yend1.rfind("Yend1= ", 0), 0u);
    EXPECT_NE(yend1.find("e-0"), std::string::npos);
    EXPECT_EQ(yend1.substr(yend1.size() - 3), " м");
    EXPECT_EQ(m.labels.caption("Label35").rfind("Y_end2 = ", 0), 0u);
    const std::string hint =
        "Время спуска с максимальной высоты. Уточнение корня методом половинного деления.\r\n"
        "точность 0,00000001 с. 14 итераций.";
    EXPECT_EQ(m.fff2, hint);
    EXPECT_EQ(m.labels.toolTip("Label33"), hint);
    // The stored landing values belong to the shown time.
    EXPECT_EQ(m.Y_end2, m.Y2_f(m.Ts2));
    EXPECT_EQ(m.Vy_end2, m.Vy2_f(m.Ts2));
    EXPECT_EQ(m.Tmax2, double(m.Ts2) + m.Tp2);
}

TEST(Landing, CommaLocaleStillShowsPoints) {
    Model m;
    m.set_defaults();
    m.locale_decimal_point = ",";
    m.parametr();
    m.raschet1();
    m.raschet2();
    EXPECT_EQ(m.labels.caption("Label26"), "Tmax1 = 1.119497 c");
    EXPECT_EQ(m.labels.caption("Label40"), "Vy1(y=0)= -6.532 м/c");
    EXPECT_EQ(m.labels.caption("Label33"), "Ts2 = 1.70840100 c");
    EXPECT_EQ(m.labels.caption("Label42"), "Vy2(y=0)= -1.373 м/c");
}

// Without a throw upwards the descent is the whole flight.
TEST(Landing, ReleaseAndThrowDown) {
    Inputs released;
    released.V0y = 0;
    const Model m0 = computed(released);
    EXPECT_EQ(m0.f_V_2, m0.f_V_1);
    EXPECT_EQ(m0.Vy2_f(0.0), 0.0f);
    EXPECT_EQ(m0.Y2_f(0.0), float(m0.h));
    EXPECT_EQ(m0.Tmax2, double(m0.Ts2));

    Inputs down;
    down.V0y = -1;  // slower than the terminal speed of 1.373 m/s
    const Model md = computed(down);
    EXPECT_NEAR(md.Vy2_f(0.0), -1.0f, 1e-6);
    EXPECT_LT(md.f_V_2, 0);
    const Model mu = computed({});
    EXPECT_LT(md.Tmax1, m0.Tmax1);
    EXPECT_LT(m0.Tmax1, mu.Tmax1);
    EXPECT_LT(md.Tmax2, m0.Tmax2);
    EXPECT_TRUE(showsNoNumberFault(md));
}

// ---- Long scans: the fast search against the procedures replayed as written -------

struct Replay {
    double scan_y = 0, Tmax1 = 0;
    long iterations = 0;
    double scan2_y = 0, T_1 = 0, T_2 = 0, T_sr = 0;
    float Ts2 = 0;
    int k = 0;
    long steps1 = 0, steps2 = 0;
};

// Both landings exactly as the class derives them, without any bound; only
// used where they end.
Replay replay(const Model& m) {
    Replay r;
    const double step = m.Tmax0 / m.n;
    double t = 0, Y = m.h;
    while (Y > 0) {
        t = t + step;
        Y = m.tau * (m.V0y + m.Vp) * velunta::one_minus_exp(t / m.tau) + (m.h - m.Vp * t);
        ++r.steps1;
    }
    r.scan_y = Y;
    double T = t - step;
    for (;;) {
        t = (m.tau * (m.V0y + m.Vp) * velunta::one_minus_exp(T / m.tau) + m.h) / m.Vp;
        ++r.iterations;
        if (std::fabs(t - T) <= 1e-9) break;
        T = t;
        if (r.iterations > 10000000) break;
    }
    r.Tmax1 = T;

    t = 0;
    Y = m.V0y <= 0 ? m.h : m.Ymax2;
    while (Y > 0) {
        t = t + step;
        Y = m.Y2_f(t);
        ++r.steps2;
    }
    r.scan2_y = Y;
    double T_1 = t - step, T_2 = t, T_sr = 0;
    for (;;) {
        T_sr = (T_2 + T_1) / 2;
        const float product = m.Y2_f(T_sr) * m.Y2_f(T_1);
        if (product < 0)
            T_2 = T_sr;
        else
            T_1 = T_sr;
        if (T_2 - T_1 <= 1e-8) break;
        ++r.k;
    }
    r.T_1 = T_1;
    r.T_2 = T_2;
    r.T_sr = T_sr;
    r.Ts2 = float((T_1 + T_2) / 2);
    return r;
}

struct LongCase {
    const char* name;
    Inputs in;
    long min_steps;  // of the longer scan, to be sure the fast search was used
};

const LongCase kLong[] = {
    {"JustBeyondWrittenScan", {2, 3, 0.01, 0.004084, 1000, 2, 0.47}, 55000},
    {"Glycerin", {2, 1, 0.01, 0.004084, 1260, 1.4, 0.47}, 50000},
    {"Honey", {2, 0, 0.01, 0.004084, 1400, 10, 0.47}, 250000},
    {"Tar", {10, 0, 0.01, 0.004084, 1000, 50, 0.47}, 4000000},
    {"ThrownDownConverging", {2, -700, 0.01, 0.004084, 1000, 0.001004, 0.47}, 600000},
    {"LightBallInSyrup", {2, 3, 0.02, 0.0045, 1000, 0.5, 0.2}, 300000},
};

class LongScan : public ::testing::TestWithParam<LongCase> {};

TEST_P(LongScan, SameBitsAsTheWrittenProcedures) {
    const LongCase& c = GetParam();
    const Model m = computed(c.in);
    const Replay r = replay(m);
    EXPECT_GE(std::max(r.steps1, r.steps2), c.min_steps);

    EXPECT_EQ(m.Y, r.scan2_y);  // raschet2 ran last and left its scan value
    EXPECT_EQ(m.Tmax1, r.Tmax1);
    EXPECT_EQ(m.fixed_point_iterations, r.iterations);
    EXPECT_EQ(m.T_1, r.T_1);
    EXPECT_EQ(m.T_2, r.T_2);
    EXPECT_EQ(m.T_sr, r.T_sr);
    EXPECT_EQ(m.Ts2, r.Ts2);
    EXPECT_EQ(m.k, r.k);

    // The linear scan value is what raschet1 leaves in Y.
    Model again = m;
    again.raschet1();
    EXPECT_EQ(again.Y, r.scan_y);
    EXPECT_TRUE(showsNoNumberFault(m));
}

INSTANTIATE_TEST_SUITE_P(Landing, LongScan, ::testing::ValuesIn(kLong),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Where the written procedures would never end ------------------------------

struct RunawayCase {
    const char* name;
    double V0y;
};

// With the defaults Vp is about 369 m/s: landing faster than 2*Vp makes the
// fixed-point map expand, and its iterates run away from the root.
const RunawayCase kRunaway[] = {{"Minus1000", -1000}, {"Minus800", -800}, {"Minus10000", -10000}};

class Runaway : public ::testing::TestWithParam<RunawayCase> {};

TEST_P(Runaway, LandingIsTheRootOfTheClosedForm) {
    Inputs in;
    in.V0y = GetParam().V0y;
    const Model m = computed(in);
    // The map's slope at the landing is beyond -1.
    EXPECT_LT((m.V0y + m.Vp) * std::exp(-m.Tmax1 / m.tau) / m.Vp, -1);
    EXPECT_LT(m.fixed_point_iterations, 100);
    EXPECT_GE(m.fixed_point_iterations, 1);
    const long double root = linearRoot(m, 0, 2 * m.Tmax0);
    EXPECT_NEAR(m.Tmax1, double(root), 1e-12 * double(root) + 1e-15);
    EXPECT_LT(std::fabs(m.Yend1), 1e-9);
    EXPECT_NEAR(m.Vymax1, (m.V0y + m.Vp) * std::exp(-double(root) / m.tau) - m.Vp, 1e-6);
    EXPECT_TRUE(showsNoNumberFault(m));
}

INSTANTIATE_TEST_SUITE_P(Landing, Runaway, ::testing::ValuesIn(kRunaway),
                         [](const auto& info) { return std::string(info.param.name); });

// A medium far thinner than air and a long drop: the landing speed is tiny
// against Vp (140 against 4e6 m/s) and the fixed point would creep on for
// millions of passes; it stops at its bound and the bisected root is shown,
// nearer to the root than the creeping iteration would have stopped.
TEST(Landing, SlowFixedPointEndsAtItsBound) {
    const Model m = computed({1000, 0, 0.01, 0.004084, 1.23, 1e-7, 0.47});
    EXPECT_EQ(m.fixed_point_iterations, 100000);
    const long double root = linearRoot(m, 0, 2 * m.Tmax0);
    const double contraction = 1 + m.Vymax1 / m.Vp;
    EXPECT_NEAR(m.Tmax1, double(root), 1e-9 / (1 - contraction));
    EXPECT_TRUE(showsNoNumberFault(m));
}

// The quadratic model thrown down faster than its terminal speed: the speed
// falls towards it, and the form with f_V_2 > 1 holds.
TEST(Landing, QuadraticThrowFasterThanTerminalSpeed) {
    const Model m = computed({2, -10, 0.01, 0.004084, 1000, 0.001004, 0.47});
    EXPECT_GT(m.f_V_2, 1);
    EXPECT_NEAR(m.Vy2_f(0.0), -10.0f, 1e-5);
    EXPECT_GT(m.Vy_end2, -10);
    EXPECT_LT(m.Vy_end2, -m.vp_2_1);
    EXPECT_LT(std::fabs(m.Y_end2), 1e-6);
    EXPECT_TRUE(showsNoNumberFault(m));
}

// Thrown down at exactly the terminal speed, the general form would divide by
// zero; the ball keeps its speed.
TEST(Landing, ThrownAtExactlyTheTerminalSpeed) {
    Model first = computed({});
    Inputs in;
    in.V0y = -first.vp_2_1;
    const Model m = computed(in);
    ASSERT_EQ(m.vp_2_1 + m.V0y, 0);
    EXPECT_EQ(m.Vy2_f(1.0), float(m.V0y));
    EXPECT_NEAR(m.Ts2, m.h / m.vp_2_1, 1e-6);
    EXPECT_TRUE(showsNoNumberFault(m));
}

// A very small ratio b: sqrt(b + 1) - 1 would keep no digits.
TEST(Landing, TinyRatioKeepsTheTerminalSpeed) {
    const Model m = computed({2, 0, 0.01, 0.004084, 1000, 10000, 0.001});
    ASSERT_LT(m.b, 1e-10);
    EXPECT_NEAR(m.vp_2_1, m.Vp * (1 - m.b / 4), 1e-12 * m.Vp);
    EXPECT_NEAR(m.Ts2, m.Tmax1, 1e-6 * m.Tmax1);
    EXPECT_TRUE(showsNoNumberFault(m));
}

// A dust grain barely denser than the medium in tar: the landing is so far
// away that t + shag_t no longer changes t long before it; the scan as written
// would never end.
TEST(Landing, FrozenGridStillLands) {
    Inputs in{100000, 0, 0.00027, 0.000001, 0, 10000, 0.47};
    const double r = (in.massa * 6 / 3.14159265) / (in.d * in.d * in.d);
    in.r0 = std::floor(r * 1000) / 1000;
    if (in.r0 >= r) in.r0 -= 0.001;
    const Model m = computed(in);
    ASSERT_GT(m.Tmax1 / (m.Tmax0 / m.n), 1e17);
    const double expected = (m.h + m.tau * (m.V0y + m.Vp)) / m.Vp;  // at the terminal speed almost at once
    EXPECT_NEAR(m.Tmax1, expected, 1e-12 * expected);
    EXPECT_NEAR(m.Ts2, expected, 1e-6 * expected);
    EXPECT_TRUE(showsNoNumberFault(m));
}

// ---- Wide inputs: everything ends and shows numbers ------------------------------

struct WideCase {
    const char* name;
    Inputs in;
};

const WideCase kWide[] = {
    {"ThrowDown1e5", {2, -1e5, 0.01, 0.004084, 1000, 0.001004, 0.47}},
    {"ThrowUp1e4", {2, 1e4, 0.01, 0.004084, 1000, 0.001004, 0.47}},
    {"HighDrop", {1e6, 0, 0.01, 0.004084, 1000, 0.001004, 0.47}},
    {"HighDropInTar", {1e6, -3, 0.01, 0.004084, 1000, 100, 0.47}},
    {"ThinnestMedium", {2, 3, 0.01, 0.004084, 1.23, 1e-7, 0.47}},
    {"BigBallInAir", {1000, 50, 1, 4084, 1.23, 1.82e-5, 0.47}},
    {"TinyDrag", {2, -5, 0.01, 0.004084, 1000, 0.001004, 1e-6}},
    {"HugeDrag", {2, -5, 0.01, 0.004084, 1000, 0.001004, 100}},
    {"HeavyDustInTar", {1000, -1, 1e-6, 1e-6, 1000, 10000, 1000}},
    {"GiantBall", {100000, -10000, 100, 1e9, 1000, 1, 1}},
};

class Wide : public ::testing::TestWithParam<WideCase> {};

TEST_P(Wide, EndsWithNumbers) {
    const Model m = computed(GetParam().in);
    EXPECT_TRUE(std::isfinite(m.Tmax1));
    EXPECT_GT(m.Tmax1, 0);
    EXPECT_GT(m.Ts2, 0);
    EXPECT_GE(m.Tmax2, m.Ts2);
    EXPECT_TRUE(showsNoNumberFault(m));
}

INSTANTIATE_TEST_SUITE_P(Landing, Wide, ::testing::ValuesIn(kWide),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

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
