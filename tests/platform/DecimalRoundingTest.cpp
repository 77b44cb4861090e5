// Decimal::rounded in all seven modes: replays
// tests/data/decimal_rounding_vectors.txt (tools/gen_rounding_vectors.py,
// Python's Decimal.quantize), and the fraction-digit counts at the ends of
// int64 that the vectors cannot reach.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <limits>
#include <string>
#include <string_view>

#include "TalFoundation/platform/Decimal.h"

namespace tal::platform {
namespace {

using Rounding = Decimal::Rounding;

constexpr std::array<std::pair<std::string_view, Rounding>, 7> kModes{{
    {"halfUp", Rounding::halfUp},
    {"halfEven", Rounding::halfEven},
    {"halfDown", Rounding::halfDown},
    {"down", Rounding::down},
    {"up", Rounding::up},
    {"ceiling", Rounding::ceiling},
    {"floor", Rounding::floor},
}};

Decimal parse(const std::string& text) {
  if (text == "NaN") return Decimal::nan();
  return Decimal::fromString(text).value_or(Decimal::nan());
}

bool same(const Decimal& a, const Decimal& b) { return a.isNaN() ? b.isNaN() : a == b; }

TEST(DecimalRounding, ReplaysQuantizeInEveryMode) {
  std::ifstream in(std::string(TAL_TEST_DATA_DIR) + "/decimal_rounding_vectors.txt");
  ASSERT_TRUE(in) << "missing tests/data/decimal_rounding_vectors.txt";
  std::array<std::size_t, kModes.size()> perMode{};
  std::size_t mismatches = 0;
  std::string value;
  std::string digits;
  std::string mode;
  std::string expected;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const auto t1 = line.find('\t');
    const auto t2 = line.find('\t', t1 + 1);
    const auto t3 = line.find('\t', t2 + 1);
    value = line.substr(0, t1);
    digits = line.substr(t1 + 1, t2 - t1 - 1);
    mode = line.substr(t2 + 1, t3 - t2 - 1);
    expected = line.substr(t3 + 1);
    std::size_t m = 0;
    while (m < kModes.size() && kModes[m].first != mode) ++m;
    ASSERT_LT(m, kModes.size()) << line;
    ++perMode[m];
    const Decimal actual = parse(value).rounded(std::stoll(digits), kModes[m].second);
    if (!same(actual, parse(expected)) && ++mismatches <= 20) {
      ADD_FAILURE() << value << " to " << digits << " digits, " << mode << ": got " << actual.description()
                    << ", expected " << expected;
    }
  }
  EXPECT_EQ(mismatches, 0U);
  for (std::size_t m = 0; m < kModes.size(); ++m) EXPECT_GT(perMode[m], 3000U) << kModes[m].first;
}

// Rounding 123.45 or -123.45 to a place 10^(2^63) wide: nearest and toward-
// zero modes give 0; away from zero overflows the exponent range to NaN.
TEST(DecimalRounding, FractionDigitsAtTheEndsOfInt64AreDefined) {
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  const Decimal positive = Decimal::fromString("123.45").value();
  const Decimal negative = Decimal::fromString("-123.45").value();
  struct Case {
    Rounding mode;
    bool positiveIsNaN;
    bool negativeIsNaN;
  };
  for (const Case c : {Case{Rounding::halfUp, false, false}, Case{Rounding::halfEven, false, false},
                       Case{Rounding::halfDown, false, false}, Case{Rounding::down, false, false},
                       Case{Rounding::up, true, true}, Case{Rounding::ceiling, true, false},
                       Case{Rounding::floor, false, true}}) {
    const auto mode = static_cast<int>(c.mode);
    const Decimal p = positive.rounded(kMin, c.mode);
    const Decimal n = negative.rounded(kMin, c.mode);
    EXPECT_EQ(p.isNaN(), c.positiveIsNaN) << "mode " << mode;
    EXPECT_EQ(n.isNaN(), c.negativeIsNaN) << "mode " << mode;
    EXPECT_TRUE(c.positiveIsNaN || p.isZero()) << "mode " << mode;
    EXPECT_TRUE(c.negativeIsNaN || n.isZero()) << "mode " << mode;
    EXPECT_EQ(positive.rounded(kMax, c.mode), positive) << "mode " << mode;
    EXPECT_EQ(negative.rounded(kMax, c.mode), negative) << "mode " << mode;
    EXPECT_EQ(positive.rounded(kMin + 1, c.mode).isNaN(), c.positiveIsNaN) << "mode " << mode;
  }
}

}  // namespace
}  // namespace tal::platform
