#pragma once
// The busy (hourglass) cursor shown during a recalculation. The engine knows
// no user interface: the application installs the indicator.
#include <functional>

namespace vyn {

// Called with true when busy work starts and false when it ends.
void SetBusyIndicator(std::function<void(bool)> indicator);

// Shows the busy indicator for its lifetime, restoring it even on failure.
class TBusyScope {
 public:
  TBusyScope();
  ~TBusyScope();
  TBusyScope(const TBusyScope&) = delete;
  TBusyScope& operator=(const TBusyScope&) = delete;
};

}  // namespace vyn
