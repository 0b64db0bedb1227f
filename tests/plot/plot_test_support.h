#pragma once
// Shared by the plot tests: the closed forms, the three canvases drawn as the
// window draws them at its design size, and pixel look-ups in user coordinates.

#include <cmath>

#include "app/pipeline.h"
#include "plot/axes.h"
#include "plot/curves.h"
#include "plot/minmax.h"
#include "ui/canvas.h"

namespace plot_test {

using namespace velunta;
using Inputs = InputValues;

// Closed forms of the vacuum and the linear-drag models.
inline double linearY(const Model& m, double t) {
    return m.h - m.Vp * t - m.tau * (m.V0y + m.Vp) * std::expm1(-t / m.tau);
}
inline double linearVy(const Model& m, double t) { return (m.V0y + m.Vp) * std::exp(-t / m.tau) - m.Vp; }
inline double vacuumY(const Model& m, double t) { return m.h + m.V0y * t - 9.814 * t * t / 2; }
inline double vacuumVy(const Model& m, double t) { return m.V0y - 9.814 * t; }

// The model of a throw and Picture1 to Picture3 (145 x 485, 773 x 382) after the recompute pipeline.
struct Drawn {
    Model m;
    Canvas Picture1, Picture2, Picture3;
    Shape* Shape1 = new Shape(&Picture1);
    explicit Drawn(const Inputs& in, float zoom = 1.0f) {
        m.set_defaults();
        m.set_inputs(in);
        m.mashtab_y = zoom;
        recompute(m);
        for (Canvas* c : {&Picture1, &Picture2, &Picture3}) c->setFontSize(11.25), c->resize(773, 382);
        Picture1.resize(145, 485);
        minmax(m, &Picture1);
        axes(m, Picture1, *Shape1);
        minmax_2(m, &Picture2, &Picture3);
        axes_2(m, Picture2);
        axes_3(m, Picture3);
        raschet3(m, Picture1, Picture2, Picture3);
    }
};

inline QPoint pixelOf(const Canvas& c, double x, double y) {  // the pixel that holds the user point
    return QPoint(int(std::floor(c.toPixel(x, y).x())), int(std::floor(c.toPixel(x, y).y())));
}
inline QColor colourAt(const Canvas& c, double x, double y) { return c.image().pixelColor(pixelOf(c, x, y)); }
inline const QColor black(0, 0, 0), green(0x80, 0xFF, 0x80), blue(0, 0, 255), red(255, 0, 0);  // as painted

}  // namespace plot_test
