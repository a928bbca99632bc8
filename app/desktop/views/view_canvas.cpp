#include "app/desktop/views/view_canvas.h"

#include <QPainter>
#include <utility>

namespace vyn::desktop {

TViewCanvas::TViewCanvas(TRender render, QWidget* parent)
    : QWidget(parent), render_(std::move(render)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(1, 1);
}

void TViewCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  render_(painter, size());
}

void PrepareViewPainter(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, false);  // grid lines stay crisp
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setBrush(Qt::NoBrush);
}

}  // namespace vyn::desktop
