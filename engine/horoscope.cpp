#include "engine/horoscope.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "engine/busy_indicator.h"
#include "engine/calendar.h"
#include "engine/ephemeris.h"
#include "engine/horoscope_exception.h"
#include "engine/houses.h"
#include "engine/text_helpers.h"
#include "platform/app_directory.h"
#include "platform/file_names.h"

namespace vyn {
namespace {

constexpr std::size_t kNameCharacters = 48;
constexpr extended kLatestDate = 9999.9999L;  // YYYY.MMDD of year 9999 at most
constexpr int kMaxOrbDegrees = 180;
constexpr extended kSiderealRatio = 1 + 0.0027379093L;
constexpr extended kSiderealEpochAngle = 1.74846L;

// D.MM degrees of an angle in radians, kept below 360 (the degree factor
// makes a value just under 2pi read a hair above 360).
extended AngleToDM(extended radians) {
  extended dm = DecToDM(RadToDeg(radians));
  if (dm >= 360) dm -= 360;
  return dm;
}

// The sign 0..11 of a longitude in radians.
int SignOf(extended radians) {
  return static_cast<int>(Trunc(AngleToDM(radians) / 30) % 12);
}

extended IntoCircle(extended x) {
  if (x >= TwoPi) return x - TwoPi;
  if (x < 0) return x + TwoPi;
  return x;
}

}  // namespace

THoroscope::THoroscope() {
  for (int k = 1; k <= 12; ++k) state_.order[k] = k;
  state_.order[13] = 1;
  TimeStep(state_);
}

THoroscope::~THoroscope() {
  SetWheel(nullptr);
  LinkPartner(nullptr);
  for (THoroscope* chart : partnerOf_) chart->LosePartner();
}

// ---- inputs ------------------------------------------------------------

void THoroscope::SetFirstName(std::string_view v) {
  firstName_ = CutToCharacters(v, kNameCharacters);
}
void THoroscope::SetLastName(std::string_view v) {
  lastName_ = CutToCharacters(v, kNameCharacters);
}
void THoroscope::SetStateName(std::string_view v) {
  stateName_ = CutToCharacters(v, kNameCharacters);
}

template <typename T>
bool THoroscope::StoreTimeInput(TChartState& s, T TChartState::*field,
                                T value) {
  if (s.*field == value) return false;
  s.*field = value;
  TimeStep(s);
  return true;
}

void THoroscope::StoreHouseSystem(TChartState& s, int system) {
  if (s.houseSystem == system) return;
  s.houseSystem = system;
  s.pending |= kPendingLow8;
}

template <typename T>
void THoroscope::SetTimeInput(T TChartState::*field, T value) {
  if (state_.*field == value) return;
  Update([&](TChartState& s) { StoreTimeInput(s, field, value); });
}

// NaN fails both comparisons and so is refused with the infinities.
void THoroscope::SetRangedInput(extended TChartState::*field, extended value,
                                extended low, extended high,
                                const char* message) {
  if (state_.*field == value) return;
  if (!(value >= low && value <= high)) throw EHoroscopeException(message);
  SetTimeInput(field, value);
}

void THoroscope::SetBirthDate(extended v) {
  // Years 0 to 9999 keep every integer step of the calendar in range.
  SetRangedInput(&TChartState::birthDate, v, 0, kLatestDate,
                 "Incorrect Birth Date!");
}
void THoroscope::SetBirthTime(extended v) {
  SetRangedInput(&TChartState::birthTime, v, 0, 24, "Incorrect Time Value!");
}
void THoroscope::SetZoneTime(extended v) {
  SetRangedInput(&TChartState::zoneTime, v, -12, 12, "Incorrect Zone Time!");
}
void THoroscope::SetSummerTime(extended v) {
  SetRangedInput(&TChartState::summerTime, v, -12, 12,
                 "Incorrect Summer Time!");
}
void THoroscope::SetLatitude(extended v) {
  SetRangedInput(&TChartState::latitude, v, -90, 90,
                 "Incorrect Latitude Value!");
}
void THoroscope::SetLongitude(extended v) {
  SetRangedInput(&TChartState::longitude, v, -180, 180,
                 "Incorrect Longitude Value!");
}
void THoroscope::SetGregorianStart(extended v) {
  SetRangedInput(&TChartState::gregorianStart, v, 0, kLatestDate,
                 "Incorrect Gregorian Start!");
}
void THoroscope::SetTimeUnknown(bool v) {
  SetTimeInput(&TChartState::timeUnknown, v);
}

// An unknown system is refused when the cusps are computed (HouseCusp).
void THoroscope::SetHouseSystem(int v) {
  if (state_.houseSystem == v) return;
  Update([v](TChartState& s) { StoreHouseSystem(s, v); });
}

void THoroscope::SetFromYear(int v) {
  if (v < 1500 || v >= 2100 || v == state_.fromYear) return;
  Update([v](TChartState& s) {
    s.fromYear = v;
    if (v >= s.toYear || v + 3 < s.toYear) s.toYear = v + 1;
    s.pending |= kPendingYearWindow;
  });
}

void THoroscope::SetToYear(int v) {
  if (v <= 1500 || v > 2100 || v == state_.toYear) return;
  Update([v](TChartState& s) {
    s.toYear = v;
    if (s.fromYear >= v || s.fromYear + 3 < v) s.fromYear = v - 1;
    s.pending |= kPendingYearWindow;
  });
}

void THoroscope::SetPartner(THoroscope* partner) {
  THoroscope* const before = partner_;
  LinkPartner(partner);
  try {
    Update([](TChartState& s) { s.pending |= kPendingAspects; });
  } catch (...) {
    LinkPartner(before);
    throw;
  }
}

void THoroscope::SetWheel(TWheelLink* wheel) {
  if (wheel == wheel_) return;
  TWheelLink* const dropped = wheel_;
  if (wheel) wheel->Unlink();  // from the chart it followed before
  if (dropped) dropped->chart_ = nullptr;
  wheel_ = wheel;
  if (wheel) wheel->chart_ = this;
  if (dropped) dropped->ChartUnlinked();
}

void THoroscope::SetAspectMode(int mode) {
  if (mode == state_.aspectMode) return;
  Update([mode](TChartState& s) {
    if ((mode & 1) != (s.aspectMode & 1)) {
      s.emptyOwnList = true;
      if (mode & 1)
        s.pending |= kPendingAspects;
      else
        s.pending &= ~kPendingAspects;
    }
    s.aspectMode = mode;
  });
}

void THoroscope::SetOrb(int row, int point, int degrees) {
  if (row < 1 || row > kAspectKinds || point < 1 || point > kAspectPoints)
    throw EHoroscopeException("Incorrect Aspect Index.");
  if (degrees < 0 || degrees > kMaxOrbDegrees)
    throw EHoroscopeException("Incorrect Orb Value!");
  if (state_.orbs[row - 1][point] == degrees * 60) return;
  Update([=](TChartState& s) {
    s.orbs[row - 1][point] = degrees * 60;
    s.pending |= kPendingLow8;
  });
}

// ---- partners ------------------------------------------------------------

void THoroscope::LinkPartner(THoroscope* partner) {
  if (partner == partner_) return;
  if (partner_) std::erase(partner_->partnerOf_, this);
  partner_ = partner;
  if (partner_) partner_->partnerOf_.push_back(this);
}

// The partner is being destroyed: cross aspects against it are gone.
void THoroscope::LosePartner() {
  partner_ = nullptr;
  cross_.Clear();
  state_.pending |= kPendingAspects;
}

// ---- lifecycle ---------------------------------------------------------

void THoroscope::SetActive(bool v) {
  if (!v) {
    state_.active = false;
    return;
  }
  if (state_.active) return;
  TEphemeris& ephemeris = TEphemeris::Shared();
  if (!ephemeris.IsOpen())
    ephemeris.Open(ResolvePathNoCase(AppDirectory() + "VYN.LNG"));
  ephemerisOpen_ = true;
  // A chart that could not be calculated stays inactive.
  Update([](TChartState& s) { s.active = true; });
}

// The inputs go through the setters' own steps in the setters' order, on
// one copy of the state that is calculated once at the end.
void THoroscope::Assign(const THoroscope& other) {
  TChartState next = state_;
  const TChartState& from = other.state_;
  for (extended TChartState::*field :
       {&TChartState::birthDate, &TChartState::birthTime,
        &TChartState::zoneTime, &TChartState::summerTime,
        &TChartState::latitude, &TChartState::longitude})
    StoreTimeInput(next, field, from.*field);
  StoreHouseSystem(next, from.houseSystem);
  StoreTimeInput(next, &TChartState::timeUnknown, from.timeUnknown);

  // Copied before anything changes: `other` may be this chart.
  std::array<std::string, 5> names = {other.firstName_, other.lastName_,
                                      other.sex_, other.placeName_,
                                      other.stateName_};
  auto swapNames = [this, &names] {
    std::swap(firstName_, names[0]);
    std::swap(lastName_, names[1]);
    std::swap(sex_, names[2]);
    std::swap(placeName_, names[3]);
    std::swap(stateName_, names[4]);
  };
  swapNames();  // the handlers of the recalculation see the new names
  const bool recalculate = next.active;
  try {
    Apply(std::move(next), recalculate);
  } catch (...) {
    swapNames();
    throw;
  }
}

void THoroscope::Recalculate() { Apply(state_, true); }

template <typename Change>
void THoroscope::Update(Change&& change) {
  TChartState next = state_;
  change(next);
  const bool recalculate = next.active;
  Apply(std::move(next), recalculate);
}

void THoroscope::Apply(TChartState next, bool recalculate) {
  if (!recalculate) {
    Commit(std::move(next));
    return;
  }
  TBusyScope busy;
  RunPositionSteps(next);  // the only step that can fail
  Commit(std::move(next));
  Publish(RunAspectSteps());
}

void THoroscope::Commit(TChartState&& next) {
  state_ = std::move(next);
  if (state_.emptyOwnList) own_.Clear();
  state_.emptyOwnList = false;
}

// A cusp that could not be computed switches the chart to Equal houses for
// good.
void THoroscope::RunPositionSteps(TChartState& s) {
  if (s.timeUnknown) s.houseSystem = hsEqual;
  if (!(s.pending & kPendingPositions)) return;
  PositionStep(s);
  if (s.failed && s.houseSystem != hsEqual) {
    s.houseSystem = hsEqual;
    PositionStep(s);
  }
}

// The aspect steps of this chart and, for a pair, of its partner; clears
// the pending flags. True when the partner's cross list was computed anew.
bool THoroscope::RunAspectSteps() {
  const bool wanted = state_.pending & kPendingAspects;
  state_.pending = 0;
  if (!wanted) return false;
  AspectStep();
  if (!partner_ || partner_->partner_ != this) return false;
  partner_->AspectStep();
  return true;
}

void THoroscope::Publish(bool partnerRefreshed) {
  NotifyViews();
  // The reports may have changed or ended the pair: ask again.
  if (partnerRefreshed && partner_ && partner_->partner_ == this &&
      partner_->state_.active)
    partner_->NotifyViews();
}

void THoroscope::NotifyViews() {
  if (reporting_) {
    reportAgain_ = true;
    return;
  }
  struct TReportScope {
    THoroscope& chart;
    explicit TReportScope(THoroscope& c) : chart(c) { chart.reporting_ = true; }
    ~TReportScope() { chart.reporting_ = chart.reportAgain_ = false; }
  } scope(*this);
  reportAgain_ = false;
  ReportOnce();
  if (!reportAgain_) return;
  reportAgain_ = false;
  ReportOnce();  // a request during this repeat is dropped
}

void THoroscope::ReportOnce() {
  if (wheel_) {
    wheel_->SetPropagationCount(0);
    wheel_->UpdateFromChart();
  }
  // A copy: the handler may assign another one while it runs.
  if (const auto handler = OnChange) handler(*this);
}

// ---- time step ---------------------------------------------------------

void THoroscope::TimeStep(TChartState& s) {
  s.year = static_cast<int>(Trunc(s.birthDate));
  s.month = static_cast<int>(Trunc(s.birthDate * 100 + 0.001L) % 100);
  s.day = static_cast<int>(Trunc(s.birthDate * 10000 + 0.001L) % 100);
  s.dayOffset = 0;
  s.ut = DMToDec(s.zoneTime) - DMToDec(s.summerTime) + DMToDec(s.birthTime);
  while (s.ut < 0) {
    --s.dayOffset;
    s.ut += 24;
  }
  const bool julian = s.birthDate < s.gregorianStart;
  s.jd = JulianDay(s.year, s.month, !julian, s.day) + s.dayOffset + s.ut / 24;
  s.dayNumber = DayNumber(s.day, s.month, s.year, julian) + s.dayOffset;
  s.t = (HMSToDec(DecToDM(s.ut)) / 24 + s.dayNumber) / 36525;
  s.eps = 0.40932L - 0.00022714L * s.t;
  const extended lambda = DegToRad(HMSToDec(-s.longitude));
  s.theta = Mod2Pi(lambda + s.t * kSiderealRatio * TwoPi * 36525 +
                   kSiderealEpochAngle);
  s.phi = DegToRad(HMSToDec(s.latitude));
  if (!(HalfPi > std::fabs(s.phi) + s.eps)) s.houseSystem = hsEqual;
  s.pending |= kPendingAll;
}

int THoroscope::Weekday() const {
  return static_cast<int>(Trunc(state_.jd + 1.5L) % 7);
}

// ---- position step -----------------------------------------------------

void THoroscope::PositionStep(TChartState& s) {
  s.failed = false;
  ComputeCuspSlots(s);
  ReadBodies(s);
  s.positions[12] = IntoCircle(s.positions[11] + kPi);
  for (int slot = 1; slot <= 12; ++slot)
    if (s.positions[slot] < 0) s.positions[slot] += TwoPi;
  SortBodies(s);
  BuildCuspTable(s);
}

void THoroscope::ComputeCuspSlots(TChartState& s) {
  const TSky sky{s.theta, s.phi, s.eps};
  for (int slot = 13; slot <= kPositionSlots; ++slot)
    s.positions[slot] =
        HouseCusp(s.houseSystem, HouseOfCuspSlot(slot), sky, s.failed);
}

void THoroscope::ReadBodies(TChartState& s) {
  TBodyReadings readings;
  for (int slot = 1; slot <= ephemeris_format::kBodyCount; ++slot) {
    readings.radians[slot] = s.positions[slot];
    readings.retrograde[slot] = s.retrograde[slot];
  }
  TEphemeris::Shared().ReadBodies("11111111111", s.jd, readings);
  for (int slot = 1; slot <= ephemeris_format::kBodyCount; ++slot) {
    s.positions[slot] = readings.radians[slot];
    s.retrograde[slot] = readings.retrograde[slot];
  }
  s.retrograde[12] = false;
}

void THoroscope::SortBodies(TChartState& s) {
  auto& order = s.order;
  for (int k = 1; k <= 12; ++k) order[k] = k;
  for (int gap : {6, 3, 1}) {
    bool swapped = true;
    while (swapped) {
      swapped = false;
      for (int j = 1; j <= 12 - gap; ++j) {
        // Ties go by slot: a gap swap may carry a body past an equal one.
        const int a = order[j], b = order[j + gap];
        if (s.positions[a] > s.positions[b] ||
            (s.positions[a] == s.positions[b] && a > b)) {
          std::swap(order[j], order[j + gap]);
          swapped = true;
        }
      }
    }
  }
  order[13] = order[1];
}

void THoroscope::BuildCuspTable(TChartState& s) {
  for (int i = 0; i < 3; ++i) {
    s.cusps[1 + i] = s.positions[16 + i];
    s.cusps[10 + i] = s.positions[13 + i];
    s.cusps[4 + i] = Mod2Pi(s.positions[13 + i] - kPi);
    s.cusps[7 + i] = Mod2Pi(s.positions[16 + i] - kPi);
  }
  s.cusps[0] = s.cusps[12];
  s.cusps[13] = s.cusps[1];
  if (!s.timeUnknown) return;
  const extended delta = SignOf(s.positions[1]) * kPi / 6 - s.cusps[1];
  for (auto& cusp : s.cusps) cusp = IntoCircle(cusp + delta);
}

// ---- reads -------------------------------------------------------------

extended THoroscope::PlanetRad(int slot) const {
  return slot >= 1 && slot <= kPositionSlots ? state_.positions[slot] : 0;
}

extended THoroscope::PlanetPos(int slot) const {
  return AngleToDM(PlanetRad(slot));
}

extended THoroscope::CuspRad(int h) const {
  return h >= 0 && h <= 13 ? state_.cusps[h] : 0;
}

extended THoroscope::CuspPos(int h) const { return AngleToDM(CuspRad(h)); }

int THoroscope::SortedBody(int k) const {
  return k >= 1 && k <= 12 ? state_.order[k] : 0;
}

bool THoroscope::IsRetrograde(int slot) const {
  return slot >= 1 && slot <= 12 && state_.retrograde[slot];
}

extended THoroscope::WheelRotation() const { return TwoPi - state_.cusps[1]; }

int THoroscope::SignOfBody(int ordinal) const {
  return SignOf(PlanetRad(ordinal + 1));
}

TPlanetSet THoroscope::BodiesInSign(int sign) const {
  TPlanetSet set = 0;
  for (int slot = 1; slot <= 12; ++slot) {
    const extended p = PlanetPos(slot);
    if (30 * sign <= p && p < 30 * sign + 30) set |= PlanetBit(slot - 1);
  }
  return set;
}

TPlanetSet THoroscope::CuspsInSign(int sign) const {
  TPlanetSet set = 0;
  for (int h = 1; h <= 12; ++h) {
    const extended c = CuspPos(h);
    if (30 * sign <= c && c <= 30 * sign + 30) set |= PlanetBit(h - 1);
  }
  return set;
}

int THoroscope::HouseOfPos(extended x) const {
  if (!std::isfinite(x)) return 0;
  // Whole turns go, in one step however large the value; 360 itself and
  // its multiples stay 360, which no house holds.
  if (x < 0) {
    x = std::fmod(x, 360);
    if (x < 0) x += 360;
  } else if (x > 360) {
    x = std::fmod(x, 360);
    if (x == 0) x = 360;
  }
  for (int h = 1; h <= 12; ++h) {
    const extended c1 = CuspPos(h);
    const extended c2 = CuspPos(h + 1);
    const bool holds = c1 > c2 ? (c1 <= x && x < 360) || (0 <= x && x < c2)
                               : c1 <= x && x < c2;
    if (holds) return h;
  }
  return 0;
}

int THoroscope::HouseOfBody(int ordinal) const {
  return HouseOfPos(PlanetPos(ordinal + 1));
}

int THoroscope::HouseOfPoint(int pointType) const {
  return HouseOfPos(PointLongitude(pointType));
}

TPlanetSet THoroscope::BodiesInHouse(int house) const {
  TPlanetSet set = 0;
  for (int slot = 1; slot <= 12; ++slot)
    if (HouseOfPos(PlanetPos(slot)) == house) set |= PlanetBit(slot - 1);
  return set;
}

void THoroscope::GetTxHouseStory(
    int n, std::array<std::uint8_t, kTxHouseStoryBytes>& block) const {
  if (n != 6 && n != 7)
    throw EHoroscopeException("Invalid index in GetTxHouseStory!");
  block.fill(0);
}

}  // namespace vyn
