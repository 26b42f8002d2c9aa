#include "nodes/KW_Effect_Lopass.h"
#include "graph/KW_Mode.h"

const KW_Option KW_Effect_Lopass::options[] = {
    KW_Option(&KW_Effect_Lopass::create),
    KW_Option("i", KW_member<KW_Effect, &KW_Effect::m_port<KW_Effect::IN>>),
    KW_Option("o", KW_member<KW_Effect, &KW_Effect::m_port<KW_Effect::OUT>>),
    KW_Option("f", KW_member<KW_Effect_Onepole, &KW_Effect_Onepole::m_f>),
    KW_Option(KW_Effect::options),
};

KW_Object* KW_Effect_Lopass::create() { return new KW_Effect_Lopass; }

void KW_Effect_Lopass::processBlock() {
    const Io b = io();
    KW_Mode::with(mode(), [&](auto combine) {
        run(b, [&](int32_t k, uint32_t, uint32_t y) { b.out[k] = combine(b.out[k], int32_t(y)); });
    });
}
