// Checks a catalogue's records against rows typed from its table, with
// coefficients worked out independently (Python's decimal, 38 digits).
#pragma once

#include <gtest/gtest.h>

#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "TalFoundation/units/TalUnit.h"

namespace tal::testing {

struct ExpectedUnit {
  std::string_view name;
  std::string_view symbol;
  std::string_view coefficient;         // decimal text of the exact expected value
  std::string_view baseNumerator = {};  // empty: absent
  bool platformBacked = false;          // has a platform unit
  bool isBase = false;
  bool inverse = false;
  bool uiBase = false;
  int system = 1;                       // TalSystemOfUnits raw value
  std::string_view region = {};         // TalUnitRegion raw value, empty: absent
  bool customaryGeneral = false;        // useCustomaryName general
  std::string_view key = {};            // localizationKey, empty: absent
  std::string_view symbolKey = {};      // empty: absent
  std::string_view numsInName = {};     // joined with '|', empty: absent
  std::string_view numsInSymbol = {};   // joined with '|', empty: absent
  std::string_view offset = "0";
};

inline std::string joined(const std::optional<std::vector<std::string>>& parts) {
  if (!parts) return {};
  std::string out;
  for (const auto& p : *parts) out += (out.empty() ? "" : "|") + p;
  return out;
}

inline void expectDecimal(const Decimal& actual, std::string_view expected, const std::string& what) {
  const auto value = Decimal::fromString(expected);
  ASSERT_TRUE(value.has_value()) << what << ": bad expected text " << expected;
  EXPECT_EQ(actual, *value) << what << ": got " << actual.description() << ", expected " << expected;
}

/// Every record against its row: count, order and every field.
inline void expectCatalogue(const std::vector<TalUnit>& units, TalUnitCategory category,
                            std::span<const ExpectedUnit> rows) {
  ASSERT_EQ(units.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const TalUnit& u = units[i];
    const ExpectedUnit& row = rows[i];
    const std::string where = "#" + std::to_string(i + 1) + " " + std::string(row.name);
    EXPECT_EQ(u.category(), category) << where;
    EXPECT_EQ(u.name(), row.name) << where;
    EXPECT_EQ(u.symbol(), row.symbol) << where;
    EXPECT_EQ(u.id(), std::string(category.rawValue()) + "_" + std::string(row.symbol)) << where;
    expectDecimal(u.coefficient(), row.coefficient, where + " coefficient");
    if (row.baseNumerator.empty()) {
      EXPECT_FALSE(u.baseNumerator().has_value()) << where;
    } else if (u.baseNumerator()) {
      expectDecimal(*u.baseNumerator(), row.baseNumerator, where + " baseNumerator");
    } else {
      ADD_FAILURE() << where << ": baseNumerator missing";
    }
    expectDecimal(u.offset(), row.offset, where + " offset");
    EXPECT_EQ(u.dimension() != nullptr, row.platformBacked) << where;
    EXPECT_EQ(u.isBaseUnit(), row.isBase) << where;
    EXPECT_EQ(u.inverse(), row.inverse) << where;
    EXPECT_EQ(u.isUIBaseUnit(), row.uiBase) << where;
    EXPECT_EQ(u.systemOfUnits().rawValue(), row.system) << where;
    EXPECT_EQ(u.region() ? std::string(u.region()->rawValue()) : std::string(), row.region) << where;
    EXPECT_EQ(u.useCustomaryName() == TalUnitCustomaryNameStrategy::general, row.customaryGeneral) << where;
    EXPECT_EQ(u.localizationKey().value_or(""), row.key) << where;
    EXPECT_EQ(u.symbolKey().value_or(""), row.symbolKey) << where;
    EXPECT_EQ(u.symbolNeedLocalized(), !row.symbolKey.empty()) << where;
    EXPECT_EQ(joined(u.numsInName()), row.numsInName) << where;
    EXPECT_EQ(joined(u.numsInSymbol()), row.numsInSymbol) << where;
  }
}

}  // namespace tal::testing
