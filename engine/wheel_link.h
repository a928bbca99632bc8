#pragma once

namespace vyn {

class THoroscope;

// What a chart record needs of the wheel that shows it: after every
// recalculation it resets the wheel's propagation count and lets it take the
// new positions. The wheel itself lives in the graphics layer.
//
// The link knows its chart and the chart knows the link
// (THoroscope::SetWheel keeps both sides), so neither can outlive the other
// with a dangling pointer: a wheel that goes unlinks itself from its chart,
// and a chart that drops its wheel (it goes, or another wheel takes it)
// clears the link and then tells the wheel through ChartUnlinked. A wheel
// should reach its chart through LinkedChart() rather than keep a pointer
// of its own.
class TWheelLink {
 public:
  TWheelLink() = default;
  // A copy starts unlinked: a chart reports to one wheel.
  TWheelLink(const TWheelLink&) {}
  TWheelLink& operator=(const TWheelLink&) { return *this; }
  virtual ~TWheelLink() { Unlink(); }

  virtual void SetPropagationCount(int count) = 0;
  virtual void UpdateFromChart() = 0;

  // The chart record that reports to this wheel, or nullptr.
  THoroscope* LinkedChart() const { return chart_; }

 protected:
  // The wheel leaves its chart without being told (ChartUnlinked is not
  // called); nothing when it follows none.
  void Unlink();
  // The chart dropped this wheel; LinkedChart() is already nullptr. A wheel
  // drops any reference of its own to the chart here.
  virtual void ChartUnlinked() {}

 private:
  friend class THoroscope;
  THoroscope* chart_ = nullptr;
};

}  // namespace vyn
