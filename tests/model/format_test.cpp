// Number display: rounding on decimal digits, every pattern of the program,
// the locale separator and the plain numeric form.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "model/format.h"

namespace velunta {
namespace {

struct DoubleCase {
    double value;
    const char* pattern;
    const char* expected;
};

void expectAll(const std::vector<DoubleCase>& cases) {
    for (const DoubleCase& c : cases)
        EXPECT_EQ(Format(c.value, c.pattern), c.expected)
            << "value " << c.value << " pattern " << c.pattern;
}

TEST(FormatFixed, RoundsTheFifteenDigitValueHalfAwayFromZero) {
    expectAll({
        // Stored just below the decimal half, but exactly the half at 15 digits.
        {1.0005, "0.000", "1.001"},
        {2.0005, "0.000", "2.001"},
        {-2.0005, "0.000", "-2.001"},
        {1.2345, "0.000", "1.235"},
        {1.005, "0.00", "1.01"},
        {-1.005, "0.00", "-1.01"},
        {2.00049999999999999, "0.000", "2.001"},
        // Below the half even at 15 digits.
        {2.00049999999999, "0.000", "2.000"},
        {0.0004999, "0.000", "0.000"},
        // Stored just above the half.
        {1.0015, "0.000", "1.002"},
        {0.005, "0.00", "0.01"},
        // Exact binary halves go away from zero, not to even.
        {0.125, "0.00", "0.13"},
        {-0.125, "0.00", "-0.13"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {0.0005, "0.000", "0.001"},
    });
}

TEST(FormatFixed, ZeroAndSignOfValuesThatRoundToZero) {
    expectAll({
        {0.0, "0.000", "0.000"},
        {-0.0, "0.000", "0.000"},
        {-0.0001, "0.000", "-0.000"},
        {-0.00049, "0.000", "-0.000"},
        {0.0001, "0.000", "0.000"},
        {-1e-300, "0.00", "-0.00"},
        {1e-310, "0.000000", "0.000000"},
        {0.00000001, "0.0000000", "0.0000000"},
    });
}

TEST(FormatFixed, CarryAcrossDigitsAndLargeValues) {
    expectAll({
        {9.9996, "0.000", "10.000"},
        {-9.9996, "0.000", "-10.000"},
        {999.9995, "0.000", "1000.000"},
        {0.99999999, "0.000000", "1.000000"},
        {1e20, "0.000", "100000000000000000000.000"},
        {-1e20, "0.00", "-100000000000000000000.00"},
        // Only 15 significant digits are shown, the rest are zeros.
        {123456789012345678.0, "0.00", "123456789012346000.00"},
    });
}

TEST(FormatFixed, EveryFixedPatternOfTheProgram) {
    expectAll({
        {2.0, "0.000", "2.000"},
        {1000.0, "0.000", "1000.000"},
        {0.01, "0.000000", "0.010000"},
        {0.004084, "0.000000", "0.004084"},
        {0.01 / 1.01, "0.000000", "0.009901"},
        {0.004084 * 1.01, "0.000000", "0.004125"},
        {0.001004, "0.0000000", "0.0010040"},
        {1.82e-5, "0.0000000", "0.0000182"},
        {5e-8, "0.0000000", "0.0000001"},
        {1.234567895, "0.00000000", "1.23456790"},
        {-0.000000005, "0.00000000", "-0.00000001"},
        {0.47, "0.00", "0.47"},
        {0.5, "#0.00", "0.50"},
        {12.345, "#0.00", "12.35"},
        {-6.9395, "#0.000", "-6.940"},
        {0.0, "#0.000", "0.000"},
    });
}

TEST(FormatFixed, OtherPatternsOfTheFamily) {
    expectAll({
        {0.5, "#.00", ".50"},
        {12.5, "#.00", "12.50"},
        {1.25, "00.0", "01.3"},
        {7.0, "000", "007"},
    });
}

TEST(FormatScientific, EveryScientificPatternOfTheProgram) {
    expectAll({
        {9.9996, "0.000E+00", "1.000E+01"},
        {-9.9996, "0.000E+00", "-1.000E+01"},
        {0.0, "0.000E+00", "0.000E+00"},
        {-0.0, "0.000e+00", "0.000e+00"},
        {1.0, "0.000E+00", "1.000E+00"},
        {1e-300, "0.000E+00", "1.000E-300"},
        {1.2345e300, "0.000E+00", "1.235E+300"},
        {std::numeric_limits<double>::max(), "0.000E+00", "1.798E+308"},
        {std::numeric_limits<double>::denorm_min(), "0.000E+00", "4.941E-324"},
        {-1.0005e-5, "0.000E+00", "-1.001E-05"},
        {0.00012345, "0.000e+00", "1.235e-04"},
        {43.1555, "0.000e+00", "4.316e+01"},
        {123456.45, "0.000000E+00", "1.234565E+05"},
        {-123456.44, "0.000000E+00", "-1.234564E+05"},
        {0.0, "0.000000E+00", "0.000000E+00"},
    });
}

TEST(FormatScientific, ExponentStyles) {
    expectAll({
        {12.5, "0.00E-00", "1.25E01"},
        {0.0125, "0.00E-00", "1.25E-02"},
        {12.5, "0.0E+0", "1.3E+1"},
        {1.5e100, "0.0E+0", "1.5E+100"},
    });
}

TEST(FormatFloat, SevenSignificantDigitsBeforeThePattern) {
    struct FloatCase {
        float value;
        const char* pattern;
        const char* expected;
    };
    const std::vector<FloatCase> cases = {
        {1.7084012f, "0.00000000", "1.70840100"},
        {0.3f, "0.000000000", "0.300000000"},
        {2.0005f, "0.000", "2.001"},  // stored as 2.00049996...
        {-2.0005f, "0.000", "-2.001"},
        {-0.0001f, "0.000", "-0.000"},
        {0.0f, "0.000", "0.000"},
        {3.7263e-3f, "0.000E+00", "3.726E-03"},
        {1.5707964f, "0.000000", "1.570796"},
        {9.9999995f, "0.000E+00", "1.000E+01"},
    };
    for (const FloatCase& c : cases)
        EXPECT_EQ(Format(c.value, c.pattern), c.expected) << "value " << c.value << " pattern " << c.pattern;
}

TEST(FormatNonFinite, ShownAsWordsWithoutCrashing) {
    const double inf = std::numeric_limits<double>::infinity();
    expectAll({
        {std::nan(""), "0.000", "nan"},
        {inf, "0.000E+00", "inf"},
        {-inf, "#0.00", "-inf"},
    });
    EXPECT_EQ(Format(std::numeric_limits<float>::quiet_NaN(), "0.000"), "nan");
    EXPECT_EQ(Format(-std::numeric_limits<float>::infinity(), "0.000"), "-inf");
}

TEST(FormatLocale, DecimalSeparatorAndPoint) {
    EXPECT_EQ(Format(2.5, "0.000", ","), "2,500");
    EXPECT_EQ(Format(-0.0001, "0.000", ","), "-0,000");
    EXPECT_EQ(Format(1234.5, "0.000E+00", ","), "1,235E+03");
    EXPECT_EQ(Format(1.7084012f, "0.00000000", ","), "1,70840100");
    EXPECT_EQ(Format(12.0, "0", ","), "12");
    EXPECT_EQ(point("1,235E+03"), "1.235E+03");
    EXPECT_EQ(point(Format(0.183211, "0.000000", ",")), "0.183211");
    EXPECT_EQ(point("a,b,,c"), "a.b..c");
}

TEST(FormatNumericForm, ReadBackAndWrittenPlain) {
    struct Case {
        const char* formatted;
        const char* decimal_point;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"-6.947", ".", "-6.947"},
        {"-6.940", ".", "-6.94"},
        {"2.000", ".", " 2"},
        {"-0.000", ".", " 0"},
        {"0.000", ".", " 0"},
        {"-6,947", ",", "-6.947"},
        {"1,5", ",", " 1.5"},
        {"12.340", ",", " 12.34"},
        {"0.500", ".", " 0.5"},
        {"-0.500", ".", "-0.5"},
        {"-10.000", ".", "-10"},
        {"1000.000", ".", " 1000"},
        {"0.0010040", ".", " 0.001004"},
        {"7.800E+03", ".", " 7800"},
        {"1,000E+20", ",", " 1E+20"},
        {"-1.500E-07", ".", "-1.5E-07"},
        {"123456789012345.000", ".", " 123456789012345"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(numericForm(c.formatted, c.decimal_point), c.expected)
            << "'" << c.formatted << "' with '" << c.decimal_point << "'";
}

TEST(FormatClock, Parts) {
    struct Case {
        int hour, minute, second;
        const char* pattern;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {1, 2, 3, "s", "3"},   {1, 2, 3, "ss", "03"}, {1, 2, 3, "n", "2"},
        {1, 2, 3, "nn", "02"}, {1, 2, 3, "h", "1"},   {1, 2, 3, "hh", "01"},
        {0, 5, 45, "s", "45"}, {0, 5, 45, "nn", "05"}, {12, 34, 56, "hh:nn:ss", "12:34:56"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatClock(c.hour, c.minute, c.second, c.pattern), c.expected) << c.pattern;
}

// The characteristics of the default ball (steel, 1 cm, in water) with the
// patterns their labels use.
TEST(FormatDefaults, CharacteristicsOfTheDefaultBall) {
    const double h = 2, V0y = 3, d = 0.01, massa = 0.004084, r0 = 1000, eta = 0.001004, c = 0.47;
    const double g = 9.814;
    const double r = 6 * massa / 3.14159265 / (d * d * d);
    const double Tp0 = V0y / g;
    const double Ymax0 = h + (V0y * V0y / 2) / g;
    const double Tmax0 = (std::sqrt(h * 19.628 + V0y * V0y) + V0y) / g;
    const float Vymax0 = static_cast<float>(V0y - Tmax0 * g);
    const double tau = (d * d * r / 18) / eta;
    const double Vp = tau * g * (1 - r0 / r);
    const double Vp2 = (std::sqrt(g * d * d * d * r0 * c * (r - r0) / 108 / (eta * eta) + 1) - 1) *
                       12 * eta / c / r0 / d;
    const double R2 = 4 * r * d / 3 / c / r0;
    const double b = 4 * Vp * tau / R2;
    const double delta2 = std::sqrt(b + 1) / tau;

    expectAll({
        {r, "0.000E+00", "7.800E+03"},
        {Tp0, "0.000000", "0.305686"},
        {Ymax0, "0.000", "2.459"},
        {Tmax0, "0.000000", "1.013517"},
        {tau, "0.000e+00", "4.316e+01"},
        {Vp, "0.000e+00", "3.693e+02"},
        {Vp2, "0.000E+00", "1.373E+00"},
        {R2, "0.000E+00", "2.213E-01"},
        {b, "0.000E+00", "2.881E+05"},
        {delta2, "0.000000E+00", "1.243645E+01"},
        {r / 2, "0.000", "3899.933"},
    });
    EXPECT_EQ(numericForm(Format(Vymax0, "0.000")), "-6.947");
    EXPECT_EQ(numericForm(Format(Vymax0, "0.000", ","), ","), "-6.947");
}

}  // namespace
}  // namespace velunta
