// Time per sample of each node of the filter and of the whole filter graph, at block 512.
#include <benchmark/benchmark.h>
#include "Bench_graph.h"

namespace {

void perSample(benchmark::State& state, const char* which) {
    Bench_graph g(which);
    if (!g.valid()) {
        state.SkipWithError("no such graph");
        return;
    }
    for (auto _ : state) g.run();
    state.counters["per_sample"] =
        benchmark::Counter(Bench_graph::BLOCK, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK_CAPTURE(perSample, copy, "copy");
BENCHMARK_CAPTURE(perSample, lopass, "lopass");
BENCHMARK_CAPTURE(perSample, hipass, "hipass");
BENCHMARK_CAPTURE(perSample, bapass_sub, "bapass");
BENCHMARK_CAPTURE(perSample, filter_graph, "graph");

}  // namespace

BENCHMARK_MAIN();
