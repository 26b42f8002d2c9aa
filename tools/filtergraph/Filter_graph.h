// The filter's processing graph, built by command as the application builds it: input copy, one-pole
// low-pass and band-pass (q .618, subtracting) at the same frequency into a work buffer, output copy.
// Used to measure the filter as a system and to time it.
#pragma once
#include <cstdint>
#include "graph/KW_Buffer.h"
#include "graph/KW_Effect.h"
#include "graph/KW_Soundpipe.h"

class Filter_graph {
public:
    explicit Filter_graph(int32_t block = 512);
    ~Filter_graph();
    Filter_graph(const Filter_graph&) = delete;
    Filter_graph& operator=(const Filter_graph&) = delete;

    // Clock and cutoff, as the plug-in gives them: the low-pass keeps the whole hertz, the band-pass the float.
    void tune(int32_t clock, float cutoff);
    void setOn(bool on);
    // One block of at most the block length: in to the input buffer, through the graph, out of the output buffer.
    void run(const int32_t* in, int32_t* out, int32_t n);

    const int32_t block;
    KW_Soundpipe* pipe = nullptr;
    KW_Buffer* input = nullptr;
    KW_Buffer* work = nullptr;
    KW_Buffer* output = nullptr;
    KW_Effect* copyIn = nullptr;
    KW_Effect* lowpass = nullptr;
    KW_Effect* bandpass = nullptr;
    KW_Effect* copyOut = nullptr;
};
