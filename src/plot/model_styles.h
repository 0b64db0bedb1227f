#pragma once
// The three models as every view names and draws them: the legend's name, the
// colour of the curves, balls and marks, and a letter that tells the models
// apart where colour alone would not (printed in grey, read by a colour-blind eye).

#include <array>

#include "model/model_comparison.h"
#include "model/trajectory.h"
#include "plot/axes.h"

namespace velunta {

struct ModelStyle {
    DragModel model;
    const char* name;    // as the legend and the status line name it
    Colour colour;
    const char* letter;  // В: вакуум, Л: линейное сопротивление, К: линейное и квадратичное
};

inline constexpr std::array<ModelStyle, 3> kModelStyles{{
    {DragModel::vacuum, kDragModelNames[0], kBlack, "В"},
    {DragModel::linear, kDragModelNames[1], kBlue, "Л"},
    {DragModel::full, kDragModelNames[2], kRed, "К"},
}};

inline const ModelStyle& styleOf(DragModel model) { return kModelStyles[std::size_t(model)]; }

}  // namespace velunta
