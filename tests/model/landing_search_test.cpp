// The helpers behind the landing times: the accumulated clock must give the
// very sums a scan reaches, and the fast crossing search the scan's own stop.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <tuple>

#include "model/accumulated_clock.h"
#include "model/landing_search.h"

namespace velunta {
namespace {

// 1 + 2^-52 is half a unit above 1 for every t in [2, 4): each addition there
// is a tie, rounded to even; the last step is subnormal.
TEST(Clock, MatchesRealAdditionsAtEveryStepAndFreezes) {
    for (double step : {1.0135168 / 5000, 0.1, 1 + 0x1p-52, 0x1p-30 + 0x1p-82,
                        3 * std::numeric_limits<double>::denorm_min()}) {
        const AccumulatedClock clock(step);
        double t = 0;
        for (std::uint64_t k = 0; k <= 2000000; ++k, t = t + step) ASSERT_EQ(clock.at(k), t) << step << " " << k;
    }
    // Once t + step == t it stays (2^53 + 1 rounds to 2^53).
    const std::uint64_t top = std::uint64_t(1) << 53;
    EXPECT_EQ(AccumulatedClock(1.0).at(top + 1000), double(top));
}

// The scan as written, without any bound, for the reference.
template <class F>
GridCrossing plainScan(double step, double start, const F& f) {
    GridCrossing c;
    for (c.y = start; c.y > 0; ++c.index) {
        c.t_before = c.t;
        c.t = c.t + step;
        c.y = f(c.t);
    }
    return c;
}

// start + bulge*(1 - e^(-t)) - rate*t plus a ripple standing in for rounding
// noise: a slow hump, noise near the root, and noise larger than the change per
// step, where the sign flips back and forth and only the stepwise stretch finds the stop.
TEST(Crossing, SameStopAsThePlainScan) {
    struct Curve { double step, start, rate, bulge, wiggle; };
    for (const Curve& c : {Curve{1e-3, 5, 0.01, 20, 0}, Curve{1e-5, 30, 0.7, 3, 1e-9}, Curve{1e-6, 2, 1, 0, 1e-5}}) {
        const auto curve = [&c](double t) {
            return c.start + c.bulge * (1 - std::exp(-t)) - c.rate * t + c.wiggle * std::sin(1e7 * t);
        };
        const auto bound = [&c](double) { return c.wiggle + 1e-15 * (c.start + c.bulge); };
        const GridCrossing fast = find_first_crossing(c.step, c.start, 1000, curve, bound);
        const GridCrossing slow = plainScan(c.step, c.start, curve);
        EXPECT_TRUE(fast.on_grid && fast.same_as_scan && slow.index > 1000000);
        EXPECT_EQ(std::tie(fast.index, fast.t, fast.y, fast.t_before),
                  std::tie(slow.index, slow.t, slow.y, slow.t_before));
    }
}

// With a step of 1 the grid freezes at 2^53, long before the root at 1e17.
TEST(Crossing, FrozenGridIsBracketedOffTheGrid) {
    const auto curve = [](double t) { return 1e17 - t; };
    const GridCrossing c = find_first_crossing(1.0, 1e17, 1000, curve, [](double t) { return 1e-15 * t; });
    EXPECT_FALSE(c.on_grid);
    EXPECT_TRUE(curve(c.t) <= 0 && curve(c.t_before) > 0 && std::nextafter(c.t_before, 1e300) == c.t);
}

}  // namespace
}  // namespace velunta
