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

// A vzeroupper where the stages start. Building the numeric code as AVX code
// that does not mix encodings was as fast, but needs a second build of every
// function the stages reach (or a program that needs AVX), and the maths
// library's own SSE code would still pay; one instruction here covers all.
// Kept out of line: no vector value of a caller lives across a call.
void cleanVectorState() {
    if (hasAvx()) __asm__ volatile("vzeroupper");
}

#else

void cleanVectorState() {}

#endif

}  // namespace velunta
