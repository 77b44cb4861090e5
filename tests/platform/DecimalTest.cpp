#include "TalFoundation/platform/Decimal.h"
#include "TalFoundation/platform/detail/WideInt.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <type_traits>
#include <unordered_set>

namespace tal::platform {
namespace {

Decimal dec(std::string_view text) { return Decimal::fromString(text).value(); }

TEST(DecimalShape, IsSmallAndTriviallyCopyable) {
  static_assert(sizeof(Decimal) <= 24);
  static_assert(std::is_trivially_copyable_v<Decimal>);
  static_assert(!std::is_convertible_v<double, Decimal>, "doubles must go through fromDouble");
}

TEST(DecimalArithmetic, OneThirdCarriesThirtyEightDigits) {
  EXPECT_EQ((Decimal(1) / Decimal(3)).description(), "0.33333333333333333333333333333333333333");
  EXPECT_EQ((Decimal(2) / Decimal(3)).description(), "0.66666666666666666666666666666666666667");
}

TEST(DecimalArithmetic, DecimalFractionsAddExactly) {
  EXPECT_EQ(0.1_dec + 0.2_dec, 0.3_dec);
  EXPECT_EQ((1.5_dec * Decimal(1000)).description(), "1500");
}

// Sums whose operands sit up to 76 places apart, where the smaller one only
// decides the last digit or the rounding. Expected values from Python's
// decimal module (38 digits, half to even).
TEST(DecimalArithmetic, SumsOfFarApartOperandsRoundOnce) {
  struct Case {
    const char* a;
    const char* b;
    const char* sum;
  };
  const Case cases[] = {
      {"1E+76", "-9.9999999999999999999999999999999999999E+37", "9.9999999999999999999999999999999999999E+75"},
      {"1E+76", "5.0000000000000000000000000000000000000E+37", "1E+76"},  // tie, stays even
      {"9.9999999999999999999999999999999999999E+75", "5E+37", "1.0000000000000000000000000000000000000E+76"},
      {"1.2345678901234567890123456789012345678", "273.15", "274.38456789012345678901234567890123457"},
      {"1.2345678901234567890123456789012345678", "-459.67", "-458.43543210987654321098765432109876543"},
      {"1E+38", "-1", "99999999999999999999999999999999999999"},  // the borrow runs through every digit
      {"1E+57", "-1", "1.0000000000000000000000000000000000000E+57"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(dec(c.a) + dec(c.b), dec(c.sum)) << c.a << " + " << c.b;
    EXPECT_EQ(dec(c.b) + dec(c.a), dec(c.sum)) << c.b << " + " << c.a;
    EXPECT_EQ(-dec(c.a) - dec(c.b), -dec(c.sum)) << "-" << c.a << " - " << c.b;
  }
}

TEST(DecimalArithmetic, DivisionByZeroAndNaNOperandsGiveNaN) {
  const Decimal nan = Decimal::nan();
  for (const Decimal& r : {Decimal(1) / Decimal(0), Decimal(0) / Decimal(0), nan + Decimal(1), Decimal(1) - nan,
                           nan * Decimal(0), Decimal(1) / nan, pow(nan, 2), pow(Decimal(2), -1)}) {
    EXPECT_TRUE(r.isNaN()) << r;
  }
}

TEST(DecimalArithmetic, OverflowIsNaNAndUnderflowIsZero) {
  const Decimal big = dec("9.9E+999999");
  EXPECT_TRUE((big * Decimal(10)).isNaN());
  EXPECT_TRUE((big + big).isNaN());
  const Decimal tiny = dec("1E-999999");
  EXPECT_TRUE((tiny / Decimal(10)).isZero());
  EXPECT_FALSE((tiny / Decimal(10)).isNegative());
  EXPECT_TRUE(dec("1e1000000").isNaN());
  EXPECT_TRUE(dec("-1e-1000000").isZero());
}

// A value's leading digit decides whether it is in range, whatever its
// exponent field: a 38-digit coefficient reaches 37 places higher than a
// one-digit one with the same field.
TEST(DecimalArithmetic, RangeEdgesFollowTheLeadingDigit) {
  struct Case {
    const char* text;
    bool finite;
    bool zero;
  };
  const Case cases[] = {
      {"9.9999999999999999999999999999999999999E+999999", true, false},
      {"9.9999999999999999999999999999999999999E+1000000", false, false},
      {"1E+999999", true, false},
      {"1E+1000000", false, false},
      {"1.2345678901234567890123456789012345678E-999999", true, false},
      {"1.2345678901234567890123456789012345678E-1000000", true, true},
      {"1E-999999", true, false},
      {"1E-1000036", true, true},
      {"12345678901234567890123456789012345678E-1000036", true, false},
  };
  for (const Case& c : cases) {
    const Decimal d = dec(c.text);
    EXPECT_EQ(d.isFinite(), c.finite) << c.text;
    EXPECT_EQ(d.isZero(), c.zero) << c.text;
  }
  // The same edges reached by arithmetic rather than by parsing.
  const Decimal top = dec("9.9999999999999999999999999999999999999E+999998");
  EXPECT_TRUE((top * Decimal(10)).isFinite());
  EXPECT_TRUE((top * Decimal(100)).isNaN());
  const Decimal bottom = dec("1.2345678901234567890123456789012345678E-999998");
  EXPECT_FALSE((bottom / Decimal(10)).isZero());
  EXPECT_TRUE((bottom / Decimal(100)).isZero());
}

// A one-word factor times a 38-digit one: the product's extra digits are cut
// at once, ties go to the even neighbour, and a carry out of 38 nines moves
// the exponent.
TEST(DecimalArithmetic, ShortTimesLongRoundsTheCutDigitsOnce) {
  struct Case {
    const char* shortFactor;
    const char* longFactor;
    const char* product;
  };
  const Case cases[] = {
      {"17", "58823529411764705882352941176470588235", "1E+39"},  // 17·b = 10^39 − 5
      {"5", "20000000000000000000000000000000000001", "1E+38"},   // tie, even stays
      {"5", "20000000000000000000000000000000000003", "1.0000000000000000000000000000000000002E+38"},
      {"-3", "3.3333333333333333333333333333333333333", "-9.9999999999999999999999999999999999999"},
      {"180", "3.1415926535897932384626433832795028842", "565.48667764616278292327580899031051916"},
      {"12345678901234567890", "0.12345678901234567890123456789012345678",
       "1524157875323883675.0342935775034293576"},
      // 20 digits by 38: 20 digits too many, more than one cut handles.
      {"18446744073709551615", "99999999999999999999999999999999999999", "1.8446744073709551615E+57"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ((dec(c.shortFactor) * dec(c.longFactor)).toScientificString(), dec(c.product).toScientificString())
        << c.shortFactor << " × " << c.longFactor;
    EXPECT_EQ((dec(c.longFactor) * dec(c.shortFactor)).toScientificString(), dec(c.product).toScientificString())
        << c.longFactor << " × " << c.shortFactor;
  }
}

// Short factors of 1 to 20 digits, so every cut from none to 20 digits is
// taken; products from Python's decimal at 38 digits, half to even.
TEST(DecimalArithmetic, ShortTimesLongCutsEveryWidth) {
  const std::array<std::array<const char*, 3>, 20> cases = {{
      {"1", "1594330672271.2458439216947605589592967", "1594330672271.2458439216947605589592967"},
      {"11", "569312384431071457188529018.47943362844", "6262436228741786029073819203.2737699128"},
      {"827", "9479629885845.5703565931191563153636995", "7839653915594286.6849025095422728057795"},
      {"9724", "0.011273044155060246661696238135612595798", "109.61908136380583853833421963069688154"},
      {"14603", "8155325.8030612466969447800667362035814", "119092222702.10338551548462331454878090"},
      {"949519", "14663007283001089392947253999950.494696", "13922804012347911399301883670778993773"},
      {"3178640", "0.80513931177533776755963219925703590546", "2559248.0219815596414757492938463846105"},
      {"88150027", "71454445442468765981276815664466141538", "6.2987112950236486679062327952967133172E+45"},
      {"621277975", "550723299642668081.39049004645396142699", "342152256387315049203418840.31857308609"},
      {"3278477833", "46619624195405055279603354804286573.559", "1.5284140450742593419031921575828758479E+44"},
      {"91492393514", "6627904523172176344626214515353403222.5", "6.0640284880728928969834369767889236241E+47"},
      {"412024501214", "349691707.09310743132352264445868286122", "144081551193709775248.39117744852306693"},
      {"7511783969890", "6969.0176353654109094774261292058905227", "52349754959218606.822385455474185440384"},
      {"73738426249259", "21005.177788036622812595069219628324535", "1548888753175711806.8246739452610753148"},
      {"489311919964804", "832241740952932334325884411061141.58351", "4.0722580414053036982450100043546259789E+47"},
      {"4241026259900695", "3518489805.5227559677944212019896777973", "14922007660414897456850417.317757162790"},
      {"78196049466843641", "0.56761439389858461521631819273976225496", "44385203223386193.933724789513239881250"},
      {"508862409235801987", "760943674129757029144868424000950.33815", "3.8721563131041117079021815952473389259E+50"},
      {"3256785506049135704", "5552784541459.3709686317076091957007844", "18084228212838575436121849373599.351502"},
      {"11461471505599076233", "71100.399473647276784170559889750645445", "814915202603919820764086.70058284221737"},
  }};
  for (const auto& [shortFactor, longFactor, product] : cases)
    EXPECT_EQ((dec(shortFactor) * dec(longFactor)).toScientificString(), dec(product).toScientificString())
        << shortFactor << " × " << longFactor;
}

TEST(DecimalArithmetic, LeadingExponentIsThePowerOfTheFirstDigit) {
  const std::pair<const char*, std::int64_t> cases[] = {
      {"1500", 3}, {"1.5", 0}, {"0.05", -2}, {"-0.05", -2}, {"9.99", 0}, {"10", 1},
      {"12345678901234567890123456789012345678", 37}, {"1E+999999", 999999}, {"1E-999999", -999999},
      {"0", 0},
  };
  for (const auto& [text, lead] : cases) EXPECT_EQ(dec(text).leadingExponent(), lead) << text;
  EXPECT_EQ(Decimal::nan().leadingExponent(), 0);
}

TEST(DecimalArithmetic, ZeroHasNoSign) {
  const Decimal z = dec("-0.000");
  EXPECT_TRUE(z.isZero());
  EXPECT_FALSE(z.isNegative());
  EXPECT_EQ(z.description(), "0");
  EXPECT_EQ((Decimal(3) - Decimal(3)).description(), "0");
  EXPECT_EQ((-Decimal(0)).description(), "0");
}

TEST(DecimalArithmetic, PowerOfZeroIsOneAndSmallPowersAreExact) {
  EXPECT_EQ(pow(0.3048_dec, 0), Decimal(1));
  EXPECT_EQ(pow(Decimal(0), 0), Decimal(1));
  EXPECT_EQ(pow(0.3048_dec, 3).description(), "0.028316846592");
  EXPECT_EQ(pow(Decimal(10), 30).description(), "1000000000000000000000000000000");
  EXPECT_EQ(pow(Decimal(-2), 3), Decimal(-8));
  EXPECT_EQ(pow(dec("1e-5"), 3).toScientificString(), "1E-15");
}

TEST(DecimalCompare, ComparesByValue) {
  EXPECT_EQ(dec("1.5"), dec("1.50"));
  EXPECT_EQ(std::hash<Decimal>{}(dec("1.5")), std::hash<Decimal>{}(dec("1.500")));
  EXPECT_LT(dec("-2"), dec("-1.9"));
  EXPECT_LT(dec("0.99999999999999999999999999999999999999"), Decimal(1));
  EXPECT_GT(dec("1e-999999"), Decimal(0));
  const std::unordered_set<Decimal> set{dec("100"), dec("1E+2"), dec("100.000")};
  EXPECT_EQ(set.size(), 1u);
}

TEST(DecimalCompare, NaNIsUnorderedAndUnequalToItself) {
  const Decimal nan = Decimal::nan();
  EXPECT_FALSE(nan == nan);
  EXPECT_TRUE(nan != nan);
  EXPECT_FALSE(nan < Decimal(0));
  EXPECT_FALSE(nan > Decimal(0));
  EXPECT_EQ(nan <=> nan, std::partial_ordering::unordered);
  EXPECT_FALSE(nan.isFinite());
  EXPECT_FALSE(nan.isZero());
}

struct ParseCase {
  const char* text;
  const char* expected;  // description, or nullptr for absent
  friend void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class DecimalParse : public testing::TestWithParam<ParseCase> {};

TEST_P(DecimalParse, ReadsTheNumberAtTheStart) {
  const auto value = Decimal::fromString(GetParam().text);
  if (GetParam().expected == nullptr) {
    EXPECT_FALSE(value.has_value()) << value->description();
  } else {
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->description(), GetParam().expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    OddTexts, DecimalParse,
    testing::Values(ParseCase{"0.55555555555556", "0.55555555555556"}, ParseCase{" 12abc", "12"},
                    ParseCase{"abc", nullptr}, ParseCase{"", nullptr}, ParseCase{"-", nullptr},
                    ParseCase{".", nullptr}, ParseCase{"e5", nullptr}, ParseCase{"+.e1", nullptr},
                    ParseCase{"NaN", nullptr}, ParseCase{".5", "0.5"}, ParseCase{"5.", "5"},
                    ParseCase{"1e", "1"}, ParseCase{"1e+", "1"}, ParseCase{"2E5x", "200000"},
                    ParseCase{"-1.25e-3", "-0.00125"}, ParseCase{"1e3", "1000"}, ParseCase{"1.2.3", "1.2"},
                    ParseCase{"\t\n 7", "7"}, ParseCase{"--1", nullptr},
                    // 39 digits ending in 5 on an even 38th digit: ties to even, once.
                    ParseCase{"1.00000000000000000000000000000000000025", "1.0000000000000000000000000000000000002"},
                    ParseCase{"0e99999999999999999999", "0"}));

TEST(DecimalText, DescriptionIsPlainNotation) {
  EXPECT_EQ(dec("1e3").description(), "1000");
  EXPECT_EQ(dec("1.50").description(), "1.5");
  EXPECT_EQ(dec("1e-5").description(), "0.00001");
  EXPECT_EQ(dec("-123.456").description(), "-123.456");
  EXPECT_EQ(Decimal::nan().description(), "NaN");
  EXPECT_EQ(Decimal::pi().description(), "3.1415926535897932384626433832795028842");
  EXPECT_EQ(Decimal(std::numeric_limits<std::int64_t>::min()).description(), "-9223372036854775808");
}

TEST(DecimalText, ScientificFormReadsBack) {
  for (const char* text : {"1.5E+3", "-1E-5", "9.9999999999999999999999999999999999999E+999999", "1E-999999"}) {
    EXPECT_EQ(dec(text).toScientificString(), text);
  }
}

TEST(DecimalHash, EqualValuesHashAlikeWhateverTheirTrailingZeros) {
  const std::hash<Decimal> hash;
  EXPECT_EQ(hash(dec("1.5")), hash(dec("1.500")));
  EXPECT_EQ(hash(dec("1E+37")), hash(dec("10000000000000000000000000000000000000")));
  EXPECT_EQ(hash(dec("12345678901234567890123456789012345678E+5")),
            hash(dec("1234567890123456789012345678901234567800000E0")));
  EXPECT_EQ(hash(dec("-0.000")), hash(Decimal(0)));
  EXPECT_EQ(hash(Decimal::nan()), hash(Decimal::nan()));
}

// Values that differ only in the high word of the coefficient, the
// exponent or the sign must not collide as a rule: a hash that dropped any
// of them would put all of a row into a few buckets.
TEST(DecimalHash, EveryPartOfTheValueReachesTheHash) {
  const std::hash<Decimal> hash;
  std::unordered_set<std::size_t> seen;
  int values = 0;
  for (int i = 1; i <= 200; ++i) {
    const std::string high = std::to_string(i) + "00000000000000000000000000000001";  // above 2^64
    for (const std::string& text : {high, high + "E-7", "-" + high, std::to_string(i) + "E+" + std::to_string(i),
                                    std::to_string(i) + "E-" + std::to_string(i)}) {
      seen.insert(hash(dec(text)));
      ++values;
    }
  }
  EXPECT_GE(seen.size(), static_cast<std::size_t>(values) - 2);
}

// Coefficients k·2^64 + 1 differ only in their high 64 bits.
TEST(DecimalHash, TheHighWordOfTheCoefficientCounts) {
  const std::hash<Decimal> hash;
  const Decimal twoTo64 = dec("18446744073709551616");
  std::unordered_set<std::size_t> seen;
  for (int k = 1; k <= 100; ++k) seen.insert(hash(Decimal(k) * twoTo64 + Decimal(1)));
  EXPECT_GE(seen.size(), 99u);
}

TEST(DecimalDouble, ConvertsThroughShortestDigits) {
  EXPECT_EQ(Decimal::fromDouble(0.1), 0.1_dec);
  EXPECT_EQ(Decimal::fromDouble(1.5e-7), dec("1.5e-7"));
  EXPECT_TRUE(Decimal::fromDouble(std::numeric_limits<double>::infinity()).isNaN());
  EXPECT_TRUE(Decimal::fromDouble(std::nan("")).isNaN());
  EXPECT_EQ((0.1_dec).toDouble(), 0.1);
  EXPECT_EQ(dec("123456789012345678901234567890").toDouble(), 123456789012345678901234567890.0);
  EXPECT_EQ(dec("-1e400").toDouble(), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(dec("1e-400").toDouble(), 0.0);
  EXPECT_TRUE(std::isnan(Decimal::nan().toDouble()));
}

}  // namespace
}  // namespace tal::platform
