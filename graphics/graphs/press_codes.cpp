#include "graphics/graphs/press_codes.h"

#include <array>
#include <cmath>

#include "graphics/graphs/compatibility_scores.h"
#include "interpretation/summary_codes.h"

namespace vyn {
namespace {

constexpr std::array<std::string_view, kScoreCount + 1> kRowCodes = {"",   "VE", "MA", "SU",
                                                                     "ME", "MO", "DS", "MC"};

char BarLevel(TBarGraphKind kind, int points) {
  return kind == TBarGraphKind::bkElement ? ElementLevel(points) : ModalityLevel(points);
}

}  // namespace

int RoundHalfEven(double value) {
  const double below = std::floor(value), rest = value - below;
  double rounded = rest > 0.5 ? below + 1 : below;
  if (rest == 0.5) rounded = std::fmod(below, 2) == 0 ? below : below + 1;
  return static_cast<int>(rounded);
}

std::string RowCode(int row) {
  return row >= 1 && row <= kScoreCount ? std::string(kRowCodes[row]) : std::string();
}

std::string OverallCode(bool harmony, double percent) {
  return std::string(harmony ? "8P" : "8N") + PercentLevel(RoundHalfEven(percent));
}

TAreaCodes AreaButtonCodes(int row, std::string_view sign1, std::string_view sign2) {
  const std::string c = RowCode(row), a(sign1), b(sign2);
  return {c + a + "/" + c + b, c + b + "/" + c + a};
}

TGlyphCodes GlyphButtonCodes(int row, double harmonyPercent, double tensionPercent) {
  const int index = row >= 1 && row <= kScoreCount ? kRowScoreIndex[row] : 0;
  const int mean = RoundHalfEven((harmonyPercent + tensionPercent) / 2);
  return {std::to_string(index) + "X" + PercentLevel(mean),
          PercentBand(RoundHalfEven(harmonyPercent)) + PercentBand(RoundHalfEven(tensionPercent))};
}

std::string GlyphVideoFile(int row, char driveLetter, std::string_view signCode) {
  if (row != 1 && row != 2) return {};
  const std::string folder = row == 1 ? "Venus" : "Mars";
  return std::string(1, driveLetter) + ":\\vyn-3\\syna-avi\\" + folder + "\\" + RowCode(row) +
         std::string(signCode) + ".AVI";
}

TBarCodes BarPressCodes(TBarGraphKind kind, int bar, int points, double otherPoints) {
  static constexpr std::string_view kElementLetters = "AFWE", kModalityLetters = "CSM";
  const std::string_view letters =
      kind == TBarGraphKind::bkElement ? kElementLetters : kModalityLetters;
  if (bar < 1 || bar > static_cast<int>(letters.size())) return {};
  std::string code = std::string("X") + letters[bar - 1] + BarLevel(kind, points);
  std::string second = code + "Z" + BarLevel(kind, RoundHalfEven(otherPoints));
  return {code, second};
}

}  // namespace vyn
