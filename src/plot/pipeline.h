#pragma once
// The recompute: one fixed sequence from the inputs to every result and
// drawing, used by the window on every change and by the outputs of the
// command line. Without surfaces it computes what the drawings would set
// (ranges, grid steps) and draws nothing.

#include "model/model.h"
#include "plot/kept_curves.h"
#include "draw/drawing_surface.h"
#include "model/measured_data.h"

namespace velunta {

struct PipelineSurfaces {
    DrawingSurface& Picture1;  // trajectory
    DrawingSurface& Picture2;  // Y(t)
    DrawingSurface& Picture3;  // Vy(t)
    Shape& Shape1;             // the ball in the trajectory picture
    const KeptCurves* kept = nullptr;  // curves kept for comparison, drawn with the current ones
    bool fullModelCurve = true;        // the full model's closed-form curves, thin, beside the other two
    const MeasuredData* measured = nullptr;  // a measured fall, its points over the curves
};

// Characteristics, trajectory picture, both landings, then the two graphs. The
// order is binding: the ranges read the characteristics, the graphs' time range
// reads both landing times, and each picture is cleared before its axes.
void recompute(Model& m, const PipelineSurfaces* surfaces = nullptr);

// The second half alone: the two graphs on fresh surfaces (ranges, axes, curves).
void redrawGraphs(Model& m, const PipelineSurfaces& surfaces);

}  // namespace velunta
