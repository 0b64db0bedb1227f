#pragma once
// The times a scan reaches by repeating `t = t + step` from t = 0 in double
// precision, for any number of repetitions, without doing them all.
//
// The accumulated sum is not k*step: every addition rounds, and after many
// millions of steps the sum can drift by whole steps. Within one binade
// [2^e, 2^(e+1)) every double is a multiple of the same unit u, so adding the
// step there always adds the same multiple of u (once the ties-to-even parity
// has settled, which takes one addition). The clock stores one run per binade,
// found by a couple of real additions, and answers t_k exactly from it.
//
// Once t + step == t the sum never moves again: the clock reports that index
// as frozen_from() and answers the frozen value for every later k.

#include <cstdint>
#include <vector>

namespace velunta {

class AccumulatedClock {
public:
    explicit AccumulatedClock(double step);

    // The value of t after k additions of the step to 0.
    double at(std::uint64_t k) const;

    // The first k with t_k + step == t_k: from there on t no longer changes.
    std::uint64_t frozen_from() const { return frozen_from_; }

    double step() const { return step_; }

private:
    // t_k = t_first + (k - first) * delta for first <= k <= last.
    struct Run {
        std::uint64_t first;
        std::uint64_t last;
        double t_first;
        double delta;
    };
    void addPoint(std::uint64_t k, double t) { runs_.push_back({k, k, t, 0}); }

    double step_;
    std::vector<Run> runs_;
    std::uint64_t frozen_from_ = 0;
    double frozen_value_ = 0;
};

}  // namespace velunta
