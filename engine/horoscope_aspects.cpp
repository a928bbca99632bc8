// The aspect step of a chart record and the aspect look-ups.
#include <algorithm>
#include <cmath>

#include "engine/horoscope.h"
#include "engine/horoscope_exception.h"

namespace vyn {
namespace {

bool ReadEntry(const TAspectList& list, int n, int& first, int& second,
               int& kind, extended& orb) {
  if (n < 1 || n > list.Count()) return false;
  const TAspectEntry& e = list.Entry(n);
  first = e.first;
  second = e.second;
  kind = e.kind;
  orb = e.orb;
  return true;
}

bool IsAspectPoint(int p) { return p >= 1 && p <= kAspectPoints; }

}  // namespace

extended THoroscope::AspectPointRad(int point) const {
  if (point >= 1 && point <= 12) return state_.positions[point];
  if (point == kPointAscendant) return state_.cusps[1];
  if (point == kPointMidheaven) return state_.cusps[10];
  throw EHoroscopeException("Incorrect Aspect Index.");
}

// Own aspects among this chart's points; cross aspects of this chart's
// points with the partner's (with itself when there is no partner). A chart
// whose birth time is unknown lists no aspect with an Ascendant or
// Midheaven of either chart, and no chart lists one with the angles of a
// partner whose birth time is unknown.
void THoroscope::AspectStep() {
  const int m = PointCount();
  const TAspectPoints own = AspectPoints();
  own_.Clear();
  for (int i = 1; i < m; ++i)
    for (int j = i + 1; j <= m; ++j)
      TryAspectSteps(own_, state_.orbs, i, j,
                     SeparationMinutes(own[j], own[i]), true);

  const THoroscope& other = partner_ ? *partner_ : *this;
  const int otherCount = std::min(m, other.PointCount());
  const TAspectPoints partner = other.AspectPoints();
  cross_.Clear();
  for (int i = 1; i <= m; ++i)
    for (int j = 1; j <= otherCount; ++j)
      TryAspectSteps(cross_, state_.orbs, i, j,
                     SeparationMinutes(own[i], partner[j]), false);
}

THoroscope::TAspectPoints THoroscope::AspectPoints() const {
  TAspectPoints points{};
  for (int p = 1; p <= 12; ++p) points[p] = state_.positions[p];
  points[kPointAscendant] = state_.cusps[1];
  points[kPointMidheaven] = state_.cusps[10];
  return points;
}

bool THoroscope::GetAspect(int n, int& first, int& second, int& kind,
                           extended& orb) const {
  return ReadEntry(own_, n, first, second, kind, orb);
}

bool THoroscope::GetCrossAspect(int n, int& first, int& second, int& kind,
                                extended& orb) const {
  return ReadEntry(cross_, n, first, second, kind, orb);
}

int THoroscope::GetAspectNumber(std::string_view a, std::string_view b) const {
  const int p = BodyIndexOf(OwnCode(a)) + 1;
  const int q = BodyIndexOf(PartnerCode(b)) + 1;
  if (!IsAspectPoint(p) || !IsAspectPoint(q)) return -1;
  for (auto [from, to] : {std::pair{p, q}, std::pair{q, p}}) {
    for (int k = 1; k <= own_.IndexCount(from); ++k) {
      const int n = own_.IndexedEntry(from, k);
      const TAspectEntry& e = own_.Entry(n);
      if (e.first == from && e.second == to) return n;
    }
  }
  return -1;
}

int THoroscope::GetAspectKind(std::string_view a, std::string_view b) const {
  const int p = BodyIndexOf(OwnCode(a)) + 1;
  const int q = BodyIndexOf(PartnerCode(b)) + 1;
  if (!IsAspectPoint(p) || !IsAspectPoint(q)) return -1;
  for (auto [from, to] : {std::pair{p, q}, std::pair{q, p}}) {
    for (int k = 1; k <= own_.IndexCount(from); ++k) {
      const TAspectEntry& e = own_.Entry(own_.IndexedEntry(from, k));
      if (e.second == to) return e.kind;
    }
  }
  return -1;
}

int THoroscope::FindCrossEntry(int p, int q) const {
  if (!IsAspectPoint(p) || !IsAspectPoint(q)) return 0;
  for (int k = 1; k <= cross_.IndexCount(p); ++k) {
    const int n = cross_.IndexedEntry(p, k);
    const TAspectEntry& e = cross_.Entry(n);
    if (e.first == p && e.second == q) return n;
  }
  return 0;
}

int THoroscope::GetCrossAspectKind(std::string_view a,
                                   std::string_view b) const {
  const int n = FindCrossEntry(BodyIndexOf(OwnCode(a)) + 1,
                               BodyIndexOf(PartnerCode(b)) + 1);
  return n ? cross_.Entry(n).kind : -1;
}

extended THoroscope::GetCrossAspectOrb(std::string_view a,
                                       std::string_view b) const {
  const int n = FindCrossEntry(BodyIndexOf(OwnCode(a)) + 1,
                               BodyIndexOf(PartnerCode(b)) + 1);
  return n ? cross_.Entry(n).orb : -1;
}

}  // namespace vyn
