#include "app/desktop/wheel/related_bodies.h"

#include <array>

#include "engine/horoscope.h"
#include "engine/planets.h"

namespace vyn::desktop {
namespace {

constexpr int kBodySlots = 12;
constexpr std::array<std::string_view, 4> kAxisAngles = {"AS", "IC", "DS", "MC"};
constexpr std::array<int, 4> kAxisCusps = {1, 4, 7, 10};

// The aspect point under which an angle is looked up.
std::string_view AspectPointOf(std::string_view code) {
  if (code == "DS") return "AS";
  if (code == "IC") return "MC";
  return code;
}

}  // namespace

std::string_view BodyCodeOfSlot(int slot) {
  if (slot < 1 || slot > kBodySlots) return {};
  return kBodyCodes[static_cast<std::size_t>(slot - 1)];
}

std::string_view AngleCodeOfAxis(int axis) {
  if (axis < 1 || axis > 4) return {};
  return kAxisAngles[static_cast<std::size_t>(axis - 1)];
}

int CuspOfAxis(int axis) {
  if (axis < 1 || axis > 4) return 0;
  return kAxisCusps[static_cast<std::size_t>(axis - 1)];
}

std::vector<int> RelatedBodies(const THoroscope& pressed, std::string_view code,
                               const THoroscope& other) {
  std::vector<int> related;
  if (code.empty() || pressed.Partner() != &other || other.Partner() != &pressed) return related;
  const std::string_view a = AspectPointOf(code);
  for (int slot = 1; slot <= kBodySlots; ++slot) {
    const std::string_view b = BodyCodeOfSlot(slot);
    std::string polarity = pressed.GetOverlayPolarity(a, b);
    if (polarity == "U") polarity = other.GetOverlayPolarity(b, a);
    if (polarity != "U") related.push_back(slot);
  }
  return related;
}

}  // namespace vyn::desktop
