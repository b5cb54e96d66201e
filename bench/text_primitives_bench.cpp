// Throughput of find and replace-all on GBK texts that are half double-byte characters.
// The 16 MiB / 1 MiB time ratio shows whether they stay linear (about 16); so does the
// conversion of a text that is all unconvertible characters.
#include <benchmark/benchmark.h>

#include <random>

#include "text/code_page.h"
#include "text/text.h"

namespace {

orvanta::Text HalfDoubleByteText(std::size_t size) {
  std::mt19937 random(42);
  orvanta::Text text;
  text.reserve(size + 2);
  while (text.size() < size) {
    if (random() % 2 == 0) {
      text += static_cast<char>(0xB0 + random() % 0x40);  // lead byte
      text += static_cast<char>(0x40 + random() % 0xBE);  // trail byte, often ASCII-looking
    } else {
      text += static_cast<char>('a' + random() % 26);
    }
  }
  return text;
}

void BM_Find(benchmark::State& state) {
  const orvanta::Text text = HalfDoubleByteText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(orvanta::Find(text, "<item>"));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void BM_FindManyCandidates(benchmark::State& state) {
  // Every single letter is a candidate, many of them trail bytes.
  const orvanta::Text text = HalfDoubleByteText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(orvanta::Find(text, "a{"));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void BM_ReplaceAll(benchmark::State& state) {
  const orvanta::Text text = HalfDoubleByteText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(orvanta::ReplaceAll(text, "a", "<b>"));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

// A UTF-8 text of nothing but characters that code page 936 lacks: every one becomes "?".
void BM_Utf8ToLocalUnmappable(benchmark::State& state) {
  orvanta::Text emoji;
  while (emoji.size() < static_cast<std::size_t>(state.range(0))) emoji += "\xF0\x9F\x98\x80";
  for (auto _ : state) {
    orvanta::Text text = emoji;
    orvanta::Utf8ToLocal(text);
    benchmark::DoNotOptimize(text);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

}  // namespace

BENCHMARK(BM_Find)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindManyCandidates)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAll)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Utf8ToLocalUnmappable)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);
