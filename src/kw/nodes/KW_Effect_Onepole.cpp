#include "nodes/KW_Effect_Onepole.h"
#include "nodes/KW_Fpu.h"

// a = 2 pi f / (2 pi f + fs) scaled by 2^32, in extended precision: g = f K / (f P + fs / 2) with
// K = 2^32 pi and P = pi as doubles. A frequency or clock that is not positive keeps g.
void KW_Effect_Onepole::retune() {
    const int32_t f = freq, fs = clock();
    if (f <= 0 || fs <= 0) return;
    constexpr double K = 13493037704.522018, P = 3.141592653589793;
    KW_Fpu fpu(KW_Fpu::EXTENDED);
    const long double lf = KW_Fpu::pin<long double>(f), lfs = KW_Fpu::pin<long double>(fs);
    const long double v = KW_Fpu::pin(lf * (long double)K / (lf * (long double)P + lfs * 0.5L));
    g.store(uint32_t(uint64_t(v)), std::memory_order_relaxed);  // 0 <= v < 2^32 because K = 2^32 P
}

KW_value KW_Effect_Onepole::m_f(KW_Effect_Onepole& e, const KW_value& arg) {
    if (arg.given() && arg.toInt(e.freq)) e.retune();
    return KW_value::integer(e.freq);
}
