#pragma once
// Draws a laid-out compatibility graph on any QPainter, with a hover state
// (the row whose two bars show apart, the glyph button marked).
#include "graphics/graphs/compatibility.h"

class QPainter;

namespace vyn {

void DrawCompatibility(QPainter& painter, const TCompatibility& graph,
                       const TCompHover& hover = {});

}  // namespace vyn
