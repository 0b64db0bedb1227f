#pragma once
// The static frame of each drawing, in the user coordinates minmax/minmax_2 set:
// thick then thin black axes, the light green numbered grid, the captions; on
// the trajectory picture also the marks of the three maximum heights and the
// ball at its starting point.

#include "model/model.h"
#include "draw/colours.h"
#include "draw/drawing_surface.h"

namespace velunta {

// Trajectory picture Picture1 and the ball Shape1 inside it.
void axes(Model& m, DrawingSurface& Picture1, Shape& Shape1);
// Coordinate graph Y(t).
void axes_2(Model& m, DrawingSurface& Picture2);
// Velocity graph Vy(t).
void axes_3(Model& m, DrawingSurface& Picture3);

// Size and place the ball: d_shar high, as wide on the screen as high, its
// centre at (X, h). Picture1's size in pixels gives the aspect.
void place_ball(const Model& m, const DrawingSurface& Picture1, Shape& Shape1);

}  // namespace velunta
