#pragma once
// A picture box of the window: a drawing surface (draw/drawing_surface.h) shown
// on screen. Painting the widget only copies the surface's backing image (and
// draws the shapes that sit on it, such as the ball); one repaint is scheduled
// for any number of drawing calls.

#include <QImage>
#include <QString>
#include <QWidget>

#include "draw/drawing_surface.h"

namespace velunta {

class Canvas : public QWidget, public DrawingSurface {
    Q_OBJECT
public:
    explicit Canvas(QWidget* parent = nullptr);

    QSize surfaceSize() const override { return size(); }
    void setToolTipText(const QString& text) override { setToolTip(text); }

    // A fixed picture shown instead of drawings (the equation picture, the explanatory pictures).
    void setPicture(const QImage& picture);
    bool hasPicture() const { return !picture_.isNull(); }
    const QImage& picture() const { return picture_; }
    // The picture drawn this many times its own size (the projector view's step).
    void setPictureScale(double scale);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent*) override;
    void surfaceChanged() override;
    QFont baseFont() const override { return font(); }
    QObject* shapeOwner() override { return this; }

private:
    bool repaintPending_ = false;
    QImage picture_;
    double pictureScale_ = 1.0;
};

}  // namespace velunta
