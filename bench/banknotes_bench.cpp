// Speed of the three actions on the form. Figures only: nothing here fails on a time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "logic/companions/explore.h"
#include "logic/companions/steps.h"
#include "logic/form/dispatch.h"
#include "logic/money/paying.h"
#include "logic/money/ways.h"
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

// Exploring, at the largest the window allows: ten values, sums of 10 000. The
// check of largest first runs up to the two largest values' sum, 19 998 here.
const ValueSet kLargestValues = {10000, 9999, 9998, 9997, 9996, 9995, 9994, 9993, 9992, 1};
const ValueSet kSmallestValues = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1};

void BM_CheckLargestFirst(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(CheckLargestFirst(kLargestValues).amount);
}
BENCHMARK(BM_CheckLargestFirst)->Unit(benchmark::kMillisecond);

void BM_CountWays(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(CountWays(kSmallestValues, kLargestExploredAmount));
}
BENCHMARK(BM_CountWays)->Unit(benchmark::kMillisecond);

void BM_FewestAndLargestFirst(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(Fewest(kSmallestValues, kLargestExploredAmount).banknotes);
    benchmark::DoNotOptimize(LargestFirst(kSmallestValues, kLargestExploredAmount).banknotes);
  }
}
BENCHMARK(BM_FewestAndLargestFirst)->Unit(benchmark::kMillisecond);

// A whole answer of the window, the timed trial of 10^7 combinations or less and
// the estimate past it among it.
void BM_ExploreAnswer(benchmark::State& state) {
  ExploreState form;
  for (std::size_t k = 0; k < kSmallestValues.size(); ++k)
    form.values[k] = std::to_string(kSmallestValues[k]);
  form.amount = form.sum = "10000";
  // With a till, as many of each as the amount needs at most, less one: every
  // amount up to 10 000 is tried for where largest first goes wrong.
  if (state.range(0))
    for (std::size_t k = 0; k < kSmallestValues.size(); ++k)
      form.till[k] = std::to_string(std::min(999, 10000 / kSmallestValues[k] - 1));
  for (auto _ : state) {
    ExploreState answered = form;
    Explore(answered);
    benchmark::DoNotOptimize(answered.ways.data());
  }
}
BENCHMARK(BM_ExploreAnswer)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Step by step, run to its end without painting: trying every combination of
// 99 (5 000 000 of them, each a few lines run), and counting its ways.
void BM_StepsToTheEnd(benchmark::State& state) {
  const auto algorithm = static_cast<StepAlgorithm>(state.range(0));
  for (auto _ : state) {
    StepRun run(algorithm, {20, 10, 5, 2, 1}, 99);
    run.ToEnd();
    benchmark::DoNotOptimize(run.steps());
  }
}
BENCHMARK(BM_StepsToTheEnd)
    ->Arg(static_cast<int>(StepAlgorithm::EveryCombination))
    ->Arg(static_cast<int>(StepAlgorithm::CountingWays))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace banknotes

BENCHMARK_MAIN();
