#pragma once
// The ephemeris file on disk: whole positioned reads, and the check of its
// layout and values made when it is opened.
#include <sys/types.h>

#include <cstddef>
#include <string>

namespace vyn {

// What the check requires of the Sun's column beyond values in range.
enum class TSunMotion {
  smChecked,    // 0.9 to 1.1 degrees a day between records, as in any real table
  smUnchecked,  // any: tables made up for tests, whose bodies may stand still
};

// Reads exactly `size` bytes at `offset` of the descriptor, retrying after
// interruptions; false on an error or an early end of file. Safe to call
// from several threads on one descriptor.
bool ReadFully(int fd, unsigned char* data, std::size_t size, off_t offset);

// Checks the whole file open as `fd`: its size is a whole number of records,
// at least the four one look-up reads and at most those up to year 10000;
// every stored value is a longitude 0 to 21599 arc minutes; and, when
// checked, the Sun advances 0.9 to 1.1 degrees a day from each record to the
// next. Returns the number of records, or throws a general exception with
// a one-line message naming `path` and the fault.
long CheckEphemerisFile(int fd, const std::string& path, TSunMotion sunMotion);

}  // namespace vyn
