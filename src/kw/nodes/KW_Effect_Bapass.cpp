#include "nodes/KW_Effect_Bapass.h"
#include <cmath>
#include <utility>
#include "graph/KW_Mode.h"
#include "nodes/KW_Fpu.h"

const KW_Option KW_Effect_Bapass::options[] = {
    KW_Option(&KW_Effect_Bapass::create),
    KW_Option("i", KW_member<KW_Effect, &KW_Effect::m_port<KW_Effect::IN>>),
    KW_Option("o", KW_member<KW_Effect, &KW_Effect::m_port<KW_Effect::OUT>>),
    KW_Option("f", KW_member<KW_Effect_Bapass, &KW_Effect_Bapass::m_f>),
    KW_Option("q", KW_member<KW_Effect_Bapass, &KW_Effect_Bapass::m_q>),
    KW_Option(KW_Effect::options),
};

KW_Object* KW_Effect_Bapass::create() { return new KW_Effect_Bapass; }

KW_Effect_Bapass::Coefficients KW_Effect_Bapass::coefficients() const {
    return {c0.load(std::memory_order_relaxed), c1.load(std::memory_order_relaxed),
            c2.load(std::memory_order_relaxed)};
}

void KW_Effect_Bapass::reset() { x1 = x2 = y1 = y2 = 0; }

// In doubles, every step rounded as written. The centre frequency is held at fs / 4 at most: the
// difference equation loses stability as f approaches fs / pi, and at fs / 4 it still has a wide
// margin. q and 1 / q give the same corners, and so do negative f or q. Coefficients that cannot be
// represented (c0, c1 from 2^32, c2 from 2^31, or not numbers) leave the old ones in place.
void KW_Effect_Bapass::retune() {
    const int32_t fs = clock();
    const float f = freq, w = q;
    if (fs <= 0 || std::isnan(f) || std::isnan(w) || f == 0.0f || w == 0.0f || std::fabs(w) == 1.0f) return;
    constexpr double pi = 3.141592653589793, scale = 32768.0 * 65536.0;
    KW_Fpu fpu(KW_Fpu::DOUBLE);
    const double top = KW_Fpu::pin(double(fs) * 0.25);
    const double fc = std::fmin(std::fabs(KW_Fpu::pin(double(f))), top);
    double A = KW_Fpu::pin(fc * std::fabs(double(w)));
    double B = KW_Fpu::pin(fc / std::fabs(double(w)));
    if (A > B) std::swap(A, B);
    const double wA = KW_Fpu::pin(A * 2.0 * pi), wB = KW_Fpu::pin(B * 2.0 * pi);
    const double D = KW_Fpu::pin((wB - wA) / (wB * wA)), E = KW_Fpu::pin(1.0 / (wB * wA));
    const double P = KW_Fpu::pin(fs * D * 0.5), Q = KW_Fpu::pin(fs * E * fs);
    const double v0 = KW_Fpu::pin((2.0 * P + 1.0) / (P + Q) * scale * 0.5);
    const double v1 = KW_Fpu::pin(2.0 * P / (P + Q) * scale);
    const double v2 = KW_Fpu::pin(P / (P + Q) * scale);
    if (!(v0 < 4294967296.0 && v1 < 4294967296.0 && v2 < 2147483648.0)) return;
    c0.store(uint32_t(v0), std::memory_order_relaxed);
    c1.store(uint32_t(v1), std::memory_order_relaxed);
    c2.store(int32_t(v2), std::memory_order_relaxed);
}

void KW_Effect_Bapass::processBlock() {
    const Io b = io();
    const Coefficients c = coefficients();
    // M(v, k) = floor(v k / 2^31), low 32 bits; k is unsigned for c0 and c1.
    auto M = [](uint32_t v, int64_t k) { return uint32_t(uint64_t((int64_t(int32_t(v)) * k) >> 31)); };
    // One output from the input and the inputs and outputs one and two samples back.
    auto next = [&](uint32_t x, uint32_t xm2, uint32_t ym1, uint32_t ym2) {
        return M(x - xm2, c.c2) - ym2 + M(ym2, c.c1) + 2 * ym1 - 2 * M(ym1, c.c0);
    };
    KW_Mode::with(mode(), [&](auto combine) {
        uint32_t s1 = x1, s2 = x2, r1 = y1, r2 = y2;
        int32_t k = 0;
        // Two samples a turn, so that the state's registers change roles instead of being moved along.
        for (; k + 1 < b.n; k += 2) {
            const uint32_t xa = uint32_t(b.in[k]);
            const uint32_t ya = next(xa, s2, r1, r2);
            b.out[k] = combine(b.out[k], int32_t(ya));
            const uint32_t xb = uint32_t(b.in[k + 1]);
            const uint32_t yb = next(xb, s1, ya, r1);
            b.out[k + 1] = combine(b.out[k + 1], int32_t(yb));
            s2 = xa;
            s1 = xb;
            r2 = ya;
            r1 = yb;
        }
        if (k < b.n) {
            const uint32_t x = uint32_t(b.in[k]), y = next(x, s2, r1, r2);
            b.out[k] = combine(b.out[k], int32_t(y));
            s2 = s1;
            s1 = x;
            r2 = r1;
            r1 = y;
        }
        x1 = s1;
        x2 = s2;
        y1 = r1;
        y2 = r2;
    });
}

KW_value KW_Effect_Bapass::m_f(KW_Effect_Bapass& e, const KW_value& arg) {
    if (arg.given() && arg.toFloat(e.freq)) e.retune();
    return KW_value::real(e.freq);
}

KW_value KW_Effect_Bapass::m_q(KW_Effect_Bapass& e, const KW_value& arg) {
    if (arg.given() && arg.toFloat(e.q)) e.retune();
    return KW_value::real(e.q);
}
