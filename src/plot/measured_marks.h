#pragma once
// The points of a measured fall on the Y(t) and Vy(t) graphs: small hollow
// circles, a shape no curve has, in a colour of their own; a velocity worked
// out from the heights (no measured one in the table) is a filled dot, so the
// reader sees it is derived. The graphs' ranges widen to hold the points.

#include <vector>

#include "draw/drawing_surface.h"
#include "model/measured_data.h"
#include "model/model.h"

namespace velunta {

constexpr Colour kMeasuredColour = RGB(150, 0, 150);
constexpr int kMarkerRadius = 4;  // pixels

// The points as the graphs show them, in the order measured: with the first
// point moved to the launch (0, h) when the data ask for it; Vy measured, or
// by central differences of the heights when the table has none.
struct MeasuredMarks {
    std::vector<double> t, Y, Vy;
    bool derivedVy = false;  // Vy worked out from the heights
    bool empty() const { return t.empty(); }
};
MeasuredMarks measuredMarks(const MeasuredData& data, const Model& m);

// Widens t_max, y_top, Vy_top and Vy_bottom to hold the points and gives the
// graphs their new user coordinates. Without points nothing changes.
void coverMeasured(Model& m, const MeasuredMarks& marks, DrawingSurface* Picture2, DrawingSurface* Picture3);

// One marker centred on a user point: hollow, or filled for a derived value.
void drawMarker(DrawingSurface& graph, double x, double y, bool filled);

// The markers on both graphs; the pens are given back as they were.
void drawMeasured(const MeasuredMarks& marks, DrawingSurface& Picture2, DrawingSurface& Picture3);

// The index of the point nearest in time to t, or -1 without points.
int nearestMark(const MeasuredMarks& marks, double t);

}  // namespace velunta
