#include "engine/wheel_link.h"

#include "engine/horoscope.h"

namespace vyn {

void TWheelLink::Unlink() {
  if (!chart_) return;
  chart_->wheel_ = nullptr;
  chart_ = nullptr;
}

}  // namespace vyn
