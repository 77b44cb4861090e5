#include "TalFoundation/catalogues/TalUnitTemperature.h"

#include <gtest/gtest.h>

#include <array>

#include "TalFoundation/catalogues/TalUnitAngle.h"
#include "TalFoundation/catalogues/detail/TemperatureScales.h"
#include "TalFoundation/units/TalMeasurement.h"

namespace tal {
namespace {

Decimal dec(std::string_view text) { return Decimal::fromString(text).value(); }

struct PairCase {
  std::size_t from;
  std::size_t to;
  const char* value;
  const char* expected;  // worked out with Python's decimal, 38 digits
};

// Every ordered pair of the eight scales (K, °C, °F, °R, °Ré, °Rø, °N, °De)
// at two values.
constexpr std::array<PairCase, 112> kPairs = {{
    {0, 1, "100", "-173.15"},
    {0, 2, "100", "-279.67"},
    {0, 3, "100", "180"},
    {0, 4, "100", "-138.52"},
    {0, 5, "100", "-83.40375"},
    {0, 6, "100", "-57.1395"},
    {0, 7, "100", "409.725"},
    {1, 0, "100", "373.15"},
    {1, 2, "100", "212"},
    {1, 3, "100", "671.67"},
    {1, 4, "100", "80"},
    {1, 5, "100", "60"},
    {1, 6, "100", "33"},
    {1, 7, "100", "0"},
    {2, 0, "100", "310.92777777777777777777777777777777778"},
    {2, 1, "100", "37.777777777777777777777777777777777778"},
    {2, 3, "100", "559.67"},
    {2, 4, "100", "30.222222222222222222222222222222222222"},
    {2, 5, "100", "27.333333333333333333333333333333333333"},
    {2, 6, "100", "12.466666666666666666666666666666666667"},
    {2, 7, "100", "93.333333333333333333333333333333333335"},
    {3, 0, "100", "55.555555555555555555555555555555555556"},
    {3, 1, "100", "-217.59444444444444444444444444444444444"},
    {3, 2, "100", "-359.67"},
    {3, 4, "100", "-174.07555555555555555555555555555555555"},
    {3, 5, "100", "-106.73708333333333333333333333333333333"},
    {3, 6, "100", "-71.806166666666666666666666666666666665"},
    {3, 7, "100", "476.39166666666666666666666666666666666"},
    {4, 0, "100", "398.15"},
    {4, 1, "100", "125"},
    {4, 2, "100", "257"},
    {4, 3, "100", "716.67"},
    {4, 5, "100", "73.125"},
    {4, 6, "100", "41.25"},
    {4, 7, "100", "-37.5"},
    {5, 0, "100", "449.34047619047619047619047619047619048"},
    {5, 1, "100", "176.19047619047619047619047619047619048"},
    {5, 2, "100", "349.14285714285714285714285714285714286"},
    {5, 3, "100", "808.81285714285714285714285714285714286"},
    {5, 4, "100", "140.95238095238095238095238095238095238"},
    {5, 6, "100", "58.142857142857142857142857142857142858"},
    {5, 7, "100", "-114.28571428571428571428571428571428572"},
    {6, 0, "100", "576.1803030303030303030303030303030303"},
    {6, 1, "100", "303.0303030303030303030303030303030303"},
    {6, 2, "100", "577.45454545454545454545454545454545454"},
    {6, 3, "100", "1037.1245454545454545454545454545454545"},
    {6, 4, "100", "242.42424242424242424242424242424242424"},
    {6, 5, "100", "166.59090909090909090909090909090909091"},
    {6, 7, "100", "-304.54545454545454545454545454545454545"},
    {7, 0, "100", "306.48333333333333333333333333333333333"},
    {7, 1, "100", "33.333333333333333333333333333333333333"},
    {7, 2, "100", "92"},
    {7, 3, "100", "551.67"},
    {7, 4, "100", "26.666666666666666666666666666666666666"},
    {7, 5, "100", "25"},
    {7, 6, "100", "11"},
    {0, 1, "-40.5", "-313.65"},
    {0, 2, "-40.5", "-532.57"},
    {0, 3, "-40.5", "-72.9"},
    {0, 4, "-40.5", "-250.92"},
    {0, 5, "-40.5", "-157.16625"},
    {0, 6, "-40.5", "-103.5045"},
    {0, 7, "-40.5", "620.475"},
    {1, 0, "-40.5", "232.65"},
    {1, 2, "-40.5", "-40.9"},
    {1, 3, "-40.5", "418.77"},
    {1, 4, "-40.5", "-32.4"},
    {1, 5, "-40.5", "-13.7625"},
    {1, 6, "-40.5", "-13.365"},
    {1, 7, "-40.5", "210.75"},
    {2, 0, "-40.5", "232.87222222222222222222222222222222222"},
    {2, 1, "-40.5", "-40.277777777777777777777777777777777778"},
    {2, 3, "-40.5", "419.17"},
    {2, 4, "-40.5", "-32.222222222222222222222222222222222222"},
    {2, 5, "-40.5", "-13.645833333333333333333333333333333333"},
    {2, 6, "-40.5", "-13.291666666666666666666666666666666667"},
    {2, 7, "-40.5", "210.41666666666666666666666666666666667"},
    {3, 0, "-40.5", "-22.5"},
    {3, 1, "-40.5", "-295.65"},
    {3, 2, "-40.5", "-500.17"},
    {3, 4, "-40.5", "-236.52"},
    {3, 5, "-40.5", "-147.71625"},
    {3, 6, "-40.5", "-97.5645"},
    {3, 7, "-40.5", "593.475"},
    {4, 0, "-40.5", "222.525"},
    {4, 1, "-40.5", "-50.625"},
    {4, 2, "-40.5", "-59.125"},
    {4, 3, "-40.5", "400.545"},
    {4, 5, "-40.5", "-19.078125"},
    {4, 6, "-40.5", "-16.70625"},
    {4, 7, "-40.5", "225.9375"},
    {5, 0, "-40.5", "181.72142857142857142857142857142857143"},
    {5, 1, "-40.5", "-91.428571428571428571428571428571428571"},
    {5, 2, "-40.5", "-132.57142857142857142857142857142857143"},
    {5, 3, "-40.5", "327.09857142857142857142857142857142858"},
    {5, 4, "-40.5", "-73.142857142857142857142857142857142856"},
    {5, 6, "-40.5", "-30.171428571428571428571428571428571428"},
    {5, 7, "-40.5", "287.14285714285714285714285714285714286"},
    {6, 0, "-40.5", "150.42272727272727272727272727272727273"},
    {6, 1, "-40.5", "-122.72727272727272727272727272727272727"},
    {6, 2, "-40.5", "-188.90909090909090909090909090909090908"},
    {6, 3, "-40.5", "270.76090909090909090909090909090909092"},
    {6, 4, "-40.5", "-98.181818181818181818181818181818181816"},
    {6, 5, "-40.5", "-56.931818181818181818181818181818181818"},
    {6, 7, "-40.5", "334.0909090909090909090909090909090909"},
    {7, 0, "-40.5", "400.15"},
    {7, 1, "-40.5", "127"},
    {7, 2, "-40.5", "260.6"},
    {7, 3, "-40.5", "720.27"},
    {7, 4, "-40.5", "101.6"},
    {7, 5, "-40.5", "74.175"},
    {7, 6, "-40.5", "41.91"},
}};

TEST(TalUnitTemperature, EveryOrderedPairUsesItsOwnFormula) {
  const auto units = TalUnitTemperature::allUnits();
  ASSERT_EQ(units.size(), 8u);
  for (const PairCase& c : kPairs) {
    const auto result = TalUnitTemperature::convert(dec(c.value), units[c.from], units[c.to]);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, dec(c.expected)) << c.value << " " << units[c.from].symbol() << " → " << units[c.to].symbol()
                                        << ": got " << result->description();
  }
}

TEST(TalUnitTemperature, ListsTheEightScalesWithKelvinAsBase) {
  const auto units = TalUnitTemperature::allUnits();
  const std::array<const char*, 8> names = {"Kelvin", "Celsius", "Fahrenheit", "Rankine",
                                            "Réaumur", "Rømer", "Newton Scale", "Delisle"};
  for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(units[i].name(), names[i]);
  EXPECT_TRUE(units[0].isBaseUnit());
  EXPECT_EQ(TalUnitTemperature::kelvin(), units[0]);
  EXPECT_EQ(TalUnitTemperature::celsius(), units[1]);
  EXPECT_EQ(TalUnitTemperature::fahrenheit(), units[2]);
  EXPECT_EQ(units[3].id(), "temperature_°R");
  EXPECT_EQ(units[5].localizationKey(), "unit_temperature_°Rø");
  // The records' straight lines, stored for the app: 273.15 − 7.5 × 40 ÷ 21.
  EXPECT_EQ(units[5].offset(), dec("258.86428571428571428571428571428571429"));
  EXPECT_EQ(units[7].coefficient(), dec("-0.66666666666666666666666666666666666667"));
}

TEST(TalUnitTemperature, SameScaleReturnsTheValueUnchanged) {
  const Decimal odd = dec("-459.6700000000000000000000000000000001");
  for (const TalUnit& unit : TalUnitTemperature::allUnits())
    EXPECT_EQ(TalUnitTemperature::convert(odd, unit, unit), odd) << unit.name();
}

TEST(TalUnitTemperature, OtherCategoriesAndUnknownScalesHaveNoResult) {
  const TalUnit degree = TalUnitAngle::allUnits().front();
  EXPECT_FALSE(TalUnitTemperature::convert(1, TalUnitTemperature::kelvin(), degree).has_value());
  EXPECT_FALSE(TalUnitTemperature::convert(1, degree, TalUnitTemperature::kelvin()).has_value());
  const TalUnit own(TalUnitCategory::temperature, TalSystemOfUnits::si, nullptr, "Gas Mark", "GM", std::nullopt,
                    std::nullopt, 1, std::nullopt, false, std::nullopt, 0, false, false, std::nullopt, std::nullopt,
                    std::nullopt);
  EXPECT_FALSE(TalUnitTemperature::convert(1, own, TalUnitTemperature::kelvin()).has_value());
  EXPECT_FALSE(TalMeasurement::convert(1, TalUnitTemperature::celsius(), own).has_value());
}

TEST(TalUnitTemperature, EachRecordKnowsItsScaleFromItsSymbol) {
  const auto units = TalUnitTemperature::allUnits();
  ASSERT_EQ(units.size(), catalogue::kTemperatureScaleSymbols.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    EXPECT_EQ(units[i].symbol(), catalogue::kTemperatureScaleSymbols[i]);
    EXPECT_EQ(units[i].conversionData().temperatureScale, static_cast<int>(i));
  }
  EXPECT_EQ(TalUnitAngle::allUnits().front().conversionData().temperatureScale, -1);
}

TEST(TalUnitTemperature, CallerBuiltUnitsAreMatchedBySymbolAsUnitEqualityWould) {
  const auto own = [](const char* symbol) {
    return TalUnit(TalUnitCategory::temperature, TalSystemOfUnits::si, nullptr, "Own", symbol, std::nullopt,
                   std::nullopt, 7, std::nullopt, false, std::nullopt, 0, false, false, std::nullopt, std::nullopt,
                   std::nullopt);
  };
  EXPECT_EQ(TalUnitTemperature::convert(212, own("°F"), TalUnitTemperature::celsius()), Decimal(100));
  EXPECT_EQ(TalUnitTemperature::convert(100, TalUnitTemperature::kelvin(), own("°C")), dec("-173.15"));
  EXPECT_EQ(TalUnitTemperature::convert(3, own("GM"), own("GM")), Decimal(3));
  EXPECT_FALSE(TalUnitTemperature::convert(3, own("GM"), own("GN")).has_value());
  // Another category's unit with a scale's symbol is not that scale.
  const TalUnit notTemperature(TalUnitCategory::length, TalSystemOfUnits::si, nullptr, "K", "K", std::nullopt,
                               std::nullopt, 1, std::nullopt, false, std::nullopt, 0, false, false, std::nullopt,
                               std::nullopt, std::nullopt);
  EXPECT_EQ(notTemperature.conversionData().temperatureScale, -1);
}

}  // namespace
}  // namespace tal
