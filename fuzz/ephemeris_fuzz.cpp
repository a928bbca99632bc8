// Fuzzes the ephemeris reader with whole files: a file either opens or is
// refused, and an open file reads every body at moments across its range
// (first day, last day, and between), or refuses the moment.
#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/ephemeris.h"
#include "engine/horoscope_exception.h"
#include "fuzz/fuzz_input_file.h"

namespace {

constexpr std::array<long double, 6> kFractions = {0.0L, 1e-9L, 0.25L, 0.5L, 0.999L, 1.0L};

void ReadAcrossRange(vyn::TEphemeris& ephemeris) {
  const long double first = ephemeris.FirstJD(), end = ephemeris.EndJD();
  for (const long double fraction : kFractions) {
    vyn::TBodyReadings readings;
    try {
      ephemeris.ReadBodies("11111111111", first + (end - first) * fraction, readings);
    } catch (const vyn::EHoroscopeException&) {
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static vyn::fuzz::TFuzzInputFile file("VYN.LNG");
  vyn::TEphemeris ephemeris;
  try {
    ephemeris.Open(file.Write(data, size));
  } catch (const std::runtime_error&) {
    return 0;
  }
  ReadAcrossRange(ephemeris);
  return 0;
}
