#pragma once
// How far each input may go before the model stops making sense for a school
// lesson or its arithmetic would leave the range of a double. The classic field
// checks know no such bounds; a value beyond them is refused like the others.

#include <optional>
#include <string>

#include "model/input_checks.h"

namespace velunta {

struct InputLimit {
    double largest;      // the largest value accepted (for the velocity: magnitude)
    const char* message; // what the user is told
};

const InputLimit& inputLimit(InputField field);

// The message when `value` lies beyond the field's bound, or nothing.
std::optional<std::string> limitExceeded(InputField field, double value);

// The message for a number beyond the range of a double (say 1e400).
extern const char* const kNumberTooLarge;

}  // namespace velunta
