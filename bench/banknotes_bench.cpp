// Speed of the three actions on the form. Figures only: nothing here fails on a time.
#include <benchmark/benchmark.h>

#include <string>

#include "logic/dispatch.h"
#include "tests/literal_splits.h"

namespace banknotes {
namespace {

void SetLinesCounters(benchmark::State& state, std::size_t lines) {
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["per_line"] =
      benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void BM_ListSplits(benchmark::State& state) {
  FormState form;
  form.Text3[kSum] = std::to_string(state.range(0));
  for (auto _ : state) {
    dispatch(form, kListButton);
    benchmark::DoNotOptimize(form.List1[kSplits].lines().data());
  }
  SetLinesCounters(state, form.List1[kSplits].lines().size());
}
BENCHMARK(BM_ListSplits)->Arg(99)->Arg(300)->Unit(benchmark::kMicrosecond);

void BM_LiteralSplits(benchmark::State& state) {
  std::size_t lines = 0;
  for (auto _ : state) {
    auto result = reference::LiteralSplits(static_cast<double>(state.range(0)));
    lines = result.size();
    benchmark::DoNotOptimize(result.data());
  }
  SetLinesCounters(state, lines);
}
BENCHMARK(BM_LiteralSplits)->Arg(99)->Unit(benchmark::kMillisecond);

void BM_EnterPayment(benchmark::State& state) {
  FormState start;
  start.Text3[kAmount] = "9999";
  FormState form;
  for (auto _ : state) {
    // Each entry starts afresh, so the counts never near their limit.
    form.Text3 = start.Text3;
    form.Text2 = start.Text2;
    dispatch(form, kEnterButton);
    benchmark::DoNotOptimize(form.Text3[kTotal].data());
  }
}
BENCHMARK(BM_EnterPayment);

void BM_ClearAll(benchmark::State& state) {
  FormState full;
  full.Text3[kSum] = "99";
  dispatch(full, kListButton);
  full.Text3[kAmount] = "9999";
  dispatch(full, kEnterButton);
  for (auto _ : state) {
    state.PauseTiming();
    FormState form = full;
    state.ResumeTiming();
    dispatch(form, kClearButton);
    benchmark::DoNotOptimize(form.List1[kSplits].lines().data());
  }
}
BENCHMARK(BM_ClearAll)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace banknotes

BENCHMARK_MAIN();
