#pragma once
// How a text typed into one of the seven input fields becomes a model input.
//
// While the user types, a text that is a whole number the field accepts (after
// rounding to the field's pattern) is taken at once; any other text is pending
// and the model keeps its last accepted value. Finishing the edit (Enter,
// leaving the field, a command) reads the text as the field always has, runs the
// field's own tests, then the limits, and puts a replacement in place of a
// refused value. A whole set of inputs (the command line, a preset) is stored
// first and checked afterwards, field by field in the tab order, so that the
// order in which it is given does not matter.

#include <optional>
#include <string_view>
#include <vector>

#include "model/input_checks.h"

namespace velunta {

// The fields in the window's tab order.
extern const InputField kTabOrder[inputFieldCount];

// A field's text read as the field keeps numbers: rounded to its pattern.
struct FieldText {
    double value = 0;       // 0 for a text that is no number
    bool whole = false;     // the text is one number and nothing else
    bool overflow = false;  // beyond the range of a double
};
FieldText readFieldText(InputField field, std::string_view text);

// The value a field takes on while the user types, or nothing: the text is pending.
std::optional<double> acceptWhileTyping(const Model& m, InputField field, std::string_view text);

// The field's tests for the value the model now holds, then its limits. `before`
// is what a number beyond the limits or beyond a double is replaced with.
std::optional<Refusal> refusalOf(const Model& m, InputField field, bool overflow, double before);

struct FinishedEdit {
    double value;                   // what the field keeps: the text's number or the replacement
    std::optional<Refusal> refusal; // the message to show, if the text was refused
};
// Finishing an edit of `text`; `before` is the field's value when the edit began.
FinishedEdit finishEdit(const Model& m, InputField field, std::string_view text, double before);

struct InputSetting {
    InputField field;
    double value;
    bool overflow = false;
};
struct FieldRefusal {
    InputField field;
    Refusal refusal;
};
// Stores every setting (rounded to its field's pattern), then checks the fields
// given in the tab order and replaces refused values. Returns the refusals, in that order.
std::vector<FieldRefusal> applyInputs(Model& m, const std::vector<InputSetting>& settings);

}  // namespace velunta
