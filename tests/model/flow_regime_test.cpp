// Reynolds numbers and the ratio of the two resistances against cases worked
// by hand, and the verdict that follows from them.
#include <gtest/gtest.h>

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
