// Measures the filter graph as a system and prints, as Markdown, its deviation from the analog
// third-order Butterworth low-pass 1 / (1 + 2p + 2p^2 + p^3) at half, at and at twice the cutoff.
//   kw_response            the table for 44100, 48000 and 96000 Hz
//   kw_response FS F...    one clock, the given cutoffs
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include "filtergraph/Filter_graph.h"
#include "filtergraph/Sine_gain.h"

namespace {

// |H(j f / fc)|^2 = 1 / (1 + (f / fc)^6) for the third-order Butterworth.
double butterworthDb(double f, double fc) { return -10.0 * std::log10(1.0 + std::pow(f / fc, 6.0)); }

void row(int32_t fs, double fc) {
    std::printf("| %d | %g |", fs, fc);
    for (double f : {fc / 2, fc, 2 * fc}) {
        if (f >= fs / 2.0) {
            std::printf(" - |");
            continue;
        }
        Filter_graph g;
        g.tune(fs, float(fc));
        // Settle for 40 time constants of the slowest pole, measure over 20 periods or more.
        const int64_t settle = int64_t(40 * fs / (2 * 3.141592653589793 * fc)) + 4096;
        const int64_t window = std::max<int64_t>(int64_t(20 * fs / f), 65536);
        const double db = Sine_gain([&](const int32_t* in, int32_t* out, int32_t n) { g.run(in, out, n); }, fs, f,
                                    g.block, settle, window);
        std::printf(" %+.3f |", db - butterworthDb(f, fc));
    }
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::printf("| clock (Hz) | cutoff fc (Hz) | dev. at fc/2 (dB) | dev. at fc (dB) | dev. at 2 fc (dB) |\n");
    std::printf("|---:|---:|---:|---:|---:|\n");
    if (argc > 2) {
        for (int i = 2; i < argc; ++i) row(std::atoi(argv[1]), std::atof(argv[i]));
        return 0;
    }
    const std::vector<double> cutoffs = {20, 50, 100, 200, 500, 1000, 2000, 3000, 5000, 7000, 9000, 9926, 10000};
    for (int32_t fs : {44100, 48000, 96000})
        for (double fc : cutoffs) row(fs, fc);
    return 0;
}
