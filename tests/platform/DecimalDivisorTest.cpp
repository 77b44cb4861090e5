#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "TalFoundation/platform/Decimal.h"
#include "TalFoundation/platform/detail/WideInt.h"

namespace tal::platform {
namespace {

Decimal dec(std::string_view text) { return Decimal::fromString(text).value(); }

// The prepared division must be the plain one, digit for digit, so every
// case compares with a / b rather than with a value of its own.
void expectSameAsPlain(const Decimal& a, const Decimal& b) {
  const Decimal expected = a / b;
  const Decimal actual = a / DecimalDivisor(b);
  ASSERT_EQ(actual.isNaN(), expected.isNaN()) << a << " / " << b;
  if (expected.isNaN()) return;
  ASSERT_EQ(actual, expected) << a << " / " << b;
  ASSERT_EQ(actual.toScientificString(), expected.toScientificString()) << a << " / " << b;
  ASSERT_EQ(actual.description(), expected.description()) << a << " / " << b;
  ASSERT_EQ(actual.isNegative(), expected.isNegative()) << a << " / " << b;
}

class Operands {
 public:
  explicit Operands(std::uint64_t seed) : random_(seed) {}

  /// A coefficient of exactly `digits` digits, nonzero leading digit.
  std::string digits(int count) {
    std::string text(1, static_cast<char>('1' + pick(0, 8)));
    for (int i = 1; i < count; ++i) text += static_cast<char>('0' + pick(0, 9));
    return text;
  }
  Decimal make(int count, int exponent) {
    const std::string sign = pick(0, 1) == 0 ? "" : "-";
    return dec(sign + digits(count) + "E" + std::to_string(exponent));
  }
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

 private:
  std::mt19937_64 random_;
};

TEST(DecimalDivisorShape, IsSmallAndTriviallyCopyable) {
  static_assert(std::is_trivially_copyable_v<DecimalDivisor>);
  static_assert(sizeof(DecimalDivisor) <= 112);
  EXPECT_EQ(DecimalDivisor(dec("1.609344")).value(), dec("1.609344"));
  // Prepared by the compiler, for constant divisors.
  static constexpr DecimalDivisor kNine{Decimal(9)};
  EXPECT_EQ((Decimal(1) / kNine).description(), "0.11111111111111111111111111111111111111");
}

// Divisors of one word (up to 19 digits, and the 20-digit ones below 2^64)
// and of two, against dividends of every length; exponents small enough that
// nothing leaves the range.
TEST(DecimalDivisor, RandomOperandsDivideAsThePlainDivision) {
  Operands gen(20261207);
  for (int round = 0; round < 4000; ++round) {
    const int divisorDigits = round % 2 == 0 ? gen.pick(1, 20) : gen.pick(1, 38);
    const Decimal b = gen.make(divisorDigits, gen.pick(-40, 40));
    const DecimalDivisor prepared(b);
    for (int i = 0; i < 8; ++i) {
      const Decimal a = gen.make(gen.pick(1, 38), gen.pick(-60, 60));
      ASSERT_EQ((a / prepared).toScientificString(), (a / b).toScientificString()) << a << " / " << b;
      expectSameAsPlain(a, b);
    }
  }
}

// The unit factors whose quotients do not end, and coefficients at the word
// and digit boundaries where normalization shifts by 0 or 63 places.
TEST(DecimalDivisor, FactorsAndBoundaryDivisorsDivideAsThePlainDivision) {
  const std::vector<std::string> divisors = {
      "1", "3", "7", "9", "180", "1.609344", "0.3048", "0.9144", "1852", "0.0254", "3.1415926535897932384626433832795028842",
      "9223372036854775807", "9223372036854775808", "18446744073709551615", "18446744073709551616",
      "18446744073709551617", "99999999999999999999999999999999999999", "10000000000000000000000000000000000000",
      "170141183460469231731687303715884105727", "0.55555555555555555555555555555555555556", "2", "5E-7", "-3E+5"};
  Operands gen(7);
  std::vector<Decimal> dividends = {dec("1"), dec("-1"), dec("1.5"), dec("100"), dec("9.9999999999999999999999999999999999999"),
                                    dec("99999999999999999999999999999999999999"), dec("1E+37"), dec("18446744073709551615")};
  for (int i = 0; i < 200; ++i) dividends.push_back(gen.make(gen.pick(1, 38), gen.pick(-20, 20)));
  for (const auto& text : divisors) {
    const Decimal b = dec(text);
    for (const Decimal& a : dividends) expectSameAsPlain(a, b);
  }
}

// Exact quotients, ties of the 39th digit (an odd 38-digit coefficient
// halved, by a one- and a two-word divisor) and quotients that round up to
// the next power of ten.
TEST(DecimalDivisor, ExactQuotientsTiesAndCarriesMatchThePlainDivision) {
  Operands gen(11);
  for (int i = 0; i < 2000; ++i) {
    const Decimal b = gen.make(gen.pick(1, 19), gen.pick(-5, 5));
    const Decimal c = gen.make(gen.pick(1, 38 - 19), gen.pick(-5, 5));
    expectSameAsPlain(b * c, b);  // exact
    std::string odd = gen.digits(38);
    odd.back() = static_cast<char>('1' + 2 * gen.pick(0, 4));
    const Decimal tie = dec(odd);
    expectSameAsPlain(tie, dec("2"));
    expectSameAsPlain(tie, dec("-2E+25"));  // coefficient 2·10^25 needs two words
    expectSameAsPlain(tie, dec("0.4"));
  }
  expectSameAsPlain(dec("99999999999999999999999999999999999999.5"), dec("1"));
  expectSameAsPlain(dec("99999999999999999999999999999999999999"), dec("0.99999999999999999999999999999999999999"));
  expectSameAsPlain(dec("1"), dec("1.00000000000000000000000000000000000001"));
}

TEST(DecimalDivisor, NaNZeroAndTheEdgesOfTheRangeMatchThePlainDivision) {
  const Decimal nan = Decimal::nan();
  const std::vector<Decimal> values = {nan,           Decimal(),        dec("1"),           dec("-7"),
                                       dec("1E+999999"), dec("9.99E+999999"), dec("1E-999999"), dec("-3E-999999"),
                                       dec("1.5E+999990"), dec("2.5E-999990")};
  for (const Decimal& a : values)
    for (const Decimal& b : values) expectSameAsPlain(a, b);
  EXPECT_TRUE((dec("1") / DecimalDivisor(Decimal())).isNaN());
  EXPECT_TRUE((dec("1") / DecimalDivisor(nan)).isNaN());
  EXPECT_TRUE((nan / DecimalDivisor(dec("3"))).isNaN());
  EXPECT_TRUE((Decimal() / DecimalDivisor(dec("3"))).isZero());
}

// divideScaled divides by value() × 10^k, whose product is exact.
TEST(DecimalDivisor, ScaledByAPowerOfTenDividesAsTheProduct) {
  Operands gen(3);
  const std::vector<std::pair<std::string, int>> cases = {
      {"1.609344", -3}, {"1.609344", 3}, {"0.3048", 2}, {"9", -38}, {"1852", 0}, {"0.0254", 999990}, {"0.0254", -999990},
      {"12345678901234567890123", -10}, {"7E+999990", 9}, {"7E+999990", 10}, {"7E-999990", -9}, {"7E-999990", -10},
      {"1.5E+999990", 9}, {"1.5E+999990", 10}, {"1.5E-999990", -9}, {"1.5E-999990", -10}, {"0", 5}};
  for (const auto& [text, k] : cases) {
    const Decimal b = dec(text);
    const Decimal product = b * dec("1E" + std::to_string(k));
    const DecimalDivisor divisor(b);
    std::vector<Decimal> dividends = {Decimal(), Decimal::nan()};
    for (int i = 0; i < 50; ++i) dividends.push_back(gen.make(gen.pick(1, 38), gen.pick(-10, 10)));
    for (const Decimal& a : dividends) {
      const Decimal expected = a / product;
      const Decimal actual = divideScaled(a, divisor, k);
      ASSERT_EQ(actual.isNaN(), expected.isNaN()) << a << " / " << text << "E" << k;
      if (!expected.isNaN()) {
        ASSERT_EQ(actual.toScientificString(), expected.toScientificString()) << a;
      }
    }
  }
}

// multiplyThenDivide rounds twice, as the two operators do; every case
// compares with (a × b) / divisor written out.
void expectSameAsTwoSteps(const Decimal& a, const Decimal& b, const Decimal& c) {
  const Decimal expected = (a * b) / c;
  const Decimal actual = multiplyThenDivide(a, b, DecimalDivisor(c));
  ASSERT_EQ(actual.isNaN(), expected.isNaN()) << a << " × " << b << " / " << c;
  if (expected.isNaN()) return;
  ASSERT_EQ(actual.toScientificString(), expected.toScientificString()) << a << " × " << b << " / " << c;
  ASSERT_EQ(actual.isNegative(), expected.isNegative()) << a << " × " << b << " / " << c;
}

// A short factor by a long one in either order (the fused road), both
// short or both long (the two steps), over divisors short and long.
TEST(MultiplyThenDivide, RandomOperandsMatchTheTwoSteps) {
  Operands gen(7);
  for (int round = 0; round < 3000; ++round) {
    const Decimal c = gen.make(round % 3 == 0 ? gen.pick(19, 38) : gen.pick(1, 18), gen.pick(-20, 20));
    const Decimal shortOne = gen.make(gen.pick(1, 19), gen.pick(-30, 30));
    const Decimal longOne = gen.make(gen.pick(20, 38), gen.pick(-30, 30));
    expectSameAsTwoSteps(shortOne, longOne, c);
    expectSameAsTwoSteps(longOne, shortOne, c);
    expectSameAsTwoSteps(shortOne, gen.make(gen.pick(1, 19), 0), c);
    expectSameAsTwoSteps(longOne, gen.make(gen.pick(20, 38), 0), c);
  }
}

// Products that round to a carry, ties, 20-digit factors beyond one cut,
// and products or quotients at or past the edges of the range.
TEST(MultiplyThenDivide, EdgesMatchTheTwoSteps) {
  const Decimal nan = Decimal::nan();
  const std::vector<Decimal> shortOnes = {Decimal(),
                                          nan,
                                          dec("180"),
                                          dec("-17"),
                                          dec("5"),
                                          dec("18446744073709551615"),
                                          dec("1E+999990"),
                                          dec("-3E-999990"),
                                          dec("9E+999961"),
                                          dec("1E-999961")};
  const std::vector<Decimal> longOnes = {dec("3.1415926535897932384626433832795028842"),
                                         dec("58823529411764705882352941176470588235"),
                                         dec("20000000000000000000000000000000000001"),
                                         dec("-99999999999999999999999999999999999999"),
                                         dec("18446744073709551616"),
                                         dec("1.2345678901234567890123456789012345678E+999960"),
                                         dec("1.2345678901234567890123456789012345678E-999960")};
  const std::vector<Decimal> divisors = {dec("180"), dec("1"), dec("-0.3"), dec("3.1415926535897932384626433832795028842"),
                                         Decimal(), nan, dec("1E-999990"), dec("7E+999990")};
  for (const Decimal& a : shortOnes)
    for (const Decimal& b : longOnes)
      for (const Decimal& c : divisors) {
        expectSameAsTwoSteps(a, b, c);
        expectSameAsTwoSteps(b, a, c);
      }
}

// A prepared factor: 38-digit ones take the split road, shorter ones and
// NaN the plain one; both must give what the two operators give.
TEST(MultiplyThenDivide, PreparedFactorMatchesTheTwoSteps) {
  static_assert(std::is_trivially_copyable_v<DecimalFactor>);
  static constexpr DecimalFactor kPrepared{Decimal(7)};  // prepared by the compiler
  EXPECT_EQ(kPrepared.value(), Decimal(7));
  Operands gen(25);
  auto check = [](const Decimal& a, const Decimal& b, const Decimal& c) {
    const Decimal expected = (a * b) / c;
    const Decimal actual = multiplyThenDivide(a, DecimalFactor(b), DecimalDivisor(c));
    ASSERT_EQ(actual.isNaN(), expected.isNaN()) << a << " × " << b << " / " << c;
    if (!expected.isNaN()) {
      ASSERT_EQ(actual.toScientificString(), expected.toScientificString()) << a << " × " << b << " / " << c;
    }
  };
  for (int round = 0; round < 3000; ++round) {
    const Decimal b = gen.make(round % 4 == 0 ? gen.pick(1, 37) : 38, gen.pick(-30, 30));
    const Decimal c = gen.make(round % 3 == 0 ? gen.pick(19, 38) : gen.pick(1, 18), gen.pick(-20, 20));
    check(gen.make(gen.pick(1, 19), gen.pick(-30, 30)), b, c);
    check(gen.make(gen.pick(20, 38), gen.pick(-30, 30)), b, c);
  }
  const Decimal pi = dec("3.1415926535897932384626433832795028842");
  const std::vector<Decimal> values = {Decimal(), Decimal::nan(), dec("180"), dec("-1"), dec("99999999999999999999"),
                                       dec("18446744073709551615"), dec("9E+999961"), dec("1E-999961"),
                                       dec("5"), dec("2")};
  const std::vector<Decimal> factors = {pi, dec("-99999999999999999999999999999999999999"),
                                        dec("20000000000000000000000000000000000001"),
                                        dec("10000000000000000000000000000000000000"), Decimal::nan(), Decimal(),
                                        dec("1.2345678901234567890123456789012345678E+999960")};
  // A product past the top of the range stays NaN even where the divisor
  // would bring the quotient back.
  const std::vector<Decimal> divisors = {dec("180"), dec("1"), dec("-0.3"), pi, Decimal(), Decimal::nan(),
                                         dec("1E-999990"), dec("7E+999990")};
  for (const Decimal& a : values)
    for (const Decimal& b : factors)
      for (const Decimal& c : divisors) check(a, b, c);
}

// The multiplier that stands in for dividing by a short coefficient is
// 2^188·10^m / d rounded up: R·d reaches 2^188·10^m and (R − 1)·d stays
// below it. Rounded down instead, exact quotients would come out one short.
TEST(DecimalDivisorReciprocal, IsTheQuotientRoundedUp) {
  using detail::WideInt;
  const std::uint64_t divisors[] = {1, 2, 3, 7, 9, 10, 180, 1609344, 3048, 999999999999999999, 123456789012345678,
                                    500000000000000000, 64, 625};
  for (const std::uint64_t d : divisors) {
    const int digits = detail::digitCount(detail::Uint128(d));
    for (const int m : {digits - 1, digits}) {
      const auto r = detail::scaledReciprocal(d, m);
      WideInt<4> target;  // 10^m · 2^188
      target.w[2] = detail::kPow10Word[static_cast<std::size_t>(m)] << 60;
      target.w[3] = detail::kPow10Word[static_cast<std::size_t>(m)] >> 4;
      const WideInt<4> upper = detail::multiply(WideInt<3>{{r[0], r[1], r[2]}}, WideInt<1>{{d}});
      std::array<std::uint64_t, 3> less = r;
      for (auto& word : less)
        if (word-- != 0) break;
      const WideInt<4> lower = detail::multiply(WideInt<3>{{less[0], less[1], less[2]}}, WideInt<1>{{d}});
      EXPECT_GE(detail::compare(upper, target), 0) << d << " m=" << m;
      EXPECT_LT(detail::compare(lower, target), 0) << d << " m=" << m;
    }
  }
}

}  // namespace
}  // namespace tal::platform
