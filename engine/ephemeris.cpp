#include "engine/ephemeris.h"

#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "engine/calendar.h"
#include "engine/horoscope_exception.h"
#include "engine/text_helpers.h"

namespace vyn {
namespace fmt = ephemeris_format;
namespace {

// Look-ahead of the retrograde test per slot, in units of 0.0005 day.
constexpr std::array<int, fmt::kBodyCount + 1> kLookAhead = {
    0, 0, 0, 40, 16, 25, 36, 49, 64, 999, 100, 0};

constexpr bool HasRetrogradeTest(int slot) { return slot >= 3 && slot <= 10; }

// The path with each NUL character written as \0.
std::string PrintablePath(const std::string& path) {
  std::string text;
  for (char c : path) {
    if (c == '\0')
      text += "\\0";
    else
      text += c;
  }
  return text;
}

std::string DateTextOf(extended jd) {
  constexpr long kFirstGregorianDay = 2299161;  // 1582-10-15
  return DateText(JulianDayToDate(kFirstGregorianDay, jd), "yyyy-MM-dd");
}

}  // namespace

extended LagrangeValue(const std::array<extended, 4>& y, extended x) {
  return ((y[3] * x - y[0] * (x - 3)) * (x - 1) * (x - 2) +
          3 * (y[1] * (x - 2) - y[2] * (x - 1)) * x * (x - 3)) /
         6;
}

void UnwrapArcMinutes(std::array<extended, 4>& y) {
  constexpr extended kHalf = fmt::kArcMinutesPerCircle / 2;
  for (int i = 1; i < 4; ++i) {
    if (std::fabs(y[i] - y[i - 1]) > kHalf)
      y[i] += y[i] > y[i - 1] ? -fmt::kArcMinutesPerCircle
                              : fmt::kArcMinutesPerCircle;
  }
}

TEphemeris::~TEphemeris() { Close(); }

TEphemeris& TEphemeris::Shared() {
  static TEphemeris instance;
  return instance;
}

void TEphemeris::Open(const std::string& path, TSunMotion sunMotion) {
  Close();
  if (path.find('\0') != std::string::npos)
    throw std::runtime_error("File name " + PrintablePath(path) +
                             " holds a NUL character!");
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec))
    throw std::runtime_error("File " + path + " not found!");
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("File " + path + " cannot be opened!");
  try {
    const long records = CheckEphemerisFile(fd, path, sunMotion);
    fd_ = fd;
    path_ = path;
    recordCount_ = records;
  } catch (...) {
    ::close(fd);
    throw;
  }
}

void TEphemeris::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  recordCount_ = 0;
}

// A moment t (days after the epoch) reads records r - 1 to r + 2 with
// r = Trunc(t / 32), so t must lie in [32, 32 * (count - 2)).
extended TEphemeris::FirstJD() const {
  return fmt::kEpochJD + fmt::kRecordDays;
}

extended TEphemeris::EndJD() const {
  return fmt::kEpochJD +
         static_cast<extended>(fmt::kRecordDays) * (recordCount_ - 2);
}

std::string TEphemeris::RangeText() const {
  return DateTextOf(FirstJD()) + " to " + DateTextOf(EndJD() - 1);
}

// One positioned read of the four records from r - 1 on.
void TEphemeris::Fetch(long record, TWindow& window) const {
  const off_t offset = static_cast<off_t>(record - 1) * fmt::kRecordBytes;
  if (!ReadFully(fd_, window.data(), window.size(), offset))
    throw EHoroscopeException("Ephemeris file " + path_ +
                              " could not be read.");
}

int TEphemeris::ValueAt(const TWindow& window, int slot, long moment,
                        long firstRecord) {
  const int step = fmt::kStepDays[slot];
  const long record = moment / fmt::kRecordDays;
  const long index = (moment - record * fmt::kRecordDays) / step;
  const std::size_t byte = (record - firstRecord) * fmt::kRecordBytes +
                           fmt::FirstByte(slot) + 2 * index;
  return fmt::StoredValue(window.data() + byte);
}

void TEphemeris::Interpolate(const TWindow& window, int slot, extended t,
                             long firstRecord, TBodyReadings& out) {
  const int step = fmt::kStepDays[slot];
  const long tb = static_cast<long>(Int(t / step)) * step;
  std::array<extended, 4> y;
  for (int k = 0; k < 4; ++k)
    y[k] = ValueAt(window, slot, tb + (k - 1) * step, firstRecord);
  UnwrapArcMinutes(y);

  const extended x = (t - tb + step) / step;
  const extended value = LagrangeValue(y, x);
  extended degrees = value / 60;
  degrees -= Int(degrees / 360) * 360;
  out.radians[slot] = degrees / 180 * kPi;

  out.retrograde[slot] = false;
  if (HasRetrogradeTest(slot)) {
    const extended ahead = (t - tb + step + kLookAhead[slot] * 0.0005L) / step;
    out.retrograde[slot] = LagrangeValue(y, ahead) < value;
  }
}

void TEphemeris::ReadBodies(std::string_view mask, extended jd,
                            TBodyReadings& out) const {
  if (fd_ < 0) throw EHoroscopeException("Invalid file handle. DOS Error 1");
  const extended t = jd - fmt::kEpochJD;
  if (!(jd >= FirstJD() && jd < EndJD()))
    throw EHoroscopeException("Date outside the ephemeris: " + path_ +
                              " covers " + RangeText() + ".");
  const long record = static_cast<long>(Trunc(t / fmt::kRecordDays));
  TWindow window;
  Fetch(record, window);
  for (int slot = 1; slot <= fmt::kBodyCount; ++slot) {
    if (slot <= static_cast<int>(mask.size()) && mask[slot - 1] == '1')
      Interpolate(window, slot, t, record - 1, out);
  }
}

}  // namespace vyn
