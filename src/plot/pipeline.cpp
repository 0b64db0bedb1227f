#include "plot/pipeline.h"

#include "plot/axes.h"
#include "plot/curves.h"
#include "plot/full_model_curves.h"
#include "plot/grid_steps.h"
#include "plot/legend.h"
#include "plot/measured_marks.h"
#include "plot/minmax.h"
#include "plot/plot_ranges.h"

namespace velunta {

void recompute(Model& m, const PipelineSurfaces* s) {
    m.parametr();
    if (s) {
        s->Picture1.Cls();
        minmax(m, &s->Picture1);
        axes(m, s->Picture1, s->Shape1);
    } else {
        minmax_ranges(m);
        axes_quantities(m);
    }
    m.raschet1();
    m.raschet2();
    if (s) {
        redrawGraphs(m, *s);
    } else {
        minmax_2_ranges(m);
        axes_2_quantities(m);
        axes_3_quantities(m);
    }
}

void redrawGraphs(Model& m, const PipelineSurfaces& s) {
    s.Picture2.Cls();
    s.Picture3.Cls();
    minmax_2(m, &s.Picture2, &s.Picture3);
    static const KeptCurves none;
    const KeptCurves& kept = s.kept ? *s.kept : none;
    coverKept(m, kept, &s.Picture2, &s.Picture3);
    const MeasuredMarks marks = s.measured ? measuredMarks(*s.measured, m) : MeasuredMarks{};
    coverMeasured(m, marks, &s.Picture2, &s.Picture3);
    axes_2(m, s.Picture2);
    axes_3(m, s.Picture3);
    raschet3(m, s.Picture1, s.Picture2, s.Picture3);
    drawKept(kept, s.Picture2, s.Picture3);
    // One pixel wide over the others, so that all three show even where they
    // coincide; the run draws its own thick red over it.
    if (s.fullModelCurve) drawFullModelCurves(m, s.Picture2, s.Picture3, 1);
    drawMeasured(marks, s.Picture2, s.Picture3);
    drawLegends(m, kept, s.Picture2, s.Picture3, &marks);
}

}  // namespace velunta
