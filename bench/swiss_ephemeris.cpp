#include "bench/swiss_ephemeris.h"

#include <swephexp.h>

#include <stdexcept>
#include <string>

namespace vyn::bench {

const std::array<TReferenceBody, ephemeris_format::kBodyCount + 1>
    kReferenceBodies = {{
        {-1, ""},
        {SE_SUN, "Sun"},
        {SE_MOON, "Moon"},
        {SE_MERCURY, "Mercury"},
        {SE_VENUS, "Venus"},
        {SE_MARS, "Mars"},
        {SE_JUPITER, "Jupiter"},
        {SE_SATURN, "Saturn"},
        {SE_URANUS, "Uranus"},
        {SE_NEPTUNE, "Neptune"},
        {SE_PLUTO, "Pluto"},
        {SE_MEAN_NODE, "Node"},
    }};

TSwissSession::TSwissSession() {
  static char directory[] = VYN_SWISS_EPHEMERIS_DIR;
  swe_set_ephe_path(directory);
}

TSwissSession::~TSwissSession() { swe_close(); }

TReferencePosition ReferencePosition(int slot, double jdUt) {
  double x[6] = {};
  char message[AS_MAXCH] = "";
  const int32 used = swe_calc_ut(jdUt, kReferenceBodies.at(slot).sweBody,
                                 SEFLG_SWIEPH | SEFLG_SPEED, x, message);
  if (used < 0 || (used & SEFLG_SWIEPH) == 0)
    throw std::runtime_error(std::string("Swiss Ephemeris gave no data file "
                                         "position for ") +
                             kReferenceBodies.at(slot).name + " at JD " +
                             std::to_string(jdUt) + ": " + message);
  return {x[0], x[3]};
}

double GregorianJD(int year, int month, int day) {
  return swe_julday(year, month, day, 0.0, SE_GREG_CAL);
}

}  // namespace vyn::bench
