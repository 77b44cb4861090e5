// Hash mixing that is right on both 32- and 64-bit size_t: 64-bit inputs
// are mixed down rather than truncated, and the combining constant has the
// width of size_t. Used by Decimal and TalUnit.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tal::platform::detail {

/// A 64-bit value mixed to size_t: every input bit reaches every output bit
/// (the SplitMix64 finalizer, then the high half folded into the low one
/// where size_t has 32 bits).
constexpr std::size_t hashWord(std::uint64_t v) noexcept {
  v = (v ^ (v >> 30)) * 0xbf58476d1ce4e5b9u;
  v = (v ^ (v >> 27)) * 0x94d049bb133111ebu;
  v ^= v >> 31;
  if constexpr (sizeof(std::size_t) < sizeof(std::uint64_t)) v ^= v >> 32;
  return static_cast<std::size_t>(v);
}

/// 2^w / φ for the width w of size_t.
inline constexpr std::size_t kGoldenRatio =
    static_cast<std::size_t>(sizeof(std::size_t) < sizeof(std::uint64_t) ? 0x9e3779b9u : 0x9e3779b97f4a7c15u);

/// Folds `value`, already a hash, into `seed` (the Boost hash_combine step).
constexpr std::size_t hashCombine(std::size_t seed, std::size_t value) noexcept {
  return seed ^ (value + kGoldenRatio + (seed << 6) + (seed >> 2));
}

}  // namespace tal::platform::detail
