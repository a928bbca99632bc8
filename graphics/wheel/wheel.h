#pragma once
// TWheel: the chart wheel of one chart, or of two charts as an outer and an
// inner ring (a double wheel). It holds the wheel's state and geometry,
// finds the element a press falls on and keeps the selection that blinks;
// it knows no toolkit. TWheelPainter draws it, TWheelWidget shows it on the
// screen and TWheelPicture draws it into any rectangle of any canvas.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/wheel_link.h"
#include "graphics/wheel/wheel_angles.h"
#include "graphics/wheel/wheel_geometry.h"
#include "graphics/wheel/wheel_hit_test.h"
#include "graphics/wheel/wheel_selection.h"
#include "graphics/wheel/wheel_surface.h"
#include "graphics/wheel/wheel_types.h"

namespace vyn {

class THoroscope;
class TWheel;

// The family of the symbol font the wheel's glyphs are characters of.
inline constexpr const char* kWheelFontFamily = "VYN Sans Serif";

// The press as the hit test tells it apart: the left or the right button
// alone (no other button, no modifier key, not a double click), or any other.
enum class TWheelPress { wpLeft, wpRight, wpOther };

// An element was pressed: the wheel pressed, what was hit and its reference
// number (see TWheelHitType).
using TWheelHitEvent = std::function<void(TWheel& sender, TWheelHitType hitType, int ref)>;

class TWheel : public TWheelLink {
 public:
  // Selecting with this type selects nothing; with ClearFirst it ends the
  // selection.
  static constexpr int kSelectNothing = 9;
  // Size of a new wheel's first layout.
  static constexpr int kDefaultSize = 65;

  TWheel();
  ~TWheel() override;
  TWheel(const TWheel&) = delete;
  TWheel& operator=(const TWheel&) = delete;

  // ---- the chart --------------------------------------------------------
  // The chart shown (the outer chart of a double wheel). Setting one links
  // the wheel to it, so that the chart reports each calculation here, and
  // takes its positions; nullptr leaves the chart and shows the skeleton.
  THoroscope* Horoscope() const { return LinkedChart(); }
  void SetHoroscope(THoroscope* chart);
  // Takes the angles of the chart (called by the chart after each
  // calculation): ends the selection, lays the wheel out again, lets a
  // double wheel that shows this chart as its inner ring follow once, then
  // fires OnChange. Without a calculated chart the wheel shows its skeleton.
  void UpdateFromChart() override;
  void SetPropagationCount(int count) override { propagationCount_ = count; }
  int PropagationCount() const { return propagationCount_; }
  // A chart is linked, active and its ephemeris open: glyphs and aspects show.
  bool ChartReady() const;
  // A double wheel whose inner chart shows its glyphs.
  bool InnerChartReady() const;

  // ---- properties ---------------------------------------------------------
  // Degrees within the sign beside each glyph; only drawn as a picture.
  bool ShowPosition() const { return showPosition_; }
  void SetShowPosition(bool on) { showPosition_ = on; }
  // Paint through an off-screen image (the widget keeps it between paints).
  bool OffScreen() const { return offScreen_; }
  void SetOffScreen(bool on);
  // Fill the layout rectangle with Color before drawing.
  bool Opaque() const { return opaque_; }
  void SetOpaque(bool on);
  TRgb Color() const { return color_; }
  void SetColor(TRgb color);
  // Family of the font the glyphs, house numbers and texts are drawn in.
  const std::string& FontName() const { return fontName_; }
  void SetFontName(const std::string& family);
  bool BW() const { return bw_; }
  void SetBW(bool on);
  // The chart's own aspect lines: true only when set and without a relation
  // wheel. A change ends the selection when the lines were shown.
  bool ShowAspects() const { return showAspects_ && !relation_; }
  void SetShowAspects(bool on);
  bool JapaneseAspectColors() const { return japaneseAspectColors_; }
  void SetJapaneseAspectColors(bool on);
  // The partner wheel, whose chart a double wheel draws as its inner ring.
  // While one is set no aspect lines are drawn or hit. A wheel that goes
  // is cleared from the wheels that name it (and ends their double mode).
  TWheel* RelationWheel() const { return relation_; }
  void SetRelationWheel(TWheel* wheel);
  // Double wheel; needs a relation wheel, else std::runtime_error "Cannot
  // set Dual Mode active when RelationWheel property is nil!" and the mode
  // stays. Lays the wheel out again; the caller repaints.
  bool DualMode() const { return dualMode_; }
  void SetDualMode(bool on);
  // Turns the wheel so that 0° Aries lies at the left.
  bool AriesLeft() const { return ariesLeft_; }
  void SetAriesLeft(bool on);

  // ---- geometry -----------------------------------------------------------
  // Computes all geometry for the rectangle and remembers it.
  void Layout(const TWheelRect& rect);
  const TWheelRect& LastLayoutRect() const { return lastRect_; }
  const TWheelGeometry& Geometry() const { return geometry_; }
  const TWheelAngles& Angles() const { return angles_; }
  // Changes with every layout and every change that needs a repaint: a
  // drawing made at one version stays valid while the version stays.
  std::uint64_t DrawingVersion() const { return version_; }
  // 2 when a press at (x, y) lies on the inner chart of a double wheel
  // (within 0.62 of the radius), else 1.
  int ChartAt(int x, int y) const;

  // ---- presses and selection ---------------------------------------------
  TWheelHitEvent OnMouseHit;
  std::function<void(TWheel&)> OnChange;
  int MouseX() const { return mouseX_; }
  int MouseY() const { return mouseY_; }
  // A press at (x, y): ends the selection; with an OnMouseHit handler, finds
  // the element, selects it, reports it and starts blinking; a plain left
  // press on a double wheel then reports htLeftClick, a plain right press
  // reports htRightClick alone.
  void MouseDown(TWheelPress press, int x, int y);
  // Selects an element (types other than those of elements select nothing).
  // A double wheel selects into its second record (the inner ring's, unless
  // SelectRing said otherwise), a single wheel into its first. Blinks when
  // something was selected.
  void Select(bool clearFirst, int hitType, int ref);
  // As Select, into the inner ring's record when `inner`, else the outer's.
  void SelectRing(bool clearFirst, int hitType, bool inner, int ref);
  void SetBlinking(bool on);
  bool Blinking() const { return blinking_; }
  // While blinking: true in the phase that draws the selection black,
  // false in the one that draws it white.
  bool BlinkPhase() const { return blinkPhase_; }
  // The blink timer's tick: flips the phase and redraws the selection.
  void BlinkTick();
  // Asks the surface to draw the selected elements again.
  void RedrawSelection();
  // Record 1 (the wheel's own chart) or 2 (the inner ring of a double wheel).
  const TWheelSelection& Selection(int record) const { return record == 2 ? second_ : first_; }
  // The sign of the first record, -1 for none.
  int SelectedSign() const { return first_.sign; }
  // Whether the last body or axis pressed was on the inner ring.
  bool LastHitInner() const { return lastHitInner_; }

  // The control that shows this wheel (nullptr for none); not owned.
  void SetSurface(TWheelSurface* surface) { surface_ = surface; }

 protected:
  void ChartUnlinked() override;

 private:
  void Invalidate();
  void Relayout() { Layout(lastRect_); }
  bool Visible() const { return surface_ && surface_->WheelVisible(); }
  void ApplyHit(const TWheelHit& hit);
  void Fire(TWheelHitType type, int ref);
  bool SelectInto(TWheelSelection& record, int hitType, int ref);
  void SelectedSomething();
  void ForgetRelation();

  TWheelAngles angles_;
  TWheelGeometry geometry_;
  TWheelRect lastRect_;
  extended rot_ = 0;
  std::uint64_t version_ = 0;

  bool showPosition_ = false;
  bool offScreen_ = false;
  bool opaque_ = false;
  TRgb color_{255, 255, 255};
  std::string fontName_ = kWheelFontFamily;
  bool bw_ = false;
  bool showAspects_ = false;
  bool japaneseAspectColors_ = false;
  bool dualMode_ = false;
  bool ariesLeft_ = false;
  TWheel* relation_ = nullptr;
  std::vector<TWheel*> relatedBy_;  // wheels whose relation wheel this is
  int propagationCount_ = 0;

  int mouseX_ = 0;
  int mouseY_ = 0;
  TWheelSelection first_;
  TWheelSelection second_;
  bool lastHitInner_ = false;
  bool blinking_ = false;
  bool blinkPhase_ = false;
  TWheelSurface* surface_ = nullptr;
};

}  // namespace vyn
