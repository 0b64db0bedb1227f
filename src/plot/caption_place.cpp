#include "plot/caption_place.h"

#include <limits>

namespace velunta {

namespace {
constexpr double kGap = 2;  // pixels between a caption and a number
}

QPointF freePlace(const QRectF& wanted, const QList<QRectF>& taken, const QRectF& bounds) {
    const auto isFree = [&](const QRectF& r) {
        for (const QRectF& t : taken)
            if (r.intersects(t)) return false;
        return true;
    };
    if (isFree(wanted)) return wanted.topLeft();
    // The nearest free place has an edge against a number (or is the wanted
    // place along that axis), so these positions are enough to try.
    QList<double> xs{wanted.left()}, ys{wanted.top()};
    for (const QRectF& t : taken) {
        xs << t.right() + kGap << t.left() - kGap - wanted.width();
        ys << t.bottom() + kGap << t.top() - kGap - wanted.height();
    }
    QPointF best = wanted.topLeft();
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const double x : xs)
        for (const double y : ys) {
            const QRectF r(QPointF(x, y), wanted.size());
            const double dx = x - wanted.left(), dy = y - wanted.top(), distance = dx * dx + dy * dy;
            if (distance < bestDistance && bounds.contains(r) && isFree(r)) {
                best = r.topLeft();
                bestDistance = distance;
            }
        }
    return best;
}

}  // namespace velunta
