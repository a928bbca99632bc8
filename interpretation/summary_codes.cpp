#include "interpretation/summary_codes.h"

#include <cmath>

#include "engine/horoscope.h"
#include "engine/planets.h"
#include "interpretation/interp_record.h"

namespace vyn {
namespace {

// Halves go to the even neighbour, as the graphs round.
int Rounded(double value) { return static_cast<int>(std::nearbyint(value)); }

char Band(int value, const std::array<int, 4>& lowerBounds) {
  const char letters[] = {'D', 'C', 'B', 'A'};
  char level = 'E';
  for (std::size_t i = 0; i < lowerBounds.size(); ++i)
    if (value >= lowerBounds[i]) level = letters[i];
  return level;
}

constexpr std::array<char, 4> kElementBars = {'A', 'F', 'W', 'E'};
constexpr std::array<char, 3> kModalityBars = {'C', 'S', 'M'};
// Rows in display order, by score index.
constexpr std::array<int, 7> kRowScoreIndexes = {4, 5, 1, 3, 2, 6, 7};
constexpr std::array<const char*, 7> kScoreBodies = {"SU", "MO", "ME", "VE", "MA", "DS", "MC"};

TSummaryEntry BarEntry(char bar, char level1, char level2) {
  const std::string first = std::string("X") + bar + level1;
  return {first, first + "Z" + level2, {}, {}};
}

std::vector<TPrintCode> DoubleText(const std::string& body, const THoroscope& one,
                                   const THoroscope& two, TInterpTexts& texts) {
  const std::string a = body + one.GetSignCode(body), b = body + two.GetSignCode(body);
  if (texts.HasRecord(a + "/" + b)) return {{a + "/" + b, 1}};
  return {{b + "/" + a, 2}};
}

std::vector<std::string> Contacts(const std::string& c, const THoroscope& one,
                                  const THoroscope& two, TInterpTexts& texts) {
  std::vector<std::string> codes;
  for (std::string_view body : kBodyCodes) {
    const std::string t(body);
    if (t == c || t == "DS" || t == "IC") continue;
    std::string s = one.GetOverlayPolarity(c, t);
    if (s == "U") s = two.GetOverlayPolarity(t, c);
    if (s != "+" && s != "-") continue;
    for (const std::string& code : {c + "X" + s + t + "Z/G", t + "X" + s + c + "Z/G"})
      if (texts.HasRecord(code)) {
        codes.push_back(code);
        break;
      }
  }
  return codes;
}

}  // namespace

char ElementLevel(int points) { return Band(points, {8, 16, 24, 32}); }
char ModalityLevel(int points) { return Band(points, {10, 20, 30, 40}); }
char PercentLevel(int percent) { return Band(percent, {26, 41, 51, 66}); }

std::string PercentBand(int percent) {
  return percent >= 68 ? "45" : percent >= 35 ? "23" : "01";
}

std::vector<TSummaryEntry> SummaryCodes(const THoroscope& chart1, const THoroscope& chart2,
                                        const TSummaryScores& scores, TInterpTexts& texts,
                                        const std::string& languageCode) {
  std::vector<TSummaryEntry> entries;
  for (std::size_t i = 0; i < kElementBars.size(); ++i)
    entries.push_back(BarEntry(kElementBars[i], ElementLevel(Rounded(scores.ElementPoints[0][i])),
                               ElementLevel(Rounded(scores.ElementPoints[1][i]))));
  for (std::size_t i = 0; i < kModalityBars.size(); ++i)
    entries.push_back(BarEntry(kModalityBars[i],
                               ModalityLevel(Rounded(scores.ModalityPoints[0][i])),
                               ModalityLevel(Rounded(scores.ModalityPoints[1][i]))));
  for (int index : kRowScoreIndexes) {
    const auto at = static_cast<std::size_t>(index - 1);
    const double harmony = (scores.HarmonyPercent[0][at] + scores.HarmonyPercent[1][at]) / 2;
    const double tension = (scores.TensionPercent[0][at] + scores.TensionPercent[1][at]) / 2;
    const std::string body = kScoreBodies[at];
    TSummaryEntry row{std::to_string(index) + "X" + PercentLevel(Rounded((harmony + tension) / 2)),
                      PercentBand(Rounded(harmony)) + PercentBand(Rounded(tension)),
                      DoubleText(body, chart1, chart2, texts),
                      {}};
    if (languageCode != "SW") row.Contacts = Contacts(body, chart1, chart2, texts);
    entries.push_back(std::move(row));
  }
  entries.push_back({std::string("8P") + PercentLevel(Rounded(scores.OverallHarmony)),
                     std::string("8N") + PercentLevel(Rounded(scores.OverallTension)),
                     {},
                     {}});
  return entries;
}

}  // namespace vyn
