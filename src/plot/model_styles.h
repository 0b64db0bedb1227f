#pragma once
// The three models as every view names and draws them: the legend's name, the
// colour of the curves, balls and marks, and a letter that tells the models
// apart where colour alone would not (printed in grey, read by a colour-blind eye).

#include <QCoreApplication>
#include <QString>
#include <array>

#include "model/model_comparison.h"
#include "model/phrase.h"
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
    {DragModel::vacuum, kDragModelNames[0], kBlack, QT_TRANSLATE_NOOP("ModelStyles", "В")},
    {DragModel::linear, kDragModelNames[1], kBlue, QT_TRANSLATE_NOOP("ModelStyles", "Л")},
    {DragModel::full, kDragModelNames[2], kRed, QT_TRANSLATE_NOOP("ModelStyles", "К")},
}};

inline const ModelStyle& styleOf(DragModel model) { return kModelStyles[std::size_t(model)]; }

// The name and the letter in the language of the program.
inline QString styleName(const ModelStyle& s) { return shownModelText(s.name); }
inline QString styleLetter(const ModelStyle& s) { return QCoreApplication::translate("ModelStyles", s.letter); }

}  // namespace velunta
