// Replays every saved fuzz input — the seed corpora in fuzz/corpus/ and every
// input a fuzzer once crashed on, in tests/data/fuzz-regressions/ — through
// the same invariant check the fuzzer runs (fuzz/Invariants.h), so a fixed
// crash stays fixed in the ordinary suite.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/Invariants.h"

namespace {

namespace fs = std::filesystem;
using tal::fuzz::RefDecimal;

struct Target {
  const char* name;  // the fuzzer, and the folder of its inputs
  std::string (*check)(std::string_view);
};

const Target kTargets[] = {
    {"decimal_fuzzer", &tal::fuzz::checkDecimalText},
    {"exchange_rates_fuzzer", &tal::fuzz::checkExchangeRateJson},
    {"unit_lookup_fuzzer", &tal::fuzz::checkUnitLookup},
    {"arabic_text_fuzzer", &tal::fuzz::checkArabicText},
};

std::vector<fs::path> savedInputs(const char* fuzzer) {
  const fs::path data = TAL_TEST_DATA_DIR;
  std::vector<fs::path> files;
  for (const fs::path& dir : {data / "fuzz-regressions" / fuzzer, data / ".." / ".." / "fuzz" / "corpus" / fuzzer}) {
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir))
      if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FuzzRegression : public testing::TestWithParam<Target> {
 protected:
  static void SetUpTestSuite() { tal::fuzz::installExampleRates(); }
};

TEST_P(FuzzRegression, EverySavedInputKeepsTheFuzzersInvariants) {
  const std::vector<fs::path> files = savedInputs(GetParam().name);
  ASSERT_FALSE(files.empty()) << "no saved inputs for " << GetParam().name;
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.string());
    EXPECT_EQ(GetParam().check(contents(file)), "");
  }
}

INSTANTIATE_TEST_SUITE_P(AllFuzzers, FuzzRegression, testing::ValuesIn(kTargets),
                         [](const testing::TestParamInfo<Target>& info) { return std::string(info.param.name); });

// The fuzzer's verdicts are only as good as its digit-string oracle, so the
// oracle is held to results worked out with Python's decimal module
// (prec 38, ROUND_HALF_EVEN) and by hand.
RefDecimal number(std::string_view text) { return tal::fuzz::ref::parse(text).value; }

TEST(FuzzOracle, ArithmeticRoundsOnceToThirtyEightDigits) {
  namespace ref = tal::fuzz::ref;
  struct Row {
    const char* what;
    RefDecimal got;
    const char* expected;
  };
  const ref::Quotient third = ref::divide(number("1"), number("3"), 38);
  const ref::Quotient twoThirds = ref::divide(number("-2"), number("3"), 38);
  const ref::Quotient exact = ref::divide(number("1"), number("8"), 38);
  const Row rows[] = {
      {"1/3", tal::fuzz::expectedDecimal(third.value, third.inexact).value(),
       "0.33333333333333333333333333333333333333"},
      {"-2/3", tal::fuzz::expectedDecimal(twoThirds.value, twoThirds.inexact).value(),
       "-0.66666666666666666666666666666666666667"},
      {"1/8", tal::fuzz::expectedDecimal(exact.value, exact.inexact).value(), "0.125"},
      // 10^38 - 1 + 0.5: a tie that carries into a 39th digit.
      {"tie carry",
       tal::fuzz::expectedDecimal(ref::add(number("99999999999999999999999999999999999999"), number("0.5"))).value(),
       "1E+38"},
      // Ties go to the even neighbour: ...2.5 → ...2, ...3.5 → ...4.
      {"tie to even down", tal::fuzz::expectedDecimal(number("12345678901234567890123456789012345672.5")).value(),
       "12345678901234567890123456789012345672"},
      {"tie to even up", tal::fuzz::expectedDecimal(number("12345678901234567890123456789012345673.5")).value(),
       "12345678901234567890123456789012345674"},
      {"difference", ref::add(number("1.000"), ref::negated(number("0.001"))), "0.999"},
      {"product", ref::multiply(number("-1.5"), number("1000")), "-1500"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.got, number(row.expected)) << row.what << ": " << ref::text(row.got);
}

TEST(FuzzOracle, RangeLimitsGiveNaNAboveAndZeroBelow) {
  EXPECT_FALSE(tal::fuzz::expectedDecimal(number("1e1000000")).has_value());
  // 9.99…95E+999999 rounds up across the top of the range.
  EXPECT_FALSE(tal::fuzz::expectedDecimal(number("9.99999999999999999999999999999999999995e999999")).has_value());
  EXPECT_TRUE(tal::fuzz::expectedDecimal(number("1e-1000000")).value().isZero());
  EXPECT_EQ(tal::fuzz::expectedDecimal(number("1e-999999")).value(), number("1e-999999"));
}

TEST(FuzzOracle, RoundingModesCutAtTheRequestedPlace) {
  namespace ref = tal::fuzz::ref;
  using Mode = ref::Mode;
  struct Row {
    const char* value;
    std::int64_t fractionDigits;
    Mode mode;
    const char* expected;
  };
  const Row rows[] = {
      {"2.5", 0, Mode::halfUp, "3"},      {"2.5", 0, Mode::halfEven, "2"},      {"2.5", 0, Mode::halfDown, "2"},
      {"-2.5", 0, Mode::halfUp, "-3"},    {"-2.1", 0, Mode::ceiling, "-2"},     {"-2.1", 0, Mode::floor, "-3"},
      {"2.1", 0, Mode::up, "3"},          {"2.9", 0, Mode::down, "2"},          {"0.004", 2, Mode::halfUp, "0"},
      {"0.005", 2, Mode::halfUp, "0.01"}, {"1234", -2, Mode::halfEven, "1200"}, {"0.0001", 0, Mode::up, "1"},
      {"-0.0001", 0, Mode::ceiling, "0"}, {"9.995", 2, Mode::halfEven, "10"},
  };
  for (const Row& row : rows) {
    const RefDecimal got = ref::roundAt(number(row.value), -row.fractionDigits, row.mode);
    EXPECT_EQ(got, number(row.expected)) << row.value << " at " << row.fractionDigits << ": " << ref::text(got);
  }
}

TEST(FuzzOracle, ParsesTheDocumentedNumberSyntaxOnly) {
  struct Row {
    const char* text;
    bool valid;
    std::size_t length;
  };
  const Row rows[] = {
      {" \t+1.5e3x", true, 8}, {".5", true, 2},  {"5.", true, 2}, {"5e", true, 1},   {"5e+", true, 1},
      {".", false, 0},         {"e5", false, 0}, {"-", false, 0}, {"- 5", false, 0}, {"", false, 0},
  };
  for (const Row& row : rows) {
    const auto parsed = tal::fuzz::ref::parse(row.text);
    EXPECT_EQ(parsed.valid, row.valid) << row.text;
    EXPECT_EQ(parsed.length, row.length) << row.text;
  }
}

}  // namespace
