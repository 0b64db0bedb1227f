#pragma once
// 1 - e^(-x), the share of the way to the terminal velocity that the linear
// model's velocity has gone after the time x*tau.

#include <cmath>

namespace velunta {

// As the model writes it, except for a small x (a flight short against the
// relaxation time tau, say a heavy ball in air): there 1 - e^(-x) keeps only
// the rounding of e^(-x) near 1, which tau*(V0y + Vp) then magnifies into
// metres, and the same number is taken without the subtraction.
inline double one_minus_exp(double x) { return x < 1e-3 ? -std::expm1(-x) : 1 - std::exp(-x); }

}  // namespace velunta
