// Reynolds numbers and the ratio of the two resistances against cases worked
// by hand, and the verdict that follows from them.
#include <gtest/gtest.h>

#include "model/constants.h"
#include "model/flow_regime.h"
#include "computed.h"

namespace velunta {
namespace {

struct RegimeCase {
    const char* name;
    InputValues in;
    double reTerminal, reLaunch, ratioTerminal;  // worked by hand
    const char* verdictPart;
};

// Steel 10 mm in water: r = 7800, Vp2 = (sqrt(1 + x) - 1)*12*eta/(c*r0*d) with
// x = g*d^3*r0*c*(r - r0)/(108*eta^2) = 2.89e5, so Vp2 = 1.373 m/s,
// Re = 1000*1.373*0.01/0.001004 = 1.37e4, ratio = c*Re/24 = 268; at 3 m/s Re = 2.99e4.
// Steel 3 mm in castor oil: x = 7.71e-3, Vp2 = 0.03374 m/s, Re = 0.0983, ratio = 0.00192.
const RegimeCase kCases[] = {
    {"steel_in_water", {2, 3, 0.01, 0.004084, 1000, 0.001004, 0.47}, 1.368e4, 2.988e4, 268, "лобовое сопротивление в 270"},
    {"steel_in_castor_oil", {0.5, 0, 0.003, 0.00011, 961, 0.99, 0.47}, 0.0983, 0, 0.00192, "вязкое сопротивление в 520"},
};

TEST(FlowRegime, MatchesTheHandWorkedCases) {
    for (const RegimeCase& c : kCases) {
        const FlowRegime f = flowRegime(computed(c.in, false, false));
        EXPECT_NEAR(f.reynoldsTerminal, c.reTerminal, 0.01 * c.reTerminal) << c.name;
        EXPECT_NEAR(f.reynoldsLaunch, c.reLaunch, 0.01 * c.reLaunch) << c.name;
        EXPECT_NEAR(f.quadraticToLinearTerminal, c.ratioTerminal, 0.01 * c.ratioTerminal) << c.name;
        EXPECT_NE(f.verdict.find(c.verdictPart), std::string::npos) << f.verdict;
        EXPECT_NE(f.summary.find(roughNumber(f.reynoldsTerminal)), std::string::npos) << f.summary;
    }
}

// The verdict's boundaries, just inside and just outside: the ratio of the two
// resistances at 0.1 and 10, and the vacuum's few per cent of the weight for
// the resistance at the fastest speed and for the buoyancy. tau = 1 s and a
// vast R2 make the resistance at V0y the share V0y/g; Vp2 = q*R2/tau gives q.
TEST(FlowRegime, VerdictBoundaries) {
    const struct { const char* name; double Vp2, R2, V0y, r0; const char* part; bool present; } cases[] = {  // r = tau = 1
        {"ratio_below_tenth", 0.0999, 1, 0, 1, "вязкое сопротивление в", true},
        {"ratio_above_tenth", 0.1001, 1, 0, 1, "сравнимы", true},
        {"ratio_ten", 10, 1, 0, 1, "сравнимы", true},
        {"ratio_above_ten", 10.01, 1, 0, 1, "лобовое сопротивление в", true},
        {"vacuum_drag_below", 1e12, 1e12, 0.0299 * kGravity, 0.01, "годится и вакуум", true},
        {"vacuum_drag_above", 1e12, 1e12, 0.0301 * kGravity, 0.01, "годится и вакуум", false},
        {"vacuum_buoyancy_below", 1e12, 1e12, 0.01 * kGravity, 0.0299, "годится и вакуум", true},
        {"vacuum_buoyancy_above", 1e12, 1e12, 0.01 * kGravity, 0.0301, "годится и вакуум", false},
    };
    for (const auto& c : cases) {
        Model m;
        m.d = m.eta = m.tau = m.r = 1;
        m.Vp2 = c.Vp2, m.R2 = c.R2, m.V0y = c.V0y, m.r0 = c.r0;
        const std::string verdict = flowRegime(m).verdict;
        EXPECT_EQ(verdict.find(c.part) != std::string::npos, c.present) << c.name << ": " << verdict;
    }
}

TEST(RoughNumberTest, TwoDigitsDecimalPointSuperscriptExponent) {
    const std::pair<double, const char*> rows[] = {
        {13680, "1.4·10⁴"}, {0.0983, "0.098"}, {268, "270"}, {9.96, "10"}, {0, "0"}, {2.5e-5, "2.5·10⁻⁵"}};
    for (const auto& [x, text] : rows) EXPECT_EQ(roughNumber(x), text) << x;
    for (const auto& [x, text] : {std::pair<double, const char*>{24, "24 раза"}, {12, "12 раз"}, {268, "270 раз"},
                                  {2.3, "2.3 раза"}, {5, "5 раз"}, {3.2e4, "3.2·10⁴ раза"}})
        EXPECT_EQ(times(x), text) << x;
}

}  // namespace
}  // namespace velunta
