#pragma once
// The quantities of the lesson's results table, one row each: its name, symbol
// and unit, and how to read its value in each model. One list, so that the
// table, its tooltips and its copy never disagree.

#include <optional>
#include <vector>

#include "model/model.h"
#include "model/trajectory.h"

namespace velunta {

struct ResultQuantity {
    const char* meaning;  // in plain words: "время подъёма" (shownModelText translates it)
    const char* symbol;   // "Tp"
    const char* unit;     // "с", or "" for a pure number (shownUnit translates it)
    // The value in a model at the shown time t, or nothing where the model has no such
    // quantity or it means nothing for these inputs (no rise for a ball thrown down).
    std::optional<double> (*value)(const Model& m, DragModel model, double t);
    bool changesWithTime;  // read again whenever the shown time moves
};

// Characteristics first, then the state at the shown time.
const std::vector<ResultQuantity>& resultQuantities();

}  // namespace velunta
