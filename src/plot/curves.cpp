#include "plot/curves.h"

#include <cmath>

#include "model/relaxation.h"
#include "plot/axes.h"

namespace velunta {

namespace {
// exp(-x). Beyond x = 745.2 exp underflows to exactly 0, through a slow path of
// the library that a long flight in a viscous medium would take thousands of
// times per curve.
double relaxation(double x) { return x > 745.2 ? 0.0 : std::exp(-x); }

// The canvas takes each coordinate in single precision.
void lineTo(DrawingSurface& canvas, double x, double y, Colour c) { canvas.LineTo(float(x), float(y), c); }
}  // namespace

void raschet3(Model& m, DrawingSurface& Picture1, DrawingSurface& Picture2, DrawingSurface& Picture3) {
    Picture1.setDrawWidth(1);
    Picture2.setDrawWidth(1);
    // The moments of the three tops, from the ground up to each model's height.
    Picture2.Line(m.Tp0, 0, m.Tp0, m.Ymax0, kBlack);
    Picture2.Line(m.Tp1, 0, m.Tp1, m.Ymax1, kBlue);
    Picture2.Line(m.Tp2, 0, m.Tp2, m.Ymax2, kRed);

    Picture2.setDrawWidth(3);
    Picture3.setDrawWidth(3);

    // Vacuum.
    Picture2.PSet(0, m.h, kBlack);
    Picture3.PSet(0, m.V0y, kBlack);
    for_each_curve_time(m.t, m.Tmax0, m.n, [&m, &Picture2, &Picture3](double t) {
        m.Y = (m.h + m.V0y * t) - (9.814 * t * t) / 2;
        m.Vy = m.V0y - 9.814 * t;
        lineTo(Picture2, t, m.Y, kBlack);
        lineTo(Picture3, t, m.Vy, kBlack);
    });

    // Linear drag: relaxation towards the terminal velocity -Vp with time constant tau.
    Picture2.PSet(0, m.h, kBlue);
    Picture3.PSet(0, m.V0y, kBlue);
    for_each_curve_time(m.t, m.Tmax1, m.n, [&m, &Picture2, &Picture3](double t) {
        const double e = relaxation(t / m.tau);
        m.Y = (m.h - t * m.Vp) + (m.V0y + m.Vp) * m.tau * one_minus_exp(t / m.tau);
        m.Vy = (m.V0y + m.Vp) * e - m.Vp;
        lineTo(Picture2, t, m.Y, kBlue);
        lineTo(Picture3, t, m.Vy, kBlue);
    });
}

}  // namespace velunta
