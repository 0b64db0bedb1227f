#pragma once
// Curves kept for comparison: up to five sets of the three models' Y(t) and
// Vy(t), sampled from their closed forms when kept, drawn thin in the models'
// colours, each set in its own dash pattern, while the inputs change. The
// graphs' ranges widen to hold them.

#include <string>
#include <vector>

#include "model/model.h"
#include "draw/drawing_surface.h"

namespace velunta {

struct KeptCurve {
    std::vector<double> t, Y, Vy;  // from the launch to the landing
};

struct KeptSet {
    std::string label;
    InputValues inputs;  // what the curves were computed from
    KeptCurve models[3];  // vacuum, linear drag, full model
};

struct KeptCurves {
    static constexpr int kMaxSets = 5;
    static constexpr int kSamples = 400;  // per curve
    std::vector<KeptSet> sets;

    // Samples the three models of a computed model (parametr, raschet1, raschet2
    // done). A sixth set pushes out the oldest.
    void keep(const Model& m, std::string label);
    void clear() { sets.clear(); }
    bool empty() const { return sets.empty(); }
};

// Widens the ranges of the two graphs (t_max, t_right, y_top, Vy_top, Vy_bottom)
// to hold the kept curves and gives the canvases their new user coordinates.
// Without kept curves nothing changes.
void coverKept(Model& m, const KeptCurves& kept, DrawingSurface* Picture2, DrawingSurface* Picture3);

// A polyline (user coordinates) dashed in the pattern of the kept set with
// that index (0 to kMaxSets - 1): each set its own, on the graphs and in the legend.
void dashed(DrawingSurface& canvas, const std::vector<double>& x, const std::vector<double>& y, Colour colour,
            int set);

// The kept curves, one pixel wide and dashed, in their models' colours.
void drawKept(const KeptCurves& kept, DrawingSurface& Picture2, DrawingSurface& Picture3);

}  // namespace velunta
