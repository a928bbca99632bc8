#include "graphics/wheel/wheel_widget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <exception>

#include "graphics/wheel/wheel_painter.h"

namespace vyn {
namespace {

TWheelPress PressOf(const QMouseEvent& event) {
  if (event.modifiers() != Qt::NoModifier) return TWheelPress::wpOther;
  if (event.button() == Qt::LeftButton && event.buttons() == Qt::LeftButton)
    return TWheelPress::wpLeft;
  if (event.button() == Qt::RightButton && event.buttons() == Qt::RightButton)
    return TWheelPress::wpRight;
  return TWheelPress::wpOther;
}

}  // namespace

TWheelWidget::TWheelWidget(QWidget* parent) : QWidget(parent) {
  resize(TWheel::kDefaultSize, TWheel::kDefaultSize);
  wheel_.SetSurface(this);
  blinkTimer_.setInterval(kBlinkInterval);
  connect(&blinkTimer_, &QTimer::timeout, this, [this] { wheel_.BlinkTick(); });
}

TWheelWidget::~TWheelWidget() { wheel_.SetSurface(nullptr); }

bool TWheelWidget::UpdateImage() {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels(static_cast<int>(std::ceil(width() * ratio)),
                     static_cast<int>(std::ceil(height() * ratio)));
  if (imageVersion_ == wheel_.DrawingVersion() && image_.size() == pixels &&
      image_.devicePixelRatio() == ratio)
    return true;
  try {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) throw std::bad_alloc();
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);  // the parent shows where the wheel draws nothing
    QPainter painter(&image);
    TWheelPainter(painter, wheel_).DrawWheel();
    painter.end();
    image_ = std::move(image);
    imageVersion_ = wheel_.DrawingVersion();
    return true;
  } catch (const std::exception&) {
    image_ = QImage();
    wheel_.SetOffScreen(false);
    wheel_.Layout({0, 0, width(), height()});
    QApplication::beep();
    return false;
  }
}

void TWheelWidget::paintEvent(QPaintEvent* event) {
  const TWheelRect client{0, 0, width(), height()};
  if (wheel_.LastLayoutRect() != client) wheel_.Layout(client);
  QPainter painter(this);
  if (wheel_.OffScreen() && UpdateImage()) {
    const qreal ratio = image_.devicePixelRatio();
    for (const QRect& area : event->region())
      painter.drawImage(QRectF(area), image_,
                        QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio,
                               area.height() * ratio));
  } else {
    TWheelPainter(painter, wheel_).DrawWheel();
  }
  // The selection blinks black and white over the wheel.
  if (wheel_.Blinking())
    TWheelPainter(painter, wheel_).DrawSelection(wheel_.BlinkPhase() ? Qt::black : Qt::white);
}

void TWheelWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  wheel_.MouseDown(PressOf(*event), at.x(), at.y());
}

// The second press of a double click is no plain press.
void TWheelWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  wheel_.MouseDown(TWheelPress::wpOther, at.x(), at.y());
}

void TWheelWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) wheel_.SetFontName(font().family().toStdString());
  QWidget::changeEvent(event);
}

void TWheelWidget::InvalidateWheel() { update(); }

void TWheelWidget::RedrawSelection() { update(TWheelPainter::SelectionRegion(wheel_)); }

void TWheelWidget::SetBlinkTimer(bool running) {
  if (running) blinkTimer_.start();
  else blinkTimer_.stop();
}

bool TWheelWidget::WheelVisible() const { return isVisible(); }

}  // namespace vyn
