#pragma once
// Where an axis caption goes so that it covers no number of the grid: its own
// place if that is free, else the nearest free place inside the picture.

#include <QList>
#include <QPointF>
#include <QRectF>

namespace velunta {

// The top-left corner for a box `wanted` (pixels) that overlaps none of `taken`
// and stays inside `bounds`, moved as little as possible; `wanted`'s own corner
// when it is free or when no free place is found.
QPointF freePlace(const QRectF& wanted, const QList<QRectF>& taken, const QRectF& bounds);

}  // namespace velunta
