// Second-order band-pass between the corners f q and f / q, in 32-bit fixed point:
//   (P + Q) y[n] = P (x[n] - x[n-2]) + (2Q - 1) y[n-1] - (Q - P) y[n-2]
// (the analog band-pass with s, s^2 and the plain term taken as central differences).
#pragma once
#include <atomic>
#include <cstdint>
#include "graph/KW_Effect.h"

class KW_Effect_Bapass : public KW_Effect {
public:
    // c0 and c1 are scaled by 2^31 and run up to 2^32 - 1, so that they stay exact where (2P + 1) / (2(P + Q))
    // or 2P / (P + Q) reach 1 (above f = fs sqrt(2) / (2 pi) for c0); below that they equal the signed
    // 32-bit coefficients. c2 = P / (P + Q) is below 1.
    struct Coefficients {
        uint32_t c0, c1;
        int32_t c2;
    };
    Coefficients coefficients() const;
    void reset() override;

    static KW_Object* create();
    static KW_value m_f(KW_Effect_Bapass& e, const KW_value& arg);
    static KW_value m_q(KW_Effect_Bapass& e, const KW_value& arg);
    static const KW_Option options[];

protected:
    void processBlock() override;
    void clockChanged() override { retune(); }

private:
    void retune();

    float freq = 0.0f;
    float q = 0.0f;
    std::atomic<uint32_t> c0{0}, c1{0};
    std::atomic<int32_t> c2{0};
    uint32_t x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};
