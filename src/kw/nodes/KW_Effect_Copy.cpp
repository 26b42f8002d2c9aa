#include "nodes/KW_Effect_Copy.h"
#include "graph/KW_Mode.h"
#include "graph/KW_argument.h"

const KW_Option KW_Effect_Copy::options[] = {
    KW_Option(&KW_Effect_Copy::create),
    KW_Option("i", KW_member<KW_Effect, &KW_Effect::m_port<KW_Effect::IN>>),
    KW_Option("o", KW_member<KW_Effect, &KW_Effect::m_port<KW_Effect::OUT>>),
    KW_Option("is", KW_member<KW_Effect_Copy, &KW_Effect_Copy::m_is>),
    KW_Option("os", KW_member<KW_Effect_Copy, &KW_Effect_Copy::m_os>),
    KW_Option(KW_Effect::options),
};

KW_Object* KW_Effect_Copy::create() { return new KW_Effect_Copy; }

void KW_Effect_Copy::processBlock() {
    const int32_t* in = access(ports[IN]);
    int32_t* out = access(ports[OUT]);
    const int32_t m = mode();
    if (!in || !out || (in == out && m == KW_Mode::SET)) return;
    const int32_t is = inputStep(), os = outputStep(), lo = ports[OUT]->length();
    // A step that would walk backwards, or an empty output, leaves the block untouched; the count
    // is cut so that no write lands past the output's length.
    if (is <= 0 || os < 0 || lo <= 0) return;
    int32_t n = ports[IN]->length() / is;
    if (os && n > (lo - 1) / os + 1) n = (lo - 1) / os + 1;
    KW_Mode::with(m, [&](auto combine) {
        if (is == 1 && os == 1) {
            for (int32_t k = 0; k < n; ++k) out[k] = combine(out[k], in[k]);
        } else {
            for (int32_t k = 0; k < n; ++k) out[k * os] = combine(out[k * os], in[k * is]);
        }
    });
}

KW_value KW_Effect_Copy::m_is(KW_Effect_Copy& e, const KW_value& arg) {
    int32_t v;
    if (KW_raw(arg, v)) e.inStep.store(v, std::memory_order_relaxed);
    return KW_value::integer(e.inputStep());
}

KW_value KW_Effect_Copy::m_os(KW_Effect_Copy& e, const KW_value& arg) {
    int32_t v;
    if (KW_raw(arg, v)) e.outStep.store(v, std::memory_order_relaxed);
    return KW_value::integer(e.outputStep());
}
