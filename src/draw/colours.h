#pragma once
// The colours the pictures and the window share: the models' curves, marks and
// results, the grid and the ball.

#include "draw/drawing_surface.h"

namespace velunta {

constexpr Colour kBlack = 0;           // vacuum, axes and texts
constexpr Colour kBlue = 0xFF0000;     // linear drag
constexpr Colour kRed = 0x0000FF;      // linear plus quadratic drag, and the ball
constexpr Colour kWhite = 0xFFFFFF;    // paper
constexpr Colour kGridGreen = 0x80FF80;

}  // namespace velunta
