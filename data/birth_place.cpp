#include "data/birth_place.h"

#include <cmath>
#include <cstdlib>

#include "data/data_collection.h"
#include "data/transaction.h"
#include "data/vyn_database.h"
#include "data/zone_lookup.h"
#include "engine/calendar.h"
#include "engine/text_helpers.h"

namespace vyn {
namespace {

constexpr int kMinutesPerDay = 24 * 60;
// How far from the birth moment a clock change is looked for.
constexpr int kChangeWindowMinutes = 3 * 60;
constexpr long kFirstGregorianDay = 2299161;

// H.MM to signed minutes.
int HmToMinutes(long double hm) {
  return static_cast<int>(std::lround(static_cast<double>(DMToDec(hm) * 60)));
}

long double MinutesToHm(int minutes) {
  const int a = std::abs(minutes);
  const long double hm = a / 60 + (a % 60) / 100.0L;
  return minutes < 0 ? -hm : hm;
}

std::string ClockText(int minuteOfDay) {
  return TimeText(minuteOfDay / 60 % 24, minuteOfDay % 60, 0, "HH:mm");
}

// Local clock moments as whole minutes on one line, for stepping across
// midnight.
struct TLocalMoment {
  std::int64_t date;  // YYYYMMDD
  int minute;         // of the day
};

long LocalDayOf(std::int64_t date) {
  return static_cast<long>(DateToJulianDay(static_cast<long>(date), true) + 0.5L);
}

TLocalMoment MomentAt(long day, int minute) {
  while (minute < 0) {
    minute += kMinutesPerDay;
    --day;
  }
  day += minute / kMinutesPerDay;
  minute %= kMinutesPerDay;
  return {JulianDayToDate(kFirstGregorianDay, day), minute};
}

// The zone and summer-time readings of one place.
class TPlaceClock {
 public:
  TPlaceClock(TDataCollection& atlas, const TBirthPlace& place)
      : atlas_(atlas), place_(place) {}

  struct TReading {
    long double zoneTime = 0, summerTime = 0;
    bool localMeanTime = false;
    int OffsetMinutes() const {  // UT = local clock + this
      return HmToMinutes(zoneTime) - HmToMinutes(summerTime);
    }
  };

  TReading At(const TLocalMoment& m) {
    TReading r;
    r.summerTime = atlas_.SummerOffset(place_.summerName, m.date,
                                       m.minute / 60 * 10000 + m.minute % 60 * 100);
    TVynTable& zones = atlas_.Table(TTableRole::trZones);
    if (LocateZoneRow(atlas_.Table(TTableRole::trZoneIds), zones,
                      place_.zoneName, m.date)) {
      r.zoneTime = zones.FieldByName("TimeDelta").AsInteger() / 100.0L;
      // Summer rows on a mean-time day bridge hours already kept in standard
      // time; only pure mean time moves to the place's own longitude.
      r.localMeanTime = zones.FieldByName("LMT").AsBoolean() && r.summerTime == 0;
      if (r.localMeanTime) r.zoneTime = MeanTimeOffset(place_.longitude);
    }
    return r;
  }

 private:
  TDataCollection& atlas_;
  const TBirthPlace& place_;
};

// A clock change within a few hours of the birth moment, if the local time
// is skipped by it or occurs twice around it.
std::string ClockChangeWarning(TPlaceClock& clock, const TBirthPlace& place,
                               std::int64_t date, int minute) {
  const long day = LocalDayOf(date);
  const auto offsetAt = [&](int m) {
    return clock.At(MomentAt(day, m)).OffsetMinutes();
  };
  int lo = minute - kChangeWindowMinutes, hi = minute + kChangeWindowMinutes;
  const int before = offsetAt(lo);
  if (offsetAt(hi) == before) return {};
  while (hi - lo > 1) {  // the first minute with another offset
    const int mid = lo + (hi - lo) / 2;
    (offsetAt(mid) == before ? lo : hi) = mid;
  }
  const int change = hi;
  const int after = offsetAt(change);
  const int shift = before - after;  // minutes the clocks moved forward
  const std::string where = " on " + DateText(static_cast<long>(date), "yyyy-MM-dd") + " at " + place.placeName;
  if (shift > 0 && minute >= change && minute < change + shift)
    return "local time " + ClockText(minute) + where +
           " does not exist: the clocks went forward from " +
           ClockText(change) + " to " + ClockText(change + shift) +
           "; it is read with the offset after the change";
  if (shift < 0 && minute >= change + shift && minute < change)
    return "local time " + ClockText(minute) + where +
           " occurs twice: the clocks went back from " + ClockText(change) +
           " to " + ClockText(change + shift) +
           "; the earlier reading, before the change, is taken";
  return {};
}

}  // namespace

long double MeanTimeOffset(long longitude) {
  const long arcMinutes = std::labs(longitude) / 100 * 60 + std::labs(longitude) % 100;
  const int timeMinutes = static_cast<int>(std::lround(arcMinutes * 4 / 60.0));
  return MinutesToHm(longitude < 0 ? -timeMinutes : timeMinutes);
}

TBirthPlace ResolveBirthPlace(TDataCollection& atlas, const std::string& state,
                              const std::string& place, std::int64_t date,
                              std::int64_t time) {
  // The look-ups share one read transaction: the database is then locked
  // once for all of them, not once per statement.
  TTransaction readTransaction(atlas.Database().Connection(),
                               TTransactionKind::tkRead);
  TBirthPlace result;
  TVynTable& states = atlas.Table(TTableRole::trStates);
  states.SetIndexName("");
  if (!states.FindKey({state}))
    throw EAtlasError("the atlas has no state \"" + state + "\"");
  result.stateName = state;
  result.stateId = states.FieldByName("StateID").AsString();

  TVynTable& places = atlas.Table(TTableRole::trPlaces);
  places.SetIndexName("");
  if (!places.FindKey({result.stateId, place}))
    throw EAtlasError("the atlas has no place \"" + place + "\" in \"" +
                      state + "\"");
  result.placeName = place;
  result.latitude = static_cast<long>(places.FieldByName("Latitude").AsInteger());
  result.longitude = static_cast<long>(places.FieldByName("Longitude").AsInteger());

  TVynTable& zoneIds = atlas.Table(TTableRole::trZoneIds);
  zoneIds.SetIndexName("");
  if (zoneIds.FindKey({places.FieldByName("ZoneRef").AsString()}))
    result.zoneName = zoneIds.FieldByName("ZoneName").AsString();
  TVynTable& summerIds = atlas.Table(TTableRole::trSummerIds);
  summerIds.SetIndexName("");
  if (summerIds.FindKey({places.FieldByName("SummerRef").AsString()}))
    result.summerName = summerIds.FieldByName("SummerName").AsString();

  TPlaceClock clock(atlas, result);
  const int minute = static_cast<int>(time / 10000 * 60 + time / 100 % 100);
  const TPlaceClock::TReading reading = clock.At({date, minute});
  result.zoneTime = reading.zoneTime;
  result.summerTime = reading.summerTime;
  result.localMeanTime = reading.localMeanTime;
  if (std::string w = ClockChangeWarning(clock, result, date, minute); !w.empty())
    result.warnings.push_back(std::move(w));
  result.gregorianStart =
      atlas.GregorianStartOf(state, place, static_cast<long double>(date) / 10000);
  readTransaction.Commit();
  return result;
}

}  // namespace vyn
