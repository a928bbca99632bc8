#include "tools/tz/zone_history.h"

#include <algorithm>

#include "tools/tz/civil_date.h"

namespace vyn::tz {
namespace {

// zic expands rule sets from 1900 on (the start of its compatibility range)
// or from an earlier year that the zone's lines or rules name.
constexpr int kEarliestExpandedYear = 1900;

struct Change {
  std::int64_t at = 0;
  std::int64_t standardOffset = 0;
  SaveAmount save;
  int zoneLine = 0;
};

// The offset to subtract from a local time read on the given clock.
std::int64_t ClockOffset(ClockKind clock, std::int64_t standardOffset,
                         std::int64_t save) {
  switch (clock) {
    case ClockKind::Universal: return 0;
    case ClockKind::Standard: return standardOffset;
    case ClockKind::Wall: break;
  }
  return standardOffset + save;
}

std::int64_t UntilLocalSeconds(const ZoneLine& line) {
  return RuleLocalSeconds(line.untilYear, line.untilMonth, line.untilDay,
                          line.untilTime.seconds);
}

int FirstExpandedYear(const Zone& zone, const TzSource& source) {
  int year = kEarliestExpandedYear;
  for (std::size_t i = 0; i + 1 < zone.lines.size(); ++i)
    year = std::min(year, zone.lines[i].untilYear);
  for (const ZoneLine& line : zone.lines) {
    if (line.rules != ZoneLine::Rules::Named) continue;
    for (const RuleLine& rule : source.rules.at(line.ruleName)) {
      if (rule.fromYear != kMinimumYear) year = std::min(year, rule.fromYear);
      if (rule.toYear != kMinimumYear) year = std::min(year, rule.toYear);
    }
  }
  return year;
}

// Where a zone line starts: at the UNTIL of the line before it (UTC), read
// with that line's offsets; the first line has no start.
struct LineStart {
  std::int64_t startTime = 0;
  bool hasStart = false;
};

// Appends the changes of one zone line with named rules; returns the save
// in force at the line's end (which reads its UNTIL).
SaveAmount ExpandRuleLine(const ZoneLine& line, int lineIndex, bool isLast,
                          const LineStart& state,
                          const std::vector<RuleLine>& rules, int firstYear,
                          int lastYear, std::vector<Change>& changes) {
  const std::int64_t stdoff = line.standardOffset;
  SaveAmount save;  // a line starts from no save until a rule says otherwise
  SaveAmount startSave;
  bool useStart = state.hasStart;
  const int endYear = isLast ? lastYear : line.untilYear;
  std::vector<std::int64_t> localTimes(rules.size());
  std::vector<bool> todo(rules.size());
  for (int year = firstYear; year <= endYear; ++year) {
    for (std::size_t j = 0; j < rules.size(); ++j) {
      todo[j] = year >= rules[j].fromYear && year <= rules[j].toYear;
      if (todo[j])
        localTimes[j] = RuleLocalSeconds(year, rules[j].month, rules[j].on,
                                         rules[j].at.seconds);
    }
    while (true) {
      std::int64_t untilTime = 0;
      if (!isLast)
        untilTime = UntilLocalSeconds(line) -
                    ClockOffset(line.untilTime.clock, stdoff, save.seconds);
      int earliest = -1;
      std::int64_t earliestTime = 0;
      for (std::size_t j = 0; j < rules.size(); ++j) {
        if (!todo[j]) continue;
        const std::int64_t t =
            localTimes[j] - ClockOffset(rules[j].at.clock, stdoff, save.seconds);
        if (earliest < 0 || t < earliestTime) {
          earliest = static_cast<int>(j);
          earliestTime = t;
        }
      }
      if (earliest < 0) break;
      todo[earliest] = false;
      if (!isLast && earliestTime >= untilTime) break;
      save = rules[earliest].save;
      if (useStart && earliestTime == state.startTime) useStart = false;
      if (useStart && earliestTime < state.startTime) {
        startSave = save;
        continue;
      }
      changes.push_back({earliestTime, stdoff, save, lineIndex});
    }
  }
  if (useStart) changes.push_back({state.startTime, stdoff, startSave, lineIndex});
  return save;
}

// zic drops a change whose local time (on the clock of the change before
// it) is not later than the local time of the change before it; that
// earlier change then takes the later one's offsets.
std::vector<Change> DropUnreachedChanges(std::vector<Change> changes,
                                         std::int64_t initialUtcOffset) {
  std::vector<Change> kept;
  const auto utcOffset = [](const Change& c) { return c.standardOffset + c.save.seconds; };
  for (const Change& change : changes) {
    if (!kept.empty()) {
      const std::int64_t before =
          kept.size() == 1 ? initialUtcOffset : utcOffset(kept[kept.size() - 2]);
      if (change.at + utcOffset(kept.back()) <= kept.back().at + before) {
        const std::int64_t at = kept.back().at;
        kept.back() = change;
        kept.back().at = at;
        continue;
      }
    }
    kept.push_back(change);
  }
  return kept;
}

Period MakePeriod(const Zone& zone, std::int64_t start, std::int64_t standardOffset,
                  const SaveAmount& save, int lineIndex) {
  Period period;
  period.start = start;
  period.standardOffset = standardOffset;
  period.save = save.seconds;
  period.daylight = save.daylight;
  period.localMeanTime = zone.lines[lineIndex].format == "LMT";
  period.zoneLine = lineIndex;
  return period;
}

}  // namespace

std::int64_t RuleLocalSeconds(int year, int month, const DayOfMonth& day,
                              std::int64_t timeOfDay) {
  int dayOfMonth = day.day;
  if (month == 2 && dayOfMonth == 29 && !IsLeapYear(year)) {
    if (day.kind != DayKind::WeekdayOnOrBefore)
      throw TzSourceError("February 29 used in the common year " + std::to_string(year));
    dayOfMonth = 28;
  }
  std::int64_t days = DaysFromCivil(year, month, 1) + dayOfMonth - 1;
  if (day.kind == DayKind::WeekdayOnOrAfter)
    while (Weekday(days) != day.weekday) ++days;
  if (day.kind == DayKind::WeekdayOnOrBefore)
    while (Weekday(days) != day.weekday) --days;
  return days * kSecondsPerDay + timeOfDay;
}

std::vector<Period> BuildZoneHistory(const Zone& zone, const TzSource& source,
                                     int lastYear) {
  const int firstYear = FirstExpandedYear(zone, source);
  std::vector<Change> changes;
  LineStart state;
  Period initial;
  for (std::size_t i = 0; i < zone.lines.size(); ++i) {
    const ZoneLine& line = zone.lines[i];
    const int lineIndex = static_cast<int>(i);
    const bool isLast = i + 1 == zone.lines.size();
    SaveAmount save;
    if (line.rules == ZoneLine::Rules::Named) {
      save = ExpandRuleLine(line, lineIndex, isLast, state,
                            source.rules.at(line.ruleName), firstYear, lastYear, changes);
      if (i == 0) initial = MakePeriod(zone, kBeginningOfTime, line.standardOffset, {}, 0);
    } else {
      if (line.rules == ZoneLine::Rules::Fixed) save = line.fixedSave;
      if (state.hasStart)
        changes.push_back({state.startTime, line.standardOffset, save, lineIndex});
      else
        initial = MakePeriod(zone, kBeginningOfTime, line.standardOffset, save, lineIndex);
    }
    if (!isLast) {
      state.hasStart = true;
      state.startTime = UntilLocalSeconds(line) -
                        ClockOffset(line.untilTime.clock, line.standardOffset, save.seconds);
    }
  }
  std::stable_sort(changes.begin(), changes.end(),
                   [](const Change& a, const Change& b) { return a.at < b.at; });
  changes = DropUnreachedChanges(std::move(changes), initial.UtcOffset());
  std::vector<Period> periods{initial};
  for (const Change& change : changes)
    periods.push_back(
        MakePeriod(zone, change.at, change.standardOffset, change.save, change.zoneLine));
  return periods;
}

}  // namespace vyn::tz
