#include "model/clean_vector_state.h"

namespace velunta {

#if defined(__x86_64__) || defined(__i386__)

namespace {

bool hasAvx() {
    // Checks the operating system's support of the AVX state as well.
    static const bool avx = (__builtin_cpu_init(), __builtin_cpu_supports("avx"));
    return avx;
}

}  // namespace

// A vzeroupper where the stages start, rather than building the stages as AVX
// code that does not mix encodings: one instruction reaches the maths library's
// functions as well, and it needs no second build of the numeric code.
// Kept out of line: no vector value of a caller lives across a call.
void cleanVectorState() {
    if (hasAvx()) __asm__ volatile("vzeroupper");
}

#else

void cleanVectorState() {}

#endif

}  // namespace velunta
