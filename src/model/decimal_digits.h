#pragma once
// A finite number as a decimal digit string, so that display rounding can be
// done on the decimal digits themselves: a value like 2.0005 is stored in binary
// a hair below the half, but shown to 15 significant digits it is exactly
// 2.00050000000000 and must round up.

#include <string>

namespace velunta {

struct DecimalDigits {
    bool negative = false;
    // Significant digits d0 d1 d2 ..., value = d0.d1d2... * 10^exponent.
    // Zero is the single digit "0" with exponent 0.
    std::string digits = "0";
    int exponent = 0;

    bool isZero() const { return digits.find_first_not_of('0') == std::string::npos; }

    // The decimal digit standing at 10^power (0 beyond the stored digits).
    char digitAt(int power) const;

    // The finite value taken to `significant` digits (correctly rounded from
    // the binary value). Precondition: value is finite.
    static DecimalDigits of(double value, int significant);

    // Rounds half away from zero so that the last kept digit stands at
    // 10^lowest_power. A carry may lengthen the number (9.9996 -> 10.000);
    // a value that falls below half a unit becomes zero but keeps its sign.
    void roundAtPower(int lowest_power);

    // Rounds half away from zero to `count` significant digits (count >= 1).
    void roundToSignificant(int count);

    // Drops the trailing zeros of the digit string (keeps one digit).
    void trimTrailingZeros();
};

}  // namespace velunta
