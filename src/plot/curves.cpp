#include "plot/curves.h"

#include <cmath>

#include "model/trajectory.h"
#include "plot/model_styles.h"

namespace velunta {

namespace {
// The canvas takes each coordinate in single precision.
void lineTo(DrawingSurface& canvas, double x, double y, Colour c) { canvas.LineTo(float(x), float(y), c); }
}  // namespace

void raschet3(Model& m, DrawingSurface& Picture1, DrawingSurface& Picture2, DrawingSurface& Picture3) {
    cleanVectorState();
    Picture1.setDrawWidth(1);
    Picture2.setDrawWidth(1);
    // The moments of the three tops, from the ground up to each model's height.
    Picture2.Line(m.Tp0, 0, m.Tp0, m.Ymax0, kBlack);
    Picture2.Line(m.Tp1, 0, m.Tp1, m.Ymax1, kBlue);
    Picture2.Line(m.Tp2, 0, m.Tp2, m.Ymax2, kRed);

    Picture2.setDrawWidth(3);
    Picture3.setDrawWidth(3);

    // Vacuum in black, then linear drag in blue, from their closed forms.
    for (const ModelStyle& style : {styleOf(DragModel::vacuum), styleOf(DragModel::linear)}) {
        Picture2.PSet(0, m.h, style.colour);
        Picture3.PSet(0, m.V0y, style.colour);
        for_each_curve_time(m.t, landingTime(m, style.model), m.n, [&m, &Picture2, &Picture3, &style](double t) {
            const MotionState s = motionAt(m, style.model, t);
            m.Y = s.Y;
            m.Vy = s.Vy;
            lineTo(Picture2, t, m.Y, style.colour);
            lineTo(Picture3, t, m.Vy, style.colour);
        });
    }
}

}  // namespace velunta
