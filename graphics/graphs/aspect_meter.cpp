#include "graphics/graphs/aspect_meter.h"

#include <QPainter>
#include <algorithm>

namespace vyn {

QRect MeterFill(TMeterKind kind, const QSize& size, int percent) {
  const int w = size.width(), h = size.height();
  if (kind == TMeterKind::mkVerticalBar) {
    int n = percent * (h - 2) / 100;
    if (n >= h - 3) n = h - 4;  // the bar stays inside the frame
    if (n < 1) return {};
    return QRect(QPoint(2, h - 2 - n), QPoint(w - 2, h - 2)).adjusted(0, 0, -1, -1);
  }
  const int n = std::min(percent * (w - 2) / 100, w - 2);
  if (n < 1) return {};
  return QRect(QPoint(2, 2), QPoint(n, h - 2)).adjusted(0, 0, -1, -1);
}

TAspectMeter::TAspectMeter(QWidget* parent)
    : QWidget(parent), backColor_(palette().color(QPalette::Base)) {
  resize(24, 100);
}

template <typename T>
void TAspectMeter::Change(T& field, const T& value) {
  if (field == value) return;
  field = value;
  update();
}

void TAspectMeter::SetKind(TMeterKind kind) { Change(kind_, kind); }
void TAspectMeter::SetBordered(bool on) { Change(bordered_, on); }
void TAspectMeter::SetForeColor(const QColor& color) { Change(foreColor_, color); }
void TAspectMeter::SetBackColor(const QColor& color) { Change(backColor_, color); }

void TAspectMeter::SetMinValue(int value) {
  Change(minValue_, value);
  SetProgress(progress_);
}

void TAspectMeter::SetMaxValue(int value) {
  Change(maxValue_, value);
  SetProgress(progress_);
}

void TAspectMeter::SetProgress(int value) {
  Change(progress_, std::clamp(value, minValue_, std::max(minValue_, maxValue_)));
}

int TAspectMeter::Percent() const {
  if (maxValue_ <= minValue_) return 0;
  return (progress_ - minValue_) * 100 / (maxValue_ - minValue_);
}

void TAspectMeter::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int w = width(), h = height();
  // The sunken frame: shadow on the left and top, white on the right and bottom.
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawLine(0, 0, w - 1, 0);
  painter.drawLine(0, 0, 0, h - 1);
  painter.setPen(Qt::white);
  painter.drawLine(w - 1, 0, w - 1, h - 1);
  painter.drawLine(0, h - 1, w - 1, h - 1);
  const QRect inner(QPoint(1, 1), QPoint(w - 2, h - 2));
  painter.fillRect(inner, backColor_);
  painter.setPen(bordered_ ? QColor(Qt::black) : backColor_);
  painter.drawRect(inner.adjusted(0, 0, -1, -1));
  const QRect fill = MeterFill(kind_, size(), Percent());
  if (!fill.isEmpty()) painter.fillRect(fill, foreColor_);
}

}  // namespace vyn
