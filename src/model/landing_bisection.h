#pragma once
// The two bisections that finish the landing times inside the bracket of the
// scan: the classroom one of the full model's descent, with its single
// precision product and pass counter, and a plain one on doubles that the
// linear model falls back on when its fixed-point iteration does not settle.

#include <cmath>

namespace velunta {

// The bisection of the descent time on [T_1, T_2]: the product of the two
// single-precision coordinates at the midpoint and at T_1, rounded to single
// precision, decides; a negative product moves T_2, anything else (zero
// included) moves T_1. Stops when the bracket is at most 1e-8 s wide, or when
// a pass leaves it unchanged (no double lies between the ends any more, so the
// same pass would repeat for ever).
struct DescentBisection {
    double T_1 = 0, T_2 = 0, T_sr = 0;
    int passes_after_first = 0;  // the counter k: halvings minus one
};

template <class SingleCoordinate>
DescentBisection bisect_descent(double T_1, double T_2, const SingleCoordinate& coordinate) {
    DescentBisection b;
    for (;;) {
        const double was_1 = T_1, was_2 = T_2;
        b.T_sr = (T_2 + T_1) / 2;
        const float product = coordinate(b.T_sr) * coordinate(T_1);
        if (product < 0)
            T_2 = b.T_sr;
        else
            T_1 = b.T_sr;
        if (T_2 - T_1 <= 1e-8) break;
        if (T_1 == was_1 && T_2 == was_2) break;
        ++b.passes_after_first;
    }
    b.T_1 = T_1;
    b.T_2 = T_2;
    return b;
}

// The root of a coordinate that is positive at lo and not at hi, bisected down
// to neighbouring doubles; the end with the smaller coordinate is returned.
template <class Coordinate>
double bisect_root(double lo, double hi, const Coordinate& coordinate) {
    double y_lo = coordinate(lo), y_hi = coordinate(hi);
    for (int i = 0; i < 2200; ++i) {
        const double mid = lo + (hi - lo) / 2;
        if (!(mid > lo && mid < hi)) break;
        const double y = coordinate(mid);
        if (y > 0) {
            lo = mid;
            y_lo = y;
        } else {
            hi = mid;
            y_hi = y;
        }
    }
    return std::fabs(y_hi) < std::fabs(y_lo) ? hi : lo;
}

}  // namespace velunta
