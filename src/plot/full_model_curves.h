#pragma once
// The curves of the full model (linear plus quadratic drag) from its closed
// forms, drawn in red on the coordinate and velocity graphs: what the pictures
// and the worksheet show where the window shows the animated run.

#include "draw/drawing_surface.h"
#include "model/model.h"

namespace velunta {

// Y(t) on Picture2 and Vy(t) on Picture3, three pixels wide, from the launch
// to the landing in n steps. The model's procedures must have run.
void drawFullModelCurves(const Model& m, DrawingSurface& Picture2, DrawingSurface& Picture3);

}  // namespace velunta
