#pragma once
// The Swiss Ephemeris as the reference of the benchmarks.
#include <array>

#include "engine/ephemeris_format.h"

namespace vyn::bench {

// Swiss Ephemeris body and short name of each ephemeris slot 1..11 (index 0
// unused): Sun to Pluto and the mean lunar node.
struct TReferenceBody {
  int sweBody;
  const char* name;
};
extern const std::array<TReferenceBody, ephemeris_format::kBodyCount + 1>
    kReferenceBodies;

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
