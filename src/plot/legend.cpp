#include "plot/legend.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>

#include "model/trajectory.h"
#include "plot/axes.h"
#include "plot/caption_place.h"
#include "plot/model_styles.h"

namespace velunta {

namespace {

// A line between pixels, through their centres: a pixel's edge can round to
// its neighbour, and the box's ground would miss a row the grid then shows through.
void pixelLine(DrawingSurface& g, double x1, double y1, double x2, double y2, Colour c) {
    const QPointF a = g.toUser({x1 + 0.5, y1 + 0.5}), b = g.toUser({x2 + 0.5, y2 + 0.5});
    g.Line(a.x(), a.y(), b.x(), b.y(), c);
}

// Text with its top-left corner at a pixel.
void printAt(DrawingSurface& g, QPointF pixel, const QString& text) {
    const QPointF at = g.toUser(pixel);
    g.setCurrentX(at.x());
    g.setCurrentY(at.y());
    g.Print(text);
}

// Points of the current models' curves on the graph, in pixels.
std::vector<QPointF> currentPixels(const Model& m, const DrawingSurface& graph, bool velocity) {
    std::vector<QPointF> points;
    for (const ModelStyle& style : kModelStyles) {
        const double end = landingTime(m, style.model);
        for (int i = 0; i <= 200 && std::isfinite(end); ++i) {
            const MotionState s = motionAt(m, style.model, end * i / 200);
            points.push_back(graph.toPixel(end * i / 200, velocity ? s.Vy : s.Y));
        }
    }
    return points;
}

// Points of every curve on the graph, in pixels: what the legend should not hide.
std::vector<QPointF> curvePixels(const Model& m, const KeptCurves& kept, const DrawingSurface& graph, bool velocity,
                                 const MeasuredMarks* marks) {
    std::vector<QPointF> points = currentPixels(m, graph, velocity);
    if (marks)
        for (std::size_t i = 0; i < marks->t.size(); ++i)
            points.push_back(graph.toPixel(marks->t[i], velocity ? marks->Vy[i] : marks->Y[i]));
    for (const KeptSet& set : kept.sets)
        for (const KeptCurve& c : set.models)
            for (std::size_t i = 0; i < c.t.size(); i += 2)
                points.push_back(graph.toPixel(c.t[i], velocity ? c.Vy[i] : c.Y[i]));
    return points;
}

}  // namespace

QList<QRectF> setNumberBoxes(const Model& m, const KeptCurves& kept, DrawingSurface& graph, bool velocity,
                             const QRect& legend) {
    const std::vector<QPointF> current = currentPixels(m, graph, velocity);
    const QRectF bounds(QPointF(0, 0), QSizeF(graph.surfaceSize()));
    QList<QRectF> taken, boxes;
    if (!legend.isEmpty()) taken << QRectF(legend);
    // The axes' numbers: down the left edge, and along the time axis (Vy(t)) or
    // just above the ground (Y(t), where they stand at 6 % of the height).
    const double rowHeight = graph.textSize(QStringLiteral("0")).height();
    const double times = graph.toPixel(0, velocity ? 0 : 0.06 * graph.ScaleTop()).y();
    taken << QRectF(0, 0, 45, bounds.height()) << QRectF(0, times - 2, bounds.width(), rowHeight + 6);
    for (std::size_t i = 0; i < kept.sets.size(); ++i) {
        const KeptCurve& c = kept.sets[i].models[2];
        if (c.t.empty()) continue;
        const QSizeF size = graph.textSize(QString::number(i + 1));
        // The number's box just above and right of a point of the curve, farthest first.
        std::vector<std::pair<double, QRectF>> places;
        for (std::size_t j = 0; j < c.t.size(); j += 4) {
            const QPointF p = graph.toPixel(c.t[j], velocity ? c.Vy[j] : c.Y[j]);
            double nearest = std::numeric_limits<double>::infinity();
            for (const QPointF& q : current) nearest = std::min(nearest, QPointF::dotProduct(p - q, p - q));
            places.emplace_back(nearest, QRectF(p + QPointF(2, -size.height() - 1), size));
        }
        std::stable_sort(places.begin(), places.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        const auto isFree = [&taken, &bounds](const QRectF& r) {
            return bounds.contains(r) && std::none_of(taken.begin(), taken.end(), [&r](const QRectF& t) { return r.intersects(t); });
        };
        const auto free = std::find_if(places.begin(), places.end(), [&isFree](const auto& p) { return isFree(p.second); });
        QRectF box = free != places.end() ? free->second : places.front().second;
        if (free == places.end()) {
            // Inside the picture first: freePlace keeps a wanted place that is free, even outside.
            box.moveTopLeft(QPointF(std::clamp(box.left(), 0.0, std::max(0.0, bounds.width() - box.width())),
                                    std::clamp(box.top(), 0.0, std::max(0.0, bounds.height() - box.height()))));
            box.moveTopLeft(freePlace(box, taken, bounds));
        }
        taken << box;
        boxes << box;
    }
    return boxes;
}

namespace {

void drawSetNumbers(const Model& m, const KeptCurves& kept, DrawingSurface& graph, bool velocity, const QRect& legend) {
    const QList<QRectF> boxes = setNumberBoxes(m, kept, graph, velocity, legend);
    for (int i = 0, k = 0; i < int(kept.sets.size()) && k < boxes.size(); ++i) {
        if (kept.sets[std::size_t(i)].models[2].t.empty()) continue;
        printAt(graph, boxes[k++].topLeft(), QString::number(i + 1));
    }
}

}  // namespace

static bool hasMarks(const MeasuredMarks* marks) { return marks && !marks->empty(); }

QStringList legendRows(const KeptCurves& kept, const MeasuredMarks* marks, bool velocity) {
    QStringList rows;
    for (const ModelStyle& style : kModelStyles) rows << styleName(style);
    if (hasMarks(marks))
        rows << (velocity && marks->derivedVy ? QCoreApplication::translate("Legend", "опыт (Vy по разностям)") : QCoreApplication::translate("Legend", "опыт"));
    for (std::size_t i = 0; i < kept.sets.size(); ++i)
        rows << QStringLiteral("%1: %2").arg(i + 1).arg(QString::fromStdString(kept.sets[i].label));
    if (!kept.empty()) rows << QCoreApplication::translate("Legend", "(хранятся %1 последних)").arg(KeptCurves::kMaxSets);
    return rows;
}

QRect drawLegend(const Model& m, const KeptCurves& kept, DrawingSurface& graph, bool velocity,
                 const MeasuredMarks* marks) {
    const QStringList rows = legendRows(kept, marks, velocity);
    const int measuredRow = hasMarks(marks) ? 3 : -1, firstSet = hasMarks(marks) ? 4 : 3;
    // Measured in the font Print uses, so that every row lies inside the box.
    const int swatch = 24, pad = 4, rowHeight = int(std::ceil(graph.textSize(QStringLiteral("0")).height()));
    int textWidth = 0;
    for (const QString& row : rows) textWidth = std::max(textWidth, int(std::ceil(graph.textSize(row).width())));
    const int w = std::min(graph.surfaceSize().width() - 2, swatch + 3 * pad + textWidth);
    const int h = std::min(graph.surfaceSize().height() - 2, int(rows.size()) * rowHeight + 2 * pad);
    if (w < 40 || h < 20) return {};

    // The corners, clear of the axes' numbers; the one over the fewest curve points wins.
    const int W = graph.surfaceSize().width(), H = graph.surfaceSize().height(), side = 60, foot = 24;
    const QRect corners[] = {QRect(W - w - 4, 4, w, h), QRect(side, 4, w, h), QRect(W - w - 4, H - h - foot, w, h),
                             QRect(side, H - h - foot, w, h)};
    const std::vector<QPointF> points = curvePixels(m, kept, graph, velocity, marks);
    QRect box = corners[0];
    long fewest = -1;
    for (const QRect& r : corners) {
        const long n = std::count_if(points.begin(), points.end(), [&r](const QPointF& p) { return r.contains(p.toPoint()); });
        if (fewest < 0 || n < fewest) fewest = n, box = r;
    }

    // White ground, grey frame, a swatch and a name per row.
    graph.setDrawWidth(1);
    for (int y = box.top(); y <= box.bottom(); ++y) pixelLine(graph, box.left(), y, box.right(), y, kWhite);
    pixelLine(graph, box.left(), box.top(), box.right(), box.top(), 0x808080);
    pixelLine(graph, box.right(), box.top(), box.right(), box.bottom(), 0x808080);
    pixelLine(graph, box.right(), box.bottom(), box.left(), box.bottom(), 0x808080);
    pixelLine(graph, box.left(), box.bottom(), box.left(), box.top(), 0x808080);
    for (int i = 0; i < rows.size(); ++i) {
        const int top = box.top() + pad + i * rowHeight, mid = top + rowHeight / 2;
        const int x0 = box.left() + pad, x1 = x0 + swatch;
        if (i < 3) {
            graph.setDrawWidth(3);
            pixelLine(graph, x0, mid, x1, mid, kModelStyles[std::size_t(i)].colour);
            graph.setDrawWidth(1);
        } else if (i == measuredRow) {
            const QPointF centre = graph.toUser({(x0 + x1) / 2 + 0.5, mid + 0.5});
            drawMarker(graph, centre.x(), centre.y(), velocity && marks->derivedVy);
            graph.setDrawWidth(1);
        } else if (i - firstSet < int(kept.sets.size())) {
            const QPointF a = graph.toUser({x0 + 0.5, mid + 0.5}), b = graph.toUser({x1 + 0.5, mid + 0.5});
            dashed(graph, {a.x(), b.x()}, {a.y(), b.y()}, 0x404040, i - firstSet);
        }
        const Colour fore = graph.ForeColor();
        graph.setForeColor(i < 3 ? kModelStyles[std::size_t(i)].colour : i == measuredRow ? kMeasuredColour : kBlack);
        // The note on how many sets are kept takes the whole row.
        printAt(graph, QPointF(i < firstSet + int(kept.sets.size()) ? x1 + pad : x0, top), rows[i]);
        graph.setForeColor(fore);
    }
    return box;
}

void drawLegends(const Model& m, const KeptCurves& kept, DrawingSurface& Picture2, DrawingSurface& Picture3,
                 const MeasuredMarks* marks) {
    // The run goes on drawing with the pen the curves left: give it back unchanged.
    const int width2 = Picture2.DrawWidth(), width3 = Picture3.DrawWidth();
    const Colour fore2 = Picture2.ForeColor(), fore3 = Picture3.ForeColor();
    const QRect legend2 = drawLegend(m, kept, Picture2, false, marks),
                legend3 = drawLegend(m, kept, Picture3, true, marks);
    drawSetNumbers(m, kept, Picture2, false, legend2);
    drawSetNumbers(m, kept, Picture3, true, legend3);
    Picture2.setDrawWidth(width2);
    Picture3.setDrawWidth(width3);
    Picture2.setForeColor(fore2);
    Picture3.setForeColor(fore3);
}

}  // namespace velunta
