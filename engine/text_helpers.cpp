#include "engine/text_helpers.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace vyn {
namespace {

// Expands a Qt-style date or time pattern: `field(letter, count)` gives the
// text of a run of `count` equal pattern letters, or nullopt when the letter
// is not a pattern letter (then the run is copied as it stands).
template <typename Field>
std::string ExpandPattern(std::string_view pattern, Field field) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    if (c == '\'') {
      const std::size_t end = pattern.find('\'', i + 1);
      if (end == i + 1) out += '\'';
      else out += pattern.substr(i + 1, end == std::string_view::npos
                                            ? std::string_view::npos
                                            : end - i - 1);
      i = end == std::string_view::npos ? pattern.size() : end + 1;
      continue;
    }
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    if (auto text = field(c, run)) out += *text;
    else out.append(run, c);
    i += run;
  }
  return out;
}

std::string Padded(long value, std::size_t width) {
  char text[24];
  std::snprintf(text, sizeof text, "%0*ld", static_cast<int>(width), value);
  return text;
}

}  // namespace

std::string BodyName(int number) {
  static constexpr std::array<const char*, 16> kNames = {
      "Sun",    "Moon",    "Murcury", "Venus",      "Mars",       "Jupiter",
      "Saturn", "Uranus",  "Neptune", "Pluto",      "North Node", "South Node",
      "Ascendant", "MC",   "Decendant", "IC"};
  return number >= 1 && number <= 16 ? kNames[number - 1] : "";
}

std::string FormatPos(extended x) {
  char text[32];
  std::snprintf(text, sizeof text, "%4.2Lf",
                static_cast<long double>(Trunc(x * 100)) / 100);
  return text;
}

TSignSplit SignSplit(extended x) {
  const long long whole = Trunc(x);
  const int sign = static_cast<int>(whole / 30);
  return {sign, x - 30 * sign};
}

std::string TwoDigits(long n) {
  if (n >= 0 && n <= 9) return "0" + std::to_string(n);
  return std::to_string(n);
}

std::string DateText(long yyyymmdd, std::string_view dateFormat) {
  long year = yyyymmdd / 10000;
  long month = yyyymmdd / 100 % 100;
  long day = yyyymmdd % 100;
  if (year <= 0 || year > 9999) year = 2000;
  if (month <= 0 || month > 12) month = 11;
  if (day <= 0 || day > 31) day = 16;
  return ExpandPattern(
      dateFormat, [&](char c, std::size_t run) -> std::optional<std::string> {
        switch (c) {
          case 'd': return run == 1 ? std::to_string(day) : Padded(day, 2);
          case 'M': return run == 1 ? std::to_string(month) : Padded(month, 2);
          case 'y': return run == 2 ? Padded(year % 100, 2) : Padded(year, 4);
          default: return std::nullopt;
        }
      });
}

std::string TimeText(int hours, int minutes, int seconds,
                     std::string_view timeFormat) {
  const bool twelveHour =
      timeFormat.find("AP") != std::string_view::npos ||
      timeFormat.find("ap") != std::string_view::npos;
  const int shownHours =
      twelveHour ? (hours % 12 == 0 ? 12 : hours % 12) : hours;
  return ExpandPattern(
      timeFormat, [&](char c, std::size_t run) -> std::optional<std::string> {
        switch (c) {
          case 'h': case 'H':
            return run == 1 ? std::to_string(shownHours) : Padded(shownHours, 2);
          case 'm': return run == 1 ? std::to_string(minutes) : Padded(minutes, 2);
          case 's': return run == 1 ? std::to_string(seconds) : Padded(seconds, 2);
          case 'A': return std::string(hours < 12 ? "AM" : "PM");
          case 'a': return std::string(hours < 12 ? "am" : "pm");
          case 'P': case 'p': return std::string();
          default: return std::nullopt;
        }
      });
}

std::string DateTimeText(extended date, extended time,
                         std::string_view dateFormat,
                         std::string_view timeFormat) {
  const long d = std::lround(static_cast<double>(date * 10000));
  const long t = std::lround(static_cast<double>(time * 10000));
  return DateText(d, dateFormat) + " " +
         TimeText(static_cast<int>(t / 10000), static_cast<int>(t / 100 % 100),
                  static_cast<int>(t % 100), timeFormat);
}

long StrToIntOrZero(std::string_view text) {
  long value = 0;
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (begin != end && *begin == '+') ++begin;
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  return ec == std::errc() && ptr == end && begin != end ? value : 0;
}

std::string TrimTrailingBlanks(std::string_view text) {
  std::size_t n = text.size();
  while (n > 0 && text[n - 1] == ' ') --n;
  return std::string(text.substr(0, n));
}

std::string SplitAt(std::string_view text, bool before, char c) {
  const std::size_t at = text.find(c);
  if (at == std::string_view::npos) return {};
  return std::string(before ? text.substr(0, at) : text.substr(at + 1));
}

std::string CutToCharacters(std::string_view text, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t count = 0; i < text.size() && count < n; ++count) {
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
      ++i;
  }
  return std::string(text.substr(0, i));
}

}  // namespace vyn
