#pragma once
// Straight segments drawn straight into a 32-bit pixel buffer, the way the
// canvas draws its lines and points. Endpoints are whole pixels (the pixel that
// holds the user point); pixel (x, y) is the square [x, x+1) x [y, y+1).
//
//   width 1: the pixels of the Bresenham line from a to b, both ends included.
//   width w > 1: a round pen: every pixel whose centre lies within w/2 of the
//   segment between the centres of a and b (a capsule). A segment of zero
//   length is a round dot.
//
// Both rules only ever add pixels of one colour, so drawing a polyline point by
// point gives the same pixels as drawing its segments in any order, and a
// segment from a pixel to itself adds nothing to a stroke that already ends
// there with the same pen.

#include <cstdint>

namespace velunta {

struct PixelPoint {
    std::int64_t x = 0, y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelBuffer {
    std::uint32_t* bits = nullptr;  // first row
    std::int64_t stride = 0;        // pixels from one row to the next
    int width = 0, height = 0;
};

// Endpoints beyond this distance (in pixels) from the origin are pulled in
// before drawing, which keeps the integer arithmetic exact.
constexpr std::int64_t kPixelLimit = std::int64_t(1) << 28;

// The pixel that holds the fractional pixel position v (floor), limited to
// +-kPixelLimit. False for NaN.
inline bool toPixelIndex(double v, std::int64_t& index) {
    if (v != v) return false;  // NaN
    if (v <= double(-kPixelLimit)) {
        index = -kPixelLimit;
    } else if (v >= double(kPixelLimit)) {
        index = kPixelLimit;
    } else {
        index = std::int64_t(v);  // towards zero, then one down for negatives: floor
        if (double(index) > v) --index;
    }
    return true;
}

void strokeSegment(const PixelBuffer& buffer, PixelPoint a, PixelPoint b, int width, std::uint32_t argb);

}  // namespace velunta
