#pragma once
// One graph of the lesson view. The plot code draws it on a surface at the
// widget's device pixels with pens and fonts grown by the text size and the
// pixel ratio, so a larger text size thickens the lines and grows the fonts
// instead of enlarging a bitmap. A vertical line marks the time shown
// everywhere in the view.

#include <QWidget>

#include "draw/drawing_surface.h"

namespace velunta {

class LessonGraph : public QWidget {
    Q_OBJECT
public:
    LessonGraph(const QString& name, const QString& description, QWidget* parent = nullptr);

    // The surface to draw on, sized for the widget and the text scale.
    DrawingSurface& beginDrawing(double textScale);
    // The drawing is complete: it is replayed at the widget's pixels and shown.
    void finishDrawing();
    const DrawingSurface& surface() const { return surface_; }

    void setTime(double t);
    double time() const { return time_; }
    // The widget column of the time line (logical pixels), or -1 where it is off the graph.
    int cursorX() const;

    QSize sizeHint() const override { return {480, 300}; }
    QSize minimumSizeHint() const override { return {160, 110}; }

signals:
    // The widget's size or pixel ratio changed: the graph is to be drawn again.
    void needsDrawing();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect cursorStrip(int x) const;

    DrawingSurface surface_;
    bool drawn_ = false;
    double textScale_ = 1;
    double time_ = 0;
    int shownCursor_ = -1;
};

}  // namespace velunta
