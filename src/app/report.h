#pragma once
// `velunta --report`: the model stages of the recompute pipeline for the given
// inputs, printed as one JSON object, without a window or a display.

#include <iosfwd>
#include <string>
#include <vector>

#include "model/model.h"

namespace velunta {

// Parses --h=X ... --c=X into the model (defaults for the rest), applies the
// input checks, and computes. Returns the exit status: 0, or 2 with the
// check's message on `err` and nothing on `out`.
int runReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Reads the input options into `m` (which holds the defaults). False with a
// message when an option is unknown, not a number, or refused by the checks.
bool readInputOptions(const std::vector<std::string>& args, Model& m, std::string& message);

// The model stages of the pipeline, in their order.
void computeModel(Model& m);

std::string reportJson(const Model& m);

}  // namespace velunta
