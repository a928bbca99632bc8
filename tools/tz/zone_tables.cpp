#include "tools/tz/zone_tables.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "tools/tz/civil_date.h"

namespace vyn::tz {
namespace {

constexpr std::int64_t kMinutesPerDay = 1440;
constexpr std::int64_t kFarPast = std::numeric_limits<std::int64_t>::min() / 4;

std::int64_t RoundToMinutes(std::int64_t seconds) { return FloorDiv(seconds + 30, 60); }

// A stretch of local clock time (in minutes) with one offset, starting at
// the local time just before its change.
struct Segment {
  std::int64_t from = kFarPast;
  std::int64_t standardSeconds = 0;
  std::int64_t totalSeconds = 0;
  int standard = 0;  // minutes east
  int total = 0;     // minutes east
  bool localMeanTime = false;
  bool fromHasSeconds = false;

  bool SameStandard(const Segment& other) const {
    return standard == other.standard && localMeanTime == other.localMeanTime;
  }
};

Segment MakeSegment(const ClockPeriod& period) {
  Segment segment;
  segment.standardSeconds = period.standardOffset;
  segment.totalSeconds = period.UtcOffset();
  segment.standard = static_cast<int>(RoundToMinutes(period.standardOffset));
  segment.total = static_cast<int>(RoundToMinutes(period.UtcOffset()));
  segment.localMeanTime = period.localMeanTime;
  return segment;
}

std::vector<Segment> LocalSegments(const std::vector<ClockPeriod>& history,
                                   TableStatistics& statistics) {
  std::vector<Segment> segments{MakeSegment(history.front())};
  for (std::size_t k = 1; k < history.size(); ++k) {
    Segment segment = MakeSegment(history[k]);
    const std::int64_t localSeconds = history[k].start + history[k - 1].UtcOffset();
    segment.from = RoundToMinutes(localSeconds);
    segment.fromHasSeconds = FloorMod(localSeconds, 60) != 0;
    Segment& last = segments.back();
    if (segment.SameStandard(last) && segment.total == last.total) continue;
    if (segment.from <= last.from) {
      ++statistics.changesMergedByRounding;
      segment.from = last.from;
      last = segment;
      continue;
    }
    segments.push_back(segment);
  }
  return segments;
}

class TableBuilder {
 public:
  TableBuilder(std::vector<Segment> segments, const TableRange& range,
               TableStatistics& statistics)
      : segments_(std::move(segments)),
        firstDay_(DaysFromPackedDate(range.firstDate)),
        endDay_(DaysFromPackedDate(range.endDate)),
        statistics_(statistics) {}

  ZoneTables Build() {
    BuildZoneRows();
    BuildSummerChanges();
    ZoneTables tables;
    for (const DayRow& row : dayRows_)
      tables.zone.push_back({PackedDate(row.day), TimeDeltaFromMinutesEast(row.standard),
                             row.localMeanTime});
    tables.summer = EncodeSummerRows();
    statistics_.zoneRows += static_cast<int>(tables.zone.size());
    statistics_.summerRows += static_cast<int>(tables.summer.size());
    for (const DayRow& row : dayRows_) {
      statistics_.localMeanTimeRows += row.localMeanTime;
      if (FloorMod(row.standardSeconds, 60) == 0) continue;
      if (row.localMeanTime) {
        ++statistics_.roundedLocalMeanTimeRows;
      } else {
        ++statistics_.roundedZoneRows;
        statistics_.roundedStandardRows.push_back({PackedDate(row.day), row.standardSeconds});
      }
    }
    return tables;
  }

 private:
  struct DayRow {
    std::int64_t day = 0;
    int standard = 0;
    std::int64_t standardSeconds = 0;
    bool localMeanTime = false;
  };
  struct SummerChange {
    std::int64_t minute = 0;
    int amount = 0;
  };

  std::size_t SegmentAt(std::int64_t minute) const {
    const auto after = std::upper_bound(
        segments_.begin(), segments_.end(), minute,
        [](std::int64_t m, const Segment& s) { return m < s.from; });
    return static_cast<std::size_t>(after - segments_.begin()) - 1;
  }

  const DayRow& DayRowOf(std::int64_t day) const {
    const auto after = std::upper_bound(
        dayRows_.begin(), dayRows_.end(), day,
        [](std::int64_t d, const DayRow& row) { return d < row.day; });
    return *(after - 1);
  }

  // The standard offset a ZONE row gives the whole day: of the standard
  // offsets of the day that the summer-time column can bridge (TimeDiff >=
  // 0 all day), standard time before local mean time, then the one that
  // holds longest, on a tie the later one.
  DayRow ChooseDay(std::int64_t day) {
    const std::int64_t begin = day * kMinutesPerDay, end = begin + kMinutesPerDay;
    const std::size_t first = SegmentAt(begin), last = SegmentAt(end - 1);
    int lowestTotal = segments_[first].total;
    for (std::size_t i = first; i <= last; ++i)
      lowestTotal = std::min(lowestTotal, segments_[i].total);
    const Segment* best = nullptr;
    std::int64_t bestCoverage = -1;
    for (std::size_t i = first; i <= last; ++i) {
      const Segment& candidate = segments_[i];
      if (candidate.standard > lowestTotal) continue;
      std::int64_t coverage = 0;
      for (std::size_t j = first; j <= last; ++j) {
        if (!segments_[j].SameStandard(candidate)) continue;
        const std::int64_t from = std::max(begin, segments_[j].from);
        const std::int64_t to = j + 1 <= last ? segments_[j + 1].from : end;
        coverage += to - from;
      }
      const bool better = !best || (best->localMeanTime && !candidate.localMeanTime) ||
                          (best->localMeanTime == candidate.localMeanTime &&
                           coverage >= bestCoverage);
      if (better) {
        best = &candidate;
        bestCoverage = coverage;
      }
    }
    if (!best) throw std::logic_error("no standard offset for a day of the zone tables");
    if (best->localMeanTime)
      for (std::size_t i = first; i <= last; ++i)
        if (!segments_[i].localMeanTime) {
          ++statistics_.localMeanTimeDaysWithStandardHours;
          break;
        }
    return {day, best->standard, best->standardSeconds, best->localMeanTime};
  }

  void BuildZoneRows() {
    const std::int64_t begin = firstDay_ * kMinutesPerDay, end = endDay_ * kMinutesPerDay;
    std::vector<std::int64_t> days{firstDay_};
    std::vector<std::size_t> withinDay;
    for (std::size_t i = 1; i < segments_.size(); ++i) {
      const Segment& segment = segments_[i];
      if (segment.from < begin || segment.from >= end) continue;
      if (segment.SameStandard(segments_[i - 1])) continue;
      const std::int64_t day = FloorDiv(segment.from, kMinutesPerDay);
      days.push_back(day);
      if (segment.from == day * kMinutesPerDay) continue;
      withinDay.push_back(i);
      if (day + 1 < endDay_) days.push_back(day + 1);
    }
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    for (const std::int64_t day : days) {
      const DayRow row = ChooseDay(day);
      if (!dayRows_.empty() && dayRows_.back().standard == row.standard &&
          dayRows_.back().localMeanTime == row.localMeanTime)
        continue;
      dayRows_.push_back(row);
    }
    statistics_.standardChangesWithinDay += static_cast<int>(withinDay.size());
    for (const std::size_t i : withinDay) {
      const DayRow& row = DayRowOf(FloorDiv(segments_[i].from, kMinutesPerDay));
      if (row.standard != segments_[i].standard || row.localMeanTime != segments_[i].localMeanTime)
        ++statistics_.zoneRowsOnDayAfter;
    }
  }

  void BuildSummerChanges() {
    const std::int64_t begin = firstDay_ * kMinutesPerDay, end = endDay_ * kMinutesPerDay;
    std::vector<std::int64_t> moments{begin};
    for (const Segment& segment : segments_)
      if (segment.from > begin && segment.from < end) moments.push_back(segment.from);
    for (const DayRow& row : dayRows_)
      if (row.day * kMinutesPerDay > begin) moments.push_back(row.day * kMinutesPerDay);
    std::sort(moments.begin(), moments.end());
    moments.erase(std::unique(moments.begin(), moments.end()), moments.end());
    int previous = 0;
    for (const std::int64_t minute : moments) {
      const Segment& segment = segments_[SegmentAt(minute)];
      const DayRow& row = DayRowOf(FloorDiv(minute, kMinutesPerDay));
      const int amount = segment.total - row.standard;
      if (amount < 0)
        throw std::logic_error("negative summer time in the zone tables");
      if (amount == previous) continue;
      previous = amount;
      summerChanges_.push_back({minute, amount});
      const bool momentHasSeconds = segment.from == minute && segment.fromHasSeconds;
      if (momentHasSeconds || segment.totalSeconds - row.standardSeconds != amount * 60LL)
        ++statistics_.roundedSummerRows;
    }
  }

  std::vector<SummerRow> EncodeSummerRows() {
    std::vector<SummerRow> rows;
    for (std::size_t i = 0; i < summerChanges_.size(); ++i) {
      const SummerChange& change = summerChanges_[i];
      std::int64_t day = FloorDiv(change.minute, kMinutesPerDay);
      std::int64_t minute = change.minute - day * kMinutesPerDay;
      const bool sameDayFollows =
          i + 1 < summerChanges_.size() &&
          FloorDiv(summerChanges_[i + 1].minute, kMinutesPerDay) == day;
      if (minute == 0 && sameDayFollows) {
        --day;
        minute = kMinutesPerDay;
        ++statistics_.rowsAt2400;
      }
      const int date = PackedDate(day);
      const int time = static_cast<int>(minute / 60 * 100 + minute % 60);
      if (!rows.empty() && rows.back().fromDate == date && rows.back().fromTime < 2400 &&
          time < 2400)
        ++statistics_.datesWithTwoSummerRows;
      rows.push_back({date, time, TimeDeltaFromMinutesEast(-change.amount)});
    }
    return rows;
  }

  std::vector<Segment> segments_;
  std::int64_t firstDay_;
  std::int64_t endDay_;
  TableStatistics& statistics_;
  std::vector<DayRow> dayRows_;
  std::vector<SummerChange> summerChanges_;
};

}  // namespace

TableStatistics& TableStatistics::operator+=(const TableStatistics& other) {
  zoneRows += other.zoneRows;
  localMeanTimeRows += other.localMeanTimeRows;
  summerRows += other.summerRows;
  roundedZoneRows += other.roundedZoneRows;
  roundedLocalMeanTimeRows += other.roundedLocalMeanTimeRows;
  roundedSummerRows += other.roundedSummerRows;
  changesMergedByRounding += other.changesMergedByRounding;
  standardChangesWithinDay += other.standardChangesWithinDay;
  zoneRowsOnDayAfter += other.zoneRowsOnDayAfter;
  rowsAt2400 += other.rowsAt2400;
  datesWithTwoSummerRows += other.datesWithTwoSummerRows;
  localMeanTimeDaysWithStandardHours += other.localMeanTimeDaysWithStandardHours;
  roundedStandardRows.insert(roundedStandardRows.end(), other.roundedStandardRows.begin(),
                             other.roundedStandardRows.end());
  return *this;
}

int TimeDeltaFromMinutesEast(int minutesEast) {
  const int west = -minutesEast;
  const int magnitude = std::abs(west);
  const int hhmm = magnitude / 60 * 100 + magnitude % 60;
  return west < 0 ? -hhmm : hhmm;
}

int HoursMinutesToMinutes(int hhmm) {
  const int magnitude = std::abs(hhmm);
  const int minutes = magnitude / 100 * 60 + magnitude % 100;
  return hhmm < 0 ? -minutes : minutes;
}

ZoneTables BuildZoneTables(const std::vector<ClockPeriod>& history,
                           const TableRange& range, TableStatistics* statistics) {
  if (history.empty()) throw std::invalid_argument("a zone history has no periods");
  TableStatistics local;
  TableStatistics& counts = statistics ? *statistics : local;
  TableBuilder builder(LocalSegments(history, counts), range, counts);
  return builder.Build();
}

}  // namespace vyn::tz
