#include "plot/grid_steps.h"

#include <cmath>

namespace velunta {

namespace {
constexpr std::int16_t kGridDivisions = 10;
}

// nearbyint rounds in the default mode, to the nearest with halves to even.
double snap_grid_step(double step) {
    if (step <= 0.25) return 0.25;
    if (step <= 0.5) return 0.5;
    return std::nearbyint(step);
}

float snap_grid_step(float step) {
    if (step <= 0.25f) return 0.25f;
    if (step <= 0.5f) return 0.5f;
    return std::nearbyint(step);
}

void axes_quantities(Model& m) {
    m.n_setki = kGridDivisions;
    m.shag_setki_y = snap_grid_step((m.y_top - m.y_bottom) / m.n_setki);
    // The ball is never drawn smaller than a hundredth of the picture's height.
    m.d_shar = float(m.d);
    if (m.d_shar < 0.01 * m.y_top) m.d_shar = float(0.01 * m.y_top);
}

void axes_2_quantities(Model& m) {
    m.t = m.t_min;
    m.n_setki = kGridDivisions;
    m.shag_setki_t = snap_grid_step((m.t_right - m.t_left) / m.n_setki);
    m.shag_setki_y = snap_grid_step((m.y_top - m.y_bottom) / m.n_setki);
}

void axes_3_quantities(Model& m) {
    m.t = m.t_min;
    m.n_setki = kGridDivisions;
    m.shag_setki_t = snap_grid_step((m.t_right - m.t_left) / m.n_setki);
    m.shag_setki_Vy = snap_grid_step(float((m.Vy_top - m.Vy_bottom) / m.n_setki));
}

}  // namespace velunta
