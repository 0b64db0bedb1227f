#pragma once
// The window's three pictures outside the window: drawn on recording surfaces
// of their own for a computed model, and saved as PNG at any size or as SVG
// (vector), replayed from the surfaces' display lists.

#include <QSize>
#include <QString>
#include <memory>

#include "draw/drawing_surface.h"
#include "model/measured_data.h"
#include "model/model.h"

namespace velunta {

enum class PictureView { trajectory = 1, coordinate = 2, velocity = 3 };

class RunTrail;
class KeptCurves;

// The three pictures, each the size it has in the window; they record.
struct ViewSurfaces {
    ViewSurfaces();
    DrawingSurface trajectory, coordinate, velocity;
    Shape* ball = nullptr;
    DrawingSurface& view(PictureView v);
};

// The size of a picture in the window at its start size.
QSize windowPictureSize(PictureView view);

// The drawing stages of the recompute pipeline on the three surfaces, for a
// model whose inputs are set, and the full model's closed-form curves. The two
// graphs get `graphSize` when it is valid (a smaller picture has larger labels);
// the points of a measured fall, when given, go on the graphs.
std::unique_ptr<ViewSurfaces> drawViews(Model& m, QSize graphSize = QSize(), const MeasuredData* measured = nullptr);

// What the window's pictures show: their surfaces (for sizes, fonts and pens),
// the ball, and what the window draws on them besides the recompute.
struct WindowViews {
    const DrawingSurface& trajectory;
    const DrawingSurface& coordinate;
    const DrawingSurface& velocity;
    const Shape& ball;
    const KeptCurves* kept = nullptr;
    bool fullModelCurve = true;
    const RunTrail* trail = nullptr;  // what a run drew
};

// The window's pictures as they are now, drawn again the way the window drew
// them (the recompute of a copy of `m`, then the run's trail), and the full
// model's closed-form curves added on the graphs.
std::unique_ptr<ViewSurfaces> copyViews(const Model& m, const WindowViews& window);

// Saves a surface's drawing, by the file's suffix: .png at `size`, .svg with
// `size` as its nominal size. The file is written whole or not at all. False
// with a message in Russian when it could not be written.
bool savePicture(const DrawingSurface& surface, const QString& path, QSize size, QString& error);

// The picture as an image of the given size (the clipboard, a PNG).
QImage pictureImage(const DrawingSurface& surface, QSize size);

}  // namespace velunta
