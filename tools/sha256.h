#pragma once
// SHA-256 digest (FIPS 180-4), used to print a checksum of generated data
// files that can be compared with the output of sha256sum.
#include <cstdint>
#include <span>
#include <string>

namespace vyn::tools {

// The digest of the bytes as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::span<const std::uint8_t> bytes);

}  // namespace vyn::tools
