#pragma once
// Computes the contents of the ephemeris file "VYN.LNG" with the Swiss
// Ephemeris: geocentric, tropical, apparent ecliptic longitudes of date at
// 0h Universal Time, the mean lunar node for the North Node, each rounded to
// the nearest arc minute.
#include <cstdint>
#include <string>
#include <vector>

namespace vyn::tools {

// The table reaches from the epoch through the record holding 1 January of
// kCoveredThroughYear, 0h UT (Gregorian), plus kMarginRecords further
// records, so that every moment of the years 1500 to 2101 finds the two
// records after its own that the interpolation reads.
inline constexpr int kCoveredThroughYear = 2102;
inline constexpr int kMarginRecords = 4;

// Julian day of 1 January kCoveredThroughYear, 0h UT: 2488799.5.
double CoveredThroughJD();

// Number of records of the file: Trunc((CoveredThroughJD() - epoch) / 32)
// + 1 + kMarginRecords, that is 6872 + 4 = 6876.
int EphemerisRecordCount();

// Julian day (UT) of value j of body slot 1..11 in record k.
double MomentJD(int record, int slot, int value);

// Longitude in degrees rounded to whole arc minutes, reduced into 0..21599.
int ArcMinutesOfLongitude(double degrees);

// English name of body slot 1..11, for messages.
const char* BodyName(int slot);

// Sets the directory of the Swiss Ephemeris data files for its lifetime and
// closes the library's files at its end.
class SwissEphemerisSession {
 public:
  explicit SwissEphemerisSession(const std::string& ephemerisDirectory);
  ~SwissEphemerisSession();
  SwissEphemerisSession(const SwissEphemerisSession&) = delete;
  SwissEphemerisSession& operator=(const SwissEphemerisSession&) = delete;
};

// Longitude in degrees of body slot 1..11 at a Julian day (UT) from the
// Swiss Ephemeris data files. Throws std::runtime_error naming the body and
// the date when the library reports an error or has no data file for the
// date (it would otherwise fall back silently to its Moshier ephemeris).
double SwissLongitude(int slot, double jdUt);

// The file's bytes: recordCount records of 80 bytes, every value of every
// body. Needs an open SwissEphemerisSession; throws as SwissLongitude does.
std::vector<std::uint8_t> GenerateEphemeris(int recordCount);

}  // namespace vyn::tools
