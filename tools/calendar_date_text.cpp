#include "tools/calendar_date_text.h"

#include <swephexp.h>

#include <cstdio>

namespace vyn::tools {

std::string CalendarDateText(double jd) {
  constexpr double kGregorianReformJD = 2299160.5;
  const bool gregorian = jd >= kGregorianReformJD;
  int year = 0, month = 0, day = 0;
  double hour = 0;
  swe_revjul(jd, gregorian ? SE_GREG_CAL : SE_JUL_CAL, &year, &month, &day, &hour);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %s", year, month, day,
                gregorian ? "Gregorian" : "Julian");
  return text;
}

}  // namespace vyn::tools
