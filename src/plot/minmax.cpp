#include "plot/minmax.h"

#include "plot/plot_ranges.h"

namespace velunta {

void minmax(Model& m, DrawingSurface* Picture1) {
    minmax_ranges(m);
    // Ground at the bottom edge, heights growing upwards.
    if (Picture1) Picture1->Scale(m.x_left, m.y_top, m.x_right, m.y_bottom);
}

void minmax_2(Model& m, DrawingSurface* Picture2, DrawingSurface* Picture3) {
    minmax_2_ranges(m);
    // The coordinate graph shares the trajectory picture's height range, zoom included.
    if (Picture2) Picture2->Scale(m.t_left, m.y_top, m.t_right, m.y_bottom);
    if (Picture3) Picture3->Scale(m.t_left, m.Vy_top, m.t_right, m.Vy_bottom);
}

}  // namespace velunta
