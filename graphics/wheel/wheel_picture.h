#pragma once
// TWheelPicture: a wheel as a picture that can be drawn on any canvas.
// Drawing it into a rectangle lays the wheel out for that rectangle and
// draws it there in picture mode (thicker lines, position texts); this is
// how printouts and files place a wheel. The next screen paint lays the
// wheel out again for its own rectangle.
#include <QRect>

class QPainter;

namespace vyn {

class TWheel;

class TWheelPicture {
 public:
  explicit TWheelPicture(TWheel& wheel) : wheel_(wheel) {}

  // The picture's natural size, 100 × 100 unless set.
  int Width() const { return width_; }
  void SetWidth(int width) { width_ = width; }
  int Height() const { return height_; }
  void SetHeight(int height) { height_ = height; }
  bool Empty() const { return false; }

  // Lays the wheel out for `rect` and draws it on `painter`; picture mode is
  // on meanwhile and off afterwards, also when drawing fails.
  void Draw(QPainter& painter, const QRect& rect);

 private:
  TWheel& wheel_;
  int width_ = 100;
  int height_ = 100;
};

}  // namespace vyn
