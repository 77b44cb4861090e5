#include "TalFoundation/platform/detail/DoubleParse.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>

namespace tal::platform::detail {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

std::uint64_t bitsOf(double x) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}

// Exact decimal expansions of binary values, written out by Python's
// decimal module.
constexpr const char* kHalfOfSmallestSubnormal =
    "2.4703282292062327208828439643411068618252990130716238221279284125033775363510437593264991818081"
    "799618989828234772285886546332835517796989819938739800539093906315035659515570226392290858392449"
    "105184435931802849936536152500319370457678249219365623669863658480757001585769269903706311928279"
    "558551332927834338409351978015531246597263579574622766465272827220056374006485499977096599470454"
    "020828166226237857393450736339007967761930577506740176324673600968951340535537458516661134223766"
    "678604162159680461914467291840300530057530849048765391711386591646239524912623653881879636239373"
    "280423891018672348497668235089863388587925628302755995657524455507255189313690836254779186948667"
    "994968324049705821028513185451396213837722826145437693412532098591327667236328125e-324";

constexpr const char* kThreeAndAHalfSmallestSubnormals =
    "1.7292297604443629046179907750387748032777093091501366754895498887523642754457306315285494272657"
    "259733292879764340600120582432984862457892873957117860377365734420524961660899158474603600874714"
    "373629105152261994955575306750223559320374774453555936568904560936529901110038488932594418349795"
    "690985933049484036886546384610871872618084505702235936525690979054039461804539849983967619629317"
    "814579716358366500175415515437305577433351404254718123427271520678265938374876220961662793956636"
    "675022913511776323340127104288210371040271594334135774197970614152367667438836557717315745367561"
    "296296723713070643948367764562904372011547939811929196960267118855078632519583585378345430864067"
    "5964778268347940747199592298159773496864059783018063853887724690139293670654296875e-323";

constexpr const char* kHalfwayAboveMax =
    "179769313486231580793728971405303415079934132710037826936173778980444968292764750946649017977587"
    "207096330286416692887910946555547851940402630657488671505820681908902000708383676273854845817711"
    "531764475730270069855571366959622842914819860834936475292719074168444365510704342711559699508093"
    "042880177904174497792";

constexpr const char* kJustBelowHalfwayAboveMax =
    "179769313486231580793728971405303415079934132710037826936173778980444968292764750946649017977587"
    "207096330286416692887910946555547851940402630657488671505820681908902000708383676273854845817711"
    "531764475730270069855571366959622842914819860834936475292719074168444365510704342711559699508093"
    "042880177904174497791";

// The value 1 + 2^-53, halfway between 1 and the next double.
constexpr const char* kHalfwayAboveOne = "1.00000000000000011102230246251565404236316680908203125";

/// The value of `exact` (in scientific notation) plus a nonzero digit far
/// past its last one.
std::string justAbove(std::string exact) {
  return exact.insert(exact.find('e'), std::string(900, '0') + "1");
}

struct HardCase {
  std::string text;
  double expected;
  bool outOfRange;
};

// Expected doubles as hexadecimal literals (from Python's float.hex()):
// ties, the subnormal and overflow boundaries, and digits far past the 17th.
TEST(DoubleParse, HardCasesRoundToTheNearestDoubleTiesToEven) {
  const std::string kFarZeros(900, '0');
  const std::string kFarNines(900, '9');
  std::string justBelowOne = kHalfwayAboveOne;
  justBelowOne.back() = '4';
  const HardCase cases[] = {
      {"1e23", 0x1.52d02c7e14af6p+76, false},
      {"0.1", 0x1.999999999999ap-4, false},
      {"9007199254740993", 0x1p+53, false},  // 2^53 + 1: a tie, to even
      {"9007199254740993.000000000000000000000000001", 0x1.0000000000001p+53, false},
      {"9007199254740995", 0x1.0000000000002p+53, false},  // a tie, to even upwards
      {kHalfwayAboveOne, 0x1p+0, false},
      {kHalfwayAboveOne + kFarZeros + "1", 0x1.0000000000001p+0, false},  // a nonzero digit past 900
      {justBelowOne + kFarNines, 0x1p+0, false},
      {"4.9406564584124654e-324", 0x1p-1074, false},
      {"2.4703282292062327e-324", 0.0, true},
      {"2.4703282292062328e-324", 0x1p-1074, false},
      {kHalfOfSmallestSubnormal, 0.0, true},  // a tie, to even zero
      {justAbove(kHalfOfSmallestSubnormal), 0x1p-1074, false},
      {kThreeAndAHalfSmallestSubnormals, 0x0.0000000000004p-1022, false},  // a tie, to even 4
      {"2.2250738585072011e-308", 0x0.fffffffffffffp-1022, false},
      {"2.2250738585072014e-308", 0x1p-1022, false},
      {"1.7976931348623157e308", 0x1.fffffffffffffp+1023, false},
      {kJustBelowHalfwayAboveMax, 0x1.fffffffffffffp+1023, false},
      {kHalfwayAboveMax, kInf, true},
      {"1e309", kInf, true},
      {"-1e309", -kInf, true},
      {"1e-400", 0.0, true},
      {"1" + std::string(1000, '0') + "e-1000", 1.0, false},
      {"0." + std::string(1000, '0') + "1e1001", 1.0, false},
      {"123456789012345678901234567890", 0x1.8ee90ff6c373ep+96, false},
      {"0.000001e99999999999999999999", kInf, true},
      {"1e-99999999999999999999", 0.0, true},
  };
  for (const HardCase& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 60));
    const DoubleFromText r = readDouble(c.text);
    EXPECT_EQ(bitsOf(r.value), bitsOf(c.expected)) << std::hexfloat << r.value << " vs " << c.expected;
    EXPECT_EQ(r.outOfRange, c.outOfRange);
    EXPECT_EQ(r.length, c.text.size());
  }
}

TEST(DoubleParse, SignIsKeptOnZeroAndInfinity) {
  EXPECT_TRUE(std::signbit(readDouble("-0").value));
  EXPECT_TRUE(std::signbit(readDouble("-1e-400").value));
  EXPECT_FALSE(std::signbit(readDouble("0.000").value));
  EXPECT_EQ(readDouble("-2.5").value, -2.5);
  EXPECT_FALSE(readDouble("-0").outOfRange);  // zero is exact
}

TEST(DoubleParse, DigitsAndExponentGiveTheNearestDouble) {
  EXPECT_EQ(decimalToDouble("1", -400, false).value, 0.0);
  EXPECT_TRUE(decimalToDouble("1", -400, false).outOfRange);
  EXPECT_EQ(decimalToDouble("17976931348623157", 292, false).value, 0x1.fffffffffffffp+1023);
  EXPECT_EQ(decimalToDouble("000125", -3, true).value, -0.125);
  EXPECT_EQ(decimalToDouble("", 5, false).value, 0.0);
  EXPECT_EQ(decimalToDouble("33333333333333333333333333333333333333", -38, false).value, 0x1.5555555555555p-2);
}

struct SyntaxCase {
  const char* text;
  double expected;
  std::size_t length;
};

// What C's strtod reads in the "C" locale, white space aside.
TEST(DoubleParse, ReadsWhatStrtodReads) {
  const SyntaxCase cases[] = {
      {"0x10", 16.0, 4},
      {"0x1.8p1", 3.0, 7},
      {"0X.8P-1", 0.25, 7},
      {"0x", 0.0, 1},  // the "0" only
      {"0xg", 0.0, 1},
      {"0x1p", 1.0, 3},
      {"0x0.01p4", 0.0625, 8},  // zeros after the point still scale
      {"0x123456789abcdef123p0", 0x1.23456789abcdfp+68, 22},
      {"0x1p-1074", 0x1p-1074, 9},
      {"0x1p-1075", 0.0, 9},  // a tie, to even zero
      {"0x1.8p-1075", 0x1p-1074, 11},
      {"0x1.fffffffffffff7ffffp1023", 0x1.fffffffffffffp+1023, 27},
      {"0x1.fffffffffffff8p1023", kInf, 23},
      {"1e", 1.0, 1},
      {"1e+", 1.0, 1},
      {"1e+5x", 1e5, 4},
      {"1E-2", 0.01, 4},
      {".5", 0.5, 2},
      {"1.", 1.0, 2},
      {"1.2.3", 1.2, 3},
      {"+7", 7.0, 2},
      {"inf", kInf, 3},
      {"-Infinity", -kInf, 9},
      {"infinit", kInf, 3},
  };
  for (const SyntaxCase& c : cases) {
    SCOPED_TRACE(c.text);
    const DoubleFromText r = readDouble(c.text);
    EXPECT_EQ(bitsOf(r.value), bitsOf(c.expected)) << std::hexfloat << r.value;
    EXPECT_EQ(r.length, c.length);
  }
  const std::string_view notNumbers[] = {"", ".", "+", "-.e1", " 1", "e5", "x1", std::string_view("\0" "1", 2)};
  for (const std::string_view text : notNumbers) {
    SCOPED_TRACE(text);
    EXPECT_EQ(readDouble(text).length, 0u);
  }
  struct NanCase {
    const char* text;
    std::size_t length;
  };
  for (const NanCase c : {NanCase{"nan", 3}, NanCase{"NaN(abc_1)", 10}, NanCase{"nan(", 3}, NanCase{"nan(a b)", 3}}) {
    SCOPED_TRACE(c.text);
    const DoubleFromText r = readDouble(c.text);
    EXPECT_TRUE(std::isnan(r.value));
    EXPECT_EQ(r.length, c.length);
  }
}

// Any double printed with its shortest digits, or with more digits than it
// needs, reads back as itself.
TEST(DoubleParse, RandomDoublesRoundTripThroughTheirDigits) {
  std::mt19937_64 random(20261207);
  int checked = 0;
  for (int i = 0; i < 10000; ++i) {
    const std::uint64_t bits = random();
    double x = 0.0;
    std::memcpy(&x, &bits, sizeof x);
    if (!std::isfinite(x)) continue;
    char text[64];
    const char* end = std::to_chars(text, text + sizeof text, x).ptr;
    const std::string shortest(text, static_cast<std::size_t>(end - text));
    end = std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, 24).ptr;
    const std::string longer(text, static_cast<std::size_t>(end - text));
    for (const std::string& s : {shortest, longer}) {
      const DoubleFromText r = readDouble(s);
      ASSERT_EQ(bitsOf(r.value), bitsOf(x)) << s;
      ASSERT_EQ(r.length, s.size()) << s;
    }
    ++checked;
  }
  EXPECT_GT(checked, 9800);
}

}  // namespace
}  // namespace tal::platform::detail
