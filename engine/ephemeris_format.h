#pragma once
// Layout of the ephemeris file "VYN.LNG": fixed 80-byte records without a
// header, record k covering the 32 days [32k, 32k + 32) after the epoch.
// A record holds 40 little-endian signed 16-bit longitudes in whole arc
// minutes (0 to 21599): each body's values at days 32k + j*S for its
// tabulation step S, the bodies one after the other in slot order.
#include <array>
#include <cstdint>

namespace vyn::ephemeris_format {

inline constexpr long double kEpochJD = 2268911.5L;  // 1499-12-11 0h UT, Julian
inline constexpr int kRecordDays = 32;
inline constexpr int kRecordBytes = 80;
inline constexpr int kBodyCount = 11;  // Sun, Moon, Mercury..Pluto, North Node
inline constexpr int kArcMinutesPerCircle = 21600;

// Tabulation step in days per body slot 1..11 (index 0 unused).
inline constexpr std::array<int, kBodyCount + 1> kStepDays = {
    0, 32, 2, 4, 8, 8, 16, 32, 32, 32, 32, 32};

constexpr int ValuesPerRecord(int slot) { return kRecordDays / kStepDays[slot]; }

// Byte offset of a body's first value within a record: each body starts
// 64/S bytes after the previous one (S of the previous body).
constexpr int FirstByte(int slot) {
  int offset = 0;
  for (int s = 1; s < slot; ++s) offset += 2 * ValuesPerRecord(s);
  return offset;
}

// The signed 16-bit little-endian value stored at `bytes`.
inline int StoredValue(const unsigned char* bytes) {
  return static_cast<std::int16_t>(bytes[0] | (bytes[1] << 8));
}

static_assert(FirstByte(kBodyCount + 1) == kRecordBytes,
              "the steps must fill an 80-byte record exactly");
static_assert(FirstByte(2) == 2 && FirstByte(3) == 34 && FirstByte(11) == 78);

}  // namespace vyn::ephemeris_format
