#pragma once
// A selection record of a wheel: the elements that blink.
#include <array>

namespace vyn {

struct TWheelSelection {
  static constexpr int kMaxBodies = 13;

  int house = -1;   // 1..12, -1 for none
  int sign = -1;
  int cusp = -1;
  int axis = -1;    // 1..4
  int aspect = -1;  // entry of the chart's own aspect list
  int count = 0;    // bodies held
  std::array<int, kMaxBodies> bodies{};  // body slots 1..12
  // Which glyphs the bodies are: 1 the outer chart's, 0 the inner chart's.
  int glyphRing = 1;

  // Forgets the elements; the glyph ring stays.
  void Clear();
  bool Empty() const;
  bool HasBody(int slot) const;
  // Appends a body slot unless it is held already or the record is full.
  void AddBody(int slot);
  // Holds this body alone.
  void SetBody(int slot);
  // The two points of an aspect: the Ascendant (13) as axis 1, the
  // Midheaven (14) as axis 4, bodies appended.
  void AddAspectPoint(int point);
};

}  // namespace vyn
