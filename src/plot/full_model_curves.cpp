#include "plot/full_model_curves.h"

#include <algorithm>

#include "model/trajectory.h"
#include "plot/axes.h"

namespace velunta {

void drawFullModelCurves(const Model& m, DrawingSurface& Picture2, DrawingSurface& Picture3, int width) {
    const int width2 = Picture2.DrawWidth(), width3 = Picture3.DrawWidth();
    Picture2.setDrawWidth(width);
    Picture3.setDrawWidth(width);
    const double landing = landingTime(m, DragModel::full);
    const int steps = std::max(1, m.n);
    for (int i = 0; i <= steps; ++i) {
        const double t = landing * i / steps;
        const MotionState s = motionAt(m, DragModel::full, t);
        if (i == 0) {
            Picture2.PSet(t, s.Y, kRed);
            Picture3.PSet(t, s.Vy, kRed);
        } else {
            Picture2.LineTo(t, s.Y, kRed);
            Picture3.LineTo(t, s.Vy, kRed);
        }
    }
    Picture2.setDrawWidth(width2);
    Picture3.setDrawWidth(width3);
}

}  // namespace velunta
