// Number display: rounding on decimal digits for each pattern family, the
// locale separator and the plain numeric form.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "model/format.h"

namespace velunta {
namespace {

// The value is taken to 15 significant digits, then rounded half away from zero:
// 1.0005 is stored just below the half but is the half at 15 digits.
TEST(Format, DoubleValues) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct { double value; const char* pattern; const char* expected; const char* decimal_point = "."; } cases[] = {
        // fixed
        {1.0005, "0.000", "1.001"}, {-2.0005, "0.000", "-2.001"}, {2.00049999999999, "0.000", "2.000"},
        {0.0005, "0.000", "0.001"}, {0.0004999, "0.000", "0.000"}, {999.9995, "0.000", "1000.000"},
        {0.125, "0.00", "0.13"}, {2.5, "0", "3"}, {-0.0, "0.000", "0.000"}, {-0.0001, "0.000", "-0.000"},
        {123456789012345678.0, "0.00", "123456789012346000.00"}, {0.004084 * 1.01, "0.000000", "0.004125"},
        {0.5, "#0.00", "0.50"}, {0.5, "#.00", ".50"}, {1.25, "00.0", "01.3"}, {std::nan(""), "0.000", "nan"},
        // scientific
        {9.9996, "0.000E+00", "1.000E+01"}, {0.0, "0.000E+00", "0.000E+00"}, {-0.0, "0.000e+00", "0.000e+00"},
        {std::numeric_limits<double>::max(), "0.000E+00", "1.798E+308"}, {43.1555, "0.000e+00", "4.316e+01"},
        {std::numeric_limits<double>::denorm_min(), "0.000E+00", "4.941E-324"}, {12.5, "0.00E-00", "1.25E01"},
        {-1.0005e-5, "0.000E+00", "-1.001E-05"}, {123456.45, "0.000000E+00", "1.234565E+05"},
        {1.5e100, "0.0E+0", "1.5E+100"}, {0.0125, "0.00E-00", "1.25E-02"}, {12.5, "0.0E+0", "1.3E+1"},
        {inf, "0.000E+00", "inf"}, {-inf, "#0.00", "-inf"},
        // the user's separator
        {-0.0001, "0.000", "-0,000", ","}, {1234.5, "0.000E+00", "1,235E+03", ","}, {12.0, "0", "12", ","},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(c.value, c.pattern, c.decimal_point), c.expected) << c.value << " " << c.pattern;
}

// Single precision values are taken to 7 significant digits first (the captions
// of the defaults show two more: Ts2 and the phase).
TEST(Format, FloatValues) {
    const struct { float value; const char* pattern; const char* expected; } cases[] = {
        {0.3f, "0.000000000", "0.300000000"}, {-2.0005f, "0.000", "-2.001"},
        {9.9999995f, "0.000E+00", "1.000E+01"}, {1.5707964f, "0.000000", "1.570796"},
        {-std::numeric_limits<float>::infinity(), "0.000", "-inf"},
    };
    for (const auto& c : cases) EXPECT_EQ(Format(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
}

TEST(Format, NumericFormReadBackAndWrittenPlain) {
    const struct { const char* formatted; const char* decimal_point; const char* expected; } cases[] = {
        {"-6.940", ".", "-6.94"}, {"2.000", ".", " 2"}, {"-0.000", ".", " 0"}, {"-6,947", ",", "-6.947"},
        {"12.340", ",", " 12.34"}, {"-10.000", ".", "-10"}, {"7.800E+03", ".", " 7800"},
        {"1,000E+20", ",", " 1E+20"}, {"-1.500E-07", ".", "-1.5E-07"},
        {"123456789012345.000", ".", " 123456789012345"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numericForm(c.formatted, c.decimal_point), c.expected) << c.formatted << " " << c.decimal_point;
}

}  // namespace
}  // namespace velunta
