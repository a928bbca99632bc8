#include "graphics/wheel/wheel_picture.h"

#include "graphics/wheel/wheel.h"
#include "graphics/wheel/wheel_painter.h"

namespace vyn {

void TWheelPicture::Draw(QPainter& painter, const QRect& rect) {
  TPictureModeScope pictureMode;
  wheel_.Layout({rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()});
  TWheelPainter(painter, wheel_).DrawWheel();
}

}  // namespace vyn
