// Decimal against double on the same work, in one run.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdlib>
#include <string>

#include "TalFoundation/platform/Decimal.h"

namespace {

using tal::Decimal;

// 38-digit operands, so every product and quotient has to be rounded.
const Decimal kA = Decimal::fromString("1.2345678901234567890123456789012345678").value();
const Decimal kB = Decimal::fromString("9.8765432109876543210987654321098765432").value();
// Table-sized operands: a catalogue factor times a typed value.
const Decimal kFactor = Decimal::fromString("0.3048").value();
const Decimal kValue = Decimal::fromString("1.5").value();
// An offset far below a 38-digit value's last place: the sum has to be
// aligned across 36 places and rounded.
const Decimal kOffset = Decimal::fromString("273.15").value();
// 38 digits two places apart: the sum is aligned before it is rounded.
const Decimal kShifted = Decimal::fromString("987.65432109876543210987654321098765432").value();

void BM_DecimalAdd(benchmark::State& state) {
  Decimal a = kA, b = kB;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(a + b);
  }
}
void BM_DecimalAddShifted(benchmark::State& state) {
  Decimal a = kA, b = kShifted;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(a + b);
  }
}
void BM_DecimalAddFarApart(benchmark::State& state) {
  Decimal a = kA, b = kOffset;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(a + b);
  }
}
void BM_DecimalMultiply38Digits(benchmark::State& state) {
  Decimal a = kA, b = kB;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(a * b);
  }
}
void BM_DecimalMultiplyShort(benchmark::State& state) {
  Decimal a = kFactor, b = kValue;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(a * b);
  }
}
void BM_DecimalDivide38Digits(benchmark::State& state) {
  Decimal a = kA, b = kB;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(a / b);
  }
}
void BM_DecimalDivideShort(benchmark::State& state) {
  Decimal a = kValue, b = kFactor;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(a / b);
  }
}
// A unit's factor prepared once, as conversions divide by it: a 38-digit
// dividend, and a typed one.
const Decimal kMile = Decimal::fromString("1.609344").value();
void BM_DecimalDividePrepared38Digits(benchmark::State& state) {
  Decimal a = kA;
  const tal::DecimalDivisor b(kMile);
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(a / b);
  }
}
void BM_DecimalDividePreparedShort(benchmark::State& state) {
  Decimal a = kValue;
  const tal::DecimalDivisor b(kMile);
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(a / b);
  }
}
void BM_DecimalSubtractShort(benchmark::State& state) {
  Decimal a = 100, b = 32;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(a - b);
  }
}
void BM_DecimalMultiplyShortByLong(benchmark::State& state) {
  Decimal a = 180, b = Decimal::pi();
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(a * b);
  }
}
void BM_DecimalFromString(benchmark::State& state) {
  std::string text = "1233.48183754752";
  for (auto _ : state) {
    benchmark::DoNotOptimize(text);
    benchmark::DoNotOptimize(Decimal::fromString(text));
  }
}
void BM_DecimalDescription(benchmark::State& state) {
  const Decimal a = Decimal::fromString("1233.48183754752").value();
  for (auto _ : state) benchmark::DoNotOptimize(a.description());
}

void BM_DoubleAdd(benchmark::State& state) {
  double a = 1.2345678901234567, b = 9.8765432109876543;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(a + b);
  }
}
void BM_DoubleMultiply(benchmark::State& state) {
  double a = 1.2345678901234567, b = 9.8765432109876543;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(a * b);
  }
}
void BM_DoubleDivide(benchmark::State& state) {
  double a = 1.2345678901234567, b = 9.8765432109876543;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(a / b);
  }
}
void BM_DoubleFromChars(benchmark::State& state) {
  std::string text = "1233.48183754752";
  for (auto _ : state) {
    benchmark::DoNotOptimize(text);
#if defined(__cpp_lib_to_chars)
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
#else  // libc++ 14 has no floating-point from_chars
    const double value = std::strtod(text.c_str(), nullptr);
#endif
    benchmark::DoNotOptimize(value);
  }
}
void BM_DoubleToChars(benchmark::State& state) {
  double value = 1233.48183754752;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    char buffer[32];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    benchmark::DoNotOptimize(std::string(buffer, end));
  }
}

BENCHMARK(BM_DecimalAdd);
BENCHMARK(BM_DecimalAddShifted);
BENCHMARK(BM_DecimalAddFarApart);
BENCHMARK(BM_DoubleAdd);
BENCHMARK(BM_DecimalMultiply38Digits);
BENCHMARK(BM_DecimalMultiplyShort);
BENCHMARK(BM_DoubleMultiply);
BENCHMARK(BM_DecimalDivide38Digits);
BENCHMARK(BM_DecimalDivideShort);
BENCHMARK(BM_DecimalDividePrepared38Digits);
BENCHMARK(BM_DecimalDividePreparedShort);
BENCHMARK(BM_DoubleDivide);
BENCHMARK(BM_DecimalSubtractShort);
BENCHMARK(BM_DecimalMultiplyShortByLong);
BENCHMARK(BM_DecimalFromString);
BENCHMARK(BM_DoubleFromChars);
BENCHMARK(BM_DecimalDescription);
BENCHMARK(BM_DoubleToChars);

}  // namespace

BENCHMARK_MAIN();
