#include "tools/tz/tz_source.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <fstream>
#include <optional>
#include <set>
#include <span>
#include <sstream>

#include "tools/tz/civil_date.h"

namespace vyn::tz {
namespace {

[[noreturn]] void Fail(const std::string& message) { throw TzSourceError(message); }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

bool IsPrefixIgnoringCase(std::string_view prefix, std::string_view word) {
  return prefix.size() <= word.size() &&
         EqualsIgnoringCase(prefix, word.substr(0, prefix.size()));
}

// The index of the word in the table that the text names: an exact match
// (without regard to case), else the only word it is a prefix of.
std::optional<int> LookupWord(std::string_view text,
                              std::span<const std::string_view> table) {
  if (text.empty()) return std::nullopt;
  for (std::size_t i = 0; i < table.size(); ++i)
    if (EqualsIgnoringCase(text, table[i])) return static_cast<int>(i);
  std::optional<int> found;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (!IsPrefixIgnoringCase(text, table[i])) continue;
    if (found) return std::nullopt;  // ambiguous
    found = static_cast<int>(i);
  }
  return found;
}

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 3> kLineKinds = {"Rule", "Zone", "Link"};
constexpr std::array<std::string_view, 3> kYearWords = {"minimum", "maximum",
                                                        "only"};

int ParseWeekday(std::string_view field) {
  const auto index = LookupWord(field, kWeekdayNames);
  if (!index) Fail("weekday name expected, got \"" + std::string(field) + "\"");
  return *index;
}

std::optional<std::int64_t> ParseUnsigned(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0)
    return std::nullopt;
  return value;
}

// Whole seconds of "ss" or "ss.fff", rounded to the nearest second with
// ties to even, as zic does.
std::optional<std::int64_t> ParseSeconds(std::string_view text) {
  const std::size_t dot = text.find('.');
  const auto whole = ParseUnsigned(text.substr(0, dot));
  if (!whole) return std::nullopt;
  if (dot == std::string_view::npos) return whole;
  const std::string_view fraction = text.substr(dot + 1);
  if (fraction.empty() || !std::all_of(fraction.begin(), fraction.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
      }))
    return std::nullopt;
  const int first = fraction[0] - '0';
  const bool restNonZero = fraction.find_first_not_of('0', 1) != std::string_view::npos;
  const bool roundUp = first > 5 || (first == 5 && (restNonZero || *whole % 2 == 1));
  return *whole + (roundUp ? 1 : 0);
}

int ParseYear(std::string_view field, int onlyValue, bool allowOnly) {
  std::string_view digits = field;
  bool negative = false;
  if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
    negative = digits[0] == '-';
    digits.remove_prefix(1);
  }
  if (const auto value = ParseUnsigned(digits)) {
    if (*value > 1'000'000) Fail("year out of range: " + std::string(field));
    return static_cast<int>(negative ? -*value : *value);
  }
  const auto word = LookupWord(field, kYearWords);
  if (word == 0) return kMinimumYear;
  if (word == 1) return kMaximumYear;
  if (word == 2 && allowOnly) return onlyValue;
  Fail("year expected, got \"" + std::string(field) + "\"");
}

// Splits a line into fields: white space separates them, '#' starts a
// comment, double quotes enclose white space and '#'.
std::vector<std::string> SplitFields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
    if (i >= line.size() || line[i] == '#') break;
    std::string field;
    while (i < line.size() && line[i] != '#' &&
           !std::isspace(static_cast<unsigned char>(line[i]))) {
      if (line[i] == '"') {
        const std::size_t close = line.find('"', i + 1);
        if (close == std::string_view::npos) Fail("odd number of quotation marks");
        field.append(line.substr(i + 1, close - i - 1));
        i = close + 1;
      } else {
        field.push_back(line[i++]);
      }
    }
    fields.push_back(std::move(field));
  }
  return fields;
}

// Reads UNTIL fields (YEAR [MONTH [DAY [TIME]]]) into the zone line.
void ParseUntil(std::span<const std::string> fields, ZoneLine& line) {
  if (fields.empty()) return;
  if (fields.size() > 4) Fail("too many fields after the zone's format");
  line.hasUntil = true;
  line.untilYear = ParseYear(fields[0], 0, false);
  if (line.untilYear == kMinimumYear || line.untilYear == kMaximumYear)
    Fail("UNTIL year must be a number");
  if (fields.size() > 1) line.untilMonth = ParseMonthName(fields[1]);
  if (fields.size() > 2) line.untilDay = ParseDayOfMonth(fields[2], line.untilMonth);
  if (fields.size() > 3) line.untilTime = ParseTimeOfDay(fields[3]);
}

ZoneLine ParseZoneFields(std::span<const std::string> fields, int lineNumber) {
  // fields: STDOFF RULES FORMAT [UNTIL...]
  if (fields.size() < 3) Fail("a zone line needs STDOFF, RULES and FORMAT");
  ZoneLine line;
  line.lineNumber = lineNumber;
  line.standardOffset = ParseSignedDuration(fields[0]);
  const std::string& rules = fields[1];
  if (rules == "-" || rules.empty()) {
    line.rules = ZoneLine::Rules::Standard;
  } else if (std::isdigit(static_cast<unsigned char>(rules[0])) || rules[0] == '-' ||
             rules[0] == '+') {
    line.rules = ZoneLine::Rules::Fixed;
    line.fixedSave = ParseSaveAmount(rules);
  } else {
    line.rules = ZoneLine::Rules::Named;
    line.ruleName = rules;
  }
  line.format = fields[2];
  ParseUntil(fields.subspan(3), line);
  return line;
}

RuleLine ParseRuleFields(std::span<const std::string> fields, int lineNumber) {
  // fields: NAME FROM TO TYPE IN ON AT SAVE LETTER/S
  if (fields.size() != 9) Fail("a rule line has 10 fields");
  RuleLine rule;
  rule.lineNumber = lineNumber;
  rule.fromYear = ParseYear(fields[1], 0, false);
  rule.toYear = ParseYear(fields[2], rule.fromYear, true);
  if (rule.fromYear > rule.toYear) Fail("FROM year after TO year");
  if (fields[3] != "-" && !fields[3].empty())
    Fail("TYPE field must be \"-\", got \"" + fields[3] + "\"");
  rule.month = ParseMonthName(fields[4]);
  rule.on = ParseDayOfMonth(fields[5], rule.month);
  rule.at = ParseTimeOfDay(fields[6]);
  rule.save = ParseSaveAmount(fields[7]);
  return rule;
}

std::string VersionComment(std::string_view text) {
  std::istringstream lines{std::string(text.substr(0, 4096))};
  std::string line;
  while (std::getline(lines, line)) {
    constexpr std::string_view kMarker = "# version ";
    if (line.starts_with(kMarker)) return line.substr(kMarker.size());
    if (!line.starts_with("#")) break;
  }
  return "";
}

void CheckReferences(const TzSource& source) {
  std::set<std::string> names;
  for (const Zone& zone : source.zones) {
    if (!names.insert(zone.name).second) Fail("duplicate zone name " + zone.name);
    for (const ZoneLine& line : zone.lines)
      if (line.rules == ZoneLine::Rules::Named && !source.rules.contains(line.ruleName))
        Fail("line " + std::to_string(line.lineNumber) + ": unknown rule set \"" +
             line.ruleName + "\" in zone " + zone.name);
  }
  for (const Link& link : source.links) {
    if (!names.insert(link.name).second)
      Fail("line " + std::to_string(link.lineNumber) + ": link name " + link.name +
           " is already a zone or link");
  }
  for (const Link& link : source.links)
    if (!source.ResolveName(link.name))
      Fail("line " + std::to_string(link.lineNumber) + ": link " + link.name +
           " leads to no zone");
}

}  // namespace

const Zone* TzSource::FindZone(std::string_view name) const {
  const auto found = std::find_if(zones.begin(), zones.end(),
                                  [&](const Zone& zone) { return zone.name == name; });
  return found == zones.end() ? nullptr : &*found;
}

const Zone* TzSource::ResolveName(std::string_view name) const {
  std::string current(name);
  for (std::size_t step = 0; step <= links.size(); ++step) {
    if (const Zone* zone = FindZone(current)) return zone;
    const auto link = std::find_if(links.begin(), links.end(),
                                   [&](const Link& l) { return l.name == current; });
    if (link == links.end()) return nullptr;
    current = link->target;
  }
  return nullptr;  // a cycle of links
}

std::int64_t ParseSignedDuration(std::string_view field) {
  if (field == "-") return 0;
  std::string_view text = field;
  int sign = 1;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    sign = text[0] == '-' ? -1 : 1;
    text.remove_prefix(1);
  }
  std::array<std::string_view, 3> parts;
  std::size_t count = 0;
  while (count < 3) {
    const std::size_t colon = text.find(':');
    parts[count++] = text.substr(0, colon);
    if (colon == std::string_view::npos) {
      text = {};
      break;
    }
    text.remove_prefix(colon + 1);
  }
  const auto bad = [&]() -> std::int64_t {
    Fail("time expected, got \"" + std::string(field) + "\"");
  };
  if (!text.empty() || count == 0) return bad();
  const auto hours = ParseUnsigned(parts[0]);
  const auto minutes = count > 1 ? ParseUnsigned(parts[1]) : std::optional<std::int64_t>(0);
  const auto seconds = count > 2 ? ParseSeconds(parts[2]) : std::optional<std::int64_t>(0);
  if (!hours || !minutes || !seconds || *minutes > 59 || *seconds > 60 ||
      *hours > 1'000'000)
    return bad();
  return sign * ((*hours * 60 + *minutes) * 60 + *seconds);
}

TimeOfDay ParseTimeOfDay(std::string_view field) {
  TimeOfDay time;
  if (!field.empty() && field != "-") {
    switch (std::tolower(static_cast<unsigned char>(field.back()))) {
      case 'w': time.clock = ClockKind::Wall; field.remove_suffix(1); break;
      case 's': time.clock = ClockKind::Standard; field.remove_suffix(1); break;
      case 'u':
      case 'g':
      case 'z': time.clock = ClockKind::Universal; field.remove_suffix(1); break;
      default: break;
    }
  }
  time.seconds = ParseSignedDuration(field);
  return time;
}

SaveAmount ParseSaveAmount(std::string_view field) {
  std::optional<bool> daylight;
  if (!field.empty() && field != "-") {
    switch (std::tolower(static_cast<unsigned char>(field.back()))) {
      case 's': daylight = false; field.remove_suffix(1); break;
      case 'd': daylight = true; field.remove_suffix(1); break;
      default: break;
    }
  }
  SaveAmount save;
  save.seconds = ParseSignedDuration(field);
  save.daylight = daylight.value_or(save.seconds != 0);
  return save;
}

int ParseMonthName(std::string_view field) {
  const auto index = LookupWord(field, kMonthNames);
  if (!index) Fail("month name expected, got \"" + std::string(field) + "\"");
  return *index + 1;
}

DayOfMonth ParseDayOfMonth(std::string_view field, int monthForLast) {
  DayOfMonth day;
  if (IsPrefixIgnoringCase("last", field) && field.size() > 4) {
    day.kind = DayKind::WeekdayOnOrBefore;
    day.last = true;
    day.weekday = ParseWeekday(field.substr(4));
    day.day = monthForLast == 2 ? 29 : DaysInMonth(2001, monthForLast);
    return day;
  }
  std::string_view number = field;
  if (const std::size_t at = field.find_first_of("<>"); at != std::string_view::npos) {
    if (at + 1 >= field.size() || field[at + 1] != '=')
      Fail("day of month expected, got \"" + std::string(field) + "\"");
    day.kind = field[at] == '>' ? DayKind::WeekdayOnOrAfter : DayKind::WeekdayOnOrBefore;
    day.weekday = ParseWeekday(field.substr(0, at));
    number = field.substr(at + 2);
  }
  const auto value = ParseUnsigned(number);
  if (!value || *value < 1 || *value > 31)
    Fail("day of month expected, got \"" + std::string(field) + "\"");
  day.day = static_cast<int>(*value);
  if (day.day > (monthForLast == 2 ? 29 : DaysInMonth(2001, monthForLast)))
    Fail("day of month past the month's end: \"" + std::string(field) + "\"");
  return day;
}

TzSource ParseTzSource(std::string_view text) {
  TzSource source;
  source.version = VersionComment(text);
  Zone* continuing = nullptr;  // the zone whose last line had an UNTIL
  int lineNumber = 0;
  std::size_t position = 0;
  while (position <= text.size()) {
    const std::size_t end = std::min(text.find('\n', position), text.size());
    const std::string_view line = text.substr(position, end - position);
    position = end + 1;
    ++lineNumber;
    try {
      const std::vector<std::string> fields = SplitFields(line);
      if (fields.empty()) continue;
      const std::span<const std::string> all(fields);
      if (continuing) {
        continuing->lines.push_back(ParseZoneFields(all, lineNumber));
        if (!continuing->lines.back().hasUntil) continuing = nullptr;
        continue;
      }
      const auto kind = LookupWord(fields[0], kLineKinds);
      if (!kind) Fail("line of unknown kind \"" + fields[0] + "\"");
      if (*kind == 0) {
        if (fields.size() < 2) Fail("a rule line has 10 fields");
        source.rules[fields[1]].push_back(ParseRuleFields(all.subspan(1), lineNumber));
      } else if (*kind == 1) {
        if (fields.size() < 5) Fail("a zone line needs NAME, STDOFF, RULES and FORMAT");
        Zone zone;
        zone.name = fields[1];
        zone.lines.push_back(ParseZoneFields(all.subspan(2), lineNumber));
        source.zones.push_back(std::move(zone));
        if (source.zones.back().lines.back().hasUntil) continuing = &source.zones.back();
      } else {
        if (fields.size() != 3) Fail("a link line has 3 fields");
        source.links.push_back({fields[1], fields[2], lineNumber});
      }
    } catch (const TzSourceError& error) {
      throw TzSourceError("line " + std::to_string(lineNumber) + ": " + error.what());
    }
    if (end == text.size()) break;
  }
  if (continuing)
    Fail("zone " + continuing->name + " ends with an UNTIL but no continuation line");
  CheckReferences(source);
  return source;
}

TzSource LoadTzSource(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open time zone source " + path);
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) throw std::runtime_error("cannot read time zone source " + path);
  return ParseTzSource(text.str());
}

}  // namespace vyn::tz
