#pragma once
// TWheelWidget: a chart wheel on the screen. It paints its TWheel (through
// an off-screen image kept between paints when the wheel's OffScreen is on),
// passes presses to the wheel's hit test, and runs the blink timer; a blink
// step draws only the selected elements again.
//
// The wheel's own events report what happened: Wheel().OnMouseHit for
// presses on elements, Wheel().OnChange after each chart update. Drags,
// drops and other events are the widget's ordinary Qt events.
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "graphics/wheel/wheel.h"
#include "graphics/wheel/wheel_picture.h"

namespace vyn {

class TWheelWidget : public QWidget, private TWheelSurface {
  Q_OBJECT

 public:
  static constexpr int kBlinkInterval = 500;  // milliseconds

  explicit TWheelWidget(QWidget* parent = nullptr);
  ~TWheelWidget() override;

  TWheel& Wheel() { return wheel_; }
  const TWheel& Wheel() const { return wheel_; }
  // The wheel as a picture for printouts and files.
  TWheelPicture& Picture() { return picture_; }
  // The blink timer while the selection blinks.
  const QTimer& BlinkTimer() const { return blinkTimer_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void InvalidateWheel() override;
  void RedrawSelection() override;
  void SetBlinkTimer(bool running) override;
  bool WheelVisible() const override;

  // Brings the off-screen image up to date; false when it cannot be made,
  // which turns off-screen painting off for good.
  bool UpdateImage();

  TWheel wheel_;
  TWheelPicture picture_{wheel_};
  QTimer blinkTimer_;
  QImage image_;
  std::uint64_t imageVersion_ = 0;
};

}  // namespace vyn
