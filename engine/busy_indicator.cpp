#include "engine/busy_indicator.h"

#include <utility>

namespace vyn {
namespace {
std::function<void(bool)>& Indicator() {
  static std::function<void(bool)> indicator;
  return indicator;
}
}  // namespace

void SetBusyIndicator(std::function<void(bool)> indicator) {
  Indicator() = std::move(indicator);
}

TBusyScope::TBusyScope() {
  if (Indicator()) Indicator()(true);
}

TBusyScope::~TBusyScope() {
  if (Indicator()) Indicator()(false);
}

}  // namespace vyn
