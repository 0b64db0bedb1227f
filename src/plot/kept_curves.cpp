#include "plot/kept_curves.h"

#include <algorithm>
#include <cmath>

#include "model/trajectory.h"
#include "plot/axes.h"
#include "plot/model_styles.h"

namespace velunta {

namespace {

// Each set's own dash pattern, alternately on and off, in pixels along the
// drawn path: dashes, dots, dash-dot, long dashes, dash-dot-dot.
struct DashPattern {
    double lengths[6];
    int count;
};
constexpr DashPattern kPatterns[KeptCurves::kMaxSets] = {
    {{6, 4}, 2}, {{2, 3}, 2}, {{10, 3, 2, 3}, 4}, {{16, 5}, 2}, {{8, 3, 2, 3, 2, 3}, 6}};

}  // namespace

void dashed(DrawingSurface& canvas, const std::vector<double>& x, const std::vector<double>& y, Colour colour,
            int set) {
    const DashPattern& pattern = kPatterns[std::clamp(set, 0, KeptCurves::kMaxSets - 1)];
    int part = 0;      // the pattern's piece being drawn (even: on, odd: off)
    double into = 0;   // pixels into that piece
    for (std::size_t i = 1; i < x.size() && i < y.size(); ++i) {
        const QPointF a = canvas.toPixel(x[i - 1], y[i - 1]), b = canvas.toPixel(x[i], y[i]);
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        if (!std::isfinite(length)) continue;
        double done = 0;
        while (done < length) {
            const double left = pattern.lengths[part] - into;
            const bool ends = length - done >= left;  // the piece ends on this segment
            const double step = ends ? left : length - done;
            if (part % 2 == 0) {
                const double f0 = done / length, f1 = (done + step) / length;
                canvas.Line(x[i - 1] + f0 * (x[i] - x[i - 1]), y[i - 1] + f0 * (y[i] - y[i - 1]),
                            x[i - 1] + f1 * (x[i] - x[i - 1]), y[i - 1] + f1 * (y[i] - y[i - 1]), colour);
            }
            done += step;
            into = ends ? 0 : into + step;
            if (ends) part = (part + 1) % pattern.count;
        }
    }
}

void KeptCurves::keep(const Model& m, std::string label) {
    KeptSet set;
    set.label = std::move(label);
    set.inputs = m.inputs();
    for (const ModelStyle& style : kModelStyles) {
        const double end = landingTime(m, style.model);
        KeptCurve& curve = set.models[std::size_t(style.model)];
        for (int i = 0; i <= kSamples; ++i) {
            const double t = end * i / kSamples;
            const MotionState s = motionAt(m, style.model, t);
            if (!std::isfinite(t) || !std::isfinite(s.Y) || !std::isfinite(s.Vy)) break;
            curve.t.push_back(t);
            curve.Y.push_back(s.Y);
            curve.Vy.push_back(s.Vy);
        }
    }
    sets.push_back(std::move(set));
    if (int(sets.size()) > kMaxSets) sets.erase(sets.begin());
}

void coverKept(Model& m, const KeptCurves& kept, DrawingSurface* Picture2, DrawingSurface* Picture3) {
    if (kept.empty()) return;
    double tEnd = 0, yTop = 0, vyTop = 0, vyBottom = 0;
    for (const KeptSet& set : kept.sets)
        for (const KeptCurve& c : set.models) {
            if (c.t.empty()) continue;
            tEnd = std::max(tEnd, c.t.back());
            yTop = std::max(yTop, *std::max_element(c.Y.begin(), c.Y.end()));
            vyTop = std::max(vyTop, *std::max_element(c.Vy.begin(), c.Vy.end()));
            vyBottom = std::min(vyBottom, *std::min_element(c.Vy.begin(), c.Vy.end()));
        }
    // The same rounding to whole units as the graphs' own ranges.
    if (std::ceil(tEnd) > m.t_max) {
        m.t_max = std::ceil(tEnd);
        m.t_right = m.t_max * m.mashtab_t;
    }
    if (m.mashtab_y * std::ceil(yTop) > m.y_top) m.y_top = m.mashtab_y * std::ceil(yTop);
    if (std::ceil(vyTop) > m.Vy_top) m.Vy_max = float(m.Vy_top = std::ceil(vyTop));
    if (std::floor(vyBottom) < m.Vy_bottom) m.Vy_min = m.Vy_bottom = std::floor(vyBottom);
    if (Picture2) Picture2->Scale(m.t_left, m.y_top, m.t_right, m.y_bottom);
    if (Picture3) Picture3->Scale(m.t_left, m.Vy_top, m.t_right, m.Vy_bottom);
}

void drawKept(const KeptCurves& kept, DrawingSurface& Picture2, DrawingSurface& Picture3) {
    if (kept.empty()) return;
    const int width2 = Picture2.DrawWidth(), width3 = Picture3.DrawWidth();
    Picture2.setDrawWidth(1);
    Picture3.setDrawWidth(1);
    for (std::size_t i = 0; i < kept.sets.size(); ++i)
        for (const ModelStyle& style : kModelStyles) {
            const KeptCurve& c = kept.sets[i].models[std::size_t(style.model)];
            dashed(Picture2, c.t, c.Y, style.colour, int(i));
            dashed(Picture3, c.t, c.Vy, style.colour, int(i));
        }
    Picture2.setDrawWidth(width2);
    Picture3.setDrawWidth(width3);
}

}  // namespace velunta
