#include "engine/horoscope.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

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
constexpr extended kSiderealRatio = 1 + 0.0027379093L;
constexpr extended kSiderealEpochAngle = 1.74846L;

// D.MM degrees of an angle in radians, kept below 360 (the degree factor
// makes a value just under 2pi read a hair above 360).
extended AngleToDM(extended radians) {
  extended dm = DecToDM(RadToDeg(radians));
  if (dm >= 360) dm -= 360;
  return dm;
}

extended IntoCircle(extended x) {
  if (x >= TwoPi) return x - TwoPi;
  if (x < 0) return x + TwoPi;
  return x;
}

}  // namespace

THoroscope::THoroscope() {
  for (int k = 1; k <= 12; ++k) order_[k] = k;
  order_[13] = 1;
  TimeStep();
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
void THoroscope::SetTimeInput(T& field, T value) {
  if (field == value) return;
  field = value;
  TimeStep();
}

void THoroscope::SetRangedInput(extended& field, extended value, extended low,
                                extended high, const char* message) {
  if (field == value) return;
  if (!(value >= low && value <= high)) throw EHoroscopeException(message);
  field = value;
  TimeStep();
}

void THoroscope::SetBirthDate(extended v) {
  if (birthDate_ == v) return;
  birthDate_ = v;
  year_ = static_cast<int>(Trunc(v));
  month_ = static_cast<int>(Trunc(v * 100 + 0.001L) % 100);
  day_ = static_cast<int>(Trunc(v * 10000 + 0.001L) % 100);
  TimeStep();
}

void THoroscope::SetBirthTime(extended v) {
  SetRangedInput(birthTime_, v, 0, 24, "Incorrect Time Value!");
}
void THoroscope::SetZoneTime(extended v) {
  SetRangedInput(zoneTime_, v, -12, 12, "Incorrect Zone Time!");
}
void THoroscope::SetSummerTime(extended v) {
  SetRangedInput(summerTime_, v, -12, 12, "Incorrect Summer Time!");
}
void THoroscope::SetLatitude(extended v) {
  SetRangedInput(latitude_, v, -90, 90, "Incorrect Latitude Value!");
}
void THoroscope::SetLongitude(extended v) {
  SetRangedInput(longitude_, v, -180, 180, "Incorrect Longitude Value!");
}
void THoroscope::SetGregorianStart(extended v) {
  SetTimeInput(gregorianStart_, v);
}
void THoroscope::SetTimeUnknown(bool v) { SetTimeInput(timeUnknown_, v); }

void THoroscope::SetHouseSystem(int v) {
  if (houseSystem_ == v) return;
  houseSystem_ = v;
  MarkPending(kPendingLow8);
}

void THoroscope::SetFromYear(int v) {
  if (v < 1500 || v >= 2100 || v == fromYear_) return;
  fromYear_ = v;
  if (v >= toYear_ || v + 3 < toYear_) toYear_ = v + 1;
  MarkPending(kPendingYearWindow);
}

void THoroscope::SetToYear(int v) {
  if (v <= 1500 || v > 2100 || v == toYear_) return;
  toYear_ = v;
  if (fromYear_ >= v || fromYear_ + 3 < v) fromYear_ = v - 1;
  MarkPending(kPendingYearWindow);
}

void THoroscope::SetPartner(THoroscope* partner) {
  partner_ = partner;
  MarkPending(kPendingAspects);
}

void THoroscope::SetAspectMode(int mode) {
  if (mode == aspectMode_) return;
  if ((mode & 1) != (aspectMode_ & 1)) {
    own_.Clear();
    if (mode & 1)
      pending_ |= kPendingAspects;
    else
      pending_ &= ~kPendingAspects;
  }
  aspectMode_ = mode;
  if (active_) Recalculate();
}

void THoroscope::SetOrb(int row, int point, int degrees) {
  if (row < 1 || row > kAspectKinds || point < 1 || point > kAspectPoints)
    throw EHoroscopeException("Incorrect Aspect Index.");
  int& orb = orbs_[row - 1][point];
  if (orb == degrees * 60) return;
  orb = degrees * 60;
  MarkPending(kPendingLow8);
}

void THoroscope::MarkPending(std::uint16_t flags) {
  pending_ |= flags;
  if (active_) Recalculate();
}

// ---- lifecycle ---------------------------------------------------------

void THoroscope::SetActive(bool v) {
  if (!v) {
    active_ = false;
    return;
  }
  if (active_) return;
  TEphemeris& ephemeris = TEphemeris::Shared();
  if (!ephemeris.IsOpen())
    ephemeris.Open(ResolvePathNoCase(AppDirectory() + "VYN.LNG"));
  ephemerisOpen_ = true;
  active_ = true;
  try {
    Recalculate();
  } catch (...) {
    active_ = false;  // a chart that could not be calculated stays inactive
    throw;
  }
}

void THoroscope::Assign(const THoroscope& other) {
  const bool wasActive = active_;
  active_ = false;
  SetFirstName(other.firstName_);
  SetLastName(other.lastName_);
  SetSex(other.sex_);
  SetBirthDate(other.birthDate_);
  SetBirthTime(other.birthTime_);
  SetZoneTime(other.zoneTime_);
  SetSummerTime(other.summerTime_);
  SetLatitude(other.latitude_);
  SetLongitude(other.longitude_);
  SetPlaceName(other.placeName_);
  SetStateName(other.stateName_);
  SetHouseSystem(other.houseSystem_);
  SetTimeUnknown(other.timeUnknown_);
  SetActive(wasActive);
}

void THoroscope::Recalculate() {
  TBusyScope busy;
  if (timeUnknown_) houseSystem_ = hsEqual;
  RunPendingSteps();
  if (failed_ && houseSystem_ != hsEqual) {
    houseSystem_ = hsEqual;
    RunPendingSteps();
  }
  pending_ = 0;
  if (wheel_) {
    wheel_->SetPropagationCount(0);
    wheel_->UpdateFromChart();
  }
  if (OnChange) OnChange(*this);
}

void THoroscope::RunPendingSteps() {
  failed_ = false;
  if (pending_ & kPendingPositions) PositionStep();
  if (pending_ & kPendingAspects) {
    AspectStep();
    if (partner_ && partner_->partner_ == this) partner_->AspectStep();
  }
}

// ---- time step ---------------------------------------------------------

void THoroscope::TimeStep() {
  dayOffset_ = 0;
  ut_ = DMToDec(zoneTime_) - DMToDec(summerTime_) + DMToDec(birthTime_);
  while (ut_ < 0) {
    --dayOffset_;
    ut_ += 24;
  }
  const bool julian = birthDate_ < gregorianStart_;
  jd_ = JulianDay(year_, month_, !julian, day_) + dayOffset_ + ut_ / 24;
  dayNumber_ = DayNumber(day_, month_, year_, julian) + dayOffset_;
  t_ = (HMSToDec(DecToDM(ut_)) / 24 + dayNumber_) / 36525;
  eps_ = 0.40932L - 0.00022714L * t_;
  const extended lambda = DegToRad(HMSToDec(-longitude_));
  theta_ = Mod2Pi(lambda + t_ * kSiderealRatio * TwoPi * 36525 +
                  kSiderealEpochAngle);
  phi_ = DegToRad(HMSToDec(latitude_));
  if (!(HalfPi > std::fabs(phi_) + eps_)) houseSystem_ = hsEqual;
  MarkPending(kPendingAll);
}

int THoroscope::Weekday() const {
  return static_cast<int>(Trunc(jd_ + 1.5L) % 7);
}

// ---- position step -----------------------------------------------------

void THoroscope::PositionStep() {
  ComputeCuspSlots();
  ReadBodies();
  positions_[12] = IntoCircle(positions_[11] + kPi);
  for (int slot = 1; slot <= 12; ++slot)
    if (positions_[slot] < 0) positions_[slot] += TwoPi;
  SortBodies();
  BuildCuspTable();
}

void THoroscope::ComputeCuspSlots() {
  const TSky sky{theta_, phi_, eps_};
  for (int slot = 13; slot <= kPositionSlots; ++slot)
    positions_[slot] =
        HouseCusp(houseSystem_, HouseOfCuspSlot(slot), sky, failed_);
}

void THoroscope::ReadBodies() {
  TBodyReadings readings;
  for (int slot = 1; slot <= ephemeris_format::kBodyCount; ++slot) {
    readings.radians[slot] = positions_[slot];
    readings.retrograde[slot] = retrograde_[slot];
  }
  TEphemeris::Shared().ReadBodies("11111111111", jd_, readings);
  for (int slot = 1; slot <= ephemeris_format::kBodyCount; ++slot) {
    positions_[slot] = readings.radians[slot];
    retrograde_[slot] = readings.retrograde[slot];
  }
  retrograde_[12] = false;
}

void THoroscope::SortBodies() {
  for (int k = 1; k <= 12; ++k) order_[k] = k;
  for (int gap : {6, 3, 1}) {
    bool swapped = true;
    while (swapped) {
      swapped = false;
      for (int j = 1; j <= 12 - gap; ++j) {
        // Ties go by slot: a gap swap may carry a body past an equal one.
        const int a = order_[j], b = order_[j + gap];
        if (positions_[a] > positions_[b] ||
            (positions_[a] == positions_[b] && a > b)) {
          std::swap(order_[j], order_[j + gap]);
          swapped = true;
        }
      }
    }
  }
  order_[13] = order_[1];
}

void THoroscope::BuildCuspTable() {
  for (int i = 0; i < 3; ++i) {
    cusps_[1 + i] = positions_[16 + i];
    cusps_[10 + i] = positions_[13 + i];
    cusps_[4 + i] = Mod2Pi(positions_[13 + i] - kPi);
    cusps_[7 + i] = Mod2Pi(positions_[16 + i] - kPi);
  }
  cusps_[0] = cusps_[12];
  cusps_[13] = cusps_[1];
  if (!timeUnknown_) return;
  const extended delta = SignOfBody(plSun) * kPi / 6 - cusps_[1];
  for (auto& cusp : cusps_) cusp = IntoCircle(cusp + delta);
}

// ---- reads -------------------------------------------------------------

extended THoroscope::PlanetRad(int slot) const {
  return slot >= 1 && slot <= kPositionSlots ? positions_[slot] : 0;
}

extended THoroscope::PlanetPos(int slot) const {
  return AngleToDM(PlanetRad(slot));
}

extended THoroscope::CuspRad(int h) const {
  return h >= 0 && h <= 13 ? cusps_[h] : 0;
}

extended THoroscope::CuspPos(int h) const { return AngleToDM(CuspRad(h)); }

int THoroscope::SortedBody(int k) const {
  return k >= 1 && k <= 12 ? order_[k] : 0;
}

bool THoroscope::IsRetrograde(int slot) const {
  return slot >= 1 && slot <= 12 && retrograde_[slot];
}

extended THoroscope::WheelRotation() const { return TwoPi - cusps_[1]; }

int THoroscope::SignOfBody(int ordinal) const {
  return static_cast<int>(Trunc(PlanetPos(ordinal + 1) / 30) % 12);
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
  while (x < 0) x += 360;
  while (x > 360) x -= 360;
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
