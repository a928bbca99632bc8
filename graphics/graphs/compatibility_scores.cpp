#include "graphics/graphs/compatibility_scores.h"

#include <algorithm>
#include <cmath>

#include "engine/horoscope.h"

namespace vyn {
namespace {

// The bodies a row compares with, SU .. MC; the South Node never counts.
constexpr std::array<std::string_view, 14> kOtherCodes = {
    "SU", "MO", "ME", "VE", "MA", "JU", "SA", "UR", "NE", "PL", "NN", "SN", "AS", "MC"};
constexpr std::array<int, 14> kWeights = {10, 10, 6, 6, 6, 4, 4, 1, 1, 1, 2, 0, 10, 5};

double Percent(double points, double full) { return std::min(100.0, points * 100 / full); }

struct TContact {
  std::string polarity = "U";
  double orb = 0;
  int kind = -1;
};

// The contact of body s (this person) with body t (the partner): read from
// this chart, or from the partner's side with the arguments in the same
// order when this side cannot tell.
TContact ContactOf(const THoroscope& chart, std::string_view s, std::string_view t) {
  TContact c;
  c.polarity = chart.GetOverlayPolarity(s, t);
  if (c.polarity != "U") {
    c.orb = static_cast<double>(chart.GetCrossAspectOrb(s, t));
    c.kind = chart.GetCrossAspectKind(s, t);
    return c;
  }
  const THoroscope* partner = chart.Partner();
  if (!partner) return c;
  c.polarity = partner->GetOverlayPolarity(t, s);
  if (c.polarity != "U") {
    c.orb = static_cast<double>(partner->GetCrossAspectOrb(t, s));
    c.kind = partner->GetCrossAspectKind(t, s);
  }
  return c;
}

}  // namespace

int CompatibilityWeight(std::string_view code) {
  const auto it = std::find(kOtherCodes.begin(), kOtherCodes.end(), code);
  return it == kOtherCodes.end() ? 0 : kWeights[it - kOtherCodes.begin()];
}

double OrbMinutesToDegMin(double minutes) {
  const double d = minutes / 60;
  const double whole = std::trunc(d);
  return whole + (d - whole) * 0.6;
}

void TCompatibilityScores::SetOrbMatrix(int number, const TOrbDegrees& orbs) {
  orbs_.at(number - 1) = orbs;
}

const TOrbDegrees& TCompatibilityScores::OrbMatrix(int number) const {
  return orbs_.at(number - 1);
}

double TCompatibilityScores::Strength(double value, int row, int point) const {
  if (row < 1 || row > kAspectKinds || point < 1 || point > kAspectPoints) return 0;
  if (value <= orbs_[2][row][point]) return 1.0;
  if (value <= orbs_[1][row][point]) return 0.8;
  if (value <= orbs_[0][row][point]) return 0.6;
  return 0;
}

void TCompatibilityScores::Recompute(const THoroscope* chart1, const THoroscope* chart2) {
  persons_ = {};
  overallHarmony_ = overallTension_ = 0;
  if (!chart1 || !chart2) return;
  ScorePerson(1, *chart1);
  ScorePerson(2, *chart2);
  double harmony = 0, tension = 0;
  for (TPersonScores& p : persons_)
    for (int s = 1; s <= kScoreCount; ++s) {
      p.harmonyPercent[s] = Percent(p.harmonyPoints[s], kRowFullPoints);
      p.tensionPercent[s] = Percent(p.tensionPoints[s], kRowFullPoints);
      harmony += p.harmonyPoints[s];
      tension += p.tensionPoints[s];
    }
  overallHarmony_ = Percent(harmony, kOverallFullPoints);
  overallTension_ = Percent(tension, kOverallFullPoints);
}

void TCompatibilityScores::ScorePerson(int person, const THoroscope& chart) {
  TPersonScores& p = persons_[person - 1];
  for (int s = 1; s <= kScoreCount; ++s) {
    const std::string_view S = kScoreBodyCodes[s];
    for (std::string_view T : kOtherCodes) {
      if (T == S || T == "SN") continue;
      const TContact c = ContactOf(chart, S, T);
      if (c.polarity != "+" && c.polarity != "-") continue;
      // Person 1 weighs the orb at its own body's point, person 2 at the
      // partner body's point.
      const int point = THoroscope::BodyIndexOf(person == 1 ? S : T) + 1;
      const double strength = Strength(OrbMinutesToDegMin(c.orb), c.kind + 1, point);
      const double score = CompatibilityWeight(T) * strength;
      TScoreEntry entry{std::string(S) + "X" + c.polarity + std::string(T) + "Z",
                        std::to_string(std::lround(score * 10))};
      if (c.polarity == "+") {
        p.harmonyPoints[s] += score;
        p.harmonyEntries[s].push_back(std::move(entry));
      } else {
        p.tensionPoints[s] += score;
        p.tensionEntries[s].push_back(std::move(entry));
      }
    }
  }
}

}  // namespace vyn
