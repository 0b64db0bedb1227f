#pragma once
// Shared by the plot tests: models for a few throws, the three drawing canvases
// at the sizes the window gives them at its design size, and pixel look-ups in
// user coordinates.

#include <QColor>
#include <QImage>
#include <cmath>
#include <memory>

#include "model/model.h"
#include "plot/axes.h"
#include "plot/curves.h"
#include "plot/minmax.h"
#include "ui/canvas.h"

namespace plot_test {

using Inputs = velunta::InputValues;

// The defaults of the program: a 1 cm steel ball thrown up at 3 m/s in water.
inline constexpr Inputs kDefaults{2, 3, 0.01, 0.004084, 1000, 0.001004, 0.47};
// A light ball in a viscous medium: the three models part clearly.
inline constexpr Inputs kHeavyDrag{10, 5, 0.01, 0.001, 1000, 0.1, 0.47};
// Released from rest: no ascent, every top is at t = 0.
inline constexpr Inputs kReleased{10, 0, 0.01, 0.001, 1000, 0.1, 0.47};

// Height of the linear-drag model at time t.
inline double linearY(const velunta::Model& m, double t) {
    return (m.h - t * m.Vp) + (m.V0y + m.Vp) * m.tau * (1 - std::exp(-t / m.tau));
}
inline double linearVy(const velunta::Model& m, double t) {
    return (m.V0y + m.Vp) * std::exp(-t / m.tau) - m.Vp;
}
inline double vacuumY(const velunta::Model& m, double t) { return m.h + m.V0y * t - 9.814 * t * t / 2; }
inline double vacuumVy(const velunta::Model& m, double t) { return m.V0y - 9.814 * t; }

// The characteristics, and flight times found here by bisection on the closed
// form (the plots only need them as the ends of the curves and the ranges).
inline velunta::Model makeModel(const Inputs& in, float zoom = 1.0f) {
    velunta::Model m;
    m.set_defaults();
    m.set_inputs(in);
    m.mashtab_y = zoom;
    m.parametr();
    double low = 0, high = (m.h + (m.V0y + m.Vp) * m.tau) / m.Vp + 1;
    for (int i = 0; i < 200; ++i) {
        const double mid = (low + high) / 2;
        (linearY(m, mid) > 0 ? low : high) = mid;
    }
    m.Tmax1 = low;
    m.Tmax2 = low;
    return m;
}

// Picture1 to Picture3 as the window lays them out at 800 x 512.
struct Canvases {
    velunta::Canvas Picture1, Picture2, Picture3;
    velunta::Shape* Shape1;

    Canvases() {
        Picture1.resize(145, 485);
        Picture2.resize(773, 382);
        Picture3.resize(773, 382);
        for (velunta::Canvas* c : {&Picture1, &Picture2, &Picture3}) {
            c->setFontSize(11.25);
            c->setForeColor(0);
            c->setBackColor(0xFFFFFF);
        }
        Shape1 = new velunta::Shape(&Picture1);
        Shape1->setFillColor(0xFF);
    }

    // The drawing stages of the recompute pipeline, in their order.
    void draw(velunta::Model& m) {
        Picture1.Cls();
        velunta::minmax(m, &Picture1);
        velunta::axes(m, Picture1, *Shape1);
        Picture2.Cls();
        Picture3.Cls();
        velunta::minmax_2(m, &Picture2, &Picture3);
        velunta::axes_2(m, Picture2);
        velunta::axes_3(m, Picture3);
        velunta::raschet3(m, Picture1, Picture2, Picture3);
    }
};

// The pixel that holds the user point (x, y).
inline QPoint pixelOf(const velunta::Canvas& canvas, double x, double y) {
    const QPointF p = canvas.toPixel(x, y);
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

inline QColor colourAt(const velunta::Canvas& canvas, double x, double y) {
    return canvas.image().pixelColor(pixelOf(canvas, x, y));
}

inline const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kGreen(0x80, 0xFF, 0x80), kBlue(0, 0, 255),
    kRed(255, 0, 0);

}  // namespace plot_test
