#include "language/clock_change_text.h"

#include <array>
#include <stdexcept>
#include <string_view>

#include "engine/text_helpers.h"
#include "language/fixed_tokens.h"
#include "language/plain_text.h"
#include "language/token_format.h"

namespace vyn {
namespace {

constexpr int kArguments = 5;
constexpr int kMinutesPerDay = 24 * 60;
constexpr std::string_view kDateFormat = "yyyy-MM-dd";

// The sentences of the English texts, for a token that cannot take the
// arguments; in the order of the tokens.
constexpr std::array<std::string_view, 4> kFallbacks = {
    "Local time %1 on %2 at %3 does not exist: the clocks went forward from %4 to %5; "
    "it is read with the offset after the change.",
    "Local time %1 on %2 at %3 does not exist: the clocks went forward from %4 to %5; "
    "it is read with the offset before the change.",
    "Local time %1 on %2 at %3 occurs twice: the clocks went back from %4 to %5; "
    "the earlier reading, before the change, is taken.",
    "Local time %1 on %2 at %3 occurs twice: the clocks went back from %4 to %5; "
    "the later reading, after the change, is taken.",
};

// 0..3: the offset of the token from kClockChangeToken.
int Variant(const TClockChange& change) {
  const bool after = change.reading == TClockReading::crAfterChange;
  if (change.kind == TClockChangeKind::ckSkipped) return after ? 0 : 1;
  return after ? 3 : 2;
}

std::string ClockTime(int minute, std::string_view field) {
  if (minute < 0 || minute > kMinutesPerDay)
    throw std::invalid_argument("clock change: " + std::string(field) + " " +
                                std::to_string(minute) +
                                " is not a minute of the day (0 to 1440)");
  return TwoDigits(minute / 60) + ":" + TwoDigits(minute % 60);
}

std::string CalendarDate(std::int64_t date) {
  const std::int64_t year = date / 10000, month = date / 100 % 100, day = date % 100;
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
    throw std::invalid_argument("clock change: date " + std::to_string(date) +
                                " is not a date YYYYMMDD");
  return DateText(static_cast<long>(date), kDateFormat);
}

}  // namespace

std::string ClockChangeText(const TClockChange& change, const TLanguage& language) {
  const std::vector<std::string> arguments = {
      ClockTime(change.birthMinute, "birthMinute"), CalendarDate(change.date),
      OneLineText(change.placeName), ClockTime(change.changeMinute, "changeMinute"),
      ClockTime(change.setToMinute, "setToMinute")};
  const int variant = Variant(change);
  const std::string& token = language.GetToken(kClockChangeToken + variant);
  const std::string_view text = HasPlaceholders(token, kArguments)
                                    ? std::string_view(token)
                                    : kFallbacks[static_cast<std::size_t>(variant)];
  return FormatToken(text, arguments);
}

}  // namespace vyn
