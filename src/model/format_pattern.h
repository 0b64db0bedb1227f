#pragma once
// The parts of a number pattern such as "#0.000" or "0.000000E+00".

#include <string_view>

namespace velunta {

struct FormatPattern {
    int integer_digits = 1;       // '0's before the point: the least number of integer digits
    int fraction_digits = 0;      // '0's after the point
    bool scientific = false;      // an exponent part follows
    char exponent_letter = 'E';   // 'E' or 'e', as written in the pattern
    bool exponent_plus = true;    // "E+": sign always; "E-": only a minus
    int exponent_digits = 2;      // least number of exponent digits

    // Reads "[#...][0...][.0...][E|e][+|-][0...]". Characters outside that
    // family are ignored.
    static FormatPattern parse(std::string_view pattern);
};

}  // namespace velunta
