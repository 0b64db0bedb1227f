#include "plot/kept_curves.h"

#include <algorithm>
#include <cmath>

#include "model/trajectory.h"
#include "plot/axes.h"

namespace velunta {

namespace {

constexpr DragModel kModels[3] = {DragModel::vacuum, DragModel::linear, DragModel::full};
constexpr Colour kColours[3] = {kBlack, kBlue, kRed};

// Dashes of 6 pixels with gaps of 4, measured along the drawn path.
constexpr double kDash = 6, kGap = 4;

void dashed(DrawingSurface& canvas, const std::vector<double>& x, const std::vector<double>& y, Colour colour) {
    double phase = 0;  // distance into the current dash+gap period
    for (std::size_t i = 1; i < x.size(); ++i) {
        const QPointF a = canvas.toPixel(x[i - 1], y[i - 1]), b = canvas.toPixel(x[i], y[i]);
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        if (!std::isfinite(length)) continue;
        double done = 0;
        while (done < length) {
            const bool on = phase < kDash;
            const double step = std::min(length - done, (on ? kDash : kDash + kGap) - phase);
            if (on) {
                const double f0 = done / length, f1 = (done + step) / length;
                canvas.Line(x[i - 1] + f0 * (x[i] - x[i - 1]), y[i - 1] + f0 * (y[i] - y[i - 1]),
                            x[i - 1] + f1 * (x[i] - x[i - 1]), y[i - 1] + f1 * (y[i] - y[i - 1]), colour);
            }
            done += step;
            phase = std::fmod(phase + step, kDash + kGap);
        }
    }
}

}  // namespace

void KeptCurves::keep(const Model& m, std::string label) {
    KeptSet set;
    set.label = std::move(label);
    for (int k = 0; k < 3; ++k) {
        const double end = landingTime(m, kModels[k]);
        KeptCurve& curve = set.models[k];
        for (int i = 0; i <= kSamples; ++i) {
            const double t = end * i / kSamples;
            const MotionState s = motionAt(m, kModels[k], t);
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
    Picture2.setDrawWidth(1);
    Picture3.setDrawWidth(1);
    for (const KeptSet& set : kept.sets)
        for (int k = 0; k < 3; ++k) {
            dashed(Picture2, set.models[k].t, set.models[k].Y, kColours[k]);
            dashed(Picture3, set.models[k].t, set.models[k].Vy, kColours[k]);
        }
}

}  // namespace velunta
