#include "graphics/wheel/wheel.h"

#include <algorithm>
#include <stdexcept>

#include "engine/busy_indicator.h"
#include "engine/horoscope.h"

namespace vyn {

TWheel::TWheel() : angles_(DefaultWheelAngles()) {
  second_.glyphRing = 0;
  Layout({0, 0, kDefaultSize, kDefaultSize});
}

TWheel::~TWheel() {
  ForgetRelation();
  for (TWheel* wheel : relatedBy_) {
    wheel->relation_ = nullptr;
    wheel->dualMode_ = false;
  }
}

// ---- the chart -------------------------------------------------------------

void TWheel::SetHoroscope(THoroscope* chart) {
  if (chart == Horoscope()) return;
  if (chart) chart->SetWheel(this);
  else Unlink();
  UpdateFromChart();
}

bool TWheel::ChartReady() const {
  const THoroscope* chart = Horoscope();
  return chart && chart->Active() && chart->EphemerisOpen();
}

bool TWheel::InnerChartReady() const { return dualMode_ && relation_ && relation_->ChartReady(); }

void TWheel::UpdateFromChart() {
  SetBlinking(false);
  angles_ = ChartReady() ? WheelAnglesOf(*Horoscope()) : DefaultWheelAngles();
  // The skeleton is laid out anew as well, so that nothing of a chart that
  // went stays on the wheel.
  Relayout();
  Invalidate();
  // A double wheel showing this chart as its inner ring follows, once per
  // calculation: two wheels cannot call each other without end.
  if (relation_ && relation_->dualMode_) {
    ++propagationCount_;
    if (propagationCount_ < 2) relation_->UpdateFromChart();
  }
  if (const auto handler = OnChange) handler(*this);
}

void TWheel::ChartUnlinked() { UpdateFromChart(); }

// ---- properties --------------------------------------------------------------

void TWheel::Invalidate() {
  ++version_;
  if (surface_) surface_->InvalidateWheel();
}

void TWheel::SetOffScreen(bool on) {
  offScreen_ = on;
  lastRect_ = {};  // the next paint lays the wheel out again
  Invalidate();
}

void TWheel::SetOpaque(bool on) {
  opaque_ = on;
  Invalidate();
}

void TWheel::SetColor(TRgb color) {
  color_ = color;
  Invalidate();
}

void TWheel::SetFontName(const std::string& family) {
  fontName_ = family;
  Invalidate();
}

void TWheel::SetBW(bool on) {
  bw_ = on;
  Invalidate();
}

void TWheel::SetShowAspects(bool on) {
  if (on == showAspects_) return;
  if (showAspects_) SetBlinking(false);
  showAspects_ = on;
  Invalidate();
}

void TWheel::SetJapaneseAspectColors(bool on) {
  japaneseAspectColors_ = on;
  Invalidate();
}

void TWheel::ForgetRelation() {
  if (!relation_) return;
  auto& list = relation_->relatedBy_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  relation_ = nullptr;
}

void TWheel::SetRelationWheel(TWheel* wheel) {
  if (wheel == relation_) return;
  ForgetRelation();
  relation_ = wheel;
  if (wheel) wheel->relatedBy_.push_back(this);
  if (!wheel && dualMode_) {
    dualMode_ = false;
    Relayout();
  }
  Invalidate();
}

void TWheel::SetDualMode(bool on) {
  if (on && !relation_)
    throw std::runtime_error("Cannot set Dual Mode active when RelationWheel property is nil!");
  dualMode_ = on;
  Relayout();
}

void TWheel::SetAriesLeft(bool on) {
  ariesLeft_ = on;
  if (!on) rot_ = 0;
  Relayout();
  Invalidate();
}

// ---- geometry ------------------------------------------------------------------

void TWheel::Layout(const TWheelRect& rect) {
  TBusyScope busy;
  lastRect_ = rect;
  if (ariesLeft_) rot_ = kPi - angles_.C[1] + 0.000001L;
  const TWheelAngles* inner = dualMode_ && relation_ ? &relation_->angles_ : nullptr;
  geometry_ = LayoutWheel({rect, &angles_, inner, rot_});
  ++version_;
}

int TWheel::ChartAt(int x, int y) const {
  return dualMode_ && InsideRing(geometry_, wheel_radius::kRelationDisc, x, y) ? 2 : 1;
}

// ---- presses and selection -------------------------------------------------------

void TWheel::Fire(TWheelHitType type, int ref) {
  if (const auto handler = OnMouseHit) handler(*this, type, ref);
}

void TWheel::MouseDown(TWheelPress press, int x, int y) {
  mouseX_ = x;
  mouseY_ = y;
  SetBlinking(false);
  if (!OnMouseHit) return;
  if (press == TWheelPress::wpRight) {
    Fire(htRightClick, 0);
    return;
  }
  const TWheelHitInput input{&geometry_, &angles_, ShowAspects() && ChartReady(),
                             InnerChartReady(), ChartReady()};
  if (const auto hit = FindWheelHit(input, x, y)) {
    ApplyHit(*hit);
    Fire(hit->type, hit->ref);
    if (hit->type != htAriesPoint) SetBlinking(true);
  }
  if (dualMode_ && press == TWheelPress::wpLeft) Fire(htLeftClick, 0);
}

void TWheel::ApplyHit(const TWheelHit& hit) {
  switch (hit.type) {
    case htPlanet:
      // A body of the inner ring blinks on the inner ring only.
      first_.SetBody(hit.ref);
      if (hit.inner) second_.SetBody(hit.ref);
      first_.glyphRing = dualMode_ && hit.inner ? 0 : 1;
      second_.glyphRing = dualMode_ ? 0 : 1;
      lastHitInner_ = hit.inner;
      break;
    case htAxis:
      (hit.inner ? second_ : first_).axis = hit.ref;
      lastHitInner_ = hit.inner;
      break;
    case htAspect: {
      const TWheelAspectLine& aspect = geometry_.aspects[hit.ref - 1];
      first_.AddAspectPoint(aspect.first);
      first_.AddAspectPoint(aspect.second);
      first_.aspect = hit.ref;
      break;
    }
    case htCusp: first_.cusp = hit.ref; break;
    case htHouse: first_.house = hit.ref; break;
    case htSign: first_.sign = hit.ref; break;
    default: break;
  }
}

bool TWheel::SelectInto(TWheelSelection& record, int hitType, int ref) {
  const bool twelve = ref >= 1 && ref <= 12;
  switch (hitType) {
    case htPlanet:
      if (!twelve) return false;
      record.AddBody(ref);
      return true;
    case htSign:
      if (twelve) record.sign = ref;
      return twelve;
    case htHouse:
      if (twelve) record.house = ref;
      return twelve;
    case htCusp:
      if (twelve) record.cusp = ref;
      return twelve;
    case htAxis:
      if (ref < 1 || ref > 4) return false;
      record.axis = ref;
      return true;
    case htAspect: {
      if (!ShowAspects() || !ChartReady() || ref < 1 ||
          ref > static_cast<int>(angles_.aspects.size()))
        return false;
      const TWheelAspect& aspect = angles_.aspects[ref - 1];
      record.aspect = ref;
      record.AddAspectPoint(aspect.first);
      record.AddAspectPoint(aspect.second);
      return true;
    }
    default:
      return false;
  }
}

// A selection added while blinking shows at once.
void TWheel::SelectedSomething() {
  if (blinking_) {
    if (Visible()) RedrawSelection();
  } else {
    SetBlinking(true);
  }
}

void TWheel::Select(bool clearFirst, int hitType, int ref) {
  if (!dualMode_) first_.glyphRing = second_.glyphRing = 1;
  if (clearFirst) SetBlinking(false);
  if (SelectInto(dualMode_ ? second_ : first_, hitType, ref)) SelectedSomething();
}

void TWheel::SelectRing(bool clearFirst, int hitType, bool inner, int ref) {
  first_.glyphRing = 1;
  second_.glyphRing = 0;
  if (clearFirst) SetBlinking(false);
  if (SelectInto(inner ? second_ : first_, hitType, ref)) SelectedSomething();
}

void TWheel::SetBlinking(bool on) {
  if (on == blinking_) return;
  if (on) {
    blinkPhase_ = true;
    if (surface_) surface_->SetBlinkTimer(true);
    blinking_ = true;
    if (Visible()) RedrawSelection();
    return;
  }
  blinking_ = false;
  blinkPhase_ = false;
  if (Visible()) RedrawSelection();  // back to the normal colours
  first_.Clear();
  second_.Clear();
  if (surface_) surface_->SetBlinkTimer(false);
}

void TWheel::BlinkTick() {
  if (!blinking_) return;
  blinkPhase_ = !blinkPhase_;
  if (Visible()) RedrawSelection();
}

void TWheel::RedrawSelection() {
  if (surface_) surface_->RedrawSelection();
}

}  // namespace vyn
