#pragma once
// The set-up most model tests share: a model started as the program starts,
// given the inputs, with its stages run as a recompute runs them.

#include "model/model.h"

namespace velunta {

// The constants always; the linear model's landing and the full model unless left out.
inline Model computed(const InputValues& in, bool linear = true, bool full = true, const char* decimal_point = ".") {
    Model m;
    m.set_defaults();
    m.set_inputs(in);
    m.locale_decimal_point = decimal_point;
    m.parametr();
    if (linear) m.raschet1();
    if (full) m.raschet2();
    return m;
}

}  // namespace velunta
