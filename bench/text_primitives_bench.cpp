// Throughput of find and replace-all on GBK texts that are half double-byte characters, and
// of the conversion of a text that is all unconvertible characters. The *Growth benchmarks
// print how the time grows from 1 MiB to 16 MiB net of the machine (growth_ratio.h): about
// 1 means linear.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string_view>

#include "growth_ratio.h"
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

// A UTF-8 text of nothing but characters that code page 936 lacks: every one becomes "?".
orvanta::Text Unmappable(std::size_t size) {
  orvanta::Text emoji;
  while (emoji.size() < size) emoji += "\xF0\x9F\x98\x80";
  return emoji;
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

void BM_Utf8ToLocalUnmappable(benchmark::State& state) {
  const orvanta::Text emoji = Unmappable(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    orvanta::Text text = emoji;
    orvanta::Utf8ToLocal(text);
    benchmark::DoNotOptimize(text);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

// The machine's own passes over the same bytes: a search that lets the C library's memchr
// find each candidate first byte, and one memchr through all of it.
std::size_t MachineSearch(const orvanta::Text& text, std::string_view pattern) {
  const char* end = text.data() + text.size();
  for (const char* at = text.data();
       (at = static_cast<const char*>(std::memchr(at, pattern[0], end - at))) != nullptr; ++at) {
    if (static_cast<std::size_t>(end - at) >= pattern.size() &&
        std::memcmp(at, pattern.data(), pattern.size()) == 0)
      return static_cast<std::size_t>(at - text.data());
  }
  return text.size();
}

std::size_t MachineScan(const orvanta::Text& text) {
  return std::memchr(text.data(), '\x01', text.size()) ? 1 : text.size();
}

// Both sizes of the same kind of text, made once.
class SmallAndLarge {
 public:
  explicit SmallAndLarge(orvanta::Text (*make)(std::size_t))
      : small_(make(1 << 20)), large_(make(16 << 20)) {}
  const orvanta::Text& operator()(bool large) const { return large ? large_ : small_; }

 private:
  orvanta::Text small_, large_;
};

template <class Operation, class Pass>
void ReportGrowth(benchmark::State& state, Operation operation, Pass pass, int rounds) {
  for (auto _ : state) {
    const growth::Ratio ratio = growth::Measure(operation, pass, rounds);
    state.counters["growth"] = ratio.growth;
    state.counters["machine_growth"] = ratio.machineGrowth;
    state.counters["net_growth"] = ratio.Net();
  }
}

void BM_FindGrowth(benchmark::State& state) {
  const SmallAndLarge text(HalfDoubleByteText);
  ReportGrowth(
      state, [&](bool large) { benchmark::DoNotOptimize(orvanta::Find(text(large), "<item>")); },
      [&](bool large) { benchmark::DoNotOptimize(MachineSearch(text(large), "<item>")); }, 41);
}

void BM_FindManyCandidatesGrowth(benchmark::State& state) {
  const SmallAndLarge text(HalfDoubleByteText);
  ReportGrowth(
      state, [&](bool large) { benchmark::DoNotOptimize(orvanta::Find(text(large), "a{")); },
      [&](bool large) { benchmark::DoNotOptimize(MachineSearch(text(large), "a{")); }, 21);
}

void BM_ReplaceAllGrowth(benchmark::State& state) {
  const SmallAndLarge text(HalfDoubleByteText);
  ReportGrowth(
      state,
      [&](bool large) { benchmark::DoNotOptimize(orvanta::ReplaceAll(text(large), "a", "<b>")); },
      [&](bool large) { benchmark::DoNotOptimize(MachineScan(text(large))); }, 11);
}

void BM_Utf8ToLocalUnmappableGrowth(benchmark::State& state) {
  const SmallAndLarge text(Unmappable);
  ReportGrowth(
      state,
      [&](bool large) {
        orvanta::Text local = text(large);
        orvanta::Utf8ToLocal(local);
        benchmark::DoNotOptimize(local);
      },
      [&](bool large) { benchmark::DoNotOptimize(MachineScan(text(large))); }, 5);
}

}  // namespace

BENCHMARK(BM_Find)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindManyCandidates)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAll)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Utf8ToLocalUnmappable)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);
// One measurement each, which alternates both sizes with the machine's pass; the figures are
// the counters, the time column is only how long the measurement took.
BENCHMARK(BM_FindGrowth)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindManyCandidatesGrowth)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAllGrowth)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Utf8ToLocalUnmappableGrowth)->Iterations(1)->Unit(benchmark::kMillisecond);
