#include "model/input_acceptance.h"

#include <cmath>

#include "model/format.h"
#include "model/input_limits.h"
#include "model/number_reader.h"

namespace velunta {

const InputField kTabOrder[inputFieldCount] = {InputField::V0y, InputField::h,   InputField::d, InputField::massa,
                                               InputField::r0,  InputField::eta, InputField::c};

namespace {

// The number as the field shows it: a positive value too small for the pattern becomes 0.
double rounded(InputField field, double value) {
    return ReadNumber(point(Format(value, fieldInfo(field).pattern))).value;
}

int separators(std::string_view text) {
    int count = 0;
    for (char ch : text) count += ch == '.' || ch == ',';
    return count;
}

// A replacement goes through the field's tests as a typed value would: a fixed
// replacement (0.004084 kg for a mass of 0) can make the ball lighter than the
// medium, and the field's next test then replaces it in turn.
double replaced(Model candidate, InputField field, const Refusal& refusal, double before) {
    double value = rounded(field, refusal.replacement);
    for (int pass = 0; pass < 3; ++pass) {
        inputValue(candidate, field) = value;
        const std::optional<Refusal> again = refusalOf(candidate, field, false, before);
        if (!again) break;
        value = rounded(field, again->replacement);
    }
    return value;
}

}  // namespace

FieldText readFieldText(InputField field, std::string_view text) {
    // "1.2.3" or "1,5.2": two decimal marks make no number, whatever its leading part.
    if (separators(text) > 1) return {};
    const NumberReading reading = ReadNumber(text);
    if (reading.overflow) return {0, reading.whole, true};
    return {rounded(field, reading.value), reading.whole, false};
}

std::optional<double> acceptWhileTyping(const Model& m, InputField field, std::string_view text) {
    const FieldText read = readFieldText(field, text);
    if (!read.whole || read.overflow) return std::nullopt;
    Model candidate = m;
    inputValue(candidate, field) = read.value;
    if (refusalOf(candidate, field, false, 0)) return std::nullopt;
    return read.value;
}

std::optional<Refusal> refusalOf(const Model& m, InputField field, bool overflow, double before) {
    if (overflow) return Refusal{kNumberTooLarge, before};
    if (auto refusal = checkInput(m, field)) return refusal;
    if (auto message = limitExceeded(field, inputValue(m, field))) return Refusal{*message, before};
    return std::nullopt;
}

FinishedEdit finishEdit(const Model& m, InputField field, std::string_view text, double before) {
    const FieldText read = readFieldText(field, text);
    Model candidate = m;
    inputValue(candidate, field) = read.value;
    if (auto refusal = refusalOf(candidate, field, read.overflow, before))
        return {replaced(candidate, field, *refusal, before), refusal};
    return {read.value, std::nullopt};
}

std::vector<FieldRefusal> applyInputs(Model& m, const std::vector<InputSetting>& settings) {
    Model before = m;
    bool given[inputFieldCount] = {}, overflow[inputFieldCount] = {};
    for (const InputSetting& s : settings) {
        given[int(s.field)] = true;
        overflow[int(s.field)] = s.overflow;
        inputValue(m, s.field) = s.overflow ? inputValue(before, s.field) : rounded(s.field, s.value);
    }
    // The fields not given were accepted before, and the one test they share with
    // others (the ball denser than the medium) is made by any of d, massa, r0 given.
    std::vector<FieldRefusal> refusals;
    for (InputField field : kTabOrder) {
        if (!given[int(field)]) continue;
        if (auto refusal = refusalOf(m, field, overflow[int(field)], inputValue(before, field))) {
            inputValue(m, field) = replaced(m, field, *refusal, inputValue(before, field));
            refusals.push_back({field, *refusal});
        }
    }
    return refusals;
}

}  // namespace velunta
