#pragma once
// A caption that must show whole in a box of fixed size: its font shrinks just
// enough for the text to fit, and returns to the design size when it fits again.

#include <QLabel>

namespace velunta {

// The width a label leaves for its text (inside its frame and indent, one pixel of air).
double textRoom(const QLabel& label);
// The point size the label was designed with (before any fitting).
double designPointSize(const QLabel& label);
// Sets the label's font to the largest size, in quarter points up to the size it
// was designed with times `scale` (the projector view's), at which its text fits
// its room (never below 6 points).
void fitTextToBox(QLabel& label, double scale = 1.0);

}  // namespace velunta
