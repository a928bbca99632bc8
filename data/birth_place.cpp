#include "data/birth_place.h"

#include <cmath>
#include <optional>

#include "data/atlas_reader.h"
#include "data/data_collection.h"
#include "data/database_error.h"
#include "data/lookup_arguments.h"
#include "data/table_catalogue.h"
#include "data/transaction.h"
#include "data/vyn_database.h"
#include "data/zone_lookup.h"
#include "engine/calendar.h"

namespace vyn {
namespace {

constexpr int kMinutesPerDay = 24 * 60;
constexpr int kHalfDay = 12 * 60;
// How far from the birth moment a clock change is looked for.
constexpr int kChangeWindowMinutes = 3 * 60;
constexpr long kFirstGregorianDay = 2299161;

long double MinutesToHm(int minutes) {
  const int a = std::abs(minutes);
  const long double hm = a / 60 + (a % 60) / 100.0L;
  return minutes < 0 ? -hm : hm;
}

int MinuteOfDayOf(int minute) {
  return ((minute % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay;
}

// A local clock moment: a date and a minute of that day.
struct TLocalMoment {
  std::int64_t date;  // YYYYMMDD
  int minute;         // 0..1439
};

long LocalDayOf(std::int64_t date) {
  return static_cast<long>(DateToJulianDay(static_cast<long>(date), true) + 0.5L);
}

// The moment `minute` minutes after the start of the local day `day`
// (negative or past the day's end allowed).
TLocalMoment MomentAt(long day, int minute) {
  const int days = (minute - MinuteOfDayOf(minute)) / kMinutesPerDay;
  return {JulianDayToDate(kFirstGregorianDay, day + days), MinuteOfDayOf(minute)};
}

// `offset` moved by whole days to within 12 hours of `reference`: the mean
// time of a place on the same side of the date line as its zone.
int NearOffset(int offset, int reference) {
  while (offset - reference > kHalfDay) offset -= kMinutesPerDay;
  while (offset - reference < -kHalfDay) offset += kMinutesPerDay;
  return offset;
}

// The zone and summer-time readings of one place at local clock moments.
class TPlaceClock {
 public:
  TPlaceClock(TAtlasReader& atlas, const TPlaceRow& place, std::string summerId)
      : atlas_(atlas), place_(place), summerId_(std::move(summerId)) {}

  struct TReading {
    int zoneMinutes = 0, summerMinutes = 0;
    bool localMeanTime = false;
    int OffsetMinutes() const { return zoneMinutes - summerMinutes; }  // UT - local
  };

  // The place's reading at the moment `m` of its own clock. While the zone
  // keeps mean time the place keeps the mean time of its own longitude, and
  // it leaves it at the same instant as the zone: on the place's clock that
  // is earlier than on the zone's west of the zone's reference point, later
  // east of it.
  TReading At(const TLocalMoment& m) {
    const TReading here = ZoneAt(m);
    const std::optional<int> zoneMeanTime = MeanTimeNear(m.date);
    if (!zoneMeanTime) return here;
    const int own = NearOffset(MeanTimeMinutes(place_.longitude), *zoneMeanTime);
    // The zone's clock at the instant the place's mean-time clock shows `m`.
    const TReading there = ZoneAt(Shifted(m, own - *zoneMeanTime));
    if (there.localMeanTime) return {own, 0, true};
    // Standard time: where the zone's clock still showed mean time at `m`,
    // the place has already left it, with the offset the zone took then.
    return here.localMeanTime ? there : here;
  }

 private:
  static TLocalMoment Shifted(const TLocalMoment& m, int minutes) {
    return MomentAt(LocalDayOf(m.date), m.minute + minutes);
  }

  // The zone's own reading at the moment `m` of its clock; localMeanTime
  // when the zone keeps the mean time of its reference point then.
  TReading ZoneAt(const TLocalMoment& m) {
    TReading r;
    if (!summerId_.empty())
      if (const auto summer = atlas_.SummerRowAt(summerId_, m.date, m.minute))
        r.summerMinutes = summer->advanceMinutes;
    const auto zone = ZoneRowOn(m.date);
    if (!zone) return r;
    r.zoneMinutes = zone->offsetMinutes;
    r.localMeanTime = KeepsMeanTime(*zone, m, r.OffsetMinutes());
    return r;
  }

  // The zone's mean-time offset when its row on `date` is one of mean time
  // or follows one from the day before or the date itself (a clock moment
  // on `date` may then still be mean time at the zone's reference point).
  std::optional<int> MeanTimeNear(std::int64_t date) {
    const auto zone = ZoneRowOn(date);
    if (!zone) return std::nullopt;
    if (zone->localMeanTime) return zone->offsetMinutes;
    if (LocalDayOf(date) - LocalDayOf(zone->startDate) > 1) return std::nullopt;
    const auto before = atlas_.ZoneRowBefore(zone->zoneId, zone->startDate);
    if (before && before->localMeanTime) return before->offsetMinutes;
    return std::nullopt;
  }

  // The zone's history row on `date`; before its history begins, its first
  // row when that is one of mean time (places kept mean time before any
  // history the source records).
  std::optional<TZoneRow> ZoneRowOn(std::int64_t date) {
    if (auto zone = atlas_.ZoneRowAt(place_.zoneRef, date)) return zone;
    auto first = atlas_.FirstZoneRow(place_.zoneRef);
    if (first && first->localMeanTime) return first;
    return std::nullopt;
  }

  // Whether the zone's clock at `m` keeps the mean time of its reference
  // point: a row of mean time without summer rows, or, on the day the zone
  // leaves mean time, the hours that its summer rows bridge back to the
  // mean time of the row before (the zone's history ends mean time at its
  // own moment, not at midnight).
  bool KeepsMeanTime(const TZoneRow& zone, const TLocalMoment& m, int offset) {
    if (zone.localMeanTime && offset == zone.offsetMinutes) return true;
    if (zone.startDate != m.date || offset == zone.offsetMinutes) return false;
    const auto before = atlas_.ZoneRowBefore(zone.zoneId, zone.startDate);
    return before && before->localMeanTime && before->offsetMinutes == offset;
  }

  TAtlasReader& atlas_;
  const TPlaceRow& place_;
  std::string summerId_;
};

// A clock change within a few hours of the birth moment, if the local time
// is skipped by it or occurs twice around it.
std::optional<TClockChange> ClockChangeAt(TPlaceClock& clock, const std::string& placeName,
                                          std::int64_t date, int minute) {
  const long day = LocalDayOf(date);
  const auto offsetAt = [&](int m) { return clock.At(MomentAt(day, m)).OffsetMinutes(); };
  int lo = minute - kChangeWindowMinutes, hi = minute + kChangeWindowMinutes;
  const int before = offsetAt(lo);
  if (offsetAt(hi) == before) return std::nullopt;
  while (hi - lo > 1) {  // the first minute with another offset
    const int mid = lo + (hi - lo) / 2;
    (offsetAt(mid) == before ? lo : hi) = mid;
  }
  const int change = hi;
  const int shift = before - offsetAt(change);  // minutes the clocks moved forward
  TClockChange record;
  record.placeName = placeName;
  record.date = date;
  record.birthMinute = minute;
  record.changeMinute = MinuteOfDayOf(change);
  record.setToMinute = MinuteOfDayOf(change + shift);
  if (shift > 0 && minute >= change && minute < change + shift) {
    record.kind = TClockChangeKind::ckSkipped;
    record.reading = TClockReading::crAfterChange;
    return record;
  }
  if (shift < 0 && minute >= change + shift && minute < change) {
    record.kind = TClockChangeKind::ckRepeated;
    record.reading = TClockReading::crBeforeChange;
    return record;
  }
  return std::nullopt;
}

std::string PlaceKey(const TPlaceRow& place) {
  return "StateID \"" + place.stateId + "\", PlaceName \"" + place.placeName + "\"";
}

[[noreturn]] void BadReference(const TPlaceRow& place, const char* field,
                               const std::string& value, TTableRole target) {
  throw ETableError(TDataErrorKind::deCorrupt, CatalogueEntry(TTableRole::trPlaces).InitialName,
                    "row " + PlaceKey(place) + ": " + field + " \"" + value +
                        "\" names no row of " + CatalogueEntry(target).InitialName);
}

}  // namespace

int MeanTimeMinutes(long longitude) {
  if (longitude < -18000 || longitude > 18000 || std::abs(longitude) % 100 >= 60)
    throw EDatabaseError(TDataErrorKind::deBadValue,
                         "Mean time: the longitude " + std::to_string(longitude) +
                             " is not degrees * 100 + minutes within 180 degrees");
  const long magnitude = std::abs(longitude);
  const long arcMinutes = magnitude / 100 * 60 + magnitude % 100;
  const int timeMinutes = static_cast<int>(std::lround(arcMinutes * 4 / 60.0));
  return longitude < 0 ? -timeMinutes : timeMinutes;
}

long double MeanTimeOffset(long longitude) { return MinutesToHm(MeanTimeMinutes(longitude)); }

TBirthPlace ResolveBirthPlace(TDataCollection& collection, const std::string& state,
                              const std::string& place, std::int64_t date,
                              std::int64_t time) {
  const std::string what = "Birth place \"" + place + "\"";
  CheckLookupDate(date, what);
  CheckLookupTime(time, what);
  TAtlasReader& atlas = collection.Atlas();
  // The look-ups share one read transaction: the database is then locked
  // once for all of them, not once per statement.
  TTransaction readTransaction(collection.Database().Connection(),
                               TTransactionKind::tkRead);
  const auto stateRow = atlas.StateByName(state);
  if (!stateRow)
    throw EAtlasError(TAtlasMissing::amState, "the atlas has no state \"" + state + "\"");
  const auto placeRow = atlas.PlaceByKey(stateRow->stateId, place);
  if (!placeRow)
    throw EAtlasError(TAtlasMissing::amPlace,
                      "the atlas has no place \"" + place + "\" in \"" + state + "\"");

  TBirthPlace result;
  result.stateName = state;
  result.stateId = stateRow->stateId;
  result.placeName = place;
  result.latitude = placeRow->latitude;
  result.longitude = placeRow->longitude;
  const auto zone = atlas.ZoneById(placeRow->zoneRef);
  if (!zone) BadReference(*placeRow, "ZoneRef", placeRow->zoneRef, TTableRole::trZoneIds);
  result.zoneName = zone->zoneName;
  if (!placeRow->summerRef.empty()) {
    const auto summerName = atlas.SummerNameOfId(placeRow->summerRef);
    if (!summerName)
      BadReference(*placeRow, "SummerRef", placeRow->summerRef, TTableRole::trSummerIds);
    result.summerName = *summerName;
  }

  TPlaceClock clock(atlas, *placeRow, placeRow->summerRef);
  const int minute = MinuteOfDay(time);
  const TPlaceClock::TReading reading = clock.At({date, minute});
  result.zoneTime = MinutesToHm(reading.zoneMinutes);
  result.summerTime = MinutesToHm(reading.summerMinutes);
  result.localMeanTime = reading.localMeanTime;
  if (auto change = ClockChangeAt(clock, place, date, minute))
    result.clockChanges.push_back(std::move(*change));
  const std::int64_t start = RegionGregorianStart(atlas, *stateRow, *placeRow);
  result.gregorianStart =
      start != 0 ? static_cast<long double>(start) / 10000.0L : kDefaultGregorianStart;
  readTransaction.Commit();
  return result;
}

}  // namespace vyn
