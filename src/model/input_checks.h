#pragma once
// The checks of the seven input fields: which values the model is not built
// for, the message that says why, and the value put in their place.

#include <optional>
#include <string>
#include <string_view>

#include "model/model.h"

namespace velunta {

enum class InputField { h, V0y, d, massa, r0, eta, c };

struct FieldInfo {
    InputField field;
    const char* quantity;  // the model quantity's name
    const char* control;   // the text box that holds it
    const char* pattern;   // how the field shows it
    bool beeps;            // whether a refusal sounds the tone first
};

// All seven fields, in the order of the parameter panel.
const FieldInfo* inputFields();  // 7 entries
constexpr int inputFieldCount = 7;
const FieldInfo& fieldInfo(InputField field);
const FieldInfo* findField(std::string_view quantityOrControl);

double& inputValue(Model& m, InputField field);
double inputValue(const Model& m, InputField field);

struct Refusal {
    std::string message;  // shown in the box titled "Ошибка"
    double replacement;   // the value the field gets instead
};

// Applies the field's tests in order to the value now stored in the model;
// the first test that holds decides. The model is not changed.
std::optional<Refusal> checkInput(const Model& m, InputField field);

}  // namespace velunta
