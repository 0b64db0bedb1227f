#pragma once
// minmax and minmax_2: the plot ranges (plot/plot_ranges.h) followed by the
// user coordinates of the canvases. A null canvas is skipped, so the ranges can
// be had without any window.

#include "model/model.h"
#include "draw/drawing_surface.h"

namespace velunta {

// Ranges of the trajectory picture; Picture1 gets Scale (x_left, y_top)-(x_right, y_bottom).
void minmax(Model& m, DrawingSurface* Picture1);

// Ranges of the two graphs; Picture2 gets Scale (t_left, y_top)-(t_right, y_bottom),
// Picture3 Scale (t_left, Vy_top)-(t_right, Vy_bottom).
void minmax_2(Model& m, DrawingSurface* Picture2, DrawingSurface* Picture3);

}  // namespace velunta
