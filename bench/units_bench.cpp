// The unit model's hot paths: listing a category, finding a category by its
// raw value, and converting a value, beside the same work in double.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "TalFoundation/TalFoundation.h"

namespace {

using tal::Decimal;
using tal::TalUnit;
using tal::TalUnitCategory;

TalUnit unitWithSymbol(TalUnitCategory category, std::string_view symbol) {
  for (const auto& u : category.getUnits())
    if (u.symbol() == symbol) return u;
  std::abort();
}

void BM_AngleGetUnits(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(TalUnitCategory::angle.getUnits());
}
void BM_LengthGetUnits(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(TalUnitCategory::length.getUnits());
}
void BM_CategoryFromRawValue(benchmark::State& state) {
  std::string raw = "magneticfluxdensity";
  for (auto _ : state) {
    benchmark::DoNotOptimize(raw);
    benchmark::DoNotOptimize(TalUnitCategory::fromRawValue(raw));
  }
}
void BM_ConvertKilometresToMiles(benchmark::State& state) {
  const TalUnit km = unitWithSymbol(TalUnitCategory::length, "km");
  const TalUnit mi = unitWithSymbol(TalUnitCategory::length, "mi");
  Decimal value = Decimal::fromString("1.5").value();
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(tal::TalMeasurement::convert(value, km, mi));
  }
}
void BM_ConvertFahrenheitToCelsius(benchmark::State& state) {
  const TalUnit f = tal::TalUnitTemperature::fahrenheit();
  const TalUnit c = tal::TalUnitTemperature::celsius();
  Decimal value = 100;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(tal::TalMeasurement::convert(value, f, c));
  }
}
void BM_ConvertDegreesToRadians(benchmark::State& state) {
  const auto units = tal::TalUnitAngle::allUnits();
  Decimal value = 180;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(tal::TalMeasurement::convert(value, units[0], units[3]));
  }
}
void BM_ConvertValueRoundTrip(benchmark::State& state) {
  const TalUnit km = unitWithSymbol(TalUnitCategory::length, "km");
  const TalUnit mi = unitWithSymbol(TalUnitCategory::length, "mi");
  const Decimal value = Decimal::fromString("1.5").value();
  for (auto _ : state) benchmark::DoNotOptimize(tal::TalMeasurement::convertValue(value, km, mi).get());
}
void BM_DoubleKilometresToMiles(benchmark::State& state) {
  double value = 1.5, km = 1000.0, mi = 1609.344;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(value * km / mi);
  }
}
void BM_DoubleFahrenheitToCelsius(benchmark::State& state) {
  double value = 100;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize((value - 32) * 5 / 9);
  }
}
// The generic road (times the factor, plus the offset, then back through the
// other unit's factor) on a value that fills all 38 digits, so every step
// rounds. Its double baseline is BM_DoubleKilometresToMiles: a double cannot
// hold more digits than that.
void BM_ConvertGeneric38Digits(benchmark::State& state) {
  const TalUnit km = unitWithSymbol(TalUnitCategory::length, "km");
  const TalUnit mi = unitWithSymbol(TalUnitCategory::length, "mi");
  Decimal value = Decimal::fromString("1.2345678901234567890123456789012345678").value();
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(tal::TalMeasurement::convert(value, km, mi));
  }
}
void BM_DoubleDegreesToRadians(benchmark::State& state) {
  double value = 180, pi = 3.14159265358979323846;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(value * pi / 180);
  }
}
// Every category's list, as a screen showing all categories asks for them.
void BM_AllCategoriesGetUnits(benchmark::State& state) {
  for (auto _ : state)
    for (const TalUnitCategory category : TalUnitCategory::allCases()) benchmark::DoNotOptimize(category.getUnits());
}
// Its double counterpart: a fresh copy of a prebuilt list of numbers per
// category, each as long as that category's unit list.
void BM_DoubleAllCategoriesCopyLists(benchmark::State& state) {
  std::vector<std::vector<double>> lists;
  for (const TalUnitCategory category : TalUnitCategory::allCases())
    lists.emplace_back(category.getUnits().size(), 1.0);
  for (auto _ : state)
    for (const auto& list : lists) benchmark::DoNotOptimize(std::vector<double>(list));
}

// A list view: one typed value in every unit of its category. The batch call
// works out the value in the base unit once; the one-by-one loop is the same
// results from single calls. "units" is the number of results per iteration.
void BM_ConvertLengthToAllUnits(benchmark::State& state) {
  const auto units = TalUnitCategory::length.getUnits();
  const TalUnit metre = unitWithSymbol(TalUnitCategory::length, "m");
  std::vector<std::optional<Decimal>> results(units.size());
  Decimal value = Decimal::fromString("1.5").value();
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    tal::TalMeasurement::convert(value, metre, units, results);
    benchmark::DoNotOptimize(results.data());
    benchmark::ClobberMemory();
  }
  state.counters["units"] = static_cast<double>(units.size());
}
void BM_ConvertLengthToAllUnitsOneByOne(benchmark::State& state) {
  const auto units = TalUnitCategory::length.getUnits();
  const TalUnit metre = unitWithSymbol(TalUnitCategory::length, "m");
  std::vector<std::optional<Decimal>> results(units.size());
  Decimal value = Decimal::fromString("1.5").value();
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    for (std::size_t i = 0; i < units.size(); ++i) results[i] = tal::TalMeasurement::convert(value, metre, units[i]);
    benchmark::DoNotOptimize(results.data());
    benchmark::ClobberMemory();
  }
  state.counters["units"] = static_cast<double>(units.size());
}
void BM_DoubleLengthToAllUnits(benchmark::State& state) {
  std::vector<double> factors;
  for (const auto& unit : TalUnitCategory::length.getUnits()) factors.push_back(unit.coefficient().toDouble());
  std::vector<double> results(factors.size());
  double value = 1.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    for (std::size_t i = 0; i < factors.size(); ++i) results[i] = value / factors[i];
    benchmark::DoNotOptimize(results.data());
    benchmark::ClobberMemory();
  }
  state.counters["units"] = static_cast<double>(factors.size());
}

/// Every category but currency (whose units come with exchange rates), with
/// its base unit: the one marked so, else the one whose factor is 1
/// (frequency marks none).
struct CategoryList {
  TalUnit base;
  std::vector<TalUnit> units;
};
std::vector<CategoryList> allCategoryLists() {
  std::vector<CategoryList> lists;
  for (const TalUnitCategory category : TalUnitCategory::allCases()) {
    if (category == TalUnitCategory::currency) continue;
    auto units = category.getUnits();
    const auto marked = std::find_if(units.begin(), units.end(), [](const TalUnit& u) { return u.isBaseUnit(); });
    const auto one = std::find_if(units.begin(), units.end(), [](const TalUnit& u) { return u.coefficient() == 1; });
    lists.push_back({marked != units.end() ? *marked : one != units.end() ? *one : units.front(), units});
  }
  return lists;
}

void BM_ConvertAllCategoriesToAllUnits(benchmark::State& state) {
  const auto lists = allCategoryLists();
  std::size_t count = 0;
  for (const auto& list : lists) count += list.units.size();
  std::vector<std::optional<Decimal>> results(count);
  Decimal value = Decimal::fromString("1.5").value();
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    std::optional<Decimal>* out = results.data();
    for (const auto& list : lists) {
      tal::TalMeasurement::convert(value, list.base, list.units, std::span(out, list.units.size()));
      out += list.units.size();
    }
    benchmark::DoNotOptimize(results.data());
    benchmark::ClobberMemory();
  }
  state.counters["units"] = static_cast<double>(count);
}
void BM_ConvertAllCategoriesOneByOne(benchmark::State& state) {
  const auto lists = allCategoryLists();
  std::size_t count = 0;
  for (const auto& list : lists) count += list.units.size();
  std::vector<std::optional<Decimal>> results(count);
  Decimal value = Decimal::fromString("1.5").value();
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    std::optional<Decimal>* out = results.data();
    for (const auto& list : lists)
      for (const auto& unit : list.units) *out++ = tal::TalMeasurement::convert(value, list.base, unit);
    benchmark::DoNotOptimize(results.data());
    benchmark::ClobberMemory();
  }
  state.counters["units"] = static_cast<double>(count);
}

BENCHMARK(BM_AngleGetUnits);
BENCHMARK(BM_LengthGetUnits);
BENCHMARK(BM_AllCategoriesGetUnits);
BENCHMARK(BM_DoubleAllCategoriesCopyLists);
BENCHMARK(BM_CategoryFromRawValue);
BENCHMARK(BM_ConvertKilometresToMiles);
BENCHMARK(BM_DoubleKilometresToMiles);
BENCHMARK(BM_ConvertGeneric38Digits);
BENCHMARK(BM_ConvertFahrenheitToCelsius);
BENCHMARK(BM_DoubleFahrenheitToCelsius);
BENCHMARK(BM_ConvertDegreesToRadians);
BENCHMARK(BM_DoubleDegreesToRadians);
BENCHMARK(BM_ConvertValueRoundTrip);
BENCHMARK(BM_ConvertLengthToAllUnits);
BENCHMARK(BM_ConvertLengthToAllUnitsOneByOne);
BENCHMARK(BM_DoubleLengthToAllUnits);
BENCHMARK(BM_ConvertAllCategoriesToAllUnits);
BENCHMARK(BM_ConvertAllCategoriesOneByOne);

}  // namespace

BENCHMARK_MAIN();
