#include "Render.h"
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// A small generator of its own, so that every build makes the same input.
struct Noise {
    uint32_t state = 0x4b49524e;
    float next() {
        state = state * 1664525u + 1013904223u;
        return float(int32_t(state >> 8) - (1 << 23)) / float(1 << 23);
    }
};

const int32_t blockLengths[] = {512, 1, 64, 1000, 37, 4096, 255, 2};
// Frequency parameter values (0..1 spans 20 Hz..10 kHz), the ends included.
const float frequencies[] = {0.14829659f, 0.0f, 1.0f, 0.5f, 0.031f, 0.75f, 0.002f};
const float odd[] = {NAN, INFINITY, -INFINITY, 1e30f, -3.0f, 1.0f, -1.0f, 1e-40f};

}  // namespace

std::vector<float> render(Plugin& p) {
    std::vector<float> output;
    Noise noise;
    double phase = 0;
    long sample = 0;
    AEffect& e = *p.effect;
    const float state = e.getParameter(&e, 0), frequency = e.getParameter(&e, 1);
    for (float rate : {44100.0f, 48000.0f, 96000.0f}) {
        p.call(effMainsChanged, 0, 0);
        p.call(effSetSampleRate, 0, 0, nullptr, rate);
        p.call(effMainsChanged, 0, 1);
        for (int step = 0; step < 40; step++) {
            if (step % 3 == 0) e.setParameter(&e, 1, frequencies[(step / 3) % 7]);
            if (step % 5 == 2) e.setParameter(&e, 0, step % 10 == 2 ? 0.0f : 1.0f);
            const int32_t frames = blockLengths[step % 8];
            std::vector<float> in(static_cast<size_t>(frames)), left(in.size()), right(in.size());
            for (float& x : in) {
                // A sweep from 20 Hz up, with noise under it and now and then a value from the odd list.
                phase += 2 * 3.141592653589793 * (20.0 + double(sample % 20000)) / rate;
                x = float(0.6 * std::sin(phase)) + 0.3f * noise.next();
                if (sample % 997 == 0) x = odd[(sample / 997) % 8];
                sample++;
            }
            p.process(in.data(), left.data(), right.data(), frames);
            for (int32_t i = 0; i < frames; i++) {
                output.push_back(left[size_t(i)]);
                output.push_back(right[size_t(i)]);
            }
        }
    }
    e.setParameter(&e, 0, state);
    e.setParameter(&e, 1, frequency);
    return output;
}

bool writeRender(const std::vector<float>& output, const char* file) {
    FILE* f = std::fopen(file, "wb");
    if (!f) return false;
    const bool written = std::fwrite(output.data(), sizeof(float), output.size(), f) == output.size();
    return std::fclose(f) == 0 && written;
}

bool sameRender(const std::vector<float>& output, const char* file) {
    FILE* f = std::fopen(file, "rb");
    if (!f) {
        std::printf("cannot read %s\n", file);
        return false;
    }
    std::vector<float> wanted(output.size() + 1);
    const size_t got = std::fread(wanted.data(), sizeof(float), wanted.size(), f);
    std::fclose(f);
    if (got != output.size()) {
        std::printf("%s holds %zu values, this build rendered %zu\n", file, got, output.size());
        return false;
    }
    long differing = 0;
    for (size_t i = 0; i < output.size(); i++) {
        if (std::memcmp(&output[i], &wanted[i], sizeof(float)) == 0) continue;
        if (differing++ == 0)
            std::printf("first difference at frame %zu, %s channel: %.9g here, %.9g there\n", i / 2,
                        i % 2 ? "right" : "left", double(output[i]), double(wanted[i]));
    }
    std::printf("render: %zu values, %ld differ from %s\n", output.size(), differing, file);
    return differing == 0;
}
