#include "data/lookup_arguments.h"

#include <string>

#include "data/database_error.h"

namespace vyn {
namespace {

[[noreturn]] void Refuse(std::string_view lookUp, const std::string& what) {
  throw EDatabaseError(TDataErrorKind::deBadValue, std::string(lookUp) + ": " + what);
}

}  // namespace

void CheckLookupDate(std::int64_t date, std::string_view lookUp) {
  const std::int64_t year = date / 10000, month = date / 100 % 100, day = date % 100;
  if (date < 0 || year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > 31)
    Refuse(lookUp, "the date " + std::to_string(date) +
                       " is not a date YYYYMMDD from the year 1 to 9999");
}

void CheckLookupTime(std::int64_t time, std::string_view lookUp) {
  if (time < 0 || time / 10000 > 23 || time / 100 % 100 > 59 || time % 100 > 59)
    Refuse(lookUp, "the time " + std::to_string(time) +
                       " is not a clock time HHMMSS from 000000 to 235959");
}

int MinuteOfDay(std::int64_t time) {
  return static_cast<int>(time / 10000 * 60 + time / 100 % 100);
}

}  // namespace vyn
