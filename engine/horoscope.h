#pragma once
// The chart record: one person's birth data and everything derived from it.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "engine/angles.h"
#include "engine/aspects.h"
#include "engine/planets.h"
#include "engine/wheel_link.h"

namespace vyn {

inline constexpr int kPositionSlots = 18;  // bodies 1..12, cusps 10,11,12,1,2,3
inline constexpr int kTxHouseStoryBytes = 100;

class THoroscope {
 public:
  THoroscope();
  THoroscope(const THoroscope&) = delete;
  THoroscope& operator=(const THoroscope&) = delete;

  // ---- inputs ---------------------------------------------------------
  const std::string& FirstName() const { return firstName_; }
  void SetFirstName(std::string_view v);
  const std::string& LastName() const { return lastName_; }
  void SetLastName(std::string_view v);
  const std::string& Sex() const { return sex_; }  // "M" male, else female
  void SetSex(std::string_view v) { sex_ = v; }
  const std::string& PlaceName() const { return placeName_; }
  void SetPlaceName(std::string_view v) { placeName_ = v; }
  const std::string& StateName() const { return stateName_; }
  void SetStateName(std::string_view v);

  extended BirthDate() const { return birthDate_; }  // YYYY.MMDD
  void SetBirthDate(extended v);
  extended BirthTime() const { return birthTime_; }  // H.MM(SS) local clock
  void SetBirthTime(extended v);
  extended ZoneTime() const { return zoneTime_; }  // H.MM, west positive
  void SetZoneTime(extended v);
  extended SummerTime() const { return summerTime_; }  // H.MM advance
  void SetSummerTime(extended v);
  extended Latitude() const { return latitude_; }  // D.MM(SS), north positive
  void SetLatitude(extended v);
  extended Longitude() const { return longitude_; }  // D.MM(SS), west positive
  void SetLongitude(extended v);
  extended GregorianStart() const { return gregorianStart_; }  // YYYY.MMDD
  void SetGregorianStart(extended v);
  bool TimeUnknown() const { return timeUnknown_; }
  void SetTimeUnknown(bool v);
  int HouseSystem() const { return houseSystem_; }
  void SetHouseSystem(int v);

  int FromYear() const { return fromYear_; }
  void SetFromYear(int v);
  int ToYear() const { return toYear_; }
  void SetToYear(int v);

  THoroscope* Partner() const { return partner_; }
  void SetPartner(THoroscope* partner);
  void SetWheel(TWheelLink* wheel) { wheel_ = wheel; }
  int AspectMode() const { return aspectMode_; }
  void SetAspectMode(int mode);
  // Row 1..13 (aspect kind row - 1), point 1..14, whole degrees.
  void SetOrb(int row, int point, int degrees);
  int Orb(int kind, int point) const { return orbs_[kind][point]; }

  bool Active() const { return active_; }
  void SetActive(bool v);
  bool EphemerisOpen() const { return ephemerisOpen_; }

  // Fired after every recalculation.
  std::function<void(THoroscope&)> OnChange;

  void Recalculate();
  void Assign(const THoroscope& other);

  // ---- derived values -------------------------------------------------
  int Year() const { return year_; }
  int Month() const { return month_; }
  int Day() const { return day_; }
  extended UT() const { return ut_; }  // decimal hours after the day offset
  int DayOffset() const { return dayOffset_; }
  extended JD() const { return jd_; }
  int Weekday() const;  // 0 is Sunday
  long BirthDayNumber() const { return dayNumber_; }
  extended CenturiesT() const { return t_; }
  extended Obliquity() const { return eps_; }
  extended SiderealTime() const { return theta_; }

  extended PlanetRad(int slot) const;
  extended PlanetPos(int slot) const;  // D.MM degrees in [0, 360)
  extended CuspRad(int h) const;       // cusp table 0..13
  extended CuspPos(int h) const;
  int SortedBody(int k) const;  // longitude order 1..13
  bool IsRetrograde(int slot) const;
  extended WheelRotation() const;
  int SignOfBody(int ordinal) const;
  TPlanetSet BodiesInSign(int sign) const;
  TPlanetSet CuspsInSign(int sign) const;  // bit h - 1 for house h

  // Houses (D.MM longitudes; 0 when no house holds the value).
  int HouseOfPos(extended x) const;
  int HouseOfBody(int ordinal) const;
  int HouseOfPoint(int pointType) const;
  TPlanetSet BodiesInHouse(int house) const;

  // Aspects.
  extended AspectPointRad(int point) const;
  bool GetAspect(int n, int& first, int& second, int& kind,
                 extended& orb) const;
  bool GetCrossAspect(int n, int& first, int& second, int& kind,
                      extended& orb) const;
  int AspectCount() const { return own_.Count(); }
  int CrossAspectCount() const { return cross_.Count(); }
  const TAspectList& OwnAspects() const { return own_; }
  const TAspectList& CrossAspects() const { return cross_; }
  int GetAspectKind(std::string_view a, std::string_view b) const;
  int GetAspectNumber(std::string_view a, std::string_view b) const;
  int GetCrossAspectKind(std::string_view a, std::string_view b) const;
  extended GetCrossAspectOrb(std::string_view a, std::string_view b) const;

  // Codes for the interpretation (this chart the first person, the partner
  // the second).
  static int BodyIndexOf(std::string_view code);  // -1 for an unknown code
  int PointTypeOf(std::string_view code) const;   // -1 for an unknown code
  static std::string SignCode(int sign);
  std::string DescendantRuler() const;
  std::string GetSignCode(std::string_view code) const;
  std::string GetHouseCode(std::string_view code) const;
  std::string GetOverlayHouseCode(std::string_view code) const;
  std::string GetAspectPolarity(std::string_view a, std::string_view b) const;
  std::string GetOverlayPolarity(std::string_view a,
                                 std::string_view b) const;
  std::string GetLeadCode(std::string_view a, std::string_view b) const;

  // The transit house-story block 6 or 7 (never filled: all zero).
  void GetTxHouseStory(int n,
                       std::array<std::uint8_t, kTxHouseStoryBytes>& block) const;

 private:
  enum : std::uint16_t {
    kPendingPositions = 1,
    kPendingAspects = 2,
    kPendingYearWindow = 4,
    kPendingAll = 0xFFFF,
    kPendingLow8 = 0x00FF,
  };

  template <typename T>
  void SetTimeInput(T& field, T value);
  void SetRangedInput(extended& field, extended value, extended low,
                      extended high, const char* message);
  void TimeStep();
  void MarkPending(std::uint16_t flags);
  void RunPendingSteps();
  void PositionStep();
  void ComputeCuspSlots();
  void ReadBodies();
  void SortBodies();
  void BuildCuspTable();
  void AspectStep();
  // Longitudes of the aspect points 1..14 (index 0 unused).
  using TAspectPoints = std::array<extended, kAspectPoints + 1>;
  TAspectPoints AspectPoints() const;
  int PointCount() const { return timeUnknown_ ? 12 : kAspectPoints; }

  std::string_view RulerCode() const;
  std::string_view OwnCode(std::string_view code) const;
  std::string_view PartnerCode(std::string_view code) const;
  extended PointLongitude(int pointType) const;
  int FindCrossEntry(int p, int q) const;

  // inputs
  std::string firstName_, lastName_, sex_, placeName_, stateName_;
  extended birthDate_ = 1900.0101L;
  extended birthTime_ = 0, zoneTime_ = 0, summerTime_ = 0;
  extended latitude_ = 0, longitude_ = 0;
  extended gregorianStart_ = 1522.0101L;
  bool timeUnknown_ = false;
  int houseSystem_ = 0;
  int fromYear_ = 1996, toYear_ = 1997;
  THoroscope* partner_ = nullptr;
  TWheelLink* wheel_ = nullptr;
  int aspectMode_ = 0;
  bool active_ = false;
  bool ephemerisOpen_ = false;

  // derived
  int year_ = 1900, month_ = 1, day_ = 1;
  extended ut_ = 0;
  int dayOffset_ = 0;
  extended jd_ = 0;
  long dayNumber_ = 0;
  extended t_ = 0, eps_ = 0, theta_ = 0, phi_ = 0;
  std::array<extended, kPositionSlots + 1> positions_{};
  std::array<extended, 14> cusps_{};
  std::array<bool, 13> retrograde_{};
  std::array<int, 14> order_{};
  TOrbMatrix orbs_{};
  TAspectList own_, cross_;
  std::uint16_t pending_ = kPendingAll;
  bool failed_ = false;
};

}  // namespace vyn
