// App support's repeated paths: writing a styled text as RTF for the
// pasteboard, building a localised web link, a colour from hex, and one item
// through the main queue; each beside a plain baseline doing the bare copy or
// call in the same run.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <string>

#include "TalFoundation/TalFoundation.h"

namespace {

using tal::AttributedText;
using tal::TextAttributes;

// 468 bytes of mixed scripts in 8 runs, as a copied conversion table might be.
AttributedText sampleText() {
  AttributedText text;
  for (int i = 0; i < 4; ++i) {
    text.append("1 kilometre = 1000 metres {exact}\n", TextAttributes{.fontFamily = "Helvetica", .fontSize = 14.0});
    text.append("一公里等于一千米 한 킬로미터 ١ كيلومتر = ١٠٠٠ متر 😀\n",
                TextAttributes{.fontFamily = "PingFang SC", .bold = true,
                               .foregroundColor = tal::TalColor::fromHex(0xFF8000)});
  }
  return text;
}

void BM_RTFDocument(benchmark::State& state) {
  const AttributedText text = sampleText();
  for (auto _ : state) benchmark::DoNotOptimize(tal::RTFDocument::fromAttributedText(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.string().size()));
}
// Baseline: gathering the same runs into one string.
void BM_RTFBaselineConcatRuns(benchmark::State& state) {
  const AttributedText text = sampleText();
  for (auto _ : state) {
    std::string out;
    for (const auto& run : text.runs()) out += run.text;
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.string().size()));
}

// One character per run, each in a colour and font of its own: the tables
// grow with the text. Twice the runs should take about twice the time.
AttributedText distinctRuns(std::int64_t runs) {
  AttributedText text;
  for (std::int64_t i = 0; i < runs; ++i) {
    text.append("x", TextAttributes{.fontFamily = "Font " + std::to_string(i % 1000),
                                    .foregroundColor = tal::TalColor::fromHex(static_cast<std::uint32_t>(i))});
  }
  return text;
}

void BM_RTFDistinctColoursAndFonts(benchmark::State& state) {
  const AttributedText text = distinctRuns(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(tal::RTFDocument::fromAttributedText(text));
  state.SetComplexityN(state.range(0));
}

void BM_KestoPrivacyPolicyUrl(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(tal::Kesto::privacyPolicyUrl());
}
// Baseline: the same text from fixed pieces, without locale or configuration.
void BM_KestoBaselineConcat(benchmark::State& state) {
  std::string host = "www.example.com";
  for (auto _ : state) {
    benchmark::DoNotOptimize(host);
    benchmark::DoNotOptimize("https://" + host + "/en/legal/privacy-policy");
  }
}

void BM_ColorFromHex(benchmark::State& state) {
  std::int64_t hex = 0xFF8000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(hex);
    benchmark::DoNotOptimize(tal::TalColor::fromHex(hex, 1.0));
  }
}
// Baseline: the three channel divisions inline.
void BM_ColorBaselineInline(benchmark::State& state) {
  std::int64_t hex = 0xFF8000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(hex);
    const auto bits = static_cast<std::uint64_t>(hex);
    benchmark::DoNotOptimize(static_cast<double>((bits >> 16) & 0xFFU) / 255.0);
    benchmark::DoNotOptimize(static_cast<double>((bits >> 8) & 0xFFU) / 255.0);
    benchmark::DoNotOptimize(static_cast<double>(bits & 0xFFU) / 255.0);
  }
}

void BM_MainQueuePostAndDrain(benchmark::State& state) {
  tal::platform::MainQueue queue(tal::platform::MainQueue::Mode::appDrained);
  int counter = 0;
  for (auto _ : state) {
    queue.async([&counter] { ++counter; });
    benchmark::DoNotOptimize(queue.drain());
  }
  benchmark::DoNotOptimize(counter);
}
// Baseline: making and calling the same std::function directly.
void BM_MainQueueBaselineCall(benchmark::State& state) {
  int counter = 0;
  for (auto _ : state) {
    std::function<void()> work = [&counter] { ++counter; };
    benchmark::DoNotOptimize(work);
    work();
  }
  benchmark::DoNotOptimize(counter);
}

}  // namespace

BENCHMARK(BM_RTFDocument);
BENCHMARK(BM_RTFBaselineConcatRuns);
BENCHMARK(BM_RTFDistinctColoursAndFonts)->Arg(10000)->Arg(80000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_KestoPrivacyPolicyUrl);
BENCHMARK(BM_KestoBaselineConcat);
BENCHMARK(BM_ColorFromHex);
BENCHMARK(BM_ColorBaselineInline);
BENCHMARK(BM_MainQueuePostAndDrain);
BENCHMARK(BM_MainQueueBaselineCall);

BENCHMARK_MAIN();
