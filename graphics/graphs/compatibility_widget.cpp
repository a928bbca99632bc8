#include "graphics/graphs/compatibility_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "graphics/graphs/compatibility_painter.h"

namespace vyn {

TCompatibilityWidget::TCompatibilityWidget(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the whole graph is painted each time
  setMinimumSize(120, 80);
}

TCompHit TCompatibilityWidget::HitAt(const QPoint& point) {
  graph_.Layout(ToWheelRect(rect()));
  return graph_.Hit(point.x(), point.y());
}

void TCompatibilityWidget::SetHover(const TCompHover& hover) {
  if (hover == hover_) return;
  hover_ = hover;
  update();
}

void TCompatibilityWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().button());
  graph_.Layout(ToWheelRect(rect()));
  DrawCompatibility(painter, graph_, hover_);
}

void TCompatibilityWidget::mouseMoveEvent(QMouseEvent* event) {
  const TCompHit hit = HitAt(event->position().toPoint());
  setCursor(hit.part == TCompPart::cpNone ? Qt::ArrowCursor : Qt::PointingHandCursor);
  SetHover(HoverOf(hit));
}

void TCompatibilityWidget::leaveEvent(QEvent*) {
  unsetCursor();
  SetHover({});
}

void TCompatibilityWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    if (OnMouseHit) OnMouseHit();
    return;
  }
  if (!onBarClick) return;
  const QPoint point = event->position().toPoint();
  const TCompHit hit = HitAt(point);
  const TBarPress press = PressOf(hit);
  if (press.portion.empty()) return;
  SetHover(HoverOf(hit));
  repaint();  // the pressed row shows split while its handler runs
  onBarClick(press, point);
}

}  // namespace vyn
