#include "tools/tz/atlas_check.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>

#include "tools/tz/atlas_lookup.h"
#include "tools/tz/civil_date.h"
#include "tools/tz/tzif_file.h"

namespace vyn::tz {
namespace {

constexpr std::size_t kMaximumExamples = 20;
constexpr std::int64_t kMargin = 2 * kSecondsPerDay;

int RoundedMinutes(std::int64_t seconds) {
  return static_cast<int>(FloorDiv(seconds + 30, 60));
}

struct LocalClock {
  int date = 0;
  int hhmmss = 0;
};

LocalClock ToLocalClock(std::int64_t localSeconds) {
  const std::int64_t day = FloorDiv(localSeconds, kSecondsPerDay);
  const auto s = static_cast<int>(localSeconds - day * kSecondsPerDay);
  return {PackedDate(day), s / 3600 * 10000 + s / 60 % 60 * 100 + s % 60};
}

std::int64_t LocalSecondsOf(int date, int hhmm) {
  return DaysFromPackedDate(date) * kSecondsPerDay + hhmm / 100 * 3600 + hhmm % 100 * 60;
}

// A compiled offset history: period k runs from changes[k].at to
// changes[k + 1].at.
class Reference {
 public:
  explicit Reference(std::vector<OffsetChange> changes) : changes_(std::move(changes)) {}

  std::size_t Size() const { return changes_.size(); }
  const OffsetChange& operator[](std::size_t k) const { return changes_[k]; }
  std::int64_t End(std::size_t k) const {
    return k + 1 < changes_.size() ? changes_[k + 1].at
                                   : std::numeric_limits<std::int64_t>::max();
  }
  std::size_t IndexAt(std::int64_t utc) const {
    const auto after = std::upper_bound(
        changes_.begin(), changes_.end(), utc,
        [](std::int64_t t, const OffsetChange& c) { return t < c.at; });
    return static_cast<std::size_t>(after - changes_.begin()) - 1;
  }
  std::int64_t OffsetAt(std::int64_t utc) const { return changes_[IndexAt(utc)].utcOffset; }
  // Whether the local time occurs in period k.
  bool LocalTimeIn(std::size_t k, std::int64_t local) const {
    const std::int64_t utc = local - changes_[k].utcOffset;
    return utc >= changes_[k].at && utc < End(k);
  }
  // Indices of the periods that may hold a local time.
  std::pair<std::size_t, std::size_t> PeriodsNear(std::int64_t local) const {
    return {IndexAt(local - kMargin), IndexAt(local + kMargin)};
  }

 private:
  std::vector<OffsetChange> changes_;
};

std::int64_t ExactOffsetAt(const std::vector<ClockPeriod>& history, std::int64_t utc) {
  const auto after = std::upper_bound(
      history.begin(), history.end(), utc,
      [](std::int64_t t, const ClockPeriod& p) { return t < p.start; });
  return (after - 1)->UtcOffset();
}

class ZoneChecker {
 public:
  ZoneChecker(const std::string& name, const Reference& reference,
              const std::vector<ClockPeriod>& history, const ZoneTables& tables,
              CheckFigures& figures)
      : name_(name), reference_(reference), history_(history), tables_(tables),
        figures_(figures),
        localBegin_(DaysFromPackedDate(TableRange{}.firstDate) * kSecondsPerDay),
        localEnd_(DaysFromPackedDate(TableRange{}.endDate) * kSecondsPerDay) {}

  void Run() {
    for (const std::int64_t utc : Samples()) CheckSample(utc);
    CheckSkippedTimes();
  }

 private:
  bool InRange(std::int64_t local) const { return local >= localBegin_ && local < localEnd_; }

  std::vector<std::int64_t> Samples() {
    std::vector<std::int64_t> boundaries{localBegin_ - kMargin, localEnd_ + kMargin};
    for (std::size_t k = 1; k < reference_.Size(); ++k) {
      const OffsetChange& change = reference_[k];
      if (change.at < localBegin_ - kMargin || change.at > localEnd_ + kMargin) continue;
      boundaries.push_back(change.at);
      if (InRange(change.at + change.utcOffset)) ++figures_.transitions;
    }
    std::sort(boundaries.begin(), boundaries.end());
    std::vector<std::int64_t> samples;
    for (std::size_t i = 0; i < boundaries.size(); ++i) {
      samples.push_back(boundaries[i] - 1);
      samples.push_back(boundaries[i]);
      if (i + 1 < boundaries.size())
        samples.push_back(boundaries[i] + (boundaries[i + 1] - boundaries[i]) / 2);
    }
    for (const ZoneRow& row : tables_.zone) AddRowSamples(LocalSecondsOf(row.startDate, 0), samples);
    for (const SummerRow& row : tables_.summer)
      AddRowSamples(LocalSecondsOf(row.fromDate, row.fromTime), samples);
    std::sort(samples.begin(), samples.end());
    samples.erase(std::unique(samples.begin(), samples.end()), samples.end());
    return samples;
  }

  // The instants whose local time is the start of a row, and the second
  // before each.
  void AddRowSamples(std::int64_t local, std::vector<std::int64_t>& samples) const {
    const auto [first, last] = reference_.PeriodsNear(local);
    for (std::size_t k = first; k <= last; ++k) {
      if (!reference_.LocalTimeIn(k, local)) continue;
      samples.push_back(local - reference_[k].utcOffset - 1);
      samples.push_back(local - reference_[k].utcOffset);
    }
  }

  void CheckSample(std::int64_t utc) {
    const std::int64_t offset = reference_.OffsetAt(utc);
    const std::int64_t local = utc + offset;
    if (!InRange(local)) return;
    if (ExactOffsetAt(history_, utc) != offset) {
      ++figures_.historyMismatches;
      Example("history mismatch", utc, local, offset, ExactOffsetAt(history_, utc));
    }
    const LocalClock clock = ToLocalClock(local);
    const std::optional<ZoneRow> row = LookUpZoneRow(tables_.zone, clock.date);
    LookupTally& tally =
        row && row->localMeanTime ? figures_.localMeanTime : figures_.standardTime;
    ++tally.samples;
    const std::optional<int> derived = LookUpOffsetMinutes(tables_, clock.date, clock.hhmmss);
    if (derived && *derived == RoundedMinutes(offset)) {
      ++tally.matches;
      return;
    }
    Classify(utc, local, derived.value_or(std::numeric_limits<int>::min()), tally);
  }

  // Sorts a look-up that differs from the compiled offset into the cases
  // the tables cannot avoid; a repeated local time counts first as the
  // earlier reading (the tables' convention), then a change whose local
  // moment was rounded to the minute, then the later reading.
  void Classify(std::int64_t utc, std::int64_t local, int derived, LookupTally& tally) {
    const std::size_t k = reference_.IndexAt(utc);
    const auto [first, last] = reference_.PeriodsNear(local);
    bool laterReading = false;
    for (std::size_t other = first; other <= last; ++other) {
      if (other == k || !reference_.LocalTimeIn(other, local)) continue;
      if (RoundedMinutes(reference_[other].utcOffset) != derived) continue;
      if (other < k) {
        ++tally.repeatedEarlierReading;
        return;
      }
      laterReading = true;
    }
    for (std::size_t change = first; change <= last + 1; ++change) {
      if (change == 0 || change >= reference_.Size()) continue;
      const OffsetChange& c = reference_[change];
      const std::int64_t before = reference_[change - 1].utcOffset;
      const std::int64_t moment = c.at + before;  // on the clock before the change
      if (FloorMod(moment, 60) != 0 && std::abs(local - moment) < 60 &&
          (RoundedMinutes(before) == derived || RoundedMinutes(c.utcOffset) == derived)) {
        ++tally.roundedMoment;
        return;
      }
    }
    if (laterReading) {
      ++tally.repeatedLaterReading;
      Example("later reading", utc, local, reference_.OffsetAt(utc), derived * 60LL);
      return;
    }
    ++tally.unexplained;
    Example("unexplained", utc, local, reference_.OffsetAt(utc), derived * 60LL);
  }

  // Local times inside the gap of a change that sets clocks forward.
  void CheckSkippedTimes() {
    for (std::size_t k = 1; k < reference_.Size(); ++k) {
      const std::int64_t before = reference_[k - 1].utcOffset, after = reference_[k].utcOffset;
      if (after <= before) continue;
      const std::int64_t gapBegin = reference_[k].at + before, gapEnd = reference_[k].at + after;
      const std::int64_t firstWholeMinute = FloorDiv(gapBegin + 59, 60) * 60;
      for (const std::int64_t local : {firstWholeMinute, (gapBegin + gapEnd) / 2, gapEnd - 1}) {
        if (local < gapBegin || local >= gapEnd || !InRange(local)) continue;
        if (local < firstWholeMinute) continue;
        const LocalClock clock = ToLocalClock(local);
        const std::optional<ZoneRow> row = LookUpZoneRow(tables_.zone, clock.date);
        if (!row || row->localMeanTime) continue;
        ++figures_.skippedSamples;
        if (LookUpOffsetMinutes(tables_, clock.date, clock.hhmmss) == RoundedMinutes(after))
          ++figures_.skippedGivenNewOffset;
      }
    }
  }

  void Example(const char* what, std::int64_t utc, std::int64_t local, std::int64_t expected,
               std::int64_t got) {
    if (figures_.examples.size() >= kMaximumExamples) return;
    const LocalClock clock = ToLocalClock(local);
    char text[256];
    std::snprintf(text, sizeof text,
                  "%s %s: UTC %lld, local %08d %06d: compiled offset %llds, rows %llds",
                  what, name_.c_str(), static_cast<long long>(utc), clock.date, clock.hhmmss,
                  static_cast<long long>(expected), static_cast<long long>(got));
    figures_.examples.emplace_back(text);
  }

  const std::string& name_;
  const Reference& reference_;
  const std::vector<ClockPeriod>& history_;
  const ZoneTables& tables_;
  CheckFigures& figures_;
  std::int64_t localBegin_;
  std::int64_t localEnd_;
};

}  // namespace

LookupTally& LookupTally::operator+=(const LookupTally& other) {
  samples += other.samples;
  matches += other.matches;
  repeatedEarlierReading += other.repeatedEarlierReading;
  repeatedLaterReading += other.repeatedLaterReading;
  roundedMoment += other.roundedMoment;
  unexplained += other.unexplained;
  return *this;
}

CheckFigures CheckAtlas(const TzSource& source, const Atlas& atlas,
                        const std::string& zoneDirectory) {
  CheckFigures figures;
  std::map<std::string, std::vector<ClockPeriod>> histories;
  const int lastYear = CivilFromDays(DaysFromPackedDate(TableRange{}.endDate)).year;
  for (const AtlasZone& zone : atlas.zones) {
    auto history = histories.find(zone.target);
    if (history == histories.end())
      history = histories
                    .emplace(zone.target,
                             ClockHistoryOf(*source.FindZone(zone.target), source))
                    .first;
    const Reference reference(
        OffsetHistory(LoadTzif(zoneDirectory + "/" + zone.zoneName), lastYear));
    ZoneChecker(zone.zoneName, reference, history->second, zone.tables, figures).Run();
    ++figures.zoneNames;
  }
  return figures;
}

}  // namespace vyn::tz
