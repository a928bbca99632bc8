#pragma once
// The Swiss Ephemeris as the reference of the benchmarks.
#include <array>

#include "engine/ephemeris_format.h"
#include "tools/swiss_bodies.h"

namespace vyn::bench {

// The reference body of each ephemeris slot.
using tools::kSwissBodies;

// Points the library at its data files for its lifetime and closes them at
// its end.
class TSwissSession {
 public:
  TSwissSession();
  ~TSwissSession();
  TSwissSession(const TSwissSession&) = delete;
  TSwissSession& operator=(const TSwissSession&) = delete;
};

// Longitude and longitude speed (degrees, degrees per day) of slot 1..11 at
// a Julian day (UT), apparent and geocentric from the data files. Throws
// std::runtime_error when the library fails or falls back to its Moshier
// ephemeris.
struct TReferencePosition {
  double longitude;
  double speed;
};
TReferencePosition ReferencePosition(int slot, double jdUt);

// Julian day (UT) of a Gregorian calendar date at 0h.
double GregorianJD(int year, int month, int day);

}  // namespace vyn::bench
