#pragma once
// Ranges and scales of the three drawings, computed on the model alone so that
// the headless report can give them without any window:
//   minmax_ranges    the trajectory picture (height range, zoom, ball column)
//   minmax_2_ranges  the Y(t) and Vy(t) graphs (time and velocity ranges)
// The procedures minmax and minmax_2 (plot/minmax.h) call these and then give
// the canvases their user coordinates.

#include "model/model.h"

namespace velunta {

// xmin, ymin, ymax, x_left, y_bottom, y_top, x_right, X from Ymax0, Ymax1, mashtab_y.
void minmax_ranges(Model& m);

// t_max, t_left, t_right, Vy_max, Vy_min, Vy_top, Vy_bottom from the flight
// times, V0y and mashtab_t. Needs Tmax1 and Tmax2 of the landing computations.
void minmax_2_ranges(Model& m);

}  // namespace velunta
