#pragma once
// The searches behind the landing times of the two resistance models.
//
// Both landings start with the classroom scan "while Y > 0: t = t + step;
// Y = Y(t)" on the grid of accumulated times, and then refine inside the last
// step. The scan has no bound of its own: a slow fall in a very viscous medium
// needs billions of steps, and a step that no longer changes t never ends.
// find_first_crossing() gives the scan's own answer fast:
//
//  1. The scan as written, for up to `literal_steps` steps.
//  2. Beyond that, a galloping search over grid indices, with the grid times
//     taken from AccumulatedClock (the exact accumulated sums, not k*step).
//     A probe only counts as "everything before is positive" when its value
//     clears twice the caller's rounding bound of the coordinate: the true
//     curve is concave or decreasing on the descent, so it lies above the
//     smaller of its start value and that probe on the whole way there, and
//     the computed values before it are positive for sure. The last stretch
//     between such a probe and a known non-positive one is scanned step by
//     step again, continuing the accumulation from the probe's time. So the
//     index, time and value found are those of the scan itself.
//  3. If the accumulated time freezes (t + step == t) above ground, the scan
//     would never end; the crossing is then bracketed on the continuous time
//     axis between two neighbouring doubles instead (on_grid = false).

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/accumulated_clock.h"

namespace velunta {

// Steps the scan makes as written before the fast search takes over. A step
// costs 10 to 40 ns (an exponential, and a logarithm for the full model), so
// this keeps both landings together within a few milliseconds; the stop found
// beyond is the same either way.
inline constexpr std::uint64_t kLiteralScanSteps = 50000;
// Steps of the final step-by-step stretch before it is given up for a plain
// bisection (only when the rounding bound is useless, far from real inputs).
inline constexpr std::uint64_t kLocalScanSteps = 50000;

struct GridCrossing {
    std::uint64_t index = 0;   // additions made by the scan when it stopped
    double t = 0;              // time at the stop: the first grid time with Y <= 0
    double y = 0;              // coordinate there
    double t_before = 0;       // the grid time before, with Y > 0 (= t when index is 0)
    bool on_grid = true;       // false: the grid froze above ground, see 3. above
    bool same_as_scan = true;  // the scan as written would stop here too
};

namespace landing_detail {

// A computed coordinate y at t whose true curve is above the caller's bound at
// every grid time up to t, so every computed value up to t is positive. The
// coordinate may be single precision, hence the relative slack.
template <class ErrorBound>
bool clearsBound(double y, double t, double start, const ErrorBound& error_bound) {
    const double e = error_bound(t) + 0x1p-140;
    return y * (1 - 0x1p-22) > 2 * e && start > 2 * e;
}

// Smallest index in (lo, hi] with coordinate <= 0, when the coordinate is
// positive at lo and not at hi and no better guarantee is possible.
template <class Coordinate>
GridCrossing bisectIndices(const AccumulatedClock& clock, std::uint64_t lo, std::uint64_t hi,
                           const Coordinate& coordinate) {
    while (hi - lo > 1) {
        const std::uint64_t mid = lo + (hi - lo) / 2;
        if (coordinate(clock.at(mid)) > 0)
            lo = mid;
        else
            hi = mid;
    }
    GridCrossing c;
    c.index = hi;
    c.t = clock.at(hi);
    c.y = coordinate(c.t);
    c.t_before = clock.at(lo);
    c.same_as_scan = false;
    return c;
}

// The grid froze at t_lo with a positive coordinate: bracket the crossing by
// doubling a width from t_lo, then halve down to neighbouring doubles.
template <class Coordinate>
GridCrossing bracketOffGrid(double t_lo, double y_lo, double step, const Coordinate& coordinate) {
    GridCrossing c;
    c.on_grid = false;
    c.same_as_scan = false;
    double width = std::max(step, 0x1p-1000);
    double t_hi = t_lo, y_hi = y_lo;
    bool found = false;
    for (int i = 0; i < 2200 && std::isfinite(width); ++i, width *= 2) {
        const double probe = t_lo + width;
        if (!(probe > t_lo)) continue;
        if (!std::isfinite(probe)) break;
        const double y = coordinate(probe);
        if (y > 0) {
            t_lo = probe;
            y_lo = y;
        } else {
            t_hi = probe;
            y_hi = y;
            found = true;
            break;
        }
    }
    if (!found) {  // no crossing at any finite time: stay at the last positive point
        c.t = c.t_before = t_lo;
        c.y = y_lo;
        return c;
    }
    for (;;) {
        const double mid = t_lo + (t_hi - t_lo) / 2;
        if (!(mid > t_lo && mid < t_hi)) break;
        const double y = coordinate(mid);
        if (y > 0) {
            t_lo = mid;
        } else {
            t_hi = mid;
            y_hi = y;
        }
    }
    c.t = t_hi;
    c.y = y_hi;
    c.t_before = t_lo;
    return c;
}

// 2. and 3. above, from grid index `lo` (time t_lo, coordinate y_lo > 0), when
// every computed coordinate up to lo is known to be positive.
template <class Coordinate, class ErrorBound>
GridCrossing searchBeyond(double step, double start, std::uint64_t lo, double t_lo, double y_lo,
                          const Coordinate& coordinate, const ErrorBound& error_bound) {
    if (!(step > 0) || !std::isfinite(step)) return bracketOffGrid(t_lo, y_lo, step, coordinate);
    const AccumulatedClock clock(step);
    const std::uint64_t frozen = clock.frozen_from();
    if (frozen <= lo) return bracketOffGrid(t_lo, y_lo, step, coordinate);

    // Gallop until a grid index with Y <= 0 is found.
    std::uint64_t hi = 0;
    for (std::uint64_t span = std::max<std::uint64_t>(lo, 1);; span *= 2) {
        const std::uint64_t probe = frozen - lo <= span ? frozen : lo + span;
        const double t = clock.at(probe);
        const double y = coordinate(t);
        if (!(y > 0)) {
            hi = probe;
            break;
        }
        if (probe == frozen) return bracketOffGrid(t, y, step, coordinate);
        if (clearsBound(y, t, start, error_bound)) lo = probe;
    }

    // Narrow down to the last index that clears the bound; `hi` stays a known
    // non-positive index.
    std::uint64_t upper = hi;
    while (upper - lo > 1) {
        const std::uint64_t mid = lo + (upper - lo) / 2;
        const double t = clock.at(mid);
        const double y = coordinate(t);
        if (!(y > 0)) {
            upper = hi = mid;
        } else if (clearsBound(y, t, start, error_bound)) {
            lo = mid;
        } else {
            upper = mid;
        }
    }

    // The scan itself over the last stretch, from the accumulated time at lo.
    GridCrossing c;
    double t = clock.at(lo);
    for (std::uint64_t k = lo; k < hi;) {
        if (k - lo >= kLocalScanSteps) return bisectIndices(clock, k, hi, coordinate);
        const double t_before = t;
        t = t + step;
        ++k;
        const double y = coordinate(t);
        if (!(y > 0)) {
            c.index = k;
            c.t = t;
            c.y = y;
            c.t_before = t_before;
            return c;
        }
    }
    // Not reached: the scan stops at hi at the latest.
    c.index = hi;
    c.t = clock.at(hi);
    c.y = coordinate(c.t);
    c.t_before = clock.at(hi - 1);
    return c;
}

}  // namespace landing_detail

// The first grid time t_k (accumulated from 0 in steps of `step`) at which the
// coordinate is not positive, as the scan finds it. `start` is the coordinate
// at t = 0; `coordinate(t)` must be the very expression the scan evaluates;
// `error_bound(t)` bounds |computed - true| of the coordinate at every time up
// to t and must not decrease with t. The true curve must be concave or
// decreasing from t = 0 on.
template <class Coordinate, class ErrorBound>
GridCrossing find_first_crossing(double step, double start, std::uint64_t literal_steps,
                                 const Coordinate& coordinate, const ErrorBound& error_bound) {
    double t = 0, y = start, t_before = 0;
    std::uint64_t k = 0;
    while (y > 0) {
        if (k == literal_steps) return landing_detail::searchBeyond(step, start, k, t, y, coordinate, error_bound);
        t_before = t;
        t = t + step;
        y = coordinate(t);
        ++k;
    }
    GridCrossing c;
    c.index = k;
    c.t = t;
    c.y = y;
    c.t_before = k ? t_before : t;
    return c;
}

}  // namespace velunta
