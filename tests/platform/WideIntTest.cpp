#include "TalFoundation/platform/detail/WideInt.h"

#include <gtest/gtest.h>

#include <array>
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

struct ScaledProductRow {
  std::uint64_t xHigh, xLow;
  std::array<std::uint64_t, 3> r;  // least significant word first
  std::uint64_t high, low;         // floor(x·r / 2^188), from Python
};
// Products whose bits below the cut are all ones, or 0…01, catch any carry
// dropped or added on the way up.
constexpr ScaledProductRow kScaledProducts[] = {
    {0x5944c9c3269e0d37, 0xf2a74de452e6b439, {0xefd4a7253efb05f7, 0xdc9dc0785d775eee, 0x0e9718276ab86e25}, 0x5167307dfd43fb12, 0x368dfc7403c7b733},  // every bit below the cut set
    {0x0000000d128b2f33, 0x0c5c7fd0a6a3a451, {0x8dd0516b463fdb4f, 0xc65324fa924e3990, 0x015fc95192a365b0}, 0x000000011f6b48f5, 0xa025790bd278205c},  // a word and a half, every bit below the cut set
    {0x4a98cc2e5d9dc9f8, 0x1818e811892f902b, {0x0000000000000000, 0x7d00000000000000, 0x0b75c91bb557fb51}, 0x356e3355a7c2cb57, 0x58d3a04edc1fbc7f},  // bits 120 to 187 set, the ones below clear
    {0x1b7b3ae681e74ef5, 0xe8e25d940ed90475, {0x0000000000000000, 0xc41dc61a83a65423, 0x0a4a858372dc28cb}, 0x11ad04129b1fde67, 0x87b3b436f658a983},  // bits 64 to 187 set
    {0x7fffffffffffffff, 0xffffffffffffffff, {0xffffffffffffffff, 0xffffffffffffffff, 0x0fffffffffffffff}, 0x7fffffffffffffff, 0xfffffffffffffffe},  // all ones
    {0x4b3b4ca85a86c47a, 0x098a223fffffffff, {0xdb6db6db6db6db6e, 0x6db6db6db6db6db6, 0x16db6db6db6db6db}, 0x6b7948f08152cf89, 0xc47c30edb6db6db5},  // 38 nines, R for 10/7
    {0x0000000000000000, 0x0000000000000001, {0xffffffffffffffff, 0xffffffffffffffff, 0xffffffffffffffff}, 0x0000000000000000, 0x000000000000000f},  // x = 1
    {0x76d6d7ea8f4d3e27, 0xdda1494c73cf256d, {0x27b8ae63a305ac65, 0xe12da28046175041, 0x00638df8bd899058}, 0x02e36fd4cbf406b3, 0xba3c47ee66e6985c},  // bits below the cut 0…01: a carry dropped borrows from the result
    {0x39d5a43b7734d7c1, 0xc7fde805ec99108d, {0x0000000000000000, 0x0000000000000000, 0x0cefff6ca24f3245}, 0x2ec3bdb767e5f7d1, 0x0f0c408d6983d523},  // bits below the cut: only bit 128 set
};

TEST(WideInt, MultiplyScaledIsTheExactShiftedProduct) {
  for (const ScaledProductRow& row : kScaledProducts) {
    SCOPED_TRACE(::testing::Message() << std::hex << row.xHigh << ":" << row.xLow);
    EXPECT_EQ(words(multiplyScaled(Uint128::fromWords(row.xHigh, row.xLow), row.r)), Words(row.high, row.low));
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
