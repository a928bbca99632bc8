#pragma once
// Reader of the tabulated ephemeris file "VYN.LNG": one positioned 320-byte
// read per look-up into the caller's own buffer, four-point Lagrange
// interpolation per body. Look-ups may run from several threads at once;
// opening and closing must not overlap a look-up.
#include <array>
#include <string>
#include <string_view>

#include "engine/angles.h"
#include "engine/ephemeris_file.h"
#include "engine/ephemeris_format.h"

namespace vyn {

// Longitudes (radians) and retrograde flags of body slots 1..11; index 0 is
// unused. Slots not asked for by the mask are left as they were.
struct TBodyReadings {
  std::array<extended, ephemeris_format::kBodyCount + 1> radians{};
  std::array<bool, ephemeris_format::kBodyCount + 1> retrograde{};
};

class TEphemeris {
 public:
  TEphemeris() = default;
  ~TEphemeris();
  TEphemeris(const TEphemeris&) = delete;
  TEphemeris& operator=(const TEphemeris&) = delete;

  // The one file shared by every chart record of the program.
  static TEphemeris& Shared();

  // Opens the file read-only and checks all of it; a general exception
  // "File <path> not found!" when it does not exist, and one naming the file
  // and the fault when the path holds a NUL character, the file cannot be
  // read, its size is not a whole number of at least four records, a value
  // is not a longitude 0 to 21599, or (when checked) the Sun's motion
  // between two records is not 0.9 to 1.1 degrees a day. Opening first
  // closes the previous file; a refused file leaves the reader closed.
  void Open(const std::string& path,
            TSunMotion sunMotion = TSunMotion::smChecked);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }
  const std::string& Path() const { return path_; }

  // Julian days (UT) this file can be read for: [FirstJD, EndJD).
  extended FirstJD() const;
  extended EndJD() const;

  // Reads the bodies whose mask character (1-based position i = 1..11) is
  // '1' at the Julian day jd into `out`.
  void ReadBodies(std::string_view mask, extended jd,
                  TBodyReadings& out) const;

 private:
  static constexpr int kWindowRecords = 4;
  // The records r - 1 to r + 2 of one look-up.
  using TWindow =
      std::array<unsigned char, kWindowRecords * ephemeris_format::kRecordBytes>;
  void Fetch(long record, TWindow& window) const;
  static int ValueAt(const TWindow& window, int slot, long moment,
                     long firstRecord);
  static void Interpolate(const TWindow& window, int slot, extended t,
                          long firstRecord, TBodyReadings& out);
  std::string RangeText() const;

  int fd_ = -1;  // read-only descriptor, -1 when closed
  std::string path_;
  long recordCount_ = 0;
};

// Cubic Lagrange polynomial through (0, y0), (1, y1), (2, y2), (3, y3) at x.
extended LagrangeValue(const std::array<extended, 4>& y, extended x);

// Unwraps four arc-minute values across 0 degrees: each value after the
// first moves by a full circle when it lies more than half a circle from
// its (already corrected) predecessor.
void UnwrapArcMinutes(std::array<extended, 4>& y);

}  // namespace vyn
