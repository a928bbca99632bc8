#pragma once

namespace vyn {

// What a chart record needs of the wheel that shows it: after every
// recalculation it resets the wheel's propagation count and lets it take the
// new positions. The wheel itself lives in the graphics layer.
class TWheelLink {
 public:
  virtual ~TWheelLink() = default;
  virtual void SetPropagationCount(int count) = 0;
  virtual void UpdateFromChart() = 0;
};

}  // namespace vyn
