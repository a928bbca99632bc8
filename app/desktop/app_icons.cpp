#include "app/desktop/app_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <cmath>
#include <functional>

namespace vyn::desktop {
namespace {

constexpr std::array<int, 6> kIconSizes = {16, 22, 24, 32, 48, 64};
const QColor kInk(0x2d, 0x3a, 0x55);     // strokes
const QColor kAccent(0x3b, 0x6e, 0xc9);  // fills
const QColor kWarm(0xd9, 0x5b, 0x6a);    // the heart of compatibility

// Draws into a square of side 1 scaled to the image.
using TDrawing = std::function<void(QPainter&)>;

QImage Draw(int size, const TDrawing& drawing) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size, size);
  drawing(painter);
  return image;
}

QIcon IconOf(const TDrawing& drawing) {
  QIcon icon;
  for (int size : kIconSizes) icon.addPixmap(QPixmap::fromImage(Draw(size, drawing)));
  return icon;
}

QPen Stroke(const QColor& color, double width) {
  QPen pen(color, width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

void Globe(QPainter& p) {
  p.setPen(Stroke(kInk, 0.07));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(0.12, 0.12, 0.76, 0.76));
  p.drawEllipse(QRectF(0.33, 0.12, 0.34, 0.76));
  p.drawLine(QPointF(0.12, 0.5), QPointF(0.88, 0.5));
  p.drawLine(QPointF(0.18, 0.31), QPointF(0.82, 0.31));
  p.drawLine(QPointF(0.18, 0.69), QPointF(0.82, 0.69));
}

void Person(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawEllipse(QRectF(0.34, 0.1, 0.32, 0.32));
  QPainterPath shoulders;
  shoulders.moveTo(0.14, 0.9);
  shoulders.cubicTo(0.14, 0.5, 0.86, 0.5, 0.86, 0.9);
  shoulders.closeSubpath();
  p.drawPath(shoulders);
}

void Printer(QPainter& p) {
  p.setPen(Stroke(kInk, 0.06));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(0.28, 0.1, 0.44, 0.3));
  p.setBrush(kAccent);
  p.drawRoundedRect(QRectF(0.1, 0.36, 0.8, 0.34), 0.06, 0.06);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(0.28, 0.58, 0.44, 0.32));
}

void Grid(QPainter& p) {
  p.setPen(Stroke(kInk, 0.06));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.12, 0.12, 0.76, 0.76));
  for (double at : {0.373, 0.627}) {
    p.drawLine(QPointF(at, 0.12), QPointF(at, 0.88));
    p.drawLine(QPointF(0.12, at), QPointF(0.88, at));
  }
  p.setPen(Stroke(kAccent, 0.07));
  QPolygonF triangle({QPointF(0.5, 0.41), QPointF(0.58, 0.56), QPointF(0.42, 0.56)});
  p.drawPolygon(triangle);
}

void Heart(QPainter& p) {
  QPainterPath heart;
  heart.moveTo(0.5, 0.86);
  heart.cubicTo(0.1, 0.58, 0.02, 0.3, 0.27, 0.18);
  heart.cubicTo(0.4, 0.12, 0.5, 0.22, 0.5, 0.3);
  heart.cubicTo(0.5, 0.22, 0.6, 0.12, 0.73, 0.18);
  heart.cubicTo(0.98, 0.3, 0.9, 0.58, 0.5, 0.86);
  p.setPen(Stroke(kInk, 0.05));
  p.setBrush(kWarm);
  p.drawPath(heart);
}

void Bars(QPainter& p) {
  p.setPen(Qt::NoPen);
  const std::array<std::pair<double, QColor>, 4> bars = {
      {{0.55, QColor(0xe0, 0x8a, 0x2e)}, {0.75, QColor(0x4c, 0x9a, 0x5a)},
       {0.4, kAccent}, {0.62, QColor(0x8a, 0x6b, 0xc2)}}};
  for (std::size_t i = 0; i < bars.size(); ++i) {
    p.setBrush(bars[i].second);
    p.drawRect(QRectF(0.12 + 0.2 * double(i), 0.88 - bars[i].first, 0.15, bars[i].first));
  }
  p.setPen(Stroke(kInk, 0.05));
  p.drawLine(QPointF(0.08, 0.9), QPointF(0.92, 0.9));
}

void Question(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawEllipse(QRectF(0.1, 0.1, 0.8, 0.8));
  p.setPen(Stroke(Qt::white, 0.1));
  QPainterPath hook;
  hook.moveTo(0.37, 0.38);
  hook.cubicTo(0.37, 0.2, 0.65, 0.2, 0.64, 0.38);
  hook.cubicTo(0.63, 0.5, 0.5, 0.49, 0.5, 0.6);
  p.setBrush(Qt::NoBrush);
  p.drawPath(hook);
  p.drawPoint(QPointF(0.5, 0.75));
}

void MenuBars(QPainter& p) {
  p.setPen(Stroke(kInk, 0.1));
  for (double y : {0.28, 0.5, 0.72}) p.drawLine(QPointF(0.18, y), QPointF(0.82, y));
}

void Play(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawPolygon(QPolygonF({QPointF(0.28, 0.16), QPointF(0.84, 0.5), QPointF(0.28, 0.84)}));
}

void Rings(QPainter& p) {
  const QRectF tile(0.04, 0.04, 0.92, 0.92);
  QLinearGradient sky(0, 0, 0, 1);
  sky.setColorAt(0, QColor(0x23, 0x2f, 0x5c));
  sky.setColorAt(1, QColor(0x12, 0x18, 0x33));
  p.setPen(Qt::NoPen);
  p.setBrush(sky);
  p.drawRoundedRect(tile, 0.2, 0.2);
  p.setBrush(Qt::NoBrush);
  p.setPen(Stroke(QColor(0xf2, 0xc1, 0x4e), 0.075));
  p.drawEllipse(QPointF(0.39, 0.52), 0.22, 0.22);
  p.setPen(Stroke(QColor(0xe8, 0x7a, 0x8c), 0.075));
  p.drawEllipse(QPointF(0.61, 0.52), 0.22, 0.22);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xff, 0xf3, 0xd6));
  for (const auto& [x, y, r] : {std::array<double, 3>{0.2, 0.2, 0.025},
                                std::array<double, 3>{0.8, 0.18, 0.02},
                                std::array<double, 3>{0.5, 0.14, 0.015}})
    p.drawEllipse(QPointF(x, y), r, r);
}

}  // namespace

QImage AppIconImage(int size) { return Draw(size, Rings); }

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addPixmap(QPixmap::fromImage(AppIconImage(size)));
  return icon;
}

QIcon CommandIcon(ECommand command) {
  switch (command) {
    case ECommand::cmWebSite: return IconOf(Globe);
    case ECommand::cmNameData: return IconOf(Person);
    case ECommand::cmPrintCharts: return IconOf(Printer);
    case ECommand::cmAspectGrid: return IconOf(Grid);
    case ECommand::cmCompatibilityGraph: return IconOf(Heart);
    case ECommand::cmElementGraph: return IconOf(Bars);
    case ECommand::cmHelp: return IconOf(Question);
    case ECommand::cmToggleMenu: return IconOf(MenuBars);
    case ECommand::cmVideo:
    case ECommand::cmInterpreter: return IconOf(Play);
    default: return {};
  }
}

}  // namespace vyn::desktop
