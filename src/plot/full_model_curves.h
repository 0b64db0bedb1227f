#pragma once
// The curves of the full model (linear plus quadratic drag) from its closed
// forms, drawn in red on the coordinate and velocity graphs: thin beside the
// other two models as soon as the inputs are known, and thick where the
// pictures and the worksheet show what the window's animated run draws.

#include "draw/drawing_surface.h"
#include "model/model.h"

namespace velunta {

// Y(t) on Picture2 and Vy(t) on Picture3, `width` pixels wide, from the launch
// to the landing in n steps. The model's procedures must have run. The pens'
// widths are given back as they were.
void drawFullModelCurves(const Model& m, DrawingSurface& Picture2, DrawingSurface& Picture3, int width = 3);

}  // namespace velunta
