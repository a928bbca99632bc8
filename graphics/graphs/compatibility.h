#pragma once
// TCompatibility: the compatibility graph as a plain class: the two charts,
// the scores, the captions and labels it shows, and its geometry for the
// last rectangle. Drawing (compatibility_painter.h) and the widget only
// read it.
#include <array>
#include <string>
#include <utility>

#include "graphics/graphs/compatibility_layout.h"
#include "graphics/graphs/compatibility_scores.h"
#include "graphics/wheel/wheel_types.h"

namespace vyn {

class THoroscope;

class TCompatibility {
 public:
  TCompatibility();

  const THoroscope* Horoscope1() const { return chart1_; }
  const THoroscope* Horoscope2() const { return chart2_; }
  // A different chart recomputes the scores.
  void SetHoroscope1(const THoroscope* chart);
  void SetHoroscope2(const THoroscope* chart);

  TCompatibilityScores& Scores() { return scores_; }
  const TCompatibilityScores& Scores() const { return scores_; }
  void Recompute() { scores_.Recompute(chart1_, chart2_); }

  // The two captions of display row 1..7 (upper, lower).
  const std::pair<std::string, std::string>& Captions(int row) const { return captions_.at(row); }
  void SetCaptions(int row, std::string upper, std::string lower);
  std::string HarmonyLabel, TensionLabel;
  // The panels' colour and the printer variant (no button frames, wider
  // captions).
  TRgb Color{255, 255, 255};
  bool forPrinting = false;

  // The upper-case "FIRST LAST" of person 1 or 2 (empty without a chart).
  std::string HeaderName(int person) const;

  void Layout(const TWheelRect& rect) { g_ = LayoutCompatibility(rect, scores_); }
  const TCompGeometry& Geometry() const { return g_; }
  TCompHit Hit(int x, int y) const { return HitCompatibility(g_, x, y); }

 private:
  const THoroscope* chart1_ = nullptr;
  const THoroscope* chart2_ = nullptr;
  TCompatibilityScores scores_;
  std::array<std::pair<std::string, std::string>, kScoreCount + 1> captions_;
  TCompGeometry g_;
};

}  // namespace vyn
