#pragma once
// Grid steps of the three drawings and the drawn size of the ball: the
// quantities that the axes procedures write, computed without a canvas (the
// headless report needs them too).

#include "model/model.h"

namespace velunta {

// A grid step taken to a readable value: up to 0.25 gives 0.25, up to 0.5 gives
// 0.5, anything larger goes to the nearest whole number (a half to the even one).
double snap_grid_step(double step);
float snap_grid_step(float step);

// Trajectory picture: n_setki, shag_setki_y and the ball's drawn diameter d_shar.
void axes_quantities(Model& m);
// Coordinate graph: n_setki, t (reset to t_min), shag_setki_t, shag_setki_y.
void axes_2_quantities(Model& m);
// Velocity graph: n_setki, t (reset to t_min), shag_setki_t, shag_setki_Vy.
void axes_3_quantities(Model& m);

}  // namespace velunta
