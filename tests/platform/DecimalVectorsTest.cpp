// Replays tests/data/decimal_vectors.txt, written by tools/gen_decimal_vectors.py
// with Python's decimal module (38 digits, half to even), against Decimal.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TalFoundation/platform/Decimal.h"

namespace tal::platform {
namespace {

std::vector<std::string> splitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

Decimal operand(const std::string& text) {
  if (text == "NaN") return Decimal::nan();
  return Decimal::fromString(text).value_or(Decimal::nan());
}

std::string fromHex(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return bytes;
}

std::string compareText(const Decimal& a, const Decimal& b) {
  const auto order = a <=> b;
  if (order == std::partial_ordering::unordered) return "U";
  return order < 0 ? "-1" : order > 0 ? "1" : "0";
}

/// |a - b| is at most one unit of a's 38th digit.
bool withinOneUnit(const Decimal& actual, const Decimal& expected) {
  if (actual.isNaN() || expected.isNaN()) return actual.isNaN() && expected.isNaN();
  if (expected.isZero()) return actual.isZero();
  const std::string sci = expected.toScientificString();
  const auto e = sci.find('E');
  const std::string ulp = "1E" + std::to_string(std::stoll(sci.substr(e + 1)) - 37);
  return (actual - expected).magnitude() <= Decimal::fromString(ulp).value();
}

TEST(DecimalVectors, ReplayWithoutMismatch) {
  std::ifstream in(TAL_TEST_DATA_DIR "/decimal_vectors.txt");
  ASSERT_TRUE(in) << "missing tests/data/decimal_vectors.txt";
  std::string line;
  std::size_t count = 0;
  std::size_t mismatches = 0;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const auto f = splitTabs(line);
    ++count;
    std::string actual;
    std::string expected;
    bool ok = true;
    const std::string& op = f.at(0);
    if (op == "add" || op == "sub" || op == "mul" || op == "div") {
      const Decimal a = operand(f.at(1));
      const Decimal b = operand(f.at(2));
      const Decimal r = op == "add" ? a + b : op == "sub" ? a - b : op == "mul" ? a * b : a / b;
      actual = r.toScientificString();
      expected = f.at(3);
      ok = actual == expected;
    } else if (op == "pow") {
      const Decimal r = pow(operand(f.at(1)), std::stoll(f.at(2)));
      actual = r.toScientificString();
      expected = f.at(3);
      ok = f.at(4) == "exact" ? actual == expected : withinOneUnit(r, operand(expected));
    } else if (op == "cmp") {
      actual = compareText(operand(f.at(1)), operand(f.at(2)));
      expected = f.at(3);
      ok = actual == expected;
    } else if (op == "parse") {
      const auto r = Decimal::fromString(fromHex(f.at(1)));
      actual = r ? r->toScientificString() : "ABSENT";
      expected = f.at(2);
      ok = actual == expected;
    } else if (op == "desc") {
      actual = operand(f.at(1)).description();
      expected = f.at(2);
      ok = actual == expected;
    } else {
      ADD_FAILURE() << "unknown vector kind: " << line;
      continue;
    }
    if (!ok && ++mismatches <= 20) ADD_FAILURE() << line << "\n  got " << actual;
  }
  EXPECT_EQ(mismatches, 0u);
  EXPECT_GE(count, 100000u);
}

}  // namespace
}  // namespace tal::platform
