#include "graphics/graphs/graph_pictures.h"

#include <QPainter>

#include "graphics/graphs/bar_graph_painter.h"
#include "graphics/graphs/compatibility_painter.h"
#include "graphics/graphs/dial_painter.h"
#include "graphics/graphs/graph_drawing.h"

namespace vyn {

TWheelRect ToWheelRect(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void TComPatablePicture::Draw(QPainter& painter, const QRect& rect) {
  graph_.Layout(ToWheelRect(rect));
  DrawCompatibility(painter, graph_);
}

void TElementPicture::Draw(QPainter& painter, const QRect& rect) {
  graph_.Layout(ToWheelRect(rect));
  DrawBarGraph(painter, graph_);
}

void TModalityPicture::Draw(QPainter& painter, const QRect& rect) {
  graph_.Layout(ToWheelRect(rect));
  DrawBarGraph(painter, graph_);
}

void TDDialPicture::Draw(QPainter& painter, const QRect& rect) {
  graph_.Layout(ToWheelRect(rect));
  if (graph_.Opaque) painter.fillRect(rect, ToColor(graph_.Color));
  DrawDegreeDial(painter, graph_);
}

}  // namespace vyn
