#include "graphics/graphs/bar_graph_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "graphics/graphs/bar_graph_painter.h"
#include "graphics/graphs/graph_pictures.h"

namespace vyn {

TBarGraphWidget::TBarGraphWidget(TBarGraphKind kind, QWidget* parent)
    : QWidget(parent), graph_(std::make_unique<TBarGraph>(kind)) {
  setMouseTracking(true);
  setMinimumSize(120, 60);
}

TBarHit TBarGraphWidget::HitAt(const QPoint& point) {
  graph_->Layout(ToWheelRect(rect()));
  return graph_->Hit(point.x(), point.y());
}

void TBarGraphWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  graph_->Layout(ToWheelRect(rect()));
  DrawBarGraph(painter, *graph_);
}

void TBarGraphWidget::mouseMoveEvent(QMouseEvent* event) {
  const bool onBar = HitAt(event->position().toPoint()).person != 0;
  setCursor(onBar ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TBarGraphWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    if (OnMouseHit) OnMouseHit();
    return;
  }
  if (!onBarClick) return;
  const TBarHit hit = HitAt(event->position().toPoint());
  if (hit.person == 0) return;
  onBarClick(hit.person, hit.bar, static_cast<int>(graph_->Counts().Points(hit.person, hit.bar)));
}

}  // namespace vyn
