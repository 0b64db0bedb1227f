#include "model/format.h"

#include <charconv>
#include <cmath>

#include "model/decimal_digits.h"
#include "model/format_pattern.h"
#include "model/number_reader.h"

namespace velunta {
namespace {

// Digits of a double shown to 15 significant places, of a float to 7: the
// precision with which each type is displayed before the pattern's rounding.
constexpr int kDoubleDigits = 15;
constexpr int kFloatDigits = 7;

std::string nonFinite(double value) {
    if (std::isnan(value)) return "nan";
    return value < 0 ? "-inf" : "inf";
}

std::string fixedText(const DecimalDigits& number, const FormatPattern& pattern,
                      std::string_view decimal_point) {
    std::string text;
    if (number.negative) text.push_back('-');
    const int highest = number.isZero() ? -1 : number.exponent;
    for (int power = std::max(highest, pattern.integer_digits - 1); power >= 0; --power)
        text.push_back(number.digitAt(power));
    if (pattern.fraction_digits > 0) {
        text.append(decimal_point);
        for (int power = -1; power >= -pattern.fraction_digits; --power)
            text.push_back(number.digitAt(power));
    }
    return text;
}

std::string exponentText(int exponent, const FormatPattern& pattern) {
    std::string text(1, pattern.exponent_letter);
    if (exponent < 0) text.push_back('-');
    else if (pattern.exponent_plus) text.push_back('+');
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < pattern.exponent_digits)
        digits.insert(0, static_cast<std::size_t>(pattern.exponent_digits) - digits.size(), '0');
    return text + digits;
}

std::string scientificText(DecimalDigits number, const FormatPattern& pattern,
                           std::string_view decimal_point) {
    const int integer_digits = pattern.integer_digits;
    number.roundToSignificant(integer_digits + pattern.fraction_digits);
    // Shift the point so that `integer_digits` digits stand before it.
    const int shown_exponent = number.isZero() ? 0 : number.exponent - (integer_digits - 1);
    const int top = number.isZero() ? integer_digits - 1 : number.exponent;

    std::string text;
    if (number.negative) text.push_back('-');
    for (int i = 0; i < integer_digits; ++i) text.push_back(number.digitAt(top - i));
    if (pattern.fraction_digits > 0) {
        text.append(decimal_point);
        for (int i = 0; i < pattern.fraction_digits; ++i)
            text.push_back(number.digitAt(top - integer_digits - i));
    }
    return text + exponentText(shown_exponent, pattern);
}

std::string formatDigits(DecimalDigits number, std::string_view pattern_text,
                         std::string_view decimal_point) {
    const FormatPattern pattern = FormatPattern::parse(pattern_text);
    if (pattern.scientific) return scientificText(std::move(number), pattern, decimal_point);
    number.roundAtPower(-pattern.fraction_digits);
    return fixedText(number, pattern, decimal_point);
}

}  // namespace

std::string Format(double value, std::string_view pattern, std::string_view decimal_point) {
    if (!std::isfinite(value)) return nonFinite(value);
    return formatDigits(DecimalDigits::of(value, kDoubleDigits), pattern, decimal_point);
}

std::string Format(float value, std::string_view pattern, std::string_view decimal_point) {
    if (!std::isfinite(value)) return nonFinite(value);
    return formatDigits(DecimalDigits::of(value, kFloatDigits), pattern, decimal_point);
}

std::string point(std::string text) {
    for (char& ch : text)
        if (ch == ',') ch = '.';
    return text;
}

std::string numericForm(const std::string& formatted, std::string_view decimal_point) {
    // Back to a point separator, then read it as the input fields read numbers.
    std::string text = formatted;
    if (!decimal_point.empty() && decimal_point != ".") {
        for (std::size_t at = text.find(decimal_point); at != std::string::npos;
             at = text.find(decimal_point, at + 1))
            text.replace(at, decimal_point.size(), ".");
    }
    const double value = Val(text);

    DecimalDigits number = DecimalDigits::of(value, kDoubleDigits);
    number.trimTrailingZeros();
    if (number.isZero()) return " 0";  // -0 included: zero is not negative

    std::string result(1, number.negative ? '-' : ' ');
    const int last_power = number.exponent - static_cast<int>(number.digits.size()) + 1;
    // Plain decimals for ordinary magnitudes; very large or tiny values keep
    // an exponent so that the text stays short.
    if (number.exponent >= 15 || number.exponent < -5) {
        result.push_back(number.digits[0]);
        if (number.digits.size() > 1) result.append(".").append(number.digits, 1);
        FormatPattern exponent_style;
        exponent_style.exponent_digits = 2;
        return result + exponentText(number.exponent, exponent_style);
    }
    for (int power = std::max(number.exponent, 0); power >= 0; --power)
        result.push_back(number.digitAt(power));
    if (last_power < 0) {
        result.push_back('.');
        for (int power = -1; power >= last_power; --power) result.push_back(number.digitAt(power));
    }
    return result;
}

std::string shortestText(double value) {
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    return std::string(buf, end);
}

}  // namespace velunta
