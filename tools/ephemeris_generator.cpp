#include "tools/ephemeris_generator.h"

#include <swephexp.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "engine/ephemeris_format.h"
#include "tools/calendar_date_text.h"
#include "tools/swiss_bodies.h"

namespace vyn::tools {
namespace {

namespace format = vyn::ephemeris_format;


// The library's messages may hold line breaks; a message here is one line
// with single spaces.
std::string OneLine(const std::string& text) {
  std::string line;
  for (char c : text) {
    const bool space = c == ' ' || c == '\n' || c == '\r' || c == '\t';
    if (!space) line += c;
    else if (!line.empty() && line.back() != ' ') line += ' ';
  }
  if (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

std::string MomentText(int slot, double jdUt) {
  char jd[32];
  std::snprintf(jd, sizeof jd, "%.1f", jdUt);
  return std::string(BodyName(slot)) + " at JD " + jd + " (" +
         CalendarDateText(jdUt) + ")";
}

void PutLittleEndian16(std::uint8_t* out, int value) {
  out[0] = static_cast<std::uint8_t>(value & 0xFF);
  out[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

}  // namespace

double CoveredThroughJD() {
  return swe_julday(kCoveredThroughYear, 1, 1, 0.0, SE_GREG_CAL);
}

int EphemerisRecordCount() {
  const double days = CoveredThroughJD() - static_cast<double>(format::kEpochJD);
  return static_cast<int>(days / format::kRecordDays) + 1 + kMarginRecords;
}

double MomentJD(int record, int slot, int value) {
  return static_cast<double>(format::kEpochJD) +
         format::kRecordDays * record + value * format::kStepDays[slot];
}

int ArcMinutesOfLongitude(double degrees) {
  const long minutes = std::lround(degrees * 60.0) % format::kArcMinutesPerCircle;
  return static_cast<int>(minutes < 0 ? minutes + format::kArcMinutesPerCircle
                                      : minutes);
}

const char* BodyName(int slot) { return kSwissBodies.at(slot).name; }

SwissEphemerisSession::SwissEphemerisSession(
    const std::string& ephemerisDirectory) {
  swe_set_ephe_path(ephemerisDirectory.c_str());
}

SwissEphemerisSession::~SwissEphemerisSession() { swe_close(); }

double SwissLongitude(int slot, double jdUt) {
  double position[6] = {};
  char message[AS_MAXCH] = "";
  const int32 used =
      swe_calc_ut(jdUt, kSwissBodies.at(slot).sweBody, SEFLG_SWIEPH, position, message);
  if (used < 0)
    throw std::runtime_error("Swiss Ephemeris failed for " +
                             MomentText(slot, jdUt) + ": " + OneLine(message));
  if ((used & SEFLG_SWIEPH) == 0)
    throw std::runtime_error("no Swiss Ephemeris data file for " +
                             MomentText(slot, jdUt) +
                             " (the library fell back to its Moshier ephemeris): " +
                             OneLine(message));
  return position[0];
}

std::vector<std::uint8_t> GenerateEphemeris(int recordCount) {
  std::vector<std::uint8_t> bytes(
      static_cast<std::size_t>(recordCount) * format::kRecordBytes);
  for (int record = 0; record < recordCount; ++record) {
    std::uint8_t* out = bytes.data() + static_cast<std::size_t>(record) * format::kRecordBytes;
    for (int slot = 1; slot <= format::kBodyCount; ++slot)
      for (int j = 0; j < format::ValuesPerRecord(slot); ++j)
        PutLittleEndian16(out + format::FirstByte(slot) + 2 * j,
                          ArcMinutesOfLongitude(SwissLongitude(slot, MomentJD(record, slot, j))));
  }
  return bytes;
}

}  // namespace vyn::tools
