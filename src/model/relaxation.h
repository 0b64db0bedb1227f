#pragma once
// 1 - e^(-x), the share of the way to the terminal velocity that the linear
// model's velocity has gone after the time x*tau.

#include <cmath>

namespace velunta {

// e^(-x). Beyond x = 745.2 exp underflows to exactly 0, but through a slow path
// of the library (errno set each time) that a long flight in a viscous medium
// takes at nearly every step of a scan or a curve.
inline double decay(double x) { return x > 745.2 ? 0.0 : std::exp(-x); }

// As the model writes it, except for a small x (a flight short against the
// relaxation time tau, say a heavy ball in air): there 1 - e^(-x) keeps only
// the rounding of e^(-x) near 1, which tau*(V0y + Vp) then magnifies into
// metres, and the same number is taken without the subtraction.
inline double one_minus_exp(double x) { return x < 1e-3 ? -std::expm1(-x) : 1 - decay(x); }

}  // namespace velunta
