#pragma once
// Numbers as the lesson view shows them: four significant digits, the decimal
// comma, a power of ten written out where a fixed form would run long.

#include <QString>

namespace velunta {

// 0,04008; 2,459; 1234; 1,235·10⁻⁵.
QString significant(double value, int digits = 4);

}  // namespace velunta
