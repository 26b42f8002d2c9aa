#include "Response.h"
#include <cmath>
#include <vector>

double measureGain(Plugin& plugin, double rate, double f) {
    const int32_t block = 512;
    const int settle = int(rate / 2), measure = int(rate / 2);  // half a second each, whole cycles not needed
    std::vector<float> in(block), left(block), right(block);
    double sumIn = 0, sumOut = 0;
    long n = 0;
    for (int done = 0; done < settle + measure; done += block) {
        for (int32_t i = 0; i < block; i++) in[i] = float(0.5 * std::sin(2 * 3.141592653589793 * f * double(n + i) / rate));
        plugin.process(in.data(), left.data(), right.data(), block);
        if (done >= settle)
            for (int32_t i = 0; i < block; i++) {
                sumIn += double(in[i]) * in[i];
                sumOut += double(left[i]) * left[i];
            }
        n += block;
    }
    return 10 * std::log10(sumOut / sumIn);
}
