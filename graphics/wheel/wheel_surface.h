#pragma once
// What a wheel needs of the control that shows it: repaints, a redraw of
// the selected elements alone, and the blink timer. A wheel without a
// surface (a picture drawn for a printout or a file) needs none of them.
namespace vyn {

class TWheelSurface {
 public:
  // The wheel changed: paint all of it anew.
  virtual void InvalidateWheel() = 0;
  // The selected elements changed colour (blink phase, selection ended):
  // draw them again, without repainting the wheel.
  virtual void RedrawSelection() = 0;
  // Start (true) or stop the timer that calls TWheel::BlinkTick every 500 ms.
  virtual void SetBlinkTimer(bool running) = 0;
  virtual bool WheelVisible() const = 0;

 protected:
  virtual ~TWheelSurface() = default;
};

}  // namespace vyn
