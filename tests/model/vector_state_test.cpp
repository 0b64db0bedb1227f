// The two speed measures of the numeric code change no result: the shortcut of
// e^(-x) where it underflows, and the clean vector state at the start of the stages.

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "model/clean_vector_state.h"
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

// The upper state components in use (XINUSE); bits 2 and 6 are AVX's uppers.
bool upperStateInUse() {
    unsigned eax = 0, edx = 0;
    __asm__ volatile("xgetbv" : "=a"(eax), "=d"(edx) : "c"(1));
    return (eax & 0x44) != 0;
}

TEST(CleanVectorState, ClearsWhatDrawingLeft) {
    __builtin_cpu_init();
    if (!__builtin_cpu_supports("avx")) {
        velunta::cleanVectorState();  // must not fault on a processor without AVX
        GTEST_SKIP() << "no AVX: nothing to clear";
    }
    unsigned a = 0, b = 0, c = 0, d = 0;
    __asm__("cpuid" : "=a"(a), "=b"(b), "=c"(c), "=d"(d) : "a"(0xD), "c"(1));
    if (!(a & 4)) GTEST_SKIP() << "the processor does not report the state in use";
    dirtyUpperState();
    ASSERT_TRUE(upperStateInUse());
    velunta::cleanVectorState();
    EXPECT_FALSE(upperStateInUse());
}
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
