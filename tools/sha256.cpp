#include "tools/sha256.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <vector>

namespace vyn::tools {
namespace {

constexpr std::size_t kBlockBytes = 64;
using State = std::array<std::uint32_t, 8>;

constexpr std::array<std::uint32_t, 64> kRoundConstants = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1,
    0x923f82a4, 0xab1c5ed5, 0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3,
    0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174, 0xe49b69c1, 0xefbe4786,
    0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147,
    0x06ca6351, 0x14292967, 0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13,
    0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85, 0xa2bfe8a1, 0xa81a664b,
    0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a,
    0x5b9cca4f, 0x682e6ff3, 0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208,
    0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

constexpr State kInitialState = {0x6a09e667, 0xbb67ae85, 0x3c6ef372,
                                 0xa54ff53a, 0x510e527f, 0x9b05688c,
                                 0x1f83d9ab, 0x5be0cd19};

std::uint32_t BigEndianWord(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) |
         (std::uint32_t{p[2]} << 8) | std::uint32_t{p[3]};
}

std::array<std::uint32_t, 64> MessageSchedule(const std::uint8_t* block) {
  std::array<std::uint32_t, 64> w{};
  for (int i = 0; i < 16; ++i) w[i] = BigEndianWord(block + 4 * i);
  for (int i = 16; i < 64; ++i) {
    const std::uint32_t s0 = std::rotr(w[i - 15], 7) ^
                             std::rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
    const std::uint32_t s1 = std::rotr(w[i - 2], 17) ^
                             std::rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
    w[i] = w[i - 16] + s0 + w[i - 7] + s1;
  }
  return w;
}

void Compress(State& state, const std::uint8_t* block) {
  const auto w = MessageSchedule(block);
  State v = state;  // a, b, c, d, e, f, g, h
  for (int i = 0; i < 64; ++i) {
    const std::uint32_t s1 =
        std::rotr(v[4], 6) ^ std::rotr(v[4], 11) ^ std::rotr(v[4], 25);
    const std::uint32_t choice = (v[4] & v[5]) ^ (~v[4] & v[6]);
    const std::uint32_t t1 = v[7] + s1 + choice + kRoundConstants[i] + w[i];
    const std::uint32_t s0 =
        std::rotr(v[0], 2) ^ std::rotr(v[0], 13) ^ std::rotr(v[0], 22);
    const std::uint32_t majority = (v[0] & v[1]) ^ (v[0] & v[2]) ^ (v[1] & v[2]);
    for (int j = 7; j > 0; --j) v[j] = v[j - 1];
    v[4] += t1;
    v[0] = t1 + s0 + majority;
  }
  for (int j = 0; j < 8; ++j) state[j] += v[j];
}

// The message tail after the last whole block, padded with 0x80, zeros and
// the message length in bits: one or two blocks.
std::vector<std::uint8_t> PaddedTail(std::span<const std::uint8_t> tail,
                                     std::uint64_t totalBytes) {
  const std::size_t blocks = tail.size() + 9 > kBlockBytes ? 2 : 1;
  std::vector<std::uint8_t> padded(blocks * kBlockBytes, 0);
  std::copy(tail.begin(), tail.end(), padded.begin());
  padded[tail.size()] = 0x80;
  const std::uint64_t bits = totalBytes * 8;
  for (int i = 0; i < 8; ++i)
    padded[padded.size() - 1 - i] = static_cast<std::uint8_t>(bits >> (8 * i));
  return padded;
}

}  // namespace

std::string Sha256Hex(std::span<const std::uint8_t> bytes) {
  State state = kInitialState;
  const std::size_t whole = bytes.size() / kBlockBytes * kBlockBytes;
  for (std::size_t offset = 0; offset < whole; offset += kBlockBytes)
    Compress(state, bytes.data() + offset);
  const auto tail = PaddedTail(bytes.subspan(whole), bytes.size());
  for (std::size_t offset = 0; offset < tail.size(); offset += kBlockBytes)
    Compress(state, tail.data() + offset);

  static constexpr char kHex[] = "0123456789abcdef";
  std::string text;
  for (std::uint32_t word : state)
    for (int shift = 28; shift >= 0; shift -= 4) text += kHex[(word >> shift) & 0xF];
  return text;
}

}  // namespace vyn::tools
