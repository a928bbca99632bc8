#pragma once
// Compiled zone files (TZif, RFC 8536): the 64-bit data of version 2 and
// later, with the TZ rule string that continues them.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/tz/posix_tz.h"

namespace vyn::tz {

class TzifError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TzifZone {
  std::int64_t initialUtcOffset = 0;  // before the first transition (type 0)
  std::vector<OffsetChange> transitions;
  std::string footer;  // the TZ string, may be empty
};

// Throws TzifError on a file that is not TZif version 2 or later or is cut
// short.
TzifZone ParseTzif(std::span<const std::uint8_t> bytes);
TzifZone LoadTzif(const std::string& path);

// The UTC offset history up to the end of lastYear: the transitions of the
// file, then those of its TZ string, dropping changes that keep the offset.
// The first entry holds from the beginning of time.
std::vector<OffsetChange> OffsetHistory(const TzifZone& zone, int lastYear);

}  // namespace vyn::tz
