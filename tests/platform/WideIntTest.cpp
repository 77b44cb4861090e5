#include "TalFoundation/platform/detail/WideInt.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace tal::platform::detail {
namespace {

struct WideDivisionRow {
  WideInt<4> dividend;
  std::uint64_t divisor[2];  // high, low
  std::uint64_t quotient[2];
  std::uint64_t remainder[2];
};

// Quotients below 2^128, divisors of every normalising shift from 0 to 63,
// one word or two. Values from Python integers.
constexpr WideDivisionRow kWideDivisions[] = {
    {{{0xffffffffffffffff, 0xffffffffffffffff, 0x0000000000003038, 0x8000000000000000}}, {0x8000000000000000, 0x0000000000003039}, {0xffffffffffffffff, 0xffffffffffffffff}, {0x8000000000000000, 0x0000000000003038}},  // top bit set: no normalising shift
    {{{0x0000000000000000, 0x0000000000000000, 0x7f6e5d4c3b2a1908, 0x7f6e5d4c3b2a1908}}, {0x8000000000000000, 0x0000000000000000}, {0xfedcba9876543210, 0xfedcba9876543210}, {0x0000000000000000, 0x0000000000000000}},  // exactly 2^127, exact quotient
    {{{0xfffffffffffffffe, 0xfffffffffffffffe, 0x0000000000000000, 0x0000000000000001}}, {0x0000000000000001, 0x0000000000000001}, {0xffffffffffffffff, 0xfffffffffffffffe}, {0x0000000000000001, 0x0000000000000000}},  // high word 1: a shift of 63
    {{{0xfedcba987654320f, 0x0123456789abcdf0, 0x02468acf13579bde, 0x0000000000000000}}, {0x0000000000000001, 0xffffffffffffffff}, {0x0123456789abcdef, 0x0123456789abcdef}, {0x0000000000000001, 0xfffffffffffffffe}},  // a shift of 62, the largest remainder
    {{{0x000000000000001a, 0x2000000000000000, 0x0000000000000001, 0x0000000000000000}}, {0x6000000000000000, 0x0000000000000007}, {0x0000000000000000, 0x0000000000000003}, {0x0000000000000000, 0x0000000000000005}},  // a small quotient
    {{{0xf675ddbfffffffff, 0x2c3a5949170e4b85, 0x0764b4abe8652979, 0x161bcca7119915b5}}, {0x4b3b4ca85a86c47a, 0x098a223fffffffff}, {0x4b3b4ca85a86c47a, 0x098a223fffffffff}, {0x4b3b4ca85a86c47a, 0x098a223ffffffffe}},  // 38 nines by itself
    {{{0xd697843000000015, 0xa30e2a6f22e42c72, 0xb3f07877973d50f3, 0x0235fadd81c2822b}}, {0x0785ee10d5da46d9, 0x00f436a000000003}, {0x4b3b4ca85a86c47a, 0x098a224000000007}, {0x00c097ce7bc90715, 0xb34b9f1000000000}},  // a coefficient-sized divisor
    {{{0xffffffffffffffff, 0xffffffffffffffff, 0xfffffffffffffffe, 0x0000000000000000}}, {0x0000000000000000, 0xffffffffffffffff}, {0xffffffffffffffff, 0xffffffffffffffff}, {0x0000000000000000, 0xfffffffffffffffe}},  // one-word divisor, top bit set
    {{{0xffffffffffffffff, 0xffffffffffffffff, 0x0000000000000009, 0x0000000000000000}}, {0x0000000000000000, 0x000000000000000a}, {0xffffffffffffffff, 0xffffffffffffffff}, {0x0000000000000000, 0x0000000000000009}},  // one-word divisor, a shift of 60
    {{{0xffffffffffffffff, 0xffffffffffffffff, 0x0000000000000000, 0x0000000000000000}}, {0x0000000000000000, 0x0000000000000001}, {0xffffffffffffffff, 0xffffffffffffffff}, {0x0000000000000000, 0x0000000000000000}},  // divisor one
};

// Both bodies: the one that works out the reciprocal, and the one given it.
using Words = std::pair<std::uint64_t, std::uint64_t>;  // high, low
Words words(Uint128 x) { return {x.high(), x.low()}; }

// Both bodies: the one that works out the reciprocal, and the one given it.
TEST(WideInt, FourWordsByTwoGiveQuotientAndRemainder) {
  for (const WideDivisionRow& row : kWideDivisions) {
    const Uint128 divisor = Uint128::fromWords(row.divisor[0], row.divisor[1]);
    const Words quotient{row.quotient[0], row.quotient[1]};
    const Words remainder{row.remainder[0], row.remainder[1]};
    SCOPED_TRACE(::testing::Message() << std::hex << "divisor " << row.divisor[0] << ":" << row.divisor[1]);
    const Division128 computed = divide(row.dividend, divisor);
    EXPECT_EQ(words(computed.quotient), quotient);
    EXPECT_EQ(words(computed.remainder), remainder);
    const Division128 prepared = divide(row.dividend, divisor, normalizedInverse(divisor));
    EXPECT_EQ(words(prepared.quotient), quotient);
    EXPECT_EQ(words(prepared.remainder), remainder);
  }
}

struct ReciprocalRow {
  std::uint64_t d1, d0;    // a normalized divisor
  std::uint64_t inverse;   // floor((2^192 - 1) / divisor) - 2^64, from Python
};
constexpr ReciprocalRow kReciprocals[] = {
    {0x8000000000000000, 0x0000000000000000, 0xffffffffffffffff},
    {0x8000000000000000, 0x0000000000003039, 0xffffffffffffffff},
    {0xffffffffffffffff, 0xffffffffffffffff, 0x0000000000000000},
    {0x96769950b50d88f4, 0x1314447ffffffffe, 0xb38fb9daa78e44ab},  // 38 nines
    {0x8000000000000000, 0xffffffffffffffff, 0xfffffffffffffffc},
    {0xffffffffffffffff, 0x0000000000000000, 0x0000000000000001},
    {0xf0bdc21abb48db20, 0x1e86d40000000060, 0x1039d428a8b8eaea},  // 10^37 + 3
    {0xd3c21bcecceda100, 0x0000000000000001, 0x357c299a88ea76a5},
};

// The reciprocal is exact, not just close: the division's corrections
// assume it.
TEST(WideInt, TwoWordReciprocalIsExact) {
  for (const ReciprocalRow& row : kReciprocals) {
    SCOPED_TRACE(::testing::Message() << std::hex << row.d1 << ":" << row.d0);
    EXPECT_EQ(reciprocalOf(row.d1, row.d0).inverse, row.inverse);
  }
}

struct WordReciprocalRow {
  std::uint64_t normalized;
  std::uint64_t inverse;  // floor((2^128 - 1) / normalized) - 2^64, from Python
};
constexpr WordReciprocalRow kWordReciprocals[] = {
    {0x8000000000000000, 0xffffffffffffffff},  // 2^63: the largest reciprocal
    {0xffffffffffffffff, 0x0000000000000001},  // all ones: the smallest
    {0x8000000000000001, 0xfffffffffffffffc},  // odd, just above 2^63
    {0xfffffffffffffffe, 0x0000000000000002},  // even, just below all ones
    {0x8ac7230489e80000, 0xd83c94fb6d2ac34a},  // 10^19
    {0x807fffffffffffff, 0xfe01fe01fe01fe05},  // the last of the first seed
    {0x8080000000000000, 0xfe01fe01fe01fe01},  // the first of the second
    {0xff80000000000000, 0x0080402010080402},  // the first of the last
    {0xd3c21bcecceda101, 0x357c299a88ea76a4},  // odd
    {0x96769950b50d88f4, 0xb38fb9daa78e44ab},  // the top word of 38 nines
};

// Without a division, by Newton steps from a seed table: exact on every
// row, and against a word division on both ends of every seed and on a
// spread of others.
TEST(WideInt, WordReciprocalIsExact) {
  for (const WordReciprocalRow& row : kWordReciprocals) {
    SCOPED_TRACE(::testing::Message() << std::hex << row.normalized);
    EXPECT_EQ(reciprocalWord(row.normalized), row.inverse);
  }
  const auto byDivision = [](std::uint64_t n) { return (~Uint128(0u) / n).low(); };
  for (std::uint64_t top = 256; top < 512; ++top) {
    const std::uint64_t first = top << 55;
    const std::uint64_t last = first | ((std::uint64_t{1} << 55) - 1);
    for (const std::uint64_t n : {first, first + 1, last - 1, last}) {
      ASSERT_EQ(reciprocalWord(n), byDivision(n)) << std::hex << n;
    }
  }
  std::uint64_t x = 0x9e3779b97f4a7c15;
  for (int i = 0; i < 20000; ++i) {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    const std::uint64_t n = x | (std::uint64_t{1} << 63);
    ASSERT_EQ(reciprocalWord(n), byDivision(n)) << std::hex << n;
  }
}

}  // namespace
}  // namespace tal::platform::detail
