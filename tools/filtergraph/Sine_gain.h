// The gain of a block processor at one frequency, measured with a sine.
#pragma once
#include <cstdint>
#include <functional>

// run(in, out, n) processes one block. A sine of amplitude 2^29 (half full scale) at frequency f for the
// clock fs is run through blocks of the given length until settle samples have passed, then a sine
// with offset is fitted by least squares to the next window samples of the output. Returns the
// output amplitude over the input amplitude, in dB.
double Sine_gain(const std::function<void(const int32_t*, int32_t*, int32_t)>& run, double fs, double f,
                 int32_t block, int64_t settle, int64_t window);
