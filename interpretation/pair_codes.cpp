#include "interpretation/pair_codes.h"

#include "engine/horoscope.h"

namespace vyn {

bool THoroscopeCodes::Active() const { return chart_.Active(); }
std::string THoroscopeCodes::FirstName() const { return chart_.FirstName(); }
std::string THoroscopeCodes::DescendantRuler() const { return chart_.DescendantRuler(); }

std::string THoroscopeCodes::GetSignCode(std::string_view body) const {
  return chart_.GetSignCode(body);
}

std::string THoroscopeCodes::GetHouseCode(std::string_view body) const {
  return chart_.GetHouseCode(body);
}

std::string THoroscopeCodes::GetOverlayHouseCode(std::string_view body) const {
  return chart_.GetOverlayHouseCode(body);
}

std::string THoroscopeCodes::GetAspectPolarity(std::string_view a, std::string_view b) const {
  return chart_.GetAspectPolarity(a, b);
}

std::string THoroscopeCodes::GetOverlayPolarity(std::string_view a, std::string_view b) const {
  return chart_.GetOverlayPolarity(a, b);
}

}  // namespace vyn
