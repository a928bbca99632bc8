// The codes a chart pair gives the interpretation: signs, houses, overlay
// houses, aspect polarities and leads, by body code.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/horoscope.h"
#include "engine/text_helpers.h"

namespace vyn {
namespace {

constexpr int kTypeMidheaven = 12;
constexpr int kTypeAscendant = 15;
constexpr int kTypeDescendant = 18;
constexpr int kTypeIc = 21;

constexpr std::string_view kBenefic[] = {"SU", "MO", "ME", "VE",
                                         "JU", "NN", "AS", "MC"};
constexpr std::string_view kMalefic[] = {"MA", "SA", "UR", "NE", "PL", "SN"};

template <std::size_t N>
bool Contains(const std::string_view (&group)[N], std::string_view code) {
  return std::find(std::begin(group), std::end(group), code) != std::end(group);
}

bool IsBenefic(std::string_view code) { return Contains(kBenefic, code); }
bool IsMalefic(std::string_view code) { return Contains(kMalefic, code); }

std::string HouseText(int house) { return TwoDigits(house); }

// Harmonious or tense by aspect kind; a conjunction is decided by the
// caller. The quincunx counts as harmonious within a chart and as tense
// between two charts.
std::string KindPolarity(int kind, bool quincunxTense) {
  switch (kind) {
    case 2: case 4: case 8: return "+";
    case 3: case 6: case 9: case 12: return "-";
    case 10: return quincunxTense ? "-" : "+";
    default: return "U";
  }
}

// The place of a D.MM longitude within its sign.
extended WithinSign(extended x) { return x - 30 * (Trunc(x) / 30); }

}  // namespace

int THoroscope::BodyIndexOf(std::string_view code) {
  const auto it = std::find(kBodyCodes.begin(), kBodyCodes.end(), code);
  return it == kBodyCodes.end() ? -1
                                : static_cast<int>(it - kBodyCodes.begin());
}

int THoroscope::PointTypeOf(std::string_view code) const {
  const int ordinal = BodyIndexOf(OwnCode(code));
  switch (ordinal) {
    case plAsc: return kTypeAscendant;
    case plMc: return kTypeMidheaven;
    case plDsc: return kTypeDescendant;
    case plIc: return kTypeIc;
    default: return ordinal;  // bodies 0..11, or -1
  }
}

std::string THoroscope::SignCode(int sign) {
  return sign >= 0 && sign < kSignCount ? std::string(kSignCodes[sign]) : "";
}

std::string_view THoroscope::RulerCode() const {
  const std::string sign = GetSignCode("DS");
  const auto it = std::find(kSignCodes.begin(), kSignCodes.end(), sign);
  return it == kSignCodes.end() ? std::string_view{}
                                : kSignRulers[it - kSignCodes.begin()];
}

std::string THoroscope::DescendantRuler() const {
  return std::string(RulerCode());
}

std::string_view THoroscope::OwnCode(std::string_view code) const {
  return code == kDescendantRulerCode ? RulerCode() : code;
}

// "DR" on the partner's side is the partner's ruler; a chart without a
// partner stands in for its own partner, as in its cross aspect list.
std::string_view THoroscope::PartnerCode(std::string_view code) const {
  if (code != kDescendantRulerCode) return code;
  return partner_ ? partner_->RulerCode() : RulerCode();
}

std::string THoroscope::GetSignCode(std::string_view code) const {
  if (code.size() >= 3) return "XX";
  const int t = PointTypeOf(code);
  if (t == kTypeIc) return SignCode((SignOfBody(kTypeMidheaven) + 6) % 12);
  if (t == kTypeDescendant)
    return SignCode((SignOfBody(kTypeAscendant) + 6) % 12);
  if (t < 0) return "XX";
  return SignCode(SignOfBody(t));
}

std::string THoroscope::GetHouseCode(std::string_view code) const {
  const int t = PointTypeOf(code);
  return HouseText(t < 0 ? 0 : HouseOfPoint(t));
}

// Longitude (D.MM) of a point type, the Descendant and the IC opposite the
// Ascendant and the Midheaven, cut to whole degrees.
extended THoroscope::PointLongitude(int pointType) const {
  if (pointType == kTypeIc) return Trunc(PlanetPos(13) + 180) % 360;
  if (pointType == kTypeDescendant) return Trunc(PlanetPos(16) + 180) % 360;
  return PlanetPos(pointType + 1);
}

std::string THoroscope::GetOverlayHouseCode(std::string_view code) const {
  if (!partner_) return "99";
  const int t = PointTypeOf(code);
  return HouseText(t < 0 ? 0 : partner_->HouseOfPos(PointLongitude(t)));
}

std::string THoroscope::GetAspectPolarity(std::string_view a,
                                          std::string_view b) const {
  a = OwnCode(a);
  if (!partner_) return "U";
  b = PartnerCode(b);
  const int kind = GetAspectKind(a, b);
  if (kind < 0) return "U";
  if (kind != 0) return KindPolarity(kind, false);
  if (IsBenefic(a)) return "+";
  if (IsMalefic(a)) return "-";
  return "U";
}

std::string THoroscope::GetOverlayPolarity(std::string_view a,
                                           std::string_view b) const {
  const auto isHouse = [](std::string_view c) { return c > "00" && c < "13"; };
  if (isHouse(a) || isHouse(b)) return "U";
  a = OwnCode(a);
  if (!partner_) return "U";
  b = PartnerCode(b);
  const int kind = GetCrossAspectKind(a, b);
  if (kind < 0) return "U";
  if (kind != 0) return KindPolarity(kind, true);
  if (IsMalefic(a) || IsMalefic(b)) return "-";
  if (IsBenefic(a) && IsBenefic(b)) return "+";
  return "U";
}

// Which of two points leads: "X" when the partner's point lies ahead of this
// chart's, "Z" otherwise, measured within the signs when they are far apart.
std::string THoroscope::GetLeadCode(std::string_view a,
                                    std::string_view b) const {
  if (!partner_) return "U";
  a = OwnCode(a);
  b = PartnerCode(b);
  const auto longitude = [](const THoroscope& chart, int type) -> extended {
    switch (type) {
      case kTypeMidheaven: return chart.CuspPos(10);
      case kTypeAscendant: return chart.CuspPos(1);
      case kTypeDescendant: return chart.CuspPos(7);
      case kTypeIc: return chart.CuspPos(4);
      default: return chart.PlanetPos(type + 1);
    }
  };
  const int ta = PointTypeOf(a);
  const int tb = partner_->PointTypeOf(b);
  if (ta < 0 || tb < 0) return "U";
  const extended pa = longitude(*this, ta);
  const extended pb = longitude(*partner_, tb);
  if (std::abs(pb - pa) <= 15) return pb > pa ? "X" : "Z";
  extended ra = WithinSign(pa);
  extended rb = WithinSign(pb);
  if (rb > ra && rb - ra > 15) ra += 30;
  if (rb <= ra && ra - rb > 15) rb += 30;
  return rb > ra ? "X" : "Z";
}

}  // namespace vyn
