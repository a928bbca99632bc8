#include "graphics/graphs/dial_widget.h"

#include <QPainter>
#include <algorithm>

#include "graphics/graphs/dial_painter.h"

namespace vyn {

// The band starts this far below the top, leaving room for the title.
constexpr int kDialTop = 10;

TDialWidget::TDialWidget(QWidget* parent) : QWidget(parent) { setMinimumSize(65, 65); }

void TDialWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  dial_.Layout(TWheelRect{0, kDialTop, width(), height()});
  DrawDegreeDial(painter, dial_, dial_.Opaque ? std::min(width(), height()) : 0);
}

}  // namespace vyn
