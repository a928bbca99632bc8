#include "tools/tz/atlas_report.h"

#include <cstdio>
#include <sstream>

namespace vyn::tz {
namespace {

std::string OffsetText(std::int64_t seconds) {
  const char sign = seconds < 0 ? '-' : '+';
  const std::int64_t a = seconds < 0 ? -seconds : seconds;
  char text[32];
  std::snprintf(text, sizeof text, "%c%lld:%02lld:%02lld", sign,
                static_cast<long long>(a / 3600), static_cast<long long>(a / 60 % 60),
                static_cast<long long>(a % 60));
  return text;
}

// "Europe/Amsterdam 18500101 +0:19:32, ..." one line per zone.
void AppendRoundedRows(std::ostringstream& out, const std::vector<NamedRoundedRow>& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const bool newZone = i == 0 || rows[i].zoneName != rows[i - 1].zoneName;
    out << (newZone ? (i == 0 ? "    " : "\n    ") + rows[i].zoneName : std::string(","))
        << " " << rows[i].row.startDate << " " << OffsetText(rows[i].row.exactSeconds);
  }
  if (!rows.empty()) out << "\n";
}

void AppendTally(std::ostringstream& out, const char* title, const LookupTally& tally) {
  out << title << ": " << tally.samples << " samples, " << tally.matches << " match\n"
      << "  repeated local time, rows give the earlier reading: "
      << tally.repeatedEarlierReading << "\n"
      << "  repeated local time, rows give the later reading:   "
      << tally.repeatedLaterReading << "\n"
      << "  within a minute of a change at a moment with seconds: " << tally.roundedMoment
      << "\n"
      << "  unexplained: " << tally.unexplained << "\n";
}

}  // namespace

std::string AtlasSummary(const Atlas& atlas) {
  const TableStatistics& s = atlas.statistics;
  std::ostringstream out;
  out << "tzdata " << (atlas.version.empty() ? "(no version)" : atlas.version) << ": "
      << atlas.zoneCount << " zones, " << atlas.linkCount << " links, "
      << atlas.zones.size() << " names (ids " << kFirstZoneId << ".."
      << kFirstZoneId + static_cast<int>(atlas.zones.size()) - 1 << ")\n"
      << "rows of the zones proper (links repeat their target's rows):\n"
      << "  ZONE rows: " << s.zoneRows << " (" << s.localMeanTimeRows << " LMT)\n"
      << "  SUMMER rows: " << s.summerRows << "\n"
      << "  ZONE rows rounded to the minute: " << s.roundedZoneRows << " standard time, "
      << s.roundedLocalMeanTimeRows << " LMT\n";
  AppendRoundedRows(out, atlas.roundedStandardRows);
  out
      << "  SUMMER rows with a moment or amount rounded to the minute: "
      << s.roundedSummerRows << "\n"
      << "  changes merged by rounding: " << s.changesMergedByRounding << "\n"
      << "  standard-offset changes within a day: " << s.standardChangesWithinDay << " ("
      << s.zoneRowsOnDayAfter << " with the ZONE row on the day after)\n"
      << "  midnight changes written as 2400 of the previous date: " << s.rowsAt2400 << "\n"
      << "  dates with two SUMMER rows before 24:00: " << s.datesWithTwoSummerRows << "\n"
      << "  LMT days that also hold hours of standard time: "
      << s.localMeanTimeDaysWithStandardHours << "\n";
  return out.str();
}

std::string CheckSummary(const CheckFigures& figures) {
  std::ostringstream out;
  out << "zone names checked: " << figures.zoneNames << "\n"
      << "compiled transitions 1850-2100: " << figures.transitions << "\n"
      << "history mismatches (rule expansion vs compiled, to the second): "
      << figures.historyMismatches << "\n";
  AppendTally(out, "standard time", figures.standardTime);
  AppendTally(out, "local mean time (LMT rows)", figures.localMeanTime);
  out << "skipped local times: " << figures.skippedSamples << " samples, "
      << figures.skippedGivenNewOffset << " given the offset after the change\n";
  for (const std::string& example : figures.examples) out << "  " << example << "\n";
  out << (figures.Passed() ? "PASSED" : "FAILED") << "\n";
  return out.str();
}

}  // namespace vyn::tz
