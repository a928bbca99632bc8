#include "bench/swiss_ephemeris.h"

#include <swephexp.h>

#include <stdexcept>
#include <string>

namespace vyn::bench {


TSwissSession::TSwissSession() {
  static char directory[] = VYN_SWISS_EPHEMERIS_DIR;
  swe_set_ephe_path(directory);
}

TSwissSession::~TSwissSession() { swe_close(); }

TReferencePosition ReferencePosition(int slot, double jdUt) {
  double x[6] = {};
  char message[AS_MAXCH] = "";
  const int32 used = swe_calc_ut(jdUt, kSwissBodies.at(slot).sweBody,
                                 SEFLG_SWIEPH | SEFLG_SPEED, x, message);
  if (used < 0 || (used & SEFLG_SWIEPH) == 0)
    throw std::runtime_error(std::string("Swiss Ephemeris gave no data file "
                                         "position for ") +
                             kSwissBodies.at(slot).name + " at JD " +
                             std::to_string(jdUt) + ": " + message);
  return {x[0], x[3]};
}

double GregorianJD(int year, int month, int day) {
  return swe_julday(year, month, day, 0.0, SE_GREG_CAL);
}

}  // namespace vyn::bench
