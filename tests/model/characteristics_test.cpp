// Characteristics of the three models: the captions a class sees for the
// default steel ball in water, and the branches of the ascent formulas.

#include <gtest/gtest.h>

#include <cmath>

#include "model/model.h"

using velunta::Model;

namespace {

Model defaults() {
    Model m;
    m.set_defaults();
    return m;
}

struct CaptionCase {
    const char* label;
    const char* text;
};

// Every caption of the defaults, character for character (units end in a
// Latin "c", except the Cyrillic "с" of Label44).
const CaptionCase kDefaultCaptions[] = {
    {"Label43", "  = 7.800E+03 кг/м3"},
    {"Label16", "Tp = 0.305686 c"},
    {"Label19", "Ymax = 2.459 м"},
    {"Label17", "Tmax = 1.013517 c"},
    {"Label38", "Vy(y=0) = -6.947 м/c"},
    {"Label22", "    = 4.316e+01 c"},
    {"Label23", "Vp1 = 3.693e+02 м/c"},
    {"Label24", "Tp1 = 0.349224 c"},
    {"Label25", "Ymax1 = 2.523 м"},
    {"Label44", "Vp2 = 1.373E+00 м/с"},
    {"Label5", "R= 2.213E-01 м"},
    {"Label6", "b = 2.881E+05"},
    {"Label18", "  2= 1.243645E+01 1/c"},
    {"Label20", "    = 3.726E-03 рад"},
    {"Label29", "Tp2 = 0.183211 c"},
    {"Label30", "Ymax2 = 2.193E+00 м"},
};

class DefaultCaptions : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(DefaultCaptions, ReadAsInClass) {
    Model m = defaults();
    m.parametr();
    EXPECT_EQ(m.labels.caption(GetParam().label), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Characteristics, DefaultCaptions, ::testing::ValuesIn(kDefaultCaptions),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(Characteristics, DefaultBallIsSteelWithPiAsWritten) {
    Model m = defaults();
    m.parametr();
    EXPECT_NEAR(m.r, 7799.865, 0.001);
    EXPECT_EQ(m.r, 6 * 0.004084 / 3.14159265 / (0.01 * 0.01 * 0.01));
    // The vacuum landing velocity is kept in single precision.
    EXPECT_EQ(m.Vymax0, float(3 - m.Tmax0 * 9.814));
    EXPECT_NE(double(m.Vymax0), 3 - m.Tmax0 * 9.814);
}

// With no throw upwards none of the three models has an ascent.
class NoAscent : public ::testing::TestWithParam<double> {};

TEST_P(NoAscent, TopsAtTheStart) {
    Model m = defaults();
    m.V0y = GetParam();
    m.parametr();
    EXPECT_EQ(m.Tp0, 0);
    EXPECT_EQ(m.Tp1, 0);
    EXPECT_EQ(m.Tp2, 0);
    EXPECT_EQ(m.Ymax0, m.h);
    EXPECT_EQ(m.Ymax1, m.h);
    EXPECT_EQ(m.Ymax2, m.h);
    EXPECT_DOUBLE_EQ(m.Tmax0, (std::sqrt(19.628 * m.h + m.V0y * m.V0y) + m.V0y) / 9.814);
    EXPECT_EQ(m.labels.caption("Label16"), "Tp = 0.000000 c");
    EXPECT_EQ(m.labels.caption("Label29"), "Tp2 = 0.000000 c");
}

INSTANTIATE_TEST_SUITE_P(Characteristics, NoAscent, ::testing::Values(0.0, -1.0, -25.0));

TEST(Characteristics, ReleaseFallsInTheVacuumTime) {
    Model m = defaults();
    m.V0y = 0;
    m.h = 10;
    m.parametr();
    EXPECT_NEAR(m.Tmax0, 1.4276, 1e-4);
}

struct MediumCase {
    double eta;
    double tau, Vp, Vp2, b, delta1, delta2, fi, Tp2, Ymax2;
};

// A viscous medium (b < 1, logarithmic branches) and a moderately viscous
// one (b > 1, arctangent branches).
const MediumCase kMedia[] = {
    {1.0, 0.04333, 0.3707, 0.3471, 0.2904, 19.44, 26.22, -0.08556, 0.08443, 2.0752},
    {0.05, NAN, NAN, NAN, 116.17, NAN, NAN, 0.18583, 0.17202, 2.1792},
};

class Media : public ::testing::TestWithParam<MediumCase> {};

TEST_P(Media, ValuesAsComputedByHand) {
    const MediumCase& e = GetParam();
    Model m = defaults();
    m.eta = e.eta;
    m.parametr();
    auto near = [](double actual, double expected, const char* what) {
        if (std::isnan(expected)) return;
        EXPECT_NEAR(actual, expected, std::fabs(expected) * 2e-4) << what;
    };
    near(m.tau, e.tau, "tau");
    near(m.Vp, e.Vp, "Vp");
    near(m.Vp2, e.Vp2, "Vp2");
    near(m.b, e.b, "b");
    near(m.delta1, e.delta1, "delta1");
    near(m.delta2, e.delta2, "delta2");
    near(m.fi, e.fi, "fi");
    near(m.Tp2, e.Tp2, "Tp2");
    near(m.Ymax2, e.Ymax2, "Ymax2");
}

INSTANTIATE_TEST_SUITE_P(Characteristics, Media, ::testing::ValuesIn(kMedia));

struct PhaseCase {
    double b;
    float fi;
};

// The phase picks the branch by exact comparisons; b = 2 is the right angle
// in single precision.
const PhaseCase kPhases[] = {
    {2.0, 1.5707964f},
    {1.0, 0.0f},
    {5.0, float(std::atan(2 * std::sqrt(4.0) / 3))},
    {1.5, float(std::atan(2 * std::sqrt(0.5) / -0.5) + 3.14159265)},
    {0.5, float((0.5 + 2 * std::sqrt(0.5) - 2) / 0.5)},
};

class Phase : public ::testing::TestWithParam<PhaseCase> {};

TEST_P(Phase, BranchByB) { EXPECT_EQ(velunta::ascent_phase(GetParam().b), GetParam().fi); }

INSTANTIATE_TEST_SUITE_P(Characteristics, Phase, ::testing::ValuesIn(kPhases));

TEST(Characteristics, PhaseIsAnAngleBetweenZeroAndPiAboveOne) {
    for (double b = 1.0001; b < 1e6; b *= 1.7) {
        const float fi = velunta::ascent_phase(b);
        EXPECT_GT(fi, 0.0f) << b;
        EXPECT_LT(fi, 3.1415927f) << b;
        EXPECT_NEAR(std::tan(double(fi)), 2 * std::sqrt(b - 1) / (b - 2), 1e-4 * (1 + std::fabs(std::tan(double(fi)))))
            << b;
    }
}

TEST(Characteristics, NoViscositySaysSoAndKeepsTheLastConstants) {
    Model m = defaults();
    m.parametr();
    const double tau = m.tau, Vp = m.Vp;
    m.eta = 0;
    m.parametr();
    EXPECT_EQ(m.labels.caption("Label22"), "tau ->00");
    EXPECT_EQ(m.labels.caption("Label23"), "Vp1= ->00");
    EXPECT_EQ(m.tau, tau);
    EXPECT_EQ(m.Vp, Vp);
}

TEST(Characteristics, LocaleSeparatorKeptOnlyWhereTheDisplayKeepsIt) {
    Model m = defaults();
    m.locale_decimal_point = ",";
    m.parametr();
    EXPECT_EQ(m.labels.caption("Label29"), "Tp2 = 0,183211 c");
    EXPECT_EQ(m.labels.caption("Label30"), "Ymax2 = 2,193E+00 м");
    EXPECT_EQ(m.labels.caption("Label38"), "Vy(y=0) = -6.947 м/c");
    EXPECT_EQ(m.labels.caption("Label16"), "Tp = 0.305686 c");
}

}  // namespace

// ---- A medium so viscous and a drag so small that b is tiny -------------------

#include <boost/numeric/odeint.hpp>

namespace {

struct Top {
    double time, height;
};

// The top of dVy/dt = -(Vp + Vy)/tau - Vy|Vy|/R2 by an adaptive Dormand-Prince
// integration with dense output, the crossing of Vy = 0 found by bisection.
Top integratedTop(const Model& m) {
    using State = std::array<double, 2>;
    namespace odeint = boost::numeric::odeint;
    const auto rhs = [&m](const State& x, State& dxdt, double) {
        dxdt[0] = x[1];
        dxdt[1] = -(m.Vp + x[1]) / m.tau - x[1] * std::fabs(x[1]) / m.R2;
    };
    auto stepper = odeint::make_dense_output(1e-13, 1e-13, odeint::runge_kutta_dopri5<State>());
    stepper.initialize(State{m.h, m.V0y}, 0.0, m.tau * 1e-6);
    while (stepper.current_state()[1] > 0) stepper.do_step(rhs);
    double lo = stepper.previous_time(), hi = stepper.current_time();
    State x;
    for (int i = 0; i < 200 && hi - lo > 1e-16 * hi; ++i) {
        const double mid = (lo + hi) / 2;
        stepper.calc_state(mid, x);
        (x[1] > 0 ? lo : hi) = mid;
    }
    stepper.calc_state(lo, x);
    return {lo, x[0]};
}

struct TinyRatioCase {
    const char* name;
    double h, V0y, d, r0, eta, c;
};

const TinyRatioCase kTinyRatios[] = {
    {"Tar", 2, 3, 0.01, 1000, 1000, 0.001},
    {"TarFastThrow", 0.001, 1000, 0.01, 1.23, 10000, 0.001},
    {"DustInTar", 2, 10000, 0.0001, 1000, 10000, 0.01},
    {"Syrup", 2, 3, 0.01, 1000, 10, 0.1},
};

class TinyRatio : public ::testing::TestWithParam<TinyRatioCase> {};

// The top stays above the launch height and agrees with an integration, also
// where the closed form would subtract two numbers of order 1/b.
TEST_P(TinyRatio, TopAgreesWithIntegration) {
    const TinyRatioCase& e = GetParam();
    Model m = defaults();
    m.h = e.h;
    m.V0y = e.V0y;
    m.d = e.d;
    m.r0 = e.r0;
    m.eta = e.eta;
    m.c = e.c;
    m.parametr();
    ASSERT_LT(m.b, 1e-3);
    const Top top = integratedTop(m);
    EXPECT_NEAR(m.Tp2, top.time, 1e-8 * top.time);
    EXPECT_NEAR(m.Ymax2 - m.h, top.height - m.h, 1e-6 * (top.height - m.h));
    EXPECT_GT(m.Ymax2, m.h);
    EXPECT_LT(m.Ymax2, m.Ymax1);  // the extra resistance lowers the top
    EXPECT_LT(m.fi, 0.0f);
    EXPECT_NEAR(m.fi, -m.b / 4, m.b * 1e-3);
    EXPECT_GT(m.Vp2, 0);
    EXPECT_LE(m.Vp2, m.Vp);
}

INSTANTIATE_TEST_SUITE_P(Characteristics, TinyRatio, ::testing::ValuesIn(kTinyRatios),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
