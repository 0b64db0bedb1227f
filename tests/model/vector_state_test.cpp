// The two speed measures of the numeric code change no result: the shortcut of
// e^(-x) where it underflows, and the clean vector state at the start of the stages
// (whether it saves time is for the keystroke benchmark to show).

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "model/relaxation.h"
#include "computed.h"

namespace {

TEST(Decay, BitForBitTheLibrarysExp) {
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    // Around the last x whose e^(-x) is not 0 (745.1332...), and beyond.
    for (double x : {-3.0, 0.0, 1.0, 700.0, 745.13, 745.1332, 745.1333, 745.14, 745.2, 745.21, 1e4, inf, nan})
        EXPECT_EQ(std::bit_cast<std::uint64_t>(velunta::decay(x)), std::bit_cast<std::uint64_t>(std::exp(-x)))
            << "x = " << x;
}

#if defined(__x86_64__)
// Leaves the upper halves of the AVX registers in use, as Qt's fills do (the
// compiler, not knowing, adds no vzeroupper). Only where the processor has AVX.
void dirtyUpperState() { __asm__ volatile("vpcmpeqd %%ymm1, %%ymm1, %%ymm1" ::: "xmm1"); }
#endif

// The stages give the same bits whether they start with a clean or a dirty
// upper state (a vzeroupper across a live vector value would break this).
TEST(CleanVectorState, StagesGiveTheSameResults) {
    auto run = [](bool dirty) {
#if defined(__x86_64__)
        __builtin_cpu_init();
        if (dirty && __builtin_cpu_supports("avx")) dirtyUpperState();
#endif
        return velunta::computed({10, 5, 0.01, 0.001, 1260, 1.4, 0.47});
    };
    const velunta::Model clean = run(false), dirty = run(true);
    const auto bits = [](const velunta::Model& m) { return std::bit_cast<std::array<std::uint64_t, 3>>(std::array{m.Tp2, m.Tmax1, m.Tmax2}); };
    EXPECT_EQ(bits(clean), bits(dirty));
    EXPECT_EQ(clean.labels.captions(), dirty.labels.captions());
}

}  // namespace
