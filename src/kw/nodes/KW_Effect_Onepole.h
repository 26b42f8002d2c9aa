// What the one-pole low-pass and high-pass share: the frequency, the coefficient and the state update
// y += a (x - y) with a = 2 pi f / (2 pi f + fs), in 32-bit fixed point.
#pragma once
#include <atomic>
#include <cstdint>
#include "graph/KW_Effect.h"

class KW_Effect_Onepole : public KW_Effect {
public:
    int32_t frequency() const { return freq; }
    // g / 2^32 is the smoothing factor a.
    uint32_t coefficient() const { return g.load(std::memory_order_relaxed); }
    void reset() override { y = 0; }

    static KW_value m_f(KW_Effect_Onepole& e, const KW_value& arg);

protected:
    void clockChanged() override { retune(); }

    // Updates the state for every input sample of the block and hands each input x and new state y
    // to emit(k, x, y). The state carries over to the next block.
    template <class Emit>
    void run(const Io& b, Emit emit) {
        const uint32_t gain = coefficient(), half = gain >> 1;
        uint32_t s = y;
        // Unrolled: the loop's own counting is a good part of so short a body.
#pragma GCC unroll 4
        for (int32_t k = 0; k < b.n; ++k) {
            const uint32_t x = uint32_t(b.in[k]);
            // The upper half of (x - y + 2^31) g is (x - y) a + g / 2, rounded down.
            s += uint32_t((uint64_t(x - s + 0x80000000u) * gain) >> 32) - half;
            emit(k, x, s);
        }
        y = s;
    }

private:
    void retune();

    int32_t freq = 0;
    std::atomic<uint32_t> g{0};
    uint32_t y = 0;
};
