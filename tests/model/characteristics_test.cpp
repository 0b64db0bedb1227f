// The results of the three models: the captions a class sees, the branches of
// the closed forms, the landing searches replayed as the classroom procedures
// and the inputs where those would diverge, never end or divide by zero.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <sstream>
#include <limits>
#include <string>
#include <tuple>

#include "model/constants.h"
#include "model/quantities.h"
#include "model/relaxation.h"
#include "computed.h"

using velunta::Model;

namespace {

using Inputs = velunta::InputValues;
using velunta::computed;

// Every caption of the defaults, character for character (units end in a Latin
// "c", except the Cyrillic "с" of Label44). With a comma as the user's separator
// too: every caption writes the point.
TEST(Characteristics, DefaultCaptionsInBothLocales) {
    const struct { const char* label; const char* text; } captions[] = {
        {"Label43", "  = 7.800E+03 кг/м3"},       {"Label16", "Tp = 0.305686 c"},
        {"Label19", "Ymax = 2.459 м"},            {"Label17", "Tmax = 1.013517 c"},
        {"Label38", "Vy(y=0) = -6.947 м/c"},      {"Label22", "    = 4.316e+01 c"},
        {"Label23", "Vp1 = 3.693e+02 м/c"},       {"Label24", "Tp1 = 0.349224 c"},
        {"Label25", "Ymax1 = 2.523 м"},           {"Label44", "Vp2 = 1.373E+00 м/с"},
        {"Label5", "R= 2.213E-01 м"},             {"Label6", "b = 2.881E+05"},
        {"Label18", "  2= 1.243645E+01 1/c"},     {"Label20", "    = 3.726E-03 рад"},
        {"Label29", "Tp2 = 0.183211 c"},          {"Label30", "Ymax2 = 2.193E+00 м"},
        {"Label26", "Tmax1 = 1.119497 c"},        {"Label40", "Vy1(y=0)= -6.532 м/c"},
        {"Label33", "Ts2 = 1.70840100 c"},        {"Label31", "Tmax2= 1.89161193 c"},
        {"Label42", "Vy2(y=0)= -1.373 м/c"},
    };
    for (const char* decimal_point : {".", ","}) {
        const velunta::LabelTexts texts = velunta::labelTexts(computed({}, true, true, decimal_point));
        for (const auto& c : captions) {
            EXPECT_EQ(texts.caption(c.label), c.text) << c.label << " " << decimal_point;
        }
        EXPECT_EQ(texts.toolTip("Label33"),
                  "Время спуска с максимальной высоты. Уточнение корня методом половинного деления.\r\n"
                  "точность 0,00000001 с. 14 итераций.");
    }
    // A landing not yet searched leaves its boxes as they were.
    const velunta::LabelTexts before = velunta::labelTexts(computed({}, false, false));
    EXPECT_TRUE(before.caption("Label26").empty() && before.caption("Label33").empty() && before.toolTips().empty());
}

// The glossary explains each quantity as the table of quantities has it: every
// row of a group's table stands in docs/glossary.md (on a failure, paste it in).
TEST(Quantities, GlossaryHoldsEveryRow) {
    std::ifstream file(VELUNTA_SOURCE_DIR "/docs/glossary.md");
    const std::string glossary{std::istreambuf_iterator<char>(file), {}};
    using G = velunta::QuantityGroup;
    for (G group : {G::input, G::ball, G::vacuum, G::linear, G::full, G::run, G::plot}) {
        std::istringstream table(velunta::glossaryTable(group));
        for (std::string row; std::getline(table, row);) EXPECT_NE(glossary.find(row), std::string::npos) << row;
    }
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
TEST(Landing, LongScansGiveTheBitsOfTheWrittenProcedures) {
    for (const Inputs& in : {Inputs{2, 3, 0.01, 0.004084, 1000, 2}, Inputs{2, -700}, Inputs{10, 0, 0.01, 0.004084, 1000, 50}}) {
        const Model m = computed(in);
        const Replay r = replay(m);
        // Y is the scan value raschet2 left, as it ran last.
        EXPECT_EQ(std::tie(m.Y, m.Tmax1, m.T_1, m.T_2, m.T_sr, m.k),
                  std::tie(r.scan2_y, r.Tmax1, r.T_1, r.T_2, r.T_sr, r.k)) << in.eta << " " << in.V0y;
        EXPECT_EQ(m.Ts2, float((r.T_1 + r.T_2) / 2));
    }
}

// Where the written procedures would creep on for millions of passes, divide by
// zero or never end: a medium far thinner than air, a throw at exactly the
// terminal speed, a grain barely denser than tar (t + step freezes).
TEST(Landing, EdgesEndAtTheirRoots) {
    EXPECT_LE(computed({1000, 0, 0.01, 0.004084, 1.23, 1e-7}).fixed_point_iterations, 100000);
    const Model exact = computed({2, -computed({}).vp_2_1});
    EXPECT_NEAR(exact.Ts2, exact.h / exact.vp_2_1, 1e-6);
    Inputs in{100000, 0, 0.00027, 0.000001, 0, 10000};
    in.r0 = std::ceil(in.massa * 6 / velunta::kPi / (in.d * in.d * in.d) * 1000 - 1) / 1000;
    const Model dust = computed(in);
    const double expected = (dust.h + dust.tau * (dust.V0y + dust.Vp)) / dust.Vp;
    EXPECT_NEAR(dust.Tmax1, expected, 1e-12 * expected);
    EXPECT_NEAR(dust.Ts2, expected, 1e-6 * expected);
}

// ---- Heavy balls: a throw far slower than the terminal speed ---------------

// Time and rise to the top of dVy/dt = -(Vp + Vy)/tau - Vy|Vy|/R2 (R2 = 0: no
// quadratic drag) in long double: dt = -dVy/decel, dY = Vy dt, integrated by
// Gauss-Legendre over u = ln(1 + Vy/Vp), where the integrands are smooth and
// positive, so nothing cancels.
std::array<long double, 2> quadratureTop(const Model& m, bool quadratic) {
    using L = long double;
    const L x[3] = {0, 0.774596669241483377035853L, -0.774596669241483377035853L};
    const L w[3] = {8.0L / 9, 5.0L / 9, 5.0L / 9};
    const L Vp = m.Vp, tau = m.tau, R2 = m.R2;
    const int panels = 4000;
    const L step = std::log1p(L(m.V0y) / Vp) / panels;
    L time = 0, rise = 0;
    for (int i = 0; i < panels; ++i)
        for (int j = 0; j < 3; ++j) {
            const L v = Vp * std::expm1((i + 0.5L + x[j] / 2) * step);
            const L dt = tau / (1 + (quadratic ? tau * v * v / ((Vp + v) * R2) : 0)) * w[j] * step / 2;
            time += dt;
            rise += v * dt;
        }
    return {time, rise};
}

// The tops of the linear and full models against the quadrature, where the
// written formulas subtract nearly equal terms (the first two are seen in
// class as "Ymax1 = 1.976 м" and "124.370"); thrown down from low down, the
// vacuum time of flight against the stable root of the quadratic.
TEST(Characteristics, HeavyBallsKeepTheirDigits) {
    const struct { velunta::InputValues in; const char* Ymax1; } balls[] = {
        {{2, 3, 1, 4084, 1.23, 0.0000182, 0.47}, "Ymax1 = 2.459 м"},
        {{50, 20, 100, 1e9, 1000, 0.001004, 0.47}, "Ymax1 = 92.777 м"},
        {{2, 0.001, 0.01, 0.004084, 1000, 0.03, 0.001}, "Ymax1 = 2.000 м"},   // b < 1, a slow throw
        {{0.001, -10000, 0.01, 0.004084, 1000, 0.001004, 0.47}, "Ymax1 = 0.001 м"},
        {{10, 0}, "Ymax1 = 10.000 м"},
    };
    constexpr double eps = std::numeric_limits<double>::epsilon();
    for (const auto& ball : balls) {
        const Model m = computed(ball.in);
        EXPECT_EQ(velunta::captionOf(*velunta::findQuantity("Ymax1"), m), ball.Ymax1);
        using L = long double;
        const L g = 9.814L, V = m.V0y, h = m.h;
        const L Tmax0 = V >= 0 ? (std::sqrt(2 * g * h + V * V) + V) / g : 2 * h / (std::sqrt(2 * g * h + V * V) - V);
        EXPECT_NEAR(m.Tmax0, Tmax0, 1e-13 * Tmax0) << h << " " << V;
        if (V <= 0) {  // no throw upwards: none of the three models has an ascent
            EXPECT_TRUE(m.Tp0 == 0 && m.Tp1 == 0 && m.Tp2 == 0 && m.Ymax0 == h && m.Ymax1 == h && m.Ymax2 == h) << V;
            continue;
        }
        const auto linear = quadratureTop(m, false), full = quadratureTop(m, true);
        EXPECT_NEAR(m.Tp1, linear[0], 1e-13 * linear[0]) << h << " " << V;
        EXPECT_NEAR(m.Ymax1, h + linear[1], 1e-10 * linear[1] + 4 * eps * m.Ymax1) << h << " " << V;
        EXPECT_NEAR(m.Tp2, full[0], 1e-13 * full[0]) << h << " " << V;
        // The phase enters in single precision; above b = 1 these balls barely
        // feel it, below it its rounding outweighs the rise of a slow throw.
        if (m.b > 1) {
            EXPECT_NEAR(m.Ymax2, h + full[1], 1e-8 * full[1] + 4 * eps * m.Ymax2) << h << " " << V;
        }
    }
}

}  // namespace
