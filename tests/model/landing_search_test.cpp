// The helpers behind the landing times: the accumulated clock must give the
// very sums a scan reaches, the fast crossing search the scan's own stop, and
// the descent bisection its rules for a zero product and a bracket that can
// no longer shrink.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "model/accumulated_clock.h"
#include "model/landing_bisection.h"
#include "model/landing_search.h"

using velunta::AccumulatedClock;
using velunta::bisect_descent;
using velunta::find_first_crossing;
using velunta::GridCrossing;

namespace {

// ---- Accumulated clock ----------------------------------------------------------

struct ClockCase {
    const char* name;
    double step;
    std::uint64_t steps;  // compared one by one with real additions
};

const ClockCase kClockCases[] = {
    {"DefaultGrid", 1.0135168 / 5000, 3000000},
    {"OneTenth", 0.1, 3000000},
    {"OneThird", 1.0 / 3, 2000000},
    // 1 + 2^-52 is half a unit above 1 for every t in [2, 4): each addition
    // there is a tie, rounded to even.
    {"TiesToEven", 1 + 0x1p-52, 2000000},
    {"TiesToEvenSmall", 0x1p-30 + 0x1p-82, 2000000},
    {"Tiny", 3.7e-9, 2000000},
    {"Large", 12345.678, 1000000},
    {"Subnormal", 3 * std::numeric_limits<double>::denorm_min(), 1000000},
};

class ClockMatchesAdditions : public ::testing::TestWithParam<ClockCase> {};

TEST_P(ClockMatchesAdditions, AtEveryStep) {
    const ClockCase& c = GetParam();
    const AccumulatedClock clock(c.step);
    double t = 0;
    for (std::uint64_t k = 0; k <= c.steps; ++k) {
        ASSERT_EQ(clock.at(k), t) << "k = " << k;
        t = t + c.step;
    }
}

INSTANTIATE_TEST_SUITE_P(Clock, ClockMatchesAdditions, ::testing::ValuesIn(kClockCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Far along, the sum is not k*step: the clock must follow the rounding of each
// addition, checked against real additions continued from a checkpoint.
TEST(Clock, DriftsFromTheProductAndStillMatches) {
    const double step = 0.1;
    const AccumulatedClock clock(step);
    const std::uint64_t checkpoint = 40000000;
    double t = clock.at(checkpoint);
    EXPECT_NE(t, checkpoint * step);
    EXPECT_GT(std::fabs(t - checkpoint * step), 1e-7);
    for (std::uint64_t k = checkpoint; k < checkpoint + 100000; ++k) {
        ASSERT_EQ(clock.at(k), t);
        t = t + step;
    }
}

TEST(Clock, FreezesWhenTheStepIsLost) {
    // Whole numbers are exact up to 2^53; 2^53 + 1 rounds back to 2^53.
    const AccumulatedClock clock(1.0);
    const std::uint64_t top = std::uint64_t(1) << 53;
    EXPECT_EQ(clock.frozen_from(), top);
    EXPECT_EQ(clock.at(123456789), 123456789.0);
    EXPECT_EQ(clock.at(top - 1), double(top - 1));
    EXPECT_EQ(clock.at(top + 1000), double(top));
}

TEST(Clock, NoClockForAStepThatDoesNotMove) {
    EXPECT_EQ(AccumulatedClock(0.0).frozen_from(), 0u);
    EXPECT_EQ(AccumulatedClock(0.0).at(10), 0.0);
}

// ---- First grid crossing ----------------------------------------------------------

// The scan as written, without any bound, for the reference.
template <class F>
GridCrossing plainScan(double step, double start, const F& f) {
    GridCrossing c;
    double t = 0, y = start, before = 0;
    while (y > 0) {
        before = t;
        t = t + step;
        y = f(t);
        ++c.index;
    }
    c.t = t;
    c.y = y;
    c.t_before = before;
    return c;
}

struct CurveCase {
    const char* name;
    double step;
    double start;
    double rate;     // fall speed of the line part
    double bulge;    // height of a concave hump, or 0
    double wiggle;   // amplitude of a rounding-like noise, bounded by the caller's bound
};

// Concave or decreasing curves: start + bulge*(1 - e^(-t)) - rate*t, plus a
// deterministic ripple standing in for rounding noise.
const CurveCase kCurves[] = {
    {"ShortLine", 1e-3, 2, 1, 0, 0},            // 2000 steps: the plain scan alone
    {"LongLine", 1e-4, 300, 1, 0, 0},           // 3 million steps
    {"Hump", 1e-3, 5, 0.01, 20, 0},             // rises first, falls slowly
    {"Noisy", 1e-5, 30, 0.7, 3, 1e-9},          // noise near the root
    {"NoisyFlat", 1e-6, 1, 1e-3, 0, 1e-10},     // a billion steps, tiny slope
    // Noise larger than the change per step: near the root the sign flips
    // back and forth, and only the step-by-step stretch finds the scan's stop.
    {"NoisierThanAStep", 1e-6, 2, 1, 0, 1e-5},
};

class CrossingMatchesScan : public ::testing::TestWithParam<CurveCase> {};

TEST_P(CrossingMatchesScan, SameIndexTimeAndValue) {
    const CurveCase& c = GetParam();
    const auto curve = [&c](double t) {
        const double ripple = c.wiggle * std::sin(1e7 * t);
        return c.start + c.bulge * (1 - std::exp(-t)) - c.rate * t + ripple;
    };
    const auto bound = [&c](double) { return c.wiggle + 1e-15 * (c.start + c.bulge); };
    const GridCrossing fast = find_first_crossing(c.step, c.start, 1000, curve, bound);
    EXPECT_TRUE(fast.on_grid);
    EXPECT_TRUE(fast.same_as_scan);
    const AccumulatedClock clock(c.step);
    EXPECT_EQ(fast.t, clock.at(fast.index));
    EXPECT_EQ(fast.t_before, clock.at(fast.index - 1));
    EXPECT_LE(fast.y, 0);
    EXPECT_GT(curve(fast.t_before), 0);
    if (fast.index <= 5000000) {
        const GridCrossing slow = plainScan(c.step, c.start, curve);
        EXPECT_EQ(fast.index, slow.index);
        EXPECT_EQ(fast.t, slow.t);
        EXPECT_EQ(fast.y, slow.y);
        EXPECT_EQ(fast.t_before, slow.t_before);
    }
}

INSTANTIATE_TEST_SUITE_P(Crossing, CrossingMatchesScan, ::testing::ValuesIn(kCurves),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Crossing, FrozenGridIsBracketedOffTheGrid) {
    // With a step of 1 the grid freezes at 2^53, long before 1e17.
    const double root = 1e17;
    const auto curve = [root](double t) { return root - t; };
    const GridCrossing c = find_first_crossing(1.0, root, 1000, curve, [](double t) { return 1e-15 * t; });
    EXPECT_FALSE(c.on_grid);
    EXPECT_LE(curve(c.t), 0);
    EXPECT_GT(curve(c.t_before), 0);
    EXPECT_EQ(std::nextafter(c.t_before, 1e300), c.t);
}

// ---- Descent bisection ----------------------------------------------------------

TEST(DescentBisection, CountsHalvingsMinusOne) {
    // Halving 2^-12 s down to 1e-8 s takes 15 halvings (2^-12/2^15 < 1e-8 < 2^-12/2^14).
    const auto line = [](double t) { return float(0.30001 - t); };
    const auto b = bisect_descent(0.3 - 0x1p-13, 0.3 + 0x1p-13, line);
    EXPECT_EQ(b.passes_after_first, 14);
    EXPECT_LE(b.T_2 - b.T_1, 1e-8);
    EXPECT_LE(b.T_1, 0.30001);
    EXPECT_GE(b.T_2, 0.30001);
}

TEST(DescentBisection, ZeroProductMovesTheLowerEnd) {
    // The first midpoint is an exact zero of the coordinate: the product is 0,
    // so T_1 moves there; from then on the product stays 0 and T_1 climbs to
    // the upper end, which never moves.
    const auto line = [](double t) { return float(1 - t); };
    const auto b = bisect_descent(0.5, 1.5, line);
    EXPECT_EQ(b.T_2, 1.5);
    EXPECT_GT(b.T_1, 1.5 - 1e-8);
}

TEST(DescentBisection, ProductIsRoundedToSinglePrecision) {
    // Opposite signs, but the product 1e-60 underflows to -0 in single
    // precision, which is not negative: T_1 moves although the root is below.
    const auto tiny = [](double t) { return t < 0.25 ? 1e-30f : -1e-30f; };
    const auto b = bisect_descent(0.0, 1.0, tiny);
    EXPECT_EQ(b.T_2, 1.0);
    // With a product that does not underflow the root is found.
    const auto plain = [](double t) { return t < 0.25 ? 1e-3f : -1e-3f; };
    const auto c = bisect_descent(0.0, 1.0, plain);
    EXPECT_NEAR(c.T_1, 0.25, 1e-8);
}

TEST(DescentBisection, EndsWhenNoMidpointIsLeft) {
    // Neighbouring doubles near 1e9 are 1.2e-7 apart, more than 1e-8: the
    // bracket cannot shrink, and the pass would repeat for ever.
    const double lo = 1e9, hi = std::nextafter(1e9, 2e9);
    const auto step = [hi](double t) { return t < hi ? 1.0f : -1.0f; };
    const auto b = bisect_descent(lo, hi, step);
    EXPECT_GE(b.T_1, lo);
    EXPECT_LE(b.T_2, hi);
    EXPECT_LE(b.passes_after_first, 2);
}

}  // namespace
