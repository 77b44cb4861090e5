// The currency hot paths: decoding a snapshot document, rebuilding the
// currency units from it, listing them and converting between two, each
// beside the same work in double.
#include <benchmark/benchmark.h>

#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

#include <algorithm>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "TalFoundation/TalFoundation.h"

namespace {

using tal::Decimal;
using tal::ExchangeRateData;
using tal::TalUnit;
using tal::TalUnitCurrency;

ExchangeRateData exampleSnapshot() {
  std::optional<ExchangeRateData> data;
  tal::ExampleExchangeRateService().fetchExchangeRates(
      [&](tal::ExchangeRateResult r) { data = std::get<ExchangeRateData>(std::move(r)); });
  return *data;
}

const std::string& exampleDocument() {
  static const std::string json = exampleSnapshot().toJSON().value();
  return json;
}

// The double baseline of decoding: the same document read by the same
// reader, numbers as doubles.
struct DoubleRates : rapidjson::BaseReaderHandler<rapidjson::UTF8<>, DoubleRates> {
  std::map<std::string, double, std::less<>> rates;
  std::string key;
  int depth = 0;
  bool Key(const char* s, rapidjson::SizeType n, bool) {
    key.assign(s, n);
    return true;
  }
  bool StartObject() { return ++depth, true; }
  bool EndObject(rapidjson::SizeType) { return --depth, true; }
  bool Double(double d) {
    if (depth == 2) rates[key] = d;
    return true;
  }
  bool Int(int i) { return Double(i); }
  bool Uint(unsigned u) { return Double(u); }
  bool Int64(std::int64_t i) { return Double(static_cast<double>(i)); }
  bool Uint64(std::uint64_t u) { return Double(static_cast<double>(u)); }
};

std::map<std::string, double, std::less<>> doubleRates() {
  DoubleRates handler;
  rapidjson::MemoryStream stream(exampleDocument().data(), exampleDocument().size());
  rapidjson::Reader().Parse(stream, handler);
  return handler.rates;
}

void BM_DecodeExampleDocument(benchmark::State& state) {
  const std::string& json = exampleDocument();
  for (auto _ : state) benchmark::DoNotOptimize(ExchangeRateData::fromJSON(json));
}
void BM_DoubleDecodeExampleDocument(benchmark::State& state) {
  const std::string& json = exampleDocument();
  for (auto _ : state) {
    DoubleRates handler;
    rapidjson::MemoryStream stream(json.data(), json.size());
    rapidjson::Reader().Parse(stream, handler);
    benchmark::DoNotOptimize(handler.rates);
  }
}

void BM_RebuildCurrencyUnits(benchmark::State& state) {
  const ExchangeRateData data = exampleSnapshot();
  for (auto _ : state) TalUnitCurrency::updateRates(data.rates(), data.timeLastUpdateUnix(), data.baseCode());
}
struct DoubleUnit {
  std::string id;
  std::string code;
  double coefficient;
  double rate;
};
void BM_DoubleRebuildUnits(benchmark::State& state) {
  const auto rates = doubleRates();
  for (auto _ : state) {
    std::vector<DoubleUnit> units;
    units.reserve(156);
    for (const tal::TalCurrency c : tal::TalCurrency::allCases()) {
      const auto it = rates.find(c.rawValue());
      if (it == rates.end()) continue;
      std::string code(c.rawValue());
      units.push_back({"currency_" + code, code, 1.0 / it->second, it->second});
    }
    benchmark::DoNotOptimize(units);
  }
}

void BM_CurrencyGetUnits(benchmark::State& state) {
  const ExchangeRateData data = exampleSnapshot();
  TalUnitCurrency::updateRates(data.rates(), data.timeLastUpdateUnix(), data.baseCode());
  for (auto _ : state) benchmark::DoNotOptimize(tal::TalUnitCategory::currency.getUnits());
}
void BM_DoubleCopyUnits(benchmark::State& state) {
  const std::vector<double> coefficients(156, 1.5);
  for (auto _ : state) {
    std::vector<double> copy = coefficients;
    benchmark::DoNotOptimize(copy);
  }
}

void BM_ConvertEuroToYen(benchmark::State& state) {
  const ExchangeRateData data = exampleSnapshot();
  TalUnitCurrency::updateRates(data.rates(), data.timeLastUpdateUnix(), data.baseCode());
  const std::vector<TalUnit> units = TalUnitCurrency::allUnits();
  const auto find = [&](std::string_view code) {
    return *std::find_if(units.begin(), units.end(), [&](const TalUnit& u) { return u.symbol() == code; });
  };
  const TalUnit eur = find("EUR"), jpy = find("JPY");
  Decimal value = 100;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(tal::TalMeasurement::convert(value, eur, jpy));
  }
}
void BM_DoubleEuroToYen(benchmark::State& state) {
  double value = 100, eur = 1 / 0.855422, jpy = 158.975818;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(value * eur * jpy);
  }
}

}  // namespace

BENCHMARK(BM_DecodeExampleDocument);
BENCHMARK(BM_DoubleDecodeExampleDocument);
BENCHMARK(BM_RebuildCurrencyUnits);
BENCHMARK(BM_DoubleRebuildUnits);
BENCHMARK(BM_CurrencyGetUnits);
BENCHMARK(BM_DoubleCopyUnits);
BENCHMARK(BM_ConvertEuroToYen);
BENCHMARK(BM_DoubleEuroToYen);
BENCHMARK_MAIN();
