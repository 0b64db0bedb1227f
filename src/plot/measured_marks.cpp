#include "plot/measured_marks.h"

#include <algorithm>
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

void drawMarker(DrawingSurface& g, double x, double y, bool filled) {
    const QPointF p = g.toPixel(x, y);
    if (!std::isfinite(p.x()) || !std::isfinite(p.y())) return;
    // Round the centre to a pixel's middle, so every marker has the same shape.
    const double cx = std::floor(p.x()) + 0.5, cy = std::floor(p.y()) + 0.5;
    const auto ux = [&g](double px) { return g.toUser({px, 0}).x(); };
    const auto uy = [&g](double py) { return g.toUser({0, py}).y(); };
    g.setDrawWidth(1);
    if (filled) {
        g.setDrawWidth(2 * kMarkerRadius + 1);
        g.PSet(ux(cx), uy(cy), kMeasuredColour);
        g.setDrawWidth(1);
        return;
    }
    constexpr int kSides = 16;
    for (int i = 0; i < kSides; ++i) {
        const double a0 = 2 * std::numbers::pi * i / kSides, a1 = 2 * std::numbers::pi * (i + 1) / kSides;
        g.Line(ux(cx + kMarkerRadius * std::cos(a0)), uy(cy + kMarkerRadius * std::sin(a0)),
               ux(cx + kMarkerRadius * std::cos(a1)), uy(cy + kMarkerRadius * std::sin(a1)), kMeasuredColour);
    }
}

void drawMeasured(const MeasuredMarks& marks, DrawingSurface& Picture2, DrawingSurface& Picture3) {
    if (marks.empty()) return;
    const int width2 = Picture2.DrawWidth(), width3 = Picture3.DrawWidth();
    for (std::size_t i = 0; i < marks.t.size(); ++i) {
        drawMarker(Picture2, marks.t[i], marks.Y[i], false);
        if (i < marks.Vy.size() && std::isfinite(marks.Vy[i])) drawMarker(Picture3, marks.t[i], marks.Vy[i], marks.derivedVy);
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
