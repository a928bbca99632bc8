#include "tools/tz/tzif_file.h"

#include <fstream>
#include <iterator>
#include <limits>

#include "tools/tz/civil_date.h"

namespace vyn::tz {
namespace {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::span<const std::uint8_t> Take(std::size_t count) {
    if (count > bytes_.size() - position_) throw TzifError("zone file cut short");
    const auto part = bytes_.subspan(position_, count);
    position_ += count;
    return part;
  }
  std::int64_t BigEndian(std::size_t width) {
    std::uint64_t value = 0;
    for (const std::uint8_t byte : Take(width)) value = value << 8 | byte;
    if (width < 8 && (value >> (8 * width - 1)) != 0) value -= std::uint64_t{1} << (8 * width);
    return static_cast<std::int64_t>(value);
  }
  std::size_t Position() const { return position_; }
  std::span<const std::uint8_t> Rest() const { return bytes_.subspan(position_); }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

struct Header {
  char version = 0;
  std::size_t isutcnt = 0, isstdcnt = 0, leapcnt = 0, timecnt = 0, typecnt = 0,
              charcnt = 0;

  std::size_t DataSize(std::size_t timeWidth) const {
    return timecnt * timeWidth + timecnt + typecnt * 6 + charcnt +
           leapcnt * (timeWidth + 4) + isstdcnt + isutcnt;
  }
};

Header ReadHeader(ByteReader& reader) {
  const auto magic = reader.Take(4);
  if (magic[0] != 'T' || magic[1] != 'Z' || magic[2] != 'i' || magic[3] != 'f')
    throw TzifError("not a TZif zone file");
  Header header;
  header.version = static_cast<char>(reader.Take(1)[0]);
  reader.Take(15);
  header.isutcnt = static_cast<std::size_t>(reader.BigEndian(4));
  header.isstdcnt = static_cast<std::size_t>(reader.BigEndian(4));
  header.leapcnt = static_cast<std::size_t>(reader.BigEndian(4));
  header.timecnt = static_cast<std::size_t>(reader.BigEndian(4));
  header.typecnt = static_cast<std::size_t>(reader.BigEndian(4));
  header.charcnt = static_cast<std::size_t>(reader.BigEndian(4));
  if (header.typecnt == 0) throw TzifError("zone file without local time types");
  return header;
}

}  // namespace

TzifZone ParseTzif(std::span<const std::uint8_t> bytes) {
  ByteReader reader(bytes);
  const Header first = ReadHeader(reader);
  if (first.version < '2') throw TzifError("TZif version 1 has no 64-bit data");
  reader.Take(first.DataSize(4));
  const Header header = ReadHeader(reader);
  if (header.leapcnt != 0) throw TzifError("zone files with leap seconds are not read");

  std::vector<std::int64_t> times(header.timecnt);
  for (auto& time : times) time = reader.BigEndian(8);
  std::vector<std::size_t> typeOfTime(header.timecnt);
  for (auto& type : typeOfTime) {
    type = reader.Take(1)[0];
    if (type >= header.typecnt) throw TzifError("transition to an unknown type");
  }
  std::vector<std::int64_t> utcOffsets(header.typecnt);
  for (auto& offset : utcOffsets) {
    offset = reader.BigEndian(4);
    reader.Take(2);  // isdst, abbreviation index
  }
  reader.Take(header.charcnt + header.isstdcnt + header.isutcnt);

  TzifZone zone;
  zone.initialUtcOffset = utcOffsets[0];
  for (std::size_t i = 0; i < times.size(); ++i)
    zone.transitions.push_back({times[i], utcOffsets[typeOfTime[i]]});
  const auto rest = reader.Rest();
  if (!rest.empty() && rest[0] == '\n') {
    std::string footer(rest.begin() + 1, rest.end());
    const std::size_t newline = footer.find('\n');
    if (newline == std::string::npos) throw TzifError("unterminated TZ string");
    zone.footer = footer.substr(0, newline);
  }
  return zone;
}

TzifZone LoadTzif(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw TzifError("cannot open zone file " + path);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                        std::istreambuf_iterator<char>());
  try {
    return ParseTzif(bytes);
  } catch (const TzifError& error) {
    throw TzifError(path + ": " + error.what());
  }
}

std::vector<OffsetChange> OffsetHistory(const TzifZone& zone, int lastYear) {
  std::vector<OffsetChange> history{
      {std::numeric_limits<std::int64_t>::min(), zone.initialUtcOffset}};
  const auto add = [&](const OffsetChange& change) {
    if (change.utcOffset != history.back().utcOffset) history.push_back(change);
  };
  for (const OffsetChange& change : zone.transitions) add(change);
  if (zone.footer.empty()) return history;
  const PosixTz tz = ParsePosixTz(zone.footer);
  const std::int64_t lastTransition =
      zone.transitions.empty() ? std::numeric_limits<std::int64_t>::min()
                               : zone.transitions.back().at;
  if (!tz.hasDaylight) {
    add({lastTransition == std::numeric_limits<std::int64_t>::min() ? lastTransition
                                                                    : lastTransition + 1,
         tz.standardOffset});
    return history;
  }
  const int firstYear =
      zone.transitions.empty()
          ? 1800
          : CivilFromDays(FloorDiv(lastTransition, kSecondsPerDay)).year;
  for (const OffsetChange& change : PosixTzChanges(tz, firstYear, lastYear))
    if (change.at > lastTransition) add(change);
  return history;
}

}  // namespace vyn::tz
