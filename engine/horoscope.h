#pragma once
// The chart record: one person's birth data and everything derived from it.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

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
  // Unlinks the wheel (telling it, TWheelLink::ChartUnlinked) and every
  // chart whose partner this is (their cross lists are emptied, without a
  // report); touches no other chart.
  ~THoroscope();
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

  // Every setter of a number refuses a value outside its range (NaN and
  // infinities included) with EHoroscopeException, and a change whose
  // recalculation fails leaves the record as it was, inputs and results.
  // BirthDate and GregorianStart take years 0 to 9999; whether a date is a
  // real day of its calendar is for callers to ask (IsRealDate).
  extended BirthDate() const { return state_.birthDate; }  // YYYY.MMDD
  void SetBirthDate(extended v);
  extended BirthTime() const { return state_.birthTime; }  // H.MM(SS) local clock
  void SetBirthTime(extended v);
  extended ZoneTime() const { return state_.zoneTime; }  // H.MM, west positive
  void SetZoneTime(extended v);
  extended SummerTime() const { return state_.summerTime; }  // H.MM advance
  void SetSummerTime(extended v);
  extended Latitude() const { return state_.latitude; }  // D.MM(SS), north positive
  void SetLatitude(extended v);
  extended Longitude() const { return state_.longitude; }  // D.MM(SS), west positive
  void SetLongitude(extended v);
  extended GregorianStart() const { return state_.gregorianStart; }  // YYYY.MMDD
  void SetGregorianStart(extended v);
  bool TimeUnknown() const { return state_.timeUnknown; }
  void SetTimeUnknown(bool v);
  int HouseSystem() const { return state_.houseSystem; }
  void SetHouseSystem(int v);

  int FromYear() const { return state_.fromYear; }
  void SetFromYear(int v);
  int ToYear() const { return state_.toYear; }
  void SetToYear(int v);

  THoroscope* Partner() const { return partner_; }
  void SetPartner(THoroscope* partner);
  // Links the wheel to report to (none with nullptr). A wheel follows one
  // chart: linking it here unlinks it from the chart it followed before.
  // The wheel this chart reported to until now is told (ChartUnlinked).
  void SetWheel(TWheelLink* wheel);
  TWheelLink* Wheel() const { return wheel_; }
  int AspectMode() const { return state_.aspectMode; }
  void SetAspectMode(int mode);
  // Row 1..13 (aspect kind row - 1), point 1..14, whole degrees 0..180.
  void SetOrb(int row, int point, int degrees);
  int Orb(int kind, int point) const { return state_.orbs[kind][point]; }

  bool Active() const { return state_.active; }
  void SetActive(bool v);
  bool EphemerisOpen() const { return ephemerisOpen_; }

  // Fired after every recalculation, and after a partner's recalculation
  // refreshed this (active) chart's cross list, after the linked wheel took
  // the new positions. A report asked for while the chart reports (a
  // handler changed the pair) does not nest: it follows once the current
  // report ends, and one asked for during that repeat is dropped, so
  // handlers that change the other chart of a pair cannot make the two call
  // each other without end. A handler must not destroy its own chart.
  std::function<void(THoroscope&)> OnChange;

  void Recalculate();
  void Assign(const THoroscope& other);

  // ---- derived values -------------------------------------------------
  int Year() const { return state_.year; }
  int Month() const { return state_.month; }
  int Day() const { return state_.day; }
  extended UT() const { return state_.ut; }  // decimal hours after the day offset
  int DayOffset() const { return state_.dayOffset; }
  extended JD() const { return state_.jd; }
  int Weekday() const;  // 0 is Sunday
  long BirthDayNumber() const { return state_.dayNumber; }
  extended CenturiesT() const { return state_.t; }
  extended Obliquity() const { return state_.eps; }
  extended SiderealTime() const { return state_.theta; }

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

  // Houses (D.MM longitudes, whole turns ignored; 0 when no house holds
  // the value or it is not a finite number).
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
  friend class TWheelLink;  // keeps both sides of the wheel link

  enum : std::uint16_t {
    kPendingPositions = 1,
    kPendingAspects = 2,
    kPendingYearWindow = 4,
    kPendingAll = 0xFFFF,
    kPendingLow8 = 0x00FF,
  };

  // Everything a calculation reads or changes but the names, the partner
  // and the aspect lists. A change is made to a copy, the steps that can
  // fail run on that copy, and only a copy whose steps all succeeded
  // becomes the chart's state; the aspect lists are filled afterwards by
  // the aspect step, which cannot fail.
  struct TChartState {
    // inputs
    extended birthDate = 1900.0101L;
    extended birthTime = 0, zoneTime = 0, summerTime = 0;
    extended latitude = 0, longitude = 0;
    extended gregorianStart = 1522.0101L;
    bool timeUnknown = false;
    int houseSystem = 0;
    int fromYear = 1996, toYear = 1997;
    int aspectMode = 0;
    TOrbMatrix orbs{};
    bool active = false;
    // derived
    int year = 1900, month = 1, day = 1;
    extended ut = 0;
    int dayOffset = 0;
    extended jd = 0;
    long dayNumber = 0;
    extended t = 0, eps = 0, theta = 0, phi = 0;
    std::array<extended, kPositionSlots + 1> positions{};
    std::array<extended, 14> cusps{};
    std::array<bool, 13> retrograde{};
    std::array<int, 14> order{};
    std::uint16_t pending = kPendingAll;
    bool failed = false;         // a cusp could not be computed
    bool emptyOwnList = false;   // the own aspect list goes with this change
  };

  // Applies `change` to a copy of the state and makes the copy the chart's
  // state through Apply.
  template <typename Change>
  void Update(Change&& change);
  // Makes `next` the chart's state. With `recalculate`, the pending steps
  // run on it first, and then the aspect steps and the reports follow; a
  // step that fails throws before anything of the chart has changed.
  void Apply(TChartState next, bool recalculate);
  void Commit(TChartState&& next);
  template <typename T>
  void SetTimeInput(T TChartState::*field, T value);
  void SetRangedInput(extended TChartState::*field, extended value,
                      extended low, extended high, const char* message);
  // Stores a birth-data input and runs the time step; false when the
  // input already held the value.
  template <typename T>
  static bool StoreTimeInput(TChartState& s, T TChartState::*field, T value);
  static void StoreHouseSystem(TChartState& s, int system);
  static void TimeStep(TChartState& s);
  static void RunPositionSteps(TChartState& s);
  static void PositionStep(TChartState& s);
  static void ComputeCuspSlots(TChartState& s);
  static void ReadBodies(TChartState& s);
  static void SortBodies(TChartState& s);
  static void BuildCuspTable(TChartState& s);
  bool RunAspectSteps();
  void AspectStep();
  // Longitudes of the aspect points 1..14 (index 0 unused).
  using TAspectPoints = std::array<extended, kAspectPoints + 1>;
  TAspectPoints AspectPoints() const;
  int PointCount() const { return state_.timeUnknown ? 12 : kAspectPoints; }

  void Publish(bool partnerRefreshed);
  void NotifyViews();
  void ReportOnce();

  // Partner bookkeeping: every chart knows the charts whose partner it is,
  // so that neither side is left pointing at a destroyed record.
  void LinkPartner(THoroscope* partner);
  void LosePartner();

  std::string_view RulerCode() const;
  std::string_view OwnCode(std::string_view code) const;
  std::string_view PartnerCode(std::string_view code) const;
  extended PointLongitude(int pointType) const;
  int FindCrossEntry(int p, int q) const;

  std::string firstName_, lastName_, sex_, placeName_, stateName_;
  TChartState state_;
  THoroscope* partner_ = nullptr;
  std::vector<THoroscope*> partnerOf_;  // charts whose partner this is
  TWheelLink* wheel_ = nullptr;
  bool ephemerisOpen_ = false;
  bool reporting_ = false;     // inside NotifyViews
  bool reportAgain_ = false;   // asked to report while reporting
  TAspectList own_, cross_;
};

}  // namespace vyn
