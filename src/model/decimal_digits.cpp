#include "model/decimal_digits.h"

#include <charconv>
#include <cstdlib>

namespace velunta {

char DecimalDigits::digitAt(int power) const {
    const long index = static_cast<long>(exponent) - power;
    if (index < 0 || index >= static_cast<long>(digits.size())) return '0';
    return digits[static_cast<std::size_t>(index)];
}

DecimalDigits DecimalDigits::of(double value, int significant) {
    DecimalDigits result;
    if (value == 0) return result;  // -0.0 as well: shown as a plain zero
    result.negative = value < 0;

    // to_chars ignores the C locale, unlike printf, so a comma locale set by
    // the toolkit cannot sneak into the digit string.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::abs(value),
                                       std::chars_format::scientific, significant - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));

    // "d.ddddde+XX" (no point when significant is 1)
    const std::size_t e = text.find('e');
    result.digits.clear();
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') result.digits.push_back(text[i]);
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(),
                    result.exponent);
    return result;
}

void DecimalDigits::roundAtPower(int lowest_power) {
    if (isZero()) return;
    // Number of digits kept: those standing at 10^exponent .. 10^lowest_power.
    const long keep = static_cast<long>(exponent) - lowest_power + 1;
    if (keep >= static_cast<long>(digits.size())) return;
    if (keep < 0) {
        digits = "0";
        exponent = 0;
        return;
    }
    const bool round_up = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (!round_up) {
        if (digits.empty() || isZero()) {
            digits = "0";
            exponent = 0;
        }
        return;
    }
    // Add one unit in the last kept place, carrying through nines.
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
        digits.insert(digits.begin(), '1');
        ++exponent;
    } else {
        ++digits[i - 1];
    }
}

void DecimalDigits::roundToSignificant(int count) {
    roundAtPower(exponent - count + 1);
}

void DecimalDigits::trimTrailingZeros() {
    const std::size_t last = digits.find_last_not_of('0');
    digits.resize(last == std::string::npos ? 1 : last + 1);
}

}  // namespace velunta
