#pragma once
// Drawing code of the libraries under Qt (image fills, painting) may leave the
// upper halves of the AVX registers in use. Until they are cleared, every SSE
// instruction of the arithmetic that follows, ours and the maths library's
// exp and log alike, runs many times slower. The numeric stages therefore start
// with cleanVectorState(); it costs a few nanoseconds.

namespace velunta {

// Clears the upper halves of the vector registers where the processor has AVX;
// does nothing elsewhere.
void cleanVectorState();

}  // namespace velunta
