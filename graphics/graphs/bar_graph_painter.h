#pragma once
// Draws a laid-out element or modality graph on any QPainter.
#include "graphics/graphs/bar_graph.h"

class QPainter;

namespace vyn {

void DrawBarGraph(QPainter& painter, const TBarGraph& graph);

}  // namespace vyn
