#pragma once
// The legend of the two graphs: which colour is which model and which dashed
// set is which kept one, in the corner where the curves leave the most room.
// Drawn into the graphs' pictures, so that saved pictures carry it too.

#include <QList>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringList>

#include "model/model.h"
#include "plot/kept_curves.h"
#include "plot/measured_marks.h"
#include "draw/drawing_surface.h"

namespace velunta {

// The rows of the legend: the three models, the measured points when there are
// any ("опыт"), then one per kept set ("1: label").
QStringList legendRows(const KeptCurves& kept, const MeasuredMarks* marks = nullptr, bool velocity = false);

// Draws the legend of a graph whose curves are Y(t) (velocity false) or Vy(t);
// returns the pixel rectangle it took.
QRect drawLegend(const Model& m, const KeptCurves& kept, DrawingSurface& graph, bool velocity,
                 const MeasuredMarks* marks = nullptr);

// Where each kept set's number goes (pixels, in the order of the sets that have
// a full-model curve): beside that curve where it is farthest from the current
// curves, where the sets differ most and the reader looks for them; on no other
// number, off the legend box and inside the picture.
QList<QRectF> setNumberBoxes(const Model& m, const KeptCurves& kept, DrawingSurface& graph, bool velocity,
                             const QRect& legend);

// Both graphs, and the kept sets' numbers beside their curves.
void drawLegends(const Model& m, const KeptCurves& kept, DrawingSurface& Picture2, DrawingSurface& Picture3,
                 const MeasuredMarks* marks = nullptr);

}  // namespace velunta
