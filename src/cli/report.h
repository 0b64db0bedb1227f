#pragma once
// `velunta --report`: the model stages of the recompute pipeline for the given
// inputs, printed as one JSON object, without a window or a display.

#include <string>

#include "model/model.h"

namespace velunta {

struct CommandContext;

// --report: computes the model for the inputs of the command line and prints it.
int runReport(CommandContext& c);

std::string reportJson(const Model& m);

}  // namespace velunta
