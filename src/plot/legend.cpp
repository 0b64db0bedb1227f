#include "plot/legend.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "model/trajectory.h"
#include "plot/axes.h"

namespace velunta {

namespace {

constexpr DragModel kModels[3] = {DragModel::vacuum, DragModel::linear, DragModel::full};
constexpr Colour kColours[3] = {kBlack, kBlue, kRed};
const char* const kNames[3] = {"вакуум", "Fc~v", "Fc~v+v²"};

// The pictures' own face at their print size.
QFontMetricsF metrics(const DrawingSurface& graph) {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("serif")});
    font.setPointSizeF(graph.FontSize());
    return QFontMetricsF(font);
}

double userX(const DrawingSurface& g, double px) { return g.ScaleLeft() + px * g.ScaleWidth() / std::max(1, g.surfaceSize().width()); }
double userY(const DrawingSurface& g, double py) { return g.ScaleTop() + py * g.ScaleHeight() / std::max(1, g.surfaceSize().height()); }

void pixelLine(DrawingSurface& g, double x1, double y1, double x2, double y2, Colour c) {
    g.Line(userX(g, x1), userY(g, y1), userX(g, x2), userY(g, y2), c);
}

// Points of every curve on the graph, in pixels: what the legend should not hide.
std::vector<QPointF> curvePixels(const Model& m, const KeptCurves& kept, const DrawingSurface& graph, bool velocity) {
    std::vector<QPointF> points;
    for (DragModel model : kModels) {
        const double end = landingTime(m, model);
        for (int i = 0; i <= 200 && std::isfinite(end); ++i) {
            const MotionState s = motionAt(m, model, end * i / 200);
            points.push_back(graph.toPixel(end * i / 200, velocity ? s.Vy : s.Y));
        }
    }
    for (const KeptSet& set : kept.sets)
        for (const KeptCurve& c : set.models)
            for (std::size_t i = 0; i < c.t.size(); i += 2)
                points.push_back(graph.toPixel(c.t[i], velocity ? c.Vy[i] : c.Y[i]));
    return points;
}

}  // namespace

QStringList legendRows(const KeptCurves& kept) {
    QStringList rows;
    for (const char* name : kNames) rows << QString::fromUtf8(name);
    for (std::size_t i = 0; i < kept.sets.size(); ++i)
        rows << QStringLiteral("%1: %2").arg(i + 1).arg(QString::fromStdString(kept.sets[i].label));
    return rows;
}

QRect drawLegend(const Model& m, const KeptCurves& kept, DrawingSurface& graph, bool velocity) {
    const QStringList rows = legendRows(kept);
    const QFontMetricsF fm = metrics(graph);
    const int swatch = 24, pad = 4, rowHeight = int(std::ceil(fm.height()));
    int textWidth = 0;
    for (const QString& row : rows) textWidth = std::max(textWidth, int(std::ceil(fm.horizontalAdvance(row))));
    const int w = std::min(graph.surfaceSize().width() - 2, swatch + 3 * pad + textWidth);
    const int h = std::min(graph.surfaceSize().height() - 2, int(rows.size()) * rowHeight + 2 * pad);
    if (w < 40 || h < 20) return {};

    // The corners, clear of the axes' numbers; the one over the fewest curve points wins.
    const int W = graph.surfaceSize().width(), H = graph.surfaceSize().height(), side = 60, foot = 24;
    const QRect corners[] = {QRect(W - w - 4, 4, w, h), QRect(side, 4, w, h), QRect(W - w - 4, H - h - foot, w, h),
                             QRect(side, H - h - foot, w, h)};
    const std::vector<QPointF> points = curvePixels(m, kept, graph, velocity);
    QRect box = corners[0];
    long fewest = -1;
    for (const QRect& r : corners) {
        const long n = std::count_if(points.begin(), points.end(), [&r](const QPointF& p) { return r.contains(p.toPoint()); });
        if (fewest < 0 || n < fewest) fewest = n, box = r;
    }

    // White ground, grey frame, a swatch and a name per row.
    graph.setDrawWidth(1);
    for (int y = box.top(); y <= box.bottom(); ++y) pixelLine(graph, box.left(), y, box.right(), y, 0xFFFFFF);
    pixelLine(graph, box.left(), box.top(), box.right(), box.top(), 0x808080);
    pixelLine(graph, box.right(), box.top(), box.right(), box.bottom(), 0x808080);
    pixelLine(graph, box.right(), box.bottom(), box.left(), box.bottom(), 0x808080);
    pixelLine(graph, box.left(), box.bottom(), box.left(), box.top(), 0x808080);
    for (int i = 0; i < rows.size(); ++i) {
        const int top = box.top() + pad + i * rowHeight, mid = top + rowHeight / 2;
        const int x0 = box.left() + pad, x1 = x0 + swatch;
        if (i < 3) {
            graph.setDrawWidth(3);
            pixelLine(graph, x0, mid, x1, mid, kColours[i]);
            graph.setDrawWidth(1);
        } else {
            for (int x = x0; x < x1; x += 10) pixelLine(graph, x, mid, std::min(x + 5, x1), mid, 0x606060);
        }
        const Colour fore = graph.ForeColor();
        graph.setForeColor(i < 3 ? kColours[i] : kBlack);
        graph.setCurrentX(userX(graph, x1 + pad));
        graph.setCurrentY(userY(graph, top));
        graph.Print(rows[i]);
        graph.setForeColor(fore);
    }
    return box;
}

void drawLegends(const Model& m, const KeptCurves& kept, DrawingSurface& Picture2, DrawingSurface& Picture3) {
    // Each kept set's number beside its full-model curve, a third of the way along.
    for (std::size_t i = 0; i < kept.sets.size(); ++i) {
        const KeptCurve& c = kept.sets[i].models[2];
        if (c.t.empty()) continue;
        const std::size_t j = c.t.size() / 3;
        for (auto [graph, value] : {std::pair<DrawingSurface*, double>{&Picture2, c.Y[j]}, {&Picture3, c.Vy[j]}}) {
            graph->setCurrentX(c.t[j]);
            graph->setCurrentY(value);
            graph->Print(QString::number(i + 1));
        }
    }
    drawLegend(m, kept, Picture2, false);
    drawLegend(m, kept, Picture3, true);
}

}  // namespace velunta
