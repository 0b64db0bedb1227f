#include "model/number_reader.h"

#include <charconv>
#include <cstdint>
#include <string>

namespace velunta {
namespace {

// Walks the text and skips blanks before every character it looks at.
class BlankSkippingCursor {
public:
    explicit BlankSkippingCursor(std::string_view text) : text_(text) {}

    // The next character that is not a blank, or '\0' at the end.
    char peek() {
        skipBlanks();
        return at_ < text_.size() ? text_[at_] : '\0';
    }
    void advance() {
        skipBlanks();
        if (at_ < text_.size()) ++at_;
    }
    std::size_t position() const { return at_; }
    void rewind(std::size_t position) { at_ = position; }

private:
    static bool isBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }
    void skipBlanks() {
        while (at_ < text_.size() && isBlank(text_[at_])) ++at_;
    }
    std::string_view text_;
    std::size_t at_ = 0;
};

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }



int digitValue(char ch, int base) {
    int value = -1;
    if (ch >= '0' && ch <= '9') value = ch - '0';
    else if (ch >= 'a' && ch <= 'f') value = ch - 'a' + 10;
    else if (ch >= 'A' && ch <= 'F') value = ch - 'A' + 10;
    return value < base ? value : -1;
}

// "&H..." or "&O..." after the '&': a whole number in the width of the
// classic integer types (16 bits, then 32 bits).
NumberReading readRadixNumber(BlankSkippingCursor& cursor) {
    const char letter = cursor.peek();
    int base = 0;
    if (letter == 'H' || letter == 'h') base = 16;
    else if (letter == 'O' || letter == 'o') base = 8;
    else return {};
    cursor.advance();

    constexpr std::uint64_t kMax32 = 0xFFFFFFFFu;
    std::uint64_t value = 0;
    bool too_big = false;
    if (digitValue(cursor.peek(), base) < 0) return {};
    for (int digit; (digit = digitValue(cursor.peek(), base)) >= 0; cursor.advance()) {
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > kMax32) {
            too_big = true;
            value = kMax32;  // keep consuming digits without wrapping around
        }
    }
    if (too_big) return {0.0, true, true};
    if (value <= 0xFFFF)
        return {static_cast<double>(value >= 0x8000 ? static_cast<std::int64_t>(value) - 0x10000
                                                    : static_cast<std::int64_t>(value)),
                false, true};
    return {static_cast<double>(value >= 0x80000000u ? static_cast<std::int64_t>(value) - 0x100000000
                                                     : static_cast<std::int64_t>(value)),
            false, true};
}

// Reads "digits[.digits]" into a digit string (leading zeros dropped) and the
// position of the point relative to its first digit.
struct Mantissa {
    std::string digits;        // significant digits, no leading zeros
    long long point = 0;       // value = 0.digits * 10^point
    bool any_digit = false;    // at least one digit was read, zeros included
};

Mantissa readMantissa(BlankSkippingCursor& cursor) {
    Mantissa mantissa;
    bool after_point = false;
    for (;; cursor.advance()) {
        const char ch = cursor.peek();
        if ((ch == '.' || ch == ',') && !after_point) {
            after_point = true;
            continue;
        }
        if (!isDigit(ch)) break;
        mantissa.any_digit = true;
        if (ch == '0' && mantissa.digits.empty()) {
            if (after_point) --mantissa.point;  // 0.00x: the first digit moves right
            continue;
        }
        mantissa.digits.push_back(ch);
        if (!after_point) ++mantissa.point;
    }
    return mantissa;
}

// The exponent part "E|D [sign] digits"; 0 and nothing consumed when the
// letter is not followed by digits. Saturates far beyond any double.
long long readExponent(BlankSkippingCursor& cursor) {
    const char letter = cursor.peek();
    if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return 0;
    const std::size_t start = cursor.position();
    cursor.advance();
    bool negative = false;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        negative = cursor.peek() == '-';
        cursor.advance();
    }
    if (!isDigit(cursor.peek())) {
        cursor.rewind(start);
        return 0;
    }
    constexpr long long kSaturation = 1'000'000'000'000LL;
    long long exponent = 0;
    for (; isDigit(cursor.peek()); cursor.advance())
        if (exponent < kSaturation) exponent = exponent * 10 + (cursor.peek() - '0');
    return negative ? -exponent : exponent;
}

NumberReading readDecimal(BlankSkippingCursor& cursor) {
    bool negative = false;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        negative = cursor.peek() == '-';
        cursor.advance();
    }
    const Mantissa mantissa = readMantissa(cursor);
    if (!mantissa.any_digit) return {};
    const long long exponent = readExponent(cursor);
    // From here on a number was read: `whole` says so until ReadNumber looks at what follows.
    if (mantissa.digits.empty()) return {0.0, false, true};  // all zeros, whatever the exponent

    // Power of ten of the first digit; far outside the double range the
    // answer is known without converting.
    const long long leading_power = mantissa.point + exponent - 1;
    if (leading_power > 400) return {0.0, true, true};
    if (leading_power < -400) return {0.0, false, true};

    // A plain "0.<digits>e<power>" text that from_chars rounds correctly,
    // whatever the C locale says about the decimal point.
    const std::string plain = "0." + mantissa.digits + "e" + std::to_string(mantissa.point + exponent);
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (leading_power > 0) return {0.0, true, true};
        return {0.0, false, true};  // below the smallest double
    }
    return {negative ? -value : value, false, true};
}

}  // namespace

NumberReading ReadNumber(std::string_view text) {
    BlankSkippingCursor cursor(text);
    NumberReading reading;
    if (cursor.peek() == '&') {
        cursor.advance();
        reading = readRadixNumber(cursor);
    } else {
        reading = readDecimal(cursor);
    }
    // The readers set `whole` when they read a digit; nothing but blanks may follow.
    reading.whole = reading.whole && cursor.peek() == '\0';
    return reading;
}

double Val(std::string_view text) {
    return ReadNumber(text).value;
}

std::optional<double> ValChecked(std::string_view text) {
    const NumberReading reading = ReadNumber(text);
    if (reading.overflow) return std::nullopt;
    return reading.value;
}

}  // namespace velunta
