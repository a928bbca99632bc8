#include "engine/ephemeris_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "engine/ephemeris_format.h"
#include "engine/text_helpers.h"

namespace vyn {
namespace fmt = ephemeris_format;
namespace {

// Records up to year 10000, the last year a chart's date can name, with
// room to spare (97,018 are needed).
constexpr long kMaxRecords = 100000;
// Records checked per read: about 64 KiB.
constexpr long kChunkRecords = 819;
// The Sun's advance between records, arc minutes: 0.9 to 1.1 degrees a day.
constexpr int kSunSlowest = 9 * fmt::kRecordDays * 60 / 10;
constexpr int kSunFastest = 11 * fmt::kRecordDays * 60 / 10;

[[noreturn]] void Refuse(const std::string& path, const std::string& fault) {
  throw std::runtime_error("File " + path + " is not an ephemeris file: " +
                           fault);
}

long RecordCountOf(int fd, const std::string& path) {
  struct stat st {};
  if (::fstat(fd, &st) != 0)
    throw std::runtime_error("File " + path + " cannot be read!");
  const long long size = st.st_size;
  if (size % fmt::kRecordBytes != 0)
    Refuse(path, std::to_string(size) + " bytes are not a whole number of " +
                     std::to_string(fmt::kRecordBytes) + "-byte records!");
  const long long records = size / fmt::kRecordBytes;
  if (records < 4)
    Refuse(path, std::to_string(records) +
                     " records, fewer than the 4 one look-up reads!");
  if (records > kMaxRecords)
    Refuse(path, std::to_string(records) + " records, more than the " +
                     std::to_string(kMaxRecords) + " up to year 10000!");
  return static_cast<long>(records);
}

// Value i (0..39) of a record names body slot and value j of that body.
[[noreturn]] void RefuseValue(int i, int v, long number,
                              const std::string& path) {
  int slot = 1;
  while (fmt::FirstByte(slot + 1) <= 2 * i) ++slot;
  const int j = (2 * i - fmt::FirstByte(slot)) / 2;
  Refuse(path, "record " + std::to_string(number) + " holds " +
                   std::to_string(v) + " as value " + std::to_string(j + 1) +
                   " of the " + BodyName(slot) + ", not a longitude of 0 to " +
                   std::to_string(fmt::kArcMinutesPerCircle - 1) +
                   " arc minutes!");
}

// Every value of every body is a longitude, whatever the body.
void CheckValues(const unsigned char* record, long number,
                 const std::string& path) {
  for (int i = 0; i < fmt::kRecordBytes / 2; ++i) {
    const int v = fmt::StoredValue(record + 2 * i);
    if (v < 0 || v >= fmt::kArcMinutesPerCircle)
      RefuseValue(i, v, number, path);
  }
}

void CheckSunAdvance(int from, int to, long number, const std::string& path) {
  int advance = to - from;
  if (advance < 0) advance += fmt::kArcMinutesPerCircle;
  if (advance >= kSunSlowest && advance <= kSunFastest) return;
  char perDay[32];
  std::snprintf(perDay, sizeof perDay, "%.3f",
                advance / 60.0 / fmt::kRecordDays);
  Refuse(path, "the Sun moves " + std::string(perDay) +
                   " degrees a day from record " + std::to_string(number - 1) +
                   " to record " + std::to_string(number) +
                   ", not 0.9 to 1.1!");
}

}  // namespace

bool ReadFully(int fd, unsigned char* data, std::size_t size, off_t offset) {
  while (size > 0) {
    const ssize_t n = ::pread(fd, data, size, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
    offset += n;
  }
  return true;
}

long CheckEphemerisFile(int fd, const std::string& path,
                        TSunMotion sunMotion) {
  const long records = RecordCountOf(fd, path);
  std::vector<unsigned char> chunk(kChunkRecords * fmt::kRecordBytes);
  int previousSun = 0;
  for (long first = 0; first < records; first += kChunkRecords) {
    const long count = std::min(kChunkRecords, records - first);
    if (!ReadFully(fd, chunk.data(), count * fmt::kRecordBytes,
                   static_cast<off_t>(first) * fmt::kRecordBytes))
      throw std::runtime_error("File " + path + " cannot be read!");
    for (long k = 0; k < count; ++k) {
      const unsigned char* record = chunk.data() + k * fmt::kRecordBytes;
      const long number = first + k;
      CheckValues(record, number, path);
      const int sun = fmt::StoredValue(record + fmt::FirstByte(1));
      if (sunMotion == TSunMotion::smChecked && number > 0)
        CheckSunAdvance(previousSun, sun, number, path);
      previousSun = sun;
    }
  }
  return records;
}

}  // namespace vyn
