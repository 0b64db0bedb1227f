#include "export/picture_export.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "draw/fonts.h"
#include "export/whole_file.h"
#include "plot/animation.h"
#include "plot/axes.h"
#include "plot/full_model_curves.h"
#include "plot/pipeline.h"
#include "ui/layout_grid.h"

namespace velunta {

namespace {

// The client area of the window when it opens.
constexpr int kWindowWidth = 800, kWindowHeight = 512;
// The size of the pictures' labels in the window.
constexpr double kPicturePt = 11.25;

}  // namespace

ViewSurfaces::ViewSurfaces() {
    for (DrawingSurface* s : {&trajectory, &coordinate, &velocity}) s->setRecording(true);
}

DrawingSurface& ViewSurfaces::view(PictureView v) {
    switch (v) {
        case PictureView::trajectory: return trajectory;
        case PictureView::coordinate: return coordinate;
        case PictureView::velocity: return velocity;
    }
    return trajectory;
}

QSize windowPictureSize(PictureView view) {
    const LayoutGrid g = computeLayout(kWindowWidth, kWindowHeight);
    const QRectF r = view == PictureView::trajectory ? g.Picture1 : view == PictureView::coordinate ? g.Picture2 : g.Picture3;
    return QSize(std::max(1, qRound(r.width())), std::max(1, qRound(r.height())));
}

std::unique_ptr<ViewSurfaces> drawViews(Model& m, QSize graphSize, const MeasuredData* measured) {
    auto s = std::make_unique<ViewSurfaces>();
    for (PictureView v : {PictureView::trajectory, PictureView::coordinate, PictureView::velocity}) {
        DrawingSurface& surface = s->view(v);
        surface.setSurfaceSize(v != PictureView::trajectory && graphSize.isValid() ? graphSize : windowPictureSize(v));
        // As the window's picture boxes are set up.
        surface.setBaseFont(serifFont(kPicturePt));
        surface.setFontSize(kPicturePt);
        surface.setForeColor(kBlack);
        surface.setBackColor(kWhite);
    }
    s->ball = new Shape(&s->trajectory);
    s->ball->setFillColor(kRed);
    const PipelineSurfaces surfaces{s->trajectory, s->coordinate, s->velocity, *s->ball, nullptr, true, measured};
    recompute(m, &surfaces);
    drawFullModelCurves(m, s->coordinate, s->velocity);
    return s;
}

std::unique_ptr<ViewSurfaces> copyViews(const Model& m, const WindowViews& window) {
    auto s = std::make_unique<ViewSurfaces>();
    s->trajectory.copySetupFrom(window.trajectory);
    s->coordinate.copySetupFrom(window.coordinate);
    s->velocity.copySetupFrom(window.velocity);
    s->ball = new Shape(&s->trajectory);
    s->ball->setWidth(window.ball.Width());
    s->ball->setHeight(window.ball.Height());
    s->ball->setFillColor(window.ball.fillColor());
    s->ball->setVisible(window.ball.isVisible());
    // The recompute writes into its model (where a run stands among it); the window's keeps its own.
    Model copy = m;
    const PipelineSurfaces surfaces{s->trajectory, s->coordinate, s->velocity, *s->ball, window.kept,
                                    window.fullModelCurve};
    recompute(copy, &surfaces);
    if (window.trail) {
        DrawingSurface counter;  // the counters are not part of any picture
        window.trail->redraw(m, RunSurfaces{s->trajectory, s->coordinate, s->velocity, counter, counter, *s->ball});
    }
    drawFullModelCurves(m, s->coordinate, s->velocity);
    return s;
}

QImage pictureImage(const DrawingSurface& surface, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    surface.replay(p, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

bool savePicture(const DrawingSurface& surface, const QString& path, QSize size, QString& error) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != "png" && suffix != "svg") {
        error = QCoreApplication::translate("PictureExport", "Рисунок сохраняется в файл .png или .svg, а не «%1».").arg(path);
        return false;
    }
    // Drawn in memory, then written in one go: the image and SVG writers do not
    // all report a failed write, the file writer does.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (suffix == "png") {
        if (!pictureImage(surface, size).save(&buffer, "PNG")) {
            error = QCoreApplication::translate("PictureExport", "Не удалось нарисовать рисунок «%1».").arg(path);
            return false;
        }
    } else {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QCoreApplication::translate("PictureExport", "Велунта"));
        QPainter p(&svg);
        p.setRenderHint(QPainter::Antialiasing);
        surface.replay(p, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return writeWholeFile(path, buffer.data(), error);
}

}  // namespace velunta
