#pragma once
// Which of the three models describes a measured fall: the root-mean-square of
// the height residuals over the points,
//   rms = sqrt( sum_i (Y_i - Y_model(t_i))^2 / N ),
// each model's closed form continued past its own landing (motionContinued), so
// that a point measured after a model has landed still counts against it.

#include <array>
#include <string>
#include <vector>

#include "model/phrase.h"
#include "model/measured_data.h"
#include "model/trajectory.h"

namespace velunta {

// The models in the order of DragModel, as the legend names them and as the
// JSON report keys them ("vacuum", "linear", "full").
inline constexpr std::array<const char*, 3> kDragModelNames{QT_TRANSLATE_NOOP("Model", "вакуум"), "Fc~v", "Fc~v+v²"};
inline const char* dragModelName(DragModel model) { return kDragModelNames[std::size_t(model)]; }
const char* dragModelKey(DragModel model);
inline constexpr std::array<DragModel, 3> kDragModels{DragModel::vacuum, DragModel::linear, DragModel::full};

struct ModelComparison {
    std::array<double, 3> rms{};                     // m, indexed by DragModel; NaN without points
    std::array<std::vector<double>, 3> residuals;    // Y measured - Y of the model, m, one per point
    DragModel best = DragModel::full;                // the smallest rms (the simpler model on a tie)
    std::string verdict;                             // "Опыт лучше всего описывает модель Fc~v+v²"
    Phrase verdictPhrase;                            // the same, for translation
    double rmsOf(DragModel model) const { return rms[std::size_t(model)]; }
};

// Needs a model on which parametr, raschet1 and raschet2 have run (as recompute
// does); `points` as compared, that is alignedPoints(data, m.h).
ModelComparison compareModels(const Model& m, const std::vector<MeasuredPoint>& points);

// The residuals of one model, the point's time shifted by t0 (model time = t - t0).
std::vector<double> heightResiduals(const Model& m, DragModel model, const std::vector<MeasuredPoint>& points,
                                    double t0 = 0);
double rootMeanSquare(const std::vector<double>& values);

}  // namespace velunta
