#include "model/model_comparison.h"

#include <cmath>
#include <limits>

namespace velunta {

namespace {
const char* const kKeys[3] = {"vacuum", "linear", "full"};
}  // namespace

const char* dragModelKey(DragModel model) { return kKeys[std::size_t(model)]; }

std::vector<double> heightResiduals(const Model& m, DragModel model, const std::vector<MeasuredPoint>& points,
                                    double t0) {
    std::vector<double> r;
    r.reserve(points.size());
    for (const MeasuredPoint& p : points) r.push_back(p.Y - motionContinued(m, model, p.t - t0).Y);
    return r;
}

double rootMeanSquare(const std::vector<double>& values) {
    if (values.empty()) return std::numeric_limits<double>::quiet_NaN();
    double sum = 0;
    for (double v : values) sum += v * v;
    return std::sqrt(sum / double(values.size()));
}

ModelComparison compareModels(const Model& m, const std::vector<MeasuredPoint>& points) {
    ModelComparison c;
    for (DragModel model : kDragModels) {
        c.residuals[std::size_t(model)] = heightResiduals(m, model, points);
        c.rms[std::size_t(model)] = rootMeanSquare(c.residuals[std::size_t(model)]);
    }
    if (points.empty()) {
        c.verdictPhrase = phrase(QT_TRANSLATE_NOOP("Model", "Нет точек опыта"));
        c.verdict = c.verdictPhrase.russian();
        return c;
    }
    // Strictly smaller only: on a tie (a fall too short for any drag to show) the simpler model is named.
    c.best = DragModel::vacuum;
    for (DragModel model : kDragModels)
        if (c.rmsOf(model) < c.rmsOf(c.best) || (std::isnan(c.rmsOf(c.best)) && !std::isnan(c.rmsOf(model))))
            c.best = model;
    c.verdictPhrase = c.best == DragModel::vacuum
                          ? phrase(QT_TRANSLATE_NOOP("Model", "Опыт лучше всего описывает падение без сопротивления (модель «вакуум»)"))
                          : Phrase(QT_TRANSLATE_NOOP("Model", "Опыт лучше всего описывает модель %1"), {std::string(dragModelName(c.best))});
    c.verdict = c.verdictPhrase.russian();
    return c;
}

}  // namespace velunta
