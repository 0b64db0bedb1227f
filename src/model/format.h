#pragma once
// Number display: Format(value, pattern) in the manner of the classic BASIC
// Format function, for the patterns this program uses:
//   fixed      "0.00" "#0.00" "0.000" "#0.000" "0.000000" "0.0000000" "0.00000000"
//   scientific "0.000E+00" "0.000e+00" "0.000000E+00".
//
// Rounding: the value is first taken to 15 significant digits (double) or 7
// (float), then rounded half away from zero to the pattern's digits. A negative
// number that rounds to zero keeps its sign ("-0.000"). The decimal separator is
// the one passed in (the user's locale); most displays then replace "," by ".".

#include <string>
#include <string_view>

namespace velunta {

std::string Format(double value, std::string_view pattern, std::string_view decimal_point = ".");
std::string Format(float value, std::string_view pattern, std::string_view decimal_point = ".");

// Every "," replaced by ".": the point-as-separator rule of most displays.
std::string point(std::string text);

// The plain numeric form: the text read back as a number and written with a
// point, no trailing zeros, a minus sign or one leading blank ("-6.94", " 2").
std::string numericForm(const std::string& formatted, std::string_view decimal_point = ".");

// The shortest text that reads back as the same double, for machine-read
// output; a float widened to double prints its exact single-precision value.
std::string shortestText(double value);

}  // namespace velunta
