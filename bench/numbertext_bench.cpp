// Number text's repeated paths: normalising a typed Arabic expression, digit
// conversion of a long number, and writing one 38-digit decimal; each beside
// a plain baseline doing the bare copy, byte map or double formatting in the
// same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "TalFoundation/TalFoundation.h"

namespace {

using tal::Decimal;
using namespace tal::platform::literals;

// 100 user-perceived characters: digits of both Arabic sets, signs, an
// exponent, a power, comparison and operator words, separators.
std::string arabicExpression() {
  return "(١٢٫٥ زائد ٣٤) ضرب ٥٦ أس ٢ ناقص ٧×١٠^٣ أكبر أو يساوي ۱۲۳ على ٤٥٪ في ٦ يساوي ١٬٠٠٠ ÷ ٢ − x أس ٣ ضرب ٩";
}

// 30 Arabic-Indic digits and their Western text.
const std::string kArabicDigits = "١٢٣٤٥٦٧٨٩٠١٢٣٤٥٦٧٨٩٠١٢٣٤٥٦٧٨٩٠";
const std::string kWesternDigits = "123456789012345678901234567890";

void BM_EasternArabicToWestern100Chars(benchmark::State& state) {
  const std::string text = arabicExpression();
  state.counters["characters"] = static_cast<double>(tal::characterCount(text));
  for (auto _ : state) benchmark::DoNotOptimize(tal::easternArabicToWestern(text));
}
// Baseline: the same text copied with its Arabic-Indic digits mapped byte-wise
// (U+0660..U+0669 are D9 A0..D9 A9 in UTF-8).
void BM_BaselineByteMap100Chars(benchmark::State& state) {
  const std::string text = arabicExpression();
  for (auto _ : state) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
      const auto b = static_cast<unsigned char>(text[i]);
      const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
      if (b == 0xD9 && next >= 0xA0 && next <= 0xA9) {
        out += static_cast<char>('0' + (next - 0xA0));
        ++i;
      } else {
        out += static_cast<char>(b);
      }
    }
    benchmark::DoNotOptimize(out);
  }
}

void BM_ConvertEastArabicToEnglish30Digits(benchmark::State& state) {
  const tal::Locale arabic("ar_SA");
  for (auto _ : state) benchmark::DoNotOptimize(tal::convertEastArabicNumbersToEnglish(kArabicDigits, arabic));
}
void BM_ConvertEnglishToEastArabic30Digits(benchmark::State& state) {
  const tal::Locale arabic("ar_SA");
  for (auto _ : state) benchmark::DoNotOptimize(tal::convertEnglishNumbersToEastArabic(kWesternDigits, arabic));
}
// The current-locale form reads ICU's default locale on every call.
void BM_ConvertEastArabicToEnglish30DigitsCurrentLocale(benchmark::State& state) {
  const tal::Locale saved = tal::Locale::current();
  tal::Locale::setCurrent(tal::Locale("ar_SA"));
  for (auto _ : state) benchmark::DoNotOptimize(tal::convertEastArabicNumbersToEnglish(kArabicDigits));
  tal::Locale::setCurrent(saved);
}
// Baseline: the byte map of the same 30 digits.
void BM_BaselineByteMap30Digits(benchmark::State& state) {
  for (auto _ : state) {
    std::string out;
    out.reserve(30);
    for (std::size_t i = 0; i + 1 < kArabicDigits.size(); i += 2) {
      out += static_cast<char>('0' + (static_cast<unsigned char>(kArabicDigits[i + 1]) - 0xA0));
    }
    benchmark::DoNotOptimize(out);
  }
}

void BM_FormatDecimal38Digits(benchmark::State& state) {
  tal::NumberFormatter formatter(tal::Locale("en_US"));
  formatter.setMaximumFractionDigits(20);
  const Decimal value = "12345678901234567890.123456789012345675"_dec;
  benchmark::DoNotOptimize(formatter.format(value));  // builds the ICU formatter outside the loop
  for (auto _ : state) benchmark::DoNotOptimize(formatter.format(value));
}
void BM_FormatDecimalShort(benchmark::State& state) {
  const tal::NumberFormatter formatter(tal::Locale("ar_SA"));
  const Decimal value = "1234.5"_dec;
  benchmark::DoNotOptimize(formatter.format(value));
  for (auto _ : state) benchmark::DoNotOptimize(formatter.format(value));
}
// Baseline: a double written with printf's grouping-free fixed notation.
void BM_BaselineDoubleSnprintf(benchmark::State& state) {
  double value = 12345678901234567890.123456789012345675;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%.3f", value);
    benchmark::DoNotOptimize(std::string(buffer, static_cast<std::size_t>(n)));
  }
}

BENCHMARK(BM_EasternArabicToWestern100Chars);
BENCHMARK(BM_BaselineByteMap100Chars);
BENCHMARK(BM_ConvertEastArabicToEnglish30Digits);
BENCHMARK(BM_ConvertEnglishToEastArabic30Digits);
BENCHMARK(BM_ConvertEastArabicToEnglish30DigitsCurrentLocale);
BENCHMARK(BM_BaselineByteMap30Digits);
BENCHMARK(BM_FormatDecimal38Digits);
BENCHMARK(BM_FormatDecimalShort);
BENCHMARK(BM_BaselineDoubleSnprintf);

}  // namespace

BENCHMARK_MAIN();
