#include "model/format_pattern.h"

namespace velunta {

FormatPattern FormatPattern::parse(std::string_view pattern) {
    FormatPattern result;
    result.integer_digits = 0;
    result.exponent_digits = 0;
    enum class Part { Integer, Fraction, Exponent } part = Part::Integer;
    for (const char ch : pattern) {
        switch (ch) {
        case '0':
            if (part == Part::Integer) ++result.integer_digits;
            else if (part == Part::Fraction) ++result.fraction_digits;
            else ++result.exponent_digits;
            break;
        case '.':
            if (part == Part::Integer) part = Part::Fraction;
            break;
        case 'E':
        case 'e':
            if (part != Part::Exponent) {
                part = Part::Exponent;
                result.scientific = true;
                result.exponent_letter = ch;
            }
            break;
        case '+':
        case '-':
            if (part == Part::Exponent) result.exponent_plus = ch == '+';
            break;
        default:  // '#' and anything else: no digit is forced
            break;
        }
    }
    // A mantissa always shows one integer digit.
    if (result.scientific && result.integer_digits == 0) result.integer_digits = 1;
    return result;
}

}  // namespace velunta
