#include "plot/axes.h"

#include <QCoreApplication>

#include "model/format.h"
#include "plot/caption_place.h"
#include "plot/grid_steps.h"

namespace velunta {

namespace {

// The gap, in pixels, from an axis to the numbers along it: the thick axis
// covers a pixel on either side of its own, and a digit or a minus sign
// touching it would read as another one ("8" as "3", "-4" as "4").
constexpr double kClearOfAxis = 3;

// A number label: PSet without a colour marks the spot (one point in
// ForeColor) and makes it the current point; the text starts there, or
// `shift` pixels from there to keep it off an axis. The separator is the
// locale's: these labels are not rewritten with a point. The box the text
// fills, in pixels, goes to `taken`.
void label(DrawingSurface& canvas, const Model& m, double x, double y, double value, const char* pattern,
           QList<QRectF>& taken, QPointF shift = {}) {
    canvas.PSet(x, y);
    const QString text = QString::fromStdString(Format(value, pattern, m.locale_decimal_point));
    const QRectF box(canvas.toPixel(x, y) + shift, canvas.textSize(text));
    if (box.intersects(QRectF(QPointF(0, 0), QSizeF(canvas.surfaceSize())))) taken << box;
    if (!shift.isNull()) {
        const QPointF at = canvas.toUser(box.topLeft());
        canvas.setCurrentX(at.x());
        canvas.setCurrentY(at.y());
    }
    canvas.Print(text);
}

// A caption at (x, y), or as near as it is free of the numbers of the grid.
void caption(DrawingSurface& canvas, double x, double y, const QString& text, QList<QRectF>& taken) {
    const QRectF wanted(canvas.toPixel(x, y), canvas.textSize(text));
    const QPointF at = freePlace(wanted, taken, QRectF(QPointF(0, 0), QSizeF(canvas.surfaceSize())));
    taken << QRectF(at, wanted.size());
    const QPointF user = at != wanted.topLeft() ? canvas.toUser(at) : QPointF(x, y);
    canvas.setCurrentX(user.x());
    canvas.setCurrentY(user.y());
    canvas.Print(text);
}

// The vertical axis at x = 0 and the horizontal one at y = 0.
void blackAxes(DrawingSurface& canvas, double left, double right, double top, double bottom) {
    canvas.Line(0, top, 0, bottom, kBlack);
    canvas.Line(left, 0, right, 0, kBlack);
}

}  // namespace

void place_ball(const Model& m, const DrawingSurface& Picture1, Shape& Shape1) {
    Shape1.setHeight(m.d_shar);
    // The user range is as wide as high, the canvas is not: widen by its aspect.
    const QSize size = Picture1.surfaceSize();
    const float width = size.width() > 0 ? float(size.height() * m.d_shar / size.width()) : m.d_shar;
    Shape1.setWidth(width);
    Shape1.setLeft(m.X - Shape1.Width() / 2);
    Shape1.setTop(m.h + Shape1.Height() / 2);
}

void axes(Model& m, DrawingSurface& Picture1, Shape& Shape1) {
    Picture1.setDrawWidth(3);
    blackAxes(Picture1, m.x_left, m.x_right, m.y_top, m.y_bottom);

    axes_quantities(m);
    Picture1.setDrawWidth(1);
    QList<QRectF> taken;
    for (double i = 1; i <= m.n_setki; ++i) {
        const double y = i * m.shag_setki_y;
        Picture1.Line(m.x_left, y, m.x_right, y, kGridGreen);
        label(Picture1, m, 0.03 * m.x_right, y, y, "0.00", taken);
    }
    blackAxes(Picture1, m.x_left, m.x_right, m.y_top, m.y_bottom);
    caption(Picture1, 0.2 * (m.x_right - m.x_left), m.y_top, QCoreApplication::translate("Axes", "Y, м"), taken);

    if (m.V0y > 0) {
        Picture1.Line(m.x_left, m.Ymax0, m.x_right, m.Ymax0, kBlack);
        Picture1.Line(m.x_left, m.Ymax1, m.x_right, m.Ymax1, kBlue);
        Picture1.Line(m.x_left, m.Ymax2, m.x_right, m.Ymax2, kRed);
    }
    place_ball(m, Picture1, Shape1);
}

void axes_2(Model& m, DrawingSurface& Picture2) {
    Picture2.setDrawWidth(3);
    blackAxes(Picture2, m.t_left, m.t_right, m.y_top, m.y_bottom);

    axes_2_quantities(m);
    Picture2.setDrawWidth(1);
    QList<QRectF> taken;
    for (double i = 1; i <= m.n_setki; ++i) {
        const double y = i * m.shag_setki_y;
        const double t = i * m.shag_setki_t;
        Picture2.Line(m.t_left, y, m.t_right, y, kGridGreen);
        Picture2.Line(t, m.y_top, t, m.y_bottom, kGridGreen);
        label(Picture2, m, t, 0.06 * m.y_top, t, "0.00", taken);
        label(Picture2, m, 0, y, y, "0.00", taken, QPointF(kClearOfAxis, 0));
    }
    blackAxes(Picture2, m.t_left, m.t_right, m.y_top, m.y_bottom);
    const double span = m.t_right - m.t_left;
    caption(Picture2, 0.03 * span, m.y_top, QCoreApplication::translate("Axes", "Y, м"), taken);
    caption(Picture2, m.t_right - 0.04 * span, 0.06 * m.y_top, QCoreApplication::translate("Axes", "t, c"), taken);  // Latin c
}

void axes_3(Model& m, DrawingSurface& Picture3) {
    Picture3.setDrawWidth(3);
    blackAxes(Picture3, m.t_left, m.t_right, m.Vy_top, m.Vy_bottom);

    axes_3_quantities(m);
    Picture3.setDrawWidth(1);
    QList<QRectF> taken;
    // Lines on both sides of Vy = 0; those beyond the range are simply not seen.
    for (double i = -m.n_setki; i <= m.n_setki; ++i) {
        const double vy = i * m.shag_setki_Vy;
        const double t = i * m.shag_setki_t;
        Picture3.Line(m.t_left, vy, m.t_right, vy, kGridGreen);
        Picture3.Line(t, m.Vy_top, t, m.Vy_bottom, kGridGreen);
        // The origin's "0.00" is the velocity's: the time's would be a second one beside it.
        if (i != 0) label(Picture3, m, t, 0, t, "0.00", taken, QPointF(0, kClearOfAxis));
        label(Picture3, m, 0, vy, vy, "#0.00", taken, QPointF(kClearOfAxis, i == 0 ? kClearOfAxis : 0));
    }
    blackAxes(Picture3, m.t_left, m.t_right, m.Vy_top, m.Vy_bottom);
    const double span = m.t_right - m.t_left;
    caption(Picture3, 0.03 * span, m.Vy_top, QCoreApplication::translate("Axes", "Vy, м/c"), taken);  // Latin c
    caption(Picture3, m.t_right - 0.04 * span, 0, QCoreApplication::translate("Axes", "t, c"), taken);
}

}  // namespace velunta
