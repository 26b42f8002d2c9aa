// What the benchmarks time: one node between two buffers, or the whole filter graph, at block 512,
// tuned as the plug-in runs (44100 Hz, 1000 Hz) and fed with noise.
#pragma once
#include <cstdint>
#include <memory>
#include "filtergraph/Filter_graph.h"

class Bench_graph {
public:
    static constexpr int32_t BLOCK = 512;

    // which: "copy", "lopass", "hipass", "bapass" (subtracting, as in the filter) or "graph".
    explicit Bench_graph(const char* which);
    ~Bench_graph();
    Bench_graph(const Bench_graph&) = delete;
    Bench_graph& operator=(const Bench_graph&) = delete;

    // One block through the sound pipe.
    void run() { pipe->process(); }
    bool valid() const { return pipe != nullptr; }

private:
    std::unique_ptr<Filter_graph> filter;
    KW_Soundpipe* pipe = nullptr;
    KW_Buffer* in = nullptr;
    KW_Buffer* out = nullptr;
    KW_Effect* node = nullptr;
};
