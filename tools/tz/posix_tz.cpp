#include "tools/tz/posix_tz.h"

#include <algorithm>
#include <cctype>

#include "tools/tz/civil_date.h"

namespace vyn::tz {
namespace {

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool AtEnd() const { return position_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[position_]; }
  bool Take(char c) {
    if (Peek() != c) return false;
    ++position_;
    return true;
  }

  [[noreturn]] void Fail(const std::string& what) const {
    throw PosixTzError("TZ string \"" + std::string(text_) + "\": " + what +
                       " at position " + std::to_string(position_));
  }

  void SkipName() {
    if (Take('<')) {
      while (!AtEnd() && Peek() != '>') ++position_;
      if (!Take('>')) Fail("unterminated <name>");
      return;
    }
    const std::size_t begin = position_;
    while (std::isalpha(static_cast<unsigned char>(Peek()))) ++position_;
    if (position_ - begin < 3) Fail("zone name of at least 3 letters expected");
  }

  int Number() {
    if (!std::isdigit(static_cast<unsigned char>(Peek()))) Fail("number expected");
    int value = 0;
    while (std::isdigit(static_cast<unsigned char>(Peek()))) {
      value = value * 10 + (Peek() - '0');
      if (value > 100000) Fail("number too large");
      ++position_;
    }
    return value;
  }

  // [+-]hh[:mm[:ss]] in seconds, the sign applied.
  std::int64_t Duration(int maximumHours) {
    int sign = 1;
    if (Take('-')) sign = -1;
    else Take('+');
    const int hours = Number();
    int minutes = 0, seconds = 0;
    if (Take(':')) {
      minutes = Number();
      if (Take(':')) seconds = Number();
    }
    if (hours > maximumHours || minutes > 59 || seconds > 59) Fail("time out of range");
    return sign * ((hours * 60LL + minutes) * 60 + seconds);
  }

  PosixTzDate Date() {
    PosixTzDate date;
    if (Take('J')) {
      date.kind = PosixTzDate::Kind::JulianNoLeap;
      date.day = Number();
      if (date.day < 1 || date.day > 365) Fail("Jn day out of range");
    } else if (Take('M')) {
      date.kind = PosixTzDate::Kind::MonthWeekDay;
      date.month = Number();
      if (!Take('.')) Fail("'.' expected");
      date.week = Number();
      if (!Take('.')) Fail("'.' expected");
      date.weekday = Number();
      if (date.month < 1 || date.month > 12 || date.week < 1 || date.week > 5 ||
          date.weekday > 6)
        Fail("Mm.w.d out of range");
    } else {
      date.kind = PosixTzDate::Kind::ZeroBasedDay;
      date.day = Number();
      if (date.day > 365) Fail("day out of range");
    }
    if (Take('/')) date.time = Duration(167);
    return date;
  }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

// Local day number of a rule date in a year.
std::int64_t DayOfRule(const PosixTzDate& date, int year) {
  const std::int64_t january1 = DaysFromCivil(year, 1, 1);
  switch (date.kind) {
    case PosixTzDate::Kind::JulianNoLeap:
      return january1 + date.day - 1 + (IsLeapYear(year) && date.day >= 60 ? 1 : 0);
    case PosixTzDate::Kind::ZeroBasedDay:
      return january1 + date.day;
    case PosixTzDate::Kind::MonthWeekDay: break;
  }
  const std::int64_t first = DaysFromCivil(year, date.month, 1);
  int day = 1 + (date.weekday - Weekday(first) + 7) % 7 + 7 * (date.week - 1);
  if (day > DaysInMonth(year, date.month)) day -= 7;
  return first + day - 1;
}

}  // namespace

PosixTz ParsePosixTz(std::string_view text) {
  Reader reader(text);
  PosixTz tz;
  reader.SkipName();
  tz.standardOffset = -reader.Duration(24);
  if (reader.AtEnd()) return tz;
  reader.SkipName();
  tz.hasDaylight = true;
  tz.daylightOffset = tz.standardOffset + 3600;
  if (reader.Peek() != ',' && !reader.AtEnd()) tz.daylightOffset = -reader.Duration(24);
  if (!reader.Take(',')) reader.Fail("daylight time without rules");
  tz.start = reader.Date();
  if (!reader.Take(',')) reader.Fail("',' expected before the end rule");
  tz.end = reader.Date();
  if (!reader.AtEnd()) reader.Fail("unexpected text");
  return tz;
}

std::vector<OffsetChange> PosixTzChanges(const PosixTz& tz, int firstYear, int lastYear) {
  std::vector<OffsetChange> changes;
  if (!tz.hasDaylight) return changes;
  for (int year = firstYear; year <= lastYear; ++year) {
    const std::int64_t start = DayOfRule(tz.start, year) * kSecondsPerDay +
                               tz.start.time - tz.standardOffset;
    const std::int64_t end =
        DayOfRule(tz.end, year) * kSecondsPerDay + tz.end.time - tz.daylightOffset;
    if (start <= end) {
      changes.push_back({start, tz.daylightOffset});
      changes.push_back({end, tz.standardOffset});
    } else {
      changes.push_back({end, tz.standardOffset});
      changes.push_back({start, tz.daylightOffset});
    }
  }
  std::stable_sort(changes.begin(), changes.end(),
                   [](const OffsetChange& a, const OffsetChange& b) { return a.at < b.at; });
  return changes;
}

}  // namespace vyn::tz
