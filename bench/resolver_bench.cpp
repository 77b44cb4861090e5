// The unit resolver's paths: a unit by id, symbol, name, spelling and
// abbreviation, a search over every unit, and reading a conversion phrase,
// beside the work they replace or resemble (a scan of the unit list, a double
// read with strtod). Targets: id or symbol ≤ 150 ns, name or alias ≤ 500 ns,
// search ≤ 50 µs, phrase ≤ 2 µs.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "TalFoundation/TalFoundation.h"

namespace {

using tal::TalUnit;
using tal::TalUnitCategory;
using tal::UnitResolver;

void find(benchmark::State& state, const char* text) {
  std::string input = text;
  benchmark::DoNotOptimize(UnitResolver::find(input));  // the index is built once, outside the loop
  for (auto _ : state) {
    benchmark::DoNotOptimize(input);
    benchmark::DoNotOptimize(UnitResolver::find(input));
  }
}
void BM_FindById(benchmark::State& state) { find(state, "length_km"); }
void BM_FindBySymbol(benchmark::State& state) { find(state, "km"); }
void BM_FindBySymbolNonAscii(benchmark::State& state) { find(state, "°C"); }
void BM_FindBySymbolIgnoringCase(benchmark::State& state) { find(state, "KM"); }
void BM_FindByName(benchmark::State& state) { find(state, "kilometres"); }
void BM_FindByLongName(benchmark::State& state) { find(state, "kilometres per hour"); }
void BM_FindBySpelling(benchmark::State& state) { find(state, "m^2"); }
void BM_FindByAlias(benchmark::State& state) { find(state, "kph"); }
void BM_FindNothing(benchmark::State& state) { find(state, "kilomter"); }

void BM_FindAllAmbiguous(benchmark::State& state) {
  std::string input = "cal";
  for (auto _ : state) {
    benchmark::DoNotOptimize(input);
    benchmark::DoNotOptimize(UnitResolver::findAll(input));
  }
}

void search(benchmark::State& state, const char* text) {
  std::string input = text;
  for (auto _ : state) {
    benchmark::DoNotOptimize(input);
    benchmark::DoNotOptimize(UnitResolver::search(input));
  }
}
void BM_SearchWord(benchmark::State& state) { search(state, "mile"); }
void BM_SearchTypo(benchmark::State& state) { search(state, "kilomter"); }
void BM_SearchLetter(benchmark::State& state) { search(state, "k"); }

void phrase(benchmark::State& state, const char* text) {
  std::string input = text;
  for (auto _ : state) {
    benchmark::DoNotOptimize(input);
    benchmark::DoNotOptimize(UnitResolver::readPhrase(input));
  }
}
void BM_ReadPhrase(benchmark::State& state) { phrase(state, "1.5 km to mi"); }
void BM_ReadPhraseWithoutSeparator(benchmark::State& state) { phrase(state, "100 F C"); }
void BM_ReadPhraseArabicDigits(benchmark::State& state) { phrase(state, "١٫٥ km mi"); }
void BM_ReadPhraseTwoTerms(benchmark::State& state) { phrase(state, "5 ft 11 in to cm"); }

void BM_ReadAndConvertPhrase(benchmark::State& state) {
  std::string input = "1.5 km to mi";
  for (auto _ : state) {
    benchmark::DoNotOptimize(input);
    const auto read = UnitResolver::readPhrase(input);
    benchmark::DoNotOptimize(std::get<tal::ConversionPhrase>(read).convert());
  }
}

// Baselines: what a caller did without the resolver, and reading a double.
void BM_BaselineScanAllUnitsForSymbol(benchmark::State& state) {
  std::vector<TalUnit> all;
  for (const auto category : TalUnitCategory::allCases()) {
    const auto units = category.getUnits();
    all.insert(all.end(), units.begin(), units.end());
  }
  std::string input = "lb/ft²";
  for (auto _ : state) {
    benchmark::DoNotOptimize(input);
    const TalUnit* found = nullptr;
    for (const auto& unit : all)
      if (unit.symbol() == input) {
        found = &unit;
        break;
      }
    benchmark::DoNotOptimize(found);
  }
}
void BM_BaselineStrtod(benchmark::State& state) {
  std::string input = "1.5";
  for (auto _ : state) {
    benchmark::DoNotOptimize(input);
    benchmark::DoNotOptimize(std::strtod(input.c_str(), nullptr));
  }
}

}  // namespace

BENCHMARK(BM_FindById);
BENCHMARK(BM_FindBySymbol);
BENCHMARK(BM_FindBySymbolNonAscii);
BENCHMARK(BM_FindBySymbolIgnoringCase);
BENCHMARK(BM_FindByName);
BENCHMARK(BM_FindByLongName);
BENCHMARK(BM_FindBySpelling);
BENCHMARK(BM_FindByAlias);
BENCHMARK(BM_FindNothing);
BENCHMARK(BM_FindAllAmbiguous);
BENCHMARK(BM_SearchWord);
BENCHMARK(BM_SearchTypo);
BENCHMARK(BM_SearchLetter);
BENCHMARK(BM_ReadPhrase);
BENCHMARK(BM_ReadPhraseWithoutSeparator);
BENCHMARK(BM_ReadPhraseArabicDigits);
BENCHMARK(BM_ReadPhraseTwoTerms);
BENCHMARK(BM_ReadAndConvertPhrase);
BENCHMARK(BM_BaselineScanAllUnitsForSymbol);
BENCHMARK(BM_BaselineStrtod);

BENCHMARK_MAIN();
