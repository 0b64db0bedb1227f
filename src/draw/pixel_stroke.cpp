#include "draw/pixel_stroke.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace velunta {

namespace {

std::int64_t limited(std::int64_t v) { return std::clamp(v, -kPixelLimit, kPixelLimit); }

// Floor and ceiling of values within a few times kPixelLimit, without a libm call.
std::int64_t floorOf(double v) {
    const auto i = std::int64_t(v);
    return double(i) > v ? i - 1 : i;
}
std::int64_t ceilOf(double v) {
    const auto i = std::int64_t(v);
    return double(i) < v ? i + 1 : i;
}

// A one-pixel line: at each step along the major axis the pixel nearest to the
// true line, as Bresenham's loop picks them (a half goes away from the end
// where the walk starts).
// Computed per step from the closed form, so that only the visible stretch of
// a long line costs time. With the ends within kPixelLimit every product fits
// in 64 bits.
void thinLine(const PixelBuffer& buf, PixelPoint a, PixelPoint b, std::uint32_t argb) {
    const bool xMajor = std::abs(b.x - a.x) >= std::abs(b.y - a.y);
    // Walk from the end with the lower major coordinate, so that a line and its
    // reverse get the same pixels.
    if ((xMajor ? b.x < a.x : b.y < a.y)) std::swap(a, b);
    const std::int64_t dx = b.x - a.x, dy = b.y - a.y;
    const std::int64_t du = xMajor ? dx : dy;  // along the major axis
    const std::int64_t dv = xMajor ? dy : dx;  // along the minor axis
    const std::int64_t au = xMajor ? a.x : a.y, av = xMajor ? a.y : a.x;
    const std::int64_t limitU = xMajor ? buf.width : buf.height;
    const std::int64_t limitV = xMajor ? buf.height : buf.width;
    const std::int64_t adu = std::abs(du), adv = std::abs(dv);
    // Pixel (u, v) in the buffer, whichever axis is the major one.
    const std::int64_t strideU = xMajor ? 1 : buf.stride, strideV = xMajor ? buf.stride : 1;

    const std::int64_t uFirst = std::max<std::int64_t>(std::min(au, au + du), 0);
    const std::int64_t uLast = std::min<std::int64_t>(std::max(au, au + du), limitU - 1);
    if (adv == 0) {  // along an axis
        if (av < 0 || av >= limitV) return;
        std::uint32_t* p = buf.bits + av * strideV;
        for (std::int64_t u = uFirst; u <= uLast; ++u) p[u * strideU] = argb;
        return;
    }
    for (std::int64_t u = uFirst; u <= uLast; ++u) {
        const std::int64_t k = u - au;  // steps from the start
        // round(k * adv / adu), the half rounded up; k, adv, adu are not negative.
        const std::int64_t off = (2 * k * adv + adu) / (2 * adu);
        const std::int64_t v = av + (dv >= 0 ? off : -off);
        if (v >= 0 && v < limitV) buf.bits[u * strideU + v * strideV] = argb;
    }
}

// Round pen of the given width: the capsule of radius width/2 around the
// segment between pixel centres. A pixel is inside when 4 * dist^2 <= width^2,
// tested exactly in integers of type Int (64 bits where the products fit,
// else 128).
template <typename Int>
void roundPen(const PixelBuffer& buf, PixelPoint a, PixelPoint b, int width, std::uint32_t argb) {
    const std::int64_t dx = b.x - a.x, dy = b.y - a.y;
    const Int len2 = Int(dx) * dx + Int(dy) * dy;
    const Int w2len2 = Int(width) * width * len2;
    const Int w2 = Int(width) * width;
    const double r = width / 2.0;
    // Centres sit at whole offsets from the ends, so no row farther than floor(r)
    // from the segment's rows can hold one.
    const std::int64_t reach = width / 2;
    constexpr double kSlack = 1e-6;  // rounding of the column bounds below

    const std::int64_t yFirst = std::max<std::int64_t>(std::min(a.y, b.y) - reach, 0);
    const std::int64_t yLast = std::min<std::int64_t>(std::max(a.y, b.y) + reach, buf.height - 1);
    const double segLow = double(std::min(a.y, b.y)), segHigh = double(std::max(a.y, b.y));
    const double slope = dy != 0 ? double(dx) / double(dy) : 0;

    for (std::int64_t y = yFirst; y <= yLast; ++y) {
        // Columns that can hold the capsule on this row: the segment's x over
        // the rows within r of this one, widened by r.
        double xLow, xHigh;
        if (dy == 0) {
            xLow = double(std::min(a.x, b.x));
            xHigh = double(std::max(a.x, b.x));
        } else {
            const double x1 = double(a.x) + (std::clamp(double(y) - r, segLow, segHigh) - double(a.y)) * slope;
            const double x2 = double(a.x) + (std::clamp(double(y) + r, segLow, segHigh) - double(a.y)) * slope;
            xLow = std::min(x1, x2);
            xHigh = std::max(x1, x2);
        }
        const std::int64_t xFirst = std::max<std::int64_t>(ceilOf(xLow - r - kSlack), 0);
        const std::int64_t xLast = std::min<std::int64_t>(floorOf(xHigh + r + kSlack), buf.width - 1);
        std::uint32_t* row = buf.bits + y * buf.stride;
        const std::int64_t py = y - a.y, qy = y - b.y;
        for (std::int64_t x = xFirst; x <= xLast; ++x) {
            const std::int64_t px = x - a.x;
            const Int dot = Int(px) * dx + Int(py) * dy;
            bool inside;
            if (dot <= 0) {
                inside = 4 * (Int(px) * px + Int(py) * py) <= w2;
            } else if (dot >= len2) {
                const std::int64_t qx = x - b.x;
                inside = 4 * (Int(qx) * qx + Int(qy) * qy) <= w2;
            } else {
                // Distance to the line through a and b: |cross| / |b - a|.
                const Int cross = Int(px) * dy - Int(py) * dx;
                inside = 4 * cross * cross <= w2len2;
            }
            if (inside) row[x] = argb;
        }
    }
}

// The three-pixel pen between neighbouring pixels (the usual step of a dense
// curve): the capsule is then exactly the two 3 x 3 squares around the ends.
void squaresOfThree(const PixelBuffer& buf, PixelPoint a, PixelPoint b, std::uint32_t argb) {
    const std::int64_t xFirst = std::max<std::int64_t>(std::min(a.x, b.x) - 1, 0);
    const std::int64_t xLast = std::min<std::int64_t>(std::max(a.x, b.x) + 1, buf.width - 1);
    const std::int64_t yFirst = std::max<std::int64_t>(std::min(a.y, b.y) - 1, 0);
    const std::int64_t yLast = std::min<std::int64_t>(std::max(a.y, b.y) + 1, buf.height - 1);
    for (std::int64_t y = yFirst; y <= yLast; ++y) {
        std::uint32_t* row = buf.bits + y * buf.stride;
        for (std::int64_t x = xFirst; x <= xLast; ++x)
            // Diagonal steps leave out the two far corners of the bounding box.
            if (std::abs(x - a.x) <= 1 && std::abs(y - a.y) <= 1) row[x] = argb;
            else if (std::abs(x - b.x) <= 1 && std::abs(y - b.y) <= 1) row[x] = argb;
    }
}

}  // namespace

void strokeSegment(const PixelBuffer& buffer, PixelPoint a, PixelPoint b, int width, std::uint32_t argb) {
    if (!buffer.bits || buffer.width <= 0 || buffer.height <= 0) return;
    a = {limited(a.x), limited(a.y)};
    b = {limited(b.x), limited(b.y)};
    if (width <= 1) {
        thinLine(buffer, a, b, argb);
        return;
    }
    if (width == 3 && std::abs(b.x - a.x) <= 1 && std::abs(b.y - a.y) <= 1) {
        squaresOfThree(buffer, a, b, argb);
        return;
    }
    // 64-bit products are exact while every coordinate offset stays below 2^14
    // and the pen below 1024 pixels: 4 * cross^2 < 2^60, width^2 * len^2 < 2^50.
    constexpr std::int64_t kSmall = std::int64_t(1) << 13;
    const bool small = width < 1024 && buffer.width < kSmall && buffer.height < kSmall &&
                       std::abs(a.x) < kSmall && std::abs(a.y) < kSmall && std::abs(b.x) < kSmall &&
                       std::abs(b.y) < kSmall;
    if (small)
        roundPen<std::int64_t>(buffer, a, b, width, argb);
    else
        roundPen<__int128>(buffer, a, b, width, argb);
}

}  // namespace velunta
