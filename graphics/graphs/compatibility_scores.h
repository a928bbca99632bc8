#pragma once
// The compatibility scores of a pair: how the aspects between the two
// charts harmonise and clash in seven areas of life. Each area is one body
// of the person (Sun, Moon, Mercury, Venus, Mars, Ascendant, Midheaven);
// every contact of that body with a body of the partner adds the partner
// body's weight, scaled by how tight the aspect is against three orb
// matrices (1 the widest, 3 the tightest). Besides the points and the
// percentages it keeps the key and the score text of every contact, which
// the graph window turns into interpretation texts.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/aspects.h"

namespace vyn {

class THoroscope;

// Whole degrees by matrix row 1..13 (aspect kind + 1) and aspect point
// 1..14; index 0 unused. The same shape as an orb set read from the table.
using TOrbDegrees = std::array<std::array<int, kAspectPoints + 1>, kAspectKinds + 1>;

// Score indexes 1..7 and their body codes.
inline constexpr int kScoreCount = 7;
inline constexpr std::array<std::string_view, kScoreCount + 1> kScoreBodyCodes = {
    "", "SU", "MO", "ME", "VE", "MA", "AS", "MC"};
// The graph's rows, top to bottom: Venus, Mars, Sun, Mercury, Moon,
// Ascendant, Midheaven, as score indexes (row 1..7).
inline constexpr std::array<int, kScoreCount + 1> kRowScoreIndex = {0, 4, 5, 1, 3, 2, 6, 7};

// The weight of a body in the compatibility scores (0 for codes without).
int CompatibilityWeight(std::string_view code);

// Points a row needs for 100 %, and the whole pair for the overall bars.
inline constexpr double kRowFullPoints = 30;
inline constexpr double kOverallFullPoints = 270;

// One contact of a row: "VEX+MAZ" and its score text, the nearest whole
// number to weight × strength × 10 ("60").
struct TScoreEntry {
  std::string key;
  std::string score;
  friend bool operator==(const TScoreEntry&, const TScoreEntry&) = default;
};

// One person's side, by score index 1..7 (index 0 unused).
struct TPersonScores {
  std::array<double, kScoreCount + 1> harmonyPoints{}, tensionPoints{};
  std::array<double, kScoreCount + 1> harmonyPercent{}, tensionPercent{};
  std::array<std::vector<TScoreEntry>, kScoreCount + 1> harmonyEntries, tensionEntries;
};

class TCompatibilityScores {
 public:
  // Orb matrix 1..3; a matrix never set is all 0 (a missing set).
  void SetOrbMatrix(int number, const TOrbDegrees& orbs);
  const TOrbDegrees& OrbMatrix(int number) const;

  // Everything anew from the two charts, which are expected to be each
  // other's partner with their cross aspects computed. Without both charts
  // every score is 0 and every list empty.
  void Recompute(const THoroscope* chart1, const THoroscope* chart2);

  // 1.0 within matrix 3, 0.8 within matrix 2, 0.6 within matrix 1, else 0,
  // for an orb value in D.MM form at aspect row 1..13 and point 1..14.
  double Strength(double value, int row, int point) const;

  const TPersonScores& Person(int person) const { return persons_.at(person - 1); }
  double OverallHarmony() const { return overallHarmony_; }
  double OverallTension() const { return overallTension_; }

 private:
  void ScorePerson(int person, const THoroscope& chart);

  std::array<TOrbDegrees, 3> orbs_{};
  std::array<TPersonScores, 2> persons_;
  double overallHarmony_ = 0;
  double overallTension_ = 0;
};

// An orb in arc minutes as degrees and minutes written D.MM (150 → 2.30).
double OrbMinutesToDegMin(double minutes);

}  // namespace vyn
