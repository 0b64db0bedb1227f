#include "plot/measured_marks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "model/data_reader.h"

namespace velunta {

MeasuredMarks measuredMarks(const MeasuredData& data, const Model& m) {
    MeasuredMarks marks;
    if (data.empty()) return marks;
    const std::vector<MeasuredPoint> points = alignedPoints(data, m.h);
    marks.derivedVy = !hasMeasuredVelocities(data);
    for (const MeasuredPoint& p : points) {
        marks.t.push_back(p.t);
        marks.Y.push_back(p.Y);
        if (!marks.derivedVy) marks.Vy.push_back(*p.Vy);
    }
    if (marks.derivedVy) marks.Vy = derivedVelocities(points);
    return marks;
}

void coverMeasured(Model& m, const MeasuredMarks& marks, DrawingSurface* Picture2, DrawingSurface* Picture3) {
    if (marks.empty()) return;
    const auto finiteMax = [](const std::vector<double>& v) {
        double top = -INFINITY;
        for (double x : v) if (std::isfinite(x)) top = std::max(top, x);
        return top;
    };
    const auto finiteMin = [&finiteMax](std::vector<double> v) {
        for (double& x : v) x = -x;
        return -finiteMax(v);
    };
    // Rounded to whole units as the graphs' own ranges are.
    const double tEnd = finiteMax(marks.t), yTop = finiteMax(marks.Y);
    if (std::isfinite(tEnd) && std::ceil(tEnd) > m.t_max) {
        m.t_max = std::ceil(tEnd);
        m.t_right = m.t_max * m.mashtab_t;
    }
    if (std::isfinite(yTop) && m.mashtab_y * std::ceil(yTop) > m.y_top) m.y_top = m.mashtab_y * std::ceil(yTop);
    const double vyTop = finiteMax(marks.Vy), vyBottom = finiteMin(marks.Vy);
    if (std::isfinite(vyTop) && std::ceil(vyTop) > m.Vy_top) m.Vy_max = float(m.Vy_top = std::ceil(vyTop));
    if (std::isfinite(vyBottom) && std::floor(vyBottom) < m.Vy_bottom) m.Vy_min = m.Vy_bottom = std::floor(vyBottom);
    if (Picture2) Picture2->Scale(m.t_left, m.y_top, m.t_right, m.y_bottom);
    if (Picture3) Picture3->Scale(m.t_left, m.Vy_top, m.t_right, m.Vy_bottom);
}

namespace {

// The hollow marker's outline: a 16-sided polygon about the centre, in pixels.
struct Outline {
    std::array<QPointF, 17> corners;
    Outline() {
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const double a = 2 * std::numbers::pi * double(i % 16) / 16;
            corners[i] = {kMarkerRadius * std::cos(a), kMarkerRadius * std::sin(a)};
        }
    }
};

// The pixel centre a marker at (x, y) is drawn around; false off the drawable range.
bool markerCentre(const DrawingSurface& g, double x, double y, QPointF& centre) {
    const QPointF p = g.toPixel(x, y);
    if (!std::isfinite(p.x()) || !std::isfinite(p.y())) return false;
    // Round the centre to a pixel's middle, so every marker has the same shape.
    centre = {std::floor(p.x()) + 0.5, std::floor(p.y()) + 0.5};
    return true;
}

void drawMarkerAt(DrawingSurface& g, QPointF centre, bool filled) {
    // Pixels to user units by the surface's linear mapping, worked out once a marker.
    const QPointF origin = g.toPixel(0, 0), unit = g.toPixel(1, 1) - origin;
    const auto user = [&](QPointF pixel) {
        return QPointF(unit.x() != 0 ? (pixel.x() - origin.x()) / unit.x() : 0,
                       unit.y() != 0 ? (pixel.y() - origin.y()) / unit.y() : 0);
    };
    if (filled) {
        g.setDrawWidth(2 * kMarkerRadius + 1);
        const QPointF c = user(centre);
        g.PSet(c.x(), c.y(), kMeasuredColour);
        g.setDrawWidth(1);
        return;
    }
    static const Outline outline;
    g.setDrawWidth(1);
    QPointF from = user(centre + outline.corners[0]);
    for (std::size_t i = 1; i < outline.corners.size(); ++i) {
        const QPointF to = user(centre + outline.corners[i]);
        g.Line(from.x(), from.y(), to.x(), to.y(), kMeasuredColour);
        from = to;
    }
}

}  // namespace

void drawMarker(DrawingSurface& g, double x, double y, bool filled) {
    if (QPointF centre; markerCentre(g, x, y, centre)) drawMarkerAt(g, centre, filled);
}

void drawMeasured(const MeasuredMarks& marks, DrawingSurface& Picture2, DrawingSurface& Picture3) {
    if (marks.empty()) return;
    const int width2 = Picture2.DrawWidth(), width3 = Picture3.DrawWidth();
    // Dense points land on the pixel the last marker was drawn around: the same
    // pixels again, so each graph draws a marker once per centre in a row.
    QPointF last2(-1e9, -1e9), last3(-1e9, -1e9);
    const auto mark = [](DrawingSurface& g, double x, double y, bool filled, QPointF& last) {
        QPointF centre;
        if (!markerCentre(g, x, y, centre) || centre == last) return;
        drawMarkerAt(g, centre, filled);
        last = centre;
    };
    for (std::size_t i = 0; i < marks.t.size(); ++i) {
        mark(Picture2, marks.t[i], marks.Y[i], false, last2);
        if (i < marks.Vy.size() && std::isfinite(marks.Vy[i])) mark(Picture3, marks.t[i], marks.Vy[i], marks.derivedVy, last3);
    }
    Picture2.setDrawWidth(width2);
    Picture3.setDrawWidth(width3);
}

int nearestMark(const MeasuredMarks& marks, double t) {
    int best = -1;
    for (std::size_t i = 0; i < marks.t.size(); ++i)
        if (best < 0 || std::abs(marks.t[i] - t) < std::abs(marks.t[std::size_t(best)] - t)) best = int(i);
    return best;
}

}  // namespace velunta
