#pragma once
// Draws a laid-out degree dial on any QPainter: frame, band, ticks and
// their numbers, and, with charts to show, the title and both people's
// glyphs with their pointers.
#include "graphics/graphs/degree_dial.h"

class QPainter;

namespace vyn {

// `fillSize`: the square side that an opaque dial fills first (the smaller
// of the control's width and height); 0 fills nothing.
void DrawDegreeDial(QPainter& painter, const TDDial& dial, int fillSize = 0);

}  // namespace vyn
