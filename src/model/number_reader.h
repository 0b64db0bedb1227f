#pragma once
// Reading a number typed into an input field, in the manner of the classic
// BASIC Val function:
//   - the leading number of the text is taken; "." and "," both mark the
//     decimals ("1,5" reads 1.5, as a Russian keyboard types it);
//   - blanks (space, tab, CR, LF) are skipped wherever they stand, also
//     between digits ("1 2.5" reads 12.5, "1 e 3" reads 1000);
//   - an optional sign, digits with at most one point, and an optional
//     exponent: E or D in either case, optional sign, digits. An exponent
//     letter without digits after it is not part of the number ("1e+" reads 1);
//   - "&H" + hexadecimal or "&O" + octal digits (H/O in either case) read as a
//     whole number typed like the classic integer literals: up to &HFFFF it is
//     a 16-bit value (&HFFFF is -1, &H8000 is -32768), up to &HFFFFFFFF a
//     32-bit value (&H10000 is 65536, &HFFFFFFFF is -1); more is an overflow.
//     A sign before "&" is not read ("-&H10" reads 0);
//   - a text without a leading number reads 0. Any other byte, such as a
//     Cyrillic letter in UTF-8, ends the reading.

#include <optional>
#include <string_view>

namespace velunta {

struct NumberReading {
    double value = 0;       // always finite; 0 when overflow is set
    bool overflow = false;  // the number lies beyond the range of a double
    bool whole = false;     // the text is one number and nothing else (blanks aside)
};

NumberReading ReadNumber(std::string_view text);

// The number of the text; a number beyond the range of a double (say 1e400)
// reads as 0, as a text that is not a number does, so that the field checks
// treat it like an empty field instead of passing an infinity on. Numbers too
// small for a double (1e-400) read as 0 as well, without an overflow.
double Val(std::string_view text);

// As Val, but empty when the number lies beyond the range of a double, so
// that the caller can refuse it with a message.
std::optional<double> ValChecked(std::string_view text);

}  // namespace velunta
