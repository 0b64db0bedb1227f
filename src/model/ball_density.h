#pragma once
// The ball's density from its diameter and mass, m / (pi d^3 / 6), with the
// lessons' pi and grouped as everywhere it is shown, so that the refusals, the
// menus and the results all compare the same number.

#include "model/constants.h"

namespace velunta {

inline double ballDensity(double d, double massa) { return (massa * 6 / kPi) / (d * d * d); }

}  // namespace velunta
