#pragma once
// The codes of the printed interpretation summary: for every element and
// modality bar, every compatibility row and the overall harmony and tension,
// the pair of codes whose texts the graph windows show for a press on that
// bar, and for each row its double text and the contacts of its body. The
// scores come from the graphs of the pair; this only turns them into codes.
#include <array>
#include <string>
#include <vector>

#include "interpretation/printout_plan.h"

namespace vyn {
class THoroscope;
class TInterpTexts;

inline constexpr int kContactsHeadingToken = 1103;

struct TSummaryScores {
  // Per person (0, 1): points of Air, Fire, Water, Earth and of Cardinal,
  // Fixed, Mutable.
  std::array<std::array<double, 4>, 2> ElementPoints{};
  std::array<std::array<double, 3>, 2> ModalityPoints{};
  // Per person, by score index 1..7 (SU, MO, ME, VE, MA, DS, MC) at 0..6:
  // harmony and tension in percent.
  std::array<std::array<double, 7>, 2> HarmonyPercent{}, TensionPercent{};
  double OverallHarmony = 0, OverallTension = 0;
};

struct TSummaryEntry {
  std::string First;               // its Title heads the entry, its text opens it
  std::string Second;              // its text follows
  std::vector<TPrintCode> Double;  // a row's double text (empty for other entries)
  std::vector<std::string> Contacts;  // a row's contact codes, read for person 1
};

// Level letter of a bar's points: element bands 0-7 "E" ... 32+ "A",
// modality bands 0-9 "E" ... 40+ "A".
char ElementLevel(int points);
char ModalityLevel(int points);
// "A" .. "E" of a percentage: 66-100 "A", 51-65 "B", 41-50 "C", 26-40 "D",
// 0-25 "E".
char PercentLevel(int percent);
// "01", "23" or "45" of a percentage: 0-34, 35-67, 68-100.
std::string PercentBand(int percent);

// Bars (Air, Fire, Water, Earth, Cardinal, Fixed, Mutable) by each person's
// rounded points; rows (Venus, Mars, Sun, Mercury, Moon, Descendant,
// Midheaven) by the two people's mean harmony h and mean tension t: the
// first code by (h + t) / 2, the second by the bands of h and of t; then the
// overall entry.
// Under the language "SW" rows have no contacts.
std::vector<TSummaryEntry> SummaryCodes(const THoroscope& chart1, const THoroscope& chart2,
                                        const TSummaryScores& scores, TInterpTexts& texts,
                                        const std::string& languageCode);

}  // namespace vyn
