#pragma once
// `velunta --report`: the model stages of the recompute pipeline for the given
// inputs, printed as one JSON object, without a window or a display.

#include <optional>
#include <string>

#include "model/drag_fit.h"
#include "model/measured_data.h"
#include "model/model.h"

namespace velunta {

struct CommandContext;

// --report: computes the model for the inputs of the command line and prints it;
// with --data the comparison of the three models with the points, with --fit the fit.
int runReport(CommandContext& c);

// With measured data, after "captions":
//   "experiment": {"points": N, "rms": {"vacuum": m, "linear": m, "full": m}, "best": "full"}
// and with a fit:
//   "fit": {"c": v, "c_error": v|null, ..., "rms": m, "converged": bool, "iterations": n, "message": text}
// (the values null and the message saying why when the fit failed).
std::string reportJson(const Model& m, const MeasuredData* data = nullptr,
                       std::optional<FitChoice> fit = std::nullopt);

}  // namespace velunta
