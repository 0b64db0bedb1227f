#include "plot/plot_ranges.h"

#include <cmath>

#include "model/constants.h"

namespace velunta {

void minmax_ranges(Model& m) {
    m.xmin = 0;
    m.ymin = 0;
    // The higher of the two analytic tops, in single precision, then up to a whole metre.
    m.ymax = float(m.Ymax1 > m.Ymax0 ? m.Ymax1 : m.Ymax0);
    m.ymax = std::ceil(m.ymax);
    m.x_left = m.xmin;
    m.y_bottom = m.ymin;
    // The zoom stretches the top only; the product is taken in single precision.
    m.y_top = m.mashtab_y * m.ymax;
    // The picture spans as many metres across as up, the ball column in its middle.
    m.x_right = m.y_top;
    m.X = m.x_right / 2;
}

void minmax_2_ranges(Model& m) {
    // Longest flight; on equal times the vacuum wins, then the linear model.
    m.t_max = m.Tmax1 >= m.Tmax2 ? m.Tmax1 : m.Tmax2;
    if (m.Tmax0 >= m.t_max) m.t_max = m.Tmax0;
    m.t_max = std::ceil(m.t_max);
    m.t_left = m.t_min;
    m.t_right = m.t_max * m.mashtab_t;

    m.Vy_max = m.V0y > 0 ? float(m.V0y) : 0.0f;
    m.Vy_max = std::ceil(m.Vy_max);
    // The vacuum landing velocity is the fastest of the three.
    m.Vy_min = std::floor(m.V0y - kGravity * m.Tmax0);
    m.Vy_bottom = m.Vy_min;
    m.Vy_top = m.Vy_max;
}

}  // namespace velunta
