#include "model/accumulated_clock.h"

#include <algorithm>
#include <cmath>

namespace velunta {

namespace {

// Exponent of the binade of t >= 0, with the subnormals counted to the lowest
// normal binade: both share the unit 2^-1074.
int binadeOf(double t) { return t < 0x1p-1021 ? -1022 : std::ilogb(t); }

}  // namespace

AccumulatedClock::AccumulatedClock(double step) : step_(step) {
    addPoint(0, 0.0);
    if (!(step > 0) || !std::isfinite(step)) {
        // No forward clock at all; callers do not use one for such a step.
        frozen_from_ = 0;
        frozen_value_ = 0;
        return;
    }
    std::uint64_t k = 0;
    double t = 0;
    for (;;) {
        const double t1 = t + step;
        if (t1 == t) {
            frozen_from_ = k;
            frozen_value_ = t;
            return;
        }
        addPoint(k + 1, t1);
        if (!std::isfinite(t1)) {  // overflow: inf + step stays inf
            frozen_from_ = k + 1;
            frozen_value_ = t1;
            return;
        }
        // Two more real additions: if t1, t2, t3 share a binade, t2 came out of a
        // rounding inside that binade (so a tie has already made it even) and
        // every further addition inside the binade adds exactly t3 - t2.
        const double t2 = t1 + step;
        const double t3 = t2 + step;
        const int e = binadeOf(t1);
        if (std::isfinite(t3) && t3 > t2 && t2 > t1 && binadeOf(t2) == e && binadeOf(t3) == e) {
            const double unit = std::ldexp(1.0, e - 52);
            const double top = std::ldexp(1.0, e + 1);
            const double delta = t3 - t2;
            // x + step rounds by the rule of this binade while x + delta <= top - unit.
            const auto room = static_cast<std::uint64_t>((top - unit - t2) / unit);
            const auto units = static_cast<std::uint64_t>(delta / unit);
            const std::uint64_t count = room / units;  // at least 1, since t3 <= top - unit
            runs_.push_back({k + 2, k + 2 + count, t2, delta});
            k += 2 + count;
            t = t2 + static_cast<double>(count) * delta;  // exact: a multiple of unit below top
        } else {
            k += 1;
            t = t1;
        }
    }
}

double AccumulatedClock::at(std::uint64_t k) const {
    if (k >= frozen_from_) return frozen_value_;
    // The last run that starts at or before k.
    auto it = std::upper_bound(runs_.begin(), runs_.end(), k,
                               [](std::uint64_t index, const Run& run) { return index < run.first; });
    const Run& run = *(it - 1);
    return run.t_first + static_cast<double>(k - run.first) * run.delta;
}

}  // namespace velunta
