#include "graphics/graphs/graph_drawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "graphics/wheel/wheel_painter.h"

namespace vyn {

QColor ToColor(TRgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

QRect ToQRect(const TWheelRect& r) {
  return QRect(r.left, r.top, std::max(0, r.Width()), std::max(0, r.Height()));
}

QFont GraphFont(int height) { return WheelFont(QString::fromLatin1(kSymbolFamily), std::max(1, height)); }

void FillOutlined(QPainter& p, const QRect& r, const QColor& fill, const QColor& outline) {
  if (r.isEmpty()) return;
  p.fillRect(r, fill);
  p.setPen(QPen(outline, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(0, 0, -1, -1));
}

void RaisedFrame(QPainter& p, const QRect& r) {
  if (r.isEmpty()) return;
  const int l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
  p.setPen(QPen(Qt::white, 1));
  p.drawLine(l, t, rt - 1, t);
  p.drawLine(l, t, l, b - 1);
  p.setPen(QPen(QColor(160, 160, 160), 1));
  p.drawLine(l + 1, b - 1, rt - 1, b - 1);
  p.drawLine(rt - 1, t + 1, rt - 1, b - 1);
  p.setPen(QPen(QColor(64, 64, 64), 1));
  p.drawLine(l, b, rt, b);
  p.drawLine(rt, t, rt, b);
}

namespace {

int TextWidth(const QString& text, int height) {
  return QFontMetrics(GraphFont(height)).horizontalAdvance(text);
}

}  // namespace

int FittedHeight(const QString& text, const QRect& box, TFitAlign align, bool forPrinting) {
  const int width = box.width(), h = box.height();
  if (align == TFitAlign::faCentre) {
    double height = h / 1.95;
    if (TextWidth(text, static_cast<int>(height)) > width) height = h / 2.1;
    if (forPrinting) height *= 1.8;
    return static_cast<int>(height);
  }
  const double first = align == TFitAlign::faLeft ? 0.9 * (h - 2) : 0.9 * (h + 2);
  int height = static_cast<int>(first);
  for (double f : {0.8, 0.6, 0.4, 0.3}) {
    if (TextWidth(text, height) <= width) break;
    height = static_cast<int>(f * (h - 2));
  }
  return height;
}

void DrawFittedText(QPainter& p, const QRect& box, const QString& text, TFitAlign align,
                    const QColor& colour, bool forPrinting) {
  if (text.isEmpty() || box.height() < 3) return;
  const int height = FittedHeight(text, box, align, forPrinting);
  p.setFont(GraphFont(height));
  p.setPen(colour);
  switch (align) {
    case TFitAlign::faLeft:
      p.drawText(box.adjusted(5, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                 text);
      break;
    case TFitAlign::faRight:
      p.drawText(box.adjusted(0, 0, -box.width() / 30, 0),
                 Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip, text);
      break;
    case TFitAlign::faCentre:
      p.drawText(box, Qt::AlignCenter | Qt::TextDontClip, text);
      break;
  }
}

void DrawCentred(QPainter& p, const QRect& r, const QString& text, int height,
                 const QColor& colour) {
  if (text.isEmpty() || height < 1) return;
  p.setFont(GraphFont(height));
  p.setPen(colour);
  p.drawText(r, Qt::AlignCenter | Qt::TextDontClip, text);
}

}  // namespace vyn
