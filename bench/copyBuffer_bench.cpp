// Cost of the sample converter per sample, for the conversions the host makes every block.
#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>
#include "audio/KW_Rts.h"

namespace {

const int32_t F32 = 0x1002004;

// Device channel (format word, bytes per frame) to a float work buffer and back, 512 samples a block.
void convert(benchmark::State& state, int32_t device, bool toDevice) {
    const int n = 512;
    std::vector<uint8_t> deviceBytes(n * (device & 0xFF), 0x11);
    std::vector<float> work(n, 0.25f);
    KW_Rts::Chan dev("device", device, n), flt("work", F32, n);
    dev.data = deviceBytes.data();
    flt.data = work.data();
    KW_Rts::Chan& to = toDevice ? dev : flt;
    KW_Rts::Chan& from = toDevice ? flt : dev;
    for (auto _ : state) {
        benchmark::DoNotOptimize(KW_Rts::copyBuffer(to, from));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * n);
}

}  // namespace

BENCHMARK_CAPTURE(convert, int16_stereo_to_float, 0x1004, false);
BENCHMARK_CAPTURE(convert, float_to_int16_stereo, 0x1004, true);
BENCHMARK_CAPTURE(convert, int24_stereo_to_float, 0x1806, false);
BENCHMARK_CAPTURE(convert, float_to_int24_stereo, 0x1806, true);
BENCHMARK_CAPTURE(convert, int32_to_float, 0x2004, false);
BENCHMARK_CAPTURE(convert, float_to_int32, 0x2004, true);
BENCHMARK_CAPTURE(convert, float_to_float, F32, true);
BENCHMARK_CAPTURE(convert, float64_to_float, 0x1004008, false);
BENCHMARK_MAIN();
